// Unit captions on the labels of a real window (needs the widgets).
#include "calc/einheiten.h"
#include "tests/support/einheitenwahl.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace drel::calc;

namespace {

using drel::testing::einheitenGewaehlt;
const auto gewaehlt = einheitenGewaehlt;

} // namespace

TEST(Einheiten, LabelsByTag) {
    static int argc = 1;
    static char name[] = "test_rating";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv); // offscreen platform (ctest environment)
    const Einheiten e = gewaehlt(3, 1, 1);
    QWidget fenster;
    auto* leistung = new QLabel("kW", &fenster);
    leistung->setProperty("tag", 3);
    auto* antrieb = new QLabel("kW", &fenster);
    antrieb->setProperty("tag", 4);
    auto* temperatur = new QLabel("°C", new QWidget(&fenster)); // nested children count too
    temperatur->setProperty("tag", 5);
    auto* differenz = new QLabel("K", &fenster);
    differenz->setProperty("tag", 6);
    auto* ohneTag = new QLabel("t0", &fenster);
    auto* keinLabel = new QPushButton("OK", &fenster);
    keinLabel->setProperty("tag", 3);
    EinhLabelsSetzen(&fenster, e);
    EXPECT_EQ(leistung->text(), "kcal/h");
    EXPECT_EQ(antrieb->text(), "HP");
    EXPECT_EQ(temperatur->text(), "°F");
    EXPECT_EQ(differenz->text(), "R");
    EXPECT_EQ(ohneTag->text(), "t0");
    EXPECT_EQ(keinLabel->text(), "OK");
}
