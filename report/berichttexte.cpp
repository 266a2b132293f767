#include "report/berichttexte.h"

namespace drel::bericht {

namespace {

BerichtTexte deutsch() {
    return {QStringLiteral("Vorschau"),
            QStringLiteral("Drucken"),
            QStringLiteral("Seite"),
            QStringLiteral("Der Bericht hat keine sichtbare Seite."),
            QStringLiteral("Die PDF-Datei %1 kann nicht geschrieben werden."),
            QStringLiteral("Der Druck kann nicht beginnen."),
            QStringLiteral("Der Drucker %1 ist nicht installiert.")};
}

BerichtTexte englisch() {
    return {QStringLiteral("Preview"),
            QStringLiteral("Print"),
            QStringLiteral("Page"),
            QStringLiteral("The report has no visible page."),
            QStringLiteral("The PDF file %1 cannot be written."),
            QStringLiteral("Printing cannot start."),
            QStringLiteral("The printer %1 is not installed.")};
}

} // namespace

BerichtTexte sprache(const QString& code) {
    if (code.toUpper() == QLatin1String("DE"))
        return deutsch();
    return englisch();
}

} // namespace drel::bericht
