// The jobs of drel-cli; each takes the arguments after its name and returns the exit code.
#pragma once

#include <QStringList>

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

// Program directory for the table jobs: --dir DIR or the working directory.
QString programDirectory(QStringList& args);

// Throws the DbError of the first table the data module could not open (it names the
// file); main() reports it with the rebuild hint and exits with 1.
void requireTables(const db::TDataModule1& dm);

// Fluid files: the given folder, else <program dir>/reflibs, else the settings copy.
QString reflibsDirectory(const QString& option, const QString& programDir);

} // namespace drel::cli
