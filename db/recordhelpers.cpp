#include "db/recordhelpers.h"

#include "base/kaeltemittelname.h"
#include "base/numberformat.h"
#include "db/datamodule.h"

namespace drel::db {

namespace {

// Field positions of a fixed list of names, resolved once per loaded table: the
// search reads coefficients and polygons of hundreds of records per run.
class FieldPositions {
public:
    explicit FieldPositions(std::vector<QString> names) : names_(std::move(names)) {}

    // The numbers of the cursor's current row, read at position(i); nullptr on a
    // closed cursor or without a current row. A name the table lacks fails as by name.
    const double* zeile(const Cursor& c) {
        if (!c.active())
            return nullptr;
        if (c.table() != table_) {
            table_ = c.table();
            positions_.clear();
            for (const QString& n : names_)
                positions_.push_back(table_->fieldIndex(n));
        }
        for (size_t i = 0; i < positions_.size(); ++i)
            if (positions_[i] < 0)
                throw DbError(
                    QStringLiteral("%1: Feld '%2' nicht gefunden").arg(c.name(), names_[i]));
        const int row = c.currentTableRow();
        return row < 0 ? nullptr : table_->zahlen(row);
    }

    // Name i in numbers from zeile(); 0 without a row.
    double number(const double* zeile, size_t i) const {
        return zeile ? zeile[positions_[i]] : 0.0;
    }

private:
    std::vector<QString> names_;
    TablePtr table_;
    std::vector<int> positions_;
};

std::vector<QString> numberedNames(const char* stem, int count, const char* suffix = "") {
    std::vector<QString> names;
    for (int k = 1; k <= count; ++k)
        names.push_back(QString::fromLatin1(stem) + QString::number(k) +
                        QString::fromLatin1(suffix));
    return names;
}

std::vector<QString> polygonNames(const char* stem) {
    std::vector<QString> names;
    for (int k = 1; k <= 10; ++k) {
        const QString point = QString::fromLatin1(stem) + QString::number(k);
        names.push_back(point + QLatin1String("to"));
        names.push_back(point + QLatin1String("tc"));
    }
    return names;
}

void readPolygon(const Cursor& c, int n, GrenzPolygon& p) {
    static FieldPositions blau(polygonNames("KoordBlau"));
    static FieldPositions strich(polygonNames("KoordStrich"));
    static FieldPositions rot(polygonNames("KoordRot"));
    FieldPositions& fields = n == 1 ? blau : (n == 2 ? strich : rot);
    p = GrenzPolygon{};
    const double* zeile = fields.zeile(c);
    for (size_t k = 0; k < GrenzPolygon::kGespeichert; ++k) {
        p.punkte[k].to = static_cast<float>(fields.number(zeile, 2 * k));
        p.punkte[k].tc = static_cast<float>(fields.number(zeile, 2 * k + 1));
    }
    // The closing point: the first of the stored points 2 to 10 equal to point 1.
    p.Anzahl = 11;
    for (size_t k = 1; k < GrenzPolygon::kGespeichert; ++k) {
        if (p.punkte[k] == p.punkte[0]) {
            p.Anzahl = static_cast<int>(k) + 1;
            break;
        }
    }
}

bool allZero(const GrenzPolygon& p) {
    for (const GrenzPunkt& punkt : p.punkte)
        if (punkt.to != 0.0F || punkt.tc != 0.0F)
            return false;
    return true;
}

bool isUpperR22OrR717(const QString& kaeltemittel) {
    const QString upper = kaeltemittel.toUpper();
    return upper == QLatin1String("R22") || upper == QLatin1String("R717");
}

QString insertX(const QString& bezeichnung) {
    for (qsizetype i = 1; i < bezeichnung.size(); ++i) {
        const QChar c = bezeichnung.at(i);
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
            if (bezeichnung.at(i - 1) == QLatin1Char('X'))
                return bezeichnung;
            QString out = bezeichnung;
            out.insert(i, QLatin1Char('X'));
            return out;
        }
    }
    return bezeichnung;
}

Cursor& artikelCursor(TDataModule1& dm, const QString& prefix) {
    Cursor* c = dm.cursor(prefix + QStringLiteral("TBArtikel"));
    if (!c)
        throw DbError(QStringLiteral("Kein Artikel-Cursor %1TBArtikel").arg(prefix));
    return *c;
}

bool startsWithAny(const QString& d, std::initializer_list<const char*> prefixes) {
    for (const char* p : prefixes)
        if (d.startsWith(QLatin1String(p)))
            return true;
    return false;
}

// A field that the search asks of every article or record, read from the table's
// column of it: the search walks the rows in order, and a column holds one number (or
// one text, the texts together) per row where the row's cells spread over lines.
// Whole-number and yes/no fields are typed, so their number is the variant's value.
class Spaltenfeld {
public:
    explicit Spaltenfeld(const char* name) : name_(QString::fromLatin1(name)) {}
    double zahl(const Cursor& c) {
        const int row = zeile(c);
        return row < 0 ? 0.0 : table_->spalte(position_)[row];
    }
    QString text(const Cursor& c) {
        const int row = zeile(c);
        return row < 0 ? QString() : table_->texte(position_)[row];
    }
    // Only once the field was read from this table: a hint never builds a column.
    void zahlVorladen(const Cursor& c, int row) const {
        if (row >= 0 && position_ >= 0 && c.table() == table_)
            __builtin_prefetch(table_->spalte(position_) + row);
    }
    void textVorladen(const Cursor& c, int row) const {
        if (row >= 0 && position_ >= 0 && c.table() == table_)
            __builtin_prefetch(table_->texte(position_) + row);
    }

private:
    // The current table row, -1 without one; an unknown name fails as by name.
    int zeile(const Cursor& c) {
        if (!c.active())
            return -1;
        if (c.table() != table_) {
            table_ = c.table();
            position_ = table_->fieldIndex(name_);
        }
        if (position_ < 0)
            throw DbError(QStringLiteral("%1: Feld '%2' nicht gefunden").arg(c.name(), name_));
        return c.currentTableRow();
    }

    QString name_;
    TablePtr table_;
    int position_ = -1;
};

// The article fields a search reads for every article, shared with ArtikelVorladen.
struct Artikelfelder {
    Spaltenfeld gruppe{"Produktgruppe"};
    Spaltenfeld id{"ID"};
    Spaltenfeld hub{"Hubvolumen"};
    Spaltenfeld bezeichnung{"Bezeichnung1"};
    Spaltenfeld basisDaten{"UseBaseArticleWukData"};
};

Artikelfelder& artikelfelder() {
    static Artikelfelder felder;
    return felder;
}

bool equalsAny(const QString& d, std::initializer_list<const char*> texts) {
    for (const char* t : texts)
        if (d == QLatin1String(t))
            return true;
    return false;
}

int lukoSuche(const LukoTabelle& tabelle, qint32 kondensatorId, const QString& kaeltemittel) {
    const QString upper = kaeltemittel.toUpper();
    for (int k = 0; k < tabelle.anzahl(); ++k) {
        const LukoEintrag& e = tabelle.eintraege[static_cast<size_t>(k)];
        if (e.LuftkondensatorID == kondensatorId && e.Kaeltemittel.toUpper() == upper)
            return k + 1;
    }
    return 1;
}

} // namespace

void GrenzenLesen(const Cursor& leistung, int n, GrenzPolygon& polygon) {
    readPolygon(leistung, n, polygon);
    if (n == 2 && allZero(polygon))
        readPolygon(leistung, 1, polygon);
}

void KoeffizientenLesen(const Cursor& leistung, const Cursor& motor, KoeffSatz& satz) {
    static FieldPositions qo(numberedNames("KaelteLeistung", 10));
    static FieldPositions p(numberedNames("Antriebsleistung", 10));
    static FieldPositions strom(numberedNames("ElektrStrom", 4));
    const double* qoZeile = qo.zeile(leistung);
    const double* pZeile = p.zeile(leistung);
    const double* stromZeile = strom.zeile(motor);
    for (size_t i = 1; i <= 10; ++i) {
        satz.Qo[i] = qo.number(qoZeile, i - 1);
        satz.P[i] = p.number(pZeile, i - 1);
    }
    for (size_t j = 1; j <= 4; ++j)
        satz.I[j] = strom.number(stromZeile, j - 1);
}

Baureihe BaureihenArtVonGruppe(int g) {
    switch (g) {
    case 24:
    case 54:
    case 55:
    case 59:
        return Baureihe::QL;
    case 25:
    case 45:
    case 56:
    case 57:
    case 60:
    case 73:
    case 74:
        return Baureihe::QN;
    case 29:
        return Baureihe::QLDuplex;
    case 30:
        return Baureihe::QNDuplex;
    case 26:
        return Baureihe::QNZweistufig;
    case 31:
    case 32:
    case 38:
    case 51:
    case 63:
        return Baureihe::W;
    case 23:
        return Baureihe::WZweistufig;
    case 33:
    case 39:
    case 66:
    case 67:
        return Baureihe::WY;
    case 64:
        return Baureihe::Gruppe64;
    case 65:
        return Baureihe::LV;
    default:
        return Baureihe::Keine;
    }
}

int Produktgruppe(const Cursor& artikel) {
    return static_cast<int>(artikelfelder().gruppe.zahl(artikel));
}

SauggasBemessung SauggasLesen(const Cursor& leistung) {
    // From the record's numbers: only rated records are asked, and theirs are at hand.
    static FieldPositions felder({QStringLiteral("Sauggaswert"), QStringLiteral("SauggasFlag")});
    const double* zeile = felder.zeile(leistung);
    return {felder.number(zeile, 0), felder.number(zeile, 1) != 0.0};
}

std::optional<double> KaeltemittelSchluessel(const Cursor& leistung) {
    static Spaltenfeld id("KaeltemittelID");
    if (!leistung.active() || leistung.currentTableRow() < 0)
        return std::nullopt;
    return id.zahl(leistung);
}

qint32 ArtikelNummer(const Cursor& artikel) {
    return static_cast<qint32>(artikelfelder().id.zahl(artikel));
}

double Hubvolumen(const Cursor& artikel) {
    return artikelfelder().hub.zahl(artikel);
}

void LeistungVorladen(const Cursor& leistung) {
    const int row = leistung.active() ? leistung.currentTableRow() : -1;
    if (row < 0)
        return;
    const TablePtr& table = leistung.table();
    const double* z = table->zahlen(row);
    constexpr int kJeZeile = 64 / sizeof(double);
    for (int f = 0; f < table->fieldCount(); f += kJeZeile)
        __builtin_prefetch(z + f);
}

void ArtikelVorladen(const Cursor& artikel, int tabellenZeile) {
    const Artikelfelder& f = artikelfelder();
    f.gruppe.zahlVorladen(artikel, tabellenZeile);
    f.basisDaten.zahlVorladen(artikel, tabellenZeile);
    f.id.zahlVorladen(artikel, tabellenZeile);
    f.hub.zahlVorladen(artikel, tabellenZeile);
    f.bezeichnung.textVorladen(artikel, tabellenZeile);
}

Baureihe BaureihenArt(const Cursor& artikel) {
    return BaureihenArtVonGruppe(Produktgruppe(artikel));
}

bool offenerVerdichter(Baureihe art) {
    return art == Baureihe::W || art == Baureihe::WZweistufig || art == Baureihe::WY;
}

QString grossesGruppenBild(TDataModule1& dm, int gruppe) {
    try {
        Cursor& gruppen = dm.TBGruppenS;
        if (!gruppen.active())
            gruppen.open();
        if (gruppen.locate(QStringLiteral("ID"), {Value(gruppe)}))
            return gruppen.asString("GrossesBild");
    } catch (const DbError&) {
        // No group table: no group picture.
    }
    return QString();
}

int SatzArtVonGruppe(int g) {
    switch (g) {
    case 54:
        return 10;
    case 55:
        return 9;
    case 56:
        return 12;
    case 57:
        return 11;
    case 32:
    case 63:
        return 13;
    default:
        return 0;
    }
}

int SatzArt(const Cursor& artikel) {
    return SatzArtVonGruppe(Produktgruppe(artikel));
}

QString typMitX(const QString& bezeichnung, const QString& kaeltemittel) {
    return isUpperR22OrR717(kaeltemittel) ? bezeichnung : insertX(bezeichnung);
}

QString typMitXUmgekehrt(const QString& bezeichnung, const QString& kaeltemittel) {
    return isUpperR22OrR717(kaeltemittel) ? insertX(bezeichnung) : bezeichnung;
}

QString Bezeichnung1(const Cursor& artikel) {
    return artikelfelder().bezeichnung.text(artikel);
}

QString BasisartikelText(const Cursor& artikel) {
    static Spaltenfeld basis("Basisartikel");
    return basis.text(artikel);
}

QString TypBezeichnung(TDataModule1& dm, const QString& prefix) {
    return typMitX(Bezeichnung1(artikelCursor(dm, prefix)), dm.TBKMittelS.asString(u"Ashrae"));
}

QString TypBezeichnungUmgekehrt(TDataModule1& dm, const QString& prefix) {
    return typMitXUmgekehrt(Bezeichnung1(artikelCursor(dm, prefix)),
                            dm.TBKMittelS.asString(u"Ashrae"));
}

DrehzahlGrenzen drehzahlGrenzenVon(int g, const QString& d) {
    DrehzahlGrenzen n;
    auto set = [&n](qint32 lo, qint32 hi) {
        n.min = lo;
        n.max = hi;
    };
    if (BaureihenArtVonGruppe(g) == Baureihe::WZweistufig)
        set(700, 1800);
    if (g == 51 || g == 63)
        set(700, 1450);
    if (equalsAny(d, {"W1", "W2", "W3", "WEY1", "WEY2", "WEY3"}))
        set(960, 1800);
    if (equalsAny(d, {"W4", "W5", "WEY4", "WEY5"}))
        set(500, 1800);
    if (startsWithAny(d, {"W14", "W16", "WEY14", "WEY16"}))
        set(700, 1800);
    if (startsWithAny(d, {"WY1", "WY2", "WY3", "WY4"}))
        set(500, 3000);
    const bool endsTK = d.right(2) == QLatin1String("TK");
    if (endsTK && startsWithAny(d, {"WY20", "WY30", "WY40", "WY50"}))
        set(500, 2600);
    const bool wyLarge = !endsTK && startsWithAny(d, {"WY20", "WY26", "WY30", "WY40", "WY50"});
    if (wyLarge && d.endsWith(QLatin1Char('K')))
        set(500, 3500);
    if (wyLarge && d.endsWith(QLatin1Char('N')))
        set(500, 3000);
    const QString upper = d.toUpper();
    if (upper == QLatin1String("W2 NH3") || upper == QLatin1String("W3 NH3"))
        set(960, 1450);
    if (!upper.startsWith(QLatin1String("W2")) && !upper.startsWith(QLatin1String("W3")) &&
        upper.contains(QLatin1String("NH3")) && !upper.startsWith(QLatin1String("WEY")) &&
        upper.startsWith(QLatin1Char('W')))
        set(700, 1450);
    return n;
}

DrehzahlGrenzen drehzahlGrenzen(const Cursor& artikel, const Cursor& kaeltemittel) {
    QString d = typMitX(artikel.asString(u"Bezeichnung1"), kaeltemittel.asString(u"Ashrae"));
    if (const qsizetype x = d.indexOf(QLatin1Char('X')); x >= 0)
        d.remove(x, 1);
    return drehzahlGrenzenVon(artikel.asInteger(u"Produktgruppe"), d);
}

qint32 basisId(const Cursor& artikel) {
    int id = 0;
    return parseInt(artikel.asString(u"Basisartikel"), id) ? id : 0;
}

qint32 datenArtikelId(const Cursor& artikel) {
    // The flag first: most articles keep their own data, and their base text is not read.
    if (artikelfelder().basisDaten.zahl(artikel) == 0.0)
        return 0;
    const QString basis = BasisartikelText(artikel).trimmed();
    if (basis.isEmpty() || basis == QLatin1String("0"))
        return 0;
    return basis.toInt();
}

void KaeltemittelPositionieren(TDataModule1& dm, const QString& kaeltemittel, qint32 artikelId) {
    Cursor& artikel = dm.TBArtikel;
    if (artikel.isEmpty() || artikel.asInteger(u"ID") != artikelId) {
        if (artikel.indexFieldNames().compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
            artikel.findKey({Value(artikelId)});
        else
            artikel.locate(QStringLiteral("ID"), {Value(artikelId)});
    }
    Cursor& leistung = dm.TBLeistung;
    if (!leistung.isEmpty() && !leistung.eof() &&
        dm.TBKMittelS.asString(u"Ashrae").toUpper() == kaeltemittel.toUpper())
        return;
    // A list entry is looked for under its designation.
    const QString gesucht =
        (kaeltemittel.contains(QLatin1String("R404A")) ? kaeltemittelAshrae(kaeltemittel)
                                                       : kaeltemittel)
            .toUpper();
    leistung.first();
    while (!leistung.eof()) {
        if (dm.TBKMittelS.asString(u"Ashrae").toUpper() == gesucht)
            return;
        leistung.next();
    }
}

int LukoIndexArtikel(TDataModule1& dm, const LukoTabelle& tabelle) {
    if (dm.TBLukoArtikel.isEmpty())
        return 1;
    return lukoSuche(tabelle, dm.TBLukoArtikel.asInteger(u"LuftkondensatorID"),
                     dm.TBKMittelS.asString(u"Ashrae"));
}

int LukoIndex(TDataModule1& dm, const LukoTabelle& tabelle, qint32 kondensatorId) {
    return lukoSuche(tabelle, kondensatorId, dm.TBKMittelS.asString(u"Ashrae"));
}

} // namespace drel::db
