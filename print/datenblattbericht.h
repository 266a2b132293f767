// The printed data sheet: a letter of up to eight pages, one per section the
// user ticked, each with the letter frame; the letter head (subject, letter text,
// type block) prints once, on the first printed page.
#pragma once

#include "print/datenblattinhalt.h"
#include "print/druckauswahl.h"
#include "report/bericht.h"

#include <QSize>
#include <memory>

namespace drel::print {

// The report `frxReport1` with its pages Page1 … Page8, filled for the selection
// (frxReportFelderFuellen). Pages of sections not in the selection are hidden.
std::unique_ptr<bericht::Bericht> datenblattBericht(const Druckauswahl& auswahl,
                                                    const DatenblattInhalt& inhalt);

// The page of a section ("Page1" … "Page8").
QString seitenName(Abschnitt abschnitt);

// Whether the page of `abschnitt` carries the letter head: no section before it
// in page order is printed.
bool mitBriefkopf(const Druckauswahl& auswahl, Abschnitt abschnitt);

// Size of the dimension drawing on the printed page, in pixels: a drawing more than
// 500 pixels high is printed 500 high and trunc(width / height × 500) wide, any
// other keeps its own size.
QSize masseBildGroesse(QSize zeichnung);

// Width of the photo object for its height, keeping the photo's aspect ratio.
int fotoBreite(int hoehe, QSize foto);

// Shrinks a picture size (report units) to `breite`, keeping its aspect ratio,
// when it is wider; a printed picture never runs over the paper's edge.
QSizeF aufBreite(QSizeF groesse, double breite);

} // namespace drel::print
