#include "tools/genexports/genexports.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <functional>

namespace drel::tools {
namespace {

const char* const kSprachen[] = {"", "_de", "_fr", "_it", "_es", "_pt", "_ru", "_cn", "_pl", "_ko"};

// Writes one export: the root, the schema child and `anzahl` records.
bool schreiben(const QString& pfad, int anzahl,
               const std::function<void(QTextStream&, int)>& satz) {
    QFile file(pfad);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" standalone=\"yes\"?>\n<NewDataSet>\n"
        << "  <xs:schema id=\"NewDataSet\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"/>\n";
    for (int i = 0; i < anzahl; ++i) {
        out << "  <Table>\n";
        satz(out, i);
        out << "  </Table>\n";
    }
    out << "</NewDataSet>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

void element(QTextStream& out, const QString& name, const QString& wert) {
    out << "    <" << name << '>' << wert << "</" << name << ">\n";
}

void sprachen(QTextStream& out, const char* stamm, const QString& wert) {
    for (const char* s : kSprachen)
        element(out, QLatin1String(stamm) + QLatin1String(s), wert + QLatin1String(s));
}

const int kGruppen[] = {25, 26, 45, 30, 56, 57, 24, 29, 51, 23, 31, 33};

void artikel(QTextStream& out, int i) {
    element(out, "ID", QString::number(i + 1));
    element(out, "PartNumber", QString::number(10000 + i % 90000));
    element(out, "ProductGroupID", QString::number(kGruppen[i % 12]));
    element(out, "BaseArticleID", i % 5 == 0 ? QString::number(i) : QString());
    element(out, "LastModifiedBy", "generator");
    element(out, "LastModifiedAt", "2024-03-01T10:15:30");
    element(out, "IsVisibleWuk", "true");
    element(out, "Description1", QStringLiteral("Q%1 Typ %2").arg(i % 97).arg(i));
    sprachen(out, "Description2", QStringLiteral("Verdichter %1").arg(i));
    element(out, "WebImageLargeFilename", QStringLiteral("bild%1.jpg").arg(i % 50));
    element(out, "MaximumDrivingPower", QString::number(1.5 + i % 40, 'f', 2));
    element(out, "Size", QStringLiteral("%1 L").arg(2 + i % 30));
    element(out, "NominalMotorPowerKW", QString::number(0.75 * (1 + i % 20), 'f', 3));
    element(out, "StrokeVolume", QString::number(5.5 + i % 300, 'f', 2));
    element(out, "SpeedOfRotationMin", "700");
    element(out, "SpeedOfRotationMax", "1800");
    element(out, "GhostPointerToArticleID", "0");
    element(out, "UseBaseArticleWukData", "false");
    element(out, "StrokeVolumeCCM", QString::number(100 + i % 900));
}

void leistung(QTextStream& out, int i, int artikelAnzahl) {
    element(out, "ID", QString::number(i + 1));
    element(out, "ArticleID", QString::number(i % artikelAnzahl + 1));
    element(out, "WukRefrigerantID", QString::number(i / artikelAnzahl % 8 + 1));
    for (const char* stamm : {"ApplicationLimit_", "ApplicationLimit1_", "ApplicationLimit2_"}) {
        for (int k = 1; k <= 10; ++k) {
            const QString kk = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
            element(out, QLatin1String(stamm) + kk + "_t0", QString::number(-40 + 4 * k));
            element(out, QLatin1String(stamm) + kk + "_tc", QString::number(20 + 3 * k));
        }
    }
    for (int k = 1; k <= 10; ++k) {
        const QString kk = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        element(out, "RefrigeratingCapacity_" + kk, QString::number(1234.5678 / k, 'g', 12));
        element(out, "DrivePower_" + kk, QString::number(-0.0123456 * k, 'g', 12));
    }
    element(out, "SuctionGasValue", "20");
    element(out, "SuctionGasFlag", i % 2 ? "true" : "false");
    element(out, "Norm", "EN 12900");
    sprachen(out, "InformationText1", "Hinweis");
}

void technischerWert(QTextStream& out, int i, int artikelAnzahl) {
    element(out, "ID", QString::number(i + 1));
    element(out, "ArticleID", QString::number(i % artikelAnzahl + 1));
    element(out, "TechnicalDataDescriptionID", QString::number(i / artikelAnzahl + 1));
    sprachen(out, "Value", QString::number(i % 1000));
    element(out, "IsForDisplay", "true");
    element(out, "FootnoteID", "0");
}

void einfach(QTextStream& out, int i) {
    element(out, "ID", QString::number(i + 1));
    element(out, "Name", QStringLiteral("N%1").arg(i));
    element(out, "ArticleID", QString::number(i + 1));
    sprachen(out, "Title", QStringLiteral("Titel %1").arg(i));
    sprachen(out, "Text", QStringLiteral("Text %1").arg(i));
    element(out, "OrderPosition", QString::number(i));
}

} // namespace

bool exportsErzeugen(const QString& datenVerzeichnis, const ExportUmfang& umfang) {
    if (!QDir().mkpath(datenVerzeichnis))
        return false;
    const int artikelAnzahl = std::max(1, umfang.artikel);
    auto pfad = [&](const char* name) { return datenVerzeichnis + '/' + QLatin1String(name); };
    bool ok = schreiben(pfad("Articles.xml"), umfang.artikel, artikel);
    ok = ok && schreiben(pfad("WukCapacityData.xml"), umfang.leistungen,
                         [&](QTextStream& o, int i) { leistung(o, i, artikelAnzahl); });
    ok = ok && schreiben(pfad("TechnicalDataValues.xml"), umfang.technischeWerte,
                         [&](QTextStream& o, int i) { technischerWert(o, i, artikelAnzahl); });
    for (const char* name : {"ProductGroups.xml",
                             "WukMotors.xml",
                             "WukMotorsArticles.xml",
                             "WukAirCooledCondensers.xml",
                             "WukAirCooledCondensersArticles.xml",
                             "WukAirCooledCondensersRefrigerants.xml",
                             "WukRefrigerants.xml",
                             "TechnicalDataDescriptions.xml",
                             "TechnicalDataGroups.xml",
                             "ShipmentVolumes.xml",
                             "ShipmentVolumeTextBlocks.xml",
                             "Accessories.xml",
                             "AccessoryTextBlocks.xml",
                             "InterfaceTypes.xml",
                             "InterfaceValues.xml",
                             "FootnoteTextBlocks.xml",
                             "Certifications.xml",
                             "CertificationTypes.xml",
                             "LegendText.xml",
                             "TextResources.xml",
                             "TextResourcesTypes.xml"})
        ok = ok && schreiben(pfad(name), 50, einfach);
    return ok;
}

} // namespace drel::tools
