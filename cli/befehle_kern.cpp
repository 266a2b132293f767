// The command table of drel-cli: what needs printing, drawing or workbooks is left
// to drel-cli-voll.
#include "cli/befehlstabelle.h"
#include "cli/befehlstexte.h"
#include "cli/commands.h"

namespace drel::cli {

namespace {

int sucheOhneDruck(const QStringList& args) {
    return sucheAusfuehren(args, nullptr);
}

const Command kBefehle[] = {
    {"tables", text::kTables, cmdTables, nullptr},
    {"dump", text::kDump, cmdDump, nullptr},
    {"fluid", text::kFluid, cmdFluid, nullptr},
    {"rate", text::kRate, cmdRate, nullptr},
    {"search", text::kSearch, sucheOhneDruck, "--pdf"},
    {"table", text::kTable, nullptr, nullptr},
    {"sheet", text::kSheet, nullptr, nullptr},
    {"coefficients", text::kCoefficients, cmdCoefficients, nullptr},
    {"sepr", text::kSepr, cmdSepr, nullptr},
    {"batch", text::kBatch, nullptr, nullptr},
    {"compare", text::kCompare, nullptr, nullptr},
    {"build-db", text::kBuildDb, cmdBuildDb, nullptr},
};

} // namespace

std::span<const Command> befehle() {
    return kBefehle;
}

bool vollProgramm() {
    return false;
}

std::unique_ptr<QCoreApplication> guiAnwendung(int& argc, char** argv) {
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace drel::cli
