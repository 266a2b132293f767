#include "app/browsermodell.h"

#include "base/directories.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "db/cursorguard.h"
#include "db/datamodule.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace drel {

namespace {

const QString kDrei = QStringLiteral("   ");

QString volumen(double wert) {
    return formatFloat(u"###,###,##0.0", wert);
}

QString ohneFuehrendeBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

// Opens a cursor of the data module for one algorithm and puts its sort order, filter
// and open state back afterwards, also when an exception passes.
class ArtikelSicht {
public:
    ArtikelSicht(db::Cursor& cursor, const QString& filter, const QString& sortierung)
        : cursor_(cursor), guard_(cursor), warAktiv_(cursor.active()) {
        cursor_.setIndexFieldNames(sortierung);
        cursor_.setFilter(filter);
        cursor_.setFiltered(true);
        if (!cursor_.active())
            cursor_.open();
        cursor_.first();
    }
    ~ArtikelSicht() {
        cursor_.setIndexFieldNames(QStringLiteral("ID"));
        cursor_.setFiltered(false);
        if (!warAktiv_)
            cursor_.close();
    }
    ArtikelSicht(const ArtikelSicht&) = delete;
    ArtikelSicht& operator=(const ArtikelSicht&) = delete;

private:
    db::Cursor& cursor_;
    db::CursorGuard guard_;
    bool warAktiv_;
};

void berichten(const db::DbError& fehler) {
    report(fehler.message(), QStringLiteral("Fehler"), MessageKind::Error);
}

} // namespace

BrowserModell::BrowserModell(db::TDataModule1& dm) : dm_(dm) {
    ueberschriften_ = {
        QStringLiteral("Aktuelle Typen"), QStringLiteral("Hubvolumen bei 50 Hz (1450 1/min) m3/h"),
        QStringLiteral("Hubv 50Hz"),      QStringLiteral("Motor KW/PS"),
        QStringLiteral("Vorgängertyp"),   QStringLiteral("Hubvolumen (1450 1/min) m3/h"),
        QStringLiteral("Hubv         "),  QStringLiteral("LP/HP"),
        QStringLiteral("Hubraum in ccm")};
    programm_ = dm.programDirectory();
}

KnotenAktion BrowserModell::knotenAktion(const BrowserKnoten& knoten) {
    if (knoten.ebene == 0 && !knoten.hatKinder && knoten.gruppe == -1)
        return KnotenAktion::Suche;
    if (knoten.ebene == 0 && knoten.gruppe != 65)
        return KnotenAktion::Aufklappen;
    if (knoten.ebene == 1 && (knoten.gruppe == 24 || knoten.gruppe == 25))
        return KnotenAktion::Aufklappen;
    return KnotenAktion::Liste;
}

bool BrowserModell::offeneVerdichter(int gruppe) {
    switch (gruppe) {
    case 23:
    case 31:
    case 32:
    case 33:
    case 38:
    case 39:
    case 51:
    case 63:
    case 66:
        return true;
    default:
        return false;
    }
}

void BrowserModell::setUeberschriften(const QStringList& texte, int sprachNummer) {
    if (texte.size() >= 9)
        ueberschriften_ = texte;
    sprachNummer_ = sprachNummer;
}

QString BrowserModell::ueberschrift(int index) const {
    QString text = ueberschriften_.value(index);
    // The Russian dictionary writes the "3" of "m3/h" as a question mark.
    if (sprachNummer_ == 7) {
        const qsizetype frage = text.indexOf(QLatin1Char('?'));
        if (frage >= 0)
            text[frage] = QLatin1Char('3');
    }
    return text;
}

void lukoModusSetzen(const BrowserKnoten& knoten) {
    programmschalter().LukoModus = db::lukoGruppe(knoten.gruppe);
}

KnotenAktion BrowserModell::TV1Click(const BrowserKnoten& knoten) {
    knoten_ = knoten;
    linksbuendig_ = false;
    lvHinweis_ = false;
    keineDaten_ = false;
    breiten_ = {125, 65, 65, 65, 65, 65, 0};
    lukoModusSetzen(knoten);

    const KnotenAktion aktion = knotenAktion(knoten);
    if (aktion != KnotenAktion::Liste) {
        ansicht_ = BrowserAnsicht::Start;
        rueckSichtbar_ = false;
        return aktion;
    }
    gruppe_ = knoten.gruppe;
    groessenlisteZeigen();
    return aktion;
}

void BrowserModell::RueckBtnClick() {
    rueckSichtbar_ = false;
    TV1Click(knoten_);
}

void BrowserModell::groessenlisteZeigen() {
    const int q = gruppe_;
    ansicht_ = BrowserAnsicht::Groessenliste;
    rueckSichtbar_ = false;
    zeilen_.clear();
    memo1_.clear();
    label3_.clear();

    if (q == 65) {
        lvHinweis_ = true;
        memo1_ = lvText();
    }
    label1_ = kDrei + ueberschrift(AktuelleTypen);
    if (fahrzeug(q))
        label2_ = QStringLiteral("  ") + ueberschrift(HubraumCcm);
    else if (offeneVerdichter(q))
        label2_ = QStringLiteral("  ") + ueberschrift(HubvolumenOffen);
    else
        label2_ = QStringLiteral("  ") + ueberschrift(Hubvolumen50Hz);
    if (q == 65)
        return;

    memo1_ = gruppenBeschreibung();
    if (zweistufig(q)) {
        breiten_ = {105, 90, 90, 90, 90, 0, 0};
        label3_ = ueberschrift(LpHp);
        zeilen_.push_back({}); // the heading row under Panel7
    }

    try {
        db::Cursor& artikel = dm_.STBArtikel;
        ArtikelSicht sicht(artikel, QStringLiteral("ProduktGruppe = ") + QString::number(q),
                           offeneVerdichter(q) ? QStringLiteral("BaugroesseN;Hubvolumen")
                                               : QStringLiteral("Baugroesse;Hubvolumen"));
        const bool mitX = q == 73 || q == 74;
        QString letzteGroesse;
        bool ersteZeile = true;
        int spalte = 0;
        bool groesseAusgelassen = false;
        for (; !artikel.eof(); artikel.next()) {
            const QString groesse = artikel.asString("Baugroesse");
            if (ersteZeile || groesse != letzteGroesse) {
                ersteZeile = false;
                letzteGroesse = groesse;
                groesseAusgelassen = !mitX && groesse.contains(QLatin1Char('X'));
                if (groesseAusgelassen)
                    continue;
                ListenZeile zeile;
                zeile[0] = kDrei + groesse;
                zeilen_.push_back(zeile);
                spalte = 0;
            }
            if (groesseAusgelassen)
                continue;
            const QString text = wertText(artikel.asInteger("ID"), artikel.asFloat("Hubvolumen"),
                                          artikel.asFloat("HubraumCCM"));
            ListenZeile& zeile = zeilen_.back();
            if (spalte > 0 && zeile[static_cast<size_t>(spalte)] == text)
                continue;
            if (spalte + 1 >= kListenSpalten)
                continue;
            ++spalte;
            zeile[static_cast<size_t>(spalte)] = text;
        }
    } catch (const db::DbError& fehler) {
        berichten(fehler);
    }
}

QString BrowserModell::wertText(int artikelId, double hubvolumen, double hubraum) const {
    const int q = gruppe_;
    if (duplex(q))
        return QStringLiteral("2x ") + volumen(hubvolumen);
    if (q == 23)
        return technischerWert(artikelId, 340);
    if (q == 26)
        return technischerWert(artikelId, 336);
    if (fahrzeug(q))
        return formatFloat(u"###,###,##0", hubraum);
    return volumen(hubvolumen);
}

// The low/high-pressure value of a two-stage article from its technical data.
QString BrowserModell::technischerWert(int artikelId, int beschreibungId) const {
    try {
        db::Cursor& werte = dm_.TBTechWerte;
        if (!werte.active())
            werte.open();
        if (!dm_.TBArtikel.active())
            dm_.TBArtikel.open();
        if (!dm_.TBArtikel.locate(QStringLiteral("ID"), {db::Value(artikelId)}))
            return {};
        if (!werte.locate(QStringLiteral("BeschreibungID"), {db::Value(beschreibungId)}))
            return {};
        return werte.asString("WertDe");
    } catch (const db::DbError& fehler) {
        berichten(fehler);
        return {};
    }
}

QString BrowserModell::gruppenBeschreibung() const {
    try {
        db::Cursor& gruppen = dm_.TBGruppenS;
        if (!gruppen.active())
            gruppen.open();
        const QString feld = QStringLiteral("BeschreibungLang") + sprachCode_;
        if (!gruppen.hasField(feld) ||
            !gruppen.locate(QStringLiteral("ID"), {db::Value(gruppe_)}) || gruppen.isNull(feld))
            return {};
        return beschreibungBereinigen(gruppen.asString(feld));
    } catch (const db::DbError& fehler) {
        berichten(fehler);
        return {};
    }
}

// The LV texts are single-byte files as the maker's office writes them.
QString BrowserModell::lvText() const {
    QFile datei(findeDatei(programm_, QStringLiteral("LV") + sprachCode_ + QStringLiteral(".txt")));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    const QByteArray inhalt = datei.readAll();
    QString text = QString::fromUtf8(inhalt);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(inhalt);
    text.remove(QLatin1Char('\r'));
    return text;
}

void BrowserModell::typenlisteZeigen(QString groesse) {
    const int q = gruppe_;
    rueckSichtbar_ = true;
    linksbuendig_ = true;
    if (fahrzeug(q))
        label2_ = QStringLiteral("  ") + ueberschrift(HubraumCcm) + QString(11, QLatin1Char(' ')) +
                  ueberschrift(Vorgaengertyp);
    else if (offeneVerdichter(q))
        label2_ = ueberschrift(HubvolumenOffen) + kDrei + ueberschrift(Vorgaengertyp);
    else
        label2_ = ueberschrift(HubvKurz) + QLatin1Char(' ') + ueberschrift(MotorKwPs) + kDrei +
                  ueberschrift(Vorgaengertyp);
    breiten_[1] = breiten_[2] = breiten_[4] = 65;
    breiten_[5] = 0;
    breiten_[3] = 5;
    breiten_[4] = 200;
    groesse = ohneFuehrendeBlanks(groesse);
    // NH3 sizes are stored with their blank ("W 4 NH3").
    if (q != 51 && q != 63)
        groesse.remove(QLatin1Char(' '));

    zeilen_.clear();
    if (zweistufig(q))
        zeilen_.push_back({});
    static const QList<int> nachVolumen{24, 25, 29, 30, 54, 55, 56, 57, 73, 74};
    try {
        db::Cursor& artikel = dm_.STBArtikel;
        QString filter = QStringLiteral("(ProduktGruppe = ") + QString::number(q) +
                         QStringLiteral(") and Baugroesse = '") + groesse + QLatin1Char('\'');
        ArtikelSicht sicht(artikel, filter,
                           nachVolumen.contains(q)
                               ? QStringLiteral("Baugroesse;Hubvolumen;Bezeichnung1")
                               : QStringLiteral("Baugroesse;Bezeichnung1;Hubvolumen"));
        const bool mitX = q == 73 || q == 74;
        for (; !artikel.eof(); artikel.next()) {
            if (!mitX && artikel.asString("Baugroesse").contains(QLatin1Char('X')))
                continue;
            ListenZeile zeile;
            zeile[0] = kDrei + artikel.asString("Bezeichnung1");
            zeile[1] = wertText(artikel.asInteger("ID"), artikel.asFloat("Hubvolumen"),
                                artikel.asFloat("HubraumCCM"));
            const double kw = artikel.asFloat("NominalleistungMotorKW");
            if (kw != 0.0) {
                zeile[2] = volumen(kw) + QLatin1Char('/') +
                           volumen(artikel.asFloat("NominalleistungMotorPS"));
                if (duplex(q))
                    zeile[2].prepend(QStringLiteral("2x "));
            }
            zeile[4] = artikel.asString("Vorgaengertyp");
            zeilen_.push_back(zeile);
        }
    } catch (const db::DbError& fehler) {
        berichten(fehler);
    }
    if (q == 56) {
        breiten_[0] = 145;
        breiten_[4] = 170;
    } else if (zweistufig(q)) {
        breiten_[1] = 100;
        breiten_[4] = 165;
    }
    ansicht_ = BrowserAnsicht::Typenliste;
}

double BrowserModell::zellenZahl(const QString& text) {
    QString zahl = text.trimmed();
    if (zahl.startsWith(QStringLiteral("2x ")))
        zahl = zahl.mid(3);
    zahl.remove(numberSeparators().thousands);
    return floatOrZero(zahl);
}

std::optional<ArtikelAuswahl> BrowserModell::StringGrid1Click(int zeile, int spalte) {
    keineDaten_ = false;
    if (zeile < 0 || zeile >= static_cast<int>(zeilen_.size()) || spalte < 0 ||
        spalte >= kListenSpalten)
        return std::nullopt;
    if (zweistufig(gruppe_) && zeile == 0)
        return std::nullopt; // the heading row
    const ListenZeile& z = zeilen_[static_cast<size_t>(zeile)];
    const QString d = ohneFuehrendeBlanks(z[0]);
    const bool wertSpalte = spalte >= 1 && spalte <= 5;
    const double x = wertSpalte ? zellenZahl(z[static_cast<size_t>(spalte)]) : 0.0;
    if (ansicht_ == BrowserAnsicht::Typenliste)
        return ArtikelAnzeigen(d, x);
    if (ansicht_ != BrowserAnsicht::Groessenliste)
        return std::nullopt;
    if (wertSpalte && x != 0.0)
        return ArtikelAnzeigen(d, x);
    typenlisteZeigen(d);
    return std::nullopt;
}

std::optional<ArtikelAuswahl> BrowserModell::ArtikelAnzeigen(const QString& d, double x) {
    const int q = gruppe_;
    const bool typen = ansicht_ == BrowserAnsicht::Typenliste;
    QString filter;
    if (q == 51 || q == 63)
        filter = (typen ? QStringLiteral("Bezeichnung1 = '") : QStringLiteral("Baugroesse = '")) +
                 d + QLatin1Char('\'');
    else if (typen)
        filter = QStringLiteral("Bezeichnung1 = '") + d + QLatin1Char('\'');
    else
        filter = QStringLiteral("Bezeichnung1 >= '") + d +
                 QStringLiteral("' and Bezeichnung1 < '") + d + QStringLiteral("ZZZ'");
    filter += QStringLiteral(" and GhostPointer = 0");
    if (x != 0.0) {
        const QString feld =
            fahrzeug(q) ? QStringLiteral("HubraumCCM") : QStringLiteral("Hubvolumen");
        // Written as text and read back, so that 10.5 − 0.09 meets a stored 10.41.
        filter += QStringLiteral(" and ") + feld + QStringLiteral(" >= ") +
                  QString::number(x - 0.09, 'g', 15) + QStringLiteral(" and ") + feld +
                  QStringLiteral(" <= ") + QString::number(x, 'g', 15);
    }
    filter += QStringLiteral(" and (Produktgruppe = ") + QString::number(q);
    if (q == 66)
        filter += QStringLiteral(" or Produktgruppe = 33");
    filter += QLatin1Char(')');

    ArtikelAuswahl auswahl;
    try {
        db::Cursor& artikel = dm_.STBArtikel;
        ArtikelSicht sicht(artikel, filter, QStringLiteral("Bezeichnung1;Hubvolumen"));
        for (; !artikel.eof(); artikel.next()) {
            auswahl.typen << artikel.asString("Bezeichnung1");
            auswahl.ids.push_back(artikel.asInteger("ID"));
        }
    } catch (const db::DbError& fehler) {
        berichten(fehler);
    }
    keineDaten_ = auswahl.ids.empty();
    if (keineDaten_)
        return std::nullopt;
    QString kaeltemittel = betriebspunkt().kaeltemittel;
    if (kaeltemittel.isEmpty())
        kaeltemittel = QStringLiteral("R134a");
    else
        kaeltemittel = kaeltemittelListenEintrag(kaeltemittel);
    auswahl.kaeltemittel = kaeltemittel;
    auswahl.gruppe = q;
    auswahl.lukoModus = db::lukoGruppe(q);
    return auswahl;
}

QString beschreibungBereinigen(const QString& html) {
    QString text = html;
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    static const QRegularExpression umbruch(QStringLiteral("<\\s*(br\\s*/?|/p)\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression marke(QStringLiteral("<[^>]*>"));
    text.replace(umbruch, QStringLiteral("\n"));
    text.remove(marke);
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text.trimmed();
}

// ---------------------------------------------------------------------------------

StartBildWahl::StartBildWahl(QString programmVerzeichnis, std::function<QString(int)> grossesBild)
    : programm_(std::move(programmVerzeichnis)), grossesBild_(std::move(grossesBild)) {}

QString StartBildWahl::startBildName(int gruppe, int ebene) {
    switch (gruppe) {
    case 23:
        return QStringLiteral("WT_Start.bmp");
    case 24:
        return ebene == 2 ? QStringLiteral("QL einstufig_Start.bmp")
                          : QStringLiteral("QL_Start.bmp");
    case 25:
        return ebene == 2 ? QStringLiteral("QN einstufig_Start.bmp")
                          : QStringLiteral("QN_Start.bmp");
    case 26:
        return QStringLiteral("QNT_Start.bmp");
    case 29:
        return QStringLiteral("EQL_Start.bmp");
    case 30:
        return QStringLiteral("EQN_Start.bmp");
    case 31:
    case 51:
        return QStringLiteral("W_Start.bmp");
    case 32:
    case 63:
        return QStringLiteral("WEY_Start.bmp");
    case 45:
        return QStringLiteral("QN 8_4pol_Start.bmp");
    case 54:
        return QStringLiteral("CQL_Rumpf_Start.bmp");
    case 55:
        return QStringLiteral("CQL_luftgekuhlt_Start.bmp");
    case 56:
        return QStringLiteral("CQN_Rumpf_Start.bmp");
    case 57:
        return QStringLiteral("CQN_luftgekuhlt_Start.bmp");
    case 73:
    case 74:
        return QStringLiteral("QNCO2R410A_Start.bmp");
    default:
        return {};
    }
}

QString StartBildWahl::eingebautesBild(int gruppe) {
    switch (gruppe) {
    case 58:
        return QStringLiteral("Image7");
    case 65:
        return QStringLiteral("Image1");
    case 38:
        return QStringLiteral("Image5");
    case 39:
        return QStringLiteral("Image6");
    case -1:
        return QStringLiteral("Image8");
    default:
        return {};
    }
}

QString StartBildWahl::bildDatei(const QString& name) const {
    if (name.isEmpty())
        return {};
    const QString datei = findeDatei(programm_, QStringLiteral("Pics/") + name);
    return QFileInfo(datei).isFile() ? datei : QString();
}

StartBildWahl::Ergebnis StartBildWahl::TV1MouseMove(const Knoten* knoten) {
    Ergebnis ergebnis;
    if (!knoten) {
        hatLetzten_ = false;
        ergebnis.geaendert = true;
        return ergebnis;
    }
    if (hatLetzten_ && knoten->id == letzter_)
        return ergebnis;

    QString datei = bildDatei(startBildName(knoten->gruppe, knoten->ebene));
    static const QList<int> ohneGrossesBild{38, 39, 58, 65, -1};
    if (datei.isEmpty() && !ohneGrossesBild.contains(knoten->gruppe) && grossesBild_)
        datei = bildDatei(grossesBild_(knoten->gruppe));
    int merken = knoten->id;
    if (datei.isEmpty()) {
        // The family's own picture, kept while the mouse moves within the family.
        if (hatLetzten_ && knoten->ahnId == letzter_)
            return ergebnis;
        ergebnis.eingebaut = eingebautesBild(knoten->ahnGruppe);
        merken = knoten->ahnId;
    }
    letzter_ = merken;
    hatLetzten_ = true;
    ergebnis.geaendert = true;
    ergebnis.datei = datei;
    ergebnis.bildGefunden = !datei.isEmpty() || !ergebnis.eingebaut.isEmpty();
    return ergebnis;
}

QSize StartBildWahl::bildGroesse(QSize original) {
    constexpr int kBreite = 457;
    constexpr int kHoehe = 319;
    if (original.width() <= 0 || original.height() <= 0)
        return {};
    const double w = original.width();
    const double h = original.height();
    int breite = 0;
    int hoehe = 0;
    if (w > h) {
        breite = kBreite;
        hoehe = static_cast<int>(std::trunc(kBreite / (w / h)));
    } else {
        hoehe = kHoehe;
        breite = static_cast<int>(std::trunc(kHoehe / (h / w)));
    }
    if (breite > kBreite) {
        hoehe = static_cast<int>(std::trunc(hoehe * double(kBreite) / breite));
        breite = kBreite;
    }
    if (hoehe > kHoehe) {
        breite = static_cast<int>(std::trunc(breite * double(kHoehe) / hoehe));
        hoehe = kHoehe;
    }
    return {breite, hoehe};
}

DatenblattAuftrag datenblattAuftrag(const ArtikelAuswahl& auswahl, const Betriebspunkt& punkt) {
    DatenblattAuftrag d;
    d.typen = auswahl.typen;
    for (qint32 id : auswahl.ids)
        d.artikelIds << id;
    d.typ = auswahl.typen.value(auswahl.index);
    // The whole program-wide point goes over, superheat included; the sheet's own rules
    // (frequency by frame size, speed limits) apply when it opens.
    d.punkt = punkt;
    d.punkt.kaeltemittel = auswahl.kaeltemittel;
    d.punkt.f = punkt.f == 60.0 ? 60.0 : 50.0;
    d.f2 = d.punkt.f;
    d.luko = auswahl.lukoModus;
    return d;
}

} // namespace drel
