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
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhinweise.h"

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
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
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

// Unit labels keep room for their longest caption ("°F", "Btu/h", "kcal/h").
QLabel* einheitLabel(const char* name, const QString& text, QWidget* parent, int tag) {
    QLabel* l = label(name, text, parent, tag);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("kcal/h")) + 4);
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

void setzeSichtbar(QWidget* w, bool an) {
    if (w && w->isVisibleTo(w->parentWidget()) != an)
        w->setVisible(an);
}

} // namespace

TFrmTechnik::TFrmTechnik(db::TDataModule1& dm, fluid::TStoff& stoff,
                         const calc::Einheiten& einheiten, QWidget* parent)
    : TDForm(parent), blatt_(dm, stoff, einheiten), modell_(blatt_.modell()),
      einheiten_(einheiten) {
    // Docked, the sheet is a plain child of the main window's content area.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("TFrmTechnik"));
    texte().fensterTitel(this, QT_TR_NOOP("Technische Daten"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(4);
    v->addWidget(kopfAnlegen());
    auto* oben = new QHBoxLayout;
    oben->setSpacing(10);
    oben->addWidget(eingabenAnlegen(), 0, Qt::AlignTop);
    oben->addWidget(ausgabenAnlegen(), 0, Qt::AlignTop);
    oben->addStretch(1);
    v->addLayout(oben);
    auto* herkunft = new QHBoxLayout;
    lblSepr_ = label("lblSepr", QString(), this);
    lblSepr_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblHerkunft_ = label("lblHerkunft", QString(), this);
    lblHerkunft_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont klein = lblHerkunft_->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    lblHerkunft_->setFont(klein);
    herkunft->addWidget(lblSepr_, 0, Qt::AlignTop);
    herkunft->addStretch(1);
    herkunft->addWidget(lblHerkunft_, 0, Qt::AlignTop);
    v->addLayout(herkunft);
    v->addWidget(seitenAnlegen(), 1);
    menueAnlegen();
    hinweise_ = new TFrmHinweise(this);
    ausModell();
}

// FormDestroy: the performance-table ranges go back into Tab.ini.
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

QWidget* TFrmTechnik::kopfAnlegen() {
    auto* kopf = panel("Panel1", this, 0);
    auto* h = new QHBoxLayout(kopf);
    h->setContentsMargins(0, 0, 0, 0);
    auto knopf = [&](const char* name, QStyle::StandardPixmap bild, const char* hinweis) {
        auto* b = new QPushButton(style()->standardIcon(bild), QString(), kopf);
        b->setObjectName(QString::fromLatin1(name));
        texte().tipp(b, hinweis);
        b->setFixedSize(30, 26);
        h->addWidget(b);
        return b;
    };
    CancelBtn_ = knopf("CancelBtn", QStyle::SP_ArrowBack, QT_TR_NOOP("Zuruck"));
    btnUnlock_ =
        knopf("btnUnlock", QStyle::SP_TitleBarNormalButton, QT_TR_NOOP("Alternativer Verdichter"));
    btnLock_ = knopf("btnLock", QStyle::SP_TitleBarMinButton, QT_TR_NOOP("Diese Seite einklinken"));
    btnLock_->hide();
    BitBtn3_ = knopf("BitBtn3", QStyle::SP_FileIcon, QT_TR_NOOP("Suchergebnis drucken"));
    connect(BitBtn3_, &QPushButton::clicked, this, &TFrmTechnik::BitBtn3Click);
    JsonBtn_ = knopf("JsonBtn", QStyle::SP_DialogSaveButton, QT_TR_NOOP("Speichern als JSON"));
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
    if (beschriftung)
        raster->addWidget(beschriftung, zeile, spalte);
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
    r->addWidget(texte().text(label("Label2", QString(), box), QT_TR_NOOP("Typ")), 0, 0);
    ComboBox1_ = new TDDBCombo(box);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setEditable(true);
    ComboBox1_->setMinimumWidth(170);
    ComboBox1_->installEventFilter(this);
    ComboBox1_->lineEdit()->installEventFilter(this);
    r->addWidget(ComboBox1_, 0, 1, 1, 4);
    r->addWidget(texte().text(label("Label3", QString(), box), QT_TR_NOOP("Kaltemittel")), 1, 0);
    KMListbox_ = new QComboBox(box);
    KMListbox_->setObjectName(QStringLiteral("KMListbox"));
    r->addWidget(KMListbox_, 1, 1, 1, 4);
    QLabel* motorLabel = texte().text(label("MotorComboText", QString(), box), QT_TR_NOOP("Motor"));
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
    teil(texte().text(label("Label13", QString(), box), QT_TR_NOOP("Frequenz Verdichter 1")));
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
        db::runReported([&] { modell_.cmbHZSelect(cmbHZ_->itemText(i)); });
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
        db::runReported([&] { modell_.polClick(); });
        ausModell();
    });

    // Temperatures (columns 5 to 9).
    r->setColumnMinimumWidth(5, 16);
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
    auto* panel13 = teil(texte().text(label("Panel13", QString(), box),
                                      QT_TR_NOOP("Temperatur am Zwischenkuhleraustritt")));
    r->addWidget(panel13, 6, s);
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
        db::runReported([&] { modell_.typWaehlen(ComboBox1_->itemText(i)); });
        ausModell();
    });
    connect(KMListbox_, &QComboBox::activated, this, [this](int i) {
        if (zeigt_)
            return;
        db::runReported([&] { modell_.kaeltemittelWaehlen(KMListbox_->itemText(i)); });
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
        r->addWidget(teil(texte().text(label(z.labelName, QString(), box), z.text)), zeile, 0);
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
    DChart1_ = new chart::TDChart(seite);
    DChart1_->setObjectName(QStringLiteral("DChart1"));
    DChart1_->setFixedSize(sheet::kDiagrammGroesse);
    h->addWidget(DChart1_, 0, Qt::AlignTop);
    auto* legenden = new QVBoxLayout;
    legenden->setSpacing(6);
    for (int i = 0; i < 3; ++i) {
        LegPnl_[i] =
            panel(QByteArray("LegPnl").append(QByteArray::number(i + 1)).constData(), seite);
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
    legenden->addStretch(1);
    h->addLayout(legenden, 1);
    return seite;
}

QWidget* TFrmTechnik::seitenAnlegen() {
    PageControl1_ = new QTabWidget(this);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
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
                db::runReported([&] { modell_.GridMouseUp(punkt); });
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
    PageControl1_->setMinimumHeight(sheet::kDiagrammGroesse.height() + 50);
    connect(PageControl1_, &QTabWidget::currentChanged, this, [this] {
        if (zeigt_)
            return;
        modell_.setEinsatzgrenzenAktiv(PageControl1_->currentWidget() == DChart1_->parentWidget());
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
    connect(drucken, &QAction::triggered, BitBtn3_, &QPushButton::click);
    QAction* json = eintrag("JsonSpeichern1", QT_TR_NOOP("Speichern als JSON"));
    connect(json, &QAction::triggered, this, &TFrmTechnik::JsonSpeichernClick);
    QAction* hilfe = eintrag("Hilfe1", QT_TR_NOOP("Hilfe"));
    hilfe->setEnabled(false);
    QAction* zurueckAction = eintrag("ZurckzurSuche1", QT_TR_NOOP("Zuruck zur Suche"));
    TechMenu_->menuAction()->setProperty("tag", -99);
    connect(Alternativ_, &QAction::triggered, this, &TFrmTechnik::btnUnlockClick);
    connect(AlternativSchliessen_, &QAction::triggered, this, &TFrmTechnik::btnLockClick);
    connect(zurueckAction, &QAction::triggered, this, &TFrmTechnik::CancelBtnClick);
}

// ---------------------------------------------------------------- events

void TFrmTechnik::einheitGewechselt(bool warFahrenheit) {
    db::runReported([&] { blatt_.einheitGewechselt(warFahrenheit); });
    calc::EinhLabelsSetzen(this, einheiten_);
    // The table's ranges and cells are in the old unit until they are built again.
    gefuelltFuer_.remove(tabelle_);
    ausModell();
}

void TFrmTechnik::oeffnen(const DatenblattAuftrag& auftrag) {
    db::runReported([&] { modell_.oeffnen(auftrag); });
    calc::EinhLabelsSetzen(this, einheiten_);
    erstesZeigen_ = true;
    if (isVisible()) {
        db::runReported([&] { modell_.FormShow(); });
        erstesZeigen_ = false;
    }
    ausModell();
}

void TFrmTechnik::showEvent(QShowEvent* event) {
    TDForm::showEvent(event);
    if (erstesZeigen_) {
        erstesZeigen_ = false;
        db::runReported([&] { modell_.FormShow(); });
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
            db::runReported([&] { modell_.ComboBox1KeyUp(); });
            ausModell();
        }
    }
    return TDForm::eventFilter(objekt, event);
}

void TFrmTechnik::feldVerlassen(Eingabe e) {
    if (zeigt_)
        return;
    modell_.feld(e).text = eingaben_.value(e)->text();
    db::runReported([&] { modell_.feldVerlassen(e); });
    ausModell();
}

void TFrmTechnik::schritt(Eingabe e, int richtung) {
    modell_.feld(e).text = eingaben_.value(e)->text();
    db::runReported([&] { modell_.schritt(e, richtung); });
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
        db::runReported([&] { modell_.NeuesBild(); });
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
        DChart1_->Uebernehmen(modell_.diagramm().daten(), modell_.diagramm().zeichnung());
    emit neuGezeichnet();
}

void TFrmTechnik::ausModell() {
    const sheet::TechnikModell& m = modell_;
    blatt_.seitenFuellen();
    zeigt_ = true;
    // Type and refrigerant.
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

    // Inputs.
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
    setzeSichtbar(stufen_.value(Eingabe::tc), m.Sptc);
    setzeSichtbar(stufen_.value(Eingabe::tle), m.tle.sichtbar);
    setzeSichtbar(stufen_.value(Eingabe::ediHz), m.ediHz.sichtbar);
    stufen_.value(Eingabe::ediHz)->setEnabled(m.SpinButton2);
    setzeSichtbar(stufen_.value(Eingabe::ediN), m.Drehzahl);
    setzeSichtbar(stufen_.value(Eingabe::ediHZ2), m.Panel12);
    setzeSichtbar(cmbHZ_, m.cmbHZ.sichtbar);
    cmbHZ_->setCurrentText(m.ediHz.text);
    auto sichtbar = [&](const char* name, bool an) {
        setzeSichtbar(teile_.value(QString::fromLatin1(name)), an);
    };
    sichtbar("Label10", m.Frequenz && !m.Frequenz1);
    sichtbar("Label13", m.Frequenz && m.Frequenz1);
    sichtbar("Label11", m.Frequenz);
    sichtbar("Label21", m.Drehzahl);
    sichtbar("Label9", m.Drehzahl);
    sichtbar("Label14", m.Panel12);
    sichtbar("Label16", m.Panel12);
    sichtbar("Label6", m.tc.sichtbar || m.tcle.sichtbar);
    sichtbar("tletxt", m.tle.sichtbar);
    sichtbar("tletxt2", m.tle.sichtbar);
    sichtbar("Label4", m.Unterkuehlung);
    sichtbar("Label12", m.Unterkuehlung);
    setzeSichtbar(eingaben_.value(Eingabe::tu), m.Unterkuehlung);
    setzeSichtbar(stufen_.value(Eingabe::tu), m.Unterkuehlung);
    sichtbar("Panel13", m.Panel13);
    sichtbar("Panel16", m.Panel16);
    setzeSichtbar(ausgaben_.value(QStringLiteral("tFUA")), m.tFUA.sichtbar);
    ausgaben_.value(QStringLiteral("tFUA"))->setText(m.tFUA.text);
    setzeSichtbar(pol_, m.pol.sichtbar);
    pol_->setText(m.pol.text);

    // Outputs.
    const std::pair<const char*, const sheet::Feld*> felder[] = {
        {"Q2", &m.Q2},
        {"Q3", &m.Q3},
        {"pan", &m.pan},
        {"strom", &m.strom},
        {"spannung", &m.spannung},
        {"Edit4", &m.Edit4},
        {"Edit7", &m.Edit7},
        {"Edit5", &m.Edit5},
        {"Q2V1", &m.Q2V1},
        {"Q3V1", &m.Q3V1},
        {"panV1", &m.panV1},
        {"StromV1", &m.StromV1},
        {"Q2V2", &m.Q2V2},
        {"Q3V2", &m.Q3V2},
        {"panV2", &m.panV2},
        {"StromV2", &m.StromV2},
    };
    for (const auto& [name, f] : felder)
        ausgaben_.value(QString::fromLatin1(name))->setText(f->text.trimmed());
    for (const char* name : {"Q2V1", "Q3V1", "panV1", "Q2V2", "Q3V2", "panV2"})
        setzeSichtbar(ausgaben_.value(QString::fromLatin1(name)), m.Panel9);
    for (const char* name : {"Panel9Kopf1", "Panel9Kopf2", "Panel9Kopf3"})
        sichtbar(name, m.Panel9);
    setzeSichtbar(ausgaben_.value(QStringLiteral("StromV1")), m.Panel9 && m.Panel15);
    setzeSichtbar(ausgaben_.value(QStringLiteral("StromV2")), m.Panel9 && m.Panel15);
    setzeSichtbar(ausgaben_.value(QStringLiteral("strom")), m.strom.sichtbar);
    sichtbar("stromtext", m.stromtext);
    sichtbar("StromText2", m.strom.sichtbar);
    setzeSichtbar(ausgaben_.value(QStringLiteral("spannung")), m.spannung.sichtbar);
    sichtbar("drehmomenttext", m.drehmomenttext);
    sichtbar("DrehmomentText2", m.drehmomenttext);
    sichtbar("Label19", m.Label19);
    sichtbar("Label52", m.Label52);

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
    hinweise_->setzen(m.hinweise());
    herkunftZeigen();
    zeigt_ = false;
    const bool neu = m.bildNummer() != gezeigtesBild_;
    diagrammZeigen();
    if (neu && isVisible())
        hinweise_->ZeigenOderSchliessen();
    seiteFuellen();
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
    lblHerkunft_->setText(h.katalogText() + QLatin1Char('\n') + h.bemessungText() +
                          QLatin1Char('\n') + h.stoffText());
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
    QString fuer = QString::number(modell_.AktArtikelID) + QLatin1Char('|') + modell_.KMListboxText;
    // The table's ranges and the tender text quote the last recalculation.
    if (seite == tabelle_ || seite == TabSheet8_)
        fuer += QLatin1Char('|') + QString::number(modell_.bildNummer());
    if (gefuelltFuer_.value(seite) == fuer)
        return;
    gefuelltFuer_.insert(seite, fuer);
    (*fueller)();
}

} // namespace drel::ui
