// The user-interface language: the translator's language number (1 to 10) and its
// two-letter code, which names the per-language files and product-table columns.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <array>

namespace drel {

struct SprachEintrag {
    int nummer;
    const char* menuName; // objectName of the language menu item
    const char* menuText; // menu caption
    const char* code;     // two-letter code
};

// The ten languages in the order of the language menu.
const std::array<SprachEintrag, 10>& sprachTabelle();

// Code of a language number: the table for 1 to 10, "En" above 10, "De" otherwise.
QString sprachCode(int nummer);

struct Sprache {
    int nummer = 1;                          // translator language
    QString kurzCode = QStringLiteral("De"); // short-string copy, builds file names
    QString code = QStringLiteral("De");     // ordinary copy, builds column names

    // Sets the number and both codes from it.
    void setzen(int neueNummer);
};

// The program-wide language state.
Sprache& sprache();

// The locale of a language code ("De", "En", …, "Cn", "Ko"): dates and the like in a
// letter follow the program's language, not the machine's.
QLocale sprachLocale(const QString& code);

// The date of a letter as the language writes it out, without the weekday: German
// "10. Dezember 2026", English "10 December 2026", Russian "10 декабря 2026 г.".
QString briefDatum(const QDate& datum, const QString& code);

// A menu title as the main menu bar carries it: Korean and Chinese titles end in a
// four-character accelerator such as "(&X)", which the bar does not repeat. A title
// without one stays whole (cutting four characters blanked "附加" and "기타").
QString menueLeistenTitel(const QString& titel, const QString& kurzCode);

} // namespace drel
