// Texts of the sample catalogue: technical data, scope of delivery, accessories,
// connections, certificates, legends, text resources and group descriptions.
#pragma once

#include "tools/catalogue/katalog.h"

namespace drel::katalog {

// Legend IDs of the application-limit diagram.
constexpr int kLegendeReduziert = 4;
constexpr int kLegendeZusatzkuehlung = 5;
int legendeBlau(const Sauggas& sauggas, int gruppe);

// Text resource of the R410A and R744 note on the printed data sheet.
constexpr int kTextResourceKaeltemittelHinweis = 316;

Text10 gruppenKurztext(const Gruppe& g);
Text10 gruppenLangtext(const Gruppe& g);
QStringList kaeltemittelNamen(const QString& ashrae);
int ausschreibungstextId(const Artikel& a);
void informationstexte(Satz& leistung, const QString& kaeltemittel);

void technischeDatenSchreiben(Katalog& k);
void lieferumfangUndZubehoerSchreiben(Katalog& k);
void anschluesseSchreiben(Katalog& k);
void zertifikateSchreiben(Katalog& k);
void legendenUndTexteSchreiben(Katalog& k);

} // namespace drel::katalog
