#include "report/platzhalter.h"

#include "report/datenmenge.h"

#include <QRegularExpression>

namespace drel::bericht {

namespace {

const QString seiteNr = QStringLiteral("[Page#]");
const QString seitenGesamt = QStringLiteral("[TotalPages#]");

} // namespace

QString felderEinsetzen(const QString& text, const Datenmenge& daten) {
    static const QRegularExpression klammer(QStringLiteral("\\[([^\\[\\]]+)\\]"));
    QString ergebnis;
    qsizetype bis = 0;
    for (auto it = klammer.globalMatch(text); it.hasNext();) {
        const auto treffer = it.next();
        ergebnis += text.mid(bis, treffer.capturedStart() - bis);
        const auto wert = treffer.captured(1).endsWith(QLatin1Char('#'))
                              ? std::nullopt
                              : daten.GetValue(treffer.captured(1));
        ergebnis += wert ? *wert : treffer.captured(0);
        bis = treffer.capturedEnd();
    }
    return ergebnis + text.mid(bis);
}

QString seitenzahlenEinsetzen(const QString& text, int seite, int seiten) {
    QString ergebnis = text;
    ergebnis.replace(seiteNr, QString::number(seite), Qt::CaseInsensitive);
    ergebnis.replace(seitenGesamt, QString::number(seiten), Qt::CaseInsensitive);
    return ergebnis;
}

} // namespace drel::bericht
