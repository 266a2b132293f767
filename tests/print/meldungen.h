// Records the messages of the program's sink while it lives. A file of its own:
// the sink's header cannot share a file with the report engine's namespace.
#pragma once

#include <QStringList>
#include <memory>

namespace drel::print::test {

class Meldungen {
public:
    Meldungen();
    ~Meldungen();
    Meldungen(const Meldungen&) = delete;
    Meldungen& operator=(const Meldungen&) = delete;

    QStringList texte() const;

private:
    struct Daten;
    std::unique_ptr<Daten> daten_;
};

} // namespace drel::print::test
