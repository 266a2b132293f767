// genexports DIR [ARTICLES CAPACITY VALUES]: writes a synthetic export set.
#include "tools/genexports/genexports.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && args.size() != 5) {
        std::fprintf(stderr, "usage: genexports DIR [ARTICLES CAPACITY VALUES]\n");
        return 2;
    }
    drel::tools::ExportUmfang umfang;
    if (args.size() == 5) {
        umfang.artikel = args[2].toInt();
        umfang.leistungen = args[3].toInt();
        umfang.technischeWerte = args[4].toInt();
    }
    if (!drel::tools::exportsErzeugen(args[1], umfang)) {
        std::fprintf(stderr, "genexports: cannot write to %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
