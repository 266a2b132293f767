<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Комплект поставки</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Технические данные</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Изготовитель:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Холодопроизводительность компрессора:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Потребляемая мощность:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Потребляемая мощность:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Массовый расход:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>в следующей рабочей точке:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Температура всасываемого газа:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Переохлаждение:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Хладагент:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Потребляемый ток:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Частота вращения:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Принадлежности</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Сохранить как PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Сохранено: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Частота вращения</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Температура конденсации</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Размеры и присоединения</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Иллюстрация может отличаться</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Переохлаждение</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Температура всасываемого газа</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Двигатель</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Температура кипения</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Частота компрессора 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Частота компрессора 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Температура воздуха на входе</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Перегрев (испаритель)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Холодопроизводительность компрессора</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Холодопроизводительность испарителя</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Крутящий момент</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Потребляемый ток</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Холодильный коэффициент (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Мощность конденсации</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Массовый расход</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Температура на выходе промежуточного охладителя</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Хладагент</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Возможны изменения.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Рабочие характеристики</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Техн. данные</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Границы применения</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Комплект поставки</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Принадлежности</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Фото изделия</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Таблица рабочих характеристик</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* сдвинуто в пределы ввода</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** рабочая точка вне границ применения</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR по Регламенту (ЕС) 2015/1095 и EN 13215 (всасываемый газ 20 °C, без переохлаждения)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Среднетемпературный (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Низкотемпературный (t0 -35 °C): SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Хладагент</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Температура всасываемого газа %1 %2, переохлаждение %3 %4, перегрев %5 %6, %7 Гц</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Гц (компрессор 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8-полюсный</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc из баланса с воздушным конденсатором</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Основа расчёта</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>Проверка коэффициентов производительности выявила замечаний: %1; см. Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Ещё не реализовано!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Требуется дополнительное охлаждение</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>перегрев не более 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Частота вращения: соблюдайте границы применения!  n слишком велика</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Частота вращения: соблюдайте границы применения!    n слишком мала </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: соблюдайте границы применения!    t0 слишком высока</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: соблюдайте границы применения!    tc слишком высока</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: соблюдайте границы применения!    t0 слишком низка</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: соблюдайте границы применения!    tc слишком низка</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Соблюдайте границы применения! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Требуется пониженная температура всасываемого газа и/или дополнительное охлаждение.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Пиковая частота вращения 3000 ... 3500 1/мин, например при</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>переключении передач, движении под уклон накатом и т. п.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Превышена максимальная потребляемая мощность!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>См. технические данные.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>на диске нет места</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>нет доступа</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>диск защищён от записи</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>это имя папки</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>этот файл никто не читает</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>Невозможно записать файл %1: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>нет имени файла</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>больше %1 байт</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Сохранить как растр</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Настройка принтера</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Таблица значений</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Растровые изображения (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>изображение не удаётся преобразовать</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Ось X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Ось Y</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Минимальное значение</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Максимальное значение</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Число знаков</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Число десятичных знаков</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Заголовок диаграммы:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Легенда 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Легенда 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Легенда 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Подписи</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Линии</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Крестики</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Толщина линии</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Параметры (тексты)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Приблизительные отступы при печати</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Левое поле [мм]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Ширина [мм]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Верхнее поле [мм]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Высота [мм]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Качество растра (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Положение параметров</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>слева вверху</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>слева внизу</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>справа вверху</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>справа внизу</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Тип графика</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>обычный X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Полярная диаграмма 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>Диаграмма logX-Y</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>Диаграмма X-logY</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>Диаграмма logX-logY</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Таблицы</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Применить значения</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Правка</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Подождите, базы данных подготавливаются.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Это займёт немного времени.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Выбор принтера</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Принтер не установлен.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Принтер:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (по умолчанию)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>Серии:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Хладагент:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Рабочая точка:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Адрес клиента</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Адрес отправителя</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Адрес получателя</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Ответственный</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Рабочие характеристики</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Технические данные</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Границы применения</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Комплект поставки</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Принадлежности</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Размеры и присоединения</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Фото изделия</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Таблица рабочих характеристик</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Создать PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Принтер</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  вход воздуха </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  всасываемый газ </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  перегрев </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  переохлаждение </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Запас до границы применения: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Температура кипения t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Температура конденсации tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Каталог %1, сборка %2, программа %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Температура всасываемого газа %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Перегрев %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Условия расчёта: %1, переохлаждение %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Свойства %1: нет файла вещества</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Свойства %1: %2 (%3), опорное состояние %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: ПГП %2 (AR4), %3 (AR5), класс безопасности %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Температурный глайд при t0 %1 K (средняя температура %2 °C), при tc %3 K (средняя температура %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>не число: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Нужны артикул, хладагент, t0 и tc или воздух</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>Таблица пуста.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>Первая строка не называет столбцы article, refrigerant, t0 и tc или air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Не удаётся прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>Не удаётся прочитать книгу %1: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>нет артикула '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>У %1 нет данных производительности для %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 не компрессорно-конденсаторный агрегат; укажите tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 — компрессорно-конденсаторный агрегат; укажите воздух</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>в этой точке не рассчитывается</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Ошибка данных</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Артикул</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Хладагент</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Вход воздуха</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Переохлаждение</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Перегрев</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Запас до границы применения</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Код границы</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>вне границ</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>ограничено</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>рассчитано</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>не рассчитано</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>да</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>Не удалось создать рабочую книгу.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Величина</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Запас до границы применения</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Разн.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>нет читаемого листа</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Технические данные</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Комплект поставки</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Принадлежности</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>В Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Сохранить изображение</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Размеры</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Изображения (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Иллюстрация может отличаться</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>«%1» — не число; остаётся %2.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation>Авторские права</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Программа подбора</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Все права защищены.</translation>
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
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Холодопроизводительность</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>Файл справки %1 не найден.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>Справочный текст %1 отсутствует.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Поиск по мощности / типу</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Полугерметичные компрессоры</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>С охлаждением всасываемым газом QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>одноступенчатые</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>двухступенчатые</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4-полюсные (две частоты вращения)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Сдвоенные компрессоры (дуплекс)</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Компрессорные агрегаты с ресивером</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Компрессорно-конденсаторные агрегаты с воздушным охлаждением</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 докритический</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>С воздушным охлаждением QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Открытые мотор-компрессоры LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Открытые компрессоры W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Компрессорные агрегаты</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Компрессоры NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Компрессорные агрегаты NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Транспортные компрессоры WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Кондиционирование автобусов и поездов</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Транспортное охлаждение</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   и другие применения</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Китайский</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Текущие типы</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Описываемый объём при 50 Гц (1450 1/мин) м?/ч</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Опис. об. 50Гц</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Двигатель кВт/л.с.</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Предыдущий тип</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Описываемый объём (1450 1/мин) м?/ч</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Опис. об.    </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>НД/ВД</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Рабочий объём, см3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Нажмите здесь, чтобы отправить письмо в Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Выбор &amp;принтера</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Программа поставок</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Новое в этой версии</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel в Интернете</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Связаться с Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>О программе ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Авторские права</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Другой документации по этим изделиям здесь нет.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>При необходимости просим обращаться к нам.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>К сожалению, данных для этого артикула нет!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Результат поиска</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Пакетный расчёт...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>С&amp;равнение...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Программа подбора</translation>
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
        <translation>Пакетный расчёт</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Входной файл:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV или XLSX: article, refrigerant, t0, tc или air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Открыть...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Сохранить как CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Входной файл</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Таблицы (*.csv *.xlsx);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>Рассчитано строк: %1 из %2, не рассчитано (с причиной): %3.</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Прервано.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Данные изделий не загружены.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Показать примечания</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Запустить программу подбора</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Программа подбора</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Критерии поиска</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Начать поиск</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Печать результатов поиска</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Компрессоры</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Агрегаты</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Полугерметичные компрессоры</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>с охлаждением всасываемым газом</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>с воздушным охлаждением</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4-полюсный, с охлаждением всасываемым газом</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>двухступенчатый, с охлаждением всасываемым газом</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Дуплекс, с охлаждением всасываемым газом</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Дуплекс, с воздушным охлаждением</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Открытые компрессоры</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>одноступенчатые</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>двухступенчатые</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Транспортные компрессоры</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Полугерметичные компрессорные агрегаты</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>с ресивером</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Полугерметичные компрессорно-конденсаторные агрегаты</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Открытые компрессорные агрегаты</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Компрессорные агрегаты</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Холодопроизводительность:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Введите требуемую холодопроизводительность</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Температура кипения:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Температура конденсации:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Температура воздуха на входе:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Температура всасываемого газа:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Переохлаждение:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Гц</translation>
    </message>
    <message>
        <source>60 Hz</source>
        <translation>60 Гц</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Частота вращения:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/мин</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Для температур конденсации ниже 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>рабочие характеристики — по запросу.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Хладагент:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Слишком высокая холодопроизводительность</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Компрессор большего размера отсутствует</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Технический паспорт</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Показать подробные сведения об этом изделии</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Поиск с учётом или без учёта холодопроизводительности.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Поиск определённого типа компрессора.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Укажите тип компрессора, например: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Мотор-компрессоры LV и &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>искать также &amp;многокомпрессорные установки</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Сортировка:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Холодопроизводительность</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Описываемый объём</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Число компрессоров (и холодопроизводительность)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Число компрессоров (и описываемый объём)</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Данные изделий не загружены.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Нет строк: все %1 результатов — исполнения S, которые не показываются начиная с t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Нет результата: ни у одного изделия этих серий (и этого типа) нет данных для хладагента %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Нет результата: в этой рабочей точке все %1 изделий находятся вне своих границ применения.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Нет результата: ни одно из %1 изделий в границах применения не может быть рассчитано в этой рабочей точке.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Запас</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Запас до границы применения</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Сравнить выбранные (до четырёх)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Вход воздуха</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Технические данные</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Альтернативный компрессор</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Закрепить эту страницу</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Печать результатов поиска</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Хладагент</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Двигатель</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240 В ∆ / 380-420 В Y 50 Гц</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Частота компрессора 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Частота вращения</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/мин</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Частота компрессора 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Температура кипения</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Температура конденсации</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Температура воздуха на входе</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Переохлаждение</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Температура всасываемого газа</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Перегрев (испаритель)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Температура на выходе промежуточного охладителя</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Холодопроизводительность компрессора</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Холодопроизводительность испарителя</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Потребляемый ток</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Холодильный коэффициент (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Мощность конденсации</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Массовый расход</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Потребляемая мощность</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Крутящий момент</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Н·м</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Техн. данные</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Границы применения</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Комплект поставки</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Принадлежности</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Размеры и присоединения</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Фото изделия</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Таблица рабочих характеристик</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Тендерные тексты</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Альтернативный компрессор</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Закрыть альтернативный компрессор</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Назад к поиску</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Сохранить как JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Сдвинуто в пределы ввода</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Рабочая точка вне границ применения</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): среднетемпературный (t0 -10 °C) %1, низкотемпературный (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>вне</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Условия сравнения</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>для сертификации ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Пояснение</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Хладагент:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / воздух:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Вход воздуха (компрессорно-конденсаторный агрегат)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Артикулы:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Сохранить как PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Введите артикулы или выберите их в списке результатов.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Температура всасываемого газа:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Перегрев:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Переохлаждение:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Открытые техпаспорта</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Сравнить артикулы открытых техпаспортов в точке первого</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Укажите хладагент, t0, tc (или воздух), температуру всасываемого газа, перегрев, переохлаждение и хотя бы один артикул.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Ни один открытый техпаспорт не показывает артикул.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Разница с первым артикулом в %, для запаса до границы применения в K; внутри границы запас положителен.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Примечание о сертификации</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Enter или двойной щелчок — подробные сведения</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>макс.</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>t0 мин.</translation>
    </message>
    <message>
        <source>tc min</source>
        <translation>tc мин.</translation>
    </message>
    <message>
        <source>tle min</source>
        <translation>tle мин.</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Щёлкните по строке, чтобы перенести её данные в поля выше</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Сохранить как CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Сохранить файл Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Рабочие характеристики</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Сохранить как CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Сохранить файл Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Файлы Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Примечания:</translation>
    </message>
</context>
</TS>
