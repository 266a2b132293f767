// The main window's share of search.ini: the language fields, read at start and
// written back at shutdown.
#pragma once

#include "state/sprache.h"
#include "state/suchrec.h"

#include <QString>

namespace drel {

// <settings directory>/search.ini
QString suchIniPfad();

// The language a record names: the number, the first two characters of the short code
// and the ordinary code. An empty short code means German for both codes (the number
// is still taken); an empty ordinary code takes the short one.
Sprache spracheAusRecord(const SuchRec& rec);

// Reads the language from `datei` into `ziel`. A missing or unreadable file leaves
// `ziel` unchanged and returns false; nothing is reported.
bool spracheLesen(const QString& datei, Sprache& ziel);

// Puts the language fields into the record of `datei`, keeping every other byte; a
// missing file (or the part a short file lacks) gets the default record. Returns false
// when the file cannot be written (reported, with the reason).
bool spracheSchreiben(const QString& datei, const Sprache& sprache);

} // namespace drel
