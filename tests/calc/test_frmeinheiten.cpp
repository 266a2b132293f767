// The units window: a click changes the working choice at once, OK writes units.dat
// and relabels open windows, Cancel keeps a choice and fills in only missing ones.
#include "calc/ui/frmeinheiten.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

using calc::EinheitGruppe;

class FrmEinheitenTest : public ::testing::Test {
protected:
    QString unitsDat() const { return dir.filePath(QStringLiteral("units.dat")); }
    QByteArray gespeichert() const {
        QFile f(unitsDat());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void klick(TFrmEinheiten& f, const char* name) {
        f.findChild<QRadioButton*>(QString::fromLatin1(name))->click();
    }
    void knopf(TFrmEinheiten& f, const char* name) {
        f.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    QTemporaryDir dir;
    calc::Einheiten e;
};

TEST_F(FrmEinheitenTest, NoChoiceShowsNoCheckedButton) {
    TFrmEinheiten f(e, unitsDat());
    f.show();
    EXPECT_EQ(f.windowTitle(), "Einheiten");
    for (const char* name :
         {"RadioButton6", "RadioButton7", "RadioButton2", "RadioButton1", "RadioButton3",
          "RadioButton4", "RadioButton8", "RadioButton5", "RadioButton9"}) {
        auto* b = f.findChild<QRadioButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_FALSE(b->isChecked()) << name;
    }
    EXPECT_EQ(f.knopf(EinheitGruppe::Temperatur, 1)->text(), "°F  -  R");
}

TEST_F(FrmEinheitenTest, OkWritesTheChoiceAndRelabelsOpenWindows) {
    QWidget offen;
    auto* tag5 = new QLabel(&offen);
    tag5->setProperty("tag", 5);
    auto* tag3 = new QLabel(&offen);
    tag3->setProperty("tag", 3);
    offen.show();

    TFrmEinheiten f(e, unitsDat());
    f.show();
    klick(f, "RadioButton7");
    klick(f, "RadioButton4");
    klick(f, "RadioButton9");
    EXPECT_EQ(e.index(EinheitGruppe::Leistung), 1) << "working choice at once";
    EXPECT_EQ(e.bestaetigt(EinheitGruppe::Leistung), 0) << "confirmed only by OK";
    knopf(f, "BitBtn1");
    EXPECT_EQ(gespeichert(), "1\r\n1\r\n1\r\n");
    EXPECT_EQ(e.bestaetigt(EinheitGruppe::Temperatur), 1);
    EXPECT_EQ(tag5->text(), "°F");
    EXPECT_EQ(tag3->text(), "Btu/h");
    EXPECT_EQ(f.result(), QDialog::Accepted);
}

TEST_F(FrmEinheitenTest, CancelKeepsAChoiceWithoutWriting) {
    e.klick(EinheitGruppe::Leistung, 0);
    e.klick(EinheitGruppe::Antrieb, 1); // HP
    e.klick(EinheitGruppe::Temperatur, 0);
    e.bestaetigen();
    TFrmEinheiten f(e, unitsDat());
    f.show();
    EXPECT_TRUE(f.knopf(EinheitGruppe::Antrieb, 1)->isChecked());
    knopf(f, "BitBtn2");
    EXPECT_EQ(e.bestaetigt(EinheitGruppe::Antrieb), 1);
    EXPECT_FALSE(QFile::exists(unitsDat()));
    EXPECT_EQ(f.result(), QDialog::Rejected);
}

TEST_F(FrmEinheitenTest, CancelOnAFirstStartConfirmsTheDefaults) {
    TFrmEinheiten f(e, unitsDat());
    f.show();
    klick(f, "RadioButton4"); // only the power group gets a choice
    knopf(f, "BitBtn2");
    EXPECT_EQ(gespeichert(), "0\r\n1\r\n0\r\n");
    EXPECT_TRUE(e.gewaehlt(EinheitGruppe::Leistung));
    EXPECT_EQ(e.text(EinheitGruppe::Temperatur), "°C  -  K");
    EXPECT_TRUE(f.knopf(EinheitGruppe::Leistung, 0)->isChecked());
}

} // namespace
} // namespace drel::ui
