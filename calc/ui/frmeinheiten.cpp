#include "calc/ui/frmeinheiten.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace drel::ui {

using calc::EinheitGruppe;

TFrmEinheiten::TFrmEinheiten(calc::Einheiten& einheiten, QString unitsDat, QWidget* parent)
    : TDForm(parent), einheiten_(einheiten), unitsDat_(std::move(unitsDat)) {
    setObjectName(QStringLiteral("TFrmEinheiten"));
    texte().fensterTitel(this, QT_TR_NOOP("Einheiten"));
    setModal(true);
    setProperty("helpContext", 4);

    auto* spalte = new QVBoxLayout(this);
    auto* reihe = new QHBoxLayout;
    leistung_ = gruppeAnlegen(
        EinheitGruppe::Leistung, QT_TR_NOOP("Kalteleistung"),
        {{0, "RadioButton6"}, {1, "RadioButton7"}, {2, "RadioButton2"}, {3, "RadioButton1"}}, this);
    antrieb_ = gruppeAnlegen(EinheitGruppe::Antrieb, QT_TR_NOOP("Antriebsleistung"),
                             {{0, "RadioButton3"}, {1, "RadioButton4"}, {2, "RadioButton8"}}, this);
    temperatur_ = gruppeAnlegen(EinheitGruppe::Temperatur, QT_TR_NOOP("Temperatur"),
                                {{0, "RadioButton5"}, {1, "RadioButton9"}}, this);
    for (QButtonGroup* g : {leistung_, antrieb_, temperatur_})
        reihe->addWidget(g->property("kasten").value<QWidget*>(), 0, Qt::AlignTop);
    spalte->addLayout(reihe);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    auto* ok = texte().text(new QPushButton(this), QT_TR_NOOP("OK"));
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* abbrechen = texte().text(new QPushButton(this), QT_TR_NOOP("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("BitBtn2"));
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    spalte->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, &TFrmEinheiten::BitBtn1Click);
    connect(abbrechen, &QPushButton::clicked, this, &TFrmEinheiten::BitBtn2Click);
}

QButtonGroup*
TFrmEinheiten::gruppeAnlegen(EinheitGruppe g, const char* titel,
                             const std::initializer_list<std::pair<int, const char*>>& knoepfe,
                             QWidget* parent) {
    auto* kasten = texte().titel(new QGroupBox(parent), titel);
    auto* layout = new QVBoxLayout(kasten);
    auto* gruppe = new QButtonGroup(kasten);
    for (const auto& [index, name] : knoepfe) {
        auto* knopf = new QRadioButton(calc::Einheiten::caption(g, index), kasten);
        knopf->setObjectName(QString::fromLatin1(name));
        gruppe->addButton(knopf, index);
        layout->addWidget(knopf);
    }
    layout->addStretch();
    gruppe->setProperty("kasten", QVariant::fromValue<QWidget*>(kasten));
    // A click sets the working choice at once.
    connect(gruppe, &QButtonGroup::idClicked, this,
            [this, g](int index) { einheiten_.klick(g, index); });
    return gruppe;
}

QButtonGroup* TFrmEinheiten::gruppe(EinheitGruppe g) const {
    switch (g) {
    case EinheitGruppe::Leistung:
        return leistung_;
    case EinheitGruppe::Antrieb:
        return antrieb_;
    case EinheitGruppe::Temperatur:
        break;
    }
    return temperatur_;
}

QRadioButton* TFrmEinheiten::knopf(EinheitGruppe g, int index) const {
    return qobject_cast<QRadioButton*>(gruppe(g)->button(index));
}

void TFrmEinheiten::ausModell() {
    for (EinheitGruppe g :
         {EinheitGruppe::Leistung, EinheitGruppe::Antrieb, EinheitGruppe::Temperatur}) {
        QButtonGroup* bg = gruppe(g);
        // Without a choice no button is checked, which an exclusive group cannot show.
        bg->setExclusive(false);
        for (QAbstractButton* b : bg->buttons())
            b->setChecked(einheiten_.gewaehlt(g) && bg->id(b) == einheiten_.index(g));
        bg->setExclusive(true);
    }
}

void TFrmEinheiten::showEvent(QShowEvent* event) {
    ausModell();
    TDForm::showEvent(event);
}

void TFrmEinheiten::alleFensterBeschriften(const calc::Einheiten& einheiten) {
    for (QWidget* fenster : QApplication::topLevelWidgets())
        calc::EinhLabelsSetzen(fenster, einheiten);
}

void TFrmEinheiten::BitBtn1Click() {
    einheiten_.speichern(unitsDat_);
    einheiten_.bestaetigen();
    alleFensterBeschriften(einheiten_);
    accept();
}

void TFrmEinheiten::BitBtn2Click() {
    if (einheiten_.standardFuerLeereGruppen()) {
        ausModell();
        BitBtn1Click();
        return;
    }
    reject();
}

} // namespace drel::ui
