#include "i18n/qmpruefung.h"

#include <array>
#include <cstdint>

namespace drel::i18n {

namespace {

constexpr std::array<std::uint8_t, 16> kMagic{0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Block tags of the file and record tags of a message, as QTranslator reads them.
enum Block : std::uint8_t {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};
enum Satz : std::uint8_t {
    End = 1,
    Translation = 3,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

struct Bereich {
    const std::uint8_t* anfang = nullptr;
    std::uint32_t laenge = 0;
};

std::uint32_t lies32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

std::uint16_t lies16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}

bool fehler(QString* grund, const QString& text) {
    if (grund)
        *grund = text;
    return false;
}

// The context table: a hash table of 16-bit offsets into chains of (length, name)
// entries, each chain ended by a zero length.
bool kontextePruefen(const Bereich& b, QString* grund) {
    if (b.laenge < 2)
        return fehler(grund, QStringLiteral("Kontexttabelle zu kurz"));
    const std::uint32_t groesse = lies16(b.anfang);
    if (groesse == 0)
        return fehler(grund, QStringLiteral("Kontexttabelle ohne Einträge"));
    const std::uint64_t tabelle = 2 + 2 * std::uint64_t(groesse);
    if (tabelle > b.laenge)
        return fehler(grund, QStringLiteral("Kontexttabelle über das Dateiende"));
    for (std::uint32_t g = 0; g < groesse; ++g) {
        const std::uint32_t off = lies16(b.anfang + 2 + 2 * g);
        if (off == 0)
            continue;
        std::uint64_t pos = tabelle + 2 * std::uint64_t(off);
        for (;;) {
            if (pos >= b.laenge)
                return fehler(grund, QStringLiteral("Kontextkette über das Dateiende"));
            const std::uint8_t len = b.anfang[pos];
            if (len == 0)
                break;
            pos += 1 + std::uint64_t(len);
        }
    }
    return true;
}

// One message record as a lookup walks it: every length inside the message block,
// translations of even length. A lookup stops at the end tag, at an unknown tag or at
// the block's end, so those end the walk too.
bool satzPruefen(const Bereich& b, std::uint32_t start, QString* grund) {
    std::uint64_t pos = start;
    while (pos < b.laenge) {
        const std::uint8_t tag = b.anfang[pos++];
        switch (tag) {
        case End:
            return true;
        case Obsolete1:
            if (pos + 4 > b.laenge)
                return fehler(grund, QStringLiteral("Meldung über das Dateiende"));
            pos += 4;
            break;
        case Translation:
        case SourceText:
        case Context:
        case Comment: {
            if (pos + 4 > b.laenge)
                return fehler(grund, QStringLiteral("Meldung über das Dateiende"));
            const std::uint32_t len = lies32(b.anfang + pos);
            pos += 4;
            if (tag == Translation && (len & 1u))
                return fehler(grund, QStringLiteral("Übersetzung ungerader Länge"));
            // A translation's length is read as a signed int.
            if (len > 0x7fffffffu || pos + len > b.laenge)
                return fehler(grund, QStringLiteral("Meldung über das Dateiende"));
            pos += len;
            break;
        }
        default:
            return true;
        }
    }
    return true;
}

} // namespace

bool qmPruefen(const QByteArray& daten, QString* grund) {
    const auto* anfang = reinterpret_cast<const std::uint8_t*>(daten.constData());
    const auto laenge = static_cast<std::uint64_t>(daten.size());
    if (laenge < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), anfang))
        return fehler(grund, QStringLiteral("keine Übersetzungsdatei"));
    if (laenge > 0x7fffffffu)
        return fehler(grund, QStringLiteral("zu groß"));

    Bereich kontexte, hashes, meldungen;
    // Blocks as QTranslator finds them: a tag byte, a 32-bit length, the data.
    std::uint64_t pos = kMagic.size();
    while (pos + 5 < laenge) {
        const std::uint8_t tag = anfang[pos];
        const std::uint32_t blockLaenge = lies32(anfang + pos + 1);
        pos += 5;
        if (tag == 0 || blockLaenge == 0)
            continue;
        if (laenge - pos < blockLaenge)
            return fehler(grund, QStringLiteral("Block über das Dateiende"));
        const Bereich b{anfang + pos, blockLaenge};
        switch (tag) {
        case Contexts:
            kontexte = b;
            break;
        case Hashes:
            hashes = b;
            break;
        case Messages:
            meldungen = b;
            break;
        case Dependencies:
            return fehler(grund, QStringLiteral("verweist auf weitere Übersetzungsdateien"));
        case NumerusRules:
        case Language:
        default:
            break;
        }
        pos += blockLaenge;
    }
    if (kontexte.laenge && !kontextePruefen(kontexte, grund))
        return false;
    if (hashes.laenge % 8 != 0)
        return fehler(grund, QStringLiteral("Hashtabelle unvollständig"));
    std::uint32_t vorher = 0;
    for (std::uint32_t i = 0; i < hashes.laenge; i += 8) {
        const std::uint32_t hash = lies32(hashes.anfang + i);
        const std::uint32_t offset = lies32(hashes.anfang + i + 4);
        // The lookup searches the table by halves: it must be sorted.
        if (hash < vorher)
            return fehler(grund, QStringLiteral("Hashtabelle nicht sortiert"));
        vorher = hash;
        if (offset >= meldungen.laenge)
            return fehler(grund, QStringLiteral("Verweis hinter die Meldungen"));
        if (!satzPruefen(meldungen, offset, grund))
            return false;
    }
    return true;
}

} // namespace drel::i18n
