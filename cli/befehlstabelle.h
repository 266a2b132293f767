// The commands of drel-cli. The program comes as two executables: drel-cli itself
// links no GUI or export library, so that a rating or a search starts quickly and
// small; the commands that print, draw or write workbooks run in drel-cli-voll
// beside it, which drel-cli starts in its place with the same arguments.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <memory>
#include <span>

namespace drel::cli {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList&); // none: carried out by drel-cli-voll
    const char* druckOption;        // with this option, carried out by drel-cli-voll
};

using Ausfuehrung = int (*)(const QStringList&);

// What prints, draws or writes workbooks. drel-cli leaves these empty (the commands
// then run in drel-cli-voll); drel-cli-voll names its own.
struct Druckbefehle {
    Ausfuehrung suche;               // search, with or without --pdf
    const char* sucheDruckOption;    // with this option, search runs in drel-cli-voll
    Ausfuehrung tabelle = nullptr;   // table
    Ausfuehrung blatt = nullptr;     // sheet
    Ausfuehrung reihe = nullptr;     // batch
    Ausfuehrung vergleich = nullptr; // compare
};

inline constexpr std::size_t kBefehlsAnzahl = 12;

// The one command table of both executables, in the order of the usage text.
std::array<Command, kBefehlsAnzahl> befehlsTabelle(const Druckbefehle& druck);

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
