#include "print/meldung.h"

#include "base/messagesink.h"

namespace drel::print {

void fehlerMelden(const QString& text) {
    drel::report(text, QString(), MessageKind::Error);
}

void hinweisMelden(const QString& text) {
    drel::report(text, QString(), MessageKind::Information);
}

} // namespace drel::print
