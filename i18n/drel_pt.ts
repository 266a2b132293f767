<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Âmbito de fornecimento</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dados técnicos</translation>
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
        <translation>Capacidade frigorífica do compressor:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Potência absorvida:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Potência absorvida:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Caudal mássico:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>no seguinte ponto de funcionamento:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura do gás de aspiração:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subarrefecimento:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluido frigorigéneo:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequência:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Corrente absorvida:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Velocidade de rotação:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Acessórios</translation>
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
        <translation>Ficheiros PDF (*.pdf)</translation>
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
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocidade de rotação</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura de condensação</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensões e ligações</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Imagem ilustrativa</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subarrefecimento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura do gás de aspiração</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura de evaporação</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Frequência do compressor 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequência do compressor 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura de entrada do ar</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Sobreaquecimento (evaporador)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Capacidade frigorífica do compressor</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Capacidade frigorífica do evaporador</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potência absorvida</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potência absorvida</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corrente absorvida</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coeficiente de desempenho (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potência de condensação</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Caudal mássico</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura à saída do arrefecedor intermédio</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Fluido frigorigéneo</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Sujeito a alterações.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dados de desempenho</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dados técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites de aplicação</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Âmbito de fornecimento</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Acessórios</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Fotografia do produto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela de desempenho</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* deslocado para os limites de entrada</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** ponto de funcionamento fora dos limites de aplicação</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR segundo o Regulamento (UE) 2015/1095 e a EN 13215 (gás de aspiração 20 °C, sem subarrefecimento)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Média temperatura (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Baixa temperatura (t0 -35 °C): SEPR %1 (%2)</translation>
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
        <translation>Fluido frigorigéneo</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Temperatura do gás de aspiração %1 %2, subarrefecimento %3 %4, sobreaquecimento %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (compressor 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8 polos</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc a partir do balanço com o condensador a ar</translation>
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
        <translation>A verificação dos coeficientes de capacidade encontrou %1 anomalias; ver Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Ainda não implementado!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Arrefecimento adicional necessário</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>sobreaquecimento máx. 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Velocidade de rotação: respeitar o limite de aplicação!  n demasiado alta</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Velocidade de rotação: respeitar o limite de aplicação!    n demasiado baixa </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: respeitar o limite de aplicação!    t0 demasiado alta</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: respeitar o limite de aplicação!    tc demasiado alta</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: respeitar o limite de aplicação!    t0 demasiado baixa</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: respeitar o limite de aplicação!    tc demasiado baixa</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Respeitar os limites de aplicação! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Necessária temperatura do gás de aspiração reduzida e/ou arrefecimento adicional.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Gama de velocidade de rotação de pico 3000 ... 3500 1/min, p. ex. em</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>mudanças de velocidade, descidas em travagem com o motor, etc.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Potência absorvida máxima excedida!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Ver dados técnicos.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>sem espaço no disco</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>o disco está protegido contra gravação</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>o nome é uma pasta</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>ninguém lê deste arquivo</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>O arquivo %1 não pode ser gravado: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>nenhum nome de arquivo</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>maior que %1 bytes</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Guardar como bitmap</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configurar impressora</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Tabela de valores</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>a imagem não pode ser convertida</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Eixo X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Eixo Y</translation>
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
        <translation>Passo</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Número de dígitos</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Número de casas decimais</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Título do diagrama:</translation>
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
        <translation>Legendas</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Cruzes</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Espessura da linha</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Parâmetros (textos)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Distâncias aproximadas na impressão</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Margem esquerda [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Largura [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Margem superior [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Altura [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Qualidade do bitmap (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Posição dos parâmetros</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>em cima à esquerda</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>em baixo à esquerda</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>em cima à direita</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>em baixo à direita</translation>
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
        <translation>Tabelas</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Aplicar valores</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>Um momento, as bases de dados estão a ser preparadas.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Isto demora um pouco.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Seleção da impressora</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Não está instalada nenhuma impressora.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (predefinida)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Séries:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluido frigorigéneo:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Ponto de funcionamento:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Endereço do cliente</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Endereço do remetente</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Endereço do destinatário</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Responsável</translation>
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
        <translation>Dados de desempenho</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Dados técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites de aplicação</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Âmbito de fornecimento</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Acessórios</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensões e ligações</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Fotografia do produto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela de desempenho</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Criar PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Ficheiros PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  entrada de ar </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  gás de aspiração </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  sobreaquecimento </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  subarrefecimento </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Margem até ao limite de aplicação: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Temperatura de evaporação t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Temperatura de condensação tc [%1]</translation>
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
        <translation>Temperatura do gás de aspiração %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Sobreaquecimento %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Base de cálculo: %1, subarrefecimento %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Propriedades de %1: sem ficheiro de fluido</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Propriedades de %1: %2 (%3), estado de referência %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), classe de segurança %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Deslizamento de temperatura a t0 %1 K (temperatura média %2 °C), a tc %3 K (temperatura média %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>não é um número: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>São necessários artigo, fluido frigorigéneo, t0 e tc ou ar</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>A tabela está vazia.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>A primeira linha não nomeia as colunas article, refrigerant, t0 e tc ou air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>O ficheiro %1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>O livro %1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>nenhum artigo '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 não tem dados de desempenho para %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 não é uma unidade condensadora; indique tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 é uma unidade condensadora; indique o ar</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>não calculável neste ponto</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Erro de dados</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Artigo</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Fluido frigorigéneo</translation>
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
        <translation>Entrada de ar</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Subarrefecimento</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Sobreaquecimento</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margem até ao limite de aplicação</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Código de limite</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>fora dos limites</translation>
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
        <translation>não calculado</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>não</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>Não foi possível criar a pasta de trabalho.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margem até ao limite de aplicação</translation>
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
        <translation>nenhuma planilha legível</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dados técnicos</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Âmbito de fornecimento</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Acessórios</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>Para o Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Guardar imagem</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Fotografia</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Dimensões</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>Imagens (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Imagem ilustrativa</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>"%1" não é um número; mantém-se %2.</translation>
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
        <translation>Drel - Programa de seleção</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Todos os direitos reservados.</translation>
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
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Capacidade frigorífica</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potência absorvida</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>O ficheiro de ajuda %1 não foi encontrado.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>O texto de ajuda %1 não existe.</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Pesquisa por potência / tipo</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compressores semi-herméticos</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Arrefecido pelo gás de aspiração QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>de andar único</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>de duplo andar</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4 polos (duas velocidades de rotação)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Compressores duplex</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Grupos compressores com reservatório</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Unidades condensadoras a ar</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 subcrítico</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Arrefecido a ar QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Motocompressores abertos LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Compressores abertos W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Grupos compressores</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Compressores NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Grupos compressores NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Compressores para veículos WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Climatização de autocarros e comboios</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Refrigeração de transporte</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   e outras aplicações</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Tipos atuais</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Volume deslocado a 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Vol. desl. 50Hz</translation>
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
        <translation>Volume deslocado (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Vol. desl.   </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>BP/AP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Cilindrada em cm3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Clique aqui para enviar um e-mail à Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Seleção da &amp;impressora</translation>
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
        <translation>&amp;Pesquisar</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Gama de produtos</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Novidades desta versão</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel na Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Contactar a Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>Sobre ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Não existe aqui mais documentação sobre estes produtos.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>Se necessário, contacte-nos.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Lamentamos, não há dados para este artigo!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Resultado da pesquisa</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Cálculo em série...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>C&amp;omparação...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programa de seleção</translation>
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
        <translation>Cálculo em série</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Ficheiro de entrada:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV ou XLSX: article, refrigerant, t0, tc ou air, ts, subcooling, superheat, hz, n</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Ficheiro de entrada</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tabelas (*.csv *.xlsx);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 de %2 linhas calculadas, %3 não calculadas (com o motivo).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Não é possível gravar o ficheiro %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Livro do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Os dados dos produtos não estão carregados.</translation>
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
        <translation>Início do programa</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Mostrar notas</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Iniciar o programa de seleção</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programa de seleção</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Critérios de pesquisa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Iniciar pesquisa</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimir resultado da pesquisa</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Compressores</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compressores semi-herméticos</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>arrefecido pelo gás de aspiração</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>arrefecido a ar</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4 polos, arrefecido pelo gás de aspiração</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>de duplo andar, arrefecido pelo gás de aspiração</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex arrefecido pelo gás de aspiração</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex arrefecido a ar</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Compressores abertos</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>de andar único</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>de duplo andar</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Compressores para veículos</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Grupos compressores semi-herméticos</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>com recipiente de líquido</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Unidades condensadoras semi-herméticas</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Grupos compressores abertos</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Grupos compressores</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Capacidade frigorífica:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Introduza a capacidade frigorífica pretendida</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Temperatura de evaporação:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Temperatura de condensação:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Temperatura de entrada do ar:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura do gás de aspiração:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subarrefecimento:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Frequência:</translation>
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
        <translation>Velocidade de rotação:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Para temperaturas de condensação inferiores a 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>solicite os dados de desempenho.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluido frigorigéneo:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Capacidade frigorífica demasiado elevada</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Nenhum compressor maior disponível</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Folha de dados</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Mostrar mais informações sobre este aparelho</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Pesquisar com ou sem ter em conta a capacidade frigorífica.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Pesquisa de um tipo de compressor específico.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Especificar o tipo de compressor, p. ex.: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Motocompressores LV e &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>pesquisar também &amp;centrais frigoríficas</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Capacidade frigorífica</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Volume deslocado</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Número de compressores (e capacidade frigorífica)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Número de compressores (e volume deslocado)</translation>
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
        <translation>Os dados dos produtos não estão carregados.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Nenhuma linha: todos os %1 resultados são versões S, que não são mostradas a partir de t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Nenhum resultado: nenhum artigo destas séries (e deste tipo) tem dados para o fluido frigorigéneo %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Nenhum resultado: neste ponto de funcionamento todos os %1 artigos estão fora dos seus limites de aplicação.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Nenhum resultado: nenhum dos %1 artigos dentro dos limites de aplicação pode ser calculado neste ponto de funcionamento.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Margem</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Margem até ao limite de aplicação</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Comparar selecionados (até quatro)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Entrada de ar</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Dados técnicos</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Compressor alternativo</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Acoplar esta página</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimir resultado da pesquisa</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Fluido frigorigéneo</translation>
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
        <translation>Frequência do compressor 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Velocidade de rotação</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Frequência do compressor 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Temperatura de evaporação</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Temperatura de condensação</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Temperatura de entrada do ar</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Subarrefecimento</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Temperatura do gás de aspiração</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Sobreaquecimento (evaporador)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Temperatura à saída do arrefecedor intermédio</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Capacidade frigorífica do compressor</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Capacidade frigorífica do evaporador</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Potência absorvida</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Corrente absorvida</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coeficiente de desempenho (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Potência de condensação</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Caudal mássico</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Potência absorvida</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Binário</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Dados técnicos</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites de aplicação</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Âmbito de fornecimento</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Acessórios</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensões e ligações</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Fotografia do produto</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tabela de desempenho</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Textos para caderno de encargos</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Compressor alternativo</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Fechar compressor alternativo</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Voltar à pesquisa</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Guardar como JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>Ficheiros JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Não é possível gravar o ficheiro %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Deslocado para os limites de entrada</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Ponto de funcionamento fora dos limites de aplicação</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): média temperatura (t0 -10 °C) %1, baixa temperatura (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>fora</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Condições de referência</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>para a certificação ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Explicação</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluido frigorigéneo:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / ar:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Entrada de ar (unidade condensadora)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Artigos:</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Insira artigos ou selecione-os na lista de resultados.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Livro do Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Temperatura do gás de aspiração:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Sobreaquecimento:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Subarrefecimento:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Folhas de dados abertas</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Comparar os artigos das folhas de dados abertas no ponto da primeira</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Indique o fluido frigorigéneo, t0, tc (ou ar), a temperatura do gás de aspiração, o sobreaquecimento, o subarrefecimento e pelo menos um artigo.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Nenhuma folha de dados aberta mostra um artigo.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Diferença para o primeiro artigo em %, para a margem até o limite de aplicação em K; a margem é positiva dentro.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Nota sobre a certificação</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Enter ou duplo clique para mais informações</translation>
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
        <translation>Passo</translation>
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
        <translation>Clique numa entrada para copiar os seus dados para os campos acima</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Não é possível gravar o ficheiro %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Guardar como CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Guardar ficheiro Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Dados de desempenho</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Ficheiros CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Guardar ficheiro Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Ficheiros Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Observações:</translation>
    </message>
</context>
</TS>
