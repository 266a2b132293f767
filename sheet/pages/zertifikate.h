// The certificate logos in the sheet's header, the certificate note, and the help
// texts behind the information icons.
#pragma once

#include "state/sprache.h"

#include <QList>
#include <QString>

namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

// One certificate of the current article (TZer).
struct TZer {
    QString titel;
    QString beschreibung;
    QString anzeigeName;
    int reihenfolge = 0;
    QString bildName;
    QString abkuerzung;
};

class ZertListe {
public:
    // ZertLogosAnzeigen: the certificates of the article for the refrigerant (the ID of
    // its TBKMittelS row), sorted by order. Leaves the list empty when TBZerti has no
    // entry or the entry has no types.
    void fuellen(db::TDataModule1& dm, qint32 artikelId, qint32 kaeltemittelId,
                 const QString& sprachCode = sprache().code);

    const QList<TZer>& eintraege() const { return eintraege_; }
    // Logos 1 to 3 (ZertLogo1..3): the first three entries.
    int logoAnzahl() const { return static_cast<int>(std::min<qsizetype>(eintraege_.size(), 3)); }
    // The logo panel and the labels "Referenzbedingungen" / "fur ASERCOM-Zertifizierung".
    bool logosSichtbar() const { return !eintraege_.isEmpty(); }
    // Picture of logo `tag` (1..3) below Pics; "" when missing.
    QString logoPfad(const QString& programmVerzeichnis, int tag) const;

    // ZertClick: what the note window TFrmZertHinweis shows for logo `tag` (1..3; a
    // click on either label acts as tag 1). False for a tag without an entry.
    struct Hinweis {
        QString fensterTitel = QStringLiteral("Hinweis zur Zertifizierung");
        QString titel;        // Label1
        QString beschreibung; // RichEdit1
        QString bildPfad;     // ZertLogo, "" when the picture is missing
    };
    bool hinweis(const QString& programmVerzeichnis, int tag, Hinweis& h) const;

    static void einsortieren(QList<TZer>& liste, const TZer& neu);

private:
    QList<TZer> eintraege_;
};

// The rich-text file behind the output-value icons (Image4, Image5): "Qo_" + code
// + ".rtf", or "Qo1_" + code + ".rtf" for R410A and R744.
QString hilfeTextDateiName(const QString& kaeltemittel, const QString& sprachCode = sprache().code);
// The same file in the program directory (found without regard to case).
QString hilfeTextDatei(const QString& programmVerzeichnis, const QString& kaeltemittel,
                       const QString& sprachCode = sprache().code);
// The text behind the intermediate-cooler icon (Image3): the label's hint, converted.
QString zwischenkuehlerHilfeText(const QString& sprachCode = sprache().code);

} // namespace drel::sheet
