<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>供货范围</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>品牌：</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>压缩机制冷量：</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>输入功率：</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>质量流量：</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>在以下工况点：</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>吸气温度：</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>过冷度：</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>制冷剂：</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>频率：</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>运行电流：</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>转速：</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>附件</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>已保存：%1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>转速</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>冷凝温度</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>尺寸和接口</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>图片仅供参考</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>过冷度</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>吸气温度</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>蒸发温度</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>压缩机1频率</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>压缩机2频率</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>进风温度</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>过热度（蒸发器）</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>压缩机制冷量</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>蒸发器制冷量</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>扭矩</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>运行电流</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>制冷系数 (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>冷凝热量</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>质量流量</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>中间冷却器出口温度</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>制冷剂</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>如有变更，恕不另行通知。</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>性能数据</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>运行范围</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>供货范围</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>产品照片</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>性能数据表</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* 已移入输入范围</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** 工况点超出运行范围</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR 按法规 (EU) 2015/1095 和 EN 13215（吸气 20 °C，无过冷）</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>中温 (t0 -10 °C)：SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>低温 (t0 -35 °C)：SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>制冷剂</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>吸气温度 %1 %2，过冷度 %3 %4，过热度 %5 %6，%7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz（压缩机 2）</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>，8 极</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>，tc 由与风冷冷凝器的平衡得出</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>计算基准</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>性能系数检查发现 %1 个问题；参见 Daten/Pruefbericht.txt。</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>尚未实现！</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>需要附加冷却</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>最大过热度 10K！</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>转速：注意运行范围！  n 过高</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>转速：注意运行范围！    n 过低 </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0：注意运行范围！    t0 过高</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc：注意运行范围！    tc 过高</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0：注意运行范围！    t0 过低</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc：注意运行范围！    tc 过低</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>注意运行范围！(t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>需要降低吸气温度和/或附加冷却。</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>峰值转速范围 3000 ... 3500 1/min，例如在</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>换挡、下坡滑行等情况下。</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>超过最大输入功率！</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>请参见技术数据。</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>磁盘写保护</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>文件夹不存在</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>该名称是一个文件夹</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>没有程序读取此文件</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>无法写入文件 %1：%2。</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>没有文件名</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>复制到剪贴板(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>另存为位图(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>打印机设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>设置(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>数值表(&amp;W)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>位图 (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>无法转换图片</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>取消(&amp;A)</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>X轴</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Y轴</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>步长</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>位数</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>图表标题：</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>图例 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>图例 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>图例 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>标注</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>线条</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>十字标记</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>参数（文本）</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>打印时的大致间距</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>左边距 [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>宽度 [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>上边距 [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>高度 [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>位图质量 (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>参数位置</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>图表类型</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>普通 X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>极坐标图 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>logX-Y 图</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>X-logY 图</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>logX-logY 图</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>应用数值(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>编辑(&amp;E)</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>请稍候，正在准备数据库。</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>这需要一点时间。</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>选择打印机</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>未安装打印机。</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>打印机：</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1（默认）</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>取消(&amp;A)</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>系列：</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>制冷剂：</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>工况点：</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>客户地址</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>发件人地址</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>收件人地址</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>联系人</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>性能数据</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>运行范围</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>供货范围</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>尺寸和接口</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>产品照片</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>性能数据表</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>创建 PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>打印机</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>，进风 </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>，吸气 </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>，过热度 </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>，过冷度 </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>距运行范围边界的余量：%1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>蒸发温度 t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>冷凝温度 tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>目录 %1，版本 %2，程序 %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>吸气温度 %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>过热度 %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>计算基准：%1，过冷度 %2 K，%3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>%1 物性：无物性文件</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>%1 物性：%2（%3），参考状态 %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1：GWP %2（AR4），%3（AR5），安全等级 %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>t0 时温度滑移 %1 K（平均温度 %2 °C），tc 时 %3 K（平均温度 %4 °C）</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>不是数字：'%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>需要物品、制冷剂、t0 以及 tc 或空气</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>表格为空。</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>第一行未列出 article、refrigerant、t0 以及 tc 或 air 列。</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>无法读取工作簿 %1：%2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>没有物品 '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 没有 %2 的性能数据</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 不是冷凝机组；请给出 tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 是冷凝机组；请给出进风温度</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>在此点无法计算</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>数据错误</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>物品</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>制冷剂</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>进风</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>过冷度</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>过热度</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>距运行范围边界的余量</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>限值代码</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>已限制</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>已计算</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>未计算</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>是</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>无法创建工作簿。</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>距运行范围边界的余量</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>差值</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>没有可读的工作表</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>供货范围</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>转到 Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>尺寸</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>图片 (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>图片仅供参考</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>“%1”不是数字；保留 %2。</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 选型程序</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel。保留所有权利。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmEinheiten</name>
    <message>
        <source>Einheiten</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>制冷量</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>未找到帮助文件 %1。</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>帮助文本 %1 不存在。</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>按制冷量 / 型号搜索</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>半封闭压缩机</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>吸气冷却 QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>单级</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>双级</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4 极（双转速）</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>双联压缩机</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>带储液器的压缩机组</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>风冷冷凝机组</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 亚临界</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>风冷 QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>开启式电机压缩机 LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>开启式压缩机 W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>压缩机组</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>NH3 压缩机</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>NH3 压缩机组</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>车用压缩机 WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>客车和轨道车辆空调</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>运输制冷</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   及其他应用</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>当前型号</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>50 Hz 时排量 (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>排量 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>电机 kW/马力</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>前代型号</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>排量 (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>排量         </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>低压/高压</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>排量 (cm3)</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>单击此处向 Drel 发送电子邮件</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>选择打印机(&amp;P)</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>产品系列(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>此版本新增内容</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel 网站</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>联系 Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>关于 ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>此处未列出这些产品的其他文档。</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>如有需要，请向我们索取。</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>抱歉，此产品没有数据！</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>搜索结果</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>批量计算(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>比较(&amp;C)...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 选型程序</translation>
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
        <translation>批量计算</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>输入文件：</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV 或 XLSX：article, refrigerant, t0, tc 或 air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>另存为 CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>输入文件</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>表格 (*.csv *.xlsx);;所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>已计算 %2 行中的 %1 行，%3 行未计算（附原因）。</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>产品数据未加载。</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>程序启动</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>启动选型程序</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 选型程序</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>搜索条件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>开始搜索</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>打印搜索结果</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>压缩机</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>机组</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>半封闭压缩机</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>吸气冷却</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>风冷</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4极 吸气冷却</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>双级 吸气冷却</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>双联 吸气冷却</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>双联 风冷</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>开启式压缩机</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>单级</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>双级</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>车用压缩机</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>半封闭压缩机组</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>带储液器</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>半封闭冷凝机组</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>开启式压缩机组</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>压缩机组</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>制冷量：</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>输入所需制冷量</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>蒸发温度：</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>冷凝温度：</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>进风温度：</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>吸气温度：</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>过冷度：</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>频率：</translation>
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
        <translation>转速：</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>冷凝温度低于 20 °C 时</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>性能数据请询问。</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>制冷剂：</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>制冷量过大</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>没有更大的压缩机</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>数据表</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>显示此设备的详细信息</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>按或不按制冷量搜索。</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>搜索特定的压缩机型号。</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>指定压缩机型号，例如："QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>LV 和 ELV 电机压缩机(&amp;E)</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>同时搜索并联机组(&amp;V)</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>排序方式：</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>制冷量</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>排量</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>压缩机数量（及制冷量）</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>压缩机数量（及排量）</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>产品数据未加载。</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>页</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>无结果行：全部 %1 个结果均为 S 型，自 t0 = -20 °C 起不显示。</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>无结果：这些系列（及该型号）中没有任何产品具有制冷剂 %1 的数据。</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>无结果：在此工况点，全部 %1 个产品均超出其应用范围。</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>无结果：在此工况点，应用范围内的 %1 个产品均无法计算。</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>余量</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>距运行范围边界的余量</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>比较所选（最多四个）</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>进风</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>备选压缩机</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>停靠此页</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>打印搜索结果</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>制冷剂</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>电机</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>压缩机1频率</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>转速</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>压缩机2频率</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>蒸发温度</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>冷凝温度</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>进风温度</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>过冷度</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>吸气温度</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>过热度（蒸发器）</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>中间冷却器出口温度</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>压缩机制冷量</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>蒸发器制冷量</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>运行电流</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>制冷系数 (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>冷凝热量</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>质量流量</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>输入功率</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>扭矩</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>技术数据</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>运行范围</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>供货范围</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>尺寸和接口</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>产品照片</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>性能数据表</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>招标文本</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>附加</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>备选压缩机</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>关闭备选压缩机</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>返回搜索</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>另存为 JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>JSON 文件 (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>已移入输入范围</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>工况点超出运行范围</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215)：中温 (t0 -10 °C) %1，低温 (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C：</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>超出</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>参考工况</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>用于 ASERCOM 认证</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>说明</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>制冷剂：</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0：</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / 空气：</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>进风（冷凝机组）</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>物品：</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>另存为 PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>输入物品或在结果列表中选择。</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>吸气温度：</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>过热度：</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>过冷度：</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>已打开的数据表</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>在第一个数据表的工况点比较已打开数据表的物品</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>请输入制冷剂、t0、tc（或空气）、吸气温度、过热度、过冷度以及至少一个物品。</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>没有已打开的数据表显示物品。</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>与第一个物品的差值（%），距运行范围边界的余量以 K 计；余量在运行范围内为正。</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>认证说明</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>按回车键或双击查看详细信息</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>步长</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>t0 最小</translation>
    </message>
    <message>
        <source>tc min</source>
        <translation>tc 最小</translation>
    </message>
    <message>
        <source>tle min</source>
        <translation>tle 最小</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>单击某一条目，将其数据填入上方字段</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>无法写入文件 %1。</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>保存为 CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>保存 Excel 文件...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>性能数据</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>保存为 CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>保存 Excel 文件</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Excel 文件 (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>备注：</translation>
    </message>
</context>
</TS>
