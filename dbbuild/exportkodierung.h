// The character encoding of an XML export: the parser reads UTF-8 only, so an export
// declared otherwise is converted first, and UTF-8 that is not valid is refused with
// its place instead of reaching the tables as replacement characters.
#pragma once

#include <QByteArray>
#include <QString>

namespace drel::dbbuild {

// Returns the export as UTF-8 without byte-order mark. A byte-order mark or the
// pattern of "<?" decides UTF-16; otherwise the encoding attribute of the XML
// declaration: UTF-8 (also when there is none), UTF-16, ISO-8859-1 or Windows-1252.
// Throws DbError naming `dateiName` for any other encoding and for bytes that are
// invalid in the declared one (with line and column).
QByteArray exportNachUtf8(const QByteArray& xml, const QString& dateiName);

// "Zeile L, Spalte C" of a byte offset (lines counted from 1).
QString exportPosition(const QByteArray& xml, qsizetype offset);

} // namespace drel::dbbuild
