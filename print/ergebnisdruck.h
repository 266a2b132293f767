// The printout of the search result list: the grid's heading and rows as a report
// with a page header, one data line per grid row and the page number in the footer.
#pragma once

#include "report/bericht.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace drel::print {

// The grid as it stands: row 0 is the heading, rows 1.. the results; a row may
// have fewer than six cells (missing cells print empty).
using DruckRaster = std::vector<QStringList>;

// What heads the printout besides the report's title: the search the list answers.
// Empty parts print nothing.
struct ErgebnisKopf {
    QString baureihen;     // the ticked series, as the window names them
    QString kaeltemittel;  // the refrigerant searched
    QString betriebspunkt; // the operating point in the window's units
    QString datum;         // the day of the printout in the language's form
};

// The report definition of the printout (page `Page1`, bands `PageHeader1`,
// `MasterData1`, `PageFooter1`, memos `Memo1` to `Memo14` of the grid, `Memo15` to
// `Memo19` of the head: logo, title, date, series and refrigerant, operating point),
// still without texts.
std::unique_ptr<bericht::Bericht> ergebnisBerichtAnlegen();

// Fills the report from the grid: the head (title, `kopf`), headings, one data line
// per data row (one empty line when the grid has none) and the caption of the page
// label (`seite`). Fill again before every layout (the data band counts its rows from
// 1); the raster must outlive the layout of the report.
void ergebnisBerichtFuellen(bericht::Bericht& bericht, const DruckRaster& raster,
                            const QString& seite, const ErgebnisKopf& kopf = {});

} // namespace drel::print
