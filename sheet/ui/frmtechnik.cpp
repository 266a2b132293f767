#include "sheet/ui/frmtechnik.h"

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/tddbcombo.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "chart/ui/tdchart.h"
#include "db/errorboundary.h"
#include "search/ergebnisliste.h"
#include "sheet/blattjson.h"
#include "sheet/grenzbild.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhilfstextanzeigen.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmzerthinweis.h"
#include "state/sprache.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace drel::ui {

using sheet::Eingabe;

namespace {

void setzeSichtbar(QWidget* w, bool an) {
    if (w && w->isVisibleTo(w->parentWidget()) != an)
        w->setVisible(an);
}

} // namespace

TFrmTechnik::~TFrmTechnik() {
    tabelle_->tabIniSchreiben();
}

bool TFrmTechnik::reiterSichtbar(int index) const {
    return PageControl1_->isTabVisible(index);
}

void TFrmTechnik::setDateiWahl(
    const std::function<QString(const QString&, const QString&, const QString&)>& wahl) {
    dateiWahl_ = wahl;
    tabelle_->setDateiWahl(wahl);
    masse_->bildSpeichern()->setDateiWahl(wahl);
    foto_->bildSpeichern()->setDateiWahl(wahl);
}

// ---------------------------------------------------------------- building

void TFrmTechnik::einheitGewechselt(bool warFahrenheit) {
    db::runReported([&] { blatt_.einheitGewechselt(warFahrenheit); });
    calc::EinhLabelsSetzen(this, einheiten_);
    // The table's ranges and cells are in the old unit until they are built again.
    gefuelltFuer_.remove(tabelle_);
    ausModell();
}

void TFrmTechnik::oeffnen(const DatenblattAuftrag& auftrag) {
    rechnen([&] { modell_.oeffnen(auftrag); });
    calc::EinhLabelsSetzen(this, einheiten_);
    erstesZeigen_ = true;
    if (isVisible()) {
        rechnen([&] { modell_.FormShow(); });
        erstesZeigen_ = false;
    }
    ausModell();
}

void TFrmTechnik::showEvent(QShowEvent* event) {
    TDForm::showEvent(event);
    if (erstesZeigen_) {
        erstesZeigen_ = false;
        rechnen([&] { modell_.FormShow(); });
        ausModell();
    }
}

void TFrmTechnik::closeEvent(QCloseEvent* event) {
    hinweise_->close();
    TDForm::closeEvent(event);
}

bool TFrmTechnik::eventFilter(QObject* objekt, QEvent* event) {
    // Typing into the type box: the type can only be chosen from the list.
    if (event->type() == QEvent::KeyRelease &&
        (objekt == ComboBox1_ || objekt == ComboBox1_->lineEdit())) {
        const QString t = static_cast<QKeyEvent*>(event)->text();
        if (!t.isEmpty() && t.at(0).isLetterOrNumber()) {
            rechnen([&] { modell_.ComboBox1KeyUp(); });
            ausModell();
        }
    }
    return TDForm::eventFilter(objekt, event);
}

void TFrmTechnik::zertLogosZeigen() {
    const sheet::ZertListe& z = blatt_.zertifikate();
    for (int i = 0; i < 3; ++i) {
        QToolButton* logo = ZertLogo_[i];
        const bool da = i < z.logoAnzahl();
        logo->setVisible(da);
        if (!da)
            continue;
        const sheet::TZer& e = z.eintraege().at(i);
        logo->setIcon(QIcon(blatt_.zertLogoPfad(i + 1)));
        logo->setText(e.abkuerzung); // without a picture the abbreviation stands in
        logo->setToolButtonStyle(logo->icon().isNull() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonIconOnly);
        logo->setToolTip(e.titel);
    }
    setzeSichtbar(ZertPanel_, z.logosSichtbar());
}

void TFrmTechnik::zertKlick(int tag) {
    sheet::ZertListe::Hinweis h;
    if (!blatt_.zertHinweis(tag, h))
        return;
    TFrmZertHinweis fenster(h, this);
    fenster.exec();
}

void TFrmTechnik::hilfeTextKlick(int bild) {
    TFrmHilfsTextAnzeigen fenster(this);
    if (bild == 3)
        fenster.textZeigen(sheet::zwischenkuehlerHilfeText());
    else
        fenster.dateiZeigen(blatt_.hilfeTextDatei());
    fenster.exec();
}

void TFrmTechnik::feldVerlassen(Eingabe e) {
    if (zeigt_)
        return;
    modell_.feld(e).text = eingaben_.value(e)->text();
    rechnen([&] { modell_.feldVerlassen(e); });
    ausModell();
}

void TFrmTechnik::schritt(Eingabe e, int richtung) {
    modell_.feld(e).text = eingaben_.value(e)->text();
    rechnen([&] { modell_.schritt(e, richtung); });
    ausModell();
}

QToolButton* TFrmTechnik::stufe(Eingabe e, int richtung) const {
    QWidget* w = stufen_.value(e);
    if (!w)
        return nullptr;
    const QString name =
        w->objectName() + (richtung > 0 ? QStringLiteral("Up") : QStringLiteral("Down"));
    return w->findChild<QToolButton*>(name);
}

void TFrmTechnik::setAngedockt(bool angedockt) {
    angedockt_ = angedockt;
    btnUnlock_->setVisible(angedockt);
    btnLock_->setVisible(!angedockt);
    Alternativ_->setVisible(angedockt);
    AlternativSchliessen_->setVisible(!angedockt);
}

void TFrmTechnik::btnUnlockClick() {
    modell_.betriebspunktSichern();
    emit abdocken();
}

void TFrmTechnik::btnLockClick() {
    emit andocken();
}

void TFrmTechnik::spracheGewechselt() {
    if (!erstesZeigen_)
        rechnen([&] { modell_.NeuesBild(); });
    ausModell();
}

void TFrmTechnik::CancelBtnClick() {
    emit zurueck();
}

void TFrmTechnik::JsonSpeichernClick() {
    if (modell_.AktArtikelID == 0)
        return;
    const QString titel = tr("Speichern als JSON");
    const QString vorschlag = imDokumentOrdner(
        modell_.ComboBox1Text.simplified().replace(QLatin1Char('/'), QLatin1Char('-')) +
        QStringLiteral(".json"));
    const QString filter = tr("JSON-Dateien (*.json)");
    const QString datei = dateiWahl_ ? dateiWahl_(titel, vorschlag, filter)
                                     : dateiDialog(this, titel, vorschlag, filter);
    if (datei.isEmpty())
        return;
    QString grund;
    bool ok = false;
    db::runReported([&] { ok = sheet::blattJsonSchreiben(blatt_, datei, &grund); });
    if (!ok)
        report(tr("Die Datei %1 kann nicht geschrieben werden.").arg(datei) + QLatin1Char(' ') +
                   grund,
               tr("Fehler"), MessageKind::Error);
}

// ---------------------------------------------------------------- model to widgets

void TFrmTechnik::diagrammZeigen() {
    if (modell_.bildNummer() == gezeigtesBild_)
        return;
    gezeigtesBild_ = modell_.bildNummer();
    if (modell_.diagramm().gezeichnet())
        DChart1_->Uebernehmen(modell_.diagramm().daten(),
                              sheet::grenzZeichnung(modell_.diagramm()));
    emit neuGezeichnet();
}

void TFrmTechnik::ausModell() {
    const sheet::TechnikModell& m = modell_;
    blatt_.seitenFuellen();
    zeigt_ = true;
    typZeigen(m);
    eingabenZeigen(m);
    teileZeigen(m);
    ausgabenZeigen(m);
    // Pages, diagram and legends.
    const int tab8 = PageControl1_->indexOf(TabSheet8_);
    if (!m.TabSheet8 && PageControl1_->currentIndex() == tab8)
        PageControl1_->setCurrentIndex(0);
    PageControl1_->setTabVisible(tab8, m.TabSheet8);
    bildSeitenFuellen();
    for (int i = 0; i < 3; ++i) {
        lblLeg_[i]->setText(m.Leg[i].text);
        setzeSichtbar(LegPnl_[i], m.Leg[i].sichtbar);
    }
    lblRand_->setText(m.AktArtikelID != 0 ? sheet::einsatzRandText(blatt_) : QString());
    lblRand_->setStyleSheet(m.AktArtikelID != 0 && blatt_.wert(sheet::Groesse::Rand).wert < 0
                                ? QStringLiteral("color: #b00000;")
                                : QString());
    hinweise_->setzen(m.hinweise());
    herkunftZeigen();
    zertLogosZeigen();
    zeigt_ = false;
    const bool neu = m.bildNummer() != gezeigtesBild_;
    diagrammZeigen();
    if (neu && isVisible())
        hinweise_->ZeigenOderSchliessen();
    seiteFuellen();
}

// Type and refrigerant lists, the motor.
void TFrmTechnik::typZeigen(const sheet::TechnikModell& m) {
    if (ComboBox1_->count() != m.ComboBox1Items.size() || [&] {
            for (int i = 0; i < ComboBox1_->count(); ++i)
                if (ComboBox1_->itemText(i) != m.ComboBox1Items.at(i))
                    return true;
            return false;
        }()) {
        ComboBox1_->clear();
        ComboBox1_->addItems(m.ComboBox1Items);
        ComboBox1_->Items2 = m.ComboBox1Ids;
    }
    ComboBox1_->setEditText(m.ComboBox1Text);
    if (KMListbox_->count() != m.KMListboxItems.size()) {
        KMListbox_->clear();
        KMListbox_->addItems(m.KMListboxItems);
    } else {
        for (int i = 0; i < KMListbox_->count(); ++i)
            KMListbox_->setItemText(i, m.KMListboxItems.at(i));
    }
    KMListbox_->setCurrentIndex(static_cast<int>(m.KMListboxItems.indexOf(m.KMListboxText)));
    MotorCombo_->setText(m.MotorComboText);
    setzeSichtbar(MotorCombo_, m.MotorSichtbar);
    setzeSichtbar(teile_.value(QStringLiteral("MotorComboText")), m.MotorSichtbar);
}

// The operating-point fields and their step buttons.
void TFrmTechnik::eingabenZeigen(const sheet::TechnikModell& m) {
    for (auto it = eingaben_.cbegin(); it != eingaben_.cend(); ++it) {
        const sheet::Feld& f = m.feld(it.key());
        TDEdit* edit = it.value();
        if (edit->text() != f.text && !edit->hasFocus())
            edit->setAsString(f.text);
        else if (edit->hasFocus() && edit->text() != f.text)
            edit->setText(f.text);
        setzeSichtbar(edit, f.sichtbar);
        edit->setEnabled(f.aktiv);
    }
    const std::pair<Eingabe, bool> stufen[] = {{Eingabe::tc, m.Sptc},
                                               {Eingabe::tle, m.tle.sichtbar},
                                               {Eingabe::ediHz, m.ediHz.sichtbar},
                                               {Eingabe::ediN, m.Drehzahl},
                                               {Eingabe::ediHZ2, m.Panel12},
                                               {Eingabe::tu, m.Unterkuehlung}};
    for (const auto& [e, an] : stufen)
        setzeSichtbar(stufen_.value(e), an);
    stufen_.value(Eingabe::ediHz)->setEnabled(m.SpinButton2);
    setzeSichtbar(eingaben_.value(Eingabe::tu), m.Unterkuehlung);
    setzeSichtbar(cmbHZ_, m.cmbHZ.sichtbar);
    cmbHZ_->setCurrentText(m.ediHz.text);
    setzeSichtbar(pol_, m.pol.sichtbar);
    pol_->setText(m.pol.text);
}

// Which caption of the sheet is shown in which state of the model.
void TFrmTechnik::teileZeigen(const sheet::TechnikModell& m) {
    const std::pair<const char*, bool> regeln[] = {
        {"Label10", m.Frequenz && !m.Frequenz1},
        {"Label13", m.Frequenz && m.Frequenz1},
        {"Label11", m.Frequenz},
        {"Label21", m.Drehzahl},
        {"Label9", m.Drehzahl},
        {"Label14", m.Panel12},
        {"Label16", m.Panel12},
        {"Label6", m.tc.sichtbar || m.tcle.sichtbar},
        {"tletxt", m.tle.sichtbar},
        {"tletxt2", m.tle.sichtbar},
        {"Label4", m.Unterkuehlung},
        {"Label12", m.Unterkuehlung},
        {"Panel13", m.Panel13},
        {"Image3", m.Panel13},
        {"Panel16", m.Panel16},
        {"Panel9Kopf1", m.Panel9},
        {"Panel9Kopf2", m.Panel9},
        {"Panel9Kopf3", m.Panel9},
        {"stromtext", m.stromtext},
        {"StromText2", m.strom.sichtbar},
        {"drehmomenttext", m.drehmomenttext},
        {"DrehmomentText2", m.drehmomenttext},
        {"Label19", m.Label19},
        {"Label52", m.Label52},
    };
    for (const auto& [name, an] : regeln)
        setzeSichtbar(teile_.value(QString::fromLatin1(name)), an);
}

// The rating's values: each output with its model field and when it is shown.
void TFrmTechnik::ausgabenZeigen(const sheet::TechnikModell& m) {
    const bool zwei = m.Panel9;
    // Without a rule an output keeps the visibility it was built with.
    const std::optional<bool> immer;
    const struct {
        const char* name;
        const sheet::Feld& feld;
        std::optional<bool> sichtbar;
    } ausgaben[] = {
        {"Q2", m.Q2, immer},
        {"Q3", m.Q3, immer},
        {"pan", m.pan, immer},
        {"strom", m.strom, m.strom.sichtbar},
        {"spannung", m.spannung, m.spannung.sichtbar},
        {"Edit4", m.Edit4, immer},
        {"Edit7", m.Edit7, immer},
        {"Edit5", m.Edit5, immer},
        {"Q2V1", m.Q2V1, zwei},
        {"Q3V1", m.Q3V1, zwei},
        {"panV1", m.panV1, zwei},
        {"StromV1", m.StromV1, zwei && m.Panel15},
        {"Q2V2", m.Q2V2, zwei},
        {"Q3V2", m.Q3V2, zwei},
        {"panV2", m.panV2, zwei},
        {"StromV2", m.StromV2, zwei && m.Panel15},
        {"tFUA", m.tFUA, m.tFUA.sichtbar},
    };
    for (const auto& a : ausgaben) {
        QLineEdit* feld = ausgaben_.value(QString::fromLatin1(a.name));
        // tFUA shows its text as the model writes it, the values without padding.
        feld->setText(&a.feld == &m.tFUA ? a.feld.text : a.feld.text.trimmed());
        if (a.sichtbar)
            setzeSichtbar(feld, *a.sichtbar);
    }
}

void TFrmTechnik::herkunftZeigen() {
    const sheet::TechnikModell& m = modell_;
    // A clamped input and an output of a point outside the envelope are marked where
    // they are shown.
    const std::pair<Eingabe, sheet::Groesse> eingaben[] = {
        {Eingabe::t0, sheet::Groesse::t0},   {Eingabe::tc, sheet::Groesse::tc},
        {Eingabe::tle, sheet::Groesse::tle}, {Eingabe::tsaug, sheet::Groesse::tsaug},
        {Eingabe::tu, sheet::Groesse::tu},   {Eingabe::tue, sheet::Groesse::tue},
        {Eingabe::ediN, sheet::Groesse::n},
    };
    for (const auto& [e, g] : eingaben) {
        const bool geklemmt = m.AktArtikelID != 0 && blatt_.wert(g).geklemmt;
        TDEdit* edit = eingaben_.value(e);
        edit->setStyleSheet(geklemmt ? QStringLiteral("background: #fff2a8;") : QString());
        edit->setToolTip(geklemmt ? tr("In die Eingabegrenzen verschoben") : QString());
    }
    const bool ausserhalb = m.AktArtikelID != 0 && blatt_.ausserhalb();
    for (const char* name : {"Q2", "Q3", "pan", "strom", "Edit4", "Edit7", "Edit5"}) {
        QLineEdit* feld = ausgaben_.value(QString::fromLatin1(name));
        feld->setStyleSheet(ausserhalb ? QStringLiteral("color: #b00000;") : QString());
        feld->setToolTip(ausserhalb ? tr("Betriebspunkt ausserhalb der Einsatzgrenzen")
                                    : QString());
    }
    if (m.bildNummer() == herkunftBild_)
        return;
    herkunftBild_ = m.bildNummer();
    if (m.AktArtikelID == 0) {
        lblHerkunft_->clear();
        lblSepr_->clear();
        return;
    }
    sheet::Herkunft h;
    db::runReported([&] { h = blatt_.herkunft(); });
    lblHerkunft_->setText(h.zeilen());
    lblHerkunft_->setToolTip(h.gwpQuelle);
    const sheet::SeprBlatt* sepr = nullptr;
    db::runReported([&] { sepr = &blatt_.sepr(); });
    setzeSichtbar(lblSepr_, sepr && sepr->gerechnet);
    if (!sepr || !sepr->gerechnet)
        return;
    const NumberSeparators& sep = numberSeparators();
    const auto zahl = [&](double v) {
        return std::isfinite(v) ? formatFloat(QStringLiteral("0.00"), v, sep) : QStringLiteral("-");
    };
    lblSepr_->setText(
        tr("SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2")
            .arg(zahl(sepr->normal.ergebnis.sepr), zahl(sepr->tief.ergebnis.sepr)));
    QString punkte;
    for (const sheet::SeprAnwendungsWert* w : {&sepr->normal, &sepr->tief}) {
        punkte += tr("t0 %1 °C:").arg(calc::seprVerdampfung(w->ergebnis.anwendung));
        for (std::size_t k = 0; k < 4; ++k) {
            const calc::SeprPunkt& p = w->ergebnis.punkte[k];
            punkte +=
                QStringLiteral("\n  %1  %2 °C  COP %3  COP(PL) %4%5")
                    .arg(QChar(u'A' + static_cast<char16_t>(k)))
                    .arg(p.luft)
                    .arg(zahl(p.cop), zahl(p.copTeillast),
                         w->ausserhalb[k] ? QStringLiteral("  ") + tr("ausserhalb") : QString());
        }
        punkte += QLatin1Char('\n');
    }
    lblSepr_->setToolTip(punkte.trimmed());
}

void TFrmTechnik::bildSeitenFuellen() {
    if (modell_.AktArtikelID == 0 || modell_.AktArtikelID == bilderFuer_)
        return;
    bilderFuer_ = modell_.AktArtikelID;
    masse_->zeigen(blatt_.masse());
    foto_->zeigen(blatt_.foto());
    // A page whose picture is missing is hidden; when it was active, "Techn. Daten"
    // takes its place.
    for (QWidget* seite : {static_cast<QWidget*>(masse_), static_cast<QWidget*>(foto_)}) {
        const int index = PageControl1_->indexOf(seite);
        const bool sichtbar = seite == masse_ ? blatt_.masseSichtbar() : blatt_.fotoSichtbar();
        if (!sichtbar && PageControl1_->currentIndex() == index)
            PageControl1_->setCurrentIndex(0);
        PageControl1_->setTabVisible(index, sichtbar);
    }
}

void TFrmTechnik::seiteFuellen() {
    QWidget* seite = PageControl1_->currentWidget();
    const auto fueller = fueller_.constFind(seite);
    if (fueller == fueller_.cend() || modell_.AktArtikelID == 0)
        return;
    // The pages quote the language columns: a language change fills them again.
    QString fuer = QString::number(modell_.AktArtikelID) + QLatin1Char('|') +
                   modell_.KMListboxText + QLatin1Char('|') + sprache().code;
    // The table's ranges and the tender text quote the last recalculation.
    if (seite == tabelle_ || seite == TabSheet8_)
        fuer += QLatin1Char('|') + QString::number(modell_.bildNummer());
    if (gefuelltFuer_.value(seite) == fuer)
        return;
    gefuelltFuer_.insert(seite, fuer);
    (*fueller)();
}

} // namespace drel::ui
