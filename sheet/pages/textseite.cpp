#include "sheet/pages/textseite.h"

#include "db/datamodule.h"
#include "sheet/pages/spaltentext.h"

namespace drel::sheet {

int memoHoehe(int zeilen) {
    return 15 * zeilen + 7;
}

QString TextSeite::memoHint() const {
    return art_ == TextSeitenArt::Lieferumfang ? QStringLiteral("21") : QStringLiteral("22");
}

void TextSeite::einsortieren(QList<Eintrag>& liste, const Eintrag& neu) {
    for (qsizetype k = 0; k < liste.size(); ++k) {
        if (liste[k].reihenfolge > neu.reihenfolge) {
            liste.insert(k, neu);
            return;
        }
    }
    liste.append(neu);
}

void TextSeite::fuellen(db::TDataModule1& dm, qint32 artikelId, const QString& code) {
    memos_.clear();
    const bool liefer = art_ == TextSeitenArt::Lieferumfang;
    db::Cursor& zuordnung = liefer ? dm.TBLieferumfang : dm.TBZubehoer;
    db::Cursor& texte = liefer ? dm.TBLieferTexte : dm.TBZubTexte;
    if (!oeffnen(dm.TBArtikel) || !oeffnen(zuordnung) || !oeffnen(texte))
        return;
    if (!dm.TBArtikel.findKey({db::Value(artikelId)}))
        return;
    QList<Eintrag> liste;
    for (zuordnung.first(); !zuordnung.eof(); zuordnung.next()) {
        if (texte.isEmpty() || !texte.asBool(u"Anzeigen"))
            continue;
        einsortieren(liste, {texte.asInteger(u"Reihenfolge"),
                             textSpalte(texte, QStringLiteral("Text"), code)});
    }
    for (const Eintrag& e : liste)
        memos_.append(e.text);
}

} // namespace drel::sheet
