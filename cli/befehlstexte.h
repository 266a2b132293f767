// The one-line summaries of the commands, shared by both executables' tables.
#pragma once

namespace drel::cli::text {

inline constexpr const char* kTables = "jede Tabellendatei mit ihrer Zeilenzahl";
inline constexpr const char* kDump = "Zeilen einer Tabelle als CSV mit Kopfzeile";
inline constexpr const char* kFluid = "eine Stoffgroesse eines Kaeltemittels";
inline constexpr const char* kRate = "einen Artikel an einem Betriebspunkt berechnen";
inline constexpr const char* kSearch = "Verdichter oder Aggregate fuer einen Betriebspunkt suchen";
inline constexpr const char* kTable =
    "Leistungstabelle eines Artikels ueber t0 und tc (oder Lufteintritt)";
inline constexpr const char* kSheet = "das Datenblatt eines Artikels als PDF-Brief oder JSON";
inline constexpr const char* kCoefficients =
    "EN-12900-Koeffizienten, Bemessungsbedingungen und Einsatzgrenzen";
inline constexpr const char* kSepr = "SEPR eines Verflussigungssatzes (Verordnung (EU) 2015/1095)";
inline constexpr const char* kBatch = "eine Tabelle von Betriebspunkten (CSV oder XLSX) berechnen";
inline constexpr const char* kCompare = "bis zu vier Artikel an einem Betriebspunkt vergleichen";
inline constexpr const char* kBuildDb = "die Tabellen aus den XML-Exporten aufbauen";

} // namespace drel::cli::text
