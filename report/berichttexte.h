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

// The texts for a short language code of the program, compared upper-cased:
// "DE" German, "EN" and "KO" English; every other code keeps the built-in
// texts, which are English.
BerichtTexte sprache(const QString& code);

} // namespace drel::bericht
