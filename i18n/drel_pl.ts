<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Zakres dostawy</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Producent:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Wydajność chłodnicza sprężarki:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Moc napędowa:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Pobór mocy:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Strumień masy:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>w następującym punkcie pracy:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gazu zasysanego:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Dochłodzenie:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Czynnik chłodniczy:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Częstotliwość:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Pobór prądu:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Prędkość obrotowa:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Akcesoria</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Prędkość obrotowa</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura skraplania</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Wymiary i przyłącza</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Ilustracja poglądowa</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Dochłodzenie</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura gazu zasysanego</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura parowania</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Częstotliwość sprężarki 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Częstotliwość sprężarki 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura powietrza na wlocie</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Przegrzanie (parownik)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Wydajność chłodnicza sprężarki</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Wydajność chłodnicza parownika</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Moc napędowa</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Pobór mocy</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Moment obrotowy</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Pobór prądu</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Współczynnik wydajności chłodniczej (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Moc skraplania</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Strumień masy</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura na wylocie chłodnicy międzystopniowej</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Czynnik chłodniczy</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Zastrzegamy sobie prawo do zmian.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dane wydajności</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dane techn.</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Granice stosowania</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Zakres dostawy</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Zdjęcie produktu</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela danych wydajności</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* przesunięto w granice wprowadzania</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** punkt pracy poza granicami stosowania</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR wg rozporządzenia (UE) 2015/1095 i EN 13215 (gaz zasysany 20 °C, bez dochłodzenia)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Średnia temperatura (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Niska temperatura (t0 -35 °C): SEPR %1 (%2)</translation>
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
        <translation>Czynnik chłodniczy</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Temperatura gazu zasysanego %1 %2, dochłodzenie %3 %4, przegrzanie %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (sprężarka 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8-biegunowy</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc z bilansu ze skraplaczem powietrznym</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Podstawa obliczeń</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>Kontrola współczynników wydajności wykazała %1 nieprawidłowości; zob. Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Jeszcze nie zaimplementowano!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Wymagane dodatkowe chłodzenie</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>przegrzanie maks. 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Prędkość obrotowa: przestrzegać granicy stosowania!  n za duża</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Prędkość obrotowa: przestrzegać granicy stosowania!    n za mała </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: przestrzegać granicy stosowania!    t0 za wysoka</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: przestrzegać granicy stosowania!    tc za wysoka</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: przestrzegać granicy stosowania!    t0 za niska</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: przestrzegać granicy stosowania!    tc za niska</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Przestrzegać granic stosowania! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Wymagana obniżona temperatura gazu zasysanego i/lub dodatkowe chłodzenie.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Szczytowy zakres prędkości obrotowej 3000 ... 3500 1/min, np. przy</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>zmianach biegów, zjazdach z hamowaniem silnikiem itp.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Przekroczony maksymalny pobór mocy!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Patrz dane techniczne.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>brak miejsca na dysku</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>dysk jest zabezpieczony przed zapisem</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>folder nie istnieje</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>nazwa jest folderem</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>nikt nie czyta z tego pliku</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>Nie można zapisać pliku %1: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>brak nazwy pliku</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>większy niż %1 bajtów</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Kopiuj do schowka</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Zapisz jako bitmapę</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Ustawienia drukarki</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Tabela wartości</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmapy (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>nie można przekonwertować obrazu</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Oś X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Oś Y</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Wartość minimalna</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Wartość maksymalna</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Liczba cyfr</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Liczba miejsc po przecinku</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Tytuł wykresu:</translation>
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
        <translation>Opisy</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Krzyżyki</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Grubość linii</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parametry (teksty)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Przybliżone odstępy na wydruku</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Lewy margines [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Szerokość [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Górny margines [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Wysokość [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Jakość bitmapy (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Położenie parametrów</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>lewy górny</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>lewy dolny</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>prawy górny</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>prawy dolny</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Rodzaj wykresu</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>zwykły X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Wykres biegunowy 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>Wykres logX-Y</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>Wykres X-logY</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>Wykres logX-logY</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tabele</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Zastosuj wartości</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edycja</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Chwileczkę, bazy danych są przygotowywane.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>To chwilę potrwa.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Wybór drukarki</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Nie zainstalowano żadnej drukarki.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Drukarka:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (domyślna)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Anuluj</translation>
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
        <translation>Czynnik chłodniczy:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Punkt pracy:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Adres klienta</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Adres nadawcy</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Adres odbiorcy</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Osoba kontaktowa</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dane wydajności</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Granice stosowania</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Zakres dostawy</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Wymiary i przyłącza</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Zdjęcie produktu</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela danych wydajności</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Utwórz PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Drukarka</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  wlot powietrza </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  gaz zasysany </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  przegrzanie </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  dochłodzenie </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Odstęp od granicy stosowania: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Temperatura parowania t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Temperatura skraplania tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Katalog %1, kompilacja %2, program %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Temperatura gazu zasysanego %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Przegrzanie %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Podstawa obliczeń: %1, dochłodzenie %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Właściwości %1: brak pliku czynnika</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Właściwości %1: %2 (%3), stan odniesienia %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), klasa bezpieczeństwa %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Poślizg temperatury przy t0 %1 K (temperatura średnia %2 °C), przy tc %3 K (temperatura średnia %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>to nie liczba: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Potrzebne są artykuł, czynnik chłodniczy, t0 oraz tc lub powietrze</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>Tabela jest pusta.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>Pierwszy wiersz nie nazywa kolumn article, refrigerant, t0 oraz tc lub air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>Nie można odczytać skoroszytu %1: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>brak artykułu '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 nie ma danych wydajności dla %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 nie jest agregatem skraplającym; podaj tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 jest agregatem skraplającym; podaj powietrze</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>nieobliczalne w tym punkcie</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Błąd danych</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Artykuł</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Czynnik chłodniczy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Wlot powietrza</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Dochłodzenie</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Przegrzanie</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Odstęp od granicy stosowania</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Kod granicy</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>poza granicami</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>ograniczone</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>obliczono</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>nie obliczono</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>Nie udało się utworzyć skoroszytu.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Wielkość</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Odstęp od granicy stosowania</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Różn.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>brak czytelnego arkusza</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Zakres dostawy</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>Do Worda</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Obrazy (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Ilustracja poglądowa</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>„%1” nie jest liczbą; pozostaje %2.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Program doboru</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Wszelkie prawa zastrzeżone.</translation>
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
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Wydajność chłodnicza</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Moc napędowa</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>Nie znaleziono pliku pomocy %1.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>Brak tekstu pomocy %1.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Szukaj wg wydajności / typu</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Sprężarki półhermetyczne</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Chłodzone gazem zasysanym QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>jednostopniowe</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>dwustopniowe</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4-biegunowe (dwie prędkości obrotowe)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Sprężarki duplex</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Agregaty sprężarkowe ze zbiornikiem</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Agregaty skraplające chłodzone powietrzem</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 podkrytyczny</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Chłodzone powietrzem QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Otwarte motosprężarki LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Sprężarki otwarte W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Agregaty sprężarkowe</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Sprężarki NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Agregaty sprężarkowe NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Sprężarki pojazdowe WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Klimatyzacja autobusów i pociągów</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Chłodnictwo transportowe</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   i inne zastosowania</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Aktualne typy</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Objętość skokowa przy 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Obj. sk. 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Silnik kW/KM</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Typ poprzedni</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Objętość skokowa (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Obj. sk.     </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>NP/WP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Pojemność skokowa w cm3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Kliknij tutaj, aby wysłać e-mail do Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Wybór &amp;drukarki</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Program dostaw</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Nowości w tej wersji</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel w Internecie</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Kontakt z Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>O programie ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Nie ma tu dalszej dokumentacji tych produktów.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>W razie potrzeby prosimy o zapytanie.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Niestety brak danych dla tego artykułu!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Wynik wyszukiwania</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Obliczenie seryjne...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>&amp;Porównanie...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Program doboru</translation>
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
        <translation>Obliczenie seryjne</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Plik wejściowy:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV lub XLSX: article, refrigerant, t0, tc lub air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Zapisz jako CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Plik wejściowy</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tabele (*.csv *.xlsx);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>Obliczono %1 z %2 wierszy, %3 nieobliczonych (z przyczyną).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Przerwano.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Skoroszyt Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Dane produktów nie są wczytane.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Uruchomienie programu</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Pokaż uwagi</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Uruchom program doboru</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Program doboru</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Kryteria wyszukiwania</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Rozpocznij wyszukiwanie</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Drukuj wynik wyszukiwania</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Sprężarki</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Agregaty</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Sprężarki półhermetyczne</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>chłodzony gazem zasysanym</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>chłodzony powietrzem</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4-biegunowy, chłodzony gazem zasysanym</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>dwustopniowy, chłodzony gazem zasysanym</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex chłodzony gazem zasysanym</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex chłodzony powietrzem</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Sprężarki otwarte</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>jednostopniowe</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>dwustopniowe</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Sprężarki do pojazdów</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Półhermetyczne agregaty sprężarkowe</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>ze zbiornikiem cieczy</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Półhermetyczne agregaty skraplające</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Otwarte agregaty sprężarkowe</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Agregaty sprężarkowe</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Wydajność chłodnicza:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Wprowadź wymaganą wydajność chłodniczą</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Temperatura parowania:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Temperatura skraplania:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Temperatura powietrza na wlocie:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gazu zasysanego:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Dochłodzenie:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Częstotliwość:</translation>
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
        <translation>Prędkość obrotowa:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Dla temperatur skraplania poniżej 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>dane wydajności prosimy uzyskać na zapytanie.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Czynnik chłodniczy:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Za duża wydajność chłodnicza</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Brak większej sprężarki</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Karta katalogowa</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Pokaż więcej informacji o tym urządzeniu</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Szukaj z uwzględnieniem lub bez uwzględnienia wydajności chłodniczej.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Wyszukiwanie określonego typu sprężarki.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Podaj typ sprężarki, np.: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Motosprężarki LV i &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>szukaj także &amp;central chłodniczych</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Sortuj według:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Wydajność chłodnicza</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Objętość skokowa</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Liczba sprężarek (i wydajność chłodnicza)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Liczba sprężarek (i objętość skokowa)</translation>
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
        <translation>Dane produktów nie są wczytane.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Brak wierszy: wszystkie %1 wyniki to wersje S, których nie pokazuje się od t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Brak wyniku: żaden artykuł tych serii (i tego typu) nie ma danych dla czynnika chłodniczego %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Brak wyniku: w tym punkcie pracy wszystkie %1 artykuły leżą poza swoimi granicami stosowania.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Brak wyniku: żadnego z %1 artykułów w granicach stosowania nie można obliczyć w tym punkcie pracy.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Odstęp</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Odstęp od granicy stosowania</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Porównaj zaznaczone (do czterech)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Wlot powietrza</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dane techniczne</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Sprężarka alternatywna</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Zadokuj tę stronę</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Drukuj wynik wyszukiwania</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Czynnik chłodniczy</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Częstotliwość sprężarki 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Prędkość obrotowa</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Częstotliwość sprężarki 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura parowania</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura skraplania</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura powietrza na wlocie</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Dochłodzenie</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura gazu zasysanego</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Przegrzanie (parownik)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura na wylocie chłodnicy międzystopniowej</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Wydajność chłodnicza sprężarki</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Wydajność chłodnicza parownika</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Pobór mocy</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Pobór prądu</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Współczynnik wydajności chłodniczej (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Moc skraplania</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Strumień masy</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Moc napędowa</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Moment obrotowy</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dane techn.</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Granice stosowania</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Zakres dostawy</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Akcesoria</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Wymiary i przyłącza</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Zdjęcie produktu</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela danych wydajności</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Teksty przetargowe</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodatki</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Sprężarka alternatywna</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Zamknij sprężarkę alternatywną</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Powrót do wyszukiwania</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Zapisz jako JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>Pliki JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Przesunięto w granice wprowadzania</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Punkt pracy poza granicami stosowania</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): średnia temperatura (t0 -10 °C) %1, niska temperatura (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>poza</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Warunki odniesienia</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>do certyfikacji ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Objaśnienie</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Czynnik chłodniczy:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / powietrze:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Wlot powietrza (agregat skraplający)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Artykuły:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Zapisz jako PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Wpisz artykuły lub zaznacz je na liście wyników.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Skoroszyt Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura gazu zasysanego:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Przegrzanie:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Dochłodzenie:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Otwarte karty katalogowe</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Porównaj artykuły otwartych kart katalogowych w punkcie pierwszej</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Podaj czynnik chłodniczy, t0, tc (lub powietrze), temperaturę gazu zasysanego, przegrzanie, dochłodzenie i co najmniej jeden artykuł.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Żadna otwarta karta katalogowa nie pokazuje artykułu.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Różnica względem pierwszego artykułu w %, dla odstępu od granicy stosowania w K; wewnątrz odstęp jest dodatni.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Uwaga dotycząca certyfikacji</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Enter lub podwójne kliknięcie – więcej informacji</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>maks.</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Krok</translation>
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
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Kliknij pozycję, aby przenieść jej dane do pól powyżej</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Zapisz jako CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Zapisz plik Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dane wydajności</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Zapisz jako CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Zapisz plik Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Pliki Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Uwagi:</translation>
    </message>
</context>
</TS>
