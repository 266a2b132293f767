// The painted picture of a data sheet's application-limit diagram, for the window
// and the printout.
#pragma once

#include "chart/chartzeichner.h"
#include "sheet/grenzdiagramm.h"

namespace drel::sheet {

// The diagram as the sheet shows it (kDiagrammGroesse); not drawn when the model
// has no point to show.
chart::Zeichnung grenzZeichnung(const GrenzDiagramm& diagramm);

// The diagram with its axis captions at `groesse` (for the printout); empty when
// the model has no point to show.
QImage grenzBild(const GrenzDiagramm& diagramm, QSize groesse);

} // namespace drel::sheet
