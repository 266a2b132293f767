#include "app/ui/frmmenue.h"

#include "app/programmstart.h"
#include "app/ui/frmcopyright2.h"
#include "app/ui/frmgruppentexte.h"
#include "app/ui/frmhilfe.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmsplash.h"
#include "app/ui/shelltexte.h"
#include "base/directories.h"
#include "base/ui/tdhilfe.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "i18n/ui/neuuebersetzen.h"
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "print/ergebnisdruck.h"
#include "print/ui/druckerauswahl.h"
#include "print/ui/frmkunde.h"
#include "report/ui/berichtdrucker.h"
#include "search/ergebnisliste.h"
#include "search/ui/frmsuche.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "state/programmschalter.h"
#include "state/sprache.h"
#include "state/suchini.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace drel::ui {

namespace {

const QColor kHellblau(214, 227, 247);

// The maker's addresses behind "Drel im Internet", "Kontakt zu Drel" and the mail label.
const QString kWebAdresse = QStringLiteral("https://www.drel.example/");
const QString kKontaktAdresse = QStringLiteral("https://www.drel.example/kontakt");

// Chinese users write to the maker's office in China.
QString mailAdresse() {
    return sprache().kurzCode.toUpper() == QLatin1String("CN")
               ? QStringLiteral("mailto:china@drel.example")
               : QStringLiteral("mailto:info@drel.example");
}

struct Knoten {
    int ebene;
    const char* text;
    int gruppe;
};

// The series tree as stored with the window; each node carries its product group.
constexpr Knoten kBaum[] = {
    {0, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Suche nach Leistung / Typ"), -1},
    {0, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Halbhermetische Verdichter"), 58},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Sauggasgekuhlt QN"), 25},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "einstufig"), 25},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "zweistufig"), 26},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "8/4polig (zwei Drehzahlen)"), 45},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Duplex Verdichter"), 30},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Verdichtersatze mit Sammler"), 56},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Verflussigungssatze luftgekuhlt"), 57},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "CO2 subkritisch"), 73},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "R410A"), 74},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Luftgekuhlt QL"), 24},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "einstufig"), 24},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Duplex Verdichter"), 29},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Verdichtersatze mit Sammler"), 54},
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Verflussigungssatze luftgekuhlt"), 55},
    {0, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Offene Motorverdichter LV"), 65},
    {0, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Offene Verdichter W"), 38},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "einstufig"), 31},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "zweistufig"), 23},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Verdichtersatze"), 32},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "NH3-Verdichter"), 51},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "NH3-Verdichtersatze"), 63},
    {0, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Fahrzeugverdichter WY"), 39},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Bus- und Bahnklimatisierung"), 33},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Transportkuhlung"), 66},
    {1, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "   und andere Anwendungen"), 66},
};

// The language names as the language menu shows them (for the translation files).
[[maybe_unused]] constexpr const char* kSprachNamen[] = {
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Deutsch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Englisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Franzosisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Italienisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Portugiesisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Spanisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Russisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Polnisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Chinesisch"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Koreanisch"),
};

// The column headings the window keeps in ListBox1, by index.
constexpr const char* kUeberschriften[] = {
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Aktuelle Typen"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hubvolumen bei 50 Hz (1450 1/min) m3/h"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hubv 50Hz"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Motor KW/PS"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Vorgangertyp"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hubvolumen (1450 1/min) m3/h"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hubv         "),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "LP/HP"),
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hubraum in ccm"),
};

// Source texts stay with the widgets so that a language change can translate again.
const char* const kQuelle = "quelle";

void hellblauFaerben(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kHellblau);
    palette.setColor(QPalette::Window, kHellblau);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QWidget* panel(const char* name, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TFrmMenue::TFrmMenue(Programmstart& start, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TFrmMenue"));
    // Texts shown from here on can be translated again when the language changes.
    i18n::Uebersetzer::instanz().installieren();
    setWindowTitle(kTitel);
    setMinimumSize(900, 649);
    resize(900, 650);
    // The program opens in the middle of the screen, not where the system happens to put it.
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    setProperty("helpContext", 1);
    flaechenAnlegen();
    menueAnlegen();
    browserVerbinden();
    hilfeVerbinden();
    FormCreate(start);
}

TFrmMenue::~TFrmMenue() {
    setHilfeHook(nullptr);
    delete splash_;
}

// The windows of the lower layers reach the help through the hook; F1 in a modal
// window goes through the application filter, since the window's own shortcut is
// blocked there.
void TFrmMenue::hilfeVerbinden() {
    setHilfeHook([this](int thema) { hilfeZeigen(thema); });
    modaleHilfe_ = new ModaleHilfeTaste(this);
    qApp->installEventFilter(modaleHilfe_);
}

void TFrmMenue::flaechenAnlegen() {
    auto* zentral = new QWidget(this);
    auto* spalte = new QVBoxLayout(zentral);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);

    Image4_ = new QLabel(zentral);
    Image4_->setObjectName(QStringLiteral("Image4"));
    Image4_->setFixedHeight(100);
    Image4_->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #18408c, stop:1 #d6e3f7);"
        "color: white; font: bold 28pt 'Arial'; padding-left: 24px;"));
    Image4_->setText(QStringLiteral("Drel"));
    spalte->addWidget(Image4_);

    auto* teiler = new QSplitter(Qt::Horizontal, zentral);
    teiler_ = teiler;
    TV1_ = new QTreeWidget(teiler);
    TV1_->setObjectName(QStringLiteral("TV1"));
    TV1_->setHeaderHidden(true);
    TV1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    baumFuellen();

    auto* rechts = new QWidget(teiler);
    auto* rechtsLayout = new QVBoxLayout(rechts);
    rechtsLayout->setContentsMargins(0, 0, 0, 0);

    rechtsLayout->addWidget(startPanelAnlegen(rechts));
    rechtsLayout->addWidget(listenPanelAnlegen(rechts));

    teiler->setStretchFactor(1, 1);
    teiler->setSizes({300, 600});
    spalte->addWidget(teiler, 1);

    // The search area takes the full width below the header, over the tree.
    Panel1_ = panel("Panel1", zentral);
    auto* panel1Layout = new QVBoxLayout(Panel1_);
    panel1Layout->setContentsMargins(0, 0, 0, 2);
    auto* scrollBox = panel("ScrollBox1", Panel1_);
    panel1Layout->addWidget(scrollBox);
    auto* scrollLayout = new QVBoxLayout(scrollBox);
    scrollLayout->setContentsMargins(0, 0, 3, 3);
    suche_ = new TFrmSuche(calc::einheiten(), scrollBox);
    suche_->setSuchIni(pfad(verzeichnisse().einstellungen, QStringLiteral("search.ini")));
    scrollLayout->addWidget(suche_);
    connect(suche_, &TFrmSuche::zurueck, this, &TFrmMenue::browserZeigen);
    connect(suche_, &TFrmSuche::statusMeldung, this,
            [this](const QString& text) { statusBar()->showMessage(text, 10000); });
    Panel1_->hide();
    spalte->addWidget(Panel1_, 1);
    connect(suche_, &TFrmSuche::datenblattOeffnen, this, &TFrmMenue::datenblattOeffnen);
    connect(suche_, &TFrmSuche::ergebnisDrucken, this, &TFrmMenue::ergebnisDrucken);

    // The docked data sheet takes the same place as the search.
    Panel3_ = panel("Panel3", zentral);
    auto* panel3Layout = new QVBoxLayout(Panel3_);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    Panel3_->hide();
    spalte->addWidget(Panel3_, 1);

    connect(TV1_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* knoten) { TV1Click(knoten); });

    spalte->addWidget(adressBandAnlegen(zentral));

    setCentralWidget(zentral);
}

// Start panel: version label, the hovered series picture (Image3) and, when no
// series is under the mouse, the five family pictures (Panel6).
QWidget* TFrmMenue::startPanelAnlegen(QWidget* parent) {
    Panel5_ = panel("Panel5", parent);
    auto* startLayout = new QVBoxLayout(Panel5_);
    lblVersion_ = new QLabel(Panel5_);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    startLayout->addWidget(lblVersion_);
    Image3_ = new QLabel(Panel5_);
    Image3_->setObjectName(QStringLiteral("Image3"));
    Image3_->setAlignment(Qt::AlignCenter);
    Image3_->hide();
    startLayout->addWidget(Image3_, 1);
    Panel6_ = panel("Panel6", Panel5_);
    startLayout->addWidget(Panel6_, 1);
    return Panel5_;
}

// List panel of the browser: back button, series description and picture, headings,
// the size/type list and the LV note.
QWidget* TFrmMenue::listenPanelAnlegen(QWidget* parent) {
    Panel2_ = panel("Panel2", parent);
    auto* listenLayout = new QVBoxLayout(Panel2_);
    auto* kopf = new QHBoxLayout;
    auto* panel3 = panel("Panel3", Panel2_);
    auto* panel3Layout = new QVBoxLayout(panel3);
    panel3Layout->setContentsMargins(0, 4, 0, 0);
    RueckBtn_ = new QToolButton(panel3);
    RueckBtn_->setObjectName(QStringLiteral("RueckBtn"));
    RueckBtn_->setArrowType(Qt::LeftArrow);
    RueckBtn_->hide();
    panel3Layout->addWidget(RueckBtn_);
    panel3Layout->addStretch();
    kopf->addWidget(panel3);
    Memo1_ = new QPlainTextEdit(Panel2_);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setReadOnly(true);
    Memo1_->setFixedSize(381, 90);
    kopf->addWidget(Memo1_);
    Image2_ = new QLabel(Panel2_);
    Image2_->setObjectName(QStringLiteral("Image2"));
    Image2_->setFixedSize(99, 90);
    Image2_->setScaledContents(true);
    kopf->addWidget(Image2_);
    kopf->addStretch();
    listenLayout->addLayout(kopf);

    QFont fett = font();
    fett.setBold(true);
    Label1_ = new QLabel(Panel2_);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setFont(fett);
    listenLayout->addWidget(Label1_);
    Label2_ = new QLabel(Panel2_);
    Label2_->setObjectName(QStringLiteral("Label2"));
    listenLayout->addWidget(Label2_);
    StringGrid1_ = new QTableWidget(1, 7, Panel2_);
    StringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1_->horizontalHeader()->hide();
    StringGrid1_->verticalHeader()->hide();
    StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1_->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1_->setShowGrid(true);
    listenLayout->addWidget(StringGrid1_, 1);
    // The heading row of the two-stage lists lies over the grid's first row.
    Panel7_ = panel("Panel7", StringGrid1_->viewport());
    auto* panel7Layout = new QHBoxLayout(Panel7_);
    panel7Layout->setContentsMargins(0, 0, 0, 0);
    Label3_ = new QLabel(Panel7_);
    Label3_->setObjectName(QStringLiteral("Label3"));
    Label3_->setFont(fett);
    panel7Layout->addWidget(Label3_);
    Panel7_->hide();
    Panel4_ = new QLabel(Panel2_);
    Panel4_->setObjectName(QStringLiteral("Panel4"));
    Panel4_->setWordWrap(true);
    Panel4_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Panel4_->hide();
    listenLayout->addWidget(Panel4_, 1);
    Memo3_ = new QPlainTextEdit(Panel2_);
    Memo3_->setObjectName(QStringLiteral("Memo3"));
    Memo3_->setReadOnly(true);
    Memo3_->hide();
    listenLayout->addWidget(Memo3_);
    ListBox1_ = new QListWidget(Panel2_);
    ListBox1_->setObjectName(QStringLiteral("ListBox1"));
    ListBox1_->hide();
    Panel2_->hide();
    return Panel2_;
}

// Bottom band with the web address and the mail label.
QWidget* TFrmMenue::adressBandAnlegen(QWidget* parent) {
    auto* shape5 = panel("Shape5", parent);
    auto* bandLayout = new QHBoxLayout(shape5);
    bandLayout->addStretch();
    auto* adresse = new QLabel(shape5);
    adresse->setObjectName(QStringLiteral("lblAdresse"));
    adresse->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebAdresse));
    connect(adresse, &QLabel::linkActivated, this, [](const QString& ziel) { ExecuteFile(ziel); });
    bandLayout->addWidget(adresse);
    auto* mail = new QLabel(QStringLiteral("<a href=\"mail\">E-Mail</a>"), shape5);
    mail->setObjectName(QStringLiteral("lblMail"));
    mail->setProperty(kQuelle, QT_TR_NOOP("Klicken Sie hier um eine e-Mail an Drel zu senden"));
    connect(mail, &QLabel::linkActivated, this, [] { ExecuteFile(mailAdresse()); });
    bandLayout->addWidget(mail);
    bandLayout->addStretch();
    return shape5;
}

void TFrmMenue::baumFuellen() {
    QTreeWidgetItem* eltern[3] = {nullptr, nullptr, nullptr};
    for (const Knoten& knoten : kBaum) {
        auto* item = knoten.ebene == 0 ? new QTreeWidgetItem(TV1_)
                                       : new QTreeWidgetItem(eltern[knoten.ebene - 1]);
        item->setText(0, tr(knoten.text));
        item->setData(0, Qt::UserRole, knoten.gruppe);
        item->setData(0, Qt::UserRole + 1, QByteArray(knoten.text));
        // Level 0 in 13 pt, level 1 in 11 pt, level 2 in 10 pt.
        QFont schrift = item->font(0);
        schrift.setPointSize(knoten.ebene == 0 ? 13 : knoten.ebene == 1 ? 11 : 10);
        item->setFont(0, schrift);
        eltern[knoten.ebene] = item;
    }
}

QAction* TFrmMenue::eintrag(QMenu* menu, const char* name, const char* quelle) {
    QAction* action = menu->addAction(tr(quelle));
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty(kQuelle, QByteArray(quelle));
    return action;
}

QMenu* TFrmMenue::untermenue(QMenu* menu, const char* name, const char* quelle) {
    QMenu* unter = menu ? menu->addMenu(tr(quelle)) : menuBar()->addMenu(tr(quelle));
    unter->menuAction()->setObjectName(QString::fromLatin1(name));
    unter->menuAction()->setProperty(kQuelle, QByteArray(quelle));
    return unter;
}

void TFrmMenue::menueAnlegen() {
    QMenu* wuk = menuBar()->addMenu(kVersion);
    mnWUK_ = wuk->menuAction();
    mnWUK_->setObjectName(QStringLiteral("mnWUK"));
    connect(eintrag(wuk, "Beenden1", QT_TR_NOOP("&Beenden")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* optionen = untermenue(nullptr, "Datei1", QT_TR_NOOP("&Optionen"));
    connect(eintrag(optionen, "Druckerauswahl1", QT_TR_NOOP("&Druckerauswahl")),
            &QAction::triggered, this, [this] { print::druckerAuswaehlen(this); });
    Einheiten1_ = eintrag(optionen, "Einheiten1", QT_TR_NOOP("Einheiten"));
    connect(Einheiten1_, &QAction::triggered, this, &TFrmMenue::einheitenZeigen);
    Sprache1_ = untermenue(optionen, "Sprache1", QT_TR_NOOP("&Sprache"));
    sprachGruppe_ = new QActionGroup(this);
    sprachGruppe_->setExclusive(true);
    for (const SprachEintrag& sprachEintrag : sprachTabelle()) {
        QAction* action = eintrag(Sprache1_, sprachEintrag.menuName, sprachEintrag.menuText);
        action->setProperty("tag", sprachEintrag.nummer);
        action->setCheckable(true);
        sprachGruppe_->addAction(action);
        const int nummer = sprachEintrag.nummer;
        connect(action, &QAction::triggered, this, [this, nummer] { spracheWaehlen(nummer); });
    }

    QAction* suchen = menuBar()->addAction(tr("&Suchen"));
    suchen->setObjectName(QStringLiteral("Suchen1"));
    suchen->setProperty(kQuelle, QByteArray(QT_TR_NOOP("&Suchen")));
    suchen->setVisible(false);
    connect(suchen, &QAction::triggered, this, &TFrmMenue::suchbereichOeffnen);

    QMenu* lieferprogramm = untermenue(nullptr, "bersicht1", QT_TR_NOOP("&Lieferprogramm"));
    lieferprogramm->menuAction()->setVisible(false);

    QMenu* hilfe = untermenue(nullptr, "Hilfe1", QT_TR_NOOP("&?"));
    connect(eintrag(hilfe, "Hilfe2", QT_TR_NOOP("Hilfe")), &QAction::triggered, this,
            [this] { hilfeZeigen(1); });
    QAction* hinweisAction = eintrag(hilfe, "Hinweis1", QT_TR_NOOP("Hinweis"));
    connect(hinweisAction, &QAction::triggered, this, [this, hinweisAction] {
        hinweisZeigen(hinweisAction->text(), QStringLiteral("Info1"));
    });
    QAction* neuAction = eintrag(hilfe, "NeuindieserVersion1", QT_TR_NOOP("Neu in dieser Version"));
    connect(neuAction, &QAction::triggered, this,
            [this, neuAction] { hinweisZeigen(neuAction->text(), QStringLiteral("Readme-")); });
    connect(eintrag(hilfe, "DrelimInternet1", QT_TR_NOOP("Drel im Internet")), &QAction::triggered,
            this, [] { ExecuteFile(kWebAdresse); });
    connect(eintrag(hilfe, "KontaktzuDrel1", QT_TR_NOOP("Kontakt zu Drel")), &QAction::triggered,
            this, [] { ExecuteFile(kKontaktAdresse); });
    eintrag(hilfe, "ber1", QT_TR_NOOP("Uber ..."))->setVisible(false);
    connect(eintrag(hilfe, "Copyright1", QT_TR_NOOP("Copyright")), &QAction::triggered, this,
            &TFrmMenue::copyrightZeigen);
}

void TFrmMenue::FormCreate(Programmstart& start) {
    QToolTip::setFont(QFont(QStringLiteral("Arial"), lblVersion_->font().pointSize()));
    start.ausfuehren();
    i18n::Uebersetzer::instanz().laden(sprache().code);

    splash_ = new TFrmSplash;
    splash_->show();
    QCoreApplication::processEvents();

    hinweis_ = new TFrmHinweis(this);
    hinweis_->hide();

    spracheAnzeigen();
    texteSetzen();
    i18n::neuUebersetzen(suche_);
    mnWUK_->setText(kVersion);

    for (QWidget* widget : std::initializer_list<QWidget*>{TV1_, Memo1_, Memo3_, StringGrid1_})
        hellblauFaerben(widget);
    StringGrid1_->setColumnWidth(6, 0);
    StringGrid1_->setColumnHidden(6, true);
    startBilderFuellen();
}

// The parts of the window that follow the language: version label, help file and the
// description box's font (Korean needs the smaller size).
void TFrmMenue::spracheAnzeigen() {
    lblVersion_->setText(versionsText(windowTitle()));
    hilfeDatei_ = pfad(verzeichnisse().programm,
                       QStringLiteral("WUK_") + sprache().kurzCode + QStringLiteral(".hlp"));
    QFont schrift = Memo1_->font();
    schrift.setPointSize(sprache().nummer == 10 ? 9 : 10);
    Memo1_->setFont(schrift);
}

void TFrmMenue::spracheWaehlen(int nummer) {
    SpracheClick(nummer);
}

void TFrmMenue::hinweisZeigen(const QString& caption, const QString& dateiStamm) {
    hinweis_->setWindowTitle(caption);
    hinweis_->laden(
        findeDatei(verzeichnisse().programm, dateiStamm + sprache().code + QStringLiteral(".rtf")));
    hinweis_->show();
    hinweis_->raise();
}

bool TFrmMenue::ExecuteFile(const QString& ziel) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(ziel));
}

void TFrmMenue::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!gezeigt_) {
        gezeigt_ = true;
        FormShow();
    }
}

void TFrmMenue::FormShow() {
    TV1_->collapseAll();
    // A first start has no unit choice yet: ask for it before anything else.
    if (!calc::einheiten().gewaehlt(calc::EinheitGruppe::Leistung))
        QTimer::singleShot(0, this, &TFrmMenue::einheitenZeigen);
    if (splash_) {
        splash_->close();
        splash_->deleteLater();
    }
}

void TFrmMenue::sucheVorbereiten(db::TDataModule1& dm, calc::TStoff& stoff) {
    suche_->setSuchIni(pfad(verzeichnisse().einstellungen, QStringLiteral("search.ini")));
    suche_->FormCreate(dm, stoff);
}

void TFrmMenue::TV1Click(QTreeWidgetItem* knoten) {
    if (!knoten)
        return;
    setProperty("helpContext", 8);
    const BrowserKnoten k = knotenVon(knoten);
    const KnotenAktion aktion = BrowserModell::knotenAktion(k);
    if (browserBereit())
        browser_->TV1Click(k);
    else
        programmschalter().LukoModus = db::lukoGruppe(k.gruppe);
    if (aktion == KnotenAktion::Suche) {
        Panel2_->hide();
        Panel5_->show();
        suchbereichOeffnen();
        return;
    }
    if (aktion == KnotenAktion::Aufklappen)
        knoten->setExpanded(true);
    browserAnzeigen();
}

void TFrmMenue::suchbereichOeffnen() {
    Panel2_->hide();
    teiler_->hide();
    // A docked sheet stays docked behind the search until it is opened again.
    Panel3_->hide();
    suche_->setEnabled(true);
    Panel1_->show();
    suche_->show(); // a dialog class stays hidden until it is shown itself
    Sprache1_->setEnabled(false);
    suche_->setSuchIni(pfad(verzeichnisse().einstellungen, QStringLiteral("search.ini")));
    suche_->suchbereichOeffnen();
}

void TFrmMenue::browserZeigen() {
    Panel1_->hide();
    Panel3_->hide();
    teiler_->show();
    Panel5_->show();
    Sprache1_->setEnabled(true);
    if (browser_)
        browserAnzeigen();
}

void TFrmMenue::einheitenZeigen() {
    const bool warFahrenheit = calc::einheiten().bestaetigt(calc::EinheitGruppe::Temperatur) == 1;
    TFrmEinheiten fenster(calc::einheiten(),
                          pfad(verzeichnisse().einstellungen, QStringLiteral("units.dat")), this);
    fenster.exec();
    // Every open sheet, docked or not, shows its point in the new unit.
    const auto fenster_ = QApplication::allWidgets();
    for (QWidget* w : fenster_)
        if (auto* blatt = qobject_cast<TFrmTechnik*>(w))
            blatt->einheitGewechselt(warFahrenheit);
}

void TFrmMenue::closeEvent(QCloseEvent* event) {
    Programmstart::beenden();
    event->accept();
}

// ---- product browser ------------------------------------------------------------

namespace {

// The family pictures that the program brings along where Pics has none.
QPixmap eingebautesBild(const QString& name) {
    static const QHash<QString, QString> dateien{
        {QStringLiteral("Image7"), QStringLiteral("QN_Start.bmp")},
        {QStringLiteral("Image5"), QStringLiteral("W_Start.bmp")},
        {QStringLiteral("Image6"), QStringLiteral("WEY_Start.bmp")}};
    QPixmap bild;
    if (dateien.contains(name))
        bild.load(
            findeDatei(verzeichnisse().programm, QStringLiteral("Pics/") + dateien.value(name)));
    if (!bild.isNull())
        return bild;
    // Open motor compressors (Image1) and the search (Image8): a drawn plate.
    bild = QPixmap(380, 265);
    QPainter maler(&bild);
    QLinearGradient verlauf(0, 0, 380, 265);
    verlauf.setColorAt(0, QColor(24, 64, 140));
    verlauf.setColorAt(1, kHellblau);
    maler.fillRect(bild.rect(), verlauf);
    maler.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("Image1")) {
        maler.setPen(Qt::white);
        maler.setFont(QFont(QStringLiteral("Arial"), 48, QFont::Bold));
        maler.drawText(bild.rect(), Qt::AlignCenter, QStringLiteral("LV"));
    } else {
        // The search: a magnifying glass.
        maler.setPen(QPen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap));
        maler.drawEllipse(QPoint(170, 115), 55, 55);
        maler.drawLine(QPoint(210, 155), QPoint(260, 205));
    }
    return bild;
}

// TV1CustomDrawItem: the node under the mouse is underlined.
class BaumZeichner : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->state & QStyle::State_MouseOver)
            option->font.setUnderline(true);
    }
};

} // namespace

void TFrmMenue::browserVerbinden() {
    TV1_->setItemDelegate(new BaumZeichner(TV1_));
    TV1_->setMouseTracking(true);
    TV1_->viewport()->installEventFilter(this);
    TV1_->installEventFilter(this);
    StringGrid1_->installEventFilter(this);
    Memo1_->installEventFilter(this);
    connect(StringGrid1_, &QTableWidget::cellClicked, this, &TFrmMenue::StringGrid1Click);
    connect(RueckBtn_, &QToolButton::clicked, this, &TFrmMenue::RueckBtnClick);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        // The topic of the window that has the focus, else the main window's.
        int thema = property("helpContext").toInt();
        QWidget* fokus = QApplication::focusWidget();
        for (QWidget* w = fokus ? fokus : focusWidget(); w; w = w->parentWidget()) {
            if (w->property("helpContext").isValid()) {
                thema = w->property("helpContext").toInt();
                break;
            }
        }
        hilfeZeigen(thema);
    });
    connect(suche_, &TFrmSuche::hilfeAngefordert, this, &TFrmMenue::hilfeZeigen);
    // Escape leaves the docked data sheet as its back button does; the shortcut lives on
    // the sheet's area, so it is active only while that area is shown.
    auto* zurueck = new QShortcut(QKeySequence(Qt::Key_Escape), Panel3_);
    connect(zurueck, &QShortcut::activated, this, [this] {
        if (TFrmTechnik* blatt = datenblatt())
            blatt->CancelBtnClick();
    });
}

// Panel6: the five family pictures, from the program directory once it is known.
void TFrmMenue::startBilderFuellen() {
    if (Panel6_->layout())
        return;
    auto* raster = new QGridLayout(Panel6_);
    int k = 0;
    for (const char* name : {"Image7", "Image5", "Image6", "Image1", "Image8"}) {
        auto* bild = new QLabel(Panel6_);
        bild->setObjectName(QString::fromLatin1(name));
        bild->setPixmap(eingebautesBild(QString::fromLatin1(name))
                            .scaled(190, 133, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        raster->addWidget(bild, k / 2, k % 2, Qt::AlignCenter);
        ++k;
    }
}

bool TFrmMenue::browserBereit() {
    if (!browser_ && db::dataModule()) {
        browser_ = std::make_unique<BrowserModell>(*db::dataModule());
        browser_->setProgrammVerzeichnis(verzeichnisse().programm);
        texteSetzen();
    }
    return browser_ != nullptr;
}

BrowserKnoten TFrmMenue::knotenVon(const QTreeWidgetItem* knoten) {
    int ebene = 0;
    for (const QTreeWidgetItem* p = knoten->parent(); p; p = p->parent())
        ++ebene;
    return {knoten->data(0, Qt::UserRole).toInt(), ebene, knoten->childCount() > 0};
}

// Shows the browser model's state: start panel or list, headings, cells, colours.
void TFrmMenue::browserAnzeigen() {
    if (!browser_) {
        Panel2_->hide();
        Panel5_->show();
        return;
    }
    const BrowserModell& m = *browser_;
    const bool liste = m.ansicht() != BrowserAnsicht::Start;
    Panel5_->setVisible(!liste);
    Panel2_->setVisible(liste);
    if (!liste)
        return;
    RueckBtn_->setVisible(m.rueckSichtbar());
    Label1_->setText(m.label1());
    Label2_->setText(m.label2());
    Label3_->setText(m.label3());
    const bool lv = m.lvHinweisSichtbar();
    Panel4_->setVisible(lv);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1_, Label2_, StringGrid1_})
        w->setVisible(!lv);
    const QString hinweis1 = tr("Von diesen Produkten sind hier keine weiteren Dokumentationen");
    const QString hinweis2 = tr("aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.");
    Panel4_->setText(hinweis1 + QLatin1Char('\n') + hinweis2);
    Memo1_->setPlainText(m.memo1());
    Memo1_->setToolTip(lv ? hinweis1 + QLatin1Char(' ') + hinweis2 : QString());

    QPixmap klein;
    klein.load(findeDatei(verzeichnisse().programm,
                          QStringLiteral("Pics/") + StartBildWahl::startBildName(m.gruppe(), 2)));
    if (klein.isNull()) {
        const QString eigenes = StartBildWahl::eingebautesBild(m.gruppe());
        klein = eingebautesBild(eigenes.isEmpty() ? QStringLiteral("Image7") : eigenes);
    }
    Image2_->setPixmap(klein);

    const auto& zeilen = m.zeilen();
    StringGrid1_->clearContents();
    StringGrid1_->setRowCount(std::max<int>(1, static_cast<int>(zeilen.size())));
    const QColor tipp = palette().color(QPalette::ToolTipBase);
    const int versatz = m.kopfzeileSichtbar() ? 1 : 0;
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const bool blau = (r + versatz) % 2 == 1;
        for (int c = 0; c < kListenSpalten; ++c) {
            auto* zelle =
                new QTableWidgetItem(zeilen[static_cast<size_t>(r)][static_cast<size_t>(c)]);
            const bool links = c == 0 || (c == 4 && m.linksbuendig());
            zelle->setTextAlignment((links ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            zelle->setBackground(blau ? kHellblau : tipp);
            StringGrid1_->setItem(r, c, zelle);
        }
    }
    for (int c = 0; c < kListenSpalten; ++c) {
        const int breite = m.breiten()[static_cast<size_t>(c)];
        StringGrid1_->setColumnHidden(c, breite == 0);
        if (breite > 0)
            StringGrid1_->setColumnWidth(c, breite);
    }
    Panel7_->setVisible(m.kopfzeileSichtbar());
    if (m.kopfzeileSichtbar()) {
        Panel7_->setGeometry(0, 0, StringGrid1_->viewport()->width(), StringGrid1_->rowHeight(0));
        Label3_->setContentsMargins(m.breiten()[0] + 8, 0, 0, 0);
        Panel7_->setAutoFillBackground(true);
        Panel7_->raise();
    }
    // No visible cell selected.
    StringGrid1_->clearSelection();
    StringGrid1_->setCurrentItem(nullptr);
}

void TFrmMenue::StringGrid1Click(int zeile, int spalte) {
    if (!browser_)
        return;
    const std::optional<ArtikelAuswahl> auswahl = browser_->StringGrid1Click(zeile, spalte);
    if (auswahl) {
        emit artikelAuswahlOeffnen(*auswahl);
        datenblattOeffnen(datenblattAuftrag(*auswahl, betriebspunkt()));
        // "Back" on this sheet returns to the type list it came from.
        blattAusBrowser_ = true;
        return;
    }
    if (browser_->keineDaten()) {
        QMessageBox::information(this, windowTitle(),
                                 tr("Leider sind zu diesem Artikel keine Daten vorhanden !!!"));
        return;
    }
    browserAnzeigen();
}

void TFrmMenue::RueckBtnClick() {
    if (!browser_)
        return;
    browser_->RueckBtnClick();
    browserAnzeigen();
}

void TFrmMenue::TV1MouseMove(QTreeWidgetItem* knoten) {
    if (!startBild_) {
        startBild_ = std::make_unique<StartBildWahl>(verzeichnisse().programm, [](int gruppe) {
            db::TDataModule1* dm = db::dataModule();
            if (!dm)
                return QString();
            try {
                db::Cursor& gruppen = dm->TBGruppenS;
                if (!gruppen.active())
                    gruppen.open();
                if (gruppen.locate(QStringLiteral("ID"), {db::Value(gruppe)}))
                    return gruppen.asString("GrossesBild");
            } catch (const db::DbError&) {
                // No group table: no group picture.
            }
            return QString();
        });
    }
    if (!knoten) {
        startBildZeigen(startBild_->TV1MouseMove(nullptr));
        return;
    }
    const QTreeWidgetItem* ahn = knoten;
    while (ahn->parent())
        ahn = ahn->parent();
    const auto schluessel = [this](const QTreeWidgetItem* item) {
        // Position in the tree in walking order: unique and stable.
        int nummer = 0;
        for (QTreeWidgetItemIterator it(TV1_); *it; ++it, ++nummer) {
            if (*it == item)
                return nummer;
        }
        return -1;
    };
    const BrowserKnoten k = knotenVon(knoten);
    const StartBildWahl::Knoten bildKnoten{schluessel(knoten), k.gruppe, k.ebene, schluessel(ahn),
                                           ahn->data(0, Qt::UserRole).toInt()};
    startBildZeigen(startBild_->TV1MouseMove(&bildKnoten));
}

void TFrmMenue::startBildZeigen(const StartBildWahl::Ergebnis& ergebnis) {
    if (!ergebnis.geaendert)
        return;
    QPixmap bild;
    if (!ergebnis.datei.isEmpty())
        bild.load(ergebnis.datei);
    else if (!ergebnis.eingebaut.isEmpty())
        bild = eingebautesBild(ergebnis.eingebaut);
    if (bild.isNull()) {
        Image3_->hide();
        Panel6_->show();
        return;
    }
    const QSize groesse = StartBildWahl::bildGroesse(bild.size());
    Image3_->setPixmap(bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Image3_->show();
    Panel6_->hide();
}

bool TFrmMenue::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == TV1_->viewport()) {
        if (event->type() == QEvent::MouseMove)
            TV1MouseMove(TV1_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            TV1MouseMove(nullptr);
    } else if (objekt == TV1_ && event->type() == QEvent::KeyRelease) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if (taste == Qt::Key_Up || taste == Qt::Key_Down || taste == Qt::Key_Left ||
            taste == Qt::Key_Right || taste == Qt::Key_Return || taste == Qt::Key_Enter ||
            taste == Qt::Key_Home || taste == Qt::Key_End)
            TV1Click(TV1_->currentItem());
    } else if (objekt == TV1_ && event->type() == QEvent::FocusIn) {
        // TV1Enter: with nothing selected the first series family is chosen.
        if (!TV1_->currentItem() && TV1_->topLevelItemCount() > 1)
            TV1_->setCurrentItem(TV1_->topLevelItem(1));
    } else if (objekt == StringGrid1_ && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) &&
            StringGrid1_->currentRow() >= 0) {
            StringGrid1Click(StringGrid1_->currentRow(), StringGrid1_->currentColumn());
            return true;
        }
    } else if (objekt == Memo1_ && event->type() == QEvent::FocusIn &&
               static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
        QTimer::singleShot(0, this, &TFrmMenue::gruppenTexteZeigen);
    }
    return QMainWindow::eventFilter(objekt, event);
}

void TFrmMenue::gruppenTexteZeigen() {
    if (gruppenTexteOffen_ || Memo1_->toPlainText().isEmpty())
        return;
    gruppenTexteOffen_ = true;
    QTreeWidgetItem* knoten = TV1_->currentItem();
    TFrmGruppenTexte fenster(knoten ? knoten->text(0) : QString(), Memo1_->toPlainText(), this);
    fenster.exec();
    TV1_->setFocus();
    gruppenTexteOffen_ = false;
}

// ---- language, help, shell windows -----------------------------------------------

// Every text of the window in the current language: menu, tree, headings, hints.
void TFrmMenue::texteSetzen() {
    for (QAction* action : findChildren<QAction*>()) {
        const QByteArray quelle = action->property(kQuelle).toByteArray();
        if (!quelle.isEmpty())
            action->setText(tr(quelle.constData()));
    }
    for (QTreeWidgetItemIterator it(TV1_); *it; ++it)
        (*it)->setText(0, tr((*it)->data(0, Qt::UserRole + 1).toByteArray().constData()));
    for (QLabel* label : findChildren<QLabel*>()) {
        const QByteArray quelle = label->property(kQuelle).toByteArray();
        if (!quelle.isEmpty())
            label->setToolTip(tr(quelle.constData()));
    }
    RueckBtn_->setToolTip(tr("Zuruck"));
    QStringList ueberschriften;
    for (const char* text : kUeberschriften)
        ueberschriften << tr(text);
    ListBox1_->clear();
    ListBox1_->addItems(ueberschriften);
    for (QAction* action : sprachGruppe_->actions())
        action->setChecked(action->property("tag").toInt() == sprache().nummer);
    if (browser_) {
        browser_->setUeberschriften(ueberschriften, sprache().nummer);
        browser_->setSprachCode(sprache().code);
    }
    lblVersion_->setText(versionsText(windowTitle()));
}

void TFrmMenue::SpracheClick(int nummer) {
    sprache().setzen(nummer);
    i18n::Uebersetzer::instanz().laden(sprache().code);
    spracheAnzeigen();
    texteSetzen();
    fensterNeuUebersetzen();
    statusBar()->clearMessage(); // a line of the old language
    spracheSchreiben(suchIniPfad(), sprache());
    QTreeWidgetItem* knoten = TV1_->currentItem();
    if (knoten && knoten->data(0, Qt::UserRole).toInt() != -1 && !Panel1_->isVisible())
        TV1Click(knoten);
}

void TFrmMenue::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && sprachGruppe_) {
        texteSetzen();
        fensterNeuUebersetzen();
    }
    QMainWindow::changeEvent(event);
}

void TFrmMenue::hilfeZeigen(int thema) {
    // Over a modal window the help must belong to it, or the modal window blocks it.
    QWidget* besitzer = QApplication::activeModalWidget();
    if (!besitzer)
        besitzer = this;
    if (!hilfe_)
        hilfe_ = new TFrmHilfe(besitzer);
    else if (hilfe_->parentWidget() != besitzer)
        hilfe_->setParent(besitzer, hilfe_->windowFlags());
    hilfe_->zeigen(findeDatei(verzeichnisse().programm,
                              QStringLiteral("WUK_") + sprache().kurzCode + QStringLiteral(".hlp")),
                   thema);
}

void TFrmMenue::copyrightZeigen() {
    TFrmCopyright2 fenster(this);
    fenster.exec();
}

} // namespace drel::ui

namespace drel::ui {

TFrmTechnik* TFrmMenue::datenblatt() const {
    const auto blaetter = Panel3_->findChildren<TFrmTechnik1*>(Qt::FindDirectChildrenOnly);
    return blaetter.isEmpty() ? nullptr : blaetter.front();
}

void TFrmMenue::datenblattOeffnen(const DatenblattAuftrag& auftrag) {
    TFrmTechnik* blatt = datenblatt();
    if (!blatt) {
        blatt = new TFrmTechnik1(*db::dataModule(), calc::stoff(), calc::einheiten(), Panel3_);
        blatt->setAttribute(Qt::WA_DeleteOnClose);
        Panel3_->layout()->addWidget(blatt);
        connect(blatt, &TFrmTechnik::abdocken, this, [this, blatt] { abdocken(blatt); });
        connect(blatt, &TFrmTechnik::andocken, this, [this, blatt] { andocken(blatt); });
        connect(blatt, &TFrmTechnik::zurueck, this, [this, blatt] { datenblattSchliessen(blatt); });
        connect(blatt, &TFrmTechnik::drucken, this, [this, blatt] { datenblattDrucken(blatt); });
    }
    neuesFenster_ = false;
    blattAusBrowser_ = false;
    blatt->oeffnen(auftrag);
    MenueEintragen(blatt, false);
    Panel1_->hide();
    teiler_->hide();
    Panel3_->show();
    blatt->show();
    blatt->raise();
    suche_->setEnabled(false);
}

void TFrmMenue::abdocken(TFrmTechnik* blatt) {
    const QRect rahmen = geometry();
    Panel3_->layout()->removeWidget(blatt);
    const QSize groesse = blatt->size();
    blatt->setParent(nullptr, Qt::Window);
    blatt->setGeometry(QRect(rahmen.topLeft() + QPoint(40, 40), groesse + QSize(5, 25)));
    blatt->setAngedockt(false);
    MenueEintragen(blatt, true);
    blatt->show();
    neuesFenster_ = true;
    suche_->setEnabled(true);
    Panel3_->hide();
    Panel1_->show();
    raise();
}

void TFrmMenue::andocken(TFrmTechnik* blatt) {
    if (!neuesFenster_)
        return; // another sheet is docked
    blatt->setAngedockt(true);
    blatt->setParent(Panel3_, Qt::Widget);
    Panel3_->layout()->addWidget(blatt);
    neuesFenster_ = false;
    MenueEintragen(blatt, false);
    Panel1_->hide();
    teiler_->hide();
    Panel3_->show();
    blatt->show();
    blatt->raise();
    suche_->setEnabled(false);
}

void TFrmMenue::datenblattSchliessen(TFrmTechnik* blatt) {
    if (blatt->angedockt()) {
        MenueEintragen(blatt, true);
        Panel3_->layout()->removeWidget(blatt);
    }
    blatt->close();
    blatt->setParent(nullptr);
    if (datenblatt() == nullptr || datenblatt() == blatt) {
        neuesFenster_ = true;
        suche_->setEnabled(true);
        Panel3_->hide();
        if (blattAusBrowser_) {
            browserZeigen();
            StringGrid1_->setFocus(); // the keyboard goes on where it left the list
        } else
            suchbereichOeffnen();
    }
    blatt->deleteLater();
}

void TFrmMenue::MenueEintragen(TFrmTechnik* blatt, bool entfernen) {
    for (QAction* a : menuBar()->actions())
        if (a->property("tag").toInt() == -99) {
            menuBar()->removeAction(a);
            a->deleteLater();
        }
    if (entfernen)
        return;
    QMenu* quelle = blatt->TechMenu();
    QString titel = quelle->title();
    const QString code = sprache().kurzCode;
    if (code.compare(QLatin1String("Ko"), Qt::CaseInsensitive) == 0 ||
        code.compare(QLatin1String("Cn"), Qt::CaseInsensitive) == 0)
        titel.chop(4);
    auto* kopie = new QMenu(titel, menuBar());
    kopie->menuAction()->setProperty("tag", -99);
    kopie->menuAction()->setObjectName(QStringLiteral("TechMenuKopie"));
    for (QAction* a : quelle->actions()) {
        QAction* k = kopie->addAction(a->text());
        k->setVisible(a->isVisible());
        k->setEnabled(a->isEnabled());
        k->setProperty("tag", -99);
        connect(k, &QAction::triggered, a, &QAction::trigger);
    }
    const QList<QAction*> oben = menuBar()->actions();
    QAction* vor = oben.size() > 4 ? oben.at(4) : nullptr;
    menuBar()->insertMenu(vor, kopie);
}

void TFrmMenue::datenblattDrucken(TFrmTechnik* blatt) {
    blatt->blatt().seitenFuellen();
    print::TFrmKunde kunde(std::as_const(*blatt).blatt(), blatt->font().family(), blatt);
    kunde.exec();
}

// The search window's printout: the grid in the report, shown in the preview (which
// prints and exports).
void TFrmMenue::ergebnisDrucken(const QList<QStringList>& raster, const QString& seite) {
    const print::DruckRaster zeilen(raster.begin(), raster.end());
    auto bericht = print::ergebnisBerichtAnlegen();
    bericht->setTitle(tr("Suchergebnis"));
    print::ergebnisBerichtFuellen(*bericht, zeilen, seite);
    bericht::BerichtDrucker drucker(*bericht, this);
    drucker.preview();
    if (!drucker.error().isEmpty())
        report(drucker.error(), tr("Drucken"), MessageKind::Error);
}

// The windows built in the previous language: the search window and every data sheet,
// docked or undocked, with its notes window.
void TFrmMenue::fensterNeuUebersetzen() {
    i18n::neuUebersetzen(suche_);
    QList<TFrmTechnik*> blaetter = findChildren<TFrmTechnik*>();
    for (QWidget* fenster : QApplication::topLevelWidgets())
        if (auto* blatt = qobject_cast<TFrmTechnik*>(fenster); blatt && !blaetter.contains(blatt))
            blaetter << blatt;
    for (TFrmTechnik* blatt : blaetter) {
        i18n::neuUebersetzen(blatt);
        i18n::neuUebersetzen(blatt->hinweise());
    }
}

} // namespace drel::ui
