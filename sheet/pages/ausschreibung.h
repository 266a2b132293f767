// The page "Ausschreibungstexte": the tender text built from the ticked parts, as
// lines of formatted runs, plain text and RTF.
#pragma once

#include "state/sprache.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>

namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

struct TextLauf {
    QString text;
    bool fett = false;
    bool unterstrichen = false;
};
using TextZeile = QList<TextLauf>;

// The four check boxes below the text.
struct AusschreibungsAuswahl {
    bool technischeDaten = true;
    bool beschreibung = true;
    bool lieferumfang = true;
    bool zubehoer = true;
};

// What the sheet's upper part shows, as texts. The labels and headings are the
// program's translated texts (see erstellen).
struct AusschreibungsWerte {
    QString typ;
    QString qo, qoEinheit = QStringLiteral("kW");
    bool antriebsleistung = true; // "Antriebsleistung", otherwise "Leistungsaufnahme"
    QString p, pEinheit = QStringLiteral("kW");
    QString massenstrom;
    QString tc, t0, tempEinheit = QStringLiteral("°C");
    QString sauggas;
    QString unterkuehlung, diffEinheit = QStringLiteral("K");
    QString kaeltemittel;
    bool mitMotor = true;
    QString frequenz; // "50", "60", …
    QString strom;
    QString drehzahl;
};

// Width of a text in the sheet's font; the window passes its font metrics. The
// default counts characters and advances a tab to the next multiple of eight.
using TextBreite = std::function<int(const QString&)>;
int zeichenBreite(const QString& text);

// The tender text is a customer document: its labels and headings are the program's
// texts in the language the user chose, umlauts included.
class Ausschreibung {
    Q_DECLARE_TR_FUNCTIONS(Ausschreibung)

public:
    // BitBtn5Click: rebuilds the text for the article from the ticked parts (moves
    // TBArtikel and the page cursors).
    void erstellen(db::TDataModule1& dm, qint32 artikelId, const QString& sprachCode,
                   const AusschreibungsAuswahl& auswahl, const AusschreibungsWerte& werte,
                   const TextBreite& breite = zeichenBreite);
    // The same in the current language.
    void erstellen(db::TDataModule1& dm, qint32 artikelId, const AusschreibungsAuswahl& auswahl,
                   const AusschreibungsWerte& werte, const TextBreite& breite = zeichenBreite) {
        erstellen(dm, artikelId, sprache().code, auswahl, werte, breite);
    }

    const QList<TextZeile>& zeilen() const { return zeilen_; }
    int referenzBreite() const { return referenz_; }
    QString alsText() const; // lines joined with CR LF
    QByteArray alsRtf() const;

    // A value line: label padded with tabs until its width reaches the reference
    // width, then the value.
    static QString wertZeile(const QString& label, const QString& wert, int referenz,
                             const TextBreite& breite);

private:
    void leer(int anzahl = 1);
    void absatz(const QString& text, bool fett = false, bool unterstrichen = false);
    void wert(const QString& label, const QString& wert);
    void textSeite(db::TDataModule1& dm, qint32 artikelId, const QString& code, bool liefer,
                   const QString& titel);

    QList<TextZeile> zeilen_;
    int referenz_ = 0;
    TextBreite breite_;
};

} // namespace drel::sheet
