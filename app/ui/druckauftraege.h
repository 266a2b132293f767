// What the main window prints: a data sheet through the print window, and the search
// result list through the preview.
#pragma once

#include "search/ergebnisliste.h"

#include <QString>

class QWidget;

namespace drel::ui {

class TFrmTechnik;

// The sheet's print button: the print window prints this sheet.
void blattDrucken(TFrmTechnik& blatt);
// The search result list in the report, shown in the preview (which prints and exports).
void ergebnisDrucken(const QList<QStringList>& raster, const QString& seite, QWidget* eltern);

} // namespace drel::ui
