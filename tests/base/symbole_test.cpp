// The own icons: each one is a valid SVG in the resources and draws a picture of its
// own at the sizes buttons and menus ask for, sharp at each size; a disabled button
// shows it greyed.
#include "base/ui/symbole.h"

#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

using namespace drel::ui;

namespace {

constexpr Symbol kAlle[] = {
    Symbol::Drucken,   Symbol::Vorschau,   Symbol::Pdf,      Symbol::Speichern,
    Symbol::Csv,       Symbol::Tabelle,    Symbol::Kopieren, Symbol::Word,
    Symbol::Suchen,    Symbol::Datenblatt, Symbol::Hilfe,    Symbol::Zurueck,
    Symbol::Abkoppeln, Symbol::Einklinken, Symbol::Drucker,  Symbol::Info};

// Share of pixels that are not transparent.
double gedeckt(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += qAlpha(bild.pixel(x, y)) > 0 ? 1 : 0;
    return double(n) / (bild.width() * bild.height());
}

} // namespace

TEST(Symbole, EachDrawsAPictureOfItsOwnAtEverySize) {
    QSet<QByteArray> gesehen;
    for (const Symbol s : kAlle) {
        SCOPED_TRACE(symbolPfad(s).toStdString());
        EXPECT_TRUE(QSvgRenderer(symbolPfad(s)).isValid());
        const QIcon icon = symbol(s);
        for (const int groesse : {16, 24, 48}) {
            const QImage bild = icon.pixmap(groesse, groesse).toImage();
            ASSERT_EQ(bild.size(), QSize(groesse, groesse));
            EXPECT_GT(gedeckt(bild), 0.15) << groesse;
        }
        const QImage bild = icon.pixmap(24, 24).toImage().convertToFormat(QImage::Format_ARGB32);
        const QByteArray roh(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
        EXPECT_FALSE(gesehen.contains(roh)) << "the same picture as another icon";
        gesehen.insert(roh);
        // Greyed when disabled, same shape.
        const QImage grau = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        EXPECT_NE(grau, icon.pixmap(QSize(24, 24)).toImage());
        EXPECT_EQ(gedeckt(grau), gedeckt(icon.pixmap(24, 24).toImage()));
    }
}
