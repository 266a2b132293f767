#include "app/ui/frmmenue.h"

#include "app/programmstart.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmsplash.h"
#include "app/ui/shelltexte.h"
#include "base/directories.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "print/ergebnisdruck.h"
#include "report/ui/berichtdrucker.h"
#include "search/ergebnisliste.h"
#include "search/ui/frmsuche.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
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
    {0, "Suche nach Leistung / Typ", -1},
    {0, "Halbhermetische Verdichter", 58},
    {1, "Sauggasgekuhlt QN", 25},
    {2, "einstufig", 25},
    {2, "zweistufig", 26},
    {2, "8/4polig (zwei Drehzahlen)", 45},
    {2, "Duplex Verdichter", 30},
    {2, "Verdichtersatze mit Sammler", 56},
    {2, "Verflussigungssatze luftgekuhlt", 57},
    {2, "CO2 subkritisch", 73},
    {2, "R410A", 74},
    {1, "Luftgekuhlt QL", 24},
    {2, "einstufig", 24},
    {2, "Duplex Verdichter", 29},
    {2, "Verdichtersatze mit Sammler", 54},
    {2, "Verflussigungssatze luftgekuhlt", 55},
    {0, "Offene Motorverdichter LV", 65},
    {0, "Offene Verdichter W", 38},
    {1, "einstufig", 31},
    {1, "zweistufig", 23},
    {1, "Verdichtersatze", 32},
    {1, "NH3-Verdichter", 51},
    {1, "NH3-Verdichtersatze", 63},
    {0, "Fahrzeugverdichter WY", 39},
    {1, "Bus- und Bahnklimatisierung", 33},
    {1, "Transportkuhlung", 66},
    {1, "   und andere Anwendungen", 66},
};

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
    setWindowTitle(kTitel);
    setMinimumSize(900, 649);
    resize(900, 650);
    setProperty("helpContext", 1);
    flaechenAnlegen();
    menueAnlegen();
    FormCreate(start);
}

TFrmMenue::~TFrmMenue() {
    delete splash_;
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

// Start panel: version label and the place of the hovered series picture.
QWidget* TFrmMenue::startPanelAnlegen(QWidget* parent) {
    Panel5_ = panel("Panel5", parent);
    auto* startLayout = new QVBoxLayout(Panel5_);
    lblVersion_ = new QLabel(Panel5_);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    startLayout->addWidget(lblVersion_);
    auto* image3 = new QLabel(Panel5_);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->hide();
    startLayout->addWidget(image3);
    startLayout->addWidget(panel("Panel6", Panel5_), 1);
    return Panel5_;
}

// List panel of the browser: headings, size/type list and series description.
QWidget* TFrmMenue::listenPanelAnlegen(QWidget* parent) {
    Panel2_ = panel("Panel2", parent);
    auto* listenLayout = new QVBoxLayout(Panel2_);
    for (const char* name : {"Label1", "Label2"}) {
        auto* label = new QLabel(Panel2_);
        label->setObjectName(QString::fromLatin1(name));
        listenLayout->addWidget(label);
    }
    StringGrid1_ = new QTableWidget(1, 7, Panel2_);
    StringGrid1_->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1_->horizontalHeader()->hide();
    StringGrid1_->verticalHeader()->hide();
    StringGrid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listenLayout->addWidget(StringGrid1_, 1);
    Memo1_ = new QPlainTextEdit(Panel2_);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setReadOnly(true);
    listenLayout->addWidget(Memo1_);
    Memo3_ = new QPlainTextEdit(Panel2_);
    Memo3_->setObjectName(QStringLiteral("Memo3"));
    Memo3_->setReadOnly(true);
    Memo3_->hide();
    listenLayout->addWidget(Memo3_);
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
    mail->setToolTip(QStringLiteral("Klicken Sie hier um eine e-Mail an Drel zu senden"));
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
        item->setText(0, QString::fromLatin1(knoten.text));
        item->setData(0, Qt::UserRole, knoten.gruppe);
        eltern[knoten.ebene] = item;
    }
}

QAction* TFrmMenue::eintrag(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TFrmMenue::menueAnlegen() {
    QMenu* wuk = menuBar()->addMenu(kVersion);
    mnWUK_ = wuk->menuAction();
    mnWUK_->setObjectName(QStringLiteral("mnWUK"));
    connect(eintrag(wuk, "Beenden1", QStringLiteral("&Beenden")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* optionen = menuBar()->addMenu(QStringLiteral("&Optionen"));
    optionen->menuAction()->setObjectName(QStringLiteral("Datei1"));
    eintrag(optionen, "Druckerauswahl1", QStringLiteral("&Druckerauswahl"));
    Einheiten1_ = eintrag(optionen, "Einheiten1", QStringLiteral("Einheiten"));
    connect(Einheiten1_, &QAction::triggered, this, &TFrmMenue::einheitenZeigen);
    Sprache1_ = optionen->addMenu(QStringLiteral("&Sprache"));
    Sprache1_->menuAction()->setObjectName(QStringLiteral("Sprache1"));
    for (const SprachEintrag& sprachEintrag : sprachTabelle()) {
        QAction* action =
            eintrag(Sprache1_, sprachEintrag.menuName, QString::fromLatin1(sprachEintrag.menuText));
        action->setProperty("tag", sprachEintrag.nummer);
        const int nummer = sprachEintrag.nummer;
        connect(action, &QAction::triggered, this, [this, nummer] { spracheWaehlen(nummer); });
    }

    QAction* suchen = menuBar()->addAction(QStringLiteral("&Suchen"));
    suchen->setObjectName(QStringLiteral("Suchen1"));
    suchen->setVisible(false);
    connect(suchen, &QAction::triggered, this, &TFrmMenue::suchbereichOeffnen);

    QMenu* lieferprogramm = menuBar()->addMenu(QStringLiteral("&Lieferprogramm"));
    lieferprogramm->menuAction()->setObjectName(QStringLiteral("bersicht1"));
    lieferprogramm->menuAction()->setVisible(false);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&?"));
    hilfe->menuAction()->setObjectName(QStringLiteral("Hilfe1"));
    eintrag(hilfe, "Hilfe2", QStringLiteral("Hilfe"));
    QAction* hinweisAction = eintrag(hilfe, "Hinweis1", QStringLiteral("Hinweis"));
    connect(hinweisAction, &QAction::triggered, this, [this, hinweisAction] {
        hinweisZeigen(hinweisAction->text(), QStringLiteral("Info1"));
    });
    QAction* neuAction =
        eintrag(hilfe, "NeuindieserVersion1", QStringLiteral("Neu in dieser Version"));
    connect(neuAction, &QAction::triggered, this,
            [this, neuAction] { hinweisZeigen(neuAction->text(), QStringLiteral("Readme-")); });
    connect(eintrag(hilfe, "DrelimInternet1", QStringLiteral("Drel im Internet")),
            &QAction::triggered, this, [] { ExecuteFile(kWebAdresse); });
    connect(eintrag(hilfe, "KontaktzuDrel1", QStringLiteral("Kontakt zu Drel")),
            &QAction::triggered, this, [] { ExecuteFile(kKontaktAdresse); });
    eintrag(hilfe, "ber1", QStringLiteral("Uber ..."))->setVisible(false);
    eintrag(hilfe, "Copyright1", QStringLiteral("Copyright"));
}

void TFrmMenue::FormCreate(Programmstart& start) {
    QToolTip::setFont(QFont(QStringLiteral("Arial"), lblVersion_->font().pointSize()));
    start.ausfuehren();

    splash_ = new TFrmSplash;
    splash_->show();
    QCoreApplication::processEvents();

    hinweis_ = new TFrmHinweis(this);
    hinweis_->hide();

    spracheAnzeigen();
    mnWUK_->setText(kVersion);

    for (QWidget* widget : std::initializer_list<QWidget*>{TV1_, Memo1_, Memo3_, StringGrid1_})
        hellblauFaerben(widget);
    StringGrid1_->setColumnWidth(6, 0);
    StringGrid1_->setColumnHidden(6, true);
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
    sprache().setzen(nummer);
    spracheAnzeigen();
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
    const bool suchKnoten = knoten && !knoten->parent() && knoten->childCount() == 0 &&
                            knoten->data(0, Qt::UserRole).toInt() == -1;
    if (suchKnoten)
        suchbereichOeffnen();
    else
        browserZeigen();
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
}

void TFrmMenue::einheitenZeigen() {
    TFrmEinheiten fenster(calc::einheiten(),
                          pfad(verzeichnisse().einstellungen, QStringLiteral("units.dat")), this);
    fenster.exec();
}

void TFrmMenue::closeEvent(QCloseEvent* event) {
    Programmstart::beenden();
    event->accept();
}

} // namespace drel::ui

namespace drel::ui {

TFrmTechnik* TFrmMenue::datenblatt() const {
    const auto blaetter = Panel3_->findChildren<TFrmTechnik1*>(Qt::FindDirectChildrenOnly);
    return blaetter.isEmpty() ? nullptr : blaetter.front();
}

void TFrmMenue::datenblattOeffnen(const search::DatenblattDaten& daten) {
    TFrmTechnik* blatt = datenblatt();
    if (!blatt) {
        blatt = new TFrmTechnik1(*db::dataModule(), calc::stoff(), calc::einheiten(), Panel3_);
        blatt->setAttribute(Qt::WA_DeleteOnClose);
        Panel3_->layout()->addWidget(blatt);
        connect(blatt, &TFrmTechnik::abdocken, this, [this, blatt] { abdocken(blatt); });
        connect(blatt, &TFrmTechnik::andocken, this, [this, blatt] { andocken(blatt); });
        connect(blatt, &TFrmTechnik::zurueck, this, [this, blatt] { datenblattSchliessen(blatt); });
    }
    neuesFenster_ = false;
    blatt->ausSuche(daten);
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

} // namespace drel::ui
