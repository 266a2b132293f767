#include "app/ui/frmmenue.h"

#include "app/programmstart.h"
#include "app/ui/blattdock.h"
#include "app/ui/browsersicht.h"
#include "app/ui/druckauftraege.h"
#include "app/ui/fensterpflege.h"
#include "app/ui/frmcopyright2.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/hauptmenue.h"
#include "app/ui/hilfeweiche.h"
#include "app/ui/shelltexte.h"
#include "base/directories.h"
#include "base/ui/hinweispause.h"
#include "calc/einheiten.h"
#include "print/ui/frmvergleich.h"
#include "search/ui/frmsuche.h"
#include "sheet/ui/frmreihe.h"
#include "state/sprache.h"
#include "state/suchini.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace drel::ui {

namespace {

// How long a hint stays on screen.
constexpr int kHinweisPauseMs = 3000;

// The maker's addresses behind "Drel im Internet", "Kontakt zu Drel" and the mail label.
const QString kWebAdresse = QStringLiteral("https://www.drel.example/");
const QString kKontaktAdresse = QStringLiteral("https://www.drel.example/kontakt");
const char* const kMailHinweis =
    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Klicken Sie hier um eine e-Mail an Drel zu "
                                             "senden");

// Chinese users write to the maker's office in China.
QString mailAdresse() {
    return sprache().kurzCode.toUpper() == QLatin1String("CN")
               ? QStringLiteral("mailto:china@drel.example")
               : QStringLiteral("mailto:info@drel.example");
}

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

QWidget* panel(const char* name, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString suchIniDatei() {
    return pfad(verzeichnisse().einstellungen, QStringLiteral("search.ini"));
}

} // namespace

TFrmMenue::TFrmMenue(Programmstart& start, QWidget* parent) : TDFormArt(parent) {
    setObjectName(QStringLiteral("TFrmMenue"));
    // Texts shown from here on can be translated again when the language changes.
    uebersetzerInstallieren();
    texte().fensterTitel(this, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Drel - Auswahlprogramm"));
    setMinimumSize(900, 649);
    resize(900, 650);
    // The program opens in the middle of the screen, not where the system happens to put it.
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen())
        move(bildschirm->availableGeometry().center() - rect().center());
    setProperty("helpContext", 1);
    menue_ = new Hauptmenue(*this, texte());
    flaechenAnlegen();
    menueVerbinden();
    hilfe_ = new HilfeWeiche(*this);
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

    auto* kopf = new QLabel(QStringLiteral("Drel"), zentral);
    kopf->setObjectName(QStringLiteral("Image4"));
    kopf->setFixedHeight(100);
    kopf->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #18408c, stop:1 #d6e3f7);"
        "color: white; font: bold 28pt 'Arial'; padding-left: 24px;"));
    spalte->addWidget(kopf);

    browserSicht_ = new BrowserSicht(texte(), zentral);
    spalte->addWidget(browserSicht_, 1);
    connect(browserSicht_, &BrowserSicht::sucheGewaehlt, this, &TFrmMenue::suchbereichOeffnen);
    connect(browserSicht_, &BrowserSicht::ansichtGeaendert, this,
            [this] { inhaltZeigen(browserSicht_->inhalt()); });
    connect(browserSicht_, &BrowserSicht::artikelGewaehlt, this, &TFrmMenue::artikelOeffnen);

    // The search area takes the full width below the header, over the tree.
    Panel1_ = sucheAnlegen(zentral);
    spalte->addWidget(Panel1_, 1);

    // The docked data sheet takes the same place as the search. Where the window is too
    // low for the sheet with its diagram page, the sheet scrolls rather than cutting off
    // its lower part.
    Panel3_ = panel("Panel3", zentral);
    auto* panel3Layout = new QVBoxLayout(Panel3_);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    auto* rollen = new QScrollArea(Panel3_);
    rollen->setObjectName(QStringLiteral("ScrollBox3"));
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setFocusPolicy(Qt::NoFocus); // keys go to the sheet (Esc closes it)
    auto* blattFlaeche = panel("Panel3Blatt", rollen);
    auto* blattLayout = new QVBoxLayout(blattFlaeche);
    blattLayout->setContentsMargins(0, 0, 0, 0);
    rollen->setWidget(blattFlaeche);
    panel3Layout->addWidget(rollen);
    spalte->addWidget(Panel3_, 1);
    dock_ = new BlattDock(blattFlaeche, *menue_);
    connect(dock_, &BlattDock::gezeigt, this, [this] { inhaltZeigen(Inhalt::Blatt); });
    connect(dock_, &BlattDock::frei, this, &TFrmMenue::blattFrei);

    adressBand_ = adressBandAnlegen(zentral);
    spalte->addWidget(adressBand_);
    setCentralWidget(zentral);
    inhaltZeigen(Inhalt::Start);
}

QWidget* TFrmMenue::sucheAnlegen(QWidget* parent) {
    QWidget* bereich = panel("Panel1", parent);
    auto* bereichLayout = new QVBoxLayout(bereich);
    bereichLayout->setContentsMargins(0, 0, 0, 2);
    auto* scrollBox = panel("ScrollBox1", bereich);
    bereichLayout->addWidget(scrollBox);
    auto* scrollLayout = new QVBoxLayout(scrollBox);
    scrollLayout->setContentsMargins(0, 0, 3, 3);
    suche_ = new TFrmSuche(calc::einheiten(), scrollBox);
    suche_->setSuchIni(suchIniDatei());
    scrollLayout->addWidget(suche_);
    connect(suche_, &TFrmSuche::zurueck, this, &TFrmMenue::browserZeigen);
    connect(suche_, &TFrmSuche::statusMeldung, this,
            [this](const QString& text) { statusBar()->showMessage(text, 10000); });
    connect(suche_, &TFrmSuche::datenblattOeffnen, this, &TFrmMenue::datenblattOeffnen);
    connect(suche_, &TFrmSuche::ergebnisDrucken, this,
            [this](const QList<QStringList>& raster, const QString& seite,
                   const QStringList& kopf) { ergebnisDrucken(raster, seite, kopf, this); });
    connect(suche_, &TFrmSuche::hilfeAngefordert, this, &TFrmMenue::hilfeZeigen);
    connect(suche_, &TFrmSuche::vergleichOeffnen, this,
            [this](const QList<DatenblattAuftrag>& a) { vergleichZeigen(this, a); });
    return bereich;
}

// Bottom band with the web address and the mail label.
QWidget* TFrmMenue::adressBandAnlegen(QWidget* parent) {
    auto* band = panel("Shape5", parent);
    auto* bandLayout = new QHBoxLayout(band);
    bandLayout->addStretch();
    auto* adresse = new QLabel(band);
    adresse->setObjectName(QStringLiteral("lblAdresse"));
    adresse->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebAdresse));
    connect(adresse, &QLabel::linkActivated, this, [](const QString& ziel) { ExecuteFile(ziel); });
    bandLayout->addWidget(adresse);
    auto* mail = new QLabel(QStringLiteral("<a href=\"mail\">E-Mail</a>"), band);
    mail->setObjectName(QStringLiteral("lblMail"));
    texte().tipp(mail, kMailHinweis);
    connect(mail, &QLabel::linkActivated, this, [] { ExecuteFile(mailAdresse()); });
    bandLayout->addWidget(mail);
    bandLayout->addStretch();
    return band;
}

void TFrmMenue::menueVerbinden() {
    connect(menue_, &Hauptmenue::beenden, this, &QWidget::close);
    connect(menue_, &Hauptmenue::einheiten, this, &TFrmMenue::einheitenZeigen);
    connect(menue_, &Hauptmenue::reihenberechnung, this, [this] { reihenberechnungZeigen(this); });
    connect(menue_, &Hauptmenue::vergleich, this, [this] { vergleichZeigen(this); });
    connect(menue_, &Hauptmenue::spracheGewaehlt, this, &TFrmMenue::spracheWaehlen);
    connect(menue_, &Hauptmenue::suchen, this, &TFrmMenue::suchbereichOeffnen);
    connect(menue_, &Hauptmenue::hilfe, this, [this] { hilfeZeigen(1); });
    connect(menue_, &Hauptmenue::hinweis, this, &TFrmMenue::hinweisZeigen);
    connect(menue_, &Hauptmenue::internet, this, [] { ExecuteFile(kWebAdresse); });
    connect(menue_, &Hauptmenue::kontakt, this, [] { ExecuteFile(kKontaktAdresse); });
    connect(menue_, &Hauptmenue::copyright, this, &TFrmMenue::copyrightZeigen);
}

// The one place that switches the content area: the panels, the search window's
// enabled state and the menus all follow the area.
void TFrmMenue::inhaltZeigen(Inhalt inhalt) {
    inhalt_ = inhalt;
    const bool browser = browserBereich(inhalt);
    Panel1_->setVisible(inhalt == Inhalt::Suche);
    Panel3_->setVisible(inhalt == Inhalt::Blatt);
    browserSicht_->setVisible(browser);
    if (browser)
        browserSicht_->anzeigen();
    // The search waits behind a docked sheet and takes input again once it is gone.
    suche_->setEnabled(inhalt != Inhalt::Blatt);
    if (inhalt == Inhalt::Suche)
        suche_->show(); // a dialog class stays hidden until it is shown itself
    menue_->zustandSetzen(menueZustand(inhalt));
    setProperty("helpContext", drel::hilfeThema(inhalt));
}

void TFrmMenue::FormCreate(Programmstart& start) {
    QToolTip::setFont(
        QFont(QStringLiteral("Arial"), browserSicht_->versionLabel()->font().pointSize()));
    start.ausfuehren();
    spracheLaden();

    splash_ = new TFrmSplash;
    splash_->zeigen();

    hinweis_ = new TFrmHinweis(this);
    hinweis_->hide();

    spracheGewechselt();
    browserSicht_->startBilderFuellen();
}

void TFrmMenue::spracheGewechselt() {
    menue_->spracheMarkieren();
    browserSicht_->spracheGewechselt();
    browserSicht_->versionLabel()->setText(versionsText(windowTitle()));
}

void TFrmMenue::spracheWaehlen(int nummer) {
    sprache().setzen(nummer);
    spracheLaden();
    statusBar()->clearMessage(); // a line of the old language
    spracheSchreiben(suchIniPfad(), sprache());
    if (inhalt_ != Inhalt::Suche)
        browserSicht_->knotenNeuZeigen();
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
    TDFormArt::showEvent(event);
    if (!gezeigt_) {
        gezeigt_ = true;
        FormShow();
    }
}

void TFrmMenue::FormShow() {
    browserSicht_->baum()->collapseAll();
    // A first start has no unit choice yet: ask for it before anything else.
    if (!calc::einheiten().gewaehlt(calc::EinheitGruppe::Leistung))
        QTimer::singleShot(0, this, &TFrmMenue::einheitenZeigen);
    if (splash_)
        splash_->schliessenNach();
    qApp->installEventFilter(new HinweisPause(kHinweisPauseMs, this));
}

void TFrmMenue::sucheVorbereiten(db::TDataModule1& dm, fluid::TStoff& stoff) {
    suche_->setSuchIni(suchIniDatei());
    suche_->FormCreate(dm, stoff);
}

void TFrmMenue::suchbereichOeffnen() {
    inhaltZeigen(Inhalt::Suche);
    suche_->setSuchIni(suchIniDatei());
    suche_->suchbereichOeffnen();
}

void TFrmMenue::browserZeigen() {
    inhaltZeigen(browserSicht_->inhalt());
}

BrowserModell* TFrmMenue::browser() const {
    return browserSicht_->modell();
}

void TFrmMenue::einheitenZeigen() {
    einheitenFensterZeigen(this);
}

void TFrmMenue::closeEvent(QCloseEvent* event) {
    Programmstart::beenden();
    event->accept();
}

TFrmTechnik* TFrmMenue::datenblatt() const {
    return dock_->blatt();
}

void TFrmMenue::datenblattOeffnen(const DatenblattAuftrag& auftrag) {
    dock_->oeffnen(auftrag, false);
}

void TFrmMenue::artikelOeffnen(const ArtikelAuswahl& auswahl) {
    emit artikelAuswahlOeffnen(auswahl);
    // "Back" on this sheet returns to the type list it came from.
    dock_->oeffnen(datenblattAuftrag(auswahl, betriebspunkt()), true);
}

// No sheet is docked any more: where the area showed it, it shows again what the sheet
// was opened from; the search keeps its result list and selection.
void TFrmMenue::blattFrei(bool ausBrowser) {
    if (inhalt_ != Inhalt::Blatt) {
        inhaltZeigen(inhalt_);
        return;
    }
    if (ausBrowser) {
        browserZeigen();
        browserSicht_->listeFokussieren(); // the keyboard goes on where it left the list
        return;
    }
    inhaltZeigen(Inhalt::Suche);
    suche_->ergebnisFokussieren();
}

QString TFrmMenue::hilfeDatei() const {
    return HilfeWeiche::datei();
}

void TFrmMenue::hilfeZeigen(int thema) {
    hilfe_->zeigen(thema);
}

void TFrmMenue::copyrightZeigen() {
    TFrmCopyright2 fenster(this);
    fenster.exec();
}

} // namespace drel::ui
