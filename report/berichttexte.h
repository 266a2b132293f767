// The report engine's own texts (preview window and printing), in one language.
#pragma once

#include <QString>

namespace drel::bericht {

struct BerichtTexte {
    QString vorschau;
    QString drucken;
    QString seite;
    QString keineSeite;
    QString pdfFehler;
    QString ausgabeFehler;
    QString druckerFehlt;
};

// The texts for a language code of the engine, compared upper-cased: "DE", "FR",
// "IT", "PT", "ES", "RU", "PL" and "CN" give that language; "EN" and every other
// code keep the built-in texts, which are English (the print window hands Korean
// on as "EN").
BerichtTexte sprache(const QString& code);

} // namespace drel::bericht
