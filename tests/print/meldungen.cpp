#include "meldungen.h"

#include "base/messagesink.h"

namespace drel::print::test {

struct Meldungen::Daten {
    RecordingSink sink;
    ScopedMessageSink guard{&sink};
};

Meldungen::Meldungen() : daten_(std::make_unique<Daten>()) {}
Meldungen::~Meldungen() = default;

QStringList Meldungen::texte() const {
    QStringList liste;
    for (const Message& m : daten_->sink.messages)
        liste << m.text;
    return liste;
}

} // namespace drel::print::test
