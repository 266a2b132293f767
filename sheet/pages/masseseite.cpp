#include "sheet/pages/masseseite.h"

#include "base/directories.h"
#include "db/datamodule.h"
#include "sheet/pages/spaltentext.h"

#include <QFileInfo>

namespace drel::sheet {

QString tifZuJpg(const QString& name) {
    QString s = name;
    return s.replace(QStringLiteral(".tif"), QStringLiteral(".jpg"), Qt::CaseInsensitive);
}

QString bildPfad(const QString& programmVerzeichnis, const QString& name) {
    if (name.trimmed().isEmpty())
        return {};
    const QString p = findeDatei(pfad(programmVerzeichnis, QStringLiteral("Pics")), name.trimmed());
    return QFileInfo(p).isFile() ? p : QString();
}

AnschlussZeile MasseSeite::zeileVon(const Eintrag& e) {
    AnschlussZeile z;
    z.spalte0 = QLatin1Char(' ') + e.abkuerzung;
    z.spalte1 = QLatin1Char(' ') + e.bezeichnung;
    z.spalte2 = QLatin1Char(' ') + e.mass1 + QLatin1Char(' ') + e.einheit1;
    if (!e.mass2.isEmpty())
        z.spalte2 += QStringLiteral(" - ") + e.mass2 + QLatin1Char(' ') + e.einheit2;
    return z;
}

void MasseSeite::fuellen(db::TDataModule1& dm, qint32 artikelId, const QString& code) {
    zeichnungName_.clear();
    zeichnungPfad_.clear();
    anschluesse_.clear();
    if (!oeffnen(dm.TBArtikel) || !dm.TBArtikel.findKey({db::Value(artikelId)}))
        return;
    zeichnungName_ = tifZuJpg(dm.TBArtikel.asString(u"Masszeichnung"));
    zeichnungPfad_ = bildPfad(dm.programDirectory(), zeichnungName_);
    if (!oeffnen(dm.TBAnschlMass) || !oeffnen(dm.TBAnschlTyp))
        return;
    // Sorted like the scope of delivery: before the first larger order.
    QList<Eintrag> liste;
    for (dm.TBAnschlMass.first(); !dm.TBAnschlMass.eof(); dm.TBAnschlMass.next()) {
        if (dm.TBAnschlTyp.isEmpty())
            continue;
        const db::Cursor& typ = dm.TBAnschlTyp;
        Eintrag e{typ.asInteger(u"Reihenfolge"),
                  feldText(typ, QStringLiteral("Abkuerzung"), code),
                  textSpalte(typ, QStringLiteral("Bezeichnung"), code),
                  feldText(dm.TBAnschlMass, QStringLiteral("Mass1"), code),
                  textSpalte(typ, QStringLiteral("Einheit1"), code),
                  feldText(dm.TBAnschlMass, QStringLiteral("Mass2"), code),
                  textSpalte(typ, QStringLiteral("Einheit2"), code)};
        qsizetype k = 0;
        while (k < liste.size() && liste[k].reihenfolge <= e.reihenfolge)
            ++k;
        liste.insert(k, e);
    }
    for (const Eintrag& e : liste)
        anschluesse_.append(zeileVon(e));
}

QSize fotoAnzeigeGroesse(QSize natuerlich) {
    if (natuerlich.height() < 219)
        return natuerlich;
    const qint64 breite = static_cast<qint64>(natuerlich.width()) * 218 / natuerlich.height();
    return {static_cast<int>(breite), 218};
}

void FotoSeite::fuellen(db::TDataModule1& dm, qint32 artikelId) {
    name_.clear();
    pfad_.clear();
    if (!oeffnen(dm.TBArtikel) || !dm.TBArtikel.findKey({db::Value(artikelId)}))
        return;
    name_ = tifZuJpg(dm.TBArtikel.asString(u"Bild"));
    pfad_ = bildPfad(dm.programDirectory(), name_);
}

} // namespace drel::sheet
