// The jobs of drel-cli; each takes the arguments after its name and returns the exit code.
#pragma once

#include <QStringList>
#include <cstdio>
#include <optional>

namespace drel::db {
class TDataModule1;
}

namespace drel::cli {

int cmdTables(const QStringList& args);
int cmdDump(const QStringList& args);
int cmdFluid(const QStringList& args);
int cmdBuildDb(const QStringList& args);
int cmdRate(const QStringList& args);
int cmdSearch(const QStringList& args);
int cmdTable(const QStringList& args);
int cmdSheet(const QStringList& args);
int cmdCoefficients(const QStringList& args);
int cmdSepr(const QStringList& args);

// The usage text of one command.
void befehlsHilfe(const QString& befehl, FILE* out);
// A usage fault: the message and the command's usage on stderr; returns 2.
int nutzungsfehler(const QString& befehl, const QString& meldung);

// Program directory for the table jobs: --dir DIR or the working directory. A
// directory that does not exist is a usage fault: the message is printed and the
// result is empty.
std::optional<QString> programDirectory(QStringList& args, const QString& befehl);

// Throws the DbError of the first table the data module could not open (it names the
// file); main() reports it with the rebuild hint and exits with 1.
void requireTables(const db::TDataModule1& dm);

// Fluid files: the given folder, else <program dir>/reflibs, else the settings copy.
QString reflibsDirectory(const QString& option, const QString& programDir);

} // namespace drel::cli
