#include "db/tabledefs.h"
#include "dbbuild/zuordnung.h"

#include <gtest/gtest.h>

using namespace drel::db;
using namespace drel::dbbuild;

namespace {

const BauSchritt& schritt(const std::vector<BauSchritt>& schritte, const char* datei) {
    for (const BauSchritt& s : schritte) {
        if (s.tabellenDatei == QLatin1String(datei))
            return s;
    }
    throw std::runtime_error(std::string("no step ") + datei);
}

QString element(const BauSchritt& s, const char* feld) {
    for (const ZuordnungEintrag& e : s.zuordnung) {
        if (e.feld == QLatin1String(feld))
            return e.element;
    }
    return QStringLiteral("<none>");
}

} // namespace

TEST(Zuordnung, StepsFollowTheTableDefinitions) {
    const auto schritte = dbZuordnungErstellen();
    ASSERT_EQ(schritte.size(), 24u);
    const auto& tabellen = produktTabellen();
    for (size_t i = 0; i < schritte.size(); ++i) {
        const BauSchritt& s = schritte[i];
        const TableDef& def = tabellen[i];
        SCOPED_TRACE(def.name.toStdString());
        EXPECT_EQ(s.tabellenDatei, def.fileName);
        ASSERT_EQ(s.definition.fields.size(), def.fields.size());
        for (size_t f = 0; f < def.fields.size(); ++f) {
            EXPECT_EQ(s.definition.fields[f].name, def.fields[f].name);
            EXPECT_EQ(s.definition.fields[f].type, def.fields[f].type);
            EXPECT_EQ(s.definition.fields[f].size, def.fields[f].size);
            EXPECT_FALSE(s.zuordnung[f].element.isEmpty());
        }
        EXPECT_EQ(s.definition.index.has_value(), def.index.has_value());
        if (def.index) {
            EXPECT_EQ(s.definition.index->fields, def.index->fields);
        }
    }
    EXPECT_EQ(schritte[2].xmlDatei, "WukCapacityData.xml");
    EXPECT_EQ(schritte[13].xmlDatei, "ShipmentVolumeTextBlocks.xml");
    EXPECT_EQ(schritte[23].xmlDatei, "TextResourcesTypes.xml");
}

TEST(Zuordnung, TypeCodes) {
    const auto schritte = dbZuordnungErstellen();
    const BauSchritt& zert = schritt(schritte, "ZertifikatTypen.cds");
    // wstr(2000) is a plain text (code 1); only long text is code 4.
    EXPECT_EQ(zert.zuordnung[11].typCode, kTypText);
    EXPECT_EQ(zert.zuordnung[11].groesse, 2000);
    const BauSchritt& art = schritt(schritte, "Articles.cds");
    EXPECT_EQ(art.zuordnung[0].typCode, kTypInt);
    EXPECT_EQ(art.zuordnung[5].typCode, kTypZeitpunkt);
    EXPECT_EQ(art.zuordnung[7].typCode, kTypBool);
    EXPECT_EQ(art.zuordnung[16].typCode, kTypFloat);
    EXPECT_EQ(schritt(schritte, "ProductGroups.cds").zuordnung[9].typCode, kTypLangText);
}

TEST(Zuordnung, ElementNamesAndLanguageSuffixes) {
    const auto schritte = dbZuordnungErstellen();
    const BauSchritt& art = schritt(schritte, "Articles.cds");
    EXPECT_EQ(element(art, "Bezeichnung2En"), "Description2");
    EXPECT_EQ(element(art, "Bezeichnung2pl"), "Description2_pl");
    EXPECT_EQ(element(art, "Bezeichnung2Ko"), "Description2_ko");
    EXPECT_EQ(element(art, "Masszeichnung"), "WebConstructionMeasurementImageFilename2");
    EXPECT_EQ(element(art, "Baugroesse"), "Size");
    EXPECT_EQ(element(art, "BaugroesseN"), "Size");
    const BauSchritt& cap = schritt(schritte, "CapacityData.cds");
    EXPECT_EQ(element(cap, "KoordBlau1to"), "ApplicationLimit_01_t0");
    EXPECT_EQ(element(cap, "KoordStrich10tc"), "ApplicationLimit1_10_tc");
    EXPECT_EQ(element(cap, "KoordRot3to"), "ApplicationLimit2_03_t0");
    EXPECT_EQ(element(cap, "Kaelteleistung10"), "RefrigeratingCapacity_10");
    EXPECT_EQ(element(cap, "InformationText1_Cn"), "InformationText1_cn");
    EXPECT_EQ(element(cap, "TextResourceID2"), "InformationText2TextResourceID");
    EXPECT_EQ(element(cap, "LegendTextID2"), "LegendTextID2");
    EXPECT_EQ(element(schritt(schritte, "Refrigerants.cds"), "Name1"), "Name01");
    EXPECT_EQ(element(schritt(schritte, "Motors.cds"), "ElektrStrom4"), "Current_04");
    EXPECT_EQ(element(schritt(schritte, "MotorArticle.cds"), "MotorID"), "WUKMotorID");
    const BauSchritt& zert = schritt(schritte, "ZertifikatTypen.cds");
    EXPECT_EQ(element(zert, "Titel"), "Title");
    EXPECT_EQ(element(zert, "TitelEn"), "Title_en");
    EXPECT_EQ(element(zert, "TitelDe"), "Title_de");
    EXPECT_EQ(element(zert, "Beschreibung"), "Description");
    EXPECT_EQ(element(zert, "AnzeigeNameKo"), "DisplayName_ko");
    const BauSchritt& leg = schritt(schritte, "Legenden.cds");
    EXPECT_EQ(element(leg, "Wert"), "Value");
    EXPECT_EQ(element(leg, "Wert_FR"), "Value_fr");
    EXPECT_EQ(element(leg, "OrderPos"), "OrderPosition");
    EXPECT_EQ(element(schritt(schritte, "TextResources.cds"), "Text_De"), "Text_De");
    EXPECT_EQ(element(schritt(schritte, "TechnValue.cds"), "Aktiv"), "IsForDisplay");
    EXPECT_EQ(element(schritt(schritte, "Interfaces.cds"), "Einheit2Pl"), "Unit2_pl");
}

TEST(Zuordnung, RewritesSitOnTheirEntries) {
    const auto schritte = dbZuordnungErstellen();
    const BauSchritt& art = schritt(schritte, "Articles.cds");
    EXPECT_EQ(art.zuordnung[2].umschreibung, Umschreibung::Produktgruppe);
    EXPECT_EQ(art.zuordnung[8].umschreibung, Umschreibung::Bezeichnung1);
    EXPECT_EQ(art.zuordnung[17].umschreibung, Umschreibung::BaugroesseNH3);
    EXPECT_EQ(art.zuordnung[24].umschreibung, Umschreibung::ErsteZiffernfolge);
    EXPECT_EQ(schritt(schritte, "Motors.cds").zuordnung[2].umschreibung,
              Umschreibung::SpannungSternZuY);
    int andere = 0;
    for (const BauSchritt& s : schritte) {
        for (const ZuordnungEintrag& e : s.zuordnung)
            andere += e.umschreibung != Umschreibung::Keine;
    }
    EXPECT_EQ(andere, 5);
}
