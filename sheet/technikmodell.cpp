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
#include "sheet/technikanzeige.h"
#include "state/betriebspunkt.h"
#include "state/programmschalter.h"
#include "state/sprache.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace drel::sheet {

using namespace anzeige;

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
    // A sheet that only computes rates row after row of the same few articles: their
    // lists are read once (the tables do not change while it computes).
    const QString schluessel =
        QStringLiteral("%1|%2|%3").arg(daten).arg(AktArtikelID).arg(sprache().kurzCode);
    if (const auto gelesen = listen_.constFind(schluessel);
        nurRechnen && gelesen != listen_.constEnd()) {
        KMListboxItems = gelesen->first;
        MotorComboText = gelesen->second;
    } else {
        listeLesen(daten);
        if (nurRechnen)
            listen_.insert(schluessel, {KMListboxItems, MotorComboText});
    }
    if (!KMListboxItems.contains(gemerkt) && !KMListboxItems.isEmpty())
        KMListboxText = KMListboxItems.first();
    MotorSichtbar = !MotorComboText.isEmpty();
}

void TechnikModell::listeLesen(qint32 daten) {
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
    const qint32 daten = DatenArtikelID > 0 ? DatenArtikelID : AktArtikelID;
    const QString schluessel = QString::number(daten) + QLatin1Char('|') + KMListboxText;
    auto gelesen = huellen_.constFind(schluessel);
    if (!nurRechnen || gelesen == huellen_.constEnd()) {
        const HuellenExtreme neu = MinMaxTabLeistung(dm_, KMListboxText, daten);
        if (!nurRechnen) {
            huellenAnwenden(neu);
            return;
        }
        gelesen = huellen_.insert(schluessel, neu);
    }
    huellenAnwenden(*gelesen);
}

void TechnikModell::huellenAnwenden(const HuellenExtreme& h) {
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
    w.antriebsleistung = Label19;
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

} // namespace drel::sheet
