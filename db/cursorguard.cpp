#include "db/cursorguard.h"

namespace drel::db {

CursorGuard::CursorGuard(Cursor& cursor)
    : cursor_(cursor), filter_(cursor.filter()), filtered_(cursor.filtered()),
      masterSource_(cursor.masterSource()), masterFields_(cursor.masterFields()) {}

CursorGuard::~CursorGuard() {
    // The link is cut before the old fields return, so that no intermediate pairing of
    // one link's source with the other's fields is ever applied.
    try {
        cursor_.setMasterSource(nullptr);
        cursor_.setMasterFields(masterFields_);
        cursor_.setMasterSource(masterSource_);
        cursor_.setFilter(filter_);
        cursor_.setFiltered(filtered_);
    } catch (const DbError&) {
        // The saved state was valid when it was taken; a table replaced meanwhile
        // may no longer accept it, and a destructor must not throw.
    }
}

} // namespace drel::db
