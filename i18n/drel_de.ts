<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Lieferumfang</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Technische Daten</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Fabrikat:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Verdichterkälteleistung:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Antriebsleistung:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Leistungsaufnahme:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Massenstrom:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>bei folgendem Betriebspunkt:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Sauggastemperatur:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Unterkühlung:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Kältemittel:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Stromaufnahme:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Drehzahl:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Zubehör</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Verflüssigungstemperatur</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Maße und Anschlüsse</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Abbildung ähnlich</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Unterkühlung</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Sauggastemperatur</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Verdampfungstemperatur</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frequenz Verdichter 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequenz Verdichter 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Lufteintrittstemperatur</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Überhitzung (Verdampfer)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Verdichterkälteleistung</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Verdampferkälteleistung</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Antriebsleistung</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Leistungsaufnahme</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Stromaufnahme</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Kälteleistungszahl (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Verflüssigungsleistung</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatur am Zwischenkühleraustritt</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Änderungen vorbehalten.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Leistungsdaten</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Techn. Daten</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Einsatzgrenzen</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Lieferumfang</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Produktfoto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabelle Leistungsdaten</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* in die Eingabegrenzen verschoben</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** Betriebspunkt außerhalb der Einsatzgrenzen</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkühlung)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Normalkühlung (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Tiefkühlung (t0 -35 °C): SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Sauggastemperatur %1 %2, Unterkühlung %3 %4, Überhitzung %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (Verdichter 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8-polig</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc aus der Bilanz mit dem Luftkondensator</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Berechnungsgrundlage</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Noch nicht implementiert!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Zusatzkühlung erforderlich</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>max. Überhitzung 10K !</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Drehzahl: Einsatzgrenze beachten !  n zu groß</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Drehzahl: Einsatzgrenze beachten !    n zu klein </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: Einsatzgrenze beachten !    t0 zu groß</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: Einsatzgrenze beachten !    tc zu groß</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: Einsatzgrenze beachten !    t0 zu klein</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: Einsatzgrenze beachten !    tc zu klein</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Einsatzgrenze beachten ! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Reduzierte Sauggastemp. und/oder Zusatzkühlung nötig.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>Schaltvorgängen, Bergabfahrten im Schubbetrieb usw.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Maximale Leistungsaufnahme überschritten !</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Siehe Technische Daten.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>kein Platz mehr auf dem Datenträger</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>der Name ist ein Ordner</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>niemand liest von dieser Datei</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copy to Clipboard</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Save as Bitmap</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>Printer &amp;Setup</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Werte-Tabelle</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>das Bild kann nicht umgewandelt werden</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Y-Achse</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Minimum-Wert</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Maximum-Wert</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Anzahl Dezimalstelle</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Anzahl Nachkommastellen</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Diagramm Titel:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Legende 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Legende 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Legende 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Beschriftungen</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Kreuze</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parameter (Texte)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>ungefähre Abstände beim Ausdruck</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Linker Rand [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Breite [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Oberer Rand [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Höhe [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Qualität des Bitmaps (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Position der Parameter</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>links oben</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>links unten</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>rechts oben</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>rechts unten</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Art der Grafik</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>normal X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Kreisdiagramm 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>logX-Y-Diagramm</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>X-logY-Diagramm</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>logX-logY-Diagramm</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Werte übernehmen</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Moment bitte, die Datenbanken werden vorbereitet.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Dies dauert ein wenig.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Druckerauswahl</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (Standard)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>Baureihen:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Kältemittel:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Betriebspunkt:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Kundenadresse</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Absender-Adresse</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Empfänger-Adresse</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Zuständig</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Leistungsdaten</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Technische Daten</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Einsatzgrenzen</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Lieferumfang</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Maße und Anschlüsse</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Produktfoto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabelle Leistungsdaten</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  Lufteintritt </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  Sauggas </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  Überhitzung </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  Unterkühlung </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Abstand zur Einsatzgrenze: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Verdampfungstemperatur t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Verflüssigungstemperatur tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Katalog %1, Build %2, Programm %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Sauggastemperatur %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Überhitzung %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Bemessung: %1, Unterkühlung %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Stoffwerte %1: keine Stoffdatei</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Stoffwerte %1: %2 (%3), Bezugszustand %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>keine Zahl: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Artikel, Kältemittel, t0 und tc oder Luft sind nötig</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>Die Tabelle ist leer.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>kein Artikel '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 hat keine Leistungsdaten für %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 ist kein Verflüssigungssatz; tc angeben</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 ist ein Verflüssigungssatz; Luft angeben</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>an diesem Punkt nicht berechenbar</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Datenfehler</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Lufteintritt</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Unterkühlung</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Überhitzung</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Abstand zur Einsatzgrenze</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Grenzcode</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>außerhalb</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>begrenzt</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nein</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>Die Arbeitsmappe konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Abstand zur Einsatzgrenze</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Diff.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>kein lesbares Arbeitsblatt</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Technische Daten</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Lieferumfang</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>Zu Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Maß</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Bilder (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Abbildung ähnlich</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>„%1“ ist keine Zahl; es bleibt %2.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Auswahlprogramm</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmEinheiten</name>
    <message>
        <source>Einheiten</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Kälteleistung</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Antriebsleistung</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>Der Hilfetext %1 ist nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Suche nach Leistung / Typ</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Halbhermetische Verdichter</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Sauggasgekühlt QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>einstufig</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>zweistufig</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4polig (zwei Drehzahlen)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Duplex Verdichter</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Verdichtersätze mit Sammler</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Verflüssigungssätze luftgekühlt</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 subkritisch</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Luftgekühlt QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Offene Motorverdichter LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Offene Verdichter W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Verdichtersätze</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>NH3-Verdichter</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>NH3-Verdichtersätze</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Fahrzeugverdichter WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Bus- und Bahnklimatisierung</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Transportkühlung</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   und andere Anwendungen</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Aktuelle Typen</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Hubvolumen bei 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Hubv 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Motor KW/PS</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Vorgängertyp</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Hubvolumen (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Hubv         </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>LP/HP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Hubraum in ccm</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Klicken Sie hier, um eine E-Mail an Drel zu senden</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>&amp;Druckerauswahl</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Lieferprogramm</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Neu in dieser Version</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel im Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Kontakt zu Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Von diesen Produkten sind hier keine weiteren Dokumentationen</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>aufgeführt. Im Bedarfsfall bitten wir um Anfrage.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Leider sind zu diesem Artikel keine Daten vorhanden !!!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Reihenberechnung...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>&amp;Vergleich...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Auswahlprogramm</translation>
    </message>
    <message>
        <source>R410A, R32</source>
        <translation>R410A, R32</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmReihe</name>
    <message>
        <source>Reihenberechnung</source>
        <translation>Reihenberechnung</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Eingabedatei:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Speichern als CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Eingabedatei</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Die Produktdaten sind nicht geladen.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Hinweise zeigen</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Auswahlprogramm starten</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Auswahlprogramm</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Suchkriterien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Suche starten</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Suchergebnis drucken</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Verdichter</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Aggregate</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Halbhermetische Verdichter</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>sauggasgekühlt</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>luftgekühlt</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4-polig sauggasgekühlt</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>zweistufig sauggasgekühlt</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex sauggasgekühlt</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex luftgekühlt</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Offene Verdichter</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>einstufig</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>zweistufig</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Fahrzeugverdichter</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Halbhermetische Verdichtersätze</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>mit Sammler</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Halbhermetische Verflüssigungssätze</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Offene Verdichtersätze</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Verdichtersätze</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Kälteleistung:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Gewünschte Kälteleistung eingeben</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Verdampfungstemperatur:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Verflüssigungstemperatur:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Lufteintrittstemperatur:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Sauggastemperatur:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Unterkühlung:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Hz</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Drehzahl:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Für Verflüssigungstemperaturen unterhalb 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>Leistungsdaten bitte anfragen.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Kältemittel:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Kälteleistung zu groß</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Kein größerer Verdichter verfügbar</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Nähere Information zu diesem Gerät zeigen</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Mit/ohne Berücksichtigung der Kälteleistung suchen.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Suche nach einem bestimmten Verdichtertyp.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Verdichtertyp spezifizieren z.B.: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>LV- und &amp;ELV- Motor- Verdichter</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>auch nach &amp;Verbundanlagen suchen</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Sortierkriterien:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Kälteleistung</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Hubvolumen</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Anzahl von Verdichtern (und Kälteleistung)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Anzahl von Verdichtern (und Hubvolumen)</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Die Produktdaten sind nicht geladen.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Abstand Grenze</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Abstand zur Einsatzgrenze</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Markierte vergleichen (bis zu vier)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Lufteintritt</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Technische Daten</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Alternativer Verdichter</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Diese Seite einklinken</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Suchergebnis drucken</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Kältemittel</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V S 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frequenz Verdichter 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequenz Verdichter 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Verdampfungstemperatur</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Verflüssigungstemperatur</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Lufteintrittstemperatur</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Unterkühlung</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Sauggastemperatur</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Überhitzung (Verdampfer)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatur am Zwischenkühleraustritt</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Verdichterkälteleistung</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Verdampferkälteleistung</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Leistungsaufnahme</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Stromaufnahme</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Kälteleistungszahl (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Verflüssigungsleistung</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Antriebsleistung</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Techn. Daten</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Einsatzgrenzen</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Lieferumfang</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Zubehör</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Maße und Anschlüsse</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Produktfoto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabelle Leistungsdaten</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Ausschreibungstexte</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Alternativ-Verdichter</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Alternativ-Verdichter schließen</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Zurück zur Suche</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Speichern als JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>In die Eingabegrenzen verschoben</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Betriebspunkt außerhalb der Einsatzgrenzen</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): Normalkühlung (t0 -10 °C) %1, Tiefkühlung (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>außerhalb</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Referenzbedingungen</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>für ASERCOM-Zertifizierung</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Erläuterung</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Kältemittel:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / Luft:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Lufteintritt (Verflüssigungssatz)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Artikel:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Speichern als PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Artikel eingeben oder in der Ergebnisliste markieren.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Sauggastemperatur:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Überhitzung:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Unterkühlung:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Offene Datenblätter</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Die Artikel der offenen Datenblätter am Punkt des ersten vergleichen</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Bitte Kältemittel, t0, tc (oder Luft), Sauggastemperatur, Überhitzung, Unterkühlung und mindestens einen Artikel angeben.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Kein offenes Datenblatt zeigt einen Artikel.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Hinweis zur Zertifizierung</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Return oder Doppelklick für nähere Informationen</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>to min</translation>
    </message>
    <message>
        <source>tc min</source>
        <translation>tc min</translation>
    </message>
    <message>
        <source>tle min</source>
        <translation>tle min</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Klicken Sie einen Eintrag an, um die Daten oben zu übernehmen</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>CSV speichern...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Excel-Datei speichern...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>In Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Leistungsdaten</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Excel-Datei speichern</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Excel-Dateien (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Bemerkungen:</translation>
    </message>
</context>
</TS>
