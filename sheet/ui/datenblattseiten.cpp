#include "sheet/ui/datenblattseiten.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/ui/symbole.h"
#include "chart/winfarbe.h"
#include "db/errorboundary.h"
#include "sheet/pages/seitenstand.h"
#include "sheet/pages/tabellenexport.h"
#include "sheet/technikmodell.h"
#include "sheet/ui/zellenraster.h"
#include "state/sprache.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace drel::ui {

namespace {

constexpr chart::WinFarbe kHellblau = 16245718;

// Alternating backgrounds, counted from 0: the grids colour their odd rows light blue
// (as the printed performance table does), the memos their even ones.
QColor wechselFarbe(bool hellblau) {
    return hellblau ? QColor::fromRgb(chart::zuQRgb(kHellblau))
                    : QToolTip::palette().color(QPalette::ToolTipBase);
}

// A page: a scroll box holding a vertical stack; returns the stack.
QVBoxLayout* rollSeite(QWidget* seite) {
    auto* aussen = new QVBoxLayout(seite);
    aussen->setContentsMargins(0, 0, 0, 0);
    auto* box = new QScrollArea(seite);
    box->setWidgetResizable(true);
    box->setFrameShape(QFrame::NoFrame);
    auto* inhalt = new QWidget(box);
    auto* v = new QVBoxLayout(inhalt);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(2);
    box->setWidget(inhalt);
    aussen->addWidget(box);
    return v;
}

// A read-only grid without headers whose last column only marks the row.
ZellenRaster* gitter(const char* name, int spalten, QWidget* parent) {
    auto* g = new ZellenRaster(spalten, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setShowGrid(false);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->spalteVerbergen(spalten - 1);
    g->verticalHeader()->setDefaultSectionSize(20);
    return g;
}

RasterZelle zelle(const QString& text, int zeile, bool fett, Qt::Alignment ausrichtung) {
    return {text, fett, ausrichtung, wechselFarbe(zeile % 2 == 1), QColor()};
}

// The grid grows until every row is visible; the page scrolls instead of the grid.
void hoeheAnpassen(ZellenRaster* g) {
    const int benoetigt = g->verticalHeader()->length() + 2 * g->frameWidth();
    g->setFixedHeight(sheet::gitterHoehe(std::min(benoetigt, 40), benoetigt));
}

// A borderless, read-only, word-wrapping memo marked with the page's hint.
QLabel* memo(const QString& text, const QString& hint, int index, bool fett, QWidget* parent) {
    auto* m = new QLabel(text, parent);
    m->setProperty("hint", hint);
    m->setWordWrap(true);
    m->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m->setAutoFillBackground(true);
    QPalette p = m->palette();
    p.setColor(QPalette::Window, wechselFarbe(index % 2 == 0));
    m->setPalette(p);
    m->setContentsMargins(3, 2, 3, 2);
    if (fett) {
        QFont f = m->font();
        f.setBold(true);
        m->setFont(f);
    }
    return m;
}

void memosLoeschen(QVBoxLayout* v) {
    while (QLayoutItem* item = v->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void schreibFehler(const QString& datei, const QString& grund = QString()) {
    QString text = QCoreApplication::translate("drel::ui::TabelleTab",
                                               "Die Datei %1 kann nicht geschrieben werden.")
                       .arg(QDir::toNativeSeparators(datei));
    if (!grund.isEmpty())
        text += QLatin1Char(' ') + grund;
    report(text, QCoreApplication::translate("drel::ui::TabelleTab", "Fehler"), MessageKind::Error);
}

} // namespace

QString dateiDialog(QWidget* parent, const QString& titel, const QString& vorschlag,
                    const QString& filter) {
    return QFileDialog::getSaveFileName(parent, titel, vorschlag, filter);
}

QString imDokumentOrdner(const QString& name) {
    const QString ordner = verzeichnisse().dokumente;
    return ordner.isEmpty() ? name : pfad(ordner, name);
}

// ---------------------------------------------------------------- Bild speichern

BildSpeichern::BildSpeichern(QLabel* bild, std::function<QString()> typ, bool foto)
    : QObject(bild), bild_(bild), typ_(std::move(typ)), foto_(foto) {
    // The picture passes the language change on to its menu text.
    bild->installEventFilter(this);
    auto* aktion = texte_.text(new QAction(bild), QT_TR_NOOP("Bild speichern"));
    aktion->setObjectName(QStringLiteral("Bildspeichern1"));
    bild->addAction(aktion);
    bild->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(aktion, &QAction::triggered, this, &BildSpeichern::Bildspeichern1Click);
}

bool BildSpeichern::eventFilter(QObject* objekt, QEvent* event) {
    if (objekt == bild_ && event->type() == QEvent::LanguageChange)
        texte_.neuSetzen();
    return QObject::eventFilter(objekt, event);
}

QString BildSpeichern::vorschlag() const {
    return sheet::bildDateiVorschlag(typ_(), foto_, tr("Photo"), tr("Mass"));
}

bool BildSpeichern::Bildspeichern1Click() {
    if (quelle_.isEmpty())
        return false;
    const QString titel = tr("Bild speichern");
    const QString filter = tr("Bilder (*.jpg *.jpeg)");
    const QString ort = imDokumentOrdner(vorschlag());
    const QString ziel = wahl_ ? wahl_(titel, ort, filter) : dateiDialog(bild_, titel, ort, filter);
    if (ziel.isEmpty())
        return false;
    // The file as it was loaded: the picture keeps its own format and quality.
    if (QFileInfo(ziel).absoluteFilePath() == QFileInfo(quelle_).absoluteFilePath())
        return true;
    // Copied through a temporary file: a failed write keeps an earlier file of that name.
    QFile quelle(quelle_);
    QString grund;
    if (!quelle.open(QIODevice::ReadOnly)) {
        schreibFehler(ziel, quelle.errorString());
        return false;
    }
    if (!dateiAtomarSchreiben(ziel, quelle.readAll(), &grund)) {
        schreibFehler(ziel, grund);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Techn. Daten

TechnDatenTab::TechnDatenTab(QWidget* parent) : MitQuelltexten(parent) {
    QVBoxLayout* v = rollSeite(this);
    StringGrid_ = gitter("StringGrid1", 3, this);
    v->addWidget(StringGrid_);
    Panel4_ = texte().text(new QLabel(this), QT_TR_NOOP("Bemerkungen:"));
    Panel4_->setObjectName(QStringLiteral("Panel4"));
    Panel4_->hide();
    v->addSpacing(6);
    v->addWidget(Panel4_);
    memos_ = new QVBoxLayout;
    memos_->setSpacing(2);
    v->addLayout(memos_);
    v->addStretch(1);
}

void TechnDatenTab::zeigen(const sheet::TechnDatenSeite& seite) {
    const QList<sheet::TechnDatenZeile>& zeilen = seite.zeilen();
    std::vector<RasterZeile> raster;
    for (int r = 0; r < zeilen.size(); ++r) {
        const sheet::TechnDatenZeile& z = zeilen.at(r);
        raster.push_back({zelle(z.spalte0, r, false, Qt::AlignRight),
                          zelle(z.spalte1, r, true, Qt::AlignLeft),
                          RasterZelle{z.spalte2, false, Qt::AlignLeft, QColor(), QColor()}});
    }
    StringGrid_->modell().setZeilen(std::move(raster));
    StringGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    hoeheAnpassen(StringGrid_);
    memosLoeschen(memos_);
    for (const sheet::FussnotenMemo& m : seite.memos())
        memos_->addWidget(
            memo(m.text, QStringLiteral("23"), memos_->count(), true, memos_->parentWidget()));
    Panel4_->setVisible(seite.bemerkungenSichtbar());
}

// ---------------------------------------------------------------- Lieferumfang, Zubehor

TextTab::TextTab(QWidget* parent) : MitQuelltexten(parent) {
    QVBoxLayout* v = rollSeite(this);
    memos_ = new QVBoxLayout;
    memos_->setSpacing(2);
    v->addLayout(memos_);
    v->addStretch(1);
}

void TextTab::zeigen(const sheet::TextSeite& seite) {
    memosLoeschen(memos_);
    for (const QString& text : seite.memos())
        memos_->addWidget(
            memo(text, seite.memoHint(), memos_->count(), false, memos_->parentWidget()));
}

// ---------------------------------------------------------------- Produktfoto

FotoTab::FotoTab(std::function<QString()> typ, QWidget* parent) : MitQuelltexten(parent) {
    QVBoxLayout* v = rollSeite(this);
    Image2_ = new QLabel(this);
    Image2_->setObjectName(QStringLiteral("Image2"));
    speichern_ = new BildSpeichern(Image2_, std::move(typ), true);
    unterschrift_ = texte().text(new QLabel(this), QT_TR_NOOP("Abbildung ahnlich"));
    unterschrift_->setObjectName(QStringLiteral("Label15"));
    v->addWidget(Image2_, 0, Qt::AlignLeft);
    v->addWidget(unterschrift_, 0, Qt::AlignLeft);
    v->addStretch(1);
}

void FotoTab::zeigen(const sheet::FotoSeite& seite) {
    const QPixmap bild(seite.pfad());
    speichern_->setQuelle(bild.isNull() ? QString() : seite.pfad());
    if (bild.isNull()) {
        Image2_->clear();
    } else {
        const QSize groesse = sheet::fotoAnzeigeGroesse(bild.size());
        Image2_->setPixmap(bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    unterschrift_->setVisible(!bild.isNull());
}

// ---------------------------------------------------------------- Masse und Anschlusse

MasseTab::MasseTab(std::function<QString()> typ, QWidget* parent) : MitQuelltexten(parent) {
    QVBoxLayout* v = rollSeite(this);
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    speichern_ = new BildSpeichern(Image1_, std::move(typ), false);
    StringGrid_ = gitter("StringGrid2", 4, this);
    v->addWidget(Image1_, 0, Qt::AlignLeft);
    v->addWidget(StringGrid_);
    v->addStretch(1);
}

void MasseTab::zeigen(const sheet::MasseSeite& seite) {
    const QPixmap bild(seite.zeichnungPfad());
    speichern_->setQuelle(bild.isNull() ? QString() : seite.zeichnungPfad());
    if (bild.isNull())
        Image1_->clear();
    else // the drawing fits the page's width; it is larger than the page
        Image1_->setPixmap(bild.width() > 560 ? bild.scaledToWidth(560, Qt::SmoothTransformation)
                                              : bild);
    const QList<sheet::AnschlussZeile>& zeilen = seite.anschluesse();
    std::vector<RasterZeile> raster;
    for (int r = 0; r < zeilen.size(); ++r) {
        const sheet::AnschlussZeile& z = zeilen.at(r);
        raster.push_back({zelle(z.spalte0, r, true, Qt::AlignLeft),
                          zelle(z.spalte1, r, false, Qt::AlignLeft),
                          zelle(z.spalte2, r, false, Qt::AlignLeft)});
    }
    StringGrid_->modell().setZeilen(std::move(raster));
    StringGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    StringGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    StringGrid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    hoeheAnpassen(StringGrid_);
}

// ---------------------------------------------------------------- Tabelle Leistungsdaten

TabelleTab::TabelleTab(sheet::Datenblatt& blatt, QWidget* parent)
    : MitQuelltexten(parent), blatt_(blatt) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    auto* felder = new QHBoxLayout;
    felder->setSpacing(4);
    // Three fields each: lower bound, upper bound, step.
    auto gruppe = [&](QWidget* box, int erstes, const char* minText) {
        auto* h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        const char* const beschriftungen[3] = {minText, QT_TR_NOOP("max"), QT_TR_NOOP("Abstand")};
        for (int i = 0; i < 3; ++i) {
            auto* spin = new QSpinBox(box);
            spin->setObjectName(QStringLiteral("SpinEdit%1").arg(erstes + i));
            spins_[erstes + i - 1] = spin;
            h->addWidget(texte().text(new QLabel(box), beschriftungen[i]));
            h->addWidget(spin);
        }
    };
    auto* Panel5 = new QWidget(this);
    gruppe(Panel5, 1, QT_TR_NOOP("to min"));
    Panel6_ = new QWidget(this);
    Panel6_->setObjectName(QStringLiteral("Panel6"));
    gruppe(Panel6_, 4, QT_TR_NOOP("tc min"));
    Panel7_ = new QWidget(this);
    Panel7_->setObjectName(QStringLiteral("Panel7"));
    gruppe(Panel7_, 7, QT_TR_NOOP("tle min"));
    Panel7_->hide();
    Button1_ = texte().text(new QPushButton(this), QT_TR_NOOP("Berechnen"));
    Button1_->setObjectName(QStringLiteral("Button1"));
    felder->addWidget(Panel5);
    felder->addSpacing(12);
    felder->addWidget(Panel6_);
    felder->addWidget(Panel7_);
    felder->addSpacing(12);
    felder->addWidget(Button1_);
    felder->addStretch(1);
    v->addLayout(felder);
    // The computed table leaves the program as a file or through the clipboard.
    auto* export_ = new QHBoxLayout;
    export_->setSpacing(4);
    auto knopf = [&](const char* name, const char* text, Symbol bild) {
        auto* b = texte().text(new QPushButton(symbol(bild), QString(), this), text);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false);
        export_->addWidget(b);
        return b;
    };
    btnCsv_ = knopf("btnCsv", QT_TR_NOOP("CSV speichern..."), Symbol::Csv);
    btnXlsx_ = knopf("btnXlsx", QT_TR_NOOP("Excel-Datei speichern..."), Symbol::Tabelle);
    btnKopieren_ = knopf("btnKopieren", QT_TR_NOOP("In Zwischenablage kopieren"), Symbol::Kopieren);
    export_->addStretch(1);
    v->addLayout(export_);
    Grid_ = new ZellenRaster(0, this);
    Grid_->setObjectName(QStringLiteral("Grid"));
    texte().tipp(Grid_,
                 QT_TR_NOOP("Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen"));
    Grid_->horizontalHeader()->hide();
    Grid_->verticalHeader()->hide();
    Grid_->horizontalHeader()->setDefaultSectionSize(55);
    Grid_->verticalHeader()->setDefaultSectionSize(20);
    Grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->addWidget(Grid_, 1);
    const QString tabIni = tabIniDatei();
    if (!tabIni.isEmpty())
        blatt_.tabIniLesen(tabIni);
    inFelder();
    connect(Button1_, &QPushButton::clicked, this, &TabelleTab::Button1Click);
    connect(btnCsv_, &QPushButton::clicked, this, &TabelleTab::csvSpeichern);
    connect(btnXlsx_, &QPushButton::clicked, this, &TabelleTab::xlsxSpeichern);
    connect(btnKopieren_, &QPushButton::clicked, this, &TabelleTab::inZwischenablage);
    connect(Grid_, &ZellenRaster::zelleGeklickt, this, &TabelleTab::zelleGeklickt);
    connect(spins_[0], &QSpinBox::valueChanged, this,
            [this] { blatt_.bereiche().SpinEdit1Change(); });
    connect(spins_[1], &QSpinBox::valueChanged, this,
            [this] { blatt_.bereiche().SpinEdit2Change(); });
}

QString TabelleTab::tabIniDatei() {
    return verzeichnisse().einstellungen.isEmpty() ? QString()
                                                   : sheet::TabBereiche::standardDatei();
}

void TabelleTab::tabIniSchreiben() {
    const QString datei = tabIniDatei();
    if (datei.isEmpty())
        return;
    ausFeldern();
    QDir().mkpath(QFileInfo(datei).absolutePath());
    // A settings file that cannot be written keeps its previous ranges; nothing to say.
    blatt_.tabIniSchreiben(datei);
}

void TabelleTab::ausFeldern() {
    sheet::TabBereiche& b = blatt_.bereiche();
    sheet::SpinFeld* felder[9] = {&b.SpinEdit1, &b.SpinEdit2, &b.SpinEdit3,
                                  &b.SpinEdit4, &b.SpinEdit5, &b.SpinEdit6,
                                  &b.SpinEdit7, &b.SpinEdit8, &b.SpinEdit9};
    for (int i = 0; i < 9; ++i)
        felder[i]->setzen(spins_[i]->value());
}

// GridMouseUp: only the left button without modifier keys, only on a value cell (the
// headings are fixed cells that cannot become current).
void TabelleTab::zelleGeklickt(int zeile, int spalte) {
    if (QGuiApplication::keyboardModifiers() != Qt::NoModifier ||
        !sheet::LeistungsTabelle::istWertZelle(spalte, zeile) || zeile >= tabelle().zeilen() ||
        spalte >= tabelle().spalten())
        return;
    emit punktUebernehmen(tabelle().GridMouseUp(spalte, zeile));
}

QString TabelleTab::dateiFragen(const QString& titel, const QString& endung,
                                const QString& filter) {
    QString typ = blatt_.modell().ComboBox1Text;
    typ.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString vorschlag =
        imDokumentOrdner(typ + QLatin1Char('-') + tr("Leistungsdaten") + endung);
    return wahl_ ? wahl_(titel, vorschlag, filter) : dateiDialog(this, titel, vorschlag, filter);
}

bool TabelleTab::csvSpeichern() {
    if (tabelle().zeilen() == 0)
        return false;
    const QString datei =
        dateiFragen(tr("CSV speichern"), QStringLiteral(".csv"), tr("CSV-Dateien (*.csv)"));
    if (datei.isEmpty())
        return false;
    QString grund;
    const sheet::CsvForm form = sheet::CsvForm::fuerSprache(sprache().kurzCode);
    if (!sheet::textSchreiben(datei, sheet::csvDatei(sheet::alsCsv(tabelle(), form)), &grund)) {
        schreibFehler(datei, grund);
        return false;
    }
    return true;
}

bool TabelleTab::xlsxSpeichern() {
    if (tabelle().zeilen() == 0)
        return false;
    const QString datei = dateiFragen(tr("Excel-Datei speichern"), QStringLiteral(".xlsx"),
                                      tr("Excel-Dateien (*.xlsx)"));
    if (datei.isEmpty())
        return false;
    QString grund;
    if (!sheet::alsXlsx(tabelle(), datei, &grund)) {
        schreibFehler(datei, grund);
        return false;
    }
    return true;
}

void TabelleTab::inZwischenablage() {
    if (tabelle().zeilen() > 0)
        QGuiApplication::clipboard()->setText(sheet::alsTabText(tabelle()));
}

// The fields show the ranges; the controls clamp like the model's fields.
void TabelleTab::inFelder() {
    const sheet::TabBereiche& b = blatt_.bereiche();
    const sheet::SpinFeld* felder[9] = {&b.SpinEdit1, &b.SpinEdit2, &b.SpinEdit3,
                                        &b.SpinEdit4, &b.SpinEdit5, &b.SpinEdit6,
                                        &b.SpinEdit7, &b.SpinEdit8, &b.SpinEdit9};
    for (int i = 0; i < 9; ++i) {
        const QSignalBlocker still(spins_[i]);
        spins_[i]->setRange(static_cast<int>(felder[i]->min), static_cast<int>(felder[i]->max));
        spins_[i]->setValue(static_cast<int>(felder[i]->wert));
    }
}

void TabelleTab::fuellen() {
    // The ranges are the sheet's own, reset from the envelope at its last rating.
    inFelder();
    const bool luft = blatt_.tabelleUeberLuft();
    Panel6_->setVisible(!luft);
    Panel7_->setVisible(luft);
    // LeistungsdatenHolen: the refresh of the active page builds the table.
    Button1Click();
}

void TabelleTab::Button1Click() {
    ausFeldern();
    blatt_.tabelleBerechnen();
    inFelder();
    gitterFuellen();
}

void TabelleTab::gitterFuellen() {
    const bool berechnet = tabelle().zeilen() > 0;
    for (QPushButton* b : {btnCsv_, btnXlsx_, btnKopieren_})
        b->setEnabled(berechnet);
    Grid_->modell().setZeilen(leistungsZellen(tabelle(), Grid_->palette().color(QPalette::Button),
                                              QToolTip::palette().color(QPalette::ToolTipBase)),
                              tabelle().spalten());
}

// ---------------------------------------------------------------- Ausschreibungstexte

AusschreibungTab::AusschreibungTab(sheet::Datenblatt& blatt, QWidget* parent)
    : MitQuelltexten(parent), blatt_(blatt) {
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    DRichEdit1_ = new QTextEdit(this);
    DRichEdit1_->setObjectName(QStringLiteral("DRichEdit1"));
    DRichEdit1_->setReadOnly(true);
    DRichEdit1_->setTabStopDistance(DRichEdit1_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) *
                                    8);
    v->addWidget(DRichEdit1_, 1);
    auto* h = new QHBoxLayout;
    const char* const teile[4] = {QT_TR_NOOP("Technische Daten"), QT_TR_NOOP("Beschreibung"),
                                  QT_TR_NOOP("Lieferumfang"), QT_TR_NOOP("Zubehor")};
    for (int i = 0; i < 4; ++i) {
        boxen_[i] = texte().text(new QCheckBox(this), teile[i]);
        boxen_[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        boxen_[i]->setChecked(true);
        connect(boxen_[i], &QCheckBox::clicked, this, &AusschreibungTab::BitBtn5Click);
        h->addWidget(boxen_[i]);
    }
    h->addStretch(1);
    BitBtn2_ = texte().text(new QPushButton(this), QT_TR_NOOP("Zu Word"));
    BitBtn2_->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2_->setIcon(symbol(Symbol::Word));
    connect(BitBtn2_, &QPushButton::clicked, this, &AusschreibungTab::BitBtn2Click);
    h->addWidget(BitBtn2_);
    v->addLayout(h);
}

// There is no automation object to paste into an open document here: the text always
// takes the temporary-file route, opened with the desktop's application for it.
bool AusschreibungTab::BitBtn2Click() {
    QString datei;
    db::runReported([&] { datei = sheet::zuWordDateiSchreiben(blatt_.ausschreibung()); });
    if (datei.isEmpty()) {
        schreibFehler(pfad(verzeichnisse().einstellungen, QStringLiteral("DrelTmp.Doc")));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(datei);
    if (oeffner_)
        oeffner_(url);
    else
        QDesktopServices::openUrl(url);
    return true;
}

void AusschreibungTab::BitBtn5Click() {
    const sheet::AusschreibungsAuswahl auswahl{boxen_[0]->isChecked(), boxen_[1]->isChecked(),
                                               boxen_[2]->isChecked(), boxen_[3]->isChecked()};
    const sheet::AusschreibungsWerte werte = blatt_.modell().ausschreibungsWerte();
    const QFontMetrics fm = DRichEdit1_->fontMetrics();
    const int tab = static_cast<int>(DRichEdit1_->tabStopDistance());
    // Widths in the text area's font, a tab advancing to its next stop.
    const sheet::TextBreite breite = [fm, tab](const QString& text) {
        // Whole runs between tabs, measured as they are shaped, then the tab stop.
        const QStringList teile = text.split(QLatin1Char('\t'));
        int x = 0;
        for (qsizetype k = 0; k < teile.size(); ++k) {
            x += fm.horizontalAdvance(teile.at(k));
            if (k + 1 < teile.size())
                x = (x / tab + 1) * tab;
        }
        return x;
    };
    blatt_.ausschreibungErstellen(auswahl, werte, breite);
    QString html;
    for (const sheet::TextZeile& zeile : blatt_.ausschreibung().zeilen()) {
        for (const sheet::TextLauf& lauf : zeile) {
            QString t = lauf.text.toHtmlEscaped();
            if (lauf.fett)
                t = QStringLiteral("<b>") + t + QStringLiteral("</b>");
            if (lauf.unterstrichen)
                t = QStringLiteral("<u>") + t + QStringLiteral("</u>");
            html += t;
        }
        html += QStringLiteral("<br>");
    }
    DRichEdit1_->setHtml(QStringLiteral("<p style=\"white-space: pre-wrap\">") + html +
                         QStringLiteral("</p>"));
}

} // namespace drel::ui
