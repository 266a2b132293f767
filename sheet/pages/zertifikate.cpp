#include "sheet/pages/zertifikate.h"

#include "base/directories.h"
#include "db/datamodule.h"
#include "sheet/pages/htmlzutext.h"
#include "sheet/pages/masseseite.h"
#include "sheet/pages/spaltentext.h"

namespace drel::sheet {

void ZertListe::einsortieren(QList<TZer>& liste, const TZer& neu) {
    for (qsizetype k = 0; k < liste.size(); ++k) {
        if (liste[k].reihenfolge > neu.reihenfolge) {
            liste.insert(k, neu);
            return;
        }
    }
    liste.append(neu);
}

void ZertListe::fuellen(db::TDataModule1& dm, qint32 artikelId, qint32 kaeltemittelId,
                        const QString& code) {
    eintraege_.clear();
    if (!oeffnen(dm.TBZerti) || !oeffnen(dm.TBZertiTyp))
        return;
    if (!dm.TBZerti.findKey({db::Value(artikelId), db::Value(kaeltemittelId)}) ||
        dm.TBZertiTyp.isEmpty())
        return;
    // English texts sit in the columns without suffix.
    const bool englisch = code.compare(QLatin1StringView("EN"), Qt::CaseInsensitive) == 0;
    db::Cursor& typ = dm.TBZertiTyp;
    for (typ.first(); !typ.eof(); typ.next()) {
        TZer z;
        z.titel = textSpalte(typ, QStringLiteral("Titel"), code);
        z.beschreibung = englisch ? feldText(typ, QStringLiteral("Beschreibung"), code)
                                  : textSpalte(typ, QStringLiteral("Beschreibung"), code);
        z.anzeigeName = englisch ? feldText(typ, QStringLiteral("AnzeigeName"), code)
                                 : textSpalte(typ, QStringLiteral("AnzeigeName"), code);
        z.reihenfolge = typ.asInteger(u"Reihenfolge");
        z.bildName = feldText(typ, QStringLiteral("BildName"), code);
        z.abkuerzung = feldText(typ, QStringLiteral("Abkuerzung"), code);
        einsortieren(eintraege_, z);
    }
}

QString ZertListe::logoPfad(const QString& programmVerzeichnis, int tag) const {
    if (tag < 1 || tag > logoAnzahl())
        return {};
    return bildPfad(programmVerzeichnis, eintraege_[tag - 1].bildName);
}

bool ZertListe::hinweis(const QString& programmVerzeichnis, int tag, Hinweis& h) const {
    if (tag < 1 || tag > logoAnzahl())
        return false;
    const TZer& z = eintraege_[tag - 1];
    h.titel = z.titel;
    h.beschreibung = z.beschreibung;
    h.bildPfad = logoPfad(programmVerzeichnis, tag);
    return true;
}

QString hilfeTextDateiName(const QString& kaeltemittel, const QString& code) {
    const bool qo1 =
        kaeltemittel == QLatin1StringView("R410A") || kaeltemittel == QLatin1StringView("R744");
    return (qo1 ? QStringLiteral("Qo1_") : QStringLiteral("Qo_")) + code + QStringLiteral(".rtf");
}

QString hilfeTextDatei(const QString& programmVerzeichnis, const QString& kaeltemittel,
                       const QString& code) {
    return findeDatei(programmVerzeichnis, hilfeTextDateiName(kaeltemittel, code));
}

QString zwischenkuehlerHilfeText(const QString& code) {
    return HtmlZuText(QStringLiteral("Temperatur des unterkuhlten Kaltemittels am "
                                     "Zwischenkuhleraustritt bezogen auf Null Kelvin "
                                     "Unterkuhlung am Zwischenkuhlereingang"),
                      code);
}

} // namespace drel::sheet
