#include "sheet/technikmodell.h"

#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/temperatur.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "search/aggsuche.h"
#include "sheet/eingaberegeln.h"
#include "sheet/pages/htmlzutext.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/sprache.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace drel::sheet {

namespace {

const QString kStrich = QStringLiteral("-");
const QString kStromStrich = QStringLiteral("   -   ");

// A value that cannot be computed is shown as "-", never as 0.
QString zeigen(QStringView muster, double wert) {
    return std::isfinite(wert) ? formatFloat(muster, wert) : kStrich;
}

// The value of a shown text, thousands separators ignored; NaN when it is none.
double angezeigterWert(const QString& text) {
    QString t = text.trimmed();
    t.remove(numberSeparators().thousands);
    double v = 0.0;
    return parseFloat(t, v) ? v : std::numeric_limits<double>::quiet_NaN();
}

bool gleichOhneFall(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

constexpr QStringView kMusterLeistung = u"###,###,##0.00";
constexpr QStringView kMusterMasse = u"###,###,##0.000";

} // namespace

TechnikModell::TechnikModell(db::TDataModule1& dm, fluid::TStoff& stoff,
                             const calc::Einheiten& einheiten)
    : dm_(dm), stoff_(stoff), einheiten_(einheiten) {
    for (Feld* f : {&Q2, &Q3, &pan, &strom, &spannung, &Edit4, &Edit7, &Edit5, &Q2V1, &Q3V1, &panV1,
                    &StromV1, &Q2V2, &Q3V2, &panV2, &StromV2})
        f->text = kStrich;
    spannung.sichtbar = false;
    strom.sichtbar = false;
}

Feld& TechnikModell::feld(Eingabe e) {
    switch (e) {
    case Eingabe::t0:
        return t0;
    case Eingabe::tc:
        return tc;
    case Eingabe::tcle:
        return tcle;
    case Eingabe::tle:
        return tle;
    case Eingabe::tu:
        return tu;
    case Eingabe::tsaug:
        return tsaug;
    case Eingabe::tue:
        return tue;
    case Eingabe::ediN:
        return ediN;
    case Eingabe::ediHz:
        return ediHz;
    case Eingabe::ediHZ2:
        break;
    }
    return ediHZ2;
}

const Feld& TechnikModell::feld(Eingabe e) const {
    return const_cast<TechnikModell*>(this)->feld(e);
}

// ---------------------------------------------------------------- units

bool TechnikModell::fahrenheit() const {
    return einheiten_.bestaetigt(calc::EinheitGruppe::Temperatur) == 1;
}

bool TechnikModell::tasteErlaubt(Eingabe e, QChar taste) {
    return !(e == Eingabe::tu && taste == QLatin1Char('-'));
}

double TechnikModell::zahl(const QString& text) {
    const double v = angezeigterWert(text);
    return std::isfinite(v) ? v : 0.0;
}

double TechnikModell::temperaturLesen(const Feld& f) const {
    const double v = zahl(f.text);
    return fahrenheit() && !OhneUmrechnung ? einheiten_.TempIntern(v) : v;
}

double TechnikModell::differenzLesen(const Feld& f) const {
    const double v = zahl(f.text);
    return fahrenheit() && !OhneUmrechnung ? einheiten_.DiffIntern(v) : v;
}

QString TechnikModell::temperaturText(double celsius) const {
    return generalFormat(roundHalfEven(einheiten_.TempAnzeige(celsius), 2));
}

// ---------------------------------------------------------------- opening

void TechnikModell::oeffnen(const DatenblattAuftrag& d) {
    ComboBox1Items = d.typen;
    ComboBox1Ids.clear();
    for (qint32 id : d.artikelIds)
        ComboBox1Ids << QString::number(id);
    ComboBox1Text = d.typ;
    KMListboxItems.clear();
    KMListboxText = kaeltemittelListenEintrag(d.punkt.kaeltemittel);
    const Betriebspunkt& p = d.punkt;
    t0.text = temperaturText(p.t0);
    tc.text = temperaturText(p.tc);
    tsaug.text = temperaturText(p.tsaug);
    tu.text = generalFormat(roundHalfEven(einheiten_.DiffAnzeige(p.tu), 2));
    tue.text = generalFormat(roundHalfEven(einheiten_.DiffAnzeige(p.tue), 2));
    if (d.luko) {
        tle.text = temperaturText(p.tle);
        SatzModus = true;
    }
    // Whoever opens the sheet, the frame size's frequency limits hold.
    ediHz.text = generalFormat(calc::HertzPruefen(d.typ, p.f));
    ediHZ2.text = generalFormat(calc::HertzPruefen(d.typ, d.f2));
    ediN.text = generalFormat(p.n);
    VierPolig = d.vierPolig;
    // A new list: the refrigerant list is filled again for the first article.
    LetzterArtikelID = 0;
}

void TechnikModell::einheitGewechselt(bool warFahrenheit) {
    if (warFahrenheit == fahrenheit())
        return;
    const auto temperatur = [&](Feld& f) {
        const double alt = zahl(f.text);
        const double c = warFahrenheit ? fahrenheitNachCelsius(alt) : alt;
        f.text = temperaturText(c);
    };
    const auto differenz = [&](Feld& f) {
        const double alt = zahl(f.text);
        const double k = warFahrenheit ? rankineNachKelvin(alt) : alt;
        f.text = generalFormat(roundHalfEven(einheiten_.DiffAnzeige(k), 2));
    };
    for (Feld* f : {&t0, &tc, &tcle, &tle, &tsaug})
        temperatur(*f);
    for (Feld* f : {&tu, &tue})
        differenz(*f);
    bereiche.einheitWechseln(fahrenheit());
    NeuesBild();
}

void TechnikModell::FormShow() {
    pol.text = polCaption(pol.text, VierPolig);
    ComboBox1Change(Sender::Keiner);
}

// ---------------------------------------------------------------- article selection

qint32 TechnikModell::artikelIdSuchen(const QString& typ) const {
    for (const QString& form : {typ, typXForm(typ), typOhneX(typ)}) {
        const qsizetype i = ComboBox1Items.indexOf(form);
        if (i >= 0 && i < ComboBox1Ids.size())
            return ComboBox1Ids.at(i).toInt();
        for (qsizetype k = 0; k < ComboBox1Items.size() && k < ComboBox1Ids.size(); ++k)
            if (ComboBox1Items.at(k).compare(form, Qt::CaseInsensitive) == 0)
                return ComboBox1Ids.at(k).toInt();
    }
    return 0;
}

void TechnikModell::typWaehlen(const QString& typ) {
    ComboBox1Text = typ;
    ComboBox1Change(Sender::ComboBox1);
}

void TechnikModell::kaeltemittelWaehlen(const QString& kaeltemittel) {
    KMListboxText = kaeltemittel;
    ComboBox1Change(Sender::KMListbox);
}

void TechnikModell::ComboBox1KeyUp() {
    ComboBox1Text = programmschalter().MerkTyp;
}

void TechnikModell::panelsNachTyp() {
    const bool zwei = calc::zweiVerdichter(ComboBox1Text);
    Panel10 = !zwei;
    Panel9 = zwei;
    Panel12 = zwei;
    ediHZ2.sichtbar = zwei;
    Frequenz1 = zwei;
}

void TechnikModell::kondensatorWaehlen() {
    db::LukoTabelle& tabelle = dm_.lukoTabelle();
    if (tabelle.eintraege.empty())
        tabelle = search::KondErstellen(dm_);
    // The condenser belongs to the shown unit; its refrigerant entry is found with the
    // refrigerant of the capacity record that rates it.
    dm_.TBArtikel.findKey({db::Value(AktArtikelID)});
    const qint32 kondensatorId =
        dm_.TBLukoArtikel.isEmpty() ? 0 : dm_.TBLukoArtikel.asInteger(u"LuftkondensatorID");
    db::KaeltemittelPositionieren(dm_, KMListboxText,
                                  DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID);
    AktLukoIndex = kondensatorId != 0 ? db::LukoIndex(dm_, tabelle, kondensatorId) : 1;
    const qsizetype dd = DDBCombo1Items.indexOf(DDBCombo1Text);
    if (!DDBCombo1Text.isEmpty() && dd >= 0 && dd < DDBCombo1Ids.size())
        AktLukoIndex = db::LukoIndex(dm_, tabelle, DDBCombo1Ids.at(dd).toInt());
    kondensator_.reset();
    if (AktLukoIndex >= 1 && AktLukoIndex <= tabelle.anzahl())
        kondensator_ = tabelle.eintraege[static_cast<size_t>(AktLukoIndex - 1)];
}

void TechnikModell::ComboBox1Change(Sender sender) {
    TabSheet8 = !ComboBox1Text.contains(QLatin1String("WY"));
    if (sender == Sender::ComboBox1)
        KMListboxText = hatXVorZiffer(ComboBox1Text) ? QString() : QStringLiteral("R22");
    pol.sichtbar = polumschaltbar(ComboBox1Text);
    if (!VierPolig) {
        // Back to 4-pole for the chosen type; the recalculation below shows it.
        VierPolig = true;
        pol.text = polCaption(pol.text, VierPolig);
    }

    const TypTeilung teilung = typTeilen(ComboBox1Text, KMListboxText);
    if (teilung.geteilt) {
        for (QString& item : ComboBox1Items)
            if (item == ComboBox1Text)
                item = teilung.typ;
        ComboBox1Text = teilung.typ;
    }
    const QString kaeltemittel = teilung.kaeltemittel;
    const qint32 id = artikelIdSuchen(ComboBox1Text);
    gruppe_ = 0;
    if (id != 0 && dm_.TBArtikel.findKey({db::Value(id)})) {
        gruppe_ = dm_.TBArtikel.asInteger(u"Produktgruppe");
        DatenArtikelID = db::datenArtikelId(dm_.TBArtikel);
        db::KaeltemittelPositionieren(dm_, kaeltemittel, id);
    } else {
        DatenArtikelID = 0;
    }
    AktArtikelID = id;
    ArtikelGewaehlt = true;
    if (id != 0)
        kondensatorWaehlen();

    const QString x = gleichOhneFall(KMListboxText, "R22") || gleichOhneFall(KMListboxText, "R717")
                          ? typOhneX(ComboBox1Text)
                          : typXForm(ComboBox1Text);
    if (x != ComboBox1Text)
        ComboBox1Text = x;
    if (db::zweistufigeGruppe(gruppe_) && id != 0) {
        dm_.TBArtikel.findKey({db::Value(id)});
        ComboBox1Text = dm_.TBArtikel.asString(u"Bezeichnung1") + QStringLiteral(" - ") +
                        KMListboxText.section(QLatin1Char(','), 0, 0);
    }
    MinMaxHolen();
    panelsNachTyp();
    NeuesBild();
    LetzterArtikelID = AktArtikelID;

    QString& merk = programmschalter().MerkKaeltemittel;
    if (merk.isEmpty()) {
        merk = KMListboxText;
    } else if (sender == Sender::ComboBox1) {
        if (KMListboxItems.contains(merk)) {
            if (KMListboxText != merk) {
                KMListboxText = merk;
                ComboBox1Change(Sender::KMListbox);
                return;
            }
        } else {
            merk = KMListboxText;
        }
    }
    if (sender == Sender::KMListbox)
        merk = KMListboxText;
    programmschalter().MerkTyp = ComboBox1Text;
}

// ---------------------------------------------------------------- refrigerants and motor

void TechnikModell::kaeltemittelListeFuellen() {
    const QString gemerkt = KMListboxText;
    KMListboxItems.clear();
    MotorComboText.clear();
    const qint32 daten = DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID;
    if (dm_.TBArtikel.findKey({db::Value(daten)})) {
        db::Cursor& leistung = dm_.TBLeistung;
        for (leistung.first(); !leistung.eof(); leistung.next()) {
            const QString ashrae = dm_.TBKMittelS.asString(u"Ashrae");
            KMListboxItems << kaeltemittelListenEintrag(ashrae);
        }
        KMListboxItems.sort();
        KMListboxItems.removeDuplicates();
    }
    if (dm_.TBArtikel.findKey({db::Value(AktArtikelID)})) {
        db::Cursor& motoren = dm_.TBMotorArtikel;
        for (motoren.first(); !motoren.eof(); motoren.next()) {
            const QString volt = dm_.TBMotoren.asString(u"Spannung");
            if (!volt.isEmpty())
                MotorComboText = HtmlZuText(volt, sprache().kurzCode);
        }
    }
    if (!KMListboxItems.contains(gemerkt) && !KMListboxItems.isEmpty())
        KMListboxText = KMListboxItems.first();
    MotorSichtbar = !MotorComboText.isEmpty();
}

// ---------------------------------------------------------------- ranges

void TechnikModell::capacityRecordWaehlen() {
    db::KaeltemittelPositionieren(dm_, KMListboxText,
                                  DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID);
}

void TechnikModell::MinMaxHolen() {
    if (AktArtikelID == 0)
        return;
    capacityRecordWaehlen();
    if (dm_.TBLeistung.isEmpty() || dm_.TBLeistung.eof())
        return; // no envelope: the ranges stay as they were
    const HuellenExtreme h =
        MinMaxTabLeistung(dm_, KMListboxText, DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID);
    if (h.t0Min > h.t0Max || h.tcMin > h.tcMax)
        return;
    bereiche.ausHuelle(h, einheiten_);
    const double t0Wert = temperaturLesen(t0);
    if (t0Wert < h.t0Min - 5.0 || t0Wert > h.t0Max + 5.0)
        t0.text = temperaturText(h.t0Max + 5.0);
    const double tcWert = temperaturLesen(tc);
    if (tcWert < h.tcMin - 5.0 || tcWert > h.tcMax + 5.0)
        tc.text = temperaturText(h.tcMax + 5.0);
}

void TechnikModell::T0Pruefen() {
    const double v = zahl(t0.text);
    const double k = std::clamp<double>(v, bereiche.SpinEdit2.min, bereiche.SpinEdit2.max);
    if (k != v)
        t0.text = shortestDecimal(k);
}

void TechnikModell::TcPruefen() {
    const double v = zahl(tc.text);
    const double k = std::clamp<double>(v, bereiche.SpinEdit5.min, bereiche.SpinEdit5.max);
    if (k != v)
        tc.text = shortestDecimal(k);
}

void TechnikModell::HertzFelderPruefen() {
    auto pruefen = [&](Feld& f) {
        const double v = angezeigterWert(f.text);
        f.text = generalFormat(calc::HertzPruefen(ComboBox1Text, std::isfinite(v) ? v : 0.0));
    };
    pruefen(ediHz);
    if (Panel12)
        pruefen(ediHZ2);
}

// ---------------------------------------------------------------- inputs

void TechnikModell::achtPolT0Grenze() {
    if (VierPolig || !pol.sichtbar || !achtPolGrenzeGilt(KMListboxText))
        return;
    const double grenze = einheiten_.TempAnzeige(kAchtPolT0Min);
    if (zahl(t0.text) < grenze)
        t0.text = shortestDecimal(grenze);
}

void TechnikModell::schritt(Eingabe e, int richtung) {
    Feld& f = feld(e);
    const bool frequenz = e == Eingabe::ediHz || e == Eingabe::ediHZ2;
    double v = angezeigterWert(f.text);
    if (!std::isfinite(v))
        v = frequenz ? 50.0 : 0.0;
    v += richtung > 0 ? 1.0 : -1.0;
    f.text = shortestDecimal(v);
    switch (e) {
    case Eingabe::t0:
        if (richtung < 0)
            achtPolT0Grenze();
        T0Pruefen();
        break;
    case Eingabe::tc:
        TcPruefen();
        break;
    case Eingabe::tu:
        if (v < 0.0)
            f.text = QStringLiteral("0");
        break;
    case Eingabe::ediHz:
    case Eingabe::ediHZ2:
        HertzFelderPruefen();
        break;
    default:
        break;
    }
    NeuesBild();
}

void TechnikModell::feldVerlassen(Eingabe e) {
    if (e == Eingabe::ediN) {
        ediNExit();
        return;
    }
    if (e == Eingabe::ediHz || e == Eingabe::ediHZ2)
        HertzFelderPruefen();
    achtPolT0Grenze();
    TcPruefen();
    T0Pruefen();
    NeuesBild();
}

void TechnikModell::GridMouseUp(const PunktUebernahme& punkt) {
    t0.text = shortestDecimal(punkt.t0);
    if (Sptc)
        tc.text = shortestDecimal(punkt.zeilenWert);
    if (tle.sichtbar)
        tle.text = shortestDecimal(punkt.zeilenWert);
    feldVerlassen(Eingabe::t0);
}

void TechnikModell::ediNExit() {
    double n = zahl(ediN.text);
    if (AktArtikelID != 0) {
        dm_.TBArtikel.findKey({db::Value(AktArtikelID)});
        capacityRecordWaehlen();
        const db::DrehzahlGrenzen g = db::drehzahlGrenzen(dm_.TBArtikel, dm_.TBKMittelS);
        n = std::min(n, static_cast<double>(g.max));
        n = std::max(n, static_cast<double>(g.min));
    }
    if (ComboBox1Text.startsWith(QLatin1String("WT")))
        n = std::max(n, 1400.0);
    ediN.text = generalFormat(n);
    NeuesBild();
}

void TechnikModell::cmbHZSelect(const QString& text) {
    const QString wert = text == QLatin1String("60") ? text : QStringLiteral("50");
    cmbHZ.text = wert;
    ediHz.text = wert;
    feldVerlassen(Eingabe::ediHz);
}

void TechnikModell::polClick() {
    VierPolig = !VierPolig;
    if (AktArtikelID != 0) {
        db::KaeltemittelPositionieren(dm_, KMListboxText, AktArtikelID);
        dm_.TBArtikel.findKey({db::Value(AktArtikelID)});
        QString typ = db::TypBezeichnung(dm_, QString());
        if (!VierPolig) {
            const qsizetype pos = typ.indexOf(QLatin1String("8/4"), 1);
            if (pos >= 0)
                typ.replace(pos, 3, QStringLiteral("4/8"));
            if (achtPolGrenzeGilt(KMListboxText)) {
                const double grenze = einheiten_.TempAnzeige(kAchtPolT0Min);
                if (zahl(t0.text) < grenze)
                    t0.text = shortestDecimal(grenze);
            }
        }
        ComboBox1Text = typ;
    }
    NeuesBild();
    pol.text = polCaption(pol.text, VierPolig);
}

void TechnikModell::betriebspunktSichern() const {
    Betriebspunkt& bp = betriebspunkt();
    bp.t0 = temperaturLesen(t0);
    bp.tc = temperaturLesen(tc);
    bp.tsaug = temperaturLesen(tsaug);
    bp.tu = differenzLesen(tu);
    bp.tle = temperaturLesen(tle);
    bp.tue = differenzLesen(tue);
    bp.f = zahl(ediHz.text);
    bp.n = zahl(ediN.text);
    bp.kaeltemittel = KMListboxText;
}

// ---------------------------------------------------------------- recalculation

calc::ArtikelEingabe TechnikModell::eingabe() const {
    calc::ArtikelEingabe e;
    e.AktArtikelID = AktArtikelID;
    e.DatenArtikelID = DatenArtikelID;
    e.typ = ComboBox1Text;
    e.punkt.t0 = temperaturLesen(t0);
    e.punkt.tc = temperaturLesen(tc);
    e.punkt.tsaug = temperaturLesen(tsaug);
    e.punkt.tu = differenzLesen(tu);
    e.punkt.tue = differenzLesen(tue);
    e.punkt.tle = temperaturLesen(tle);
    e.punkt.n = zahl(ediN.text);
    e.punkt.f = zahl(ediHz.text);
    e.punkt.kaeltemittel = KMListboxText;
    e.f2 = zahl(ediHZ2.text);
    e.Panel9 = Panel9;
    e.zusatzk = hinweise_.zusatzk;
    e.kondensator = kondensator_ ? &*kondensator_ : nullptr;
    return e;
}

AusschreibungsWerte TechnikModell::ausschreibungsWerte() const {
    AusschreibungsWerte w;
    w.typ = ComboBox1Text;
    w.qo = Q2.text.trimmed();
    w.qoEinheit = einheiten_.text(calc::EinheitGruppe::Leistung);
    w.labelP = Label19 ? QStringLiteral("Antriebsleistung") : QStringLiteral("Leistungsaufnahme");
    w.p = pan.text.trimmed();
    w.pEinheit = einheiten_.text(calc::EinheitGruppe::Antrieb);
    w.massenstrom = Edit5.text.trimmed();
    w.tc = tc.text;
    w.t0 = t0.text;
    w.tempEinheit = fahrenheit() ? QStringLiteral("°F") : QStringLiteral("°C");
    w.sauggas = tsaug.text;
    w.unterkuehlung = tu.text;
    w.diffEinheit = fahrenheit() ? QStringLiteral("R") : QStringLiteral("K");
    w.kaeltemittel = KMListboxText;
    w.mitMotor = Frequenz;
    w.frequenz = ediHz.text;
    w.strom = strom.text.trimmed();
    w.drehzahl = ediN.text;
    return w;
}

void TechnikModell::ergebnisZeigen(const calc::ArtikelEingabe& e) {
    const calc::ArtikelErgebnis& r = ergebnis_;
    hinweise_ = r.hinweise;
    if (!r.gerechnet) {
        for (Feld* f : {&strom, &StromV1, &StromV2, &spannung, &tFUA})
            f->text = kStrich;
        return;
    }
    const Betriebspunkt& p = r.punkt;
    // Frequency and speed controls by series.
    ediHz.aktiv = !r.frequenzFest;
    SpinButton2 = !r.frequenzFest;
    if (r.frequenzFest)
        ediHz.text = QStringLiteral("50");
    Frequenz = r.mitMotor;
    Drehzahl = !r.mitMotor;
    ediN.sichtbar = Drehzahl;
    ediHz.sichtbar = r.mitMotor && !db::frequenzAuswahlGruppe(gruppe_);
    cmbHZ.sichtbar = r.mitMotor && db::frequenzAuswahlGruppe(gruppe_);
    Label19 = r.antriebsleistung;
    Label52 = !r.antriebsleistung;
    // Condensing units: the air inlet temperature instead of tc.
    SatzModus = r.SatzModus;
    tc.sichtbar = !r.luftEintritt;
    Sptc = !r.luftEintritt && !r.SatzModus;
    tcle.sichtbar = r.luftEintritt;
    tle.sichtbar = r.luftEintritt;
    if (r.SatzModus) {
        tcle.text = zeigen(u"0.0", einheiten_.TempAnzeige(p.tc));
        tle.text = temperaturText(p.tle);
    }
    // Inputs brought into their limits.
    if (r.geklemmt.tsaug)
        tsaug.text = temperaturText(p.tsaug);
    if (r.geklemmt.tu)
        tu.text = generalFormat(einheiten_.DiffAnzeige(p.tu));
    if (r.geklemmt.tue)
        tue.text = generalFormat(einheiten_.DiffAnzeige(p.tue));
    ediN.text = generalFormat(p.n);
    // Intermediate cooler.
    Panel13 = Panel16 = tFUA.sichtbar = r.zwischenkuehler;
    Panel14 = false;
    Unterkuehlung = !r.zwischenkuehler;
    if (r.zwischenkuehler) {
        tFUA.text = zeigen(kMusterLeistung, einheiten_.TempAnzeige(r.tFUA));
        tu.text = QStringLiteral("0");
    }
    // Torque of open compressors, current of articles with a motor.
    const bool offen = db::offenerVerdichter(r.art);
    spannung.sichtbar = drehmomenttext = offen;
    spannung.text = offen ? zeigen(u"0.00", r.drehmoment) : QString();
    auto stromText = [](double I) {
        if (!std::isfinite(I))
            return kStrich;
        return I <= 0.1 ? kStromStrich : formatFloat(u"0.00", I);
    };
    strom.text = r.mitMotor ? stromText(e.Panel9 ? r.IGesamt : r.I) : kStrich;
    StromV1.text = r.mitMotor ? stromText(r.I) : kStrich;
    StromV2.text = r.mitMotor && e.Panel9 ? stromText(r.I2) : kStrich;
    strom.sichtbar = stromtext = Panel15 = r.stromSichtbar;
    OhneUmrechnung = false;
}

void TechnikModell::stromAnzeigen() {
    if (db::offenerVerdichter(ergebnis_.art))
        return; // the rating's choice of torque stays
    const auto netzFrequenz = [](const QString& t) {
        return t.trimmed() == QLatin1String("50") || t.trimmed() == QLatin1String("60");
    };
    bool zeigen = netzFrequenz(ediHz.text);
    if (Panel12 && !netzFrequenz(ediHZ2.text))
        zeigen = false;
    strom.sichtbar = stromtext = Panel15 = zeigen;
}

void TechnikModell::AusgabeFuellen() {
    const bool zwei = Panel9;
    werte_ = calc::ausgabeWerte(ergebnis_, zwei, VierPolig);
    const calc::AusgabeWerte& w = werte_;
    auto leistung = [&](double kw) {
        return zeigen(kMusterLeistung, einheiten_.LeistungAnzeige(kw));
    };
    auto antrieb = [&](double kw) {
        return zeigen(kMusterLeistung, einheiten_.AntriebAnzeige(kw));
    };
    Q2V1.text = leistung(w.Qo1);
    Q3V1.text = leistung(w.QoE1);
    panV1.text = antrieb(w.P1);
    Q2V2.text = zwei ? leistung(w.Qo2) : kStrich;
    Q3V2.text = zwei ? leistung(w.QoE2) : kStrich;
    panV2.text = zwei ? antrieb(w.P2) : kStrich;
    Edit4.text = zeigen(kMusterLeistung, w.cop);
    Edit7.text = leistung(w.Qc);
    Edit5.text = zeigen(kMusterMasse, w.m);
    Q2.text = leistung(w.Qo);
    Q3.text = leistung(w.QoE);
    pan.text = antrieb(w.P);
    pan.sichtbar = true;
    // 8-pole operation halves the current as well (the duplex columns keep theirs).
    if (!VierPolig && ergebnis_.mitMotor && std::isfinite(w.I))
        strom.text = w.I <= 0.1 ? kStromStrich : formatFloat(u"0.00", w.I);
}

void TechnikModell::NeuesBild() {
    if (AktArtikelID == 0)
        return;
    MessageScope meldungen; // a message repeated within one recalculation is shown once
    // The refrigerant list first, so that the rating already uses the entry shown.
    if (LetzterArtikelID != AktArtikelID) {
        kaeltemittelListeFuellen();
        kondensatorWaehlen();
    } else if (KMListboxText.isEmpty() && !KMListboxItems.isEmpty()) {
        // An X-form type chosen again for the same article cleared the refrigerant.
        KMListboxText = KMListboxItems.first();
        kondensatorWaehlen();
    }
    MinMaxHolen();
    const calc::ArtikelEingabe e = eingabe();
    ergebnis_ = calc::NeuRechnen(dm_, stoff_, e);
    ergebnisZeigen(e);
    DiagrammZeichnen();
    AusgabeFuellen();
    stromAnzeigen();
    if (einsatzgrenzenAktiv)
        LegendenHolen();
    ++bildNummer_;
}

// ---------------------------------------------------------------- diagram

void TechnikModell::DiagrammZeichnen() {
    if (!ArtikelGewaehlt)
        ComboBox1Change(Sender::Keiner);
    if (AktArtikelID == 0)
        return;
    capacityRecordWaehlen();
    if (dm_.TBLeistung.isEmpty() || dm_.TBLeistung.eof())
        return;
    db::GrenzPolygon blau, strich, rot;
    db::GrenzenLesen(dm_.TBLeistung, 3, rot);
    db::GrenzenLesen(dm_.TBLeistung, 2, strich);
    db::GrenzenLesen(dm_.TBLeistung, 1, blau);
    polygone_ = {blau, strich, rot};
    const bool f = fahrenheit();
    const chart::GrenzPolygone gezeigt = f ? chart::inFahrenheit(polygone_) : polygone_;
    DiagTc = zahl(tcle.sichtbar ? tcle.text : tc.text);
    DiagT0 = zahl(t0.text);
    const calc::GrenzBereich& g = ergebnis_.bereich;
    const chart::GrenzAchsen achsen =
        chart::grenzAchsen(g.GrenzT0Min, g.GrenzT0Max, g.GrenzTcMin, g.GrenzTcMax, f);
    const chart::WinFarbe farbe = diagramm_.zeichnen(gezeigt, achsen, DiagT0, DiagTc);

    calc::ArtikelHinweise& h = hinweise_;
    const bool grenzHinweis = h.anwendt01 || h.anwendt02 || h.anwendtc1 || h.anwendtc2 || h.Label25;
    if (!grenzHinweis && !chart::grenzFarbeZulaessig(farbe))
        h.Label25 = true;
    if (farbe == chart::kFuellFarbe1) {
        h.Label25 = false;
        h.Label26 = true;
    }
}

void TechnikModell::setEinsatzgrenzenAktiv(bool aktiv) {
    einsatzgrenzenAktiv = aktiv;
    if (aktiv)
        LegendenHolen();
}

void TechnikModell::LegendenHolen() {
    const std::array<Legende, 3> l = legendenLesen();
    std::copy(l.begin(), l.end(), std::begin(Leg));
}

std::array<Legende, 3> TechnikModell::legendenLesen() const {
    std::array<Legende, 3> leg{};
    if (AktArtikelID == 0)
        return leg;
    db::Cursor& legenden = dm_.TBLegenden;
    if (!legenden.active()) {
        try {
            legenden.open();
        } catch (const std::exception& fehler) {
            report(QString::fromUtf8(fehler.what()), QStringLiteral("Drel"));
            return leg;
        }
    }
    db::KaeltemittelPositionieren(dm_, KMListboxText,
                                  DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID);
    if (dm_.TBLeistung.isEmpty() || dm_.TBLeistung.eof())
        return leg;
    const QString code = sprache().kurzCode;
    const QString spalte = code.compare(QLatin1String("EN"), Qt::CaseInsensitive) == 0
                               ? QStringLiteral("Wert")
                               : QStringLiteral("Wert_") + code;
    for (int i = 0; i < 3; ++i) {
        const qint32 id = dm_.TBLeistung.asInteger(QStringLiteral("LegendTextID%1").arg(i + 1));
        if (!legenden.findKey({db::Value(id)}))
            continue;
        QString text = legenden.asString(spalte);
        // A trailing marker "*" (last or second-to-last place) becomes a blank.
        for (qsizetype pos : {text.size() - 1, text.size() - 2})
            if (pos >= 0 && text.at(pos) == QLatin1Char('*')) {
                text[pos] = QLatin1Char(' ');
                break;
            }
        leg[static_cast<size_t>(i)] = {text, true};
    }
    return leg;
}

} // namespace drel::sheet
