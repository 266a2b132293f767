// The boundary of an operation that a window or a command starts: no exception
// leaves it; the fault is reported through the message sink instead.
#pragma once

#include <functional>

namespace drel::db {

// Runs `operation`. A DbError (its text names the table file, cursor or field at
// fault) or any other exception is reported as an error with the caption "Fehler",
// and the call returns false; true when the operation ran through.
bool runReported(const std::function<void()>& operation);

} // namespace drel::db
