// Program entry: data check, data module, main window (which runs the start-up
// steps), property object, units, message loop.
#include "app/programmstart.h"
#include "app/ui/frmmenue.h"
#include "app/ui/guimessagesink.h"
#include "app/ui/shelltexte.h"
#include "base/directories.h"
#include "calc/einheiten.h"
#include "calc/koeffizientenpruefung.h"
#include "db/datamodule.h"
#include "dbbuild/ui/frmdbinfo.h"
#include "fluid/stoff.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(drel::ui::kTitel);

    drel::ui::GuiMessageSink sink;
    drel::ScopedMessageSink sinkGuard(&sink);

    // The program directory is the working directory at start, not the executable's.
    const QString programmVerzeichnis = QDir::currentPath();

    // The tables are rebuilt from newer exports before the data module opens them, so
    // that a first start on fresh exports reports no missing tables and every cursor
    // reads the rebuilt files.
    // Each generation of tables has its coefficients checked once, whoever made it
    // current (this build, a swap finished from the journal, a start after a check that
    // was killed); findings are reported once, with the report in Daten/Pruefbericht.txt.
    const auto pruefen = [&] {
        int befunde = 0;
        if (drel::calc::pruefberichtAktualisieren(programmVerzeichnis, befunde) && befunde > 0)
            drel::report(QCoreApplication::translate(
                             "Programmstart", "Die Prüfung der Leistungskoeffizienten ergab %1 "
                                              "Befunde; siehe Daten/Pruefbericht.txt.")
                             .arg(befunde),
                         QString(), drel::MessageKind::Warning);
    };
    drel::dbbuild::dateienPruefenMitFenster(programmVerzeichnis, nullptr, pruefen);
    pruefen();
    drel::db::createDataModule(programmVerzeichnis);

    int ergebnis = 0;
    {
        drel::Programmstart start(programmVerzeichnis, drel::Programmstart::dokumenteVomSystem());
        drel::ui::TFrmMenue menue(start);
        // The main window found the settings directory and copied the fluid files.
        drel::fluid::stoff().Create();
        drel::calc::einheiten().laden(
            drel::pfad(drel::verzeichnisse().einstellungen, QStringLiteral("units.dat")));
        // The search window's creation: data check and the condensing-unit lists.
        menue.sucheVorbereiten(*drel::db::dataModule(), drel::fluid::stoff());
        menue.show();
        ergebnis = QApplication::exec();
    }
    drel::db::destroyDataModule();
    return ergebnis;
}
