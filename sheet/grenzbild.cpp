#include "sheet/grenzbild.h"

namespace drel::sheet {

chart::Zeichnung grenzZeichnung(const GrenzDiagramm& diagramm) {
    if (!diagramm.gezeichnet())
        return {};
    chart::ChartDaten kopie = diagramm.daten();
    return chart::zeichnen(kopie, kDiagrammGroesse);
}

QImage grenzBild(const GrenzDiagramm& diagramm, QSize groesse) {
    if (!diagramm.gezeichnet())
        return {};
    chart::ChartDaten kopie = diagramm.daten();
    return chart::zeichnen(kopie, groesse).anzeige;
}

} // namespace drel::sheet
