#include "search/ui/frmsuche.h"

#include "base/ui/tdedit.h"
#include "base/ui/tdspinedit.h"
#include "calc/einheiten.h"
#include "search/ui/ergebnismodell.h"
#include "search/ui/stgsuche.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace drel::ui {

using search::Box;
using search::Feld;
using B = SuchRec;

namespace {

void setzeText(QLineEdit* e, const QString& text) {
    if (e->text() != text)
        e->setText(text);
}

} // namespace

TFrmSuche::~TFrmSuche() {
    // Hiding the window on its way out moves the focus out of an edit; its exit
    // handler must not reach the half-destroyed window.
    for (TDEdit* edit : felder_)
        edit->disconnect(this);
}

void TFrmSuche::FormCreate(db::TDataModule1& dm, fluid::TStoff& stoff,
                           const dbbuild::PruefBeobachter& beobachter) {
    dienste_ = Dienste{&dm, &stoff, search::FormCreate(dm, beobachter)};
}

TDEdit* TFrmSuche::feld(Feld f) const {
    return felder_.value(f);
}

QCheckBox* TFrmSuche::box(Box b) const {
    return boxen_.value(b);
}

// Which control shows which flag of the model: the window's part of the model state.
void TFrmSuche::bindungenAnlegen() {
    using M = search::SuchModell;
    gesetzt_ = {{rbVerdichter_, &M::rbVerdichter},
                {rbSatz_, &M::rbSatz},
                {chkq0_, &M::chkq0},
                {chktyp_, &M::chktyp},
                {rb50Hz_, &M::rb50Hz},
                {rb60Hz_, &M::rb60Hz}};
    sichtbar_ = {{Panel7_, &M::Panel7},     {Panel6_, &M::Panel6},
                 {Label7_, &M::Label7},     {Label8_, &M::Label8},
                 {Panel3_, &M::Panel3},     {Label22_, &M::Panel4},
                 {SpinN_, &M::Panel4},      {Label57_, &M::Panel4},
                 {Panel10_, &M::Panel10},   {Panel1_, &M::Panel1},
                 {Label5_, &M::Q0Sichtbar}, {Label14_, &M::Q0Sichtbar},
                 {SpinQ0_, &M::Q0Sichtbar}, {felder_.value(Feld::Q0), &M::Q0Sichtbar}};
    aktiv_ = {{boxen_.value(B::RBW), &M::RBWEnabled},
              {boxen_.value(B::verbundtoo), &M::verbundtooEnabled}};
}

void TFrmSuche::ausModell() {
    const search::SuchModell& m = modell_;
    zeigt_ = true;
    for (const auto& [knopf, feld] : gesetzt_)
        knopf->setChecked(m.*feld);
    for (auto it = boxen_.cbegin(); it != boxen_.cend(); ++it)
        it.value()->setChecked(m.box(it.key()));
    for (const auto& [w, feld] : aktiv_)
        w->setEnabled(m.*feld);
    kaeltemittelZeigen(m);
    for (auto it = felder_.cbegin(); it != felder_.cend(); ++it)
        setzeText(it.value(), const_cast<search::SuchModell&>(m).text(it.key()));
    setzeText(vTyp_, m.vTyp);
    SpinN_->setRange(m.SpinNMin, m.SpinNMax);
    SpinN_->setValue(m.SpinN);
    for (const auto& [w, feld] : sichtbar_)
        w->setVisible(m.*feld);
    Panel8_->setVisible(m.liste().Panel8());
    const QString leer = m.Panel1 ? m.leerGrund() : QString();
    lblLeer_->setText(leer);
    lblLeer_->setVisible(!leer.isEmpty());
    zeigt_ = false;
}

void TFrmSuche::kaeltemittelZeigen(const search::SuchModell& m) {
    QStringList gezeigt;
    for (int i = 0; i < KMListe_->count(); ++i)
        gezeigt << KMListe_->item(i)->text();
    if (gezeigt != m.KMListe) {
        KMListe_->clear();
        KMListe_->addItems(m.KMListe);
    }
    KMListe_->setCurrentRow(m.KMListeIndex);
}

void TFrmSuche::spracheGewechselt() {
    if (modell_.Panel1)
        gridFuellen();
    ausModell();
}

void TFrmSuche::gridFuellen() {
    // The unit follows the heading text the search wrote ("Qo   " + unit).
    const QString kopfQo = tr("Qo   ") + modell_.KopfQo.mid(5);
    const bool fahrenheit = einheiten_.index(calc::EinheitGruppe::Temperatur) == 1;
    const QString kopfRand =
        modell_.randSpalte()
            ? tr("Abstand Grenze") + (fahrenheit ? QStringLiteral(" R") : QStringLiteral(" K"))
            : QString();
    randAktion_->setChecked(modell_.randSpalte());
    stgSuche_->fuellen(modell_.liste(), tr("Typ"), kopfQo, kopfRand);
}

void TFrmSuche::randSpalteClick(bool an) {
    modell_.setRandSpalte(an, suchIni_);
    gridFuellen();
}

void TFrmSuche::vergleichenClick() {
    if (!dienste_)
        return;
    QList<int> zeilen = stgSuche_->markierteZeilen();
    if (zeilen.isEmpty())
        zeilen << modell_.liste().Row();
    const QList<DatenblattAuftrag> auftraege =
        modell_.datenblaetter(*dienste_->dm, zeilen.mid(0, 4));
    if (!auftraege.isEmpty())
        emit vergleichOeffnen(auftraege);
}

void TFrmSuche::BitBtn3Click() {
    // Only the rows of the grid print: results hidden by the S-version rule stay out,
    // and a list the window does not show (the result area closed) prints no rows.
    QList<QStringList> raster = stgSuche_->modell().raster();
    if (!modell_.Panel1 && !raster.isEmpty())
        raster = {raster.front()};
    emit ergebnisDrucken(raster, tr("Seite"), modell_.Panel1 ? gesucht_ : QStringList());
}

QStringList TFrmSuche::druckKopf() const {
    QStringList reihen;
    for (const QCheckBox* b : boxen_)
        if (b->isChecked() && b->isEnabled() && b->isVisibleTo(this))
            reihen << b->text().remove(QLatin1Char('&'));
    const QString grad = einheiten_.TempEinheitText().mid(1).chopped(1); // "[°C]" → "°C"
    QString punkt =
        QStringLiteral("t0 %1 %2, %3 %4 %2")
            .arg(modell_.t0.trimmed(), grad,
                 modell_.Label8 ? tr("Lufteintritt") : QStringLiteral("tc"), modell_.tc.trimmed());
    if (modell_.chkq0 && modell_.Q0Sichtbar)
        punkt += QStringLiteral(", Qo %1 %2")
                     .arg(modell_.Q0.trimmed(), einheiten_.text(calc::EinheitGruppe::Leistung));
    return {reihen.join(QStringLiteral(", ")), modell_.kaeltemittel(), punkt};
}

void TFrmSuche::suchbereichOeffnen() {
    stgSuche_->entschaerfen();
    modell_.FormShow(suchIni_);
    modell_.Panel1 = false;
    modell_.liste().setPanel8(false);
    calc::EinhLabelsSetzen(this, einheiten_);
    gridFuellen();
    ausModell();
    setFocus();
}

void TFrmSuche::ergebnisFokussieren() {
    if (stgSuche_->isVisible() && stgSuche_->rowCount() > 0)
        stgSuche_->setFocus();
    else
        setFocus();
}

void TFrmSuche::OKBtnClick() {
    if (!dienste_) {
        emit statusMeldung(tr("Die Produktdaten sind nicht geladen."));
        return;
    }
    for (auto it = felder_.cbegin(); it != felder_.cend(); ++it)
        modell_.text(it.key()) = it.value()->AsString();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    search::SuchDienste d{*dienste_->dm, *dienste_->stoff, &chart_, &dienste_->listen.aggregate,
                          &dienste_->listen.kondensatoren};
    modell_.OKBtnClick(suchIni_, d);
    gesucht_ = druckKopf();
    gridFuellen();
    ausModell();
    stgSuche_->setFocus();
    QApplication::restoreOverrideCursor();
}

void TFrmSuche::CancelBtnClick() {
    modell_.Panel1 = false;
    ausModell();
    emit zurueck();
}

void TFrmSuche::BitBtn1Click() {
    emit hilfeAngefordert(property("helpContext").toInt());
}

void TFrmSuche::BitBtn2Click() {
    if (!dienste_ || modell_.ergebnis().anzahl() == 0)
        return;
    DatenblattAuftrag auftrag;
    if (modell_.datenblatt(*dienste_->dm, auftrag))
        emit datenblattOeffnen(auftrag);
}

} // namespace drel::ui
