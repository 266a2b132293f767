// The commands of drel-cli. The program comes as two executables: drel-cli itself
// links no GUI or export library, so that a rating or a search starts quickly and
// small; the commands that print, draw or write workbooks run in drel-cli-voll
// beside it, which drel-cli starts in its place with the same arguments.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <span>

namespace drel::cli {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList&); // none: carried out by drel-cli-voll
    const char* druckOption;        // with this option, carried out by drel-cli-voll
};

// The commands of this executable, in the order of the usage text.
std::span<const Command> befehle();

// Whether this executable is the full one (it carries out every command itself).
bool vollProgramm();

// The application object of a command that prints: a GUI one, for the fonts, in
// drel-cli-voll; drel-cli never prints.
std::unique_ptr<QCoreApplication> guiAnwendung(int& argc, char** argv);

// Whether `c` with these arguments has to run in drel-cli-voll.
bool brauchtVollProgramm(const Command& c, const QStringList& args);

} // namespace drel::cli
