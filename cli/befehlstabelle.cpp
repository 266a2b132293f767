#include "cli/befehlstabelle.h"

#include "cli/befehlstexte.h"
#include "cli/commands.h"

namespace drel::cli {

std::array<Command, kBefehlsAnzahl> befehlsTabelle(const Druckbefehle& druck) {
    return {{
        {"tables", text::kTables, cmdTables, nullptr},
        {"dump", text::kDump, cmdDump, nullptr},
        {"fluid", text::kFluid, cmdFluid, nullptr},
        {"rate", text::kRate, cmdRate, nullptr},
        {"search", text::kSearch, druck.suche, druck.sucheDruckOption},
        {"table", text::kTable, druck.tabelle, nullptr},
        {"sheet", text::kSheet, druck.blatt, nullptr},
        {"coefficients", text::kCoefficients, cmdCoefficients, nullptr},
        {"sepr", text::kSepr, cmdSepr, nullptr},
        {"batch", text::kBatch, druck.reihe, nullptr},
        {"compare", text::kCompare, druck.vergleich, nullptr},
        {"build-db", text::kBuildDb, cmdBuildDb, nullptr},
    }};
}

} // namespace drel::cli
