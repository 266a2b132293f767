<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Scope of delivery</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Make:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Compressor cooling capacity:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Power input:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Power input:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Mass flow:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>at the following operating point:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Suction gas temperature:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subcooling:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerant:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequency:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessories</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Condensing temperature</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions and connections</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Illustration similar</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subcooling</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Suction gas temperature</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Evaporating temperature</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Compressor 1 frequency</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Compressor 2 frequency</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Air inlet temperature</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Superheat (evaporator)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Compressor cooling capacity</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Evaporator cooling capacity</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficient of performance (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Condensing capacity</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Intercooler outlet temperature</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerant</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Subject to change.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Performance data</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Application limits</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Scope of delivery</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Product photo</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Performance table</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* moved into the input limits</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** operating point outside the application limits</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR to Regulation (EU) 2015/1095 and EN 13215 (suction gas 20 °C, no subcooling)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Medium temperature (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Low temperature (t0 -35 °C): SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerant</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Suction gas temperature %1 %2, subcooling %3 %4, superheat %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (compressor 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8-pole</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc from the balance with the air-cooled condenser</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Rating basis</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>The check of the capacity coefficients found %1 issues; see Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Not implemented yet!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Additional cooling required</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>max. superheat 10K !</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Speed: observe the application limit!  n too high</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Speed: observe the application limit!    n too low </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: observe the application limit!    t0 too high</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: observe the application limit!    tc too high</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: observe the application limit!    t0 too low</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: observe the application limit!    tc too low</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Observe the application limits! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Reduced suction gas temp. and/or additional cooling required.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Peak speed range 3000 ... 3500 1/min, e.g. during</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>gear changes, downhill driving on overrun etc.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Maximum power input exceeded !</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>See technical data.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is write-protected</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>the name is a folder</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>nothing reads from this file</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>The file %1 cannot be written: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>larger than %1 bytes</translation>
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
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Value table</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>the picture cannot be converted</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Minimum value</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Maximum value</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Number of digits</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Number of decimals</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Chart title:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Legend 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Legend 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Legend 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Crosses</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parameters (texts)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Approximate spacing on the printout</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Left margin [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Width [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Top margin [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Height [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Bitmap quality (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Position of the parameters</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>top left</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>bottom left</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>top right</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>bottom right</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Chart type</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>normal X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Polar chart 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>logX-Y chart</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>X-logY chart</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>logX-logY chart</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Apply values</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
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
        <translation>One moment please, the databases are being prepared.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>This takes a little while.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Printer selection</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>No printer is installed.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Printer:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (default)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>Series:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerant:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Operating point:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Customer address</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Sender address</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Recipient address</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Subject</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Contact person</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Performance data</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Application limits</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Scope of delivery</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions and connections</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Product photo</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Performance table</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Create PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  air inlet </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  suction gas </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  superheat </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  subcooling </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Margin to the application limit: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Evaporating temperature t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Condensing temperature tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Catalogue %1, build %2, program %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Suction gas temperature %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Superheat %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Rating basis: %1, subcooling %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Properties of %1: no fluid file</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Properties of %1: %2 (%3), reference state %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), safety class %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Temperature glide at t0 %1 K (mean temperature %2 °C), at tc %3 K (mean temperature %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>not a number: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Article, refrigerant, t0 and tc or air are needed</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>The table is empty.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>The first row does not name the columns article, refrigerant, t0 and tc or air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>The workbook %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>no article '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 has no performance data for %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 is no condensing unit; give tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 is a condensing unit; give the air inlet</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>not computable at this point</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Data fault</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Refrigerant</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Air inlet</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Subcooling</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Superheat</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margin to the application limit</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Limit code</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>outside</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>clamped</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>rated</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>not rated</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>The workbook could not be created.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margin to the application limit</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notes</translation>
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
        <translation>no readable worksheet</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Scope of delivery</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>To Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Pictures (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Illustration similar</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>"%1" is not a number; %2 stays.</translation>
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
        <translation>Drel - Selection program</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. All rights reserved.</translation>
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
        <translation>Units</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Cooling capacity</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>The help file %1 was not found.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>The help text %1 is missing.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Search by capacity / type</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Semi-hermetic compressors</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Suction gas cooled QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>single-stage</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>two-stage</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4-pole (two speeds)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Duplex compressors</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Compressor packs with receiver</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Air-cooled condensing units</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 subcritical</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Air cooled QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Open motor compressors LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Open compressors W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Compressor packs</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>NH3 compressors</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>NH3 compressor packs</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Vehicle compressors WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Bus and rail air conditioning</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Transport refrigeration</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   and other applications</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Current types</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Swept volume at 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Sw.vol. 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Motor kW/HP</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Predecessor</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Swept volume (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Sw.vol.      </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>LP/HP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Displacement in ccm</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Click here to send an e-mail to Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>&amp;Printer selection</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Product range</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>New in this version</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel on the Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Contact Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>No further documentation of these products is listed here.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>Please contact us if you need it.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Sorry, there are no data for this article!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Search result</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Batch rating...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>&amp;Comparison...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Selection program</translation>
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
        <translation>Batch rating</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Input file:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV or XLSX: article, refrigerant, t0, tc or air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Save as CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Input file</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tables (*.csv *.xlsx);;All files (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 of %2 rows rated, %3 not rated (with the reason).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>The product data are not loaded.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Start program</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Show notes</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Start the selection program</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Selection program</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Search criteria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Start search</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Print search result</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Compressors</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Semi-hermetic compressors</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>suction gas cooled</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>air cooled</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4-pole suction gas cooled</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>two-stage suction gas cooled</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex suction gas cooled</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex air cooled</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Open compressors</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>single-stage</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>two-stage</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Vehicle compressors</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Semi-hermetic compressor packs</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>with receiver</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Semi-hermetic condensing units</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Open compressor packs</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Compressor packs</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Cooling capacity:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Enter the required cooling capacity</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Evaporating temperature:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Condensing temperature:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Air inlet temperature:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Suction gas temperature:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subcooling:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequency:</translation>
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
        <translation>Speed:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>For condensing temperatures below 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>please ask for performance data.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerant:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Cooling capacity too high</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>No larger compressor available</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Data sheet</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Show more information on this unit</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Search with or without regard to the cooling capacity.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Search for a particular compressor type.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Specify the compressor type, e.g. "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>LV and &amp;ELV motor compressors</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>also search for &amp;compound systems</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Cooling capacity</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Swept volume</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Number of compressors (and cooling capacity)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Number of compressors (and swept volume)</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>The product data are not loaded.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>No row: all %1 results are S versions, which are not shown from t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>No result: no article of these series (and type) has data for the refrigerant %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>No result: at this operating point all %1 articles lie outside their application limits.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>No result: none of the %1 articles within their application limits can be rated at this operating point.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margin to the application limit</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Compare selected (up to four)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Air inlet</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Alternative compressor</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Dock this page</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Print search result</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerant</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Compressor 1 frequency</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Compressor 2 frequency</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Evaporating temperature</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Condensing temperature</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Air inlet temperature</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subcooling</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Suction gas temperature</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Superheat (evaporator)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Intercooler outlet temperature</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Compressor cooling capacity</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Evaporator cooling capacity</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficient of performance (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Condensing capacity</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Mass flow</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Power input</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Application limits</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Scope of delivery</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions and connections</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Product photo</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Performance table</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Tender texts</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Alternative compressor</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Close alternative compressor</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Back to search</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Save as JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Moved into the input limits</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Operating point outside the application limits</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): medium temperature (t0 -10 °C) %1, low temperature (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>outside</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Reference conditions</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>for ASERCOM certification</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Explanation</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerant:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / air:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Air inlet (condensing unit)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Articles:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Save as PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Enter articles or select them in the result list.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Suction gas temperature:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Superheat:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subcooling:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Open data sheets</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Compare the articles of the open data sheets at the point of the first</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Please give the refrigerant, t0, tc (or air), suction gas temperature, superheat, subcooling and at least one article.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>No open data sheet shows an article.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Difference to the first article in %, for the margin to the application limit in K; the margin is positive inside.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Note on certification</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Return or double click for more information</translation>
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
        <translation>Step</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>t0 min</translation>
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
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Click an entry to take its data over into the fields above</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Save Excel file...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Performance data</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Save Excel file</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Excel files (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarks:</translation>
    </message>
</context>
</TS>
