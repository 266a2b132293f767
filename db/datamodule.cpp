#include "db/datamodule.h"

#include "base/directories.h"
#include "base/messagesink.h"
#include "db/recordhelpers.h"

namespace drel::db {

namespace {

std::unique_ptr<TDataModule1>& instance() {
    static std::unique_ptr<TDataModule1> module;
    return module;
}

struct CursorSetup {
    Cursor TDataModule1::*cursor;
    const char* file;
    const char* index;
    DataSource TDataModule1::*master; // nullptr: no master
    const char* masterFields;
};

// File, sort order and master link of every cursor.
const CursorSetup kSetup[] = {
    {&TDataModule1::TBArtikel, "Articles.cds", "ID", nullptr, ""},
    {&TDataModule1::STBArtikel, "Articles.cds", "ID", nullptr, "Basisartikel"},
    {&TDataModule1::TBGruppen, "ProductGroups.cds", "ID", &TDataModule1::DtsTBArtikel,
     "Produktgruppe"},
    {&TDataModule1::TBGruppenS, "ProductGroups.cds", "ID", nullptr, ""},
    {&TDataModule1::TBLeistung, "CapacityData.cds", "ArtikelID", &TDataModule1::DtsTBArtikel, "ID"},
    {&TDataModule1::TBKMittelS, "Refrigerants.cds", "ID", &TDataModule1::DtsLeistung,
     "KaeltemittelID"},
    {&TDataModule1::TBKMittel, "Refrigerants.cds", "ID", nullptr, ""},
    {&TDataModule1::TBMotorArtikel, "MotorArticle.cds", "ArtikelID", &TDataModule1::DtsTBArtikel,
     "ID"},
    {&TDataModule1::TBMotoren, "Motors.cds", "ID", &TDataModule1::DtsMotorArt, "MotorID"},
    {&TDataModule1::TBLukos, "AirCooledCondensers.cds", "ID", nullptr, ""},
    {&TDataModule1::TBLukoArtikel, "AirCooledCondenserArticle.cds", "ArtikelID",
     &TDataModule1::DtsTBArtikel, "ID"},
    {&TDataModule1::TBLukoLeistung, "AirCooledCondenserRefrigerant.cds", "LuftkondensatorID",
     &TDataModule1::DtsLukoArt, "LuftkondensatorID"},
    {&TDataModule1::TBTechWerte, "TechnValue.cds", "Teilenummer", &TDataModule1::DtsTBArtikel,
     "ID"},
    {&TDataModule1::TBTechBeschr, "TechnDescr.cds", "ID", &TDataModule1::DtsTechWerte,
     "BeschreibungID"},
    {&TDataModule1::TBTechGruppen, "TechnGroups.cds", "ID", &TDataModule1::DtsTechBeschr,
     "GruppenID"},
    {&TDataModule1::TBLieferumfang, "ShipmentVolumes.cds", "Teilenummer",
     &TDataModule1::DtsTBArtikel, "ID"},
    {&TDataModule1::TBLieferTexte, "ShipmentTexts.cds", "ID;Reihenfolge",
     &TDataModule1::DtsLieferumf, "TextID"},
    {&TDataModule1::TBZubehoer, "Accessories.cds", "Teilenummer", &TDataModule1::DtsTBArtikel,
     "ID"},
    {&TDataModule1::TBZubTexte, "AccTexts.cds", "ID", &TDataModule1::DtsZubehoer, "TextID"},
    {&TDataModule1::TBAnschlMass, "InterfVals.cds", "Teilenummer", &TDataModule1::DtsTBArtikel,
     "ID"},
    {&TDataModule1::TBAnschlTyp, "Interfaces.cds", "ID", &TDataModule1::DtsAnschlMass,
     "AnschlusstypID"},
    {&TDataModule1::TBFussnote, "Fussnoten.cds", "ID", nullptr, ""},
    {&TDataModule1::TBZerti, "Zertifikate.cds", "Teilenummer;KaeltemittelID", nullptr, ""},
    {&TDataModule1::TBZertiTyp, "ZertifikatTypen.cds", "ID", &TDataModule1::DtsZerti,
     "ZertifikatsID"},
    {&TDataModule1::TBZertiTypS, "ZertifikatTypen.cds", "ID", nullptr, ""},
    {&TDataModule1::TBLegenden, "Legenden.cds", "ID", nullptr, ""},
    {&TDataModule1::TBTextRes, "TextResources.cds", "ID;TypeID", nullptr, ""},
    {&TDataModule1::TBTextResTypes, "TextResourcesTypes.cds", "ID", &TDataModule1::DtsTBTextRes,
     "TypeID"},
};

// The cursors the rating needs, opened at creation in this order.
Cursor TDataModule1::*const kStartCursors[] = {
    &TDataModule1::TBArtikel,      &TDataModule1::TBLeistung, &TDataModule1::TBMotorArtikel,
    &TDataModule1::TBMotoren,      &TDataModule1::TBLukos,    &TDataModule1::TBLukoArtikel,
    &TDataModule1::TBLukoLeistung, &TDataModule1::TBKMittelS,
};

DataSource TDataModule1::*const kDataSources[] = {
    &TDataModule1::DtsTBArtikel, &TDataModule1::DtsTBGruppen,  &TDataModule1::DtsMotorArt,
    &TDataModule1::DtsLukoArt,   &TDataModule1::DtsLukoLstg,   &TDataModule1::DtsLeistung,
    &TDataModule1::DtsTechWerte, &TDataModule1::DtsTechBeschr, &TDataModule1::DtsTechGr,
    &TDataModule1::DtsLieferumf, &TDataModule1::DtsZubehoer,   &TDataModule1::DtsAnschlMass,
    &TDataModule1::DtsZerti,     &TDataModule1::DtsTBTextRes,  &TDataModule1::DtsSTBArtikel,
};

} // namespace

TDataModule1::TDataModule1(const QString& programDirectory) : programDirectory_(programDirectory) {
    setUpCursors();
    openStartCursors();
}

TDataModule1::TDataModule1(const QString& programDirectory, OhneStartCursor)
    : programDirectory_(programDirectory) {
    setUpCursors();
}

TDataModule1::~TDataModule1() = default;

void TDataModule1::setUpCursors() {
    const QString daten = pfad(programDirectory_, QStringLiteral("Daten"));
    for (const CursorSetup& setup : kSetup) {
        Cursor& c = this->*setup.cursor;
        c.setFileName(findeDatei(daten, QString::fromLatin1(setup.file)));
        c.setIndexFieldNames(QString::fromLatin1(setup.index));
        if (setup.master)
            c.setMasterSource(&(this->*setup.master));
        c.setMasterFields(QString::fromLatin1(setup.masterFields));
    }
    // Stored with the cursor but not switched on.
    TBArtikel.setFilter(QStringLiteral("Basisartikel <> ''"));
    TBArtikel.addCalculatedField(
        QStringLiteral("nGrmin"), FieldType::Int32,
        [this](const Cursor& c) { return Value(drehzahlGrenzen(c, TBKMittelS).min); });
    TBArtikel.addCalculatedField(
        QStringLiteral("nGrmax"), FieldType::Int32,
        [this](const Cursor& c) { return Value(drehzahlGrenzen(c, TBKMittelS).max); });
    STBArtikel.addCalculatedField(QStringLiteral("BasisID"), FieldType::Int32,
                                  [](const Cursor& c) { return Value(basisId(c)); });
}

void TDataModule1::openStartCursors() {
    // One message for all tables that cannot be opened, so that a missing Daten
    // folder does not stop the start with eight boxes.
    QStringList fehler;
    openErrors_.clear();
    for (Cursor TDataModule1::*member : kStartCursors) {
        Cursor& c = this->*member;
        c.close();
        try {
            c.open();
        } catch (const DbError& e) {
            fehler << e.message();
            openErrors_.push_back(e);
        }
    }
    if (!fehler.isEmpty())
        report(fehler.join(QLatin1Char('\n')), QStringLiteral("Fehler"), MessageKind::Error);
}

void TDataModule1::closeAll() {
    for (const CursorSetup& setup : kSetup)
        (this->*setup.cursor).close();
    cache_.clear();
    lukoTabelle_ = {};
}

Cursor* TDataModule1::cursor(QStringView name) {
    for (const CursorSetup& setup : kSetup) {
        Cursor& c = this->*setup.cursor;
        if (c.name().compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

DataSource* TDataModule1::dataSource(QStringView name) {
    for (DataSource TDataModule1::*member : kDataSources) {
        DataSource& d = this->*member;
        if (d.name().compare(name, Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

TDataModule1* dataModule() {
    return instance().get();
}

TDataModule1& createDataModule(const QString& programDirectory) {
    instance().reset();
    instance() = std::make_unique<TDataModule1>(programDirectory);
    return *instance();
}

void destroyDataModule() {
    instance().reset();
}

} // namespace drel::db
