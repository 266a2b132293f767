// The page "Techn. Daten": the technical values of one article, sorted by group and
// order, with numbered footnotes and their memos.
#pragma once

#include "state/sprache.h"

#include <QList>
#include <QString>

namespace drel::db {
class TDataModule1;
}

namespace drel::sheet {

// One grid row: description (with " n)" for a footnote), value text, marker "0".
struct TechnDatenZeile {
    QString spalte0;
    QString spalte1;
    QString spalte2 = QStringLiteral("0");
};

// One footnote memo (bold, stacked in ascending numbers under "Bemerkungen:").
struct FussnotenMemo {
    int nummer = 0;
    QString text; // "n)" + CR LF + the footnote text, or "n)" alone when it is empty
};

class TechnDatenSeite {
public:
    // TechnDatenHolen for the article itself (never its base article). Moves TBArtikel
    // to the article; the technical-value cursors follow it.
    void fuellen(db::TDataModule1& dm, qint32 artikelId,
                 const QString& sprachCode = sprache().code);

    const QList<TechnDatenZeile>& zeilen() const { return zeilen_; }
    // Only footnotes whose id TBFussnote knows; ascending numbers.
    const QList<FussnotenMemo>& memos() const { return memos_; }
    // Panel4 "Bemerkungen:" is shown.
    bool bemerkungenSichtbar() const { return !memos_.isEmpty(); }
    // Footnote number of each id, in order of first occurrence (1-based numbers).
    int fussnotenAnzahl() const { return static_cast<int>(fussnotenIds_.size()); }

    // An entry before it becomes a row.
    struct Eintrag {
        int gruppenReihenfolge = 0;
        int reihenfolge = 0;
        QString wert;
        QString bezeichnung;
        qint32 fussnoteId = 0;
        int fussnoteNummer = 0;
    };
    // The insertion of the page: before the first entry with a larger group order, or
    // equal group and larger order; directly after the first entry with equal keys.
    static void einsortieren(QList<Eintrag>& liste, const Eintrag& neu);
    // Numbers ids above 0 in order of first occurrence; equal ids share a number.
    // Returns the ids in number order.
    static QList<qint32> fussnotenNummerieren(QList<Eintrag>& liste);
    static TechnDatenZeile zeileVon(const Eintrag& e);

private:
    QList<TechnDatenZeile> zeilen_;
    QList<FussnotenMemo> memos_;
    QList<qint32> fussnotenIds_;
};

} // namespace drel::sheet
