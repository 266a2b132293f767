// A small hand-made catalogue for the search and page tests: QN, QN 8/4-pole, QL and
// duplex compressors, an S version, an article rated through its base article,
// condensing units of both constructions with one condenser for three refrigerants.
#pragma once

#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "search/aggsuche.h"
#include "search/verdsuche.h"
#include "tests/support/dbfixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace drel::search::testing {

using namespace drel::db;
using namespace drel::db::testing;

enum : qint32 {
    kR134a = 1,
    kR404A = 2,
    kR22 = 3,
    kR744 = 4,
    kR999 = 5, // no fluid file

    kQn = 1,         // QN4/200-4, group 25: R134a, R22, R404A (the third), with motor
    kQn84 = 2,       // QN8/4-100, group 45 (8/4-pole)
    kQl = 3,         // QL4/100-4, group 24
    kDuplex = 4,     // EQN4/200-4, group 30, same polynomials as kQn's R404A record
    kSVersion = 5,   // QN6/300-4 S
    kMitBasis = 6,   // QN4/200-4 V, rated through article 1
    kVierAcht = 7,   // QN4/8-50: never a candidate
    kDreieck = 8,    // QN9/900-4: triangular limits
    kOhneStoff1 = 9, // QN7/700-4, R999 only
    kOhneStoff2 = 10,
    kUnitL = 21,   // CQN4/200-4L, group 57, base 1
    kUnitRU = 22,  // CQN4/200-4RU, group 56, base 1
    kUnitQlL = 23, // CQL4/100-4L, group 55, base 3
    kKondensator = 50,
};

// Qo = f·(30 + 0.6·t0 − 0.15·tc + 0.004·t0²), P = 3 + 0.01·t0 + 0.06·tc + 0.0005·tc².
inline Fields koeffizienten(double f) {
    return {{"Kaelteleistung1", d(30.0 * f)},  {"Kaelteleistung2", d(0.6 * f)},
            {"Kaelteleistung3", d(-0.15 * f)}, {"Kaelteleistung4", d(0.004 * f)},
            {"Antriebsleistung1", d(3.0)},     {"Antriebsleistung2", d(0.01)},
            {"Antriebsleistung3", d(0.06)},    {"Antriebsleistung6", d(0.0005)}};
}

// Limits t0 −25..10 °C, tc 25..55 °C inside a red box, first points at the lower
// right as in the product data (the chart seeds its fills beside the first point).
inline Fields rotesRechteck() {
    return polygon("KoordRot", {{13, 22}, {13, 58}, {-28, 58}, {-28, 22}, {13, 22}});
}
inline Fields rechteck() {
    return merged(rotesRechteck(),
                  polygon("KoordBlau", {{10, 25}, {10, 55}, {-25, 55}, {-25, 25}, {10, 25}}));
}
// The red polygon cuts the box along its diagonal: (−10, 45) lies within the range
// but outside the red polygon, (0, 45) inside it.
inline Fields dreieck() {
    return merged(polygon("KoordRot", {{13, 22}, {13, 58}, {-28, 22}, {13, 22}}),
                  polygon("KoordBlau", {{10, 25}, {10, 55}, {-25, 55}, {-25, 25}, {10, 25}}));
}

inline Row leistung(qint32 id, qint32 artikel, qint32 km, double f, Fields grenzen = rechteck()) {
    Fields felder = merged(koeffizienten(f), {{"ID", i(id)},
                                              {"ArtikelID", i(artikel)},
                                              {"KaeltemittelID", i(km)},
                                              {"SauggasFlag", Value(true)},
                                              {"Sauggaswert", d(20.0)}});
    return rowOf("CapacityData", merged(felder, grenzen));
}

inline Row artikel(qint32 id, int gruppe, const char* name, const char* basis = "0",
                   bool basisDaten = false) {
    return rowOf("Articles", {{"ID", i(id)},
                              {"Produktgruppe", i(gruppe)},
                              {"Bezeichnung1", s(name)},
                              {"Basisartikel", s(basis)},
                              {"UseBaseArticleWukData", Value(basisDaten)},
                              {"Hubvolumen", d(10.0 * id)}});
}

inline Row kondensatorLeistung(qint32 id, qint32 km) {
    // Qc = 2 kW/K · (tc − tle)
    return rowOf("AirCooledCondenserRefrigerant", {{"ID", i(id)},
                                                   {"LuftkondensatorID", i(kKondensator)},
                                                   {"KaeltemittelID", i(km)},
                                                   {"KondensLeistung1", d(0.0)},
                                                   {"KondensLeistung2", d(2.0)},
                                                   {"KondensLeistung3", d(-2.0)},
                                                   {"KondensLeistung4", d(0.0)}});
}

inline void katalogSchreiben(const QString& p) {
    writeProductTable(
        p, "Articles",
        {artikel(kQn, 25, "QN4/200-4"), artikel(kQn84, 45, "QN8/4-100"),
         artikel(kQl, 24, "QL4/100-4"), artikel(kDuplex, 30, "EQN4/200-4"),
         artikel(kSVersion, 25, "QN6/300-4 S"), artikel(kMitBasis, 25, "QN4/200-4 V", "1", true),
         artikel(kVierAcht, 25, "QN4/8-50"), artikel(kDreieck, 25, "QN9/900-4"),
         artikel(kOhneStoff1, 25, "QN7/700-4"), artikel(kOhneStoff2, 25, "QN7/710-4"),
         artikel(kUnitL, 57, "CQN4/200-4L", "1"), artikel(kUnitRU, 56, "CQN4/200-4RU", "1"),
         artikel(kUnitQlL, 55, "CQL4/100-4L", "3")});
    writeProductTable(p, "Refrigerants",
                      {rowOf("Refrigerants", {{"ID", i(kR134a)}, {"Ashrae", s("R134a")}}),
                       rowOf("Refrigerants", {{"ID", i(kR404A)}, {"Ashrae", s("R404A")}}),
                       rowOf("Refrigerants", {{"ID", i(kR22)}, {"Ashrae", s("R22")}}),
                       rowOf("Refrigerants", {{"ID", i(kR744)}, {"Ashrae", s("R744")}}),
                       rowOf("Refrigerants", {{"ID", i(kR999)}, {"Ashrae", s("R999")}})});
    writeProductTable(p, "CapacityData",
                      {leistung(11, kQn, kR134a, 1.0), leistung(12, kQn, kR22, 1.0),
                       leistung(13, kQn, kR404A, 1.5), leistung(21, kQn84, kR404A, 1.2),
                       leistung(31, kQl, kR404A, 0.8), leistung(41, kDuplex, kR404A, 1.5),
                       leistung(51, kSVersion, kR404A, 2.0), leistung(71, kVierAcht, kR404A, 1.0),
                       leistung(81, kDreieck, kR404A, 3.0, dreieck()),
                       leistung(91, kOhneStoff1, kR999, 1.0),
                       leistung(101, kOhneStoff2, kR999, 1.0)});
    writeProductTable(p, "Motors",
                      {rowOf("Motors", {{"ID", i(7)},
                                        {"ElektrStrom1", d(2.0)},
                                        {"ElektrStrom2", d(1.5)},
                                        {"ElektrStrom3", d(0.02)},
                                        {"ElektrStrom4", d(0.001)}})});
    writeProductTable(p, "MotorArticle",
                      {rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kQn)}}),
                       rowOf("MotorArticle", {{"MotorID", i(7)}, {"ArtikelID", i(kDuplex)}})});
    writeProductTable(p, "AirCooledCondensers",
                      {rowOf("AirCooledCondensers", {{"ID", i(kKondensator)}})});
    std::vector<Row> zuordnung;
    for (qint32 unit : {kUnitL, kUnitRU, kUnitQlL})
        zuordnung.push_back(
            rowOf("AirCooledCondenserArticle",
                  {{"LuftkondensatorID", i(kKondensator)}, {"ArtikelID", i(unit)}}));
    writeProductTable(p, "AirCooledCondenserArticle", zuordnung);
    writeProductTable(p, "AirCooledCondenserRefrigerant",
                      {kondensatorLeistung(501, kR134a), kondensatorLeistung(502, kR404A),
                       kondensatorLeistung(503, kR22)});
}

} // namespace drel::search::testing
