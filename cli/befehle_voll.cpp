// The commands of drel-cli-voll: every command, the printouts included.
#include "cli/befehlstabelle.h"
#include "cli/commands.h"

#include <QGuiApplication>

namespace drel::cli {

namespace {

int sucheMitDruck(const QStringList& args) {
    return sucheAusfuehren(args, ergebnisPdf);
}

} // namespace

std::span<const Command> befehle() {
    static const auto kBefehle =
        befehlsTabelle({sucheMitDruck, nullptr, cmdTable, cmdSheet, cmdBatch, cmdCompare});
    return kBefehle;
}

bool vollProgramm() {
    return true;
}

std::unique_ptr<QCoreApplication> guiAnwendung(int& argc, char** argv) {
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace drel::cli
