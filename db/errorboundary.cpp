#include "db/errorboundary.h"

#include "base/messagesink.h"
#include "db/value.h"

namespace drel::db {

bool runReported(const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const DbError& e) {
        report(e.message(), QStringLiteral("Fehler"), MessageKind::Error);
    } catch (const std::exception& e) {
        report(QString::fromLocal8Bit(e.what()), QStringLiteral("Fehler"), MessageKind::Error);
    }
    return false;
}

} // namespace drel::db
