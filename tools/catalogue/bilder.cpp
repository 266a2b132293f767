#include "tools/catalogue/bilder.h"

#include "db/recordhelpers.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <set>
#include <stdexcept>

namespace drel::katalog {

namespace {

// What a picture shows.
enum class Bauart {
    Halbhermetisch,
    Luftgekuehlt,
    Offen,
    Fahrzeug,
    Satz,
    Verfluessiger,
    Motorverdichter
};

struct Motiv {
    Bauart art = Bauart::Halbhermetisch;
    int zylinderkoepfe = 2;
    QColor farbe{70, 100, 140};
    bool duplex = false;
    bool zweistufig = false;
    bool sammler = false;
    bool flach = false; // flat colours without shading: start pictures keep 256 colours
};

QColor reihenFarbe(const QString& serie) {
    if (serie.startsWith(QLatin1String("QNCO2")))
        return {60, 130, 110};
    if (serie.startsWith(QLatin1String("QNR410A")))
        return {150, 110, 60};
    if (serie.contains(QLatin1String("QL")))
        return {90, 120, 90};
    if (serie.startsWith(QLatin1String("W")) && serie.contains(QLatin1String("NH3")))
        return {120, 80, 60};
    if (serie.startsWith(QLatin1String("WY")))
        return {170, 110, 40};
    if (serie.startsWith(QLatin1String("W")))
        return {130, 60, 55};
    if (serie == u"LV")
        return {100, 100, 100};
    return {70, 100, 140};
}

Motiv motivFuer(const QString& serie, int rahmen) {
    Motiv m;
    m.farbe = reihenFarbe(serie);
    m.zylinderkoepfe = std::clamp(rahmen <= 2 ? 1 : rahmen <= 4 ? 2 : rahmen <= 6 ? 3 : 4, 1, 4);
    if (serie.contains(QLatin1String("QL")))
        m.art = Bauart::Luftgekuehlt;
    if (serie.startsWith(QLatin1String("W")) || serie == u"WT")
        m.art = Bauart::Offen;
    if (serie.startsWith(QLatin1String("WY")))
        m.art = Bauart::Fahrzeug;
    if (serie == u"LV")
        m.art = Bauart::Motorverdichter;
    if (serie.startsWith(QLatin1String("EQ")))
        m.duplex = true;
    if (serie == u"QNT" || serie == u"WT")
        m.zweistufig = true;
    if (serie.startsWith(QLatin1String("WEY")))
        m.sammler = true;
    if (rahmen >= 10)
        m.zylinderkoepfe = std::min(4, rahmen / 4);
    return m;
}

void schatten(QPainter& p, const QRectF& r, bool flach) {
    if (flach)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.05, r.bottom() - r.height() * 0.04,
                         r.width() * 0.9, r.height() * 0.08));
}

QBrush metall(const QRectF& r, const QColor& c, bool flach) {
    if (flach)
        return QBrush(c);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(0.45, c);
    g.setColorAt(1, c.darker(160));
    return g;
}

// One compressor body with cylinder heads, motor part and feet, inside r.
void verdichter(QPainter& p, const QRectF& r, const Motiv& m) {
    schatten(p, r, m.flach);
    p.setPen(QPen(m.farbe.darker(200), 1.5));
    const double koerperHoehe = r.height() * 0.55;
    const QRectF kurbel(r.left(), r.bottom() - koerperHoehe - r.height() * 0.06, r.width() * 0.55,
                        koerperHoehe);
    const bool offen = m.art == Bauart::Offen || m.art == Bauart::Fahrzeug;
    const QRectF motor(kurbel.right() - 2, kurbel.top() + koerperHoehe * 0.08,
                       r.width() * (offen ? 0.12 : 0.43), koerperHoehe * 0.84);
    p.setBrush(metall(kurbel, m.farbe, m.flach));
    p.drawRoundedRect(kurbel, 8, 8);
    p.setBrush(metall(motor, m.farbe.darker(115), m.flach));
    p.drawRoundedRect(motor, 10, 10);
    if (m.art == Bauart::Luftgekuehlt) {
        p.setPen(QPen(m.farbe.darker(170), 1));
        for (double x = motor.left() + 8; x < motor.right() - 4; x += 7)
            p.drawLine(QPointF(x, motor.top() + 4), QPointF(x, motor.bottom() - 4));
    }
    if (offen) {
        // Shaft end with coupling or clutch pulley.
        const double d = koerperHoehe * (m.art == Bauart::Fahrzeug ? 0.8 : 0.45);
        const QRectF scheibe(motor.right() - 4, motor.center().y() - d / 2, d * 0.35, d);
        p.setBrush(metall(scheibe, QColor(150, 150, 150), m.flach));
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.drawRoundedRect(scheibe, 3, 3);
    }
    // Cylinder heads on top of the crankcase.
    const int n = m.zylinderkoepfe;
    const double breite = kurbel.width() / (n + 0.4);
    for (int i = 0; i < n; ++i) {
        const QRectF kopf(kurbel.left() + breite * (0.2 + i), kurbel.top() - r.height() * 0.2,
                          breite * 0.85, r.height() * 0.22);
        p.setPen(QPen(m.farbe.darker(220), 1.2));
        p.setBrush(metall(kopf,
                          m.zweistufig && i == n - 1 ? m.farbe.lighter(130) : m.farbe.darker(110),
                          m.flach));
        p.drawRoundedRect(kopf, 4, 4);
        p.setPen(QPen(m.farbe.darker(250), 1));
        for (int k = 1; k < 4; ++k)
            p.drawLine(QPointF(kopf.left() + 3, kopf.top() + kopf.height() * k / 4),
                       QPointF(kopf.right() - 3, kopf.top() + kopf.height() * k / 4));
    }
    // Shut-off valves and terminal box.
    p.setBrush(QColor(180, 160, 60));
    p.setPen(QPen(QColor(90, 80, 30), 1));
    p.drawRect(QRectF(kurbel.left() - 8, kurbel.top() + 10, 12, 10));
    p.drawRect(QRectF(motor.center().x() - 6, motor.top() - 14, 12, 14));
    if (!offen) {
        const QRectF kasten(motor.center().x() - motor.width() * 0.2, motor.top() + 8,
                            motor.width() * 0.4, motor.height() * 0.35);
        p.setBrush(QColor(40, 40, 40));
        p.drawRoundedRect(kasten, 3, 3);
    }
    // Oil sight glass and feet.
    p.setBrush(QColor(200, 230, 250));
    p.drawEllipse(QPointF(kurbel.left() + kurbel.width() * 0.3, kurbel.bottom() - 14), 6, 6);
    p.setBrush(QColor(50, 50, 50));
    p.drawRect(
        QRectF(kurbel.left() + 6, kurbel.bottom(), kurbel.width() * 0.25, r.height() * 0.05));
    p.drawRect(QRectF(motor.right() - motor.width() * 0.4, kurbel.bottom(), motor.width() * 0.3,
                      r.height() * 0.05));
}

void sammler(QPainter& p, const QRectF& r, const Motiv& m) {
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(metall(r, QColor(160, 160, 165), m.flach));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
}

void grundrahmen(QPainter& p, const QRectF& r, const Motiv& m) {
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(metall(r, QColor(80, 80, 80), m.flach));
    p.drawRect(r);
}

void verfluessiger(QPainter& p, const QRectF& r, const Motiv& m) {
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(210, 210, 205));
    p.drawRect(r);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (double y = r.top() + 4; y < r.bottom(); y += 5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    const double d = std::min(r.width(), r.height()) * 0.8;
    const QPointF c = r.center();
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(m.flach ? QColor(230, 230, 230) : QColor(230, 230, 230, 200));
    p.drawEllipse(c, d / 2, d / 2);
    p.setBrush(QColor(60, 60, 60));
    for (int i = 0; i < 4; ++i) {
        QPainterPath blatt;
        blatt.moveTo(c);
        blatt.arcTo(QRectF(c.x() - d * 0.4, c.y() - d * 0.4, d * 0.8, d * 0.8), i * 90.0, 35.0);
        blatt.closeSubpath();
        p.drawPath(blatt);
    }
}

// The whole product: compressor alone, duplex, set, unit.
void produkt(QPainter& p, const QRectF& r, const Motiv& m, bool satz, bool einheit) {
    if (einheit) {
        verfluessiger(p, QRectF(r.left(), r.top(), r.width() * 0.42, r.height() * 0.85), m);
        const QRectF rest(r.left() + r.width() * 0.45, r.top() + r.height() * 0.25,
                          r.width() * 0.55, r.height() * 0.6);
        verdichter(p, rest, m);
        grundrahmen(
            p, QRectF(r.left(), r.bottom() - r.height() * 0.12, r.width(), r.height() * 0.06), m);
        return;
    }
    if (satz) {
        const QRectF oben(r.left() + r.width() * 0.05, r.top(), r.width() * 0.9, r.height() * 0.68);
        verdichter(p, oben, m);
        sammler(p,
                QRectF(r.left() + r.width() * 0.1, r.top() + r.height() * 0.7, r.width() * 0.7,
                       r.height() * 0.16),
                m);
        grundrahmen(
            p, QRectF(r.left(), r.bottom() - r.height() * 0.1, r.width(), r.height() * 0.06), m);
        return;
    }
    if (m.duplex) {
        verdichter(p, QRectF(r.left(), r.top(), r.width() * 0.5, r.height() * 0.9), m);
        verdichter(
            p, QRectF(r.left() + r.width() * 0.5, r.top(), r.width() * 0.5, r.height() * 0.9), m);
        grundrahmen(
            p, QRectF(r.left(), r.bottom() - r.height() * 0.08, r.width(), r.height() * 0.05), m);
        return;
    }
    if (m.art == Bauart::Motorverdichter) {
        Motiv offen = m;
        offen.art = Bauart::Offen;
        verdichter(p, QRectF(r.left(), r.top(), r.width() * 0.62, r.height() * 0.9), offen);
        const QRectF mot(r.left() + r.width() * 0.66, r.top() + r.height() * 0.35, r.width() * 0.34,
                         r.height() * 0.42);
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.setBrush(metall(mot, QColor(90, 110, 90), m.flach));
        p.drawRoundedRect(mot, 10, 10);
        grundrahmen(
            p, QRectF(r.left(), r.bottom() - r.height() * 0.08, r.width(), r.height() * 0.05), m);
        return;
    }
    verdichter(p, r, m);
}

QImage leinwand(int b, int h) {
    QImage bild(b, h, QImage::Format_RGB32);
    QPainter p(&bild);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(250, 251, 253));
    g.setColorAt(1, QColor(222, 228, 236));
    p.fillRect(bild.rect(), g);
    return bild;
}

void speichern(const QImage& bild, const QString& pfad, const char* format, int qualitaet = -1) {
    if (!bild.save(pfad, format, qualitaet))
        throw std::runtime_error(("cannot write " + pfad).toStdString());
}

QImage produktbild(const Motiv& m, bool satz, bool einheit, int b, int h) {
    QImage bild = leinwand(b, h);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    produkt(p, QRectF(b * 0.08, h * 0.18, b * 0.84, h * 0.72), m, satz, einheit);
    return bild;
}

void masspfeil(QPainter& p, QPointF a, QPointF b, const QString& text, bool senkrecht) {
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y()) * 6;
    const QPointF n(-d.y() / 2, d.x() / 2);
    p.drawLine(a, a + d + n);
    p.drawLine(a, a + d - n);
    p.drawLine(b, b - d + n);
    p.drawLine(b, b - d - n);
    const QPointF mitte = (a + b) / 2;
    p.save();
    p.translate(mitte);
    if (senkrecht)
        p.rotate(-90);
    p.drawText(QRectF(-40, -16, 80, 14), Qt::AlignCenter, text);
    p.restore();
}

// Dimension drawing: side view outline with overall length, width, height and feet.
QImage masszeichnung(const Motiv& m, bool satz, bool einheit, double hub) {
    const int b = 420, h = 300;
    QImage bild(b, h, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Motiv linie = m;
    linie.farbe = QColor(235, 235, 235);
    const QRectF r(60, 40, 300, 190);
    produkt(p, r, linie, satz, einheit);
    const double l = std::round((380 + 3.2 * hub) / 5) * 5 * (einheit ? 1.8 : satz ? 1.3 : 1.0);
    const double hoehe = std::round((300 + 1.6 * hub) / 5) * 5 * (satz || einheit ? 1.4 : 1.0);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(QPen(Qt::black, 1));
    masspfeil(p, QPointF(r.left(), r.bottom() + 30), QPointF(r.right(), r.bottom() + 30),
              QString::number(l, 'f', 0), false);
    masspfeil(p, QPointF(r.right() + 30, r.bottom()), QPointF(r.right() + 30, r.top()),
              QString::number(hoehe, 'f', 0), true);
    p.setPen(QPen(Qt::black, 1, Qt::DashDotLine));
    p.drawLine(QPointF(r.center().x(), r.top() - 20), QPointF(r.center().x(), r.bottom() + 10));
    p.setPen(QPen(Qt::black, 1));
    p.drawText(QRectF(10, 8, 400, 16), Qt::AlignLeft, QStringLiteral("SL / DL"));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, b - 4, h - 4));
    return bild;
}

QImage zertifikatLogo(const QString& kurz, const QColor& farbe) {
    QImage bild(75, 75, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(farbe, 4));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(5, 5, 65, 65));
    p.setPen(QPen(farbe, 2));
    p.drawArc(QRectF(13, 13, 49, 49), 200 * 16, 140 * 16);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(17);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(5, 25, 65, 24), Qt::AlignCenter, kurz);
    return bild;
}

// Start pictures are stored as 8-bit bitmaps to keep them small.
void startbild(const QString& pfad, Motiv m, bool satz, bool einheit, const QString& titel) {
    m.flach = true;
    QImage bild(380, 265, QImage::Format_RGB32);
    bild.fill(QColor(244, 246, 250));
    {
        QPainter p(&bild);
        produkt(p, QRectF(380 * 0.08, 265 * 0.18, 380 * 0.84, 265 * 0.72), m, satz, einheit);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleStrategy(QFont::NoAntialias);
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(40, 60, 90));
        p.drawText(QRectF(12, 8, 356, 28), Qt::AlignLeft | Qt::AlignVCenter, titel);
    }
    speichern(bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither),
              pfad, "BMP");
}

struct Start {
    const char* datei;
    const char* serie;
    int rahmen;
    bool satz, einheit;
    const char* titel;
};

const Start kStartbilder[] = {
    {"WT_Start.bmp", "WT", 14, false, false, "WT"},
    {"QL einstufig_Start.bmp", "QL", 3, false, false, "QL"},
    {"QL_Start.bmp", "QL", 5, false, false, "QL"},
    {"QN einstufig_Start.bmp", "QN", 4, false, false, "QN"},
    {"QN_Start.bmp", "QN", 7, false, false, "QN"},
    {"QNT_Start.bmp", "QNT", 6, false, false, "QNT"},
    {"EQL_Start.bmp", "EQL", 3, false, false, "EQL"},
    {"EQN_Start.bmp", "EQN", 4, false, false, "EQN"},
    {"W_Start.bmp", "W", 4, false, false, "W"},
    {"WEY_Start.bmp", "WEY", 4, true, false, "WEY"},
    {"QN 8_4pol_Start.bmp", "QN84", 5, false, false, "QN 8/4"},
    {"CQL_Rumpf_Start.bmp", "QL", 3, true, false, "CQL"},
    {"CQL_luftgekuhlt_Start.bmp", "QL", 3, false, true, "CQL"},
    {"CQN_Rumpf_Start.bmp", "QN", 4, true, false, "CQN"},
    {"CQN_luftgekuhlt_Start.bmp", "QN", 4, false, true, "CQN"},
    {"QNCO2R410A_Start.bmp", "QNCO2", 3, false, false, "CO2 / R410A"},
};

} // namespace

const QStringList& startbildNamen() {
    static const QStringList namen = [] {
        QStringList n;
        for (const Start& s : kStartbilder)
            n << QLatin1String(s.datei);
        return n;
    }();
    return namen;
}

void bilderSchreiben(const Katalog& k, const QString& verzeichnis) {
    QDir().mkpath(verzeichnis);
    auto pfad = [&](const QString& name) { return verzeichnis + QLatin1Char('/') + name; };
    for (const Start& s : kStartbilder)
        startbild(pfad(QLatin1String(s.datei)), motivFuer(QLatin1String(s.serie), s.rahmen), s.satz,
                  s.einheit, QLatin1String(s.titel));
    for (const Gruppe& g : gruppenListe()) {
        const Motiv m = motivFuer(g.serie, 4);
        const bool satz = db::SatzArtVonGruppe(g.id) != 0 && g.id != 55 && g.id != 57;
        const bool einheit = g.id == 55 || g.id == 57;
        speichern(produktbild(m, satz, einheit, 360, 260),
                  pfad(QStringLiteral("G_%1.jpg").arg(g.id)), "JPG", 80);
        speichern(produktbild(m, satz, einheit, 99, 90), pfad(QStringLiteral("K_%1.jpg").arg(g.id)),
                  "JPG", 85);
    }
    std::set<QString> fertig;
    for (const Artikel& a : k.artikel) {
        const bool einheit = a.kondensator;
        const bool satz = a.basis != 0 && !einheit;
        const QString serie = a.serie;
        const Motiv m = motivFuer(serie, a.rahmen);
        if (!a.bild.isEmpty() && fertig.insert(a.bild).second)
            speichern(produktbild(m, satz, einheit, 320, 240), pfad(a.bild), "JPG", 78);
        if (!a.masszeichnung.isEmpty()) {
            QString name = a.masszeichnung;
            name.replace(QLatin1String(".tif"), QLatin1String(".jpg"), Qt::CaseInsensitive);
            if (fertig.insert(name).second)
                speichern(masszeichnung(m, satz, einheit, a.hub), pfad(name), "JPG", 75);
        }
    }
    speichern(zertifikatLogo(QStringLiteral("DPV"), QColor(20, 90, 160)), pfad("Zert_DPV.jpg"),
              "JPG", 90);
    speichern(zertifikatLogo(QStringLiteral("DQZ"), QColor(30, 130, 60)), pfad("Zert_DQZ.jpg"),
              "JPG", 90);
    speichern(zertifikatLogo(QStringLiteral("DGK"), QColor(160, 60, 40)), pfad("Zert_DGK.jpg"),
              "JPG", 90);
}

} // namespace drel::katalog
