#include "dbbuild/zuordnung.h"

#include "db/tabledefs.h"

#include <QHash>
#include <array>
#include <stdexcept>

namespace drel::dbbuild {
namespace {

using Suffixe = std::array<const char*, 10>;

// Languages in the order English, German, French, Italian, Spanish, Portuguese,
// Russian, Chinese, Polish, Korean.
constexpr Suffixe kXmlSuffixe{"", "_de", "_fr", "_it", "_es", "_pt", "_ru", "_cn", "_pl", "_ko"};
// How the field names of a family spell the language.
constexpr Suffixe kFeldStandard{"En", "De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl", "Ko"};
constexpr Suffixe kFeldKleinPl{"En", "De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "pl", "Ko"};
constexpr Suffixe kFeldUnterstrich{"_En", "_De", "_Fr", "_It", "_Es",
                                   "_Pt", "_Ru", "_Cn", "_Pl", "_Ko"};
constexpr Suffixe kFeldOhneEnglisch{"", "De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl", "Ko"};
constexpr Suffixe kFeldLegende{"", "_De", "_FR", "_It", "_Es", "_Pt", "_Ru", "_Cn", "_Pl", "_Ko"};

// Field name -> XML element name of one table.
class Elemente {
public:
    Elemente& feld(const char* feldName, const char* element) {
        map_.insert(QString::fromLatin1(feldName), QString::fromLatin1(element));
        return *this;
    }
    Elemente& gleich(std::initializer_list<const char*> namen) {
        for (const char* name : namen)
            feld(name, name);
        return *this;
    }
    Elemente& familie(const char* stamm, const Suffixe& feldSuffixe, const char* elementStamm) {
        for (size_t i = 0; i < feldSuffixe.size(); ++i)
            map_.insert(QLatin1String(stamm) + QLatin1String(feldSuffixe[i]),
                        QLatin1String(elementStamm) + QLatin1String(kXmlSuffixe[i]));
        return *this;
    }
    // stem<k> <- element<kk>, k = 1..count, kk with two digits.
    Elemente& nummeriert(const char* stamm, const char* feldEnde, const char* elementStamm,
                         const char* elementEnde, int anzahl) {
        for (int k = 1; k <= anzahl; ++k)
            map_.insert(QLatin1String(stamm) + QString::number(k) + QLatin1String(feldEnde),
                        QLatin1String(elementStamm) +
                            QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0')) +
                            QLatin1String(elementEnde));
        return *this;
    }
    QString element(const QString& feldName) const { return map_.value(feldName); }

private:
    QHash<QString, QString> map_;
};

Elemente articles() {
    Elemente e;
    e.gleich({"ID", "UseBaseArticleWukData"})
        .feld("Teilenummer", "PartNumber")
        .feld("Produktgruppe", "ProductGroupID")
        .feld("Basisartikel", "BaseArticleID")
        .feld("ZuletztGeaendertVon", "LastModifiedBy")
        .feld("ZuletztGeaendertAm", "LastModifiedAt")
        .feld("ZuletztImportiertAm", "LastImportedAt")
        .feld("Aktiv", "IsVisibleWuk")
        .feld("Bezeichnung1", "Description1")
        .familie("Bezeichnung2", kFeldKleinPl, "Description2")
        .feld("Bild", "WebImageLargeFilename")
        .feld("Masszeichnung", "WebConstructionMeasurementImageFilename2")
        .feld("Produktzeichnung", "WebConstructionProductImageFilename2")
        .feld("Explosionszeichnung", "WebConstructionExplosionImageFilename2")
        .feld("MaximaleAntriebsleistung", "MaximumDrivingPower")
        .feld("Baugroesse", "Size")
        .feld("NominalleistungMotorPS", "NominalMotorPowerPS")
        .feld("NominalleistungMotorKW", "NominalMotorPowerKW")
        .feld("Hubvolumen", "StrokeVolume")
        .feld("Vorgaengertyp", "PredecessorType")
        .feld("MinUmdreh", "SpeedOfRotationMin")
        .feld("MaxUmdreh", "SpeedOfRotationMax")
        .feld("BaugroesseN", "Size")
        .feld("GhostPointer", "GhostPointerToArticleID")
        .feld("HubraumCCM", "StrokeVolumeCCM")
        .feld("TextResourceID", "ProposalTextTextResourceID");
    return e;
}

Elemente productGroups() {
    Elemente e;
    e.gleich({"ID", "ParentID"})
        .feld("Bezeichnung", "Title")
        .feld("ZuletztGeaendertVon", "LastModifiedBy")
        .feld("ZuletztGeaendertAm", "LastModifiedAt")
        .feld("ZuletztImportiertAm", "LastImportedAt")
        .familie("AngezeigterName", kFeldStandard, "DisplayName")
        .familie("BeschreibungKurz", kFeldStandard, "DescriptionShort")
        .familie("BeschreibungLang", kFeldStandard, "DescriptionLong")
        .feld("Reihenfolge", "OrderPosition")
        .feld("KleinesBild", "ImageSmallFilename")
        .feld("GrossesBild", "ImageLargeFilename")
        .feld("Aktiv", "IsVisibleWUK")
        .feld("Typ", "ArticleType");
    return e;
}

Elemente capacityData() {
    Elemente e;
    e.gleich({"ID", "Norm", "LegendTextID1", "LegendTextID2", "LegendTextID3"})
        .feld("ArtikelID", "ArticleID")
        .feld("KaeltemittelID", "WukRefrigerantID")
        .nummeriert("KoordBlau", "to", "ApplicationLimit_", "_t0", 10)
        .nummeriert("KoordBlau", "tc", "ApplicationLimit_", "_tc", 10)
        .nummeriert("KoordStrich", "to", "ApplicationLimit1_", "_t0", 10)
        .nummeriert("KoordStrich", "tc", "ApplicationLimit1_", "_tc", 10)
        .nummeriert("KoordRot", "to", "ApplicationLimit2_", "_t0", 10)
        .nummeriert("KoordRot", "tc", "ApplicationLimit2_", "_tc", 10)
        .nummeriert("Kaelteleistung", "", "RefrigeratingCapacity_", "", 10)
        .nummeriert("Antriebsleistung", "", "DrivePower_", "", 10)
        .feld("Sauggaswert", "SuctionGasValue")
        .feld("SauggasFlag", "SuctionGasFlag")
        .familie("InformationText1", kFeldUnterstrich, "InformationText1")
        .familie("InformationText2", kFeldUnterstrich, "InformationText2")
        .feld("TextResourceID1", "InformationText1TextResourceID")
        .feld("TextResourceID2", "InformationText2TextResourceID");
    return e;
}

Elemente motors() {
    Elemente e;
    e.gleich({"ID", "Name", "MotorPower"})
        .feld("Spannung", "Voltage")
        .feld("BlockierterRotrstromWicklung1", "BlockedRotorCurrentWinding1")
        .feld("BlockierterRotrstromWicklung1u2", "BlockedRotorCurrentWinding12")
        .feld("BlockierterRotrstromStern", "BlockedRotorCurrentStar")
        .feld("BlockierterRotrstromDreieck", "BlockedRotorCurrentDelta")
        .nummeriert("ElektrStrom", "", "Current_", "", 4);
    return e;
}

Elemente condenserRefrigerant() {
    Elemente e;
    e.gleich({"ID"})
        .feld("LuftkondensatorID", "WukAirCooledCondenserID")
        .feld("KaeltemittelID", "WukRefrigerantID")
        .nummeriert("KondensLeistung", "", "CondenserCapacity_", "", 4);
    return e;
}

Elemente refrigerants() {
    Elemente e;
    e.gleich({"ID", "Ashrae"}).nummeriert("Name", "", "Name", "", 10);
    return e;
}

Elemente techDescr() {
    Elemente e;
    e.gleich({"ID"})
        .feld("GruppenID", "TechnicalDataGroupID")
        .familie("Bezeichnung", kFeldStandard, "Title")
        .familie("Formel", kFeldStandard, "Formula")
        .feld("Einheit", "Unit")
        .feld("Aktiv", "IsVisibleWUK")
        .feld("Reihenfolge", "OrderPosition")
        .feld("Typ", "Type");
    return e;
}

Elemente techValue() {
    Elemente e;
    e.gleich({"ID"})
        .feld("Teilenummer", "ArticleID")
        .feld("BeschreibungID", "TechnicalDataDescriptionID")
        .familie("Wert", kFeldStandard, "Value")
        .feld("Aktiv", "IsForDisplay")
        .feld("FussnoteID", "FootnoteID");
    return e;
}

Elemente techGroups() {
    Elemente e;
    e.gleich({"ID"})
        .familie("Bezeichnung", kFeldStandard, "Title")
        .feld("Reihenfolge", "OrderPosition");
    return e;
}

Elemente articleTexts(const char* textElement) {
    Elemente e;
    e.gleich({"ID"}).feld("Teilenummer", "ArticleID").feld("TextID", textElement);
    return e;
}

Elemente textBlocks() {
    Elemente e;
    e.gleich({"ID"})
        .feld("Reihenfolge", "OrderPosition")
        .familie("Text", kFeldStandard, "Text")
        .feld("Anzeigen", "IsVisibleWUK");
    return e;
}

Elemente interfaces() {
    Elemente e;
    e.gleich({"ID"})
        .feld("Abkuerzung", "Shortcut")
        .familie("Bezeichnung", kFeldStandard, "Title")
        .familie("Einheit1", kFeldStandard, "Unit1")
        .familie("Einheit2", kFeldStandard, "Unit2")
        .feld("Reihenfolge", "OrderPosition")
        .feld("Aktiv", "IsVisibleWUK");
    return e;
}

Elemente interfaceValues() {
    Elemente e;
    e.gleich({"ID"})
        .feld("Teilenummer", "ArticleID")
        .feld("AnschlusstypID", "InterfaceTypeID")
        .feld("Mass1", "Value1")
        .feld("Mass2", "Value2");
    return e;
}

Elemente footnotes() {
    Elemente e;
    e.gleich({"ID"}).feld("Typ", "Type").familie("Text", kFeldStandard, "Text");
    return e;
}

Elemente certificates() {
    Elemente e;
    e.gleich({"ID"})
        .feld("KaeltemittelID", "RefrigerantID")
        .feld("Teilenummer", "ArticleID")
        .feld("ZertifikatsID", "CertificationID");
    return e;
}

Elemente certificateTypes() {
    Elemente e;
    e.gleich({"ID"})
        .familie("Titel", kFeldOhneEnglisch, "Title")
        .feld("TitelEn", "Title_en")
        .familie("Beschreibung", kFeldOhneEnglisch, "Description")
        .familie("AnzeigeName", kFeldOhneEnglisch, "DisplayName")
        .feld("Reihenfolge", "OrderPosition")
        .feld("BildName", "ImageFilename")
        .feld("Abkuerzung", "Shortcut");
    return e;
}

Elemente legends() {
    Elemente e;
    e.gleich({"ID"})
        .familie("Wert", kFeldLegende, "Value")
        .feld("OrderPos", "OrderPosition")
        .feld("Abkuerzung", "Shortcut");
    return e;
}

// Every field from the element of the same name.
Elemente sameNames(const db::TableDef& def) {
    Elemente e;
    for (const db::FieldDef& f : def.fields) {
        const QByteArray name = f.name.toLatin1();
        e.feld(name.constData(), name.constData());
    }
    return e;
}

struct Quelle {
    const char* tabelle;
    const char* xmlDatei;
};

constexpr std::array<Quelle, 24> kSchritte{{
    {"Articles", "Articles.xml"},
    {"ProductGroups", "ProductGroups.xml"},
    {"CapacityData", "WukCapacityData.xml"},
    {"Motors", "WukMotors.xml"},
    {"MotorArticle", "WukMotorsArticles.xml"},
    {"AirCooledCondensers", "WukAirCooledCondensers.xml"},
    {"AirCooledCondenserArticle", "WukAirCooledCondensersArticles.xml"},
    {"AirCooledCondenserRefrigerant", "WukAirCooledCondensersRefrigerants.xml"},
    {"Refrigerants", "WukRefrigerants.xml"},
    {"TechnDescr", "TechnicalDataDescriptions.xml"},
    {"TechnValue", "TechnicalDataValues.xml"},
    {"TechnGroups", "TechnicalDataGroups.xml"},
    {"ShipmentVolumes", "ShipmentVolumes.xml"},
    {"ShipmentTexts", "ShipmentVolumeTextBlocks.xml"},
    {"Accessories", "Accessories.xml"},
    {"AccTexts", "AccessoryTextBlocks.xml"},
    {"Interfaces", "InterfaceTypes.xml"},
    {"InterfVals", "InterfaceValues.xml"},
    {"Fussnoten", "FootnoteTextBlocks.xml"},
    {"Zertifikate", "Certifications.xml"},
    {"ZertifikatTypen", "CertificationTypes.xml"},
    {"Legenden", "LegendText.xml"},
    {"TextResources", "TextResources.xml"},
    {"TextResourcesTypes", "TextResourcesTypes.xml"},
}};

Elemente elementeFuer(const db::TableDef& def) {
    const QString& n = def.name;
    if (n == u"Articles")
        return articles();
    if (n == u"ProductGroups")
        return productGroups();
    if (n == u"CapacityData")
        return capacityData();
    if (n == u"Motors")
        return motors();
    if (n == u"MotorArticle")
        return Elemente().feld("MotorID", "WUKMotorID").feld("ArtikelID", "ArticleID");
    if (n == u"AirCooledCondensers")
        return Elemente().gleich({"ID", "Name"});
    if (n == u"AirCooledCondenserArticle")
        return Elemente()
            .feld("LuftkondensatorID", "WukAirCooledCondenserID")
            .feld("ArtikelID", "ArticleID");
    if (n == u"AirCooledCondenserRefrigerant")
        return condenserRefrigerant();
    if (n == u"Refrigerants")
        return refrigerants();
    if (n == u"TechnDescr")
        return techDescr();
    if (n == u"TechnValue")
        return techValue();
    if (n == u"TechnGroups")
        return techGroups();
    if (n == u"ShipmentVolumes")
        return articleTexts("ShipmentVolumeTextBlockID");
    if (n == u"Accessories")
        return articleTexts("AccessoryTextBlockID");
    if (n == u"ShipmentTexts" || n == u"AccTexts")
        return textBlocks();
    if (n == u"Interfaces")
        return interfaces();
    if (n == u"InterfVals")
        return interfaceValues();
    if (n == u"Fussnoten")
        return footnotes();
    if (n == u"Zertifikate")
        return certificates();
    if (n == u"ZertifikatTypen")
        return certificateTypes();
    if (n == u"Legenden")
        return legends();
    return sameNames(def); // TextResources, TextResourcesTypes
}

Umschreibung umschreibungFuer(const QString& tabelle, int position) {
    if (tabelle == u"Articles") {
        switch (position) {
        case 2:
            return Umschreibung::Produktgruppe;
        case 8:
            return Umschreibung::Bezeichnung1;
        case 17:
            return Umschreibung::BaugroesseNH3;
        case 24:
            return Umschreibung::ErsteZiffernfolge;
        default:
            return Umschreibung::Keine;
        }
    }
    if (tabelle == u"Motors" && position == 2)
        return Umschreibung::SpannungSternZuY;
    return Umschreibung::Keine;
}

DBZuordnung zuordnungFuer(const db::TableDef& def) {
    const Elemente elemente = elementeFuer(def);
    DBZuordnung zuordnung;
    zuordnung.reserve(def.fields.size());
    for (size_t i = 0; i < def.fields.size(); ++i) {
        const db::FieldDef& f = def.fields[i];
        const QString element = elemente.element(f.name);
        if (element.isEmpty())
            throw std::logic_error("no XML element for " + (def.name + '.' + f.name).toStdString());
        zuordnung.push_back({f.name, typCodeFuer(f.type), f.size, element,
                             umschreibungFuer(def.name, static_cast<int>(i))});
    }
    return zuordnung;
}

} // namespace

int typCodeFuer(db::FieldType type) {
    switch (type) {
    case db::FieldType::WStr:
        return kTypText;
    case db::FieldType::Int32:
        return kTypInt;
    case db::FieldType::Float64:
        return kTypFloat;
    case db::FieldType::LongText:
        return kTypLangText;
    case db::FieldType::Timestamp:
        return kTypZeitpunkt;
    case db::FieldType::Bool:
        return kTypBool;
    }
    return kTypText;
}

db::FieldType feldTypFuer(int typCode) {
    switch (typCode) {
    case kTypInt:
        return db::FieldType::Int32;
    case kTypFloat:
        return db::FieldType::Float64;
    case kTypLangText:
        return db::FieldType::LongText;
    case kTypZeitpunkt:
        return db::FieldType::Timestamp;
    case kTypBool:
        return db::FieldType::Bool;
    default:
        return db::FieldType::WStr;
    }
}

db::TableDef definitionAusZuordnung(const QString& name, const DBZuordnung& zuordnung,
                                    const std::optional<db::IndexDef>& index) {
    db::TableDef def;
    def.name = name;
    def.fileName = name + QStringLiteral(".cds");
    def.index = index;
    for (const ZuordnungEintrag& e : zuordnung) {
        const db::FieldType type = feldTypFuer(e.typCode);
        const int size = e.typCode == kTypLangText ? db::kLongTextSize
                         : e.typCode == kTypText   ? e.groesse
                                                   : 0;
        def.fields.push_back({e.feld, type, size});
    }
    return def;
}

std::vector<BauSchritt> dbZuordnungErstellen() {
    std::vector<BauSchritt> schritte;
    schritte.reserve(kSchritte.size());
    for (const Quelle& q : kSchritte) {
        const db::TableDef* def = db::tabelle(QString::fromLatin1(q.tabelle));
        if (!def)
            throw std::logic_error(std::string("unknown table ") + q.tabelle);
        BauSchritt s;
        s.tabellenDatei = def->fileName;
        s.xmlDatei = QString::fromLatin1(q.xmlDatei);
        s.zuordnung = zuordnungFuer(*def);
        s.definition = definitionAusZuordnung(def->name, s.zuordnung, def->index);
        schritte.push_back(std::move(s));
    }
    return schritte;
}

} // namespace drel::dbbuild
