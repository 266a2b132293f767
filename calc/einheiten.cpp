#include "calc/einheiten.h"

#include "base/dateischreiben.h"
#include "base/numberformat.h"
#include "base/temperatur.h"
#include "db/recordhelpers.h"

#include <QObject>
#include <QVariant>

namespace drel::calc {

namespace {

const char* const kLeistung[] = {"kW", "Btu/h", "ton", "kcal/h"};
const char* const kAntrieb[] = {"kW", "HP", "PS"};
const char* const kTemperatur[] = {"°C  -  K", "°F  -  R"};

double leistungFaktor(int index) {
    switch (index) {
    case 0:
        return 1.0;
    case 1:
        return kBtuProKw;
    case 2:
        return kTonProKw;
    case 3:
        return kKcalProKw;
    default:
        return 0.0;
    }
}

double antriebFaktor(int index) {
    switch (index) {
    case 0:
        return 1.0;
    case 1:
        return kHpProKw;
    case 2:
        return kPsProKw;
    default:
        return 0.0;
    }
}

// Capacity in kW from a value in the unit named by a combo box text.
double leistungInKw(double wert, const QString& combo) {
    if (combo.contains(QLatin1String("Btu/h")))
        return wert / kBtuProKw;
    if (combo.contains(QLatin1String("ton")))
        return wert / kTonProKw;
    if (combo.contains(QLatin1String("kcal/h")))
        return wert / kKcalProKw;
    return wert;
}

double antriebInKw(double wert, const QString& combo) {
    if (combo.contains(QLatin1String("HP")))
        return wert / kHpProKw;
    if (combo.contains(QLatin1String("PS")))
        return wert / kPsProKw;
    return wert;
}

} // namespace

QString Einheiten::caption(EinheitGruppe gruppe, int index) {
    if (index < 0 || index >= anzahl(gruppe))
        return {};
    switch (gruppe) {
    case EinheitGruppe::Leistung:
        return QString::fromUtf8(kLeistung[index]);
    case EinheitGruppe::Antrieb:
        return QString::fromUtf8(kAntrieb[index]);
    case EinheitGruppe::Temperatur:
        return QString::fromUtf8(kTemperatur[index]);
    }
    return {};
}

int Einheiten::anzahl(EinheitGruppe gruppe) {
    switch (gruppe) {
    case EinheitGruppe::Leistung:
        return 4;
    case EinheitGruppe::Antrieb:
        return 3;
    case EinheitGruppe::Temperatur:
        return 2;
    }
    return 0;
}

Einheiten::Wahl& Einheiten::wahl(EinheitGruppe gruppe) {
    return gruppe == EinheitGruppe::Leistung
               ? leistung_
               : (gruppe == EinheitGruppe::Antrieb ? antrieb_ : temperatur_);
}

const Einheiten::Wahl& Einheiten::wahl(EinheitGruppe gruppe) const {
    return const_cast<Einheiten*>(this)->wahl(gruppe);
}

void Einheiten::klick(EinheitGruppe gruppe, int index) {
    if (index < 0 || index >= anzahl(gruppe))
        return;
    Wahl& w = wahl(gruppe);
    w.index = index;
    w.gewaehlt = true;
    w.text = caption(gruppe, index);
}

bool Einheiten::gewaehlt(EinheitGruppe gruppe) const {
    return wahl(gruppe).gewaehlt;
}
int Einheiten::index(EinheitGruppe gruppe) const {
    return wahl(gruppe).index;
}
int Einheiten::bestaetigt(EinheitGruppe gruppe) const {
    return wahl(gruppe).bestaetigt;
}
QString Einheiten::text(EinheitGruppe gruppe) const {
    return wahl(gruppe).text;
}

void Einheiten::bestaetigen() {
    for (Wahl* w : {&leistung_, &antrieb_, &temperatur_})
        w->bestaetigt = w->index;
}

bool Einheiten::standardFuerLeereGruppen() {
    bool gesetzt = false;
    for (EinheitGruppe g :
         {EinheitGruppe::Leistung, EinheitGruppe::Antrieb, EinheitGruppe::Temperatur}) {
        if (!gewaehlt(g)) {
            klick(g, 0);
            gesetzt = true;
        }
    }
    return gesetzt;
}

void Einheiten::laden(const QString& pfad) {
    // Three short lines; never read more than a few bytes of a damaged file, and never
    // wait on a FIFO in its place.
    const std::optional<QByteArray> inhalt = dateiAnfangLesen(pfad, 256);
    if (!inhalt)
        return;
    const QList<QByteArray> zeilen = inhalt->split('\n');
    const EinheitGruppe gruppen[] = {EinheitGruppe::Leistung, EinheitGruppe::Antrieb,
                                     EinheitGruppe::Temperatur};
    for (int i = 0; i < 3 && i < zeilen.size(); ++i) {
        bool ok = false;
        const int index = zeilen[i].trimmed().toInt(&ok);
        if (ok)
            klick(gruppen[i], index);
    }
    bestaetigen();
}

bool Einheiten::speichern(const QString& pfad) const {
    const QByteArray text = QByteArray::number(leistung_.index) + "\r\n" +
                            QByteArray::number(antrieb_.index) + "\r\n" +
                            QByteArray::number(temperatur_.index) + "\r\n";
    return dateiSchreibenOderMelden(pfad, text);
}

double Einheiten::TempAnzeige(double c) const {
    switch (temperatur_.index) {
    case 0:
        return c;
    case 1:
        return celsiusNachFahrenheit(c);
    default:
        return 0.0;
    }
}

double Einheiten::TempIntern(double a) const {
    switch (temperatur_.index) {
    case 0:
        return a;
    case 1:
        return fahrenheitNachCelsius(a);
    default:
        return 0.0;
    }
}

double Einheiten::DiffAnzeige(double k) const {
    switch (temperatur_.index) {
    case 0:
        return k;
    case 1:
        return kelvinNachRankine(k);
    default:
        return 0.0;
    }
}

double Einheiten::DiffIntern(double a) const {
    switch (temperatur_.index) {
    case 0:
        return a;
    case 1:
        return rankineNachKelvin(a);
    default:
        return 0.0;
    }
}

double Einheiten::LeistungAnzeige(double kw) const {
    return kw * leistungFaktor(leistung_.index);
}

double Einheiten::LeistungIntern(double a) const {
    const double f = leistungFaktor(leistung_.index);
    return f == 0.0 ? 0.0 : a / f;
}

double Einheiten::AntriebAnzeige(double kw) const {
    return kw * antriebFaktor(antrieb_.index);
}

QString Einheiten::TempEinheitText() const {
    return temperatur_.index == 1 ? QStringLiteral("[°F]") : QStringLiteral("[°C]");
}

Einheiten& einheiten() {
    static Einheiten e;
    return e;
}

void EinhLabelsSetzen(QObject* fenster, const Einheiten& e) {
    if (!fenster)
        return;
    const QString temperatur = e.text(EinheitGruppe::Temperatur);
    for (QObject* o : fenster->findChildren<QObject*>()) {
        if (!o->inherits("QLabel"))
            continue;
        bool ok = false;
        const int tag = o->property("tag").toInt(&ok);
        if (!ok)
            continue;
        switch (tag) {
        case 3:
            o->setProperty("text", e.text(EinheitGruppe::Leistung));
            break;
        case 4:
            o->setProperty("text", e.text(EinheitGruppe::Antrieb));
            break;
        case 5:
            o->setProperty("text", temperatur.left(2));
            break;
        case 6:
            o->setProperty("text", temperatur.mid(7, 1));
            break;
        default:
            break;
        }
    }
}

Q0Umrechnung CalcQ0(const Einheiten& e, const QString& editQ0, bool mitSender) {
    Q0Umrechnung r;
    r.ComboQ0 = mitSender
                    ? QStringLiteral("kW")
                    : Einheiten::caption(EinheitGruppe::Leistung, e.index(EinheitGruppe::Leistung));
    const double kw = leistungInKw(floatOrZero(editQ0), r.ComboQ0);
    r.Edit1 = generalFormat(kw);
    r.Edit2 = generalFormat(kw * kBtuProKw);
    r.Edit3 = generalFormat(kw * kTonProKw);
    r.Edit4 = generalFormat(kw * kKcalProKw);
    const QString* felder[] = {&r.Edit1, &r.Edit2, &r.Edit3, &r.Edit4};
    const int i = e.index(EinheitGruppe::Leistung);
    r.Edit9 = i >= 0 && i < 4 ? *felder[i] : QString();
    return r;
}

PeUmrechnung CalcPe(const Einheiten& e, const QString& editPe, bool mitSender) {
    PeUmrechnung r;
    r.ComboPe = mitSender
                    ? QStringLiteral("kW")
                    : Einheiten::caption(EinheitGruppe::Antrieb, e.index(EinheitGruppe::Antrieb));
    const double kw = antriebInKw(floatOrZero(editPe), r.ComboPe);
    r.Edit11 = ZahlFormatieren(10, 2, kw);
    r.Edit13 = ZahlFormatieren(10, 2, kw * kHpProKw);
    r.Edit15 = ZahlFormatieren(10, 2, kw * kPsProKw);
    const QString* felder[] = {&r.Edit11, &r.Edit13, &r.Edit15};
    const int i = e.index(EinheitGruppe::Antrieb);
    r.Edit10 = i >= 0 && i < 3 ? *felder[i] : QString();
    return r;
}

TUmrechnung CalcT(const QString& editT, const QString& comboT) {
    double c = floatOrZero(editT);
    if (comboT.contains(QLatin1Char('F')))
        c = fahrenheitNachCelsius(c);
    return {ZahlFormatieren(8, 1, c), ZahlFormatieren(8, 1, celsiusNachFahrenheit(c))};
}

} // namespace drel::calc
