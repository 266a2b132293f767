#include "base/ui/symbole.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

namespace drel::ui {

namespace {

// Draws the SVG itself rather than relying on the image-format plugin that QIcon
// would look for: a missing plugin would leave every button blank without a word.
class SvgEngine : public QIconEngine {
public:
    explicit SvgEngine(const QString& pfad) : pfad_(pfad) {}

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        p->drawPixmap(rect, pixmap(rect.size() * p->device()->devicePixelRatio(), mode, state));
    }

    QPixmap pixmap(const QSize& groesse, QIcon::Mode mode, QIcon::State) override {
        QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QSvgRenderer renderer(pfad_);
        {
            QPainter p(&bild);
            renderer.render(&p);
        }
        if (mode == QIcon::Disabled)
            bild = grau(bild);
        return QPixmap::fromImage(bild);
    }

    QIconEngine* clone() const override { return new SvgEngine(pfad_); }

private:
    // A disabled button shows its icon pale and grey, keeping its shape.
    static QImage grau(const QImage& bild) {
        QImage ergebnis = bild;
        for (int y = 0; y < ergebnis.height(); ++y) {
            auto* z = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
            for (int x = 0; x < ergebnis.width(); ++x) {
                const int a = qAlpha(z[x]);
                const int g = (qGray(z[x]) + 2 * a) / 3;
                z[x] = qRgba(std::min(g, a), std::min(g, a), std::min(g, a), a / 2);
            }
        }
        return ergebnis;
    }

    QString pfad_;
};

const char* dateiName(Symbol s) {
    switch (s) {
    case Symbol::Drucken:
        return "drucken";
    case Symbol::Vorschau:
        return "vorschau";
    case Symbol::Pdf:
        return "pdf";
    case Symbol::Speichern:
        return "speichern";
    case Symbol::Csv:
        return "csv";
    case Symbol::Tabelle:
        return "tabelle";
    case Symbol::Kopieren:
        return "kopieren";
    case Symbol::Word:
        return "word";
    case Symbol::Suchen:
        return "suchen";
    case Symbol::Datenblatt:
        return "datenblatt";
    case Symbol::Hilfe:
        return "hilfe";
    case Symbol::Zurueck:
        return "zurueck";
    case Symbol::Abkoppeln:
        return "abkoppeln";
    case Symbol::Einklinken:
        return "einklinken";
    case Symbol::Drucker:
        return "drucker";
    case Symbol::Info:
        return "info";
    }
    return "info";
}

} // namespace

QString symbolPfad(Symbol s) {
    return QStringLiteral(":/symbole/%1.svg").arg(QLatin1String(dateiName(s)));
}

QIcon symbol(Symbol s) {
    return QIcon(new SvgEngine(symbolPfad(s)));
}

} // namespace drel::ui
