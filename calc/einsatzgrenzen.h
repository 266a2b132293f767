// Where an operating point lies with respect to the blue and dashed application
// limit polygons, and the published range of the dashed polygon.
#pragma once

#include "db/recordhelpers.h"

namespace drel::calc {

// Range of the dashed polygon (the blue one where the dashed is empty), set by
// every EinsatzgrenzenTest.
struct GrenzBereich {
    double GrenzT0Min = 0.0;
    double GrenzT0Max = 0.0;
    double GrenzTcMin = 0.0;
    double GrenzTcMax = 0.0;
};
GrenzBereich& grenzBereich();

// Direction of the vector from (x1, y1) to (x2, y2) in degrees, 90 for a null vector.
double Richtungswinkel(double y1, double x1, double y2, double x2);

// Side value of the point against the polygon: 0 inside, at least 3 outside.
int PolygonLage(const GrenzPolygon& polygon, double t0, double tc);

// Code 100·a + 10·d + b for the current capacity record (a: suction gas too hot).
// Sets grenzBereich().
int EinsatzgrenzenTest(db::TDataModule1& dm, double ts, double tc, double t0);
// Only the range that EinsatzgrenzenTest publishes (grenzBereich()), without the
// position of a point: all the search and the diagram's axes read of it.
void GrenzBereichLesen(db::TDataModule1& dm);
// The same from the record's polygon 2 (as db::GrenzenLesen gives it), already read.
void GrenzBereichSetzen(const GrenzPolygon& strich);
// The same on given polygons and rating suction gas temperature.
int EinsatzgrenzenTest(const GrenzPolygon& blau, const GrenzPolygon& strich, double tsR, double ts,
                       double tc, double t0, GrenzBereich& bereich);

} // namespace drel::calc
