// Program entry: data module, main window (which runs the start-up steps), message loop.
#include "app/programmstart.h"
#include "app/ui/frmmenue.h"
#include "app/ui/guimessagesink.h"
#include "app/ui/shelltexte.h"
#include "db/datamodule.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(drel::ui::kTitel);

    drel::ui::GuiMessageSink sink;
    drel::ScopedMessageSink sinkGuard(&sink);

    // The program directory is the working directory at start, not the executable's.
    const QString programmVerzeichnis = QDir::currentPath();
    drel::db::createDataModule(programmVerzeichnis);

    int ergebnis = 0;
    {
        drel::Programmstart start(programmVerzeichnis, drel::Programmstart::dokumenteVomSystem());
        drel::ui::TFrmMenue menue(start);
        menue.show();
        ergebnis = QApplication::exec();
    }
    drel::db::destroyDataModule();
    return ergebnis;
}
