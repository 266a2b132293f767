<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Fornitura</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Marca:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Potenza frigorifera del compressore:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Potenza assorbita:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Potenza assorbita:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Portata massica:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>al seguente punto di funzionamento:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gas aspirato:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sottoraffreddamento:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Corrente assorbita:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Velocità di rotazione:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Osservazioni:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessori</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Salvato: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocità di rotazione</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura di condensazione</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Osservazioni:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensioni e attacchi</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Immagine indicativa</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Sottoraffreddamento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura gas aspirato</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura di evaporazione</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frequenza compressore 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequenza compressore 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura aria in ingresso</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Surriscaldamento (evaporatore)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Potenza frigorifera del compressore</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Potenza frigorifera dell'evaporatore</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corrente assorbita</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficiente di prestazione (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potenza di condensazione</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Portata massica</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura in uscita dal refrigeratore intermedio</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Soggetto a modifiche.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dati di prestazione</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limiti di applicazione</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Fornitura</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessori</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del prodotto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabella dati di prestazione</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* riportato nei limiti di immissione</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** punto di funzionamento fuori dai limiti di applicazione</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR secondo il regolamento (UE) 2015/1095 e la EN 13215 (gas aspirato 20 °C, senza sottoraffreddamento)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Media temperatura (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Bassa temperatura (t0 -35 °C): SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Temperatura gas aspirato %1 %2, sottoraffreddamento %3 %4, surriscaldamento %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (compressore 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8 poli</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc dal bilancio con il condensatore ad aria</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Base di calcolo</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>Il controllo dei coefficienti di potenza ha rilevato %1 anomalie; vedere Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Non ancora implementato!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Raffreddamento supplementare necessario</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>surriscaldamento max. 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Velocità di rotazione: rispettare il limite di applicazione!  n troppo alta</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Velocità di rotazione: rispettare il limite di applicazione!    n troppo bassa </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: rispettare il limite di applicazione!    t0 troppo alta</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: rispettare il limite di applicazione!    tc troppo alta</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: rispettare il limite di applicazione!    t0 troppo bassa</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: rispettare il limite di applicazione!    tc troppo bassa</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Rispettare i limiti di applicazione! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Necessari temperatura gas aspirato ridotta e/o raffreddamento supplementare.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Campo di velocità di rotazione di punta 3000 ... 3500 1/min, ad es. durante</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>cambi di marcia, discese in rilascio ecc.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Superata la potenza assorbita massima!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Vedere i dati tecnici.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>spazio su disco esaurito</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>il disco è protetto da scrittura</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>la cartella non esiste</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>il nome è una cartella</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>nessuno legge da questo file</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>Impossibile scrivere il file %1: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>nessun nome di file</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>più di %1 byte</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copia negli appunti</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Salva come bitmap</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Impostazione stampante</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Tabella valori</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>l'immagine non può essere convertita</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Asse X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Asse Y</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Valore minimo</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Valore massimo</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Numero di cifre</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Numero di decimali</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Titolo del diagramma:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Legenda 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Legenda 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Legenda 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Etichette</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linee</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Croci</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Spessore linea</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parametri (testi)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Distanze approssimative in stampa</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Margine sinistro [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Larghezza [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Margine superiore [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Altezza [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Qualità della bitmap (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Posizione dei parametri</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>in alto a sinistra</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>in basso a sinistra</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>in alto a destra</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>in basso a destra</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Tipo di grafico</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>X-Y normale</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Diagramma polare 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>Diagramma logX-Y</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>Diagramma X-logY</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>Diagramma logX-logY</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Applica valori</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Modifica</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Un momento, i database sono in preparazione.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Ci vorrà un po'.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Selezione stampante</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Nessuna stampante installata.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (predefinita)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>Serie:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Punto di funzionamento:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Indirizzo cliente</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Indirizzo mittente</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Indirizzo destinatario</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Referente</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dati di prestazione</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limiti di applicazione</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Fornitura</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessori</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensioni e attacchi</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del prodotto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabella dati di prestazione</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  ingresso aria </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  gas aspirato </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  surriscaldamento </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  sottoraffreddamento </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Margine dal limite di applicazione: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Temperatura di evaporazione t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Temperatura di condensazione tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Catalogo %1, build %2, programma %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Temperatura gas aspirato %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Surriscaldamento %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Base di calcolo: %1, sottoraffreddamento %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Proprietà di %1: nessun file del fluido</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Proprietà di %1: %2 (%3), stato di riferimento %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), classe di sicurezza %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Glide di temperatura a t0 %1 K (temperatura media %2 °C), a tc %3 K (temperatura media %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>non è un numero: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Servono articolo, refrigerante, t0 e tc o aria</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>La tabella è vuota.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>La prima riga non nomina le colonne article, refrigerant, t0 e tc o air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere il file %1: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>Impossibile leggere la cartella di lavoro %1: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>nessun articolo '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 non ha dati di prestazione per %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 non è un'unità condensatrice; indicare tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 è un'unità condensatrice; indicare l'aria</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>non calcolabile in questo punto</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Errore nei dati</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Articolo</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Ingresso aria</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Sottoraffreddamento</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Surriscaldamento</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margine dal limite di applicazione</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Codice limite</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>fuori limiti</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>limitato</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>calcolato</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>non calcolato</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sì</translation>
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
        <translation>Impossibile creare la cartella di lavoro.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Grandezza</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margine dal limite di applicazione</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Note</translation>
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
        <translation>nessun foglio di lavoro leggibile</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Fornitura</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessori</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>In Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Immagini (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Immagine indicativa</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>"%1" non è un numero; resta %2.</translation>
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
        <translation>Drel - Programma di selezione</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Tutti i diritti riservati.</translation>
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
        <translation>Unità</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Potenza frigorifera</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>Il file della guida %1 non è stato trovato.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>Il testo di aiuto %1 non è disponibile.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Ricerca per potenza / tipo</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compressori semiermetici</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Raffreddato dal gas aspirato QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>monostadio</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>bistadio</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4 poli (due velocità di rotazione)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Compressori duplex</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Gruppi compressori con ricevitore</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Unità condensatrici ad aria</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 subcritico</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Raffreddato ad aria QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Motocompressori aperti LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Compressori aperti W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Gruppi compressori</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Compressori NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Gruppi compressori NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Compressori per veicoli WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Climatizzazione bus e treni</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Refrigerazione per trasporti</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   e altre applicazioni</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Tipi attuali</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Volume spostato a 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Vol. sp. 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Motore kW/CV</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Tipo precedente</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Volume spostato (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Vol. sp.     </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>BP/AP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Cilindrata in cm3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Fare clic qui per inviare un'e-mail a Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Scelta &amp;stampante</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Gamma prodotti</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Novità di questa versione</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel su Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Contatta Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>Informazioni ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Qui non è disponibile altra documentazione su questi prodotti.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>Se necessaria, siete pregati di richiederla.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Spiacenti, non ci sono dati per questo articolo!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Calcolo in serie...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>C&amp;onfronto...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programma di selezione</translation>
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
        <translation>Calcolo in serie</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>File di input:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV o XLSX: article, refrigerant, t0, tc o air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Salva come CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>File di input</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tabelle (*.csv *.xlsx);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 di %2 righe calcolate, %3 non calcolate (con il motivo).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>I dati dei prodotti non sono caricati.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Avvio del programma</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Mostra note</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Avvia il programma di selezione</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programma di selezione</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Criteri di ricerca</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Avvia ricerca</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Stampa risultato della ricerca</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Compressori</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Gruppi</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compressori semiermetici</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>raffreddato dal gas aspirato</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>raffreddato ad aria</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4 poli, raffreddato dal gas aspirato</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>bistadio, raffreddato dal gas aspirato</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex raffreddato dal gas aspirato</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex raffreddato ad aria</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Compressori aperti</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>monostadio</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>bistadio</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Compressori per veicoli</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Gruppi compressori semiermetici</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>con ricevitore di liquido</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Unità condensatrici semiermetiche</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Gruppi compressori aperti</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Gruppi compressori</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Potenza frigorifera:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Inserire la potenza frigorifera richiesta</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Temperatura di evaporazione:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Temperatura di condensazione:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Temperatura aria in ingresso:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gas aspirato:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sottoraffreddamento:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequenza:</translation>
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
        <translation>Velocità di rotazione:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Per temperature di condensazione inferiori a 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>si prega di richiedere i dati di prestazione.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Potenza frigorifera troppo alta</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Nessun compressore più grande disponibile</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Scheda tecnica</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Mostra altre informazioni su questo apparecchio</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Cerca tenendo conto o no della potenza frigorifera.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Ricerca di un tipo di compressore specifico.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Specificare il tipo di compressore, ad es.: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Motocompressori LV ed &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>cerca anche &amp;centrali frigorifere</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Ordina per:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Potenza frigorifera</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Volume spostato</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Numero di compressori (e potenza frigorifera)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Numero di compressori (e volume spostato)</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>I dati dei prodotti non sono caricati.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Nessuna riga: tutti i %1 risultati sono versioni S, che non vengono mostrate da t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Nessun risultato: nessun articolo di queste serie (e di questo tipo) ha dati per il refrigerante %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Nessun risultato: in questo punto di funzionamento tutti i %1 articoli sono fuori dai loro limiti di impiego.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Nessun risultato: nessuno dei %1 articoli entro i limiti di impiego è calcolabile in questo punto di funzionamento.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margine dal limite di applicazione</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Confronta i selezionati (fino a quattro)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Ingresso aria</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Compressore alternativo</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Aggancia questa pagina</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Stampa risultato della ricerca</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frequenza compressore 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocità di rotazione</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequenza compressore 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura di evaporazione</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura di condensazione</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura aria in ingresso</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Sottoraffreddamento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura gas aspirato</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Surriscaldamento (evaporatore)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura in uscita dal refrigeratore intermedio</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Potenza frigorifera del compressore</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Potenza frigorifera dell'evaporatore</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corrente assorbita</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficiente di prestazione (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potenza di condensazione</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Portata massica</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potenza assorbita</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dati tecnici</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limiti di applicazione</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Fornitura</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessori</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensioni e attacchi</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del prodotto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabella dati di prestazione</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Testi di capitolato</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Compressore alternativo</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Chiudi compressore alternativo</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Torna alla ricerca</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Salva come JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>File JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Riportato nei limiti di immissione</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Punto di funzionamento fuori dai limiti di applicazione</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): media temperatura (t0 -10 °C) %1, bassa temperatura (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>fuori limite</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Condizioni di riferimento</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>per la certificazione ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Spiegazione</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / aria:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Ingresso aria (unità condensatrice)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Articoli:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Salva come PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Inserire gli articoli o selezionarli nell'elenco dei risultati.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gas aspirato:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Surriscaldamento:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sottoraffreddamento:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Schede tecniche aperte</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Confrontare gli articoli delle schede tecniche aperte al punto della prima</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Indicare refrigerante, t0, tc (o aria), temperatura gas aspirato, surriscaldamento, sottoraffreddamento e almeno un articolo.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Nessuna scheda tecnica aperta mostra un articolo.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Differenza dal primo articolo in %, per il margine dal limite di applicazione in K; il margine è positivo all'interno.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Nota sulla certificazione</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Invio o doppio clic per ulteriori informazioni</translation>
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
        <translation>Passo</translation>
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
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Fare clic su una voce per riportarne i dati nei campi sopra</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Salva come CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Salva file Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dati di prestazione</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Salva come CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Salva file Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>File Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Osservazioni:</translation>
    </message>
</context>
</TS>
