#include "chart/tabellenmodell.h"

#include "base/messagesink.h"
#include "base/numberformat.h"

#include <charconv>

namespace drel::chart {

QString kurzeZahl(float wert) {
    if (wert == 0.0f)
        return QStringLiteral("0");
    char puffer[32];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, wert);
    QString text = QString::fromLatin1(puffer, ergebnis.ptr - puffer);
    // "1e-07" reads as 1E-7 in the program's number texts.
    if (const qsizetype e = text.indexOf(u'e'); e >= 0) {
        QString exponent = text.mid(e + 1);
        const bool negativ = exponent.startsWith(u'-');
        exponent.remove(0, exponent.startsWith(u'-') || exponent.startsWith(u'+') ? 1 : 0);
        while (exponent.size() > 1 && exponent.startsWith(u'0'))
            exponent.remove(0, 1);
        text = text.left(e) + u'E' + (negativ ? QStringLiteral("-") : QString()) + exponent;
    }
    text.replace(u'.', numberSeparators().decimal);
    return text;
}

QString TabellenModell::zelle(int zeile, int spalte) const {
    if (zeile < 1 || spalte < 1 || zeile > benutzteZeilen())
        return {};
    const auto& z = zellen_[static_cast<size_t>(zeile - 1)];
    return spalte <= static_cast<int>(z.size()) ? z[static_cast<size_t>(spalte - 1)] : QString();
}

void TabellenModell::setZelle(int zeile, int spalte, const QString& text) {
    if (zeile < 1 || zeile > kZeilen || spalte < 1 || spalte > kSpalten)
        return;
    if (zeile > benutzteZeilen())
        zellen_.resize(static_cast<size_t>(zeile));
    auto& z = zellen_[static_cast<size_t>(zeile - 1)];
    if (spalte > static_cast<int>(z.size()))
        z.resize(static_cast<size_t>(spalte));
    z[static_cast<size_t>(spalte - 1)] = text;
}

void TabellenModell::fuellen(const ChartDatInhalt& inhalt) {
    zellen_.clear();
    for (int n = 1; n <= inhalt.size() && 2 * n <= kZeilen; ++n) {
        setZelle(2 * n - 1, 1, QStringLiteral("X%1").arg(n));
        setZelle(2 * n, 1, QStringLiteral("Y%1").arg(n));
        const QList<QPointF>& punkte = inhalt[n - 1];
        for (int j = 1; j <= punkte.size() && j + 1 <= kSpalten; ++j) {
            const QPointF& p = punkte[j - 1];
            setZelle(2 * n - 1, j + 1, kurzeZahl(static_cast<float>(p.x())));
            setZelle(2 * n, j + 1, kurzeZahl(static_cast<float>(p.y())));
        }
    }
}

bool TabellenModell::laden(const QString& pfad) {
    Uebernommen = false;
    const auto inhalt = chartDatLesen(pfad);
    if (!inhalt)
        return false;
    fuellen(*inhalt);
    return true;
}

namespace {

bool zahlLesen(const QString& text, float& wert) {
    double d = 0;
    if (!parseFloat(text, d)) {
        report(keinGleitkommawert(text));
        return false;
    }
    wert = static_cast<float>(d);
    return true;
}

} // namespace

bool TabellenModell::zurueckLesen(ChartDaten& daten) const {
    ChartDaten neu = daten;
    int graphen = 0;
    for (int n = 1; n <= kMaxGraphen && !zelle(2 * n - 1, 2).isEmpty(); ++n) {
        int punkte = 0;
        for (int j = 1; j <= kMaxPunkte && !zelle(2 * n - 1, j + 1).isEmpty(); ++j) {
            float x = 0, y = 0;
            if (!zahlLesen(zelle(2 * n - 1, j + 1), x) || !zahlLesen(zelle(2 * n, j + 1), y))
                return false;
            neu.PunktSetzen(n, j, x, y);
            punkte = j;
        }
        neu.graph(n).PunktZahl = punkte;
        graphen = n;
    }
    neu.NoGraphs = graphen;
    daten = neu;
    return true;
}

} // namespace drel::chart
