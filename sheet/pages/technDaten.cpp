#include "sheet/pages/technDaten.h"

#include "db/datamodule.h"
#include "sheet/pages/spaltentext.h"

namespace drel::sheet {

void TechnDatenSeite::einsortieren(QList<Eintrag>& liste, const Eintrag& neu) {
    for (qsizetype k = 0; k < liste.size(); ++k) {
        const Eintrag& e = liste[k];
        if (e.gruppenReihenfolge > neu.gruppenReihenfolge ||
            (e.gruppenReihenfolge == neu.gruppenReihenfolge && e.reihenfolge > neu.reihenfolge)) {
            liste.insert(k, neu);
            return;
        }
        if (e.gruppenReihenfolge == neu.gruppenReihenfolge && e.reihenfolge == neu.reihenfolge) {
            liste.insert(k + 1, neu);
            return;
        }
    }
    liste.append(neu);
}

QList<qint32> TechnDatenSeite::fussnotenNummerieren(QList<Eintrag>& liste) {
    QList<qint32> ids;
    for (Eintrag& e : liste) {
        if (e.fussnoteId <= 0)
            continue;
        qsizetype index = ids.indexOf(e.fussnoteId);
        if (index < 0) {
            ids.append(e.fussnoteId);
            index = ids.size() - 1;
        }
        e.fussnoteNummer = static_cast<int>(index) + 1;
    }
    return ids;
}

TechnDatenZeile TechnDatenSeite::zeileVon(const Eintrag& e) {
    TechnDatenZeile z;
    z.spalte0 = e.bezeichnung;
    if (e.fussnoteNummer > 0)
        z.spalte0 += QStringLiteral("  ") + QString::number(e.fussnoteNummer) + QLatin1Char(')');
    z.spalte1 = e.wert;
    return z;
}

namespace {

// Value text: the value in the user's language, else the German one, then the unit.
QString wertText(const db::TDataModule1& dm, const QString& code) {
    QString wert = textSpalte(dm.TBTechWerte, QStringLiteral("Wert"), code);
    if (wert.isEmpty())
        wert = feldText(dm.TBTechWerte, QStringLiteral("WertDe"), code);
    const QString einheit = textSpalte(dm.TBTechBeschr, QStringLiteral("Einheit"), code);
    if (wert.isEmpty())
        return QStringLiteral("  ") + einheit;
    return QStringLiteral("  ") + wert + QStringLiteral("  ") + einheit;
}

} // namespace

void TechnDatenSeite::fuellen(db::TDataModule1& dm, qint32 artikelId, const QString& code) {
    zeilen_.clear();
    memos_.clear();
    fussnotenIds_.clear();
    if (!oeffnen(dm.TBArtikel) || !oeffnen(dm.TBTechWerte) || !oeffnen(dm.TBTechBeschr) ||
        !oeffnen(dm.TBTechGruppen))
        return;
    if (!dm.TBArtikel.findKey({db::Value(artikelId)}))
        return;
    QList<Eintrag> liste;
    for (dm.TBTechWerte.first(); !dm.TBTechWerte.eof(); dm.TBTechWerte.next()) {
        if (!dm.TBTechWerte.asBool(u"Aktiv") || dm.TBTechBeschr.isEmpty() ||
            !dm.TBTechBeschr.asBool(u"Aktiv"))
            continue;
        Eintrag e;
        e.gruppenReihenfolge =
            dm.TBTechGruppen.isEmpty() ? 0 : dm.TBTechGruppen.asInteger(u"Reihenfolge");
        e.reihenfolge = dm.TBTechBeschr.asInteger(u"Reihenfolge");
        e.bezeichnung =
            textSpalte(dm.TBTechBeschr, QStringLiteral("Bezeichnung"), code) + QStringLiteral("  ");
        e.wert = wertText(dm, code);
        e.fussnoteId = dm.TBTechWerte.asInteger(u"FussnoteID");
        einsortieren(liste, e);
    }
    fussnotenIds_ = fussnotenNummerieren(liste);
    for (const Eintrag& e : liste)
        zeilen_.append(zeileVon(e));
    if (fussnotenIds_.isEmpty() || !oeffnen(dm.TBFussnote))
        return;
    // Built from the highest number down; the stacking shows them ascending.
    for (qsizetype k = fussnotenIds_.size(); k >= 1; --k) {
        if (!dm.TBFussnote.findKey({db::Value(fussnotenIds_[k - 1])}))
            continue;
        FussnotenMemo memo;
        memo.nummer = static_cast<int>(k);
        memo.text = QString::number(k) + QLatin1Char(')');
        const QString text = textSpalte(dm.TBFussnote, QStringLiteral("Text"), code);
        if (!text.isEmpty())
            memo.text += QStringLiteral("\r\n") + text;
        memos_.prepend(memo);
    }
}

} // namespace drel::sheet
