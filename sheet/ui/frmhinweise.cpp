#include "sheet/ui/frmhinweise.h"

#include "calc/artikelrechnung.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace drel::ui {

namespace {

// The labels in the window's order.
struct Notiz {
    const char* name;
    const char* text;
};
constexpr Notiz kNotizen[] = {
    {"zusatzk", QT_TRANSLATE_NOOP("TFrmHinweise", "Zusatzkuhlung erforderlich")},
    {"Label15", QT_TRANSLATE_NOOP("TFrmHinweise", "max. Uberhitzung 10K !")},
    {"anwendn1",
     QT_TRANSLATE_NOOP("TFrmHinweise", "Drehzahl: Einsatzgrenze beachten !  n zu gross")},
    {"anwendn2",
     QT_TRANSLATE_NOOP("TFrmHinweise", "Drehzahl: Einsatzgrenze beachten !    n zu klein ")},
    {"anwendt01", QT_TRANSLATE_NOOP("TFrmHinweise", "t0: Einsatzgrenze beachten !    t0 zu gross")},
    {"anwendtc1", QT_TRANSLATE_NOOP("TFrmHinweise", "tc: Einsatzgrenze beachten !    tc zu gross")},
    {"anwendt02", QT_TRANSLATE_NOOP("TFrmHinweise", "t0: Einsatzgrenze beachten !    t0 zu klein")},
    {"anwendtc2", QT_TRANSLATE_NOOP("TFrmHinweise", "tc: Einsatzgrenze beachten !    tc zu klein")},
    {"Label25", QT_TRANSLATE_NOOP("TFrmHinweise", "Einsatzgrenze beachten ! (t0, tc, toh)")},
    {"Label26",
     QT_TRANSLATE_NOOP("TFrmHinweise", "Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.")},
    {"Label27",
     QT_TRANSLATE_NOOP("TFrmHinweise", "Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei")},
    {"Label28",
     QT_TRANSLATE_NOOP("TFrmHinweise", "Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.")},
    {"LeistAufn", QT_TRANSLATE_NOOP("TFrmHinweise", "Maximale Leistungsaufnahme uberschritten !")},
    {"LeistAufn2", QT_TRANSLATE_NOOP("TFrmHinweise", "Siehe Technische Daten.")},
};

constexpr int kRand = 12; // left margin of the labels

} // namespace

TFrmHinweise::TFrmHinweise(QWidget* parent) : TDForm(parent, Qt::Tool) {
    setObjectName(QStringLiteral("TFrmHinweise"));
    texte().fensterTitel(this, QT_TR_NOOP("Hinweise"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(kRand, 10, kRand, 10);
    v->setSpacing(4);
    QFont fett = font();
    fett.setBold(true);
    for (const Notiz& n : kNotizen) {
        // The texts are listed under the plain class name, which tr() of a class in a
        // namespace would not find.
        auto* l = new QLabel(this);
        texte().eigeneIn("TFrmHinweise", l, n.text, [l](const QString& t) { l->setText(t); });
        l->setObjectName(QString::fromLatin1(n.name));
        l->setFont(fett);
        l->setStyleSheet(QStringLiteral("color: rgb(170, 0, 0);"));
        l->hide();
        v->addWidget(l);
        labels_.insert(l->objectName(), l);
    }
    auto* knoepfe = new QHBoxLayout;
    Button1_ = new QPushButton(QStringLiteral("i"), this);
    Button1_->setObjectName(QStringLiteral("Button1"));
    Button1_->setFixedWidth(28);
    Button1_->hide();
    auto* schliessen = texte().text(new QPushButton(this), QT_TR_NOOP("Schließen"));
    schliessen->setObjectName(QStringLiteral("BitBtn1"));
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    knoepfe->addWidget(Button1_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    v->addStretch(1);
    v->addLayout(knoepfe);
}

void TFrmHinweise::setzen(const calc::ArtikelHinweise& h) {
    const std::pair<const char*, bool> sichtbar[] = {
        {"zusatzk", h.zusatzk},     {"Label15", h.Label15},       {"anwendn1", h.anwendn1},
        {"anwendn2", h.anwendn2},   {"anwendt01", h.anwendt01},   {"anwendtc1", h.anwendtc1},
        {"anwendt02", h.anwendt02}, {"anwendtc2", h.anwendtc2},   {"Label25", h.Label25},
        {"Label26", h.Label26},     {"Label27", h.Label27},       {"Label28", h.Label28},
        {"LeistAufn", h.LeistAufn}, {"LeistAufn2", h.LeistAufn2},
    };
    for (const auto& [name, an] : sichtbar)
        labels_.value(QString::fromLatin1(name))->setVisible(an);
    Button1_->setVisible(h.Button1);
}

bool TFrmHinweise::einerSichtbar() const {
    for (const QLabel* l : labels_)
        if (!l->isHidden())
            return true;
    return false;
}

void TFrmHinweise::breiteAnpassen() {
    int breit = 0;
    for (const QLabel* l : labels_)
        if (!l->isHidden())
            breit = std::max(breit, l->sizeHint().width());
    adjustSize();
    resize(std::max(breit + 2 * kRand, 260), sizeHint().height());
}

void TFrmHinweise::ZeigenOderSchliessen() {
    if (!einerSichtbar()) {
        close();
        return;
    }
    breiteAnpassen();
    show();
    raise();
}

} // namespace drel::ui
