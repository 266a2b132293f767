// Reads the RTF subset of the note and readme texts (paragraphs, line breaks, tabs,
// bold, italic, underline, Windows-1252 and Unicode escapes) into HTML for a rich-text
// box. Font, colour and style tables, pictures and other destinations are skipped.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace drel {

QString rtfZuHtml(QByteArrayView rtf);

} // namespace drel
