<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Guardar como mapa de bits</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configurar impresora</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Tabla de valores</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Eje X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Eje Y</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Valor mínimo</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Valor máximo</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Número de dígitos</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Número de decimales</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Título del diagrama:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Leyenda 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Leyenda 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Leyenda 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Cruces</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parámetros (textos)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Distancias aproximadas en la impresión</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Margen izquierdo [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Ancho [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Margen superior [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Alto [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Calidad del mapa de bits (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Posición de los parámetros</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>arriba a la izquierda</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>abajo a la izquierda</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>arriba a la derecha</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>abajo a la derecha</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>X-Y normal</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Diagrama polar 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>Diagrama logX-Y</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>Diagrama X-logY</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>Diagrama logX-logY</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Aplicar valores</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edición</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drucker:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Betreff</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zustandig</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Technische Daten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zubehor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Produktfoto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Seite</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vorschau</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drucker</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Beschreibung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zubehor</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmEinheiten</name>
    <message>
        <source>Einheiten</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temperatur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Búsqueda por potencia / tipo</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compresores semiherméticos</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Refrigerado por gas de aspiración QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>de una etapa</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>de dos etapas</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4 polos (dos velocidades)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Compresores dúplex</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Grupos compresores con recipiente</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Unidades condensadoras por aire</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 subcrítico</translation>
    </message>
    <message>
        <source>R410A</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Refrigerado por aire QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Motocompresores abiertos LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Compresores abiertos W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Grupos compresores</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Compresores NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Grupos compresores NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Compresores para vehículos WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Climatización de autobuses y trenes</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Refrigeración de transporte</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   y otras aplicaciones</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chino</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Tipos actuales</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Volumen desplazado a 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Motor kW/CV</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Tipo anterior</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Volumen desplazado (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>LP/HP</source>
        <translation>BP/AP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Cilindrada en cm3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Selección de &amp;impresora</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Novedades de esta versión</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel en Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Contactar con Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copyright</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Lo sentimos, no hay datos para este artículo.</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Suche starten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Aggregate</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compresores semiherméticos</translation>
    </message>
    <message>
        <source>QN</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>QL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>QNT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>EQN</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>EQL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>einstufig</source>
        <translation>de una etapa</translation>
    </message>
    <message>
        <source>WT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>zweistufig</source>
        <translation>de dos etapas</translation>
    </message>
    <message>
        <source>WY</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CQN</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>mit Sammler</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>CQL</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>WEY</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Grupos compresores</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>toh</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frequenz:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>50 Hz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>60 Hz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Datenblatt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Qo   </source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Seite</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Das Drucken des Datenblatts ist noch nicht verfügbar</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Motor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frequenz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drehzahl</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1/min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Massenstrom</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drehmoment</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Nm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Zubehor</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Produktfoto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Extras</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Abstand</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>to min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tc min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>tle min</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Berechnen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>
