#include "print/ergebnisdruck.h"

#include "report/band.h"
#include "report/einheiten.h"
#include "report/linie.h"
#include "report/memo.h"

#include <QCoreApplication>
#include <array>

namespace drel::print {

namespace {

using bericht::ausPixel;

constexpr int kSpalten = 6;
// Left edges of the six columns, in the definition's screen pixels.
constexpr std::array<double, kSpalten> kLinks{32, 232, 336, 432, 512, 608};
constexpr std::array<double, kSpalten> kDatenLinks{32, 194, 304, 373, 449, 542};

QString zelle(const DruckRaster& raster, int zeile, int spalte) {
    if (zeile < 0 || zeile >= static_cast<int>(raster.size()))
        return {};
    const QStringList& z = raster[static_cast<size_t>(zeile)];
    return spalte < z.size() ? z.at(spalte) : QString();
}

bericht::Memo& memo(bericht::Band& band, int nummer, double links, double breite, double hoehe) {
    bericht::Memo& m = band.add<bericht::Memo>(QStringLiteral("Memo%1").arg(nummer));
    m.setGeometry(ausPixel(links), 0, ausPixel(breite), ausPixel(hoehe));
    m.setWordWrap(false);
    return m;
}

QFont schrift(const bericht::Memo& m, double punkte, bool fett) {
    QFont font = m.font();
    font.setPointSizeF(punkte);
    font.setBold(fett);
    return font;
}

// Above the line: the maker's mark, the title and the date, then the search the list
// answers (series, refrigerant, operating point).
void suchKopfAnlegen(bericht::Band& kopf) {
    bericht::Memo& logo = memo(kopf, 15, 32, 120, 30);
    logo.setFont(schrift(logo, 16, true));
    logo.setFontColor(QColor(0, 51, 153));
    logo.setText(QStringLiteral("DREL"));
    bericht::Memo& titel = memo(kopf, 16, 160, 380, 28);
    titel.setFont(schrift(titel, 14, true));
    memo(kopf, 17, 540, 180, 20).setHAlign(Qt::AlignRight);
    memo(kopf, 18, 32, 688, 18).setTop(ausPixel(32));
    memo(kopf, 19, 32, 688, 18).setTop(ausPixel(50));
}

void kopfAnlegen(bericht::Seite& seite) {
    bericht::Band& kopf =
        seite.addBand(QStringLiteral("PageHeader1"), bericht::BandArt::Seitenkopf);
    kopf.setHeight(ausPixel(129));
    suchKopfAnlegen(kopf);
    bericht::Linie& linie = kopf.add<bericht::Linie>(QStringLiteral("Line1"));
    linie.setGeometry(ausPixel(32), ausPixel(70), ausPixel(680), 0);
    for (int i = 0; i < kSpalten; ++i) {
        const double breite = (i + 1 < kSpalten ? kLinks[static_cast<size_t>(i + 1)] : 720.0) -
                              kLinks[static_cast<size_t>(i)];
        bericht::Memo& m = memo(kopf, i + 1, kLinks[static_cast<size_t>(i)], breite, 22);
        m.setTop(ausPixel(96));
        QFont font = m.font();
        font.setBold(true);
        m.setFont(font);
    }
}

void datenAnlegen(bericht::Seite& seite) {
    bericht::Band& daten =
        seite.addBand(QStringLiteral("MasterData1"), bericht::BandArt::Stammdaten);
    daten.setHeight(ausPixel(19));
    for (int i = 0; i < kSpalten; ++i) {
        const double links = kDatenLinks[static_cast<size_t>(i)];
        const double rechts = i + 1 < kSpalten ? kDatenLinks[static_cast<size_t>(i + 1)] : 630.0;
        // The first column is the type; the numbers are right-aligned.
        bericht::Memo& m = memo(daten, 7 + i, links, rechts - links, 19);
        if (i > 0)
            m.setHAlign(Qt::AlignRight);
    }
}

void fussAnlegen(bericht::Seite& seite) {
    bericht::Band& fuss =
        seite.addBand(QStringLiteral("PageFooter1"), bericht::BandArt::Seitenfuss);
    fuss.setHeight(ausPixel(37));
    bericht::Memo& text = memo(fuss, 13, 480, 140, 22);
    text.setHAlign(Qt::AlignRight);
    text.setText(QStringLiteral("Seite:"));
    bericht::Memo& nummer = memo(fuss, 14, 622, 60, 22);
    nummer.setText(QStringLiteral("[Page#]"));
}

void setText(bericht::Bericht& bericht, int nummer, const QString& text) {
    if (auto* m = bericht.find<bericht::Memo>(QStringLiteral("Memo%1").arg(nummer)))
        m->setText(text);
}

// A label and its value, or nothing without a value.
QString angabe(const char* label, const QString& wert) {
    return wert.isEmpty() ? QString()
                          : QCoreApplication::translate("drel::print::Ergebnisdruck", label) +
                                QLatin1Char(' ') + wert;
}

} // namespace

std::unique_ptr<bericht::Bericht> ergebnisBerichtAnlegen() {
    auto bericht = std::make_unique<bericht::Bericht>();
    bericht::Seite& seite = bericht->addPage(QStringLiteral("Page1"));
    seite.setMargins(QMarginsF(10, 15, 1, 15));
    kopfAnlegen(seite);
    datenAnlegen(seite);
    fussAnlegen(seite);
    return bericht;
}

void ergebnisBerichtFuellen(bericht::Bericht& bericht, const DruckRaster& raster,
                            const QString& seite, const ErgebnisKopf& k) {
    bericht::Band* kopf = bericht.findBand(QStringLiteral("pageheader1"));
    bericht::Band* daten = bericht.findBand(QStringLiteral("masterdata1"));
    bericht::Band* fuss = bericht.findBand(QStringLiteral("pagefooter1"));
    if (!kopf || !daten || !fuss) // a definition without them prints nothing of the grid
        return;
    // The grid always has its heading row and at least one (possibly empty) data row.
    const int zeilen = std::max(1, static_cast<int>(raster.size()) - 1);
    daten->setRowCount(zeilen);
    for (int i = 0; i < kSpalten; ++i)
        setText(bericht, 1 + i, zelle(raster, 0, i));
    setText(bericht, 13, seite);
    setText(bericht, 16, bericht.title());
    setText(bericht, 17, k.datum);
    QStringList suche{
        angabe(QT_TRANSLATE_NOOP("drel::print::Ergebnisdruck", "Baureihen:"), k.baureihen),
        angabe(QT_TRANSLATE_NOOP("drel::print::Ergebnisdruck", "Kaltemittel:"), k.kaeltemittel)};
    suche.removeAll(QString());
    setText(bericht, 18, suche.join(QStringLiteral("     ")));
    setText(
        bericht, 19,
        angabe(QT_TRANSLATE_NOOP("drel::print::Ergebnisdruck", "Betriebspunkt:"), k.betriebspunkt));
    // The data band is filled before each line from a counter over the grid rows.
    auto zaehler = std::make_shared<int>(1);
    daten->setBeforePrint([&bericht, &raster, zaehler](bericht::BerichtObjekt&) {
        for (int i = 0; i < kSpalten; ++i)
            setText(bericht, 7 + i, zelle(raster, *zaehler, i));
        ++*zaehler;
    });
}

} // namespace drel::print
