// How the data sheet window is built: header, inputs, outputs, pages and menu.
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/reiterumbruch.h"
#include "base/ui/symbole.h"
#include "base/ui/tddbcombo.h"
#include "base/ui/tdedit.h"
#include "base/ui/tdhilfe.h"
#include "calc/einheiten.h"
#include "chart/ui/tdchart.h"
#include "db/errorboundary.h"
#include "search/ergebnisliste.h"
#include "sheet/blattjson.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace drel::ui {

using sheet::Eingabe;

namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent, int tag = -1) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (tag >= 0)
        l->setProperty("tag", tag);
    return l;
}

QWidget* panel(const char* name, QWidget* parent, int tag = 99) {
    auto* p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setProperty("tdArt", QStringLiteral("Panel"));
    p->setProperty("tag", tag);
    return p;
}

// Temperature unit labels keep room for their longest caption ("°C", "°F", "K", "R"), so
// that switching the units does not move the fields.
QLabel* einheitLabel(const char* name, const QString& text, QWidget* parent, int tag) {
    QLabel* l = label(name, text, parent, tag);
    const QFontMetrics fm = l->fontMetrics();
    l->setMinimumWidth(std::max({fm.horizontalAdvance(QStringLiteral("°C")),
                                 fm.horizontalAdvance(QStringLiteral("°F")),
                                 fm.horizontalAdvance(QStringLiteral("K")),
                                 fm.horizontalAdvance(QStringLiteral("R"))}) +
                       4);
    return l;
}

// A step button: two small arrow buttons above each other.
QWidget* stufenKnopf(const char* name, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    for (Qt::ArrowType pfeil : {Qt::UpArrow, Qt::DownArrow}) {
        auto* b = new QToolButton(w);
        b->setArrowType(pfeil);
        b->setObjectName(QString::fromLatin1(name) +
                         (pfeil == Qt::UpArrow ? QStringLiteral("Up") : QStringLiteral("Down")));
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        v->addWidget(b);
    }
    return w;
}

// The page "Einsatzgrenzen": the limit diagram as large as it fits, between the
// proportions 1.2 : 1 and 1.8 : 1 (flatter or taller, the chart's number font, which
// follows the diagonal, leaves no room for the axis captions), and the legend column
// right beside it.
class DiagrammFlaeche : public QWidget {
public:
    using QWidget::QWidget;
    void setzeTeile(QWidget* chart, QWidget* spalte) {
        chart_ = chart;
        spalte_ = spalte;
        setMinimumSize(sheet::kDiagrammGroesse.width() / 2 + kSpalteMin + kAbstand,
                       sheet::kDiagrammGroesse.height() / 2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override {
        return sheet::kDiagrammGroesse + QSize(kSpalteMin + kAbstand, 0);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (!chart_ || !spalte_)
            return;
        const int spalte = std::clamp(width() * 3 / 10, kSpalteMin, kSpalteMax);
        const QSize c = sheet::diagrammFlaeche(QSize(width() - spalte - kAbstand, height()));
        chart_->setGeometry(QRect(QPoint(0, 0), c));
        const int links = c.width() + kAbstand;
        spalte_->setGeometry(links, 0, std::min(kSpalteMax, width() - links), height());
    }

private:
    static constexpr int kSpalteMin = 160;
    static constexpr int kSpalteMax = 300;
    static constexpr int kAbstand = 12;
    QWidget* chart_ = nullptr;
    QWidget* spalte_ = nullptr;
};

} // namespace

TFrmTechnik::TFrmTechnik(db::TDataModule1& dm, fluid::TStoff& stoff,
                         const calc::Einheiten& einheiten, QWidget* parent)
    : TDForm(parent), blatt_(dm, stoff, einheiten), modell_(blatt_.modell()),
      einheiten_(einheiten) {
    // Docked, the sheet is a plain child of the main window's content area.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("TFrmTechnik"));
    setProperty("helpContext", kHilfeThemaDatenblatt);
    texte().fensterTitel(this, QT_TR_NOOP("Technische Daten"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(4);
    v->addWidget(kopfAnlegen());
    auto* oben = new QHBoxLayout;
    oben->setSpacing(6);
    oben->addWidget(eingabenAnlegen(), 0, Qt::AlignTop);
    oben->addWidget(ausgabenAnlegen(), 0, Qt::AlignTop);
    oben->addStretch(1);
    v->addLayout(oben);
    // SEPR and provenance each on rows of their own across the sheet, wrapped at its
    // width: the lines of a blend's property model are longer than the sheet is wide.
    lblSepr_ = label("lblSepr", QString(), this);
    lblSepr_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblSepr_->setWordWrap(true);
    lblHerkunft_ = label("lblHerkunft", QString(), this);
    lblHerkunft_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblHerkunft_->setWordWrap(true);
    QFont klein = lblHerkunft_->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    lblHerkunft_->setFont(klein);
    v->addWidget(lblSepr_);
    v->addWidget(lblHerkunft_);
    v->addWidget(seitenAnlegen(), 1);
    menueAnlegen();
    hinweise_ = new TFrmHinweise(this);
    ausModell();
}

// FormDestroy: the performance-table ranges go back into Tab.ini.
QWidget* TFrmTechnik::kopfAnlegen() {
    auto* kopf = panel("Panel1", this, 0);
    auto* h = new QHBoxLayout(kopf);
    h->setContentsMargins(0, 0, 0, 0);
    auto knopf = [&](const char* name, Symbol bild, const char* hinweis) {
        auto* b = new QPushButton(symbol(bild), QString(), kopf);
        b->setObjectName(QString::fromLatin1(name));
        texte().tipp(b, hinweis);
        b->setFixedSize(30, 26);
        h->addWidget(b);
        return b;
    };
    CancelBtn_ = knopf("CancelBtn", Symbol::Zurueck, QT_TR_NOOP("Zuruck"));
    btnUnlock_ = knopf("btnUnlock", Symbol::Abkoppeln, QT_TR_NOOP("Alternativer Verdichter"));
    btnLock_ = knopf("btnLock", Symbol::Einklinken, QT_TR_NOOP("Diese Seite einklinken"));
    btnLock_->hide();
    BitBtn3_ = knopf("BitBtn3", Symbol::Drucken, QT_TR_NOOP("Suchergebnis drucken"));
    connect(BitBtn3_, &QPushButton::clicked, this, &TFrmTechnik::BitBtn3Click);
    JsonBtn_ = knopf("JsonBtn", Symbol::Speichern, QT_TR_NOOP("Speichern als JSON"));
    connect(JsonBtn_, &QPushButton::clicked, this, &TFrmTechnik::JsonSpeichernClick);
    auto* titel = texte().text(label("Label1", QString(), kopf, 1), QT_TR_NOOP("Technische Daten"));
    titel->setStyleSheet(QStringLiteral("color: white;"));
    QFont f = titel->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    titel->setFont(f);
    h->addSpacing(8);
    h->addWidget(titel);
    h->addStretch(1);
    h->addWidget(zertPanelAnlegen(kopf));
    connect(CancelBtn_, &QPushButton::clicked, this, &TFrmTechnik::CancelBtnClick);
    connect(btnUnlock_, &QPushButton::clicked, this, &TFrmTechnik::btnUnlockClick);
    connect(btnLock_, &QPushButton::clicked, this, &TFrmTechnik::btnLockClick);
    return kopf;
}

TDEdit* TFrmTechnik::eingabeAnlegen(Eingabe e, const char* name, const char* spinName,
                                    int nachKomma, QGridLayout* raster, int zeile, int spalte,
                                    QLabel* beschriftung, QLabel* einheit) {
    auto* edit = new TDEdit(raster->parentWidget());
    edit->setObjectName(QString::fromLatin1(name));
    edit->setNachKomma(nachKomma);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(64);
    edit->setTastenRegel([e](QChar c) { return sheet::TechnikModell::tasteErlaubt(e, c); });
    if (beschriftung) {
        // Long captions of other languages break between words instead of being cut.
        beschriftung->setWordWrap(true);
        raster->addWidget(beschriftung, zeile, spalte);
    }
    raster->addWidget(edit, zeile, spalte + 1);
    if (spinName) {
        QWidget* stufe = stufenKnopf(spinName, raster->parentWidget());
        raster->addWidget(stufe, zeile, spalte + 2);
        stufen_.insert(e, stufe);
        const auto knoepfe = stufe->findChildren<QToolButton*>();
        for (QToolButton* b : knoepfe) {
            const int richtung = b->arrowType() == Qt::UpArrow ? 1 : -1;
            connect(b, &QToolButton::clicked, this, [this, e, richtung] { schritt(e, richtung); });
        }
    }
    if (einheit)
        raster->addWidget(einheit, zeile, spalte + 3);
    eingaben_.insert(e, edit);
    connect(edit, &TDEdit::verlassen, this, [this, e] { feldVerlassen(e); });
    connect(edit, &QLineEdit::returnPressed, this, [this, e] { feldVerlassen(e); });
    return edit;
}

QWidget* TFrmTechnik::eingabenAnlegen() {
    auto* box = panel("Panel2", this);
    auto* r = new QGridLayout(box);
    r->setContentsMargins(0, 0, 0, 0);
    r->setHorizontalSpacing(4);
    r->setVerticalSpacing(3);

    // Type, refrigerant, motor (columns 0 to 4).
    auto umbrechend = [](QLabel* l) {
        l->setWordWrap(true);
        return l;
    };
    r->addWidget(umbrechend(texte().text(label("Label2", QString(), box), QT_TR_NOOP("Typ"))), 0,
                 0);
    ComboBox1_ = new TDDBCombo(box);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setEditable(true);
    ComboBox1_->setMinimumWidth(
        ComboBox1_->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW-WW")) +
        ComboBox1_->iconSize().width());
    ComboBox1_->installEventFilter(this);
    ComboBox1_->lineEdit()->installEventFilter(this);
    r->addWidget(ComboBox1_, 0, 1, 1, 4);
    r->addWidget(
        umbrechend(texte().text(label("Label3", QString(), box), QT_TR_NOOP("Kaltemittel"))), 1, 0);
    KMListbox_ = new QComboBox(box);
    KMListbox_->setObjectName(QStringLiteral("KMListbox"));
    r->addWidget(KMListbox_, 1, 1, 1, 4);
    QLabel* motorLabel =
        umbrechend(texte().text(label("MotorComboText", QString(), box), QT_TR_NOOP("Motor")));
    teile_.insert(QStringLiteral("MotorComboText"), motorLabel);
    r->addWidget(motorLabel, 2, 0);
    MotorCombo_ = texte().text(label("MotorCombo", QString(), box),
                               QT_TR_NOOP("220-240V ∆ /380-420V S 50Hz"));
    MotorCombo_->setWordWrap(true);
    r->addWidget(MotorCombo_, 2, 1, 1, 4);

    auto teil = [&](QLabel* l) {
        teile_.insert(l->objectName(), l);
        return l;
    };
    teil(umbrechend(
        texte().text(label("Label13", QString(), box), QT_TR_NOOP("Frequenz Verdichter 1"))));
    r->addWidget(teile_.value(QStringLiteral("Label13")), 3, 0);
    eingabeAnlegen(Eingabe::ediHz, "ediHz", "SpinButton2", 0, r, 3, 0,
                   teil(texte().text(label("Label10", QString(), box), QT_TR_NOOP("Frequenz"))),
                   teil(texte().text(label("Label11", QString(), box), QT_TR_NOOP("Hz"))));
    cmbHZ_ = new QComboBox(box);
    cmbHZ_->setObjectName(QStringLiteral("cmbHZ"));
    cmbHZ_->addItems({QStringLiteral("50"), QStringLiteral("60")});
    r->addWidget(cmbHZ_, 3, 1, 1, 2);
    connect(cmbHZ_, &QComboBox::activated, this, [this](int i) {
        if (zeigt_)
            return;
        rechnen([&] { modell_.cmbHZSelect(cmbHZ_->itemText(i)); });
        ausModell();
    });
    eingabeAnlegen(Eingabe::ediN, "ediN", "SpinButton1", 0, r, 4, 0,
                   teil(texte().text(label("Label21", QString(), box), QT_TR_NOOP("Drehzahl"))),
                   teil(texte().text(label("Label9", QString(), box), QT_TR_NOOP("1/min"))));
    eingabeAnlegen(
        Eingabe::ediHZ2, "ediHZ2", "SpinButton3", 0, r, 5, 0,
        teil(texte().text(label("Label14", QString(), box), QT_TR_NOOP("Frequenz Verdichter 2"))),
        teil(texte().text(label("Label16", QString(), box), QT_TR_NOOP("Hz"))));
    pol_ = new QPushButton(modell_.pol.text, box);
    pol_->setObjectName(QStringLiteral("pol"));
    r->addWidget(pol_, 6, 0, 1, 5);
    connect(pol_, &QPushButton::clicked, this, [this] {
        rechnen([&] { modell_.polClick(); });
        ausModell();
    });

    // Temperatures (columns 5 to 9).
    r->setColumnMinimumWidth(5, 8);
    const int s = 6;
    eingabeAnlegen(
        Eingabe::t0, "t0", "Spt0", 1, r, 0, s,
        texte().text(label("Label7", QString(), box), QT_TR_NOOP("Verdampfungstemperatur")),
        einheitLabel("Label17", QStringLiteral("°C"), box, 5));
    eingabeAnlegen(
        Eingabe::tc, "tc", "Sptc", 1, r, 1, s,
        teil(texte().text(label("Label6", QString(), box), QT_TR_NOOP("Verflussigungstemperatur"))),
        einheitLabel("Label18", QStringLiteral("°C"), box, 5));
    TDEdit* tcle = eingabeAnlegen(Eingabe::tcle, "tcle", nullptr, 1, r, 1, s, nullptr, nullptr);
    tcle->setReadOnly(true);
    eingabeAnlegen(
        Eingabe::tle, "tle", "Sptle", 1, r, 2, s,
        teil(texte().text(label("tletxt", QString(), box), QT_TR_NOOP("Lufteintrittstemperatur"))),
        teil(einheitLabel("tletxt2", QStringLiteral("°C"), box, 5)));
    eingabeAnlegen(Eingabe::tu, "tu", "sptu", 0, r, 3, s,
                   teil(texte().text(label("Label4", QString(), box), QT_TR_NOOP("Unterkuhlung"))),
                   teil(einheitLabel("Label12", QStringLiteral("K"), box, 6)));
    eingabeAnlegen(Eingabe::tsaug, "tsaug", "sptsaug", 1, r, 4, s,
                   texte().text(label("Label8", QString(), box), QT_TR_NOOP("Sauggastemperatur")),
                   einheitLabel("Label20", QStringLiteral("°C"), box, 5));
    eingabeAnlegen(
        Eingabe::tue, "tue", "sptue", 0, r, 5, s,
        texte().text(label("Label5", QString(), box), QT_TR_NOOP("Uberhitzung (Verdampfer)")),
        einheitLabel("Label22", QStringLiteral("K"), box, 6));
    auto* panel13 = teil(umbrechend(texte().text(
        label("Panel13", QString(), box), QT_TR_NOOP("Temperatur am Zwischenkuhleraustritt"))));
    r->addWidget(panel13, 6, s);
    QToolButton* image3 = hilfeKnopf("Image3", 3, box);
    teile_.insert(QStringLiteral("Image3"), image3);
    r->addWidget(image3, 6, s + 2);
    auto* tFUA = new QLineEdit(box);
    tFUA->setObjectName(QStringLiteral("tFUA"));
    tFUA->setReadOnly(true);
    tFUA->setFixedWidth(64);
    tFUA->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r->addWidget(tFUA, 6, s + 1);
    ausgaben_.insert(QStringLiteral("tFUA"), tFUA);
    teile_.insert(QStringLiteral("Panel16"),
                  teil(einheitLabel("Panel16", QStringLiteral("°C"), box, 5)));
    r->addWidget(teile_.value(QStringLiteral("Panel16")), 6, s + 3);

    connect(ComboBox1_, &QComboBox::activated, this, [this](int i) {
        if (zeigt_)
            return;
        rechnen([&] { modell_.typWaehlen(ComboBox1_->itemText(i)); });
        ausModell();
    });
    connect(KMListbox_, &QComboBox::activated, this, [this](int i) {
        if (zeigt_)
            return;
        rechnen([&] { modell_.kaeltemittelWaehlen(KMListbox_->itemText(i)); });
        ausModell();
    });
    return box;
}

QLineEdit* TFrmTechnik::ausgabeAnlegen(const char* name, QGridLayout* raster, int zeile,
                                       int spalte) {
    auto* e = new QLineEdit(raster->parentWidget());
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus); // output fields never keep the focus
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setFixedWidth(78);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, QColor(240, 240, 240));
    e->setPalette(p);
    raster->addWidget(e, zeile, spalte);
    ausgaben_.insert(e->objectName(), e);
    return e;
}

// The certificate logos with their two labels; a click on a label is a click on the
// first logo.
QWidget* TFrmTechnik::zertPanelAnlegen(QWidget* kopf) {
    ZertPanel_ = new QWidget(kopf);
    ZertPanel_->setObjectName(QStringLiteral("ZertPanel"));
    auto* h = new QHBoxLayout(ZertPanel_);
    h->setContentsMargins(0, 0, 4, 0);
    h->setSpacing(4);
    auto* beschriftung = new QVBoxLayout;
    beschriftung->setSpacing(0);
    for (const auto& [name, text] :
         {std::pair{"lblZert1", QT_TR_NOOP("Referenzbedingungen")},
          std::pair{"lblZert2", QT_TR_NOOP("fur ASERCOM-Zertifizierung")}}) {
        auto* b = new QToolButton(ZertPanel_);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoRaise(true);
        b->setStyleSheet(QStringLiteral("color: white; border: none; padding: 0;"));
        texte().text(b, text);
        connect(b, &QToolButton::clicked, this, [this] { zertKlick(1); });
        beschriftung->addWidget(b, 0, Qt::AlignRight);
    }
    h->addLayout(beschriftung);
    for (int i = 0; i < 3; ++i) {
        auto* logo = new QToolButton(ZertPanel_);
        logo->setObjectName(QStringLiteral("ZertLogo%1").arg(i + 1));
        logo->setAutoRaise(true);
        logo->setIconSize(QSize(34, 34));
        logo->setFixedSize(38, 38);
        connect(logo, &QToolButton::clicked, this, [this, i] { zertKlick(i + 1); });
        h->addWidget(logo);
        ZertLogo_[i] = logo;
    }
    ZertPanel_->hide();
    return ZertPanel_;
}

// An information icon beside a label; `bild` names the help text it opens.
QToolButton* TFrmTechnik::hilfeKnopf(const char* name, int bild, QWidget* parent) {
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoRaise(true);
    knopf->setIcon(symbol(Symbol::Info));
    knopf->setIconSize(QSize(14, 14));
    knopf->setFixedSize(18, 18);
    texte().tipp(knopf, QT_TR_NOOP("Erlauterung"));
    connect(knopf, &QToolButton::clicked, this, [this, bild] { hilfeTextKlick(bild); });
    return knopf;
}

QWidget* TFrmTechnik::ausgabenAnlegen() {
    auto* box = panel("Panel10", this);
    auto* r = new QGridLayout(box);
    r->setContentsMargins(8, 0, 0, 0);
    r->setHorizontalSpacing(4);
    r->setVerticalSpacing(3);
    auto teil = [&](QLabel* l) {
        teile_.insert(l->objectName(), l);
        return l;
    };
    // Column heads of the two-compressor panel.
    QFont fett = font();
    fett.setBold(true);
    int k = 0;
    for (const char* kopf : {"1:", "2:", "1+2:"}) {
        QLabel* l = teil(label(QByteArray("Panel9Kopf").append(QByteArray::number(++k)).constData(),
                               QString::fromLatin1(kopf), box));
        l->setFont(fett);
        l->setAlignment(Qt::AlignRight);
        r->addWidget(l, 0, k);
    }
    struct Zeile {
        const char* labelName;
        const char* text;
        const char* v1;
        const char* v2;
        const char* summe;
        QString einheit;
        int tag;
    };
    const Zeile zeilen[] = {
        {"Label23", QT_TR_NOOP("Verdichterkalteleistung"), "Q2V1", "Q2V2", "Q2",
         QStringLiteral("kW"), 3},
        {"Label24", QT_TR_NOOP("Verdampferkalteleistung"), "Q3V1", "Q3V2", "Q3",
         QStringLiteral("kW"), 3},
        {"Label52", QT_TR_NOOP("Leistungsaufnahme"), "panV1", "panV2", "pan", QStringLiteral("kW"),
         4},
        {"stromtext", QT_TR_NOOP("Stromaufnahme"), "StromV1", "StromV2", "strom",
         QStringLiteral("A"), -1},
        {"Label29", QT_TR_NOOP("Kalteleistungszahl (COP)"), nullptr, nullptr, "Edit4", QString(),
         -1},
        {"Label30", QT_TR_NOOP("Verflussigungsleistung"), nullptr, nullptr, "Edit7",
         QStringLiteral("kW"), 3},
        {"Label31", QT_TR_NOOP("Massenstrom"), nullptr, nullptr, "Edit5", QStringLiteral("kg/s"),
         -1},
    };
    int zeile = 1;
    for (const Zeile& z : zeilen) {
        QLabel* beschriftung = teil(texte().text(label(z.labelName, QString(), box), z.text));
        beschriftung->setWordWrap(true);
        r->addWidget(beschriftung, zeile, 0);
        if (z.v1) {
            ausgabeAnlegen(z.v1, r, zeile, 1);
            ausgabeAnlegen(z.v2, r, zeile, 2);
        }
        ausgabeAnlegen(z.summe, r, zeile, 3);
        QLabel* einheit =
            teil(label((QByteArray(z.summe) + "Einheit").constData(), z.einheit, box, z.tag));
        r->addWidget(einheit, zeile, 4);
        ++zeile;
    }
    // The help icons beside the two cooling capacities.
    r->addWidget(hilfeKnopf("Image4", 4, box), 1, 5);
    r->addWidget(hilfeKnopf("Image5", 5, box), 2, 5);
    // Open compressors: drive power and torque in the rows of power and current.
    r->addWidget(
        teil(texte().text(label("Label19", QString(), box), QT_TR_NOOP("Antriebsleistung"))), 3, 0);
    r->addWidget(
        teil(texte().text(label("drehmomenttext", QString(), box), QT_TR_NOOP("Drehmoment"))), 4,
        0);
    ausgabeAnlegen("spannung", r, 4, 3);
    r->addWidget(teil(texte().text(label("DrehmomentText2", QString(), box), QT_TR_NOOP("Nm"))), 4,
                 4);
    QWidget* stromEinheit = teile_.take(QStringLiteral("stromEinheit"));
    stromEinheit->setObjectName(QStringLiteral("StromText2"));
    teile_.insert(QStringLiteral("StromText2"), stromEinheit);
    return box;
}

QWidget* TFrmTechnik::grenzSeiteAnlegen() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TabSheet3"));
    auto* h = new QHBoxLayout(seite);
    h->setContentsMargins(6, 6, 6, 6);
    // The diagram draws itself anew at every size, so it stays sharp as the window grows.
    auto* flaeche = new DiagrammFlaeche(seite);
    flaeche->setObjectName(QStringLiteral("DiagrammFlaeche"));
    DChart1_ = new chart::TDChart(flaeche);
    DChart1_->setObjectName(QStringLiteral("DChart1"));
    h->addWidget(flaeche);
    auto* spalte = new QWidget(flaeche);
    auto* legenden = new QVBoxLayout(spalte);
    legenden->setContentsMargins(0, 0, 0, 0);
    legenden->setSpacing(6);
    for (int i = 0; i < 3; ++i) {
        LegPnl_[i] =
            panel(QByteArray("LegPnl").append(QByteArray::number(i + 1)).constData(), spalte);
        auto* zeile = new QHBoxLayout(LegPnl_[i]);
        zeile->setContentsMargins(0, 0, 0, 0);
        auto* feld = new QLabel(LegPnl_[i]);
        feld->setFixedSize(28, 14);
        const QColor c = QColor::fromRgb(chart::zuQRgb(sheet::kLegendenFarbe[i]));
        feld->setStyleSheet(
            QStringLiteral("background: %1; border: 1px solid blue;").arg(c.name()));
        lblLeg_[i] = label(QByteArray("lblLeg").append(QByteArray::number(i + 1)).constData(),
                           QString(), LegPnl_[i]);
        lblLeg_[i]->setWordWrap(true);
        zeile->addWidget(feld, 0, Qt::AlignTop);
        zeile->addWidget(lblLeg_[i], 1);
        legenden->addWidget(LegPnl_[i]);
        LegPnl_[i]->hide();
    }
    // The envelope margin of the point, under the legend.
    lblRand_ = label("lblRand", QString(), spalte);
    lblRand_->setWordWrap(true);
    legenden->addWidget(lblRand_);
    legenden->addStretch(1);
    flaeche->setzeTeile(DChart1_, spalte);
    return seite;
}

QWidget* TFrmTechnik::seitenAnlegen() {
    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    reiterUmbrechen(PageControl1_);
    // The product pages fill themselves from their models when first shown for an
    // article and refrigerant (seiteFuellen).
    auto* technik = new TechnDatenTab;
    auto* liefer = new TextTab;
    auto* zubehoer = new TextTab;
    const auto typ = [this] { return modell_.ComboBox1Text; };
    auto* masse = new MasseTab(typ);
    auto* foto = new FotoTab(typ);
    masse_ = masse;
    foto_ = foto;
    const std::pair<QWidget*, const char*> namen[] = {{technik, "TabSheet2"},
                                                      {liefer, "TabSheet6"},
                                                      {zubehoer, "TabSheet5"},
                                                      {masse, "TabSheet4"},
                                                      {foto, "TabSheet1"}};
    for (const auto& [seite, name] : namen)
        seite->setObjectName(QString::fromLatin1(name));
    fueller_.insert(technik, [this, technik] { technik->zeigen(blatt_.technDaten()); });
    fueller_.insert(liefer, [this, liefer] { liefer->zeigen(blatt_.lieferumfang()); });
    fueller_.insert(zubehoer, [this, zubehoer] { zubehoer->zeigen(blatt_.zubehoer()); });
    texte().reiter(PageControl1_, PageControl1_->addTab(technik, QString()),
                   QT_TR_NOOP("Techn. Daten"));
    texte().reiter(PageControl1_, PageControl1_->addTab(grenzSeiteAnlegen(), QString()),
                   QT_TR_NOOP("Einsatzgrenzen"));
    texte().reiter(PageControl1_, PageControl1_->addTab(liefer, QString()),
                   QT_TR_NOOP("Lieferumfang"));
    texte().reiter(PageControl1_, PageControl1_->addTab(zubehoer, QString()),
                   QT_TR_NOOP("Zubehor"));
    texte().reiter(PageControl1_, PageControl1_->addTab(masse, QString()),
                   QT_TR_NOOP("Masse und Anschlusse"));
    texte().reiter(PageControl1_, PageControl1_->addTab(foto, QString()),
                   QT_TR_NOOP("Produktfoto"));
    tabelle_ = new TabelleTab(blatt_);
    tabelle_->setObjectName(QStringLiteral("TabSheet7"));
    fueller_.insert(tabelle_, [this] { tabelle_->fuellen(); });
    connect(tabelle_, &TabelleTab::punktUebernehmen, this,
            [this](const sheet::PunktUebernahme& punkt) {
                rechnen([&] { modell_.GridMouseUp(punkt); });
                ausModell();
            });
    texte().reiter(PageControl1_, PageControl1_->addTab(tabelle_, QString()),
                   QT_TR_NOOP("Tabelle Leistungsdaten"));
    auto* ausschreibung = new AusschreibungTab(blatt_);
    ausschreibung_ = ausschreibung;
    fueller_.insert(ausschreibung, [ausschreibung] { ausschreibung->BitBtn5Click(); });
    TabSheet8_ = ausschreibung;
    TabSheet8_->setObjectName(QStringLiteral("TabSheet8"));
    texte().reiter(PageControl1_, PageControl1_->addTab(TabSheet8_, QString()),
                   QT_TR_NOOP("Ausschreibungstexte"));
    PageControl1_->setCurrentIndex(0);
    // Room for the diagram at half its stored size; it grows with the window.
    PageControl1_->setMinimumHeight(sheet::kDiagrammGroesse.height() / 2 + 60);
    connect(PageControl1_, &QTabWidget::currentChanged, this, [this] {
        if (zeigt_)
            return;
        modell_.setEinsatzgrenzenAktiv(PageControl1_->currentWidget()->isAncestorOf(DChart1_));
        ausModell();
    });
    return PageControl1_;
}

void TFrmTechnik::menueAnlegen() {
    TechMenu_ = texte().titel(new QMenu(this), QT_TR_NOOP("Extras"));
    TechMenu_->setObjectName(QStringLiteral("TechMenu"));
    auto eintrag = [&](const char* name, const char* text) {
        QAction* a = texte().text(TechMenu_->addAction(QString()), text);
        a->setObjectName(QString::fromLatin1(name));
        a->setProperty("tag", -99);
        return a;
    };
    eintrag("Ausschreibungstexte1", QT_TR_NOOP("Ausschreibungstexte"))->setVisible(false);
    Alternativ_ = eintrag("AlternativVerdichter1", QT_TR_NOOP("Alternativ-Verdichter"));
    AlternativSchliessen_ =
        eintrag("AlternativVerdichterschlieen1", QT_TR_NOOP("Alternativ-Verdichter schließen"));
    AlternativSchliessen_->setVisible(false);
    QAction* drucken = eintrag("Drucken1", QT_TR_NOOP("Drucken"));
    drucken->setIcon(symbol(Symbol::Drucken));
    connect(drucken, &QAction::triggered, BitBtn3_, &QPushButton::click);
    QAction* json = eintrag("JsonSpeichern1", QT_TR_NOOP("Speichern als JSON"));
    json->setIcon(symbol(Symbol::Speichern));
    connect(json, &QAction::triggered, this, &TFrmTechnik::JsonSpeichernClick);
    QAction* hilfe = eintrag("Hilfe1", QT_TR_NOOP("Hilfe"));
    hilfe->setIcon(symbol(Symbol::Hilfe));
    connect(hilfe, &QAction::triggered, this, [this] { hilfeAnfordern(hilfeThema(this)); });
    QAction* zurueckAction = eintrag("ZurckzurSuche1", QT_TR_NOOP("Zuruck zur Suche"));
    zurueckAction->setIcon(symbol(Symbol::Zurueck));
    TechMenu_->menuAction()->setProperty("tag", -99);
    connect(Alternativ_, &QAction::triggered, this, &TFrmTechnik::btnUnlockClick);
    connect(AlternativSchliessen_, &QAction::triggered, this, &TFrmTechnik::btnLockClick);
    connect(zurueckAction, &QAction::triggered, this, &TFrmTechnik::CancelBtnClick);
}

// ---------------------------------------------------------------- events

} // namespace drel::ui
