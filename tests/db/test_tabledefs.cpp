#include "db/tabledefs.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace drel::db;

namespace {

const TableDef& get(const char* name) {
    const TableDef* def = tabelle(QString::fromLatin1(name));
    if (!def)
        throw std::runtime_error(std::string("no table ") + name);
    return *def;
}

struct Expected {
    int pos;
    const char* name;
    FieldType type;
    int size;
};

void expectFields(const char* table, std::initializer_list<Expected> expected) {
    const TableDef& def = get(table);
    for (const Expected& e : expected) {
        SCOPED_TRACE(std::string(table) + " pos " + std::to_string(e.pos));
        ASSERT_LT(e.pos, static_cast<int>(def.fields.size()));
        const FieldDef& f = def.fields[static_cast<size_t>(e.pos)];
        EXPECT_EQ(f.name, QString::fromLatin1(e.name)); // exact spelling, case included
        EXPECT_EQ(f.type, e.type);
        EXPECT_EQ(f.size, e.size);
    }
}

constexpr auto I = FieldType::Int32;
constexpr auto D = FieldType::Float64;
constexpr auto W = FieldType::WStr;
constexpr auto L = FieldType::LongText;
constexpr auto B = FieldType::Bool;
constexpr auto T = FieldType::Timestamp;

} // namespace

TEST(TableDefs, TwentyFourTablesWithFieldCounts) {
    const std::vector<std::pair<const char*, int>> counts{{"Articles", 36},
                                                          {"ProductGroups", 41},
                                                          {"CapacityData", 111},
                                                          {"Motors", 12},
                                                          {"MotorArticle", 2},
                                                          {"AirCooledCondensers", 2},
                                                          {"AirCooledCondenserArticle", 2},
                                                          {"AirCooledCondenserRefrigerant", 7},
                                                          {"Refrigerants", 12},
                                                          {"TechnDescr", 25},
                                                          {"TechnValue", 15},
                                                          {"TechnGroups", 12},
                                                          {"ShipmentVolumes", 3},
                                                          {"ShipmentTexts", 13},
                                                          {"Accessories", 3},
                                                          {"AccTexts", 13},
                                                          {"Interfaces", 34},
                                                          {"InterfVals", 5},
                                                          {"Fussnoten", 12},
                                                          {"Zertifikate", 4},
                                                          {"ZertifikatTypen", 35},
                                                          {"Legenden", 13},
                                                          {"TextResources", 13},
                                                          {"TextResourcesTypes", 3}};
    EXPECT_EQ(produktTabellen().size(), 24u);
    for (const auto& [name, count] : counts) {
        SCOPED_TRACE(name);
        const TableDef& def = get(name);
        EXPECT_EQ(static_cast<int>(def.fields.size()), count);
        EXPECT_EQ(def.fileName, QString::fromLatin1(name) + ".cds");
    }
}

TEST(TableDefs, LookupByNameOrFileNameIgnoresCase) {
    EXPECT_EQ(tabelle(u"articles.CDS"), tabelle(u"Articles"));
    EXPECT_NE(tabelle(u"TECHNVALUE"), nullptr);
    EXPECT_EQ(tabelle(u"Artikel"), nullptr);
    EXPECT_EQ(tabelle(u""), nullptr);
}

TEST(TableDefs, FieldNamesUniqueAndIndexFieldsExist) {
    for (const TableDef& def : produktTabellen()) {
        SCOPED_TRACE(def.name.toStdString());
        QSet<QString> seen;
        for (const FieldDef& f : def.fields) {
            EXPECT_FALSE(seen.contains(f.name.toLower())) << f.name.toStdString();
            seen.insert(f.name.toLower());
            const bool text = f.type == FieldType::WStr || f.type == FieldType::LongText;
            EXPECT_EQ(text, f.size > 0) << f.name.toStdString();
        }
        if (def.index) {
            for (const QString& field : def.index->fields)
                EXPECT_GE(def.fieldIndex(field), 0) << field.toStdString();
        }
    }
}

TEST(TableDefs, StoredIndexes) {
    EXPECT_EQ(get("MotorArticle").index->name, "MotorIDArtikelID");
    EXPECT_EQ(get("MotorArticle").index->fields, QStringList({"MotorID", "ArtikelID"}));
    EXPECT_EQ(get("TechnDescr").index->fields, QStringList({"GruppenID", "ID"}));
    EXPECT_EQ(get("ShipmentTexts").index->fields, QStringList({"ID", "Reihenfolge"}));
    EXPECT_EQ(get("AirCooledCondenserArticle").index->name, "ID");
    for (const char* none :
         {"Zertifikate", "ZertifikatTypen", "Legenden", "TextResources", "TextResourcesTypes"})
        EXPECT_FALSE(get(none).index.has_value()) << none;
}

TEST(TableDefs, ArticlesLayout) {
    expectFields("Articles", {{0, "ID", I, 0},
                              {1, "Teilenummer", W, 5},
                              {5, "ZuletztGeaendertAm", T, 0},
                              {7, "Aktiv", B, 0},
                              {10, "Bezeichnung2De", W, 50},
                              {16, "MaximaleAntriebsleistung", D, 0},
                              {25, "GhostPointer", I, 0},
                              {26, "Bezeichnung2It", W, 50},
                              {30, "Bezeichnung2Cn", W, 50},
                              {31, "UseBaseArticleWukData", B, 0},
                              {32, "Bezeichnung2pl", W, 50},
                              {35, "Bezeichnung2Ko", W, 50}});
}

TEST(TableDefs, ProductGroupsAndCapacityLayout) {
    expectFields("ProductGroups", {{11, "BeschreibungKurzFr", L, 2000},
                                   {12, "BeschreibungLangEn", L, 2000},
                                   {20, "AngezeigterNameIt", W, 50},
                                   {29, "BeschreibungKurzCn", L, 2000},
                                   {35, "AngezeigterNamePl", W, 50},
                                   {37, "BeschreibungLangPl", L, 2000},
                                   {40, "BeschreibungLangKo", L, 2000}});
    expectFields("CapacityData", {{3, "KoordBlau1to", D, 0},
                                  {4, "KoordBlau1tc", D, 0},
                                  {22, "KoordBlau10tc", D, 0},
                                  {23, "KoordStrich1to", D, 0},
                                  {62, "KoordRot10tc", D, 0},
                                  {63, "Kaelteleistung1", D, 0},
                                  {82, "Antriebsleistung10", D, 0},
                                  {84, "SauggasFlag", B, 0},
                                  {85, "Norm", W, 20},
                                  {89, "InformationText2_En", L, 2000},
                                  {92, "InformationText1_It", L, 2000},
                                  {101, "InformationText2_Cn", L, 2000},
                                  {103, "InformationText2_Pl", L, 2000},
                                  {106, "LegendTextID3", I, 0},
                                  {110, "InformationText2_Ko", L, 2000}});
}

TEST(TableDefs, TechnicalAndTextTablesLayout) {
    expectFields("TechnDescr", {{4, "BezeichnungFr", W, 75},
                                {9, "FormelEn", W, 50},
                                {16, "FormelCn", W, 50},
                                {17, "BezeichnungIt", W, 50},
                                {22, "BezeichnungPl", W, 75},
                                {23, "FormelKo", W, 50}});
    expectFields("TechnValue",
                 {{1, "Teilenummer", I, 0}, {6, "Aktiv", B, 0}, {13, "WertPl", W, 50}});
    expectFields("ShipmentTexts",
                 {{5, "Anzeigen", B, 0}, {6, "TextIt", L, 2000}, {12, "TextKo", L, 2000}});
    expectFields("Interfaces", {{8, "Einheit2En", W, 50},
                                {12, "Aktiv", B, 0},
                                {18, "Einheit1It", W, 50},
                                {29, "Einheit1Pl", W, 50},
                                {33, "Einheit2Ko", W, 50}});
    expectFields("Fussnoten", {{11, "TextKo", W, 600}});
    expectFields("Motors", {{2, "Spannung", W, 40}, {10, "ElektrStrom4", D, 0}});
    expectFields("Refrigerants", {{11, "Name10", W, 50}});
}

TEST(TableDefs, OddlySpelledSuffixes) {
    expectFields("ZertifikatTypen", {{1, "Titel", W, 100},
                                     {2, "TitelDe", W, 100},
                                     {3, "TitelEn", W, 100},
                                     {11, "Beschreibung", W, 2000},
                                     {12, "BeschreibungDe", W, 2000},
                                     {20, "AnzeigeName", W, 50},
                                     {28, "AnzeigeNamePl", W, 50},
                                     {29, "Reihenfolge", W, 50},
                                     {34, "AnzeigeNameKo", W, 50}});
    expectFields("Legenden", {{1, "Wert", W, 200},
                              {2, "Wert_De", W, 200},
                              {5, "Wert_FR", W, 200},
                              {12, "Wert_Ko", W, 200}});
    expectFields("TextResources", {{3, "Text_De", W, 2000},
                                   {10, "Text_Pl", W, 2000},
                                   {11, "Text", W, 2000},
                                   {12, "Text_Ko", W, 2000}});
}
