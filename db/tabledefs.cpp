#include "db/tabledefs.h"

namespace drel::db {
namespace {

using Fields = std::vector<FieldDef>;

FieldDef i32(const QString& name) {
    return {name, FieldType::Int32, 0};
}
FieldDef dbl(const QString& name) {
    return {name, FieldType::Float64, 0};
}
FieldDef bln(const QString& name) {
    return {name, FieldType::Bool, 0};
}
FieldDef tms(const QString& name) {
    return {name, FieldType::Timestamp, 0};
}
FieldDef wstr(const QString& name, int size) {
    return {name, FieldType::WStr, size};
}
FieldDef longText(const QString& name) {
    return {name, FieldType::LongText, kLongTextSize};
}

// Appends one field per suffix: stem + suffix, all of the same type and size.
void family(Fields& fields, const QString& stem, const QStringList& suffixes, FieldDef proto) {
    for (const QString& suffix : suffixes) {
        proto.name = stem + suffix;
        fields.push_back(proto);
    }
}

// Appends stem1 .. stemN (N = count).
void numbered(Fields& fields, const QString& stem, int count, FieldDef proto,
              const QString& tail = QString()) {
    for (int k = 1; k <= count; ++k) {
        proto.name = stem + QString::number(k) + tail;
        fields.push_back(proto);
    }
}

const QStringList kEnDeFr{"En", "De", "Fr"};
const QStringList kItToCn{"It", "Es", "Pt", "Ru", "Cn"};

TableDef table(const QString& name, Fields fields, std::optional<IndexDef> index) {
    return TableDef{name, name + QStringLiteral(".cds"), std::move(fields), std::move(index)};
}

IndexDef idx(const QString& name, const QString& fields) {
    return IndexDef{name, fields.split(QLatin1Char(';'))};
}

TableDef articles() {
    Fields f{i32("ID"),
             wstr("Teilenummer", 5),
             i32("Produktgruppe"),
             wstr("Basisartikel", 5),
             wstr("ZuletztGeaendertVon", 20),
             tms("ZuletztGeaendertAm"),
             tms("ZuletztImportiertAm"),
             bln("Aktiv"),
             wstr("Bezeichnung1", 50)};
    family(f, "Bezeichnung2", kEnDeFr, wstr({}, 50));
    f.insert(f.end(),
             {wstr("Bild", 100), wstr("Masszeichnung", 100), wstr("Produktzeichnung", 100),
              wstr("Explosionszeichnung", 100), dbl("MaximaleAntriebsleistung"),
              wstr("Baugroesse", 50), dbl("NominalleistungMotorPS"), dbl("NominalleistungMotorKW"),
              dbl("Hubvolumen"), wstr("Vorgaengertyp", 50), dbl("MinUmdreh"), dbl("MaxUmdreh"),
              i32("BaugroesseN"), i32("GhostPointer")});
    family(f, "Bezeichnung2", kItToCn, wstr({}, 50));
    f.insert(f.end(), {bln("UseBaseArticleWukData"), wstr("Bezeichnung2pl", 50), dbl("HubraumCCM"),
                       i32("TextResourceID"), wstr("Bezeichnung2Ko", 50)});
    return table("Articles", std::move(f), idx("ID", "ID"));
}

TableDef productGroups() {
    Fields f{i32("ID"),
             wstr("Bezeichnung", 100),
             wstr("ParentID", 50),
             wstr("ZuletztGeaendertVon", 50),
             tms("ZuletztGeaendertAm"),
             tms("ZuletztImportiertAm")};
    family(f, "AngezeigterName", kEnDeFr, wstr({}, 50));
    family(f, "BeschreibungKurz", kEnDeFr, longText({}));
    family(f, "BeschreibungLang", kEnDeFr, longText({}));
    f.insert(f.end(), {i32("Reihenfolge"), wstr("KleinesBild", 100), wstr("GrossesBild", 100),
                       bln("Aktiv"), i32("Typ")});
    family(f, "AngezeigterName", kItToCn, wstr({}, 50));
    family(f, "BeschreibungKurz", kItToCn, longText({}));
    family(f, "BeschreibungLang", kItToCn, longText({}));
    for (const QString& lang : {QStringLiteral("Pl"), QStringLiteral("Ko")}) {
        f.push_back(wstr("AngezeigterName" + lang, 50));
        f.push_back(longText("BeschreibungKurz" + lang));
        f.push_back(longText("BeschreibungLang" + lang));
    }
    return table("ProductGroups", std::move(f), idx("ID", "ID"));
}

TableDef capacityData() {
    Fields f{i32("ID"), i32("ArtikelID"), i32("KaeltemittelID")};
    for (const QString& stem :
         {QStringLiteral("KoordBlau"), QStringLiteral("KoordStrich"), QStringLiteral("KoordRot")}) {
        for (int k = 1; k <= 10; ++k) {
            f.push_back(dbl(stem + QString::number(k) + "to"));
            f.push_back(dbl(stem + QString::number(k) + "tc"));
        }
    }
    numbered(f, "Kaelteleistung", 10, dbl({}));
    numbered(f, "Antriebsleistung", 10, dbl({}));
    f.insert(f.end(), {dbl("Sauggaswert"), bln("SauggasFlag"), wstr("Norm", 20)});
    family(f, "InformationText1_", kEnDeFr, longText({}));
    family(f, "InformationText2_", kEnDeFr, longText({}));
    family(f, "InformationText1_", kItToCn, longText({}));
    family(f, "InformationText2_", kItToCn, longText({}));
    f.insert(f.end(), {longText("InformationText1_Pl"), longText("InformationText2_Pl"),
                       i32("LegendTextID1"), i32("LegendTextID2"), i32("LegendTextID3"),
                       i32("TextResourceID1"), i32("TextResourceID2"),
                       longText("InformationText1_Ko"), longText("InformationText2_Ko")});
    return table("CapacityData", std::move(f), idx("ID", "ID"));
}

TableDef motors() {
    Fields f{i32("ID"),
             wstr("Name", 20),
             wstr("Spannung", 40),
             dbl("BlockierterRotrstromWicklung1"),
             dbl("BlockierterRotrstromWicklung1u2"),
             dbl("BlockierterRotrstromStern"),
             dbl("BlockierterRotrstromDreieck")};
    numbered(f, "ElektrStrom", 4, dbl({}));
    f.push_back(dbl("MotorPower"));
    return table("Motors", std::move(f), idx("ID", "ID"));
}

TableDef techDescr() {
    Fields f{i32("ID"), i32("GruppenID")};
    family(f, "Bezeichnung", kEnDeFr, wstr({}, 75));
    f.insert(f.end(), {wstr("Einheit", 50), bln("Aktiv"), i32("Reihenfolge"), i32("Typ")});
    family(f, "Formel", kEnDeFr, wstr({}, 50));
    family(f, "Formel", kItToCn, wstr({}, 50));
    family(f, "Bezeichnung", kItToCn, wstr({}, 50));
    f.insert(f.end(), {wstr("BezeichnungPl", 75), wstr("FormelKo", 50), wstr("BezeichnungKo", 50)});
    return table("TechnDescr", std::move(f), idx("ID", "GruppenID;ID"));
}

TableDef techValue() {
    Fields f{i32("ID"), i32("Teilenummer"), i32("BeschreibungID")};
    family(f, "Wert", kEnDeFr, wstr({}, 50));
    f.insert(f.end(), {bln("Aktiv"), i32("FussnoteID")});
    family(f, "Wert", kItToCn, wstr({}, 50));
    family(f, "Wert", {"Pl", "Ko"}, wstr({}, 50));
    return table("TechnValue", std::move(f), idx("ID", "Teilenummer;BeschreibungID"));
}

TableDef techGroups() {
    Fields f{i32("ID")};
    family(f, "Bezeichnung", kEnDeFr, wstr({}, 50));
    f.push_back(i32("Reihenfolge"));
    family(f, "Bezeichnung", kItToCn, wstr({}, 50));
    family(f, "Bezeichnung", {"Pl", "Ko"}, wstr({}, 50));
    return table("TechnGroups", std::move(f), idx("ID", "ID"));
}

TableDef articleTextLinks(const QString& name) {
    return table(name, {i32("ID"), i32("Teilenummer"), i32("TextID")},
                 idx("ID", "Teilenummer;TextID"));
}

TableDef textBlocks(const QString& name) {
    Fields f{i32("ID"), i32("Reihenfolge")};
    family(f, "Text", kEnDeFr, longText({}));
    f.push_back(bln("Anzeigen"));
    family(f, "Text", kItToCn, longText({}));
    family(f, "Text", {"Pl", "Ko"}, longText({}));
    return table(name, std::move(f), idx("ID", "ID;Reihenfolge"));
}

TableDef interfaces() {
    Fields f{i32("ID"), wstr("Abkuerzung", 20)};
    const QStringList stems{"Bezeichnung", "Einheit1", "Einheit2"};
    for (const QString& stem : stems)
        family(f, stem, kEnDeFr, wstr({}, 50));
    f.insert(f.end(), {i32("Reihenfolge"), bln("Aktiv")});
    for (const QString& stem : stems)
        family(f, stem, kItToCn, wstr({}, 50));
    for (const QString& lang : {QStringLiteral("Pl"), QStringLiteral("Ko")}) {
        for (const QString& stem : stems)
            f.push_back(wstr(stem + lang, 50));
    }
    return table("Interfaces", std::move(f), idx("ID", "ID"));
}

TableDef footnotes() {
    Fields f{i32("ID"), i32("Typ")};
    family(f, "Text", kEnDeFr, wstr({}, 600));
    family(f, "Text", kItToCn, wstr({}, 600));
    family(f, "Text", {"Pl", "Ko"}, wstr({}, 600));
    return table("Fussnoten", std::move(f), idx("ID", "ID"));
}

TableDef certificateTypes() {
    Fields f{i32("ID"), wstr("Titel", 100)};
    family(f, "Titel", {"De", "En", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl"}, wstr({}, 100));
    f.push_back(wstr("Beschreibung", 2000));
    family(f, "Beschreibung", {"De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl"}, wstr({}, 2000));
    f.push_back(wstr("AnzeigeName", 50));
    family(f, "AnzeigeName", {"De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl"}, wstr({}, 50));
    f.insert(f.end(),
             {wstr("Reihenfolge", 50), wstr("BildName", 50), wstr("Abkuerzung", 50),
              wstr("TitelKo", 100), wstr("BeschreibungKo", 2000), wstr("AnzeigeNameKo", 50)});
    return table("ZertifikatTypen", std::move(f), std::nullopt);
}

TableDef legends() {
    Fields f{i32("ID"), wstr("Wert", 200), wstr("Wert_De", 200), i32("OrderPos"),
             wstr("Abkuerzung", 200)};
    family(f, "Wert_", {"FR", "It", "Es", "Pt", "Ru", "Cn", "Pl", "Ko"}, wstr({}, 200));
    return table("Legenden", std::move(f), std::nullopt);
}

TableDef textResources() {
    Fields f{i32("ID"), i32("TypeID"), wstr("Title", 200)};
    family(f, "Text_", {"De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl"}, wstr({}, 2000));
    f.push_back(wstr("Text", 2000));
    f.push_back(wstr("Text_Ko", 2000));
    return table("TextResources", std::move(f), std::nullopt);
}

std::vector<TableDef> buildAll() {
    std::vector<TableDef> t;
    t.push_back(articles());
    t.push_back(productGroups());
    t.push_back(capacityData());
    t.push_back(motors());
    t.push_back(table("MotorArticle", {i32("MotorID"), i32("ArtikelID")},
                      idx("MotorIDArtikelID", "MotorID;ArtikelID")));
    t.push_back(table("AirCooledCondensers", {i32("ID"), wstr("Name", 40)}, idx("ID", "ID")));
    t.push_back(table("AirCooledCondenserArticle", {i32("LuftkondensatorID"), i32("ArtikelID")},
                      idx("ID", "LuftkondensatorID;ArtikelID")));
    Fields condenserRefrigerant{i32("ID"), i32("LuftkondensatorID"), i32("KaeltemittelID")};
    numbered(condenserRefrigerant, "KondensLeistung", 4, dbl({}));
    t.push_back(
        table("AirCooledCondenserRefrigerant", std::move(condenserRefrigerant), idx("ID", "ID")));
    Fields refrigerants{i32("ID"), wstr("Ashrae", 50)};
    numbered(refrigerants, "Name", 10, wstr({}, 50));
    t.push_back(table("Refrigerants", std::move(refrigerants), idx("ID", "ID")));
    t.push_back(techDescr());
    t.push_back(techValue());
    t.push_back(techGroups());
    t.push_back(articleTextLinks("ShipmentVolumes"));
    t.push_back(textBlocks("ShipmentTexts"));
    t.push_back(articleTextLinks("Accessories"));
    t.push_back(textBlocks("AccTexts"));
    t.push_back(interfaces());
    t.push_back(table("InterfVals",
                      {i32("ID"), i32("Teilenummer"), i32("AnschlusstypID"), wstr("Mass1", 20),
                       wstr("Mass2", 20)},
                      idx("ID", "Teilenummer;AnschlusstypID")));
    t.push_back(footnotes());
    t.push_back(table("Zertifikate",
                      {i32("ID"), i32("KaeltemittelID"), i32("Teilenummer"), i32("ZertifikatsID")},
                      std::nullopt));
    t.push_back(certificateTypes());
    t.push_back(legends());
    t.push_back(textResources());
    t.push_back(table("TextResourcesTypes",
                      {i32("ID"), wstr("TypeName", 200), wstr("ObjectID", 200)}, std::nullopt));
    return t;
}

} // namespace

const std::vector<TableDef>& produktTabellen() {
    static const std::vector<TableDef> tables = buildAll();
    return tables;
}

const TableDef* tabelle(QStringView nameOrFileName) {
    for (const TableDef& def : produktTabellen()) {
        if (def.name.compare(nameOrFileName, Qt::CaseInsensitive) == 0 ||
            def.fileName.compare(nameOrFileName, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

} // namespace drel::db
