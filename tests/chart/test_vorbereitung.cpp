#include "chart/vorbereitung.h"

#include <gtest/gtest.h>

using namespace drel::chart;

TEST(Vorbereitung, AchsenKorrekturen) {
    // An empty range becomes min..min+1 with step 1.
    double min = 5, max = 5, step = 0;
    achseKorrigieren(min, max, step);
    EXPECT_EQ(min, 5);
    EXPECT_EQ(max, 6);
    EXPECT_EQ(step, 1);

    // At most 40 grid steps: 0..100 with step 1 is drawn with step 2.5.
    min = 0, max = 100, step = 1;
    achseKorrigieren(min, max, step);
    EXPECT_DOUBLE_EQ(step, 2.5);

    // A coarse step stays; an inverted range is swapped first.
    min = 70, max = 20, step = 10;
    achseKorrigieren(min, max, step);
    EXPECT_EQ(min, 20);
    EXPECT_EQ(max, 70);
    EXPECT_EQ(step, 10);

    // Equal within 1e-5 relative; 0..0 too.
    min = 1000, max = 1000.005, step = 10;
    achseKorrigieren(min, max, step);
    EXPECT_EQ(max, 1001);
    EXPECT_EQ(step, 1);
    min = 0, max = 0, step = -3;
    achseKorrigieren(min, max, step);
    EXPECT_EQ(max, 1);
    EXPECT_EQ(step, 1);
    // Just outside the tolerance the range is kept.
    min = 1000, max = 1000.02, step = 0;
    achseKorrigieren(min, max, step);
    EXPECT_DOUBLE_EQ(max, 1000.02);
}

TEST(Vorbereitung, ScaleGrenzen) {
    EXPECT_EQ(scaleBegrenzen(6, 400, 300), 4);
    EXPECT_EQ(scaleBegrenzen(0, 342, 244), 1);
    EXPECT_EQ(scaleBegrenzen(12, 100, 100), 10);
    EXPECT_EQ(scaleBegrenzen(4, 342, 244), 4);  // 1368 x 976 fits
    EXPECT_EQ(scaleBegrenzen(5, 342, 244), 5);  // 1710 > 1600: round(4.68) = 5, 1220 > 1200
    EXPECT_EQ(scaleBegrenzen(3, 200, 500), 2);  // the height limit: round(2.4)
    EXPECT_EQ(scaleBegrenzen(1, 5000, 100), 1); // never below 1

    ChartDaten d;
    d.Scale = 6;
    d.XMin = d.XMax = 5;
    d.YMin = 0;
    d.YMax = 100;
    d.YStep = 1;
    vorbereiten(d, 400, 300);
    EXPECT_EQ(d.Scale, 4);
    EXPECT_EQ(d.XMax, 6);
    EXPECT_EQ(d.XStep, 1);
    EXPECT_DOUBLE_EQ(d.YStep, 2.5);
}
