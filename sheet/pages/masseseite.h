// The pages "Masse und Anschlusse" (dimension drawing and connections grid) and
// "Produktfoto" (photo and its shown size).
#pragma once

#include "state/sprache.h"

#include <QList>
#include <QSize>
#include <QString>

namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

// The stored picture name with every ".tif" (any case) replaced by ".jpg": the
// pictures are delivered as JPEG under the names of the TIFF originals.
QString tifZuJpg(const QString& name);
// The picture file below <program directory>/Pics, found without regard to case;
// "" when the name is empty or no such file exists.
QString bildPfad(const QString& programmVerzeichnis, const QString& name);

// Connections grid row: " " + abbreviation, " " + name, " " + Mass1 + " " + unit 1
// [+ " - " + Mass2 + " " + unit 2]; the fourth column (width 0) stays empty.
struct AnschlussZeile {
    QString spalte0, spalte1, spalte2, spalte3;
};

class MasseSeite {
public:
    // MasseHolen for the article itself. Moves TBArtikel.
    void fuellen(db::TDataModule1& dm, qint32 artikelId,
                 const QString& sprachCode = sprache().code);

    // The page is shown exactly when the drawing exists.
    bool seiteSichtbar() const { return !zeichnungPfad_.isEmpty(); }
    const QString& zeichnungName() const { return zeichnungName_; } // after .tif → .jpg
    const QString& zeichnungPfad() const { return zeichnungPfad_; } // "" when missing
    const QList<AnschlussZeile>& anschluesse() const { return anschluesse_; }

    struct Eintrag {
        int reihenfolge = 0;
        QString abkuerzung, bezeichnung, mass1, einheit1, mass2, einheit2;
    };
    static AnschlussZeile zeileVon(const Eintrag& e);

private:
    QString zeichnungName_;
    QString zeichnungPfad_;
    QList<AnschlussZeile> anschluesse_;
};

// The shown size of the photo: natural size, but 218 pixels high and
// trunc(width · 218 / height) wide once it is 219 pixels high or more.
QSize fotoAnzeigeGroesse(QSize natuerlich);

class FotoSeite {
public:
    // BildHolen. Moves TBArtikel.
    void fuellen(db::TDataModule1& dm, qint32 artikelId);
    bool seiteSichtbar() const { return !pfad_.isEmpty(); }
    const QString& bildName() const { return name_; }
    const QString& pfad() const { return pfad_; }
    // Caption under the photo.
    static QString unterschrift() { return QStringLiteral("Abbildung ahnlich"); }

private:
    QString name_;
    QString pfad_;
};

} // namespace drel::sheet
