// The command table of drel-cli-voll: every command, the printouts included.
#include "cli/befehlstabelle.h"
#include "cli/befehlstexte.h"
#include "cli/commands.h"

#include <QGuiApplication>

namespace drel::cli {

namespace {

int sucheMitDruck(const QStringList& args) {
    return sucheAusfuehren(args, ergebnisPdf);
}

const Command kBefehle[] = {
    {"tables", text::kTables, cmdTables, nullptr},
    {"dump", text::kDump, cmdDump, nullptr},
    {"fluid", text::kFluid, cmdFluid, nullptr},
    {"rate", text::kRate, cmdRate, nullptr},
    {"search", text::kSearch, sucheMitDruck, nullptr},
    {"table", text::kTable, cmdTable, nullptr},
    {"sheet", text::kSheet, cmdSheet, nullptr},
    {"coefficients", text::kCoefficients, cmdCoefficients, nullptr},
    {"sepr", text::kSepr, cmdSepr, nullptr},
    {"batch", text::kBatch, cmdBatch, nullptr},
    {"compare", text::kCompare, cmdCompare, nullptr},
    {"build-db", text::kBuildDb, cmdBuildDb, nullptr},
};

} // namespace

std::span<const Command> befehle() {
    return kBefehle;
}

bool vollProgramm() {
    return true;
}

std::unique_ptr<QCoreApplication> guiAnwendung(int& argc, char** argv) {
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace drel::cli
