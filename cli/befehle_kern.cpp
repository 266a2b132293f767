// The commands of drel-cli: what needs printing, drawing or workbooks is left to
// drel-cli-voll.
#include "cli/befehlstabelle.h"
#include "cli/commands.h"

namespace drel::cli {

namespace {

int sucheOhneDruck(const QStringList& args) {
    return sucheAusfuehren(args, nullptr);
}

} // namespace

std::span<const Command> befehle() {
    static const auto kBefehle = befehlsTabelle({sucheOhneDruck, "--pdf"});
    return kBefehle;
}

bool vollProgramm() {
    return false;
}

std::unique_ptr<QCoreApplication> guiAnwendung(int& argc, char** argv) {
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace drel::cli
