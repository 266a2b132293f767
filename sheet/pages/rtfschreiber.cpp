#include "sheet/pages/rtfschreiber.h"

namespace drel::sheet {
namespace {

void laufSchreiben(QByteArray& rtf, const TextLauf& lauf) {
    if (lauf.fett || lauf.unterstrichen) {
        rtf += '{';
        if (lauf.fett)
            rtf += "\\b";
        if (lauf.unterstrichen)
            rtf += "\\ul";
        rtf += ' ';
    }
    for (QChar c : lauf.text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            rtf += '\\';
            rtf += static_cast<char>(u);
        } else if (u == '\t') {
            rtf += "\\tab ";
        } else if (u == '\r' || u == '\n') {
            rtf += "\\line ";
        } else if (u < 0x80) {
            rtf += static_cast<char>(u);
        } else {
            // \uN takes a signed 16-bit number; "?" stands in for readers without Unicode.
            rtf += "\\u" + QByteArray::number(static_cast<qint16>(u)) + '?';
        }
    }
    if (lauf.fett || lauf.unterstrichen)
        rtf += '}';
}

} // namespace

QByteArray rtfSchreiben(const QList<TextZeile>& zeilen) {
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                     "\\f0\\fs20 ";
    for (const TextZeile& zeile : zeilen) {
        for (const TextLauf& lauf : zeile)
            laufSchreiben(rtf, lauf);
        rtf += "\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

} // namespace drel::sheet
