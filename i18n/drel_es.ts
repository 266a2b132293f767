<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Volumen de suministro</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Datos técnicos</translation>
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
        <translation>Potencia frigorífica del compresor:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Potencia absorbida:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Potencia absorbida:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Caudal másico:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>en el siguiente punto de funcionamiento:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura del gas de aspiración:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subenfriamiento:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Corriente absorbida:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Velocidad de giro:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accesorios</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Guardado: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocidad de giro</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura de condensación</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensiones y conexiones</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Imagen orientativa</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subenfriamiento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura del gas de aspiración</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura de evaporación</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frecuencia del compresor 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frecuencia del compresor 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura de entrada del aire</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Recalentamiento (evaporador)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Potencia frigorífica del compresor</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Potencia frigorífica del evaporador</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corriente absorbida</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coeficiente de rendimiento (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potencia de condensación</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Caudal másico</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura a la salida del enfriador intermedio</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Sujeto a cambios.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Datos de rendimiento</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Límites de aplicación</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Volumen de suministro</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del producto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabla de rendimiento</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* llevado a los límites de entrada</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** punto de funcionamiento fuera de los límites de aplicación</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR según el Reglamento (UE) 2015/1095 y la EN 13215 (gas de aspiración 20 °C, sin subenfriamiento)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Media temperatura (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Baja temperatura (t0 -35 °C): SEPR %1 (%2)</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Temperatura del gas de aspiración %1 %2, subenfriamiento %3 %4, recalentamiento %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (compresor 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8 polos</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc a partir del balance con el condensador de aire</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Base de cálculo</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>La comprobación de los coeficientes de potencia encontró %1 incidencias; véase Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>¡Aún no implementado!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Refrigeración adicional necesaria</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>¡recalentamiento máx. 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Velocidad de giro: ¡respete el límite de aplicación!  n demasiado alta</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Velocidad de giro: ¡respete el límite de aplicación!    n demasiado baja </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: ¡respete el límite de aplicación!    t0 demasiado alta</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: ¡respete el límite de aplicación!    tc demasiado alta</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: ¡respete el límite de aplicación!    t0 demasiado baja</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: ¡respete el límite de aplicación!    tc demasiado baja</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>¡Respete los límites de aplicación! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Se requiere menor temperatura del gas de aspiración y/o refrigeración adicional.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Rango de velocidad de giro punta 3000 ... 3500 1/min, p. ej. en</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>cambios de marcha, descensos con freno motor, etc.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>¡Potencia absorbida máxima superada!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Véanse los datos técnicos.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>el disco está protegido contra escritura</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>el nombre es una carpeta</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>nadie lee de este archivo</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>ningún nombre de archivo</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>más de %1 bytes</translation>
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
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>la imagen no se puede convertir</translation>
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
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancelar</translation>
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
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Un momento, se están preparando las bases de datos.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Esto tarda un poco.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Selección de impresora</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (predeterminada)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Punto de funcionamiento:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Dirección del cliente</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Dirección del remitente</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Dirección del destinatario</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Datos de rendimiento</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Límites de aplicación</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Volumen de suministro</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensiones y conexiones</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del producto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabla de rendimiento</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Impresora</translation>
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
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  entrada de aire </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  gas de aspiración </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  recalentamiento </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  subenfriamiento </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Margen hasta el límite de aplicación: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Temperatura de evaporación t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Temperatura de condensación tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Catálogo %1, build %2, programa %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Temperatura del gas de aspiración %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Recalentamiento %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Base de cálculo: %1, subenfriamiento %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Propiedades de %1: sin archivo de fluido</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Propiedades de %1: %2 (%3), estado de referencia %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: PCA %2 (AR4), %3 (AR5), clase de seguridad %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Deslizamiento de temperatura a t0 %1 K (temperatura media %2 °C), a tc %3 K (temperatura media %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>no es un número: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Se necesitan artículo, refrigerante, t0 y tc o aire</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>La tabla está vacía.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>La primera fila no nombra las columnas article, refrigerant, t0 y tc o air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>No se puede leer el libro %1: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>ningún artículo '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 no tiene datos de rendimiento para %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 no es una unidad condensadora; indique tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 es una unidad condensadora; indique el aire</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>no calculable en este punto</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Refrigerante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>Entrada de aire</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Subenfriamiento</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Recalentamiento</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margen hasta el límite de aplicación</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Código de límite</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>fuera de límites</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>limitado</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>calculado</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>no calculado</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sí</translation>
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
        <translation>No se pudo crear el libro de trabajo.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margen hasta el límite de aplicación</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Dif.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>ninguna hoja de cálculo legible</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Volumen de suministro</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>A Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Imágenes (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Imagen orientativa</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>"%1" no es un número; se mantiene %2.</translation>
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
        <translation>Drel - Programa de selección</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Potencia frigorífica</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
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
        <translation>No se encontró el archivo de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>El texto de ayuda %1 no existe.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
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
        <translation>8/4 polos (dos velocidades de giro)</translation>
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
        <translation>Vol. desp. 50Hz</translation>
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
        <translation>Vol. desp.   </translation>
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
        <translation>Haga clic aquí para enviar un correo electrónico a Drel</translation>
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
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Gama de productos</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
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
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Aquí no hay más documentación de estos productos.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>Si la necesita, consúltenos.</translation>
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
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Cálculo en serie...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>C&amp;omparación...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programa de selección</translation>
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
        <translation>Cálculo en serie</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Archivo de entrada:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV o XLSX: article, refrigerant, t0, tc o air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Guardar como CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Archivo de entrada</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tablas (*.csv *.xlsx);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 de %2 filas calculadas, %3 sin calcular (con el motivo).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Los datos de producto no están cargados.</translation>
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
        <translation>Inicio del programa</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Mostrar notas</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Iniciar el programa de selección</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programa de selección</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Criterios de búsqueda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Iniciar búsqueda</translation>
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
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimir resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Compresores</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Equipos</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compresores semiherméticos</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>refrigerado por gas de aspiración</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>refrigerado por aire</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4 polos, refrigerado por gas de aspiración</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>de dos etapas, refrigerado por gas de aspiración</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex refrigerado por gas de aspiración</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex refrigerado por aire</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Compresores abiertos</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>de una etapa</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>de dos etapas</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Compresores para vehículos</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Grupos compresores semiherméticos</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>con recipiente de líquido</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Unidades condensadoras semiherméticas</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Grupos compresores abiertos</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Grupos compresores</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Potencia frigorífica:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Introduzca la potencia frigorífica deseada</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Temperatura de evaporación:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Temperatura de condensación:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Temperatura de entrada del aire:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura del gas de aspiración:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subenfriamiento:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frecuencia:</translation>
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
        <translation>Velocidad de giro:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Para temperaturas de condensación inferiores a 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>solicite los datos de rendimiento.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Refrigerante:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Potencia frigorífica demasiado alta</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>No hay ningún compresor mayor</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Mostrar más información sobre este equipo</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Buscar teniendo en cuenta o no la potencia frigorífica.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Búsqueda de un tipo de compresor concreto.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Especifique el tipo de compresor, p. ej.: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Motocompresores LV y &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>buscar también &amp;centrales frigoríficas</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Potencia frigorífica</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Volumen desplazado</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Número de compresores (y potencia frigorífica)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Número de compresores (y volumen desplazado)</translation>
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
        <translation>Los datos de producto no están cargados.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Ninguna fila: los %1 resultados son todos versiones S, que no se muestran a partir de t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Ningún resultado: ningún artículo de estas series (y de este tipo) tiene datos para el refrigerante %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Ningún resultado: en este punto de funcionamiento los %1 artículos están todos fuera de sus límites de aplicación.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Ningún resultado: ninguno de los %1 artículos dentro de sus límites de aplicación se puede calcular en este punto de funcionamiento.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margen hasta el límite de aplicación</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Comparar seleccionados (hasta cuatro)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Entrada de aire</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Compresor alternativo</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Acoplar esta página</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimir resultado de la búsqueda</translation>
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
        <translation>Motor</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frecuencia del compresor 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocidad de giro</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frecuencia del compresor 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura de evaporación</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura de condensación</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura de entrada del aire</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subenfriamiento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura del gas de aspiración</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Recalentamiento (evaporador)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura a la salida del enfriador intermedio</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Potencia frigorífica del compresor</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Potencia frigorífica del evaporador</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corriente absorbida</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coeficiente de rendimiento (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potencia de condensación</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Caudal másico</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potencia absorbida</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Par</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Datos técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Límites de aplicación</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Volumen de suministro</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accesorios</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensiones y conexiones</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Foto del producto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabla de rendimiento</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Textos de licitación</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Compresor alternativo</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Cerrar compresor alternativo</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Volver a la búsqueda</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Guardar como JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>Archivos JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Llevado a los límites de entrada</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Punto de funcionamiento fuera de los límites de aplicación</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): media temperatura (t0 -10 °C) %1, baja temperatura (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>fuera</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Condiciones de referencia</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>para la certificación ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Explicación</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparación</translation>
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
        <translation>tc / aire:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Entrada de aire (unidad condensadora)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Artículos:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Guardar como PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Introduzca artículos o selecciónelos en la lista de resultados.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura del gas de aspiración:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Recalentamiento:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subenfriamiento:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Hojas de datos abiertas</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Comparar los artículos de las hojas de datos abiertas en el punto de la primera</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Indique el refrigerante, t0, tc (o aire), la temperatura del gas de aspiración, el recalentamiento, el subenfriamiento y al menos un artículo.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Ninguna hoja de datos abierta muestra un artículo.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Diferencia con el primer artículo en %, para el margen hasta el límite de aplicación en K; el margen es positivo dentro.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Nota sobre la certificación</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Intro o doble clic para más información</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>máx.</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>t0 mín.</translation>
    </message>
    <message>
        <source>tc min</source>
        <translation>tc mín.</translation>
    </message>
    <message>
        <source>tle min</source>
        <translation>tle mín.</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Haga clic en una entrada para pasar sus datos a los campos de arriba</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Guardar archivo de Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Datos de rendimiento</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Guardar archivo de Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Archivos de Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observaciones:</translation>
    </message>
</context>
</TS>
