// drel-cli: the main jobs of the program without a display, over the same core.
#include "base/grosseseiten.h"
#include "base/messagesink.h"
#include "cli/argumente.h"
#include "cli/befehlstabelle.h"
#include "cli/commands.h"
#include "db/value.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using drel::cli::Command;

const Command* finde(const QString& name) {
    for (const Command& c : drel::cli::befehle()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

void usage(FILE* out) {
    std::fprintf(out, "Aufruf: drel-cli <Befehl> [Optionen]\n"
                      "        drel-cli help <Befehl> | <Befehl> --help   Optionen eines Befehls\n"
                      "        drel-cli --version\n\nBefehle:\n");
    // The summaries line up after the longest name ("coefficients").
    int breite = 0;
    for (const Command& c : drel::cli::befehle())
        breite = std::max(breite, static_cast<int>(std::strlen(c.name)));
    for (const Command& c : drel::cli::befehle())
        std::fprintf(out, "  %-*s %s\n", breite, c.name, c.summary);
    std::fprintf(out, "\nZahlen mit Dezimalpunkt oder -komma, Minus auch als \xe2\x88\x92.\n"
                      "Exit-Code: 0 Erfolg (auch eine leere Ergebnisliste, deren Grund auf\n"
                      "stderr steht), 1 Daten- oder Rechenfehler, 2 Aufruffehler.\n");
}

// A table fault names the file and how to rebuild the tables (they live in
// <program dir>/Daten, so the program directory is two levels above the file).
void tableFault(const char* command, const drel::db::DbError& e) {
    if (e.file().isEmpty()) {
        std::fprintf(stderr, "drel-cli %s: %s\n", command, qPrintable(e.message()));
        return;
    }
    // One line: what is wrong with which table, and how to rebuild the tables.
    const QFileInfo file(e.file());
    const QString programDir = QFileInfo(file.absolutePath()).absolutePath();
    std::fprintf(stderr,
                 "drel-cli %s: %s - die Tabelle %s fehlt oder ist beschaedigt; die Tabellen neu "
                 "aufbauen mit \"drel-cli build-db --force --dir %s\"\n",
                 command, qPrintable(e.message()), qPrintable(file.fileName()),
                 qPrintable(programDir));
}

// The one boundary of the commands: a data fault that reaches it ends the command
// with exit code 1 and a message, never with a termination.
int run(const Command& c, const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        drel::cli::befehlsHilfe(QLatin1String(c.name), stdout);
        return 0;
    }
    try {
        return c.run(args);
    } catch (const drel::db::DbError& e) {
        tableFault(c.name, e);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drel-cli %s: %s\n", c.name, e.what());
    }
    return 1;
}

// Printing needs fonts, which only a GUI application object provides; it runs on
// the offscreen platform, so no display is needed.
bool brauchtSchrift(int argc, char** argv) {
    if (!drel::cli::vollProgramm())
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "sheet") == 0 || std::strcmp(argv[i], "--pdf") == 0)
            return true;
    return false;
}

std::unique_ptr<QCoreApplication> anwendung(int& argc, char** argv) {
    if (!brauchtSchrift(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return drel::cli::guiAnwendung(argc, argv);
}

// Hands the command to drel-cli-voll beside this executable, with the same arguments;
// returns only when it cannot be started.
int vollProgrammStarten(const char* befehl, char** argv) {
    std::error_code fehler;
    const std::filesystem::path selbst = std::filesystem::read_symlink("/proc/self/exe", fehler);
    const std::filesystem::path voll =
        (fehler ? std::filesystem::path(argv[0]) : selbst).parent_path() / "drel-cli-voll";
    ::execv(voll.c_str(), argv);
    std::fprintf(stderr, "drel-cli %s: %s kann nicht gestartet werden: %s\n", befehl, voll.c_str(),
                 std::strerror(errno));
    return 1;
}

} // namespace

bool drel::cli::brauchtVollProgramm(const Command& c, const QStringList& args) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h")))
        return false;
    return !c.run || (c.druckOption && args.contains(QLatin1String(c.druckOption)));
}

int main(int argc, char** argv) {
    // Answered before anything is set up.
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("drel-cli %s\n", DREL_VERSION);
        return 0;
    }
    // A command reads thousands of rows into small records: on large pages they cost a
    // few page faults instead of one per 4 KiB. A rating or a search fills about 6 MiB
    // of heap, a printout several times that.
    drel::haldeMitGrossenSeiten(std::size_t{drel::cli::vollProgramm() ? 16U : 6U} << 20U);
    const std::unique_ptr<QCoreApplication> app = anwendung(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("drel-cli"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        usage(stderr);
        return 2;
    }
    if (args.first() == QLatin1String("--version")) {
        std::printf("drel-cli %s\n", DREL_VERSION);
        return 0;
    }
    if (drel::cli::hilfeGefragt(args.first())) {
        if (args.size() > 1 && finde(args.at(1))) {
            drel::cli::befehlsHilfe(args.at(1), stdout);
            return 0;
        }
        if (args.size() > 1) {
            std::fprintf(stderr, "drel-cli: unbekannter Befehl '%s'\n", qPrintable(args.at(1)));
            usage(stderr);
            return 2;
        }
        usage(stdout);
        return 0;
    }
    const QString name = args.takeFirst();
    if (const Command* c = finde(name)) {
        if (drel::cli::brauchtVollProgramm(*c, args))
            return vollProgrammStarten(c->name, argv);
        return run(*c, args);
    }
    std::fprintf(stderr, "drel-cli: unbekannter Befehl '%s'\n", qPrintable(name));
    usage(stderr);
    return 2;
}
