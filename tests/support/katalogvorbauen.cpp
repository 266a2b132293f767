// Builds the sample catalogue once per test run (a ctest fixture); the tests that
// need it copy the tables instead of building them in every process.
#include "tests/support/beispielkatalog.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: drel_katalog_vorbauen ZIELORDNER\n");
        return 2;
    }
    if (drel::testing::beispielKatalogVorbauen(QString::fromLocal8Bit(argv[1])))
        return 0;
    std::fprintf(stderr, "Der Beispielkatalog liess sich nicht bauen.\n");
    return 1;
}
