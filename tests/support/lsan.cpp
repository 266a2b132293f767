// Allocations that system libraries keep for the life of the process, from
// tests/lsan.supp: every test binary takes them in itself, and the processes the tests
// start read the same file through LSAN_OPTIONS.
#include "lsanliste.h"

extern "C" const char* __lsan_default_suppressions() {
    return kLsanListe;
}
