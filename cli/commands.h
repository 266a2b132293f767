// The jobs of drel-cli; each takes the arguments after its name and returns the exit code.
#pragma once

#include "base/messagesink.h"

#include <QStringList>
#include <cstdio>
#include <optional>
#include <utility>

namespace drel::db {
class TDataModule1;
}
namespace drel::search {
class SuchModell;
}

namespace drel::cli {

int cmdTables(const QStringList& args);
int cmdDump(const QStringList& args);
int cmdFluid(const QStringList& args);
int cmdBuildDb(const QStringList& args);
int cmdRate(const QStringList& args);
// The search; `pdf` writes the result printout (--pdf), none in an executable
// without printing.
using ErgebnisPdf = bool (*)(const search::SuchModell& m, const QStringList& series,
                             const QString& datei);
int sucheAusfuehren(const QStringList& args, ErgebnisPdf pdf);
// The result printout of the search window: the heading and the rows the grid shows.
bool ergebnisPdf(const search::SuchModell& m, const QStringList& series, const QString& datei);
int cmdTable(const QStringList& args);
int cmdSheet(const QStringList& args);
int cmdCoefficients(const QStringList& args);
int cmdSepr(const QStringList& args);
int cmdBatch(const QStringList& args);
int cmdCompare(const QStringList& args);

// The usage text of one command.
void befehlsHilfe(const QString& befehl, FILE* out);
// A usage fault: the message and the command's usage on stderr; returns 2.
int nutzungsfehler(const QString& befehl, const QString& meldung);

// Program directory for the table jobs: --dir DIR or the working directory. A
// directory that does not exist is a usage fault: the message is printed and the
// result is empty.
std::optional<QString> programDirectory(QStringList& args, const QString& befehl);

// The start every sheet command shares: the program directory and the command's own
// options, read by `leser`; empty when either is refused (the reason is printed, the
// exit code is 2).
template <class Optionen, class Leser>
std::optional<std::pair<QString, Optionen>> befehlsAnfang(const QStringList& arguments,
                                                          const QString& befehl, Leser leser) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, befehl);
    if (!programm)
        return std::nullopt;
    std::optional<Optionen> optionen = leser(args);
    if (!optionen)
        return std::nullopt;
    return std::pair{*programm, std::move(*optionen)};
}

// Messages of a command go to stderr, each repeated one once.
struct Befehlsmeldungen {
    StderrSink sink;
    ScopedMessageSink guard{&sink};
    MessageScope operation;
};

// Throws the DbError of the first table the data module could not open (it names the
// file); main() reports it with the rebuild hint and exits with 1.
void requireTables(const db::TDataModule1& dm);

// Fluid files: the given folder, else <program dir>/reflibs, else the settings copy.
QString reflibsDirectory(const QString& option, const QString& programDir);

} // namespace drel::cli
