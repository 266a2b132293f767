// The pages "Lieferumfang" and "Zubehor": one memo per displayed text block of the
// article, sorted by the block's order.
#pragma once

#include "state/sprache.h"

#include <QList>
#include <QString>

namespace drel::db {
class TDataModule1;
class Cursor;
} // namespace drel::db

namespace drel::sheet {

enum class TextSeitenArt { Lieferumfang, Zubehoer };

class TextSeite {
public:
    explicit TextSeite(TextSeitenArt art) : art_(art) {}

    // LieferumfangHolen / ZubehoerHolen for the article itself. Moves TBArtikel.
    void fuellen(db::TDataModule1& dm, qint32 artikelId,
                 const QString& sprachCode = sprache().code);

    TextSeitenArt art() const { return art_; }
    // Memo texts from the top; even index background 16245718, odd the tooltip colour.
    const QStringList& memos() const { return memos_; }
    // The hint that marks the page's memos: "21" scope of delivery, "22" accessories.
    QString memoHint() const;

    struct Eintrag {
        int reihenfolge = 0;
        QString text;
    };
    // Before the first entry with a larger order (equal orders keep reading order).
    static void einsortieren(QList<Eintrag>& liste, const Eintrag& neu);

private:
    TextSeitenArt art_;
    QStringList memos_;
};

// Memo height: 15 pixels per line plus 7.
int memoHoehe(int zeilen);

} // namespace drel::sheet
