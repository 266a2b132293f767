// The one owner of every product-table cursor, reached through dataModule().
#pragma once

#include "db/cursor.h"
#include "db/lukotabelle.h"

#include <memory>

namespace drel::db {

class TDataModule1 {
public:
    // Records `programDirectory` (the working directory at start), points every cursor
    // at <programDirectory>/Daten/<file> and opens the eight cursors the rating needs.
    // Tables that cannot be opened are reported together in one message with their
    // file names; the other cursors are still opened. It writes no program-wide
    // state: the start-up sets the directories.
    explicit TDataModule1(const QString& programDirectory);
    // The same without opening the start cursors: a command first picks the rows it
    // needs (cache().setZeilenauswahl) and then calls openStartCursors().
    struct OhneStartCursor {};
    TDataModule1(const QString& programDirectory, OhneStartCursor);
    ~TDataModule1();
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    const QString& programDirectory() const { return programDirectory_; }
    // Opens the eight start cursors again (after a database build).
    void openStartCursors();
    // The errors of the last openStartCursors, one per table that could not be opened
    // (each names its file); empty when all opened.
    const std::vector<DbError>& openErrors() const { return openErrors_; }
    // Closes every cursor and forgets the loaded tables and the condenser table.
    void closeAll();

    // The condenser table that the search window builds at its creation and the data
    // sheets search; it lives and dies with the tables it was built from.
    LukoTabelle& lukoTabelle() { return lukoTabelle_; }

    // Cursor or data source by name without regard to case; nullptr when unknown.
    Cursor* cursor(QStringView name);
    DataSource* dataSource(QStringView name);

    TableCache& cache() { return cache_; }

    // Cursors (names as the rest of the program uses them).
    Cursor TBArtikel{QStringLiteral("TBArtikel"), &cache_};
    Cursor STBArtikel{QStringLiteral("STBArtikel"), &cache_};
    Cursor TBGruppen{QStringLiteral("TBGruppen"), &cache_};
    Cursor TBGruppenS{QStringLiteral("TBGruppenS"), &cache_};
    Cursor TBLeistung{QStringLiteral("TBLeistung"), &cache_};
    Cursor TBKMittelS{QStringLiteral("TBKMittelS"), &cache_};
    Cursor TBKMittel{QStringLiteral("TBKMittel"), &cache_};
    Cursor TBMotorArtikel{QStringLiteral("TBMotorArtikel"), &cache_};
    Cursor TBMotoren{QStringLiteral("TBMotoren"), &cache_};
    Cursor TBLukos{QStringLiteral("TBLukos"), &cache_};
    Cursor TBLukoArtikel{QStringLiteral("TBLukoArtikel"), &cache_};
    Cursor TBLukoLeistung{QStringLiteral("TBLukoLeistung"), &cache_};
    Cursor TBTechWerte{QStringLiteral("TBTechWerte"), &cache_};
    Cursor TBTechBeschr{QStringLiteral("TBTechBeschr"), &cache_};
    Cursor TBTechGruppen{QStringLiteral("TBTechGruppen"), &cache_};
    Cursor TBLieferumfang{QStringLiteral("TBLieferumfang"), &cache_};
    Cursor TBLieferTexte{QStringLiteral("TBLieferTexte"), &cache_};
    Cursor TBZubehoer{QStringLiteral("TBZubehoer"), &cache_};
    Cursor TBZubTexte{QStringLiteral("TBZubTexte"), &cache_};
    Cursor TBAnschlMass{QStringLiteral("TBAnschlMass"), &cache_};
    Cursor TBAnschlTyp{QStringLiteral("TBAnschlTyp"), &cache_};
    Cursor TBFussnote{QStringLiteral("TBFussnote"), &cache_};
    Cursor TBZerti{QStringLiteral("TBZerti"), &cache_};
    Cursor TBZertiTyp{QStringLiteral("TBZertiTyp"), &cache_};
    Cursor TBZertiTypS{QStringLiteral("TBZertiTypS"), &cache_};
    Cursor TBLegenden{QStringLiteral("TBLegenden"), &cache_};
    Cursor TBTextRes{QStringLiteral("TBTextRes"), &cache_};
    Cursor TBTextResTypes{QStringLiteral("TBTextResTypes"), &cache_};

    // Data sources.
    DataSource DtsTBArtikel{QStringLiteral("DtsTBArtikel"), &TBArtikel};
    DataSource DtsTBGruppen{QStringLiteral("DtsTBGruppen"), &TBGruppen};
    DataSource DtsMotorArt{QStringLiteral("DtsMotorArt"), &TBMotorArtikel};
    DataSource DtsLukoArt{QStringLiteral("DtsLukoArt"), &TBLukoArtikel};
    DataSource DtsLukoLstg{QStringLiteral("DtsLukoLstg"), &TBLukoLeistung};
    DataSource DtsLeistung{QStringLiteral("DtsLeistung"), &TBLeistung};
    DataSource DtsTechWerte{QStringLiteral("DtsTechWerte"), &TBTechWerte};
    DataSource DtsTechBeschr{QStringLiteral("DtsTechBeschr"), &TBTechBeschr};
    DataSource DtsTechGr{QStringLiteral("DtsTechGr"), &TBTechGruppen};
    DataSource DtsLieferumf{QStringLiteral("DtsLieferumf"), &TBLieferumfang};
    DataSource DtsZubehoer{QStringLiteral("DtsZubehoer"), &TBZubehoer};
    DataSource DtsAnschlMass{QStringLiteral("DtsAnschlMass"), &TBAnschlMass};
    DataSource DtsZerti{QStringLiteral("DtsZerti"), &TBZerti};
    DataSource DtsTBTextRes{QStringLiteral("DtsTBTextRes"), &TBTextRes};
    // No data set until the search of sets assigns STBArtikel to it.
    DataSource DtsSTBArtikel{QStringLiteral("DtsSTBArtikel"), nullptr};

private:
    void setUpCursors();

    QString programDirectory_;
    TableCache cache_;
    std::vector<DbError> openErrors_;
    LukoTabelle lukoTabelle_;
};

// The process-wide data module; nullptr before it is created.
TDataModule1* dataModule();
// Creates (or replaces) the process-wide data module.
TDataModule1& createDataModule(const QString& programDirectory);
void destroyDataModule();

} // namespace drel::db
