#include "chart/chartzeichner.h"

#include "base/grosseseiten.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "chart/beschriftung.h"
#include "chart/graphenmaler.h"
#include "chart/vorbereitung.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace drel::chart {

QString nichtImplementiert() {
    return QCoreApplication::translate("TDChart", "Noch nicht implementiert!");
}

namespace {

constexpr int kMaxGitterLinien = 200;

void grossesBildFreigeben(void* puffer) {
    std::free(puffer);
}

// A white picture. One as large as a printed diagram lies in a buffer of its own that
// asks for large pages, as it is filled completely at once.
QImage weissesBild(int breite, int hoehe) {
    const auto bytes = static_cast<std::size_t>(std::max(breite, 0)) * 4U *
                       static_cast<std::size_t>(std::max(hoehe, 0));
    if (bytes >= kGrosseSeite) {
        const std::size_t gerundet = (bytes + kGrosseSeite - 1) / kGrosseSeite * kGrosseSeite;
        if (void* puffer = std::aligned_alloc(kGrosseSeite, gerundet)) {
            grosseSeitenErbitten(puffer, gerundet);
            QImage bild(static_cast<uchar*>(puffer), breite, hoehe, 4 * breite,
                        QImage::Format_RGB32, grossesBildFreigeben, puffer);
            bild.fill(Qt::white);
            return bild;
        }
    }
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    return bild;
}

int legendenZeile() {
    return textMoeglich() ? QFontMetrics(QFont(QStringLiteral("Arial"), 8)).height()
                          : kLegendenZeileOhneSchrift;
}

QFont zahlenSchrift(int breite, int hoehe) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(
        std::max(1, runden(std::sqrt(double(breite) * breite + double(hoehe) * hoehe) / 55)));
    return schrift;
}

QFont titelSchrift(int pw, int ph) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSizeF(std::max(1.0, std::sqrt(double(pw) * pw + double(ph) * ph) / 45));
    return schrift;
}

// The grid goes on while a line has not reached the axis end (0.1 % of the range
// absorbs the rounding of repeated steps).
bool gitterWeiter(double wert, double min, double max) {
    return wert < max - 0.001 * (max - min);
}

QPen gitterStift(bool rand, int scale) {
    return rand ? QPen(Qt::black, 2 * scale) : QPen(QColor::fromRgb(zuQRgb(kSilber)), scale);
}

class Gitter {
public:
    Gitter(QImage& bild, const ChartDaten& daten, const Abbildung& abb)
        : p_(&bild), daten_(daten), abb_(abb),
          schrift_(zahlenSchrift(bild.width(), bild.height())) {
        p_.setRenderHint(QPainter::Antialiasing, false);
        if (textMoeglich())
            p_.setFont(schrift_);
    }

    void waagerecht(double y) {
        const bool rand = fastGleich(y, daten_.YMin) || fastGleich(y, daten_.YMax);
        p_.setPen(gitterStift(rand, daten_.Scale));
        const QPoint a = abb_.pixel(daten_.XMin, y);
        p_.drawLine(a, abb_.pixel(daten_.XMax, y));
        if (!textMoeglich())
            return;
        p_.setPen(Qt::black);
        const int h = p_.fontMetrics().height();
        p_.drawText(QRect(a.x() - 5 - 2000, a.y() - h / 2, 2000, h),
                    Qt::AlignRight | Qt::AlignVCenter, achsenZahl(y, daten_.NoYDecimals));
    }

    void senkrecht(double x) {
        const bool rand = fastGleich(x, daten_.XMin) || fastGleich(x, daten_.XMax);
        p_.setPen(gitterStift(rand, daten_.Scale));
        const QPoint a = abb_.pixel(x, daten_.YMin);
        p_.drawLine(a, abb_.pixel(x, daten_.YMax));
        if (!textMoeglich())
            return;
        p_.setPen(Qt::black);
        const int h = p_.fontMetrics().height();
        p_.drawText(QRect(a.x() - 1000, a.y() + runden(h / 8.0), 2000, h),
                    Qt::AlignHCenter | Qt::AlignTop, achsenZahl(x, daten_.NoXDecimals));
    }

    void linearY() {
        double y = daten_.YMin;
        for (int n = 0; n < kMaxGitterLinien; ++n) {
            waagerecht(y);
            if (!gitterWeiter(y, daten_.YMin, daten_.YMax))
                break;
            y += daten_.YStep;
        }
    }

    void linearX() {
        double x = daten_.XMin;
        for (int n = 0; n < kMaxGitterLinien; ++n) {
            senkrecht(x);
            if (!gitterWeiter(x, daten_.XMin, daten_.XMax))
                break;
            x += daten_.XStep;
        }
    }

    void logY() {
        double y = daten_.YMin;
        for (int n = 0; n < kMaxGitterLinien; ++n) {
            waagerecht(y);
            if (!(daten_.YMax * 0.999 > y))
                break;
            y = naechsterLogWert(y);
        }
    }

    void polar() {
        const QPoint mitte = abb_.pixel(0, 0);
        for (int n = 0; n < kMaxGitterLinien; ++n) {
            const double winkel = n * daten_.XStep;
            if (winkel >= 360 - 1e-9)
                break;
            p_.setPen(gitterStift(n == 0, daten_.Scale));
            p_.drawLine(mitte, abb_.pixel(winkel, daten_.YMax));
        }
        double r = daten_.YMin;
        for (int n = 0; n < kMaxGitterLinien; ++n) {
            const bool rand = fastGleich(r, daten_.YMax);
            p_.setPen(gitterStift(rand, daten_.Scale));
            const int radius = runden(0.5 * r * abb_.sx());
            if (radius > 0)
                p_.drawEllipse(mitte, radius, radius);
            if (!gitterWeiter(r, daten_.YMin, daten_.YMax))
                break;
            r += daten_.YStep;
        }
    }

private:
    QPainter p_;
    const ChartDaten& daten_;
    const Abbildung& abb_;
    QFont schrift_;
};

void labelsZeichnen(QImage& bild, const ChartDaten& daten, const Abbildung& abb) {
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    beschriften(p, daten, QRectF(abb.plotRechteck()), titelSchrift(abb.pw(), abb.ph()),
                daten.Scale * 2);
}

Zeichnung zeichneMitGitter(ChartDaten& daten, QSize client, const Abbildung& abb) {
    const int s = daten.Scale;
    Zeichnung z;
    z.abbildung = abb;
    z.bild = weissesBild(s * client.width(), s * client.height());
    QImage gitter = weissesBild(z.bild.width(), z.bild.height());
    {
        Gitter g(gitter, daten, z.abbildung);
        if (abb.art() == Abbildung::Art::Polar) {
            g.polar();
        } else {
            if (abb.art() == Abbildung::Art::LogY)
                g.logY();
            else
                g.linearY();
            g.linearX();
        }
    }
    GraphenMaler maler(z.bild, z.abbildung, QPoint(client.width() / 2, client.height() / 2), s);
    maler.alle(daten, daten.graphen(), daten.FarbeKreuz);
    if (abb.art() != Abbildung::Art::Linear)
        labelsZeichnen(z.bild, daten, z.abbildung);
    z.anzeige = undVerknuepfen(std::move(gitter), z.bild);
    z.gezeichnet = true;
    return z;
}

// A logarithmic axis needs positive bounds.
void logAchseSichern(ChartDaten& daten) {
    if (daten.YMax <= 0)
        daten.YMax = 1;
    if (daten.YMin <= 0 || daten.YMin >= daten.YMax)
        daten.YMin = daten.YMax / 1000;
}

} // namespace

QString achsenZahl(double wert, int dezimalen) {
    const int d = std::clamp(dezimalen, 0, 15);
    const QString muster = d == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(d, u'0');
    QString text = formatFloat(muster, wert);
    text.remove(QLatin1Char(' '));
    return text;
}

double naechsterLogWert(double wert) {
    const QString text = generalFormat(wert);
    double faktor = 2.0; // also for a value without 1, 2, 3 or 5: the axis must advance
    if (text.contains(u'1'))
        faktor = 2.0;
    else if (text.contains(u'2'))
        faktor = 1.5;
    else if (text.contains(u'3'))
        faktor = 5.0 / 3.0;
    const double naechster = wert * faktor;
    // Keep 12 significant digits so that 0.2 * 1.5 reads as 0.3 in the next step.
    const double stellen = std::pow(10.0, 11 - std::floor(std::log10(std::abs(naechster))));
    const double gerundet = std::nearbyint(naechster * stellen) / stellen;
    return gerundet > wert ? gerundet : naechster;
}

QImage mitAchsenTiteln(const Zeichnung& zeichnung, const ChartDaten& daten) {
    QImage bild = zeichnung.anzeige;
    const bool titel = !daten.ChartXAchse.isEmpty() || !daten.ChartYAchse.isEmpty();
    if (!zeichnung.gezeichnet || daten.Art != ChartArt::NormalXY || !titel || !textMoeglich())
        return bild;
    const QRect plot = zeichnung.abbildung.plotRechteck();
    QPainter p(&bild);
    p.setPen(Qt::black);
    QFont schrift = zahlenSchrift(bild.width(), bild.height());
    const int zahlHoehe = QFontMetrics(schrift, &bild).height();
    // Below the plot: the x numbers (an eighth of a line down), then the caption.
    const int oben = plot.bottom() + runden(zahlHoehe / 8.0) + zahlHoehe;
    // At least 10 pixels (the numbers of a small chart are smaller) where there is room.
    const int platz = bild.height() - oben;
    const int zahlPixel = QFontInfo(schrift).pixelSize();
    schrift.setPixelSize(std::max(6, std::min(std::max(zahlPixel, 10), platz)));
    p.setFont(schrift);
    p.drawText(QRect(plot.left(), oben, plot.width(), bild.height() - oben),
               Qt::AlignHCenter | Qt::AlignTop, daten.ChartXAchse);
    // Above the plot, starting at its left edge (the y numbers sit left of it).
    const int unten = plot.top() - std::max(2, zahlHoehe / 4);
    p.drawText(QRect(plot.left(), 0, bild.width() - plot.left(), std::max(1, unten)),
               Qt::AlignLeft | Qt::AlignBottom, daten.ChartYAchse);
    return bild;
}

QSize plotGroesse(const ChartDaten& daten, int breite, int hoehe) {
    return plotFlaeche(daten, breite, hoehe, legenden(daten).isEmpty() ? 0 : legendenZeile());
}

QImage undVerknuepfen(QImage a, const QImage& b) {
    // Taken by value: a picture handed over is combined in place, not copied first.
    QImage ergebnis = std::move(a).convertToFormat(QImage::Format_RGB32);
    const QImage zweites = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ergebnis.height() && y < zweites.height(); ++y) {
        auto* z = reinterpret_cast<QRgb*>(ergebnis.scanLine(y));
        const auto* w = reinterpret_cast<const QRgb*>(zweites.constScanLine(y));
        for (int x = 0; x < ergebnis.width() && x < zweites.width(); ++x)
            z[x] &= w[x];
    }
    return ergebnis;
}

Zeichnung zeichnen(ChartDaten& daten, QSize client) {
    vorbereiten(daten, client.width(), client.height());
    const int breite = daten.Scale * client.width();
    const int hoehe = daten.Scale * client.height();
    switch (daten.Art) {
    case ChartArt::NormalXY: {
        const QSize plot = plotGroesse(daten, breite, hoehe);
        return zeichneMitGitter(daten, client,
                                Abbildung::linear(daten, plot.width(), plot.height()));
    }
    case ChartArt::LogY: {
        logAchseSichern(daten);
        const QSize plot = plotGroesse(daten, breite, hoehe);
        return zeichneMitGitter(daten, client, Abbildung::logY(daten, plot.width(), plot.height()));
    }
    case ChartArt::Kreis:
        return zeichneMitGitter(daten, client,
                                Abbildung::polar(daten, runden(0.85 * std::min(breite, hoehe))));
    case ChartArt::XLogY:
    case ChartArt::LogXLogY:
        break;
    }
    report(nichtImplementiert(), QString(), MessageKind::Information);
    Zeichnung leer;
    leer.bild = weissesBild(breite, hoehe);
    leer.anzeige = leer.bild;
    return leer;
}

} // namespace drel::chart
