// How the search window is built: series boxes, fields, result area and buttons.
#include "base/ui/kuerzenderzeichner.h"
#include "base/ui/symbole.h"
#include "base/ui/tdedit.h"
#include "base/ui/tdspinedit.h"
#include "calc/einheiten.h"
#include "search/ui/ergebnismodell.h"
#include "search/ui/frmsuche.h"
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

QLabel* label(const char* name, const QString& text, QWidget* parent, int tag = -1) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (tag >= 0)
        l->setProperty("tag", tag);
    return l;
}

QWidget* panel(const char* name, QWidget* parent, int tag) {
    auto* p = new QWidget(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setProperty("tdArt", QStringLiteral("Panel"));
    p->setProperty("tag", tag);
    return p;
}

// A warning panel: two lines of dark red text on a pale background.
QWidget* warnPanel(Quelltexte& texte, const char* name, const char* l1, const char* t1,
                   const char* l2, const char* t2, QWidget* parent) {
    auto* p = panel(name, parent, 1);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, QColor(255, 244, 214));
    pal.setColor(QPalette::WindowText, QColor(160, 0, 0));
    p->setPalette(pal);
    auto* v = new QVBoxLayout(p);
    v->setContentsMargins(6, 3, 6, 3);
    v->setSpacing(0);
    for (auto [n, t] : {std::pair{l1, t1}, std::pair{l2, t2}}) {
        QLabel* l = texte.text(label(n, QString(), p, 1), t);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        v->addWidget(l);
    }
    p->hide();
    return p;
}

QToolButton* pfeil(Qt::ArrowType richtung, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setArrowType(richtung);
    b->setFixedSize(16, 11);
    b->setAutoRepeat(true);
    return b;
}

} // namespace

TFrmSuche::TFrmSuche(calc::Einheiten& einheiten, QWidget* parent)
    : TDForm(parent), einheiten_(einheiten), modell_(einheiten, ergebnis_) {
    // The window lives inside the main window's search area, not as a window of its own
    // (a dialog class turns a plain widget flag into a dialog flag when constructed).
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("TFrmSuche"));
    texte().fensterTitel(this, QT_TR_NOOP("Suchkriterien"));
    setProperty("helpContext", 9);
    anlegen();
    bindungenAnlegen();
    ausModell();
}
void TFrmSuche::anlegen() {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 4, 6, 4);
    spalte->setSpacing(4);

    auto* reihe = new QHBoxLayout;
    reihe->setSpacing(10);
    auto* links = new QVBoxLayout;
    links->addWidget(kopfAnlegen());
    links->addWidget(serienAnlegen(), 1);
    reihe->addLayout(links);
    reihe->addWidget(felderAnlegen());
    // The result area keeps its place while it is hidden.
    auto* ergebnisPlatz = new QWidget(this);
    auto* ergebnisLayout = new QVBoxLayout(ergebnisPlatz);
    ergebnisLayout->setContentsMargins(0, 0, 0, 0);
    ergebnisLayout->addWidget(ergebnisAnlegen());
    reihe->addWidget(ergebnisPlatz, 1);
    spalte->addLayout(reihe, 1);

    auto* knoepfe = new QHBoxLayout;
    auto* ok = texte().text(new QPushButton(this), QT_TR_NOOP("OK"));
    ok->setObjectName(QStringLiteral("OKBtn"));
    texte().tipp(ok, QT_TR_NOOP("Suche starten"));
    ok->setDefault(true);
    auto* zurueck = texte().text(new QPushButton(this), QT_TR_NOOP("Zuruck"));
    zurueck->setObjectName(QStringLiteral("CancelBtn"));
    texte().tipp(zurueck, QT_TR_NOOP("Zuruck"));
    auto* hilfe = texte().text(new QPushButton(this), QT_TR_NOOP("Hilfe"));
    hilfe->setObjectName(QStringLiteral("BitBtn1"));
    texte().tipp(hilfe, QT_TR_NOOP("Hilfe"));
    auto* drucken = texte().text(new QPushButton(this), QT_TR_NOOP("Drucken"));
    drucken->setObjectName(QStringLiteral("BitBtn3"));
    texte().tipp(drucken, QT_TR_NOOP("Suchergebnis drucken"));
    ok->setIcon(symbol(Symbol::Suchen));
    zurueck->setIcon(symbol(Symbol::Zurueck));
    hilfe->setIcon(symbol(Symbol::Hilfe));
    drucken->setIcon(symbol(Symbol::Drucken));
    for (QPushButton* b : {ok, zurueck, hilfe, drucken})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    spalte->addLayout(knoepfe);
    connect(ok, &QPushButton::clicked, this, &TFrmSuche::OKBtnClick);
    connect(zurueck, &QPushButton::clicked, this, &TFrmSuche::CancelBtnClick);
    connect(hilfe, &QPushButton::clicked, this, &TFrmSuche::BitBtn1Click);
    connect(drucken, &QPushButton::clicked, this, &TFrmSuche::BitBtn3Click);

    verborgeneAnlegen();
}

QWidget* TFrmSuche::kopfAnlegen() {
    auto* kopf = new QWidget(this);
    auto* h = new QHBoxLayout(kopf);
    h->setContentsMargins(0, 0, 0, 0);
    rbVerdichter_ = texte().text(new QRadioButton(kopf), QT_TR_NOOP("Verdichter"));
    rbVerdichter_->setObjectName(QStringLiteral("rbVerdichter"));
    rbSatz_ = texte().text(new QRadioButton(kopf), QT_TR_NOOP("Aggregate"));
    rbSatz_->setObjectName(QStringLiteral("rbSatz"));
    h->addWidget(rbVerdichter_);
    h->addWidget(rbSatz_);
    h->addStretch();
    connect(rbVerdichter_, &QRadioButton::clicked, this, [this] {
        modell_.rbVerdichterClick(true);
        ausModell();
    });
    connect(rbSatz_, &QRadioButton::clicked, this, [this] {
        modell_.rbVerdichterClick(false);
        ausModell();
    });
    return kopf;
}

QCheckBox* TFrmSuche::boxAnlegen(Box b, const char* name, const char* serie, const char* text,
                                 QWidget* parent, QGridLayout* raster, int zeile) {
    auto* box = texte().text(new QCheckBox(parent), serie);
    box->setObjectName(QString::fromLatin1(name));
    boxen_.insert(b, box);
    if (raster) {
        raster->addWidget(box, zeile, 0);
        // Series descriptions of longer languages break between words.
        auto* beschreibung = texte().text(new QLabel(parent), text);
        beschreibung->setWordWrap(true);
        raster->addWidget(beschreibung, zeile, 1);
    }
    connect(box, &QCheckBox::clicked, this, [this, b](bool an) {
        modell_.boxSetzen(b, an);
        ausModell();
    });
    return box;
}

QWidget* TFrmSuche::verdichterBoxenAnlegen() {
    Panel7_ = panel("Panel7", this, 99);
    auto* r = new QGridLayout(Panel7_);
    r->setVerticalSpacing(2);
    QFont fett = font();
    fett.setBold(true);
    auto* kopf1 = texte().text(new QLabel(Panel7_), QT_TR_NOOP("Halbhermetische Verdichter"));
    kopf1->setFont(fett);
    kopf1->setWordWrap(true);
    r->addWidget(kopf1, 0, 0, 1, 2);
    boxAnlegen(B::RBQN, "RBQN", QT_TR_NOOP("QN"), QT_TR_NOOP("sauggasgekuhlt"), Panel7_, r, 1);
    boxAnlegen(B::RBQL, "RBQL", QT_TR_NOOP("QL"), QT_TR_NOOP("luftgekuhlt"), Panel7_, r, 2);
    boxAnlegen(B::RB84, "RB84", QT_TR_NOOP("QN"), QT_TR_NOOP("8/4-polig sauggasgekuhlt"), Panel7_,
               r, 3);
    boxAnlegen(B::rbQNT, "rbQNT", QT_TR_NOOP("QNT"), QT_TR_NOOP("zweistufig sauggasgekuhlt"),
               Panel7_, r, 4);
    boxAnlegen(B::RBEQN, "RBEQN", QT_TR_NOOP("EQN"), QT_TR_NOOP("Duplex sauggasgekuhlt"), Panel7_,
               r, 5);
    boxAnlegen(B::RBEQL, "RBEQL", QT_TR_NOOP("EQL"), QT_TR_NOOP("Duplex luftgekuhlt"), Panel7_, r,
               6);
    auto* kopf2 = texte().text(new QLabel(Panel7_), QT_TR_NOOP("Offene Verdichter"));
    kopf2->setFont(fett);
    kopf2->setWordWrap(true);
    r->addWidget(kopf2, 7, 0, 1, 2);
    boxAnlegen(B::RBW, "RBW", QT_TR_NOOP("W"), QT_TR_NOOP("einstufig"), Panel7_, r, 8);
    boxAnlegen(B::RBWT, "RBWT", QT_TR_NOOP("WT"), QT_TR_NOOP("zweistufig"), Panel7_, r, 9);
    boxAnlegen(B::RBWY, "RBWY", QT_TR_NOOP("WY"), QT_TR_NOOP("Fahrzeugverdichter"), Panel7_, r, 10);
    r->setColumnStretch(1, 1);
    r->setRowStretch(11, 1);
    return Panel7_;
}

QWidget* TFrmSuche::aggregatBoxenAnlegen() {
    Panel6_ = panel("Panel6", this, 99);
    auto* r = new QGridLayout(Panel6_);
    r->setVerticalSpacing(2);
    QFont fett = font();
    fett.setBold(true);
    auto kopf = [&](const char* text, int zeile) {
        auto* l = texte().text(new QLabel(Panel6_), text);
        l->setFont(fett);
        l->setWordWrap(true);
        r->addWidget(l, zeile, 0, 1, 2);
    };
    kopf(QT_TR_NOOP("Halbhermetische Verdichtersatze"), 0);
    boxAnlegen(B::RBCQNR, "RBCQNR", QT_TR_NOOP("CQN"), QT_TR_NOOP("mit Sammler"), Panel6_, r, 1);
    boxAnlegen(B::RBCQLR, "RBCQLR", QT_TR_NOOP("CQL"), QT_TR_NOOP("mit Sammler"), Panel6_, r, 2);
    kopf(QT_TR_NOOP("Halbhermetische Verflussigungssatze"), 3);
    boxAnlegen(B::RBCQNL, "RBCQNL", QT_TR_NOOP("CQN"), QT_TR_NOOP("luftgekuhlt"), Panel6_, r, 4);
    boxAnlegen(B::RBCQLL, "RBCQLL", QT_TR_NOOP("CQL"), QT_TR_NOOP("luftgekuhlt"), Panel6_, r, 5);
    kopf(QT_TR_NOOP("Offene Verdichtersatze"), 6);
    boxAnlegen(B::RBWEY, "RBWEY", QT_TR_NOOP("WEY"), QT_TR_NOOP("Verdichtersatze"), Panel6_, r, 7);
    r->setColumnStretch(1, 1);
    r->setRowStretch(8, 1);
    return Panel6_;
}

// Both box panels take the same place; the mode shows one of them.
QWidget* TFrmSuche::serienAnlegen() {
    auto* platz = new QWidget(this);
    auto* v = new QVBoxLayout(platz);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(verdichterBoxenAnlegen());
    v->addWidget(aggregatBoxenAnlegen());
    return platz;
}

TDEdit* TFrmSuche::feldAnlegen(Feld f, const char* name, const char* spinName, QGridLayout* r,
                               int zeile, QLabel* beschriftung, QLabel* einheit) {
    auto* edit = new TDEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFixedWidth(70);
    felder_.insert(f, edit);

    auto* spin = new QWidget(this);
    spin->setObjectName(QString::fromLatin1(spinName));
    auto* sv = new QVBoxLayout(spin);
    sv->setContentsMargins(0, 0, 0, 0);
    sv->setSpacing(0);
    QToolButton* hoch = pfeil(Qt::UpArrow, spin);
    QToolButton* runter = pfeil(Qt::DownArrow, spin);
    sv->addWidget(hoch);
    sv->addWidget(runter);

    if (beschriftung) {
        beschriftung->setWordWrap(true);
        r->addWidget(beschriftung, zeile, 0);
    }
    r->addWidget(edit, zeile, 1);
    r->addWidget(spin, zeile, 2);
    r->addWidget(einheit, zeile, 3);

    // Any change of the text reaches the model, typed or set; the window's own
    // writes (ausModell) do not come back.
    connect(edit, &QLineEdit::textChanged, this, [this, f] {
        if (!zeigt_)
            feldGeaendert(f);
    });
    connect(edit, &TDEdit::verlassen, this, [this, f, edit] {
        modell_.text(f) = edit->AsString();
        modell_.feldVerlassen(f);
        ausModell();
    });
    for (auto [knopf, auf] : {std::pair{hoch, true}, std::pair{runter, false}}) {
        connect(knopf, &QToolButton::clicked, this, [this, f, edit, auf = auf] {
            modell_.text(f) = edit->AsString();
            modell_.spin(f, auf);
            ausModell();
        });
    }
    if (f == Feld::Q0) {
        SpinQ0_ = spin;
        edit->setTastenRegel([this](QChar taste) { return modell_.q0TasteErlaubt(taste); });
    }
    return edit;
}

void TFrmSuche::feldGeaendert(Feld f) {
    modell_.text(f) = felder_.value(f)->AsString();
    if (f == Feld::tc)
        modell_.tcChange();
    ausModell();
}

QWidget* TFrmSuche::felderAnlegen() {
    auto* spalteW = new QWidget(this);
    spalteW->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    auto* v = new QVBoxLayout(spalteW);
    v->setContentsMargins(0, 0, 0, 0);
    auto* r = new QGridLayout;
    r->setHorizontalSpacing(4);
    r->setColumnStretch(4, 1); // the unit labels stay beside their fields

    Label5_ = texte().text(label("Label5", QString(), this, 2), QT_TR_NOOP("Kalteleistung:"));
    Label14_ = label("Label14", QStringLiteral("kW"), this, 3);
    texte().tipp(feldAnlegen(Feld::Q0, "Q0", "SpinQ0", r, 0, Label5_, Label14_),
                 QT_TR_NOOP("Gewunschte Kalteleistung eingeben"));
    feldAnlegen(
        Feld::t0, "t0", "SpinT0", r, 1,
        texte().text(label("Label6", QString(), this, 2), QT_TR_NOOP("Verdampfungstemperatur:")),
        label("Label15", QStringLiteral("°C"), this, 5));
    Label7_ =
        texte().text(label("Label7", QString(), this, 2), QT_TR_NOOP("Verflussigungstemperatur:"));
    Label8_ =
        texte().text(label("Label8", QString(), this, 2), QT_TR_NOOP("Lufteintrittstemperatur:"));
    Label8_->setWordWrap(true);
    r->addWidget(Label8_, 2, 0);
    feldAnlegen(Feld::tc, "tc", "SpinTc", r, 2, Label7_, label("Label16", "°C", this, 5));
    texte().tipp(feldAnlegen(Feld::ts, "ts", "SpinTS", r, 3,
                             texte().text(label("Label3", QString(), this, 2),
                                          QT_TR_NOOP("Sauggastemperatur:")),
                             label("Label17", QStringLiteral("°C"), this, 5)),
                 QT_TR_NOOP("toh"));
    feldAnlegen(Feld::dtu, "dtu", "SpinDTU", r, 4,
                texte().text(label("Label2", QString(), this, 2), QT_TR_NOOP("Unterkuhlung:")),
                label("Label18", QStringLiteral("K"), this, 6));

    // Frequency and speed share the row below the fields; one of them is shown.
    Panel3_ = panel("Panel3", this, 99);
    auto* fh = new QHBoxLayout(Panel3_);
    fh->setContentsMargins(0, 0, 0, 0);
    fh->addWidget(texte().text(label("Label21", QString(), Panel3_, 2), QT_TR_NOOP("Frequenz:")));
    rb50Hz_ = texte().text(new QRadioButton(Panel3_), QT_TR_NOOP("50 Hz"));
    rb50Hz_->setObjectName(QStringLiteral("rb50Hz"));
    rb60Hz_ = texte().text(new QRadioButton(Panel3_), QT_TR_NOOP("60 Hz"));
    rb60Hz_->setObjectName(QStringLiteral("rb60Hz"));
    fh->addWidget(rb50Hz_);
    fh->addWidget(rb60Hz_);
    fh->addStretch();
    connect(rb50Hz_, &QRadioButton::clicked, this, [this] {
        modell_.rb50HzClick(false);
        ausModell();
    });
    connect(rb60Hz_, &QRadioButton::clicked, this, [this] {
        modell_.rb50HzClick(true);
        ausModell();
    });

    // The speed of open compressors takes the frequency's place, in a row of the
    // field grid so that its field lines up with the fields above it.
    Label22_ = texte().text(label("Label22", QString(), this, 2), QT_TR_NOOP("Drehzahl:"));
    SpinN_ = new TDSpinEdit(this);
    SpinN_->setObjectName(QStringLiteral("SpinN"));
    SpinN_->setFixedWidth(80);
    Label57_ = texte().text(label("Label57", QString(), this, 5), QT_TR_NOOP("1/min"));
    r->addWidget(Label22_, 5, 0);
    r->addWidget(SpinN_, 5, 1, 1, 2);
    r->addWidget(Label57_, 5, 3);
    connect(SpinN_, &QSpinBox::valueChanged, this, [this](int wert) {
        if (zeigt_)
            return;
        modell_.SpinNEingabe(wert);
        ausModell();
    });

    v->addLayout(r);
    v->addWidget(Panel3_);

    Panel10_ = warnPanel(texte(), "Panel10", "Label55",
                         QT_TR_NOOP("Fur Verflussigungstemperaturen unterhalb 20 C"), "Label56",
                         QT_TR_NOOP("Leistungsdaten bitte anfragen."), this);
    v->addWidget(Panel10_);

    v->addWidget(texte().text(label("LabelKM", QString(), this, 2), QT_TR_NOOP("Kaltemittel:")));
    KMListe_ = new QListWidget(this);
    KMListe_->setObjectName(QStringLiteral("KMListe"));
    KMListe_->setFixedHeight(7 * (fontMetrics().height() + 2) + 6);
    textKuerzen(KMListe_);
    v->addWidget(KMListe_);
    connect(KMListe_, &QListWidget::currentRowChanged, this, [this](int zeile) {
        if (zeigt_)
            return;
        modell_.KMListeClick(zeile);
        ausModell();
    });
    v->addStretch();
    return spalteW;
}

QWidget* TFrmSuche::ergebnisAnlegen() {
    Panel1_ = panel("Panel1", this, 99);
    Panel1_->setMinimumWidth(300);
    auto* v = new QVBoxLayout(Panel1_);
    v->setContentsMargins(0, 0, 0, 0);
    Panel8_ = warnPanel(texte(), "Panel8", "Label34", QT_TR_NOOP("Kalteleistung zu gross"),
                        "Label35", QT_TR_NOOP("Kein grosserer Verdichter verfugbar"), Panel1_);
    v->addWidget(Panel8_);
    // An empty list says why, where the rows would be.
    lblLeer_ = new QLabel(Panel1_);
    lblLeer_->setObjectName(QStringLiteral("lblLeer"));
    lblLeer_->setWordWrap(true);
    lblLeer_->setContentsMargins(6, 6, 6, 6);
    lblLeer_->hide();
    v->addWidget(lblLeer_);
    stgSuche_ = new TStgSuche(Panel1_);
    v->addWidget(stgSuche_, 1);
    BitBtn2_ = texte().text(new QPushButton(Panel1_), QT_TR_NOOP("Datenblatt"));
    BitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2_->setIcon(symbol(Symbol::Datenblatt));
    texte().tipp(BitBtn2_, QT_TR_NOOP("Nähere Information zu diesem Gerät zeigen"));
    v->addWidget(BitBtn2_, 0, Qt::AlignLeft);
    connect(BitBtn2_, &QPushButton::clicked, this, &TFrmSuche::BitBtn2Click);
    connect(stgSuche_, &TStgSuche::oeffnen, this, &TFrmSuche::BitBtn2Click);
    connect(stgSuche_, &TStgSuche::zeileGewaehlt, this,
            [this](int zeile) { modell_.liste().setRow(zeile); });
    // The grid's own menu: the margin column and the comparison of the selected rows.
    randAktion_ = texte().text(new QAction(stgSuche_), QT_TR_NOOP("Abstand zur Einsatzgrenze"));
    randAktion_->setObjectName(QStringLiteral("mnuRandSpalte"));
    randAktion_->setCheckable(true);
    vergleichAktion_ =
        texte().text(new QAction(stgSuche_), QT_TR_NOOP("Markierte vergleichen (bis zu vier)"));
    vergleichAktion_->setObjectName(QStringLiteral("mnuVergleichen"));
    stgSuche_->addAction(randAktion_);
    stgSuche_->addAction(vergleichAktion_);
    stgSuche_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(randAktion_, &QAction::triggered, this, &TFrmSuche::randSpalteClick);
    connect(vergleichAktion_, &QAction::triggered, this, &TFrmSuche::vergleichenClick);
    Panel1_->hide();
    return Panel1_;
}

// Controls that this layout never shows but whose state is stored and passed on.
QWidget* TFrmSuche::verborgeneAnlegen() {
    auto* verborgen = new QWidget(this);
    verborgen->setObjectName(QStringLiteral("Panel9"));
    verborgen->hide();
    chkq0_ = new QCheckBox(verborgen);
    chkq0_->setObjectName(QStringLiteral("chkq0"));
    texte().tipp(chkq0_, QT_TR_NOOP("Mit/ohne Berücksichtigung der Kälteleistung suchen."));
    chktyp_ = new QCheckBox(verborgen);
    chktyp_->setObjectName(QStringLiteral("chktyp"));
    texte().tipp(chktyp_, QT_TR_NOOP("Suche nach einem bestimmten Verdichtertyp."));
    vTyp_ = new QLineEdit(verborgen);
    vTyp_->setObjectName(QStringLiteral("vTyp"));
    texte().tipp(vTyp_, QT_TR_NOOP("Verdichtertyp spezifizieren z.B.: \"QL4\""));
    connect(chkq0_, &QCheckBox::clicked, this, [this](bool an) {
        modell_.chkq0Click(an);
        ausModell();
    });
    connect(chktyp_, &QCheckBox::clicked, this, [this](bool an) {
        modell_.chktypClick(an);
        ausModell();
    });
    connect(vTyp_, &QLineEdit::textEdited, this, [this](const QString& t) { modell_.vTyp = t; });
    boxAnlegen(B::RBLV, "RBLV", QT_TR_NOOP("LV- und &ELV- Motor- Verdichter"), nullptr, verborgen,
               nullptr, 0);
    boxAnlegen(B::verbundtoo, "verbundtoo", QT_TR_NOOP("auch nach &Verbundanlagen suchen"), nullptr,
               verborgen, nullptr, 0);

    auto* Panel5 = panel("Panel5", verborgen, 99);
    auto* sv = new QVBoxLayout(Panel5);
    sv->addWidget(
        texte().text(label("Label23", QString(), Panel5, 2), QT_TR_NOOP("Sortierkriterien:")));
    const std::pair<const char*, const char*> optionen[] = {
        {"rbKaelte", QT_TR_NOOP("Kälteleistung")},
        {"rbHub", QT_TR_NOOP("Hubvolumen")},
        {"rbAnzahl1", QT_TR_NOOP("Anzahl von Verdichtern (und Kälteleistung)")},
        {"rbAnzahl2", QT_TR_NOOP("Anzahl von Verdichtern (und Hubvolumen)")}};
    int nummer = 0;
    for (const auto& [name, text] : optionen) {
        auto* rb = texte().text(new QRadioButton(Panel5), text);
        rb->setObjectName(QString::fromLatin1(name));
        rb->setChecked(nummer == 0);
        sv->addWidget(rb);
        const auto option = static_cast<search::SortOption>(nummer++);
        connect(rb, &QRadioButton::clicked, this, [this, option] {
            modell_.rbKaelteClick(option);
            gridFuellen();
            ausModell();
        });
    }
    return verborgen;
}

} // namespace drel::ui
