#include "app/ui/browsersicht.h"

#include "app/ui/browserlistenmodell.h"
#include "app/ui/frmgruppentexte.h"
#include "base/directories.h"
#include "base/ui/kuerzenderzeichner.h"
#include "base/ui/quelltexte.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace drel::ui {

namespace {

const QColor kHellblau(214, 227, 247);

// The browser's texts belong to the main window's translations.
constexpr const char* kKontext = "drel::ui::TFrmMenue";

QString uebersetzt(const char* quelle) {
    return QCoreApplication::translate(kKontext, quelle);
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
    // The high-pressure group holds the R32 types beside the R410A ones.
    {2, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "R410A, R32"), 74},
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

// The column headings of the lists, by index.
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

QWidget* panel(const char* name, QWidget* parent) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void hellblauFaerben(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, kHellblau);
    palette.setColor(QPalette::Window, kHellblau);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

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

// The node under the mouse is underlined.
// Too long a series name (Russian) is cut and shown whole in the hint.
class BaumZeichner : public KuerzenderZeichner {
public:
    using KuerzenderZeichner::KuerzenderZeichner;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        KuerzenderZeichner::initStyleOption(option, index);
        if (option->state & QStyle::State_MouseOver)
            option->font.setUnderline(true);
    }
};

bool pfeilOderEingabe(int taste) {
    return taste == Qt::Key_Up || taste == Qt::Key_Down || taste == Qt::Key_Left ||
           taste == Qt::Key_Right || taste == Qt::Key_Return || taste == Qt::Key_Enter ||
           taste == Qt::Key_Home || taste == Qt::Key_End;
}

} // namespace

BrowserSicht::BrowserSicht(Quelltexte& texte, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), texte_(texte) {
    TV1_ = new QTreeWidget(this);
    TV1_->setObjectName(QStringLiteral("TV1"));
    TV1_->setHeaderHidden(true);
    TV1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    baumFuellen();

    auto* rechts = new QWidget(this);
    auto* rechtsLayout = new QVBoxLayout(rechts);
    rechtsLayout->setContentsMargins(0, 0, 0, 0);
    rechtsLayout->addWidget(startPanelAnlegen(rechts));
    rechtsLayout->addWidget(listenPanelAnlegen(rechts));
    setStretchFactor(1, 1);
    setSizes({300, 600});

    for (QWidget* widget : std::initializer_list<QWidget*>{TV1_, Memo1_, Memo3_, StringGrid1_})
        hellblauFaerben(widget);
    listenModell_ = new BrowserListenModell(this);
    StringGrid1_->setModel(listenModell_);
    StringGrid1_->setColumnHidden(kListenSpalten - 1, true); // never shown

    TV1_->setItemDelegate(new BaumZeichner(TV1_));
    TV1_->setMouseTracking(true);
    TV1_->viewport()->installEventFilter(this);
    TV1_->installEventFilter(this);
    StringGrid1_->installEventFilter(this);
    Memo1_->installEventFilter(this);
    connect(TV1_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* knoten) { TV1Click(knoten); });
    connect(TV1_, &QTreeWidget::itemExpanded, this, [this] { baumBreiteAnpassen(); });
    connect(StringGrid1_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { StringGrid1Click(index.row(), index.column()); });
    connect(RueckBtn_, &QToolButton::clicked, this, &BrowserSicht::RueckBtnClick);
}

BrowserSicht::~BrowserSicht() = default;

// Start panel: version label, the hovered series picture (Image3) and, when no
// series is under the mouse, the five family pictures (Panel6).
QWidget* BrowserSicht::startPanelAnlegen(QWidget* parent) {
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

// List panel: back button, series description and picture, headings, the size/type
// list and the LV note.
QWidget* BrowserSicht::listenPanelAnlegen(QWidget* parent) {
    Panel2_ = panel("Panel2", parent);
    auto* listenLayout = new QVBoxLayout(Panel2_);
    auto* kopf = new QHBoxLayout;
    auto* panel3 = panel("Panel3", Panel2_);
    auto* panel3Layout = new QVBoxLayout(panel3);
    panel3Layout->setContentsMargins(0, 4, 0, 0);
    RueckBtn_ = new QToolButton(panel3);
    RueckBtn_->setObjectName(QStringLiteral("RueckBtn"));
    RueckBtn_->setArrowType(Qt::LeftArrow);
    texte_.tipp(RueckBtn_, QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Zuruck"));
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
    StringGrid1_ = new QTableView(Panel2_);
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
    Panel2_->hide();
    return Panel2_;
}

void BrowserSicht::baumFuellen() {
    QTreeWidgetItem* eltern[3] = {nullptr, nullptr, nullptr};
    for (const Knoten& knoten : kBaum) {
        auto* item = knoten.ebene == 0 ? new QTreeWidgetItem(TV1_)
                                       : new QTreeWidgetItem(eltern[knoten.ebene - 1]);
        texte_.eigene(TV1_, knoten.text, [item](const QString& t) { item->setText(0, t); });
        item->setData(0, Qt::UserRole, knoten.gruppe);
        // Level 0 in 13 pt, level 1 in 11 pt, level 2 in 10 pt.
        QFont schrift = item->font(0);
        schrift.setPointSize(knoten.ebene == 0 ? 13 : knoten.ebene == 1 ? 11 : 10);
        item->setFont(0, schrift);
        eltern[knoten.ebene] = item;
    }
}

// Panel6: the five family pictures, from the program directory once it is known.
void BrowserSicht::startBilderFuellen() {
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

QStringList BrowserSicht::ueberschriften() const {
    QStringList texte;
    for (const char* text : kUeberschriften)
        texte << uebersetzt(text);
    return texte;
}

bool BrowserSicht::bereit() {
    if (!browser_ && db::dataModule()) {
        browser_ = std::make_unique<BrowserModell>(*db::dataModule());
        browser_->setProgrammVerzeichnis(verzeichnisse().programm);
        listenModell_->setQuelle(browser_.get(), palette().color(QPalette::ToolTipBase));
        StringGrid1_->setColumnHidden(kListenSpalten - 1, true);
        spracheGewechselt();
    }
    return browser_ != nullptr;
}

Inhalt BrowserSicht::inhalt() const {
    return browser_ ? browserInhalt(browser_->ansicht()) : Inhalt::Start;
}

void BrowserSicht::baumBreiteAnpassen() {
    const QList<int> teile = sizes();
    const int gesamt = teile.size() == 2 ? teile[0] + teile[1] : 0;
    if (gesamt <= 0)
        return;
    const int rand = 2 * TV1_->frameWidth() + TV1_->verticalScrollBar()->sizeHint().width() + 4;
    int eintraege = 0;
    for (QTreeWidgetItemIterator it(TV1_); *it; ++it) {
        int tiefe = 1; // the branch column of the top level
        bool sichtbar = true;
        for (const QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent(), ++tiefe)
            sichtbar = sichtbar && p->isExpanded();
        if (!sichtbar)
            continue;
        const QFontMetrics masse((*it)->font(0));
        eintraege = std::max(eintraege, tiefe * TV1_->indentation() +
                                            masse.horizontalAdvance((*it)->text(0)) + 8);
    }
    const int noetig = std::min(eintraege + rand, gesamt / 2);
    if (noetig > teile[0])
        setSizes({noetig, gesamt - noetig});
}

void BrowserSicht::spracheGewechselt() {
    // The entries take their new texts in the same pass; measure them afterwards.
    QTimer::singleShot(0, this, [this] { baumBreiteAnpassen(); });
    QFont schrift = Memo1_->font();
    schrift.setPointSize(sprache().nummer == 10 ? 9 : 10);
    Memo1_->setFont(schrift);
    if (browser_) {
        browser_->setUeberschriften(ueberschriften(), sprache().nummer);
        browser_->setSprachCode(sprache().code);
    }
}

BrowserKnoten BrowserSicht::knotenVon(const QTreeWidgetItem* knoten) {
    int ebene = 0;
    for (const QTreeWidgetItem* p = knoten->parent(); p; p = p->parent())
        ++ebene;
    return {knoten->data(0, Qt::UserRole).toInt(), ebene, knoten->childCount() > 0};
}

void BrowserSicht::TV1Click(QTreeWidgetItem* knoten) {
    if (!knoten)
        return;
    window()->setProperty("helpContext", 8);
    const BrowserKnoten k = knotenVon(knoten);
    const KnotenAktion aktion = BrowserModell::knotenAktion(k);
    if (bereit())
        browser_->TV1Click(k);
    else
        lukoModusSetzen(k);
    if (aktion == KnotenAktion::Suche) {
        emit sucheGewaehlt();
        return;
    }
    if (aktion == KnotenAktion::Aufklappen)
        knoten->setExpanded(true);
    emit ansichtGeaendert();
}

void BrowserSicht::knotenNeuZeigen() {
    QTreeWidgetItem* knoten = TV1_->currentItem();
    if (knoten && knoten->data(0, Qt::UserRole).toInt() != -1)
        TV1Click(knoten);
}

// Shows the browser model's state: start panel or list, headings, cells, colours.
void BrowserSicht::anzeigen() {
    const bool liste = inhalt() != Inhalt::Start;
    Panel5_->setVisible(!liste);
    Panel2_->setVisible(liste);
    if (liste)
        listeZeigen(*browser_);
}

void BrowserSicht::listeZeigen(const BrowserModell& m) {
    RueckBtn_->setVisible(m.rueckSichtbar());
    Label1_->setText(m.label1());
    Label2_->setText(m.label2());
    Label3_->setText(m.label3());
    const bool lv = m.lvHinweisSichtbar();
    Panel4_->setVisible(lv);
    for (QWidget* w : std::initializer_list<QWidget*>{Label1_, Label2_, StringGrid1_})
        w->setVisible(!lv);
    const QString hinweis1 = uebersetzt(QT_TRANSLATE_NOOP(
        "drel::ui::TFrmMenue", "Von diesen Produkten sind hier keine weiteren Dokumentationen"));
    const QString hinweis2 = uebersetzt(QT_TRANSLATE_NOOP(
        "drel::ui::TFrmMenue", "aufgefuhrt. Im Bedarsfall bitten wir um Anfrage."));
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

    listenModell_->neuLesen();
    for (int c = 0; c < kListenSpalten; ++c) {
        const int breite = m.breiten()[static_cast<size_t>(c)];
        StringGrid1_->setColumnHidden(c, breite == 0);
        if (breite > 0)
            StringGrid1_->setColumnWidth(c, breite);
    }
    Panel7_->setVisible(m.kopfzeileSichtbar());
    if (m.kopfzeileSichtbar()) {
        Panel7_->setGeometry(0, 0, StringGrid1_->viewport()->width(),
                             StringGrid1_->verticalHeader()->defaultSectionSize());
        Label3_->setContentsMargins(m.breiten()[0] + 8, 0, 0, 0);
        Panel7_->setAutoFillBackground(true);
        Panel7_->raise();
    }
    // No visible cell selected.
    StringGrid1_->clearSelection();
    StringGrid1_->setCurrentIndex(QModelIndex());
}

void BrowserSicht::StringGrid1Click(int zeile, int spalte) {
    if (!browser_)
        return;
    const std::optional<ArtikelAuswahl> auswahl = browser_->StringGrid1Click(zeile, spalte);
    if (auswahl) {
        emit artikelGewaehlt(*auswahl);
        return;
    }
    if (browser_->keineDaten()) {
        QMessageBox::information(
            this, window()->windowTitle(),
            uebersetzt(QT_TRANSLATE_NOOP(
                "drel::ui::TFrmMenue", "Leider sind zu diesem Artikel keine Daten vorhanden !!!")));
        return;
    }
    emit ansichtGeaendert();
}

void BrowserSicht::RueckBtnClick() {
    if (!browser_)
        return;
    browser_->RueckBtnClick();
    emit ansichtGeaendert();
}

bool BrowserSicht::zurueck() {
    if (!browser_ || !RueckBtn_->isVisible())
        return false;
    RueckBtnClick();
    StringGrid1_->setFocus();
    return true;
}

void BrowserSicht::listeFokussieren() {
    StringGrid1_->setFocus();
}

void BrowserSicht::TV1MouseMove(QTreeWidgetItem* knoten) {
    if (!startBild_) {
        startBild_ = std::make_unique<StartBildWahl>(verzeichnisse().programm, [](int gruppe) {
            db::TDataModule1* dm = db::dataModule();
            return dm ? db::grossesGruppenBild(*dm, gruppe) : QString();
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

void BrowserSicht::startBildZeigen(const StartBildWahl::Ergebnis& ergebnis) {
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

bool BrowserSicht::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == TV1_->viewport()) {
        if (event->type() == QEvent::MouseMove)
            TV1MouseMove(TV1_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            TV1MouseMove(nullptr);
    } else if (objekt == TV1_ && event->type() == QEvent::KeyRelease) {
        if (pfeilOderEingabe(static_cast<QKeyEvent*>(event)->key()))
            TV1Click(TV1_->currentItem());
    } else if (objekt == TV1_ && event->type() == QEvent::FocusIn) {
        // With nothing selected the first series family is chosen.
        if (!TV1_->currentItem() && TV1_->topLevelItemCount() > 1)
            TV1_->setCurrentItem(TV1_->topLevelItem(1));
    } else if (objekt == StringGrid1_ && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex aktuell = StringGrid1_->currentIndex();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && aktuell.isValid()) {
            StringGrid1Click(aktuell.row(), aktuell.column());
            return true;
        }
        if (taste == Qt::Key_Escape && zurueck())
            return true;
    } else if (objekt == Memo1_ && event->type() == QEvent::FocusIn &&
               static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
        QTimer::singleShot(0, this, &BrowserSicht::gruppenTexteZeigen);
    }
    return QSplitter::eventFilter(objekt, event);
}

void BrowserSicht::gruppenTexteZeigen() {
    if (gruppenTexteOffen_ || Memo1_->toPlainText().isEmpty())
        return;
    gruppenTexteOffen_ = true;
    QTreeWidgetItem* knoten = TV1_->currentItem();
    TFrmGruppenTexte fenster(knoten ? knoten->text(0) : QString(), Memo1_->toPlainText(), this);
    fenster.exec();
    TV1_->setFocus();
    gruppenTexteOffen_ = false;
}

} // namespace drel::ui
