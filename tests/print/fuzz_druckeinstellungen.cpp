// libFuzzer target: any bytes as the print window's settings, WUK.ini and the letter
// files. Reading never crashes, ticks only the eight boxes, and the letter files read
// back as written.
#include "print/kundenmodell.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void ablegen(const QString& datei, const QByteArray& inhalt) {
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        std::abort();
    f.write(inhalt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* name :
         {"WUK.ini", "adr.dat", "kdr.dat", "betreff.dat", "text.dat", "zust.dat"})
        ablegen(dir.filePath(QString::fromLatin1(name)), bytes);

    drel::print::KundenModell m(dir.path());
    m.FormCreate();
    m.readmemo(QDate(2026, 1, 2));
    if (m.checkBox(0) || m.checkBox(9))
        std::abort();

    // Plain UTF-8 text is written and read again unchanged (byte-order marks and other
    // encodings are converted on the way, so they are left out here).
    if (!m.speichern())
        std::abort();
    const bool utf8 = QString::fromUtf8(bytes).toUtf8() == bytes &&
                      !bytes.startsWith("\xef\xbb\xbf") && !bytes.startsWith("\xff\xfe") &&
                      !bytes.startsWith("\xfe\xff") &&
                      !bytes.startsWith(QByteArray("\x00\x00\xfe\xff", 4));
    drel::print::KundenModell wieder(dir.path());
    wieder.readmemo(QDate(2026, 1, 2));
    if (utf8 && wieder.AdrMemo != m.AdrMemo)
        std::abort();
    return 0;
}
