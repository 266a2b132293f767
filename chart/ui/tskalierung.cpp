#include "chart/ui/tskalierung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
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

} // namespace

// Captions keep their source text so that a language change can set them again.
template <class W> W* TSkalierung::beschriften(W* widget, const char* quelle) {
    if constexpr (std::is_base_of_v<QGroupBox, W>)
        return texte().titel(widget, quelle);
    else
        return texte().text(widget, quelle);
}

QGroupBox* TSkalierung::radioGruppe(const char* titel, const QString& name,
                                    std::initializer_list<const char*> texte, QButtonGroup*& gruppe,
                                    QWidget* parent) {
    auto* box = beschriften(new QGroupBox(parent), titel);
    box->setObjectName(name);
    auto* layout = new QVBoxLayout(box);
    gruppe = new QButtonGroup(box);
    int i = 0;
    for (const char* text : texte) {
        auto* knopf = beschriften(new QRadioButton(box), text);
        gruppe->addButton(knopf, i++);
        layout->addWidget(knopf);
    }
    return box;
}

QLabel* TSkalierung::label(const char* quelle, QWidget* parent) {
    return beschriften(new QLabel(parent), quelle);
}

TSkalierung::TSkalierung(QWidget* parent) : MitQuelltexten(parent) {
    setObjectName(QStringLiteral("Skalierung"));
    texte().fensterTitel(this, QT_TR_NOOP("Einstellungen"));
    setProperty("helpContext", kHilfeThemaDiagramm);
    auto* haupt = new QGridLayout(this);
    haupt->addWidget(achsenTeil(), 0, 0);
    haupt->addWidget(textTeil(), 0, 1);
    haupt->addWidget(graphenTeil(), 1, 0, 1, 2);
    haupt->addWidget(druckTeil(), 2, 0, 1, 2);

    auto* knoepfe = new QHBoxLayout;
    auto* ok = beschriften(new QPushButton(this), QT_TR_NOOP("&OK"));
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setDefault(true);
    auto* abbrechen = beschriften(new QPushButton(this), QT_TR_NOOP("&Abbrechen"));
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
    g->addWidget(label(QT_TR_NOOP("X-Achse"), box), 0, 1);
    g->addWidget(label(QT_TR_NOOP("Y-Achse"), box), 0, 2);
    const std::array<const char*, 5> zeilen{
        QT_TR_NOOP("Minimum-Wert"), QT_TR_NOOP("Maximum-Wert"), QT_TR_NOOP("Schrittweite"),
        QT_TR_NOOP("Anzahl Dezimalstelle"), QT_TR_NOOP("Anzahl Nachkommastellen")};
    for (int i = 0; i < static_cast<int>(zeilen.size()); ++i) {
        g->addWidget(label(zeilen[static_cast<size_t>(i)], box), i + 1, 0);
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
    const std::array<std::pair<int, const char*>, 6> felder{{{11, QT_TR_NOOP("Diagramm Titel:")},
                                                             {12, QT_TR_NOOP("X-Achse")},
                                                             {13, QT_TR_NOOP("Y-Achse")},
                                                             {14, QT_TR_NOOP("Legende 1")},
                                                             {15, QT_TR_NOOP("Legende 2")},
                                                             {16, QT_TR_NOOP("Legende 3")}}};
    g->addWidget(label(QT_TR_NOOP("Beschriftungen"), box), 1, 0);
    int zeile = 0;
    for (const auto& [nummer, text] : felder) {
        if (zeile == 1)
            ++zeile; // below the "Beschriftungen" heading
        g->addWidget(label(text, box), zeile, nummer == 11 ? 0 : 1);
        edit_[static_cast<size_t>(nummer)] = neuesEdit(nummer, box);
        g->addWidget(edit_[static_cast<size_t>(nummer)], zeile, 2);
        ++zeile;
    }
    return box;
}

QWidget* TSkalierung::graphenTeil() {
    auto* box = new QGroupBox(this);
    auto* g = new QGridLayout(box);
    const std::array<const char*, 5> kopf{QT_TR_NOOP("Farben"), QT_TR_NOOP("Linien"),
                                          QT_TR_NOOP("Kreuze"), QT_TR_NOOP("Strichstärke"),
                                          QT_TR_NOOP("Parameter (Texte)")};
    for (int s = 0; s < static_cast<int>(kopf.size()); ++s)
        g->addWidget(label(kopf[static_cast<size_t>(s)], box), 0, s + 1);
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
    auto* rand = beschriften(new QGroupBox(teil), QT_TR_NOOP("ungefähre Abstände beim Ausdruck"));
    auto* g = new QGridLayout(rand);
    const std::array<const char*, 4> texte{QT_TR_NOOP("Linker Rand [mm]"),
                                           QT_TR_NOOP("Breite [mm]"),
                                           QT_TR_NOOP("Oberer Rand [mm]"), QT_TR_NOOP("Höhe [mm]")};
    for (int i = 0; i < static_cast<int>(texte.size()); ++i) {
        g->addWidget(label(texte[static_cast<size_t>(i)], rand), i, 0);
        edit_[static_cast<size_t>(17 + i)] = neuesEdit(17 + i, rand);
        g->addWidget(edit_[static_cast<size_t>(17 + i)], i, 1);
    }
    g->addWidget(label(QT_TR_NOOP("Qualität des Bitmaps (1..4)"), rand), 4, 0);
    spin_[11] = new QSpinBox(rand);
    spin_[11]->setObjectName(QStringLiteral("SpinEdit11"));
    spin_[11]->setRange(1, 4);
    g->addWidget(spin_[11], 4, 1);
    h->addWidget(rand);
    h->addWidget(radioGruppe(QT_TR_NOOP("Position der Parameter"), QStringLiteral("RadioGroup1"),
                             {QT_TR_NOOP("links oben"), QT_TR_NOOP("links unten"),
                              QT_TR_NOOP("rechts oben"), QT_TR_NOOP("rechts unten")},
                             position_, teil));
    h->addWidget(radioGruppe(QT_TR_NOOP("Art der Grafik"), QStringLiteral("Art"),
                             {QT_TR_NOOP("normal X-Y"), QT_TR_NOOP("Kreisdiagramm 0..360°"),
                              QT_TR_NOOP("logX-Y-Diagramm"), QT_TR_NOOP("X-logY-Diagramm"),
                              QT_TR_NOOP("logX-logY-Diagramm")},
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
