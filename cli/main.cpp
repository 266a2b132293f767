// drel-cli: the main jobs of the program without a display, over the same core.
#include "base/messagesink.h"
#include "cli/commands.h"
#include "db/value.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList&);
};

const Command kCommands[] = {
    {"tables", "tables [--dir DIR]                       each table file with its row count",
     drel::cli::cmdTables},
    {"dump",
     "dump <Table> [--filter TEXT] [--sort FIELDS] [--fields a,b,c] [--dir DIR]\n"
     "                                           rows as CSV with a header line",
     drel::cli::cmdDump},
    {"fluid", "fluid <refrigerant> <operation> <arguments...>   refrigerant property",
     drel::cli::cmdFluid},
    {"rate", "rate --article A --refrigerant R --t0 T (--tc T | --air T) [...]   rate one article",
     drel::cli::cmdRate},
    {"search",
     "search [--units] [--refrigerant R] [--t0 T] [--tc T | --air T] [--q0 KW] [--series QN,...]\n"
     "                                           compressors or condensing units for a point",
     drel::cli::cmdSearch},
    {"table",
     "table --article A --refrigerant R --t0 F:T:S (--tc F:T:S | --air F:T:S) [--csv]\n"
     "                                           performance table of one article",
     drel::cli::cmdTable},
    {"build-db", "build-db [--force] [--dir DIR]           build the tables from the XML exports",
     drel::cli::cmdBuildDb},
};

void usage() {
    std::fprintf(stderr, "usage: drel-cli <command> [options]\n\ncommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(stderr, "  %s\n", c.usage);
}

// A table fault names the file and how to rebuild the tables (they live in
// <program dir>/Daten, so the program directory is two levels above the file).
void tableFault(const char* command, const drel::db::DbError& e) {
    std::fprintf(stderr, "drel-cli %s: %s\n", command, qPrintable(e.message()));
    if (e.file().isEmpty())
        return;
    const QFileInfo file(e.file());
    const QString programDir = QFileInfo(file.absolutePath()).absolutePath();
    std::fprintf(stderr,
                 "drel-cli %s: the table %s is missing or damaged; rebuild the tables with "
                 "\"drel-cli build-db --force --dir %s\"\n",
                 command, qPrintable(file.fileName()), qPrintable(programDir));
}

// The one boundary of the commands: a data fault that reaches it ends the command
// with exit code 1 and a message, never with a termination.
int run(const Command& c, const QStringList& args) {
    try {
        return c.run(args);
    } catch (const drel::db::DbError& e) {
        tableFault(c.name, e);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drel-cli %s: %s\n", c.name, e.what());
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("drel-cli"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() == QLatin1String("--help")) {
        usage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return run(c, args);
    }
    std::fprintf(stderr, "drel-cli: unknown command '%s'\n", qPrintable(name));
    usage();
    return 2;
}
