// The program window from the start of the process to a usable main window, offscreen.
// It takes the steps of app/main.cpp up to the message loop and ends as soon as the
// main window is exposed and the events its showing posted have run; bench/run_all.py
// times whole processes of it in a program directory whose tables are built. The user
// is a returning one: a first start would open the units window before anything else.
#include "app/programmstart.h"
#include "app/ui/frmmenue.h"
#include "app/ui/shelltexte.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "calc/einheiten.h"
#include "calc/koeffizientenpruefung.h"
#include "db/datamodule.h"
#include "dbbuild/ui/frmdbinfo.h"
#include "fluid/stoff.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>
#include <cstdio>

using namespace drel;

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::kTitel);
    // A message box would wait for a click: messages go to stderr and fail the run.
    StderrSink sink;
    ScopedMessageSink sinkGuard(&sink);

    const QString programm = QDir::currentPath();
    int befunde = 0;
    const auto pruefen = [&] { calc::pruefberichtAktualisieren(programm, befunde); };
    dbbuild::dateienPruefenMitFenster(programm, nullptr, pruefen);
    pruefen();
    db::createDataModule(programm);
    bool benutzbar = false;
    {
        Programmstart start(programm, Programmstart::dokumenteVomSystem());
        ui::TFrmMenue menue(start);
        fluid::stoff().Create();
        calc::Einheiten& einheiten = calc::einheiten();
        einheiten.laden(pfad(verzeichnisse().einstellungen, QStringLiteral("units.dat")));
        if (!einheiten.gewaehlt(calc::EinheitGruppe::Leistung)) {
            einheiten.klick(calc::EinheitGruppe::Leistung, 0);
            einheiten.klick(calc::EinheitGruppe::Temperatur, 0);
            einheiten.bestaetigen();
        }
        menue.sucheVorbereiten(*db::dataModule(), fluid::stoff());
        menue.show();
        QElapsedTimer warten;
        warten.start();
        while (menue.windowHandle() && !menue.windowHandle()->isExposed() &&
               warten.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        QCoreApplication::processEvents();
        benutzbar = menue.isVisible() && menue.windowHandle()->isExposed();
    }
    db::destroyDataModule();
    if (!benutzbar)
        std::fprintf(stderr, "Das Hauptfenster wurde nicht gezeigt.\n");
    return benutzbar ? 0 : 1;
}
