#include "buildfixture.h"
#include "dbbuild/ui/frmdbinfo.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

using namespace drel::dbbuild;

namespace {

int argc = 1;
char arg0[] = "test";
char* argv[] = {arg0, nullptr};

QApplication& app() {
    static QApplication a(argc, argv);
    return a;
}

} // namespace

TEST(FrmDBInfo, CaptionTextsAndProgress) {
    app();
    TFrmDBInfo fenster;
    EXPECT_EQ(fenster.windowTitle(), "WUK 8.1   Information");
    QStringList texte;
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        texte << l->text();
    EXPECT_TRUE(texte.contains("Moment bitte, die Datenbanken werden vorbereitet."));
    EXPECT_TRUE(texte.contains("Dies dauert ein wenig."));
    fenster.setFortschritt(3, 24, QStringLiteral("CapacityData.cds"));
    EXPECT_EQ(fenster.fortschritt()->value(), 3);
    EXPECT_EQ(fenster.fortschritt()->maximum(), 24);
}

class FrmDBInfoPruefung : public drel::testing::BuildTest {};

TEST_F(FrmDBInfoPruefung, WindowIsShownOnlyWhileBuilding) {
    app();
    EXPECT_TRUE(dateienPruefenMitFenster(programm()));
    EXPECT_TRUE(QFileInfo(daten() + QStringLiteral("/Stand.dat")).isFile());
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return qobject_cast<TFrmDBInfo*>(w) != nullptr; }));
    EXPECT_TRUE(dateienPruefenMitFenster(programm())); // up to date now
}
