#include "chart/ui/tskalierung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace drel::chart {

namespace {

QLineEdit* neuesEdit(int nummer, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Edit%1").arg(nummer));
    return e;
}

QGroupBox* radioGruppe(const QString& titel, const QString& name, const QStringList& texte,
                       QButtonGroup*& gruppe, QWidget* parent) {
    auto* box = new QGroupBox(titel, parent);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    gruppe = new QButtonGroup(box);
    for (int i = 0; i < texte.size(); ++i) {
        auto* knopf = new QRadioButton(texte[i], box);
        gruppe->addButton(knopf, i);
        layout->addWidget(knopf);
    }
    return box;
}

} // namespace

TSkalierung::TSkalierung(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Skalierung"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    auto* haupt = new QGridLayout(this);
    haupt->addWidget(achsenTeil(), 0, 0);
    haupt->addWidget(textTeil(), 0, 1);
    haupt->addWidget(graphenTeil(), 1, 0, 1, 2);
    haupt->addWidget(druckTeil(), 2, 0, 1, 2);

    auto* knoepfe = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Button1"));
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    haupt->addLayout(knoepfe, 3, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &TSkalierung::okGedrueckt);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TSkalierung::achsenTeil() {
    auto* box = new QGroupBox(this);
    auto* g = new QGridLayout(box);
    g->addWidget(new QLabel(QStringLiteral("X-Achse"), box), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Y-Achse"), box), 0, 2);
    const QStringList zeilen{QStringLiteral("Minimum-Wert"), QStringLiteral("Maximum-Wert"),
                             QStringLiteral("Schrittweite"), QStringLiteral("Anzahl Dezimalstelle"),
                             QStringLiteral("Anzahl Nachkommastellen")};
    for (int i = 0; i < zeilen.size(); ++i) {
        g->addWidget(new QLabel(zeilen[i], box), i + 1, 0);
        edit_[static_cast<size_t>(i + 1)] = neuesEdit(i + 1, box);
        edit_[static_cast<size_t>(i + 6)] = neuesEdit(i + 6, box);
        g->addWidget(edit_[static_cast<size_t>(i + 1)], i + 1, 1);
        g->addWidget(edit_[static_cast<size_t>(i + 6)], i + 1, 2);
    }
    return box;
}

QWidget* TSkalierung::textTeil() {
    auto* box = new QGroupBox(this);
    auto* g = new QGridLayout(box);
    const QList<std::pair<int, QString>> felder{
        {11, QStringLiteral("Diagramm Titel:")}, {12, QStringLiteral("X-Achse")},
        {13, QStringLiteral("Y-Achse")},         {14, QStringLiteral("Legende 1")},
        {15, QStringLiteral("Legende 2")},       {16, QStringLiteral("Legende 3")}};
    g->addWidget(new QLabel(QStringLiteral("Beschriftungen"), box), 1, 0);
    int zeile = 0;
    for (const auto& [nummer, text] : felder) {
        if (zeile == 1)
            ++zeile; // below the "Beschriftungen" heading
        g->addWidget(new QLabel(text, box), zeile, nummer == 11 ? 0 : 1);
        edit_[static_cast<size_t>(nummer)] = neuesEdit(nummer, box);
        g->addWidget(edit_[static_cast<size_t>(nummer)], zeile, 2);
        ++zeile;
    }
    return box;
}

QWidget* TSkalierung::graphenTeil() {
    auto* box = new QGroupBox(this);
    auto* g = new QGridLayout(box);
    const QStringList kopf{QString(),
                           QStringLiteral("Farben"),
                           QStringLiteral("Linien"),
                           QStringLiteral("Kreuze"),
                           QStringLiteral("Strichstärke"),
                           QStringLiteral("Parameter (Texte)")};
    for (int s = 0; s < kopf.size(); ++s)
        g->addWidget(new QLabel(kopf[s], box), 0, s);
    for (int i = 1; i <= kMaxGraphen; ++i) {
        const auto k = static_cast<size_t>(i);
        g->addWidget(new QLabel(QString::number(i), box), i, 0);
        shape_[k] = new QToolButton(box);
        shape_[k]->setObjectName(QStringLiteral("Shape%1").arg(i));
        shape_[k]->setAutoRaise(false);
        connect(shape_[k], &QToolButton::clicked, this, [this, i] { farbeGedrueckt(i); });
        g->addWidget(shape_[k], i, 1);
        check_[k] = new QCheckBox(box);
        check_[k]->setObjectName(QStringLiteral("CheckBox%1").arg(i));
        g->addWidget(check_[k], i, 2);
        check_[k + 10] = new QCheckBox(box);
        check_[k + 10]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 10));
        g->addWidget(check_[k + 10], i, 3);
        spin_[k] = new QSpinBox(box);
        spin_[k]->setObjectName(QStringLiteral("SpinEdit%1").arg(i));
        spin_[k]->setRange(0, 100);
        g->addWidget(spin_[k], i, 4);
        edit_[k + 20] = neuesEdit(i + 20, box);
        g->addWidget(edit_[k + 20], i, 5);
    }
    return box;
}

QWidget* TSkalierung::druckTeil() {
    auto* teil = new QWidget(this);
    auto* h = new QHBoxLayout(teil);
    auto* rand = new QGroupBox(QStringLiteral("ungefähre Abstände beim Ausdruck"), teil);
    auto* g = new QGridLayout(rand);
    const QStringList texte{QStringLiteral("Linker Rand [mm]"), QStringLiteral("Breite [mm]"),
                            QStringLiteral("Oberer Rand [mm]"), QStringLiteral("Höhe [mm]")};
    for (int i = 0; i < texte.size(); ++i) {
        g->addWidget(new QLabel(texte[i], rand), i, 0);
        edit_[static_cast<size_t>(17 + i)] = neuesEdit(17 + i, rand);
        g->addWidget(edit_[static_cast<size_t>(17 + i)], i, 1);
    }
    g->addWidget(new QLabel(QStringLiteral("Qualität des Bitmaps (1..4)"), rand), 4, 0);
    spin_[11] = new QSpinBox(rand);
    spin_[11]->setObjectName(QStringLiteral("SpinEdit11"));
    spin_[11]->setRange(1, 4);
    g->addWidget(spin_[11], 4, 1);
    h->addWidget(rand);
    h->addWidget(radioGruppe(QStringLiteral("Position der Parameter"),
                             QStringLiteral("RadioGroup1"),
                             {QStringLiteral("links oben"), QStringLiteral("links unten"),
                              QStringLiteral("rechts oben"), QStringLiteral("rechts unten")},
                             position_, teil));
    h->addWidget(radioGruppe(QStringLiteral("Art der Grafik"), QStringLiteral("Art"),
                             {QStringLiteral("normal X-Y"), QStringLiteral("Kreisdiagramm 0..360°"),
                              QStringLiteral("logX-Y-Diagramm"), QStringLiteral("X-logY-Diagramm"),
                              QStringLiteral("logX-logY-Diagramm")},
                             art_, teil));
    return teil;
}

void TSkalierung::fuellen(const ChartDaten& daten) {
    modell_.fuellen(daten);
    ausModell();
}

void TSkalierung::ausModell() {
    for (size_t i = 1; i < edit_.size(); ++i)
        edit_[i]->setText(modell_.Edit[i]);
    for (size_t i = 1; i < spin_.size(); ++i)
        spin_[i]->setValue(modell_.SpinEdit[i]);
    for (size_t i = 1; i < check_.size(); ++i)
        check_[i]->setChecked(modell_.CheckBox[i]);
    for (int i = 1; i <= kMaxGraphen; ++i)
        swatchZeigen(i);
    if (auto* knopf = position_->button(modell_.RadioGroup1))
        knopf->setChecked(true);
    if (auto* knopf = art_->button(modell_.Art))
        knopf->setChecked(true);
}

void TSkalierung::inModell() {
    for (size_t i = 1; i < edit_.size(); ++i)
        modell_.Edit[i] = edit_[i]->text();
    for (size_t i = 1; i < spin_.size(); ++i)
        modell_.SpinEdit[i] = spin_[i]->value();
    for (size_t i = 1; i < check_.size(); ++i)
        modell_.CheckBox[i] = check_[i]->isChecked();
    modell_.RadioGroup1 = std::max(0, position_->checkedId());
    modell_.Art = std::max(0, art_->checkedId());
}

void TSkalierung::swatchZeigen(int i) {
    const QColor farbe = QColor::fromRgb(zuQRgb(modell_.Farben[static_cast<size_t>(i)]));
    shape_[static_cast<size_t>(i)]->setStyleSheet(
        QStringLiteral("QToolButton { background-color: %1; min-width: 32px; }").arg(farbe.name()));
}

void TSkalierung::farbeGedrueckt(int i) {
    const QColor alt = QColor::fromRgb(zuQRgb(modell_.Farben[static_cast<size_t>(i)]));
    const QColor neu = QColorDialog::getColor(alt, this);
    if (!neu.isValid())
        return;
    modell_.farbeWaehlen(i, ausQRgb(neu.rgb()));
    swatchZeigen(i);
}

void TSkalierung::okGedrueckt() {
    inModell();
    modell_.ok();
    accept();
}

void TSkalierung::showEvent(QShowEvent* event) {
    modell_.angezeigt();
    QDialog::showEvent(event);
}

} // namespace drel::chart
