// Fixed texts of the program shell.
#pragma once

#include <QString>

namespace drel::ui {

inline const QString kTitel = QStringLiteral("Drel - Auswahlprogramm");
inline const QString kVersion = QStringLiteral("WUK 8.1");

// The version label: caption, blank, version, blank.
inline QString versionsText(const QString& caption) {
    return caption + QLatin1Char(' ') + kVersion + QLatin1Char(' ');
}

} // namespace drel::ui
