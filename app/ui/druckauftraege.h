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
// The search result list in the report, shown in the preview (which prints and saves
// it as PDF); `kopf` is the search it answers: series, refrigerant, operating point.
void ergebnisDrucken(const QList<QStringList>& raster, const QString& seite,
                     const QStringList& kopf, QWidget* eltern);

} // namespace drel::ui
