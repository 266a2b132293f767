// The search tests' small catalogue plus the tables of the data-sheet pages for
// QN4/200-4: technical values with footnotes, delivery and accessory texts,
// connections, pictures, certificates, a text resource and a series description.
#pragma once

#include "base/directories.h"
#include "state/sprache.h"
#include "tests/support/katalogtest.h"
#include "tests/support/suchkatalog.h"

#include <QFile>

namespace drel::sheet::testing {

using namespace drel::db;
using namespace drel::db::testing;
using namespace drel::search::testing;

inline Row seitenArtikel(qint32 id, int gruppe, const char* name, const char* basis = "0",
                         Fields mehr = {}) {
    return rowOf("Articles", merged(mehr, {{"ID", i(id)},
                                           {"Produktgruppe", i(gruppe)},
                                           {"Bezeichnung1", s(name)},
                                           {"Basisartikel", s(basis)},
                                           {"UseBaseArticleWukData", Value(false)},
                                           {"Hubvolumen", d(10.0 * id)}}));
}

// Technical values of article 1, in table order (see the tie rule of the page):
// v1 Gewicht (group 2) fn 7, v2 Hubvolumen (group 1, order 5), v3 Zylinder (1, 5)
// fn 9 (unknown), v4 Olmenge (1, 5) fn 7, v5 inactive description, v6 Ohne Wert
// (1, 3) without value, v7 an inactive value.
inline void technikSchreiben(const QString& p) {
    auto beschr = [](qint32 id, qint32 gruppe, const char* name, const char* einheit,
                     int reihenfolge, bool aktiv = true) {
        return rowOf("TechnDescr", {{"ID", i(id)},
                                    {"GruppenID", i(gruppe)},
                                    {"BezeichnungDe", s(name)},
                                    {"BezeichnungEn", s("EN")},
                                    {"Einheit", s(einheit)},
                                    {"Aktiv", Value(aktiv)},
                                    {"Reihenfolge", i(reihenfolge)}});
    };
    writeProductTable(p, "TechnDescr",
                      {beschr(101, 2, "Gewicht", "kg", 1), beschr(102, 1, "Hubvolumen", "m3/h", 5),
                       beschr(103, 1, "Zylinder", "", 5), beschr(104, 1, "Olmenge", "l", 5),
                       beschr(105, 1, "Inaktiv", "", 1, false),
                       beschr(106, 1, "Ohne Wert", "bar", 3)});
    auto wert = [](qint32 id, qint32 beschreibung, const char* wertDe, qint32 fussnote,
                   bool aktiv = true) {
        return rowOf("TechnValue", {{"ID", i(id)},
                                    {"Teilenummer", i(kQn)},
                                    {"BeschreibungID", i(beschreibung)},
                                    {"WertDe", s(wertDe)},
                                    {"Aktiv", Value(aktiv)},
                                    {"FussnoteID", i(fussnote)}});
    };
    writeProductTable(p, "TechnValue",
                      {wert(1, 101, "150", 7), wert(2, 102, "35,5", 0), wert(3, 103, "<b>4</b>", 9),
                       wert(4, 104, "2", 7), wert(5, 105, "x", 0), wert(6, 106, "", 0),
                       wert(7, 102, "99", 0, false)});
    writeProductTable(p, "TechnGroups",
                      {rowOf("TechnGroups", {{"ID", i(1)}, {"Reihenfolge", i(1)}}),
                       rowOf("TechnGroups", {{"ID", i(2)}, {"Reihenfolge", i(2)}})});
    writeProductTable(p, "Fussnoten",
                      {rowOf("Fussnoten", {{"ID", i(7)}, {"TextDe", s("bei 50 Hz")}})});
}

inline void texteSchreiben(const QString& p) {
    auto link = [](const char* t, qint32 id, qint32 text) {
        return rowOf(t, {{"ID", i(id)}, {"Teilenummer", i(kQn)}, {"TextID", i(text)}});
    };
    auto block = [](const char* t, qint32 id, int reihenfolge, const char* text,
                    bool anzeigen = true) {
        return rowOf(t, {{"ID", i(id)},
                         {"Reihenfolge", i(reihenfolge)},
                         {"TextDe", s(text)},
                         {"Anzeigen", Value(anzeigen)}});
    };
    writeProductTable(p, "ShipmentVolumes",
                      {link("ShipmentVolumes", 1, 1), link("ShipmentVolumes", 2, 2),
                       link("ShipmentVolumes", 3, 3), link("ShipmentVolumes", 4, 4)});
    writeProductTable(p, "ShipmentTexts",
                      {block("ShipmentTexts", 1, 2, "Zweiter"),
                       block("ShipmentTexts", 2, 1, "Erster"),
                       block("ShipmentTexts", 3, 2, "Dritter"),
                       block("ShipmentTexts", 4, 0, "Versteckt", false)});
    writeProductTable(p, "Accessories", {link("Accessories", 1, 11)});
    writeProductTable(p, "AccTexts", {block("AccTexts", 11, 1, "Olsumpfheizung<br>230 V")});
    auto typ = [](qint32 id, const char* abk, const char* name, int reihenfolge) {
        return rowOf("Interfaces", {{"ID", i(id)},
                                    {"Abkuerzung", s(abk)},
                                    {"BezeichnungDe", s(name)},
                                    {"Einheit1De", s("mm")},
                                    {"Einheit2De", s("Zoll")},
                                    {"Reihenfolge", i(reihenfolge)}});
    };
    writeProductTable(p, "Interfaces",
                      {typ(1, "SL", "Saugleitung", 2), typ(2, "DL", "Druckleitung", 1)});
    writeProductTable(p, "InterfVals",
                      {rowOf("InterfVals", {{"ID", i(1)},
                                            {"Teilenummer", i(kQn)},
                                            {"AnschlusstypID", i(1)},
                                            {"Mass1", s("35")},
                                            {"Mass2", s("1 3/8")}}),
                       rowOf("InterfVals", {{"ID", i(2)},
                                            {"Teilenummer", i(kQn)},
                                            {"AnschlusstypID", i(2)},
                                            {"Mass1", s("22")},
                                            {"Mass2", s("")}})});
    auto zertTyp = [](const char* reihenfolge, const char* titel, const char* bild) {
        return rowOf("ZertifikatTypen", {{"ID", i(5)},
                                         {"TitelDe", s(titel)},
                                         {"Beschreibung", s("english text")},
                                         {"BeschreibungDe", s("deutscher Text")},
                                         {"Reihenfolge", s(reihenfolge)},
                                         {"BildName", s(bild)}});
    };
    writeProductTable(p, "Zertifikate",
                      {rowOf("Zertifikate", {{"ID", i(1)},
                                             {"KaeltemittelID", i(kR404A)},
                                             {"Teilenummer", i(kQn)},
                                             {"ZertifikatsID", i(5)}})});
    writeProductTable(p, "ZertifikatTypen",
                      {zertTyp("2", "Zweites", "z2.jpg"), zertTyp("1", "Erstes", "z1.jpg")});
    writeProductTable(p, "TextResources",
                      {rowOf("TextResources", {{"ID", i(77)},
                                               {"TypeID", i(3)},
                                               {"Text_De", s("Halbhermetischer Verdichter")},
                                               {"Text", s("Semi-hermetic compressor")},
                                               {"Text_Ru", s("Полугерметичный компрессор")}})});
    writeProductTable(
        p, "ProductGroups",
        {rowOf("ProductGroups", {{"ID", i(25)}, {"BeschreibungKurzDe", s("Baureihe QN")}})});
}

inline void seitenKatalogSchreiben(const QString& p) {
    katalogSchreiben(p);
    const Fields bilder{
        {"Masszeichnung", s("Masse/QN4.TIF")}, {"Bild", s("qn4.tif")}, {"TextResourceID", i(77)}};
    writeProductTable(
        p, "Articles",
        {seitenArtikel(kQn, 25, "QN4/200-4", "0", bilder), seitenArtikel(kQn84, 45, "QN8/4-100"),
         seitenArtikel(kQl, 24, "QL4/100-4"), seitenArtikel(kDuplex, 30, "EQN4/200-4"),
         seitenArtikel(kDreieck, 25, "QN9/900-4"), seitenArtikel(kUnitL, 57, "CQN4/200-4L", "1")});
    technikSchreiben(p);
    texteSchreiben(p);
}

class SeitenTest : public drel::testing::KatalogTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(katalogOeffnen(seitenKatalogSchreiben)); }

    void bildAnlegen(const QString& relativ) {
        const QString datei = dir_.path() + QStringLiteral("/Pics/") + relativ;
        QDir().mkpath(QFileInfo(datei).absolutePath());
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("jpeg");
    }
};

} // namespace drel::sheet::testing
