// The single 324-byte record of search.ini: the search criteria (bytes 0 to 255) and
// the main window's language fields (bytes 256 to 323). Little-endian, no header;
// short strings are a length byte and up to 30 Windows-1252 characters.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>

namespace drel {

class SuchRec {
public:
    static constexpr qsizetype Groesse = 324;
    static constexpr int KurzStringMax = 30;
    static constexpr int KaeltemittelAnzahl = 10;
    static constexpr char RandMarke = 'M';

    // The series check boxes in record order.
    enum Box : int {
        RBQL,
        RBEQL,
        RBLV,
        RBW,
        RBWY,
        RBWT,
        verbundtoo,
        RBQN,
        RBEQN,
        RBCQLL,
        RBCQNL,
        RBCQLR,
        RBCQNR,
        RBWEY,
        rbQNT,
        RB84,
        BoxAnzahl
    };

    struct Offset {
        static constexpr int modus = 0;
        static constexpr int kaeltemittel = 4;
        static constexpr int tc = 44;
        static constexpr int t0 = 75;
        static constexpr int chkq0 = 106;
        static constexpr int q0 = 107;
        static constexpr int immerNull = 138;
        static constexpr int vTyp = 139;
        static constexpr int boxen = 170;
        static constexpr int ts = 186;
        static constexpr int dtu = 217;
        static constexpr int rb60Hz = 248;
        // Two of the three alignment bytes after rb60Hz: a mark and the result list's
        // margin column. Older files hold 0 there; the mark keeps stray bytes from
        // switching the column on.
        static constexpr int randMarke = 249;
        static constexpr int randSpalte = 250;
        static constexpr int spinN = 252;
        static constexpr int kurzCode = 256;
        static constexpr int sprachNummer = 288;
        static constexpr int code = 292;
    };

    // A default-constructed record holds what the search window shows without a
    // settings file (after its box group rule has run).
    qint32 modus = 0; // 0 = compressors, 1 = condensing units
    std::array<bool, KaeltemittelAnzahl> kaeltemittel{true};
    QString tc = QStringLiteral("45");
    QString t0 = QStringLiteral("-10");
    bool chkq0 = true;
    QString q0 = QStringLiteral("10");
    QString vTyp;
    std::array<bool, BoxAnzahl> boxen = standardBoxen();
    QString ts = QStringLiteral("20");
    QString dtu = QStringLiteral("0");
    bool rb60Hz = false;
    qint32 spinN = 1450;
    bool randSpalte = false; // the result list shows the envelope margin
    QString kurzCode = QStringLiteral("De");
    qint32 sprachNummer = 1;
    QString code = QStringLiteral("De");

    static SuchRec defaults() { return SuchRec{}; }
    static std::array<bool, BoxAnzahl> standardBoxen();

    bool box(Box b) const { return boxen[static_cast<std::size_t>(b)]; }
    void setBox(Box b, bool an) { boxen[static_cast<std::size_t>(b)] = an; }

    // Reads a record. A field that does not lie wholly inside `daten`, a number out of
    // its range and a bad length byte never lead to reading outside the field: the
    // field keeps its default, resp. the length is cut to the field.
    static SuchRec lesen(QByteArrayView daten);
    // The full 324-byte record; text longer than a field is cut to 30 characters.
    QByteArray schreiben() const;

    // Puts the three language fields into a raw record of Groesse bytes and leaves
    // every other byte (padding and unused string bytes included) as it is.
    static void spracheEinsetzen(QByteArray& record, const QString& kurz, qint32 nummer,
                                 const QString& ordentlich);

    // Short-string field access on a raw record (bounds-checked against the record).
    static QString kurzStringLesen(QByteArrayView daten, int offset);
    static void kurzStringSchreiben(QByteArray& record, int offset, const QString& text);

    friend bool operator==(const SuchRec&, const SuchRec&) = default;
};

} // namespace drel
