#include "print/meldung.h"

#include "base/messagesink.h"

namespace drel::print {

void fehlerMelden(const QString& text) {
    drel::report(text, QString(), MessageKind::Error);
}

} // namespace drel::print
