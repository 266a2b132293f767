// The value combo box: the shown item follows the field; the user's choice writes the
// stored value only when the data source may be edited.
#include "base/ui/tddbcombo.h"

#include <QMap>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

class Quelle : public TDDatenQuelle {
public:
    QString feldText(const QString& feld) const override { return felder.value(feld); }
    bool imEditModus() const override { return editModus; }
    bool autoEdit() const override { return auto_; }
    void bearbeiten() override { editModus = true; }
    void feldSchreiben(const QString& feld, const QString& wert) override {
        felder[feld] = wert;
        ++geschrieben;
    }

    QMap<QString, QString> felder;
    bool editModus = false;
    bool auto_ = false;
    int geschrieben = 0;
};

class TDDBComboTest : public ::testing::Test {
protected:
    void SetUp() override {
        combo.addItems({QStringLiteral("QN4/200-4"), QStringLiteral("QL4/100-4")});
        combo.Items2 = {QStringLiteral("17"), QStringLiteral("23")};
        combo.DataField = QStringLiteral("ArtikelID");
        quelle.felder[QStringLiteral("ArtikelID")] = QStringLiteral("23");
        combo.setDataSource(&quelle);
    }
    void waehlen(int index) {
        combo.setCurrentIndex(index);
        emit combo.activated(index);
    }

    Quelle quelle;
    TDDBCombo combo;
};

TEST_F(TDDBComboTest, ShowsTheItemOfTheFieldValue) {
    EXPECT_TRUE(combo.font().bold());
    EXPECT_EQ(combo.currentIndex(), 1);
    quelle.felder[QStringLiteral("ArtikelID")] = QStringLiteral("99");
    combo.datenGeaendert();
    EXPECT_EQ(combo.currentIndex(), -1) << "a value missing from Items2 shows nothing";
    EXPECT_EQ(combo.currentText(), "");
}

TEST_F(TDDBComboTest, ChoiceWithoutEditModeIsUndone) {
    waehlen(0);
    EXPECT_EQ(quelle.geschrieben, 0);
    EXPECT_EQ(combo.currentIndex(), 1);
}

TEST_F(TDDBComboTest, ChoiceWritesTheStoredValue) {
    quelle.auto_ = true;
    waehlen(0);
    EXPECT_TRUE(quelle.editModus);
    EXPECT_EQ(quelle.felder.value(QStringLiteral("ArtikelID")), "17");
    quelle.auto_ = false; // now in edit mode
    waehlen(1);
    EXPECT_EQ(quelle.felder.value(QStringLiteral("ArtikelID")), "23");
}

TEST(TDDBComboRules, IndexByStoredValue) {
    const QStringList items2{QStringLiteral("5"), QStringLiteral("50"), QStringLiteral("5")};
    EXPECT_EQ(tdComboIndexFuer(items2, QStringLiteral("5")), 0) << "the first match";
    EXPECT_EQ(tdComboIndexFuer(items2, QStringLiteral("50")), 1);
    EXPECT_EQ(tdComboIndexFuer(items2, QStringLiteral("05")), -1) << "texts, not numbers";
}

} // namespace
} // namespace drel::ui
