#include "sheet/ui/datenblattseiten.h"

#include "chart/winfarbe.h"
#include "db/errorboundary.h"
#include "sheet/pages/seitenstand.h"

#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

namespace drel::ui {

namespace {

constexpr chart::WinFarbe kHellblau = 16245718;

// Odd rows light blue, even rows the tooltip colour (rows and memos from 0).
QColor wechselFarbe(int index) {
    return index % 2 == 0 ? QColor::fromRgb(chart::zuQRgb(kHellblau))
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
QTableWidget* gitter(const char* name, int spalten, QWidget* parent) {
    auto* g = new QTableWidget(0, spalten, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setShowGrid(false);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setColumnHidden(spalten - 1, true);
    g->verticalHeader()->setDefaultSectionSize(20);
    return g;
}

QTableWidgetItem* zelle(const QString& text, int zeile, bool fett, Qt::Alignment ausrichtung) {
    auto* z = new QTableWidgetItem(text);
    z->setBackground(wechselFarbe(zeile));
    z->setTextAlignment(ausrichtung | Qt::AlignVCenter);
    if (fett) {
        QFont f = z->font();
        f.setBold(true);
        z->setFont(f);
    }
    return z;
}

// The grid grows until every row is visible; the page scrolls instead of the grid.
void hoeheAnpassen(QTableWidget* g) {
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
    p.setColor(QPalette::Window, wechselFarbe(index));
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

} // namespace

// ---------------------------------------------------------------- Techn. Daten

TechnDatenTab::TechnDatenTab(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* v = rollSeite(this);
    StringGrid_ = gitter("StringGrid1", 3, this);
    v->addWidget(StringGrid_);
    Panel4_ = new QLabel(tr("Bemerkungen:"), this);
    Panel4_->setObjectName(QStringLiteral("Panel4"));
    Panel4_->hide();
    v->addSpacing(6);
    v->addWidget(Panel4_);
    memos_ = new QVBoxLayout;
    memos_->setSpacing(2);
    v->addLayout(memos_);
    v->addStretch(1);
}

void TechnDatenTab::fuellen(db::TDataModule1& dm, qint32 artikelId) {
    db::runReported([&] { seite_.fuellen(dm, artikelId); });
    const QList<sheet::TechnDatenZeile>& zeilen = seite_.zeilen();
    StringGrid_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < zeilen.size(); ++r) {
        const sheet::TechnDatenZeile& z = zeilen.at(r);
        StringGrid_->setItem(r, 0, zelle(z.spalte0, r, false, Qt::AlignRight));
        StringGrid_->setItem(r, 1, zelle(z.spalte1, r, true, Qt::AlignLeft));
        StringGrid_->setItem(r, 2, new QTableWidgetItem(z.spalte2));
    }
    StringGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    hoeheAnpassen(StringGrid_);
    memosLoeschen(memos_);
    for (const sheet::FussnotenMemo& m : seite_.memos())
        memos_->addWidget(
            memo(m.text, QStringLiteral("23"), memos_->count(), true, memos_->parentWidget()));
    Panel4_->setVisible(seite_.bemerkungenSichtbar());
}

// ---------------------------------------------------------------- Lieferumfang, Zubehor

TextTab::TextTab(sheet::TextSeitenArt art, QWidget* parent) : QWidget(parent), seite_(art) {
    QVBoxLayout* v = rollSeite(this);
    memos_ = new QVBoxLayout;
    memos_->setSpacing(2);
    v->addLayout(memos_);
    v->addStretch(1);
}

void TextTab::fuellen(db::TDataModule1& dm, qint32 artikelId) {
    db::runReported([&] { seite_.fuellen(dm, artikelId); });
    memosLoeschen(memos_);
    for (const QString& text : seite_.memos())
        memos_->addWidget(
            memo(text, seite_.memoHint(), memos_->count(), false, memos_->parentWidget()));
}

// ---------------------------------------------------------------- Produktfoto

FotoTab::FotoTab(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* v = rollSeite(this);
    Image2_ = new QLabel(this);
    Image2_->setObjectName(QStringLiteral("Image2"));
    unterschrift_ = new QLabel(tr("Abbildung ahnlich"), this);
    unterschrift_->setObjectName(QStringLiteral("Label15"));
    v->addWidget(Image2_, 0, Qt::AlignLeft);
    v->addWidget(unterschrift_, 0, Qt::AlignLeft);
    v->addStretch(1);
}

void FotoTab::fuellen(db::TDataModule1& dm, qint32 artikelId) {
    db::runReported([&] { seite_.fuellen(dm, artikelId); });
    const QPixmap bild(seite_.pfad());
    if (bild.isNull()) {
        Image2_->clear();
    } else {
        const QSize groesse = sheet::fotoAnzeigeGroesse(bild.size());
        Image2_->setPixmap(bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    unterschrift_->setVisible(!bild.isNull());
}

// ---------------------------------------------------------------- Masse und Anschlusse

MasseTab::MasseTab(QWidget* parent) : QWidget(parent) {
    QVBoxLayout* v = rollSeite(this);
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    StringGrid_ = gitter("StringGrid2", 4, this);
    v->addWidget(Image1_, 0, Qt::AlignLeft);
    v->addWidget(StringGrid_);
    v->addStretch(1);
}

void MasseTab::fuellen(db::TDataModule1& dm, qint32 artikelId) {
    db::runReported([&] { seite_.fuellen(dm, artikelId); });
    const QPixmap bild(seite_.zeichnungPfad());
    if (bild.isNull())
        Image1_->clear();
    else // the drawing fits the page's width; it is larger than the page
        Image1_->setPixmap(bild.width() > 560 ? bild.scaledToWidth(560, Qt::SmoothTransformation)
                                              : bild);
    const QList<sheet::AnschlussZeile>& zeilen = seite_.anschluesse();
    StringGrid_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < zeilen.size(); ++r) {
        const sheet::AnschlussZeile& z = zeilen.at(r);
        StringGrid_->setItem(r, 0, zelle(z.spalte0, r, true, Qt::AlignLeft));
        StringGrid_->setItem(r, 1, zelle(z.spalte1, r, false, Qt::AlignLeft));
        StringGrid_->setItem(r, 2, zelle(z.spalte2, r, false, Qt::AlignLeft));
    }
    StringGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    StringGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    StringGrid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    hoeheAnpassen(StringGrid_);
}

} // namespace drel::ui
