<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>공급 범위</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>제조사:</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>형식:</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>압축기 냉동능력:</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>소비전력:</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>소비전력:</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>질량유량:</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>다음 운전점에서:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>흡입가스 온도:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>과냉각도:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>냉매:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>주파수:</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>소비전류:</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>회전수:</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>비고:</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>부속품</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>PDF로 저장</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>저장됨: %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>주파수</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>회전수</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>응축온도</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>비고:</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>치수 및 연결부</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>그림은 실제와 다를 수 있음</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>과냉각도</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>흡입가스 온도</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>모터</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>증발온도</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>압축기 1 주파수</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>압축기 2 주파수</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>공기 입구 온도</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>과열도 (증발기)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>압축기 냉동능력</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>증발기 냉동능력</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>소비전력</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>소비전력</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>토크</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>소비전류</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>성적계수 (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>응축능력</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>질량유량</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>중간냉각기 출구 온도</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>냉매</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>사양은 변경될 수 있습니다.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>성능 데이터</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>사용 한계</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>공급 범위</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>부속품</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>제품 사진</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>성능 데이터 표</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* 입력 한계 안으로 이동됨</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** 운전점이 사용 한계를 벗어남</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR – 규정 (EU) 2015/1095 및 EN 13215 (흡입가스 20 °C, 과냉각 없음)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>중온 (t0 -10 °C): SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>저온 (t0 -35 °C): SEPR %1 (%2)</translation>
    </message>
</context>
<context>
    <name>LeistungsTabelle</name>
    <message>
        <source>Typ</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>냉매</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>흡입가스 온도 %1 %2, 과냉각도 %3 %4, 과열도 %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (압축기 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8극</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, 공랭식 응축기와의 평형으로 구한 tc</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>계산 기준</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>성능 계수 검사에서 %1건의 문제가 발견되었습니다. Daten/Pruefbericht.txt를 참조하십시오.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>아직 구현되지 않았습니다!</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>추가 냉각 필요</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>최대 과열도 10K!</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>회전수: 사용 한계에 유의하십시오!  n 너무 높음</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>회전수: 사용 한계에 유의하십시오!    n 너무 낮음 </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0: 사용 한계에 유의하십시오!    t0 너무 높음</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc: 사용 한계에 유의하십시오!    tc 너무 높음</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0: 사용 한계에 유의하십시오!    t0 너무 낮음</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc: 사용 한계에 유의하십시오!    tc 너무 낮음</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>사용 한계에 유의하십시오! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>흡입가스 온도 저감 및/또는 추가 냉각이 필요합니다.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>피크 회전수 범위 3000 ... 3500 1/min, 예:</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>변속, 엔진 브레이크를 사용한 내리막 주행 등.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>최대 소비전력 초과!</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>기술 데이터를 참조하십시오.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>디스크 공간이 부족합니다</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>권한이 없습니다</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>디스크가 쓰기 금지되어 있습니다</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>폴더가 없습니다</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>이름이 폴더입니다</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>이 파일을 읽는 프로그램이 없습니다</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>파일 %1을(를) 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>파일 이름이 없습니다</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>%1바이트보다 큽니다</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>클립보드로 복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>비트맵으로 저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>프린터 설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>설정(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>값 표(&amp;W)</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>비트맵 (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>그림을 변환할 수 없습니다</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>취소(&amp;A)</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>X축</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Y축</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>최소값</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>최대값</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>자릿수</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>소수 자릿수</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>차트 제목:</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>범례 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>범례 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>범례 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>레이블</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>십자 표시</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>선 굵기</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>매개변수(텍스트)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>인쇄 시 대략적인 간격</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>왼쪽 여백 [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>너비 [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>위쪽 여백 [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>높이 [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>비트맵 품질 (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>매개변수 위치</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>오른쪽 아래</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>차트 유형</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>일반 X-Y</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>극좌표 차트 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>logX-Y 차트</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>X-logY 차트</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>logX-logY 차트</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>표</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>값 적용(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>편집(&amp;E)</translation>
    </message>
</context>
<context>
    <name>drel::dbbuild::TFrmDBInfo</name>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Moment bitte, die Datenbanken werden vorbereitet.</source>
        <translation>잠시만 기다리십시오. 데이터베이스를 준비하고 있습니다.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>시간이 조금 걸립니다.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>프린터 선택</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>설치된 프린터가 없습니다.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>프린터:</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (기본값)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>취소(&amp;A)</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>시리즈:</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>냉매:</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>운전점:</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>고객 주소</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>보내는 사람 주소</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>받는 사람 주소</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>담당자</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>성능 데이터</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>사용 한계</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>공급 범위</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>부속품</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>치수 및 연결부</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>제품 사진</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>성능 데이터 표</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>PDF 만들기</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  공기 입구 </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  흡입가스 </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  과열도 </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  과냉각도 </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>사용 한계까지의 여유: %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>증발온도 t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>응축온도 tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>카탈로그 %1, 빌드 %2, 프로그램 %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>흡입가스 온도 %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>과열도 %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>산정 기준: %1, 과냉각 %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>%1 물성: 물성 파일 없음</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>%1 물성: %2 (%3), 기준 상태 %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1: GWP %2 (AR4), %3 (AR5), 안전 등급 %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>t0에서 온도 글라이드 %1 K (평균 온도 %2 °C), tc에서 %3 K (평균 온도 %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>숫자가 아님: '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>품목, 냉매, t0 및 tc 또는 공기가 필요합니다</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>표가 비어 있습니다.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>첫 행에 article, refrigerant, t0 및 tc 또는 air 열 이름이 없습니다.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>파일 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>통합 문서 %1을(를) 읽을 수 없습니다: %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>품목 '%1' 없음</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1에 %2의 성능 데이터가 없습니다</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1은(는) 콘덴싱 유닛이 아닙니다. tc를 입력하십시오</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1은(는) 콘덴싱 유닛입니다. 공기 온도를 입력하십시오</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>이 지점에서 계산할 수 없음</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>데이터 오류</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>행</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>품목</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>냉매</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>사유</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>공기 입구</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>과냉각도</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>과열도</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>사용 한계까지의 여유</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>한계 코드</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>범위 밖</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>제한됨</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>계산됨</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>계산 안 됨</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>예</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>통합 문서를 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>항목</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>사용 한계까지의 여유</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>차이</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>읽을 수 있는 워크시트가 없습니다</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>공급 범위</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>부속품</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>Word로 보내기</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>그림 저장</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>치수</translation>
    </message>
    <message>
        <source>Bilder (*.jpg *.jpeg)</source>
        <translation>그림 (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>그림은 실제와 다를 수 있음</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>"%1"은(는) 숫자가 아닙니다. %2 값이 유지됩니다.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmCopyright2</name>
    <message>
        <source>Copyright</source>
        <translation>저작권</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 선정 프로그램</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. 모든 권리 보유.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmEinheiten</name>
    <message>
        <source>Einheiten</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>냉동능력</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>소비전력</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>온도</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>도움말 파일 %1을(를) 찾을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>도움말 텍스트 %1이(가) 없습니다.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>냉동능력 / 형식으로 검색</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>반밀폐형 압축기</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>흡입가스 냉각 QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>1단</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>2단</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4극 (2단 회전수)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>듀플렉스 압축기</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>수액기 포함 압축기 유닛</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>공랭식 콘덴싱 유닛</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 아임계</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>공랭식 QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>개방형 모터 압축기 LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>개방형 압축기 W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>압축기 유닛</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>NH3 압축기</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>NH3 압축기 유닛</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>차량용 압축기 WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>버스 및 철도 공조</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>수송 냉동</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   및 기타 용도</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>현재 형식</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>50 Hz 행정체적 (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>행정체적 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>모터 kW/마력</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>이전 형식</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>행정체적 (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>행정체적     </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>저압/고압</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>배기량 (cm3)</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Drel에 이메일을 보내려면 여기를 클릭하십시오</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>프린터 선택(&amp;P)</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>단위</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>검색(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>제품군(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>이 버전의 새로운 기능</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel 웹사이트</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Drel에 문의</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>정보 ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>저작권</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>이 제품에 대한 추가 문서는 여기에 없습니다.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>필요하시면 문의해 주십시오.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>죄송합니다. 이 품목에 대한 데이터가 없습니다!</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>검색 결과</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>일괄 계산(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>비교(&amp;C)...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 선정 프로그램</translation>
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
        <translation>일괄 계산</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>입력 파일:</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV 또는 XLSX: article, refrigerant, t0, tc 또는 air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>열기...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>CSV/XLSX로 저장...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>입력 파일</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>표 (*.csv *.xlsx);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%2행 중 %1행 계산, %3행은 계산되지 않음(사유 포함).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>취소됨.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>파일 %1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Excel 통합 문서 (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>제품 데이터가 로드되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>참고</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>프로그램 시작</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>참고 사항 표시</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>선정 프로그램 시작</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - 선정 프로그램</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>검색 조건</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>검색 시작</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>검색 결과 인쇄</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>압축기</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>유닛</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>반밀폐형 압축기</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>흡입가스 냉각</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>공랭식</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4극 흡입가스 냉각</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>2단 흡입가스 냉각</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>듀플렉스 흡입가스 냉각</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>듀플렉스 공랭식</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>개방형 압축기</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>1단</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>2단</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>차량용 압축기</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>반밀폐형 압축기 유닛</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>수액기 포함</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>반밀폐형 콘덴싱 유닛</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>개방형 압축기 유닛</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>압축기 유닛</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>냉동능력:</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>필요한 냉동능력 입력</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>증발온도:</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>응축온도:</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>공기 입구 온도:</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>흡입가스 온도:</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>과냉각도:</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>주파수:</translation>
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
        <translation>회전수:</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>응축온도 20 °C 미만의 경우</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>성능 데이터는 문의해 주십시오.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>냉매:</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>냉동능력이 너무 큼</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>더 큰 압축기가 없음</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>데이터 시트</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>이 장치에 대한 자세한 정보 표시</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>냉동능력을 고려하거나 고려하지 않고 검색합니다.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>특정 압축기 형식을 검색합니다.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>압축기 형식 지정, 예: "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>LV 및 ELV 모터 압축기(&amp;E)</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>병렬 시스템도 검색(&amp;V)</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>정렬 기준:</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>냉동능력</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>행정체적</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>압축기 수 (및 냉동능력)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>압축기 수 (및 행정체적)</translation>
    </message>
    <message>
        <source>Qo   </source>
        <translation>Qo   </translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>제품 데이터가 로드되지 않았습니다.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>표시할 행 없음: %1개의 결과가 모두 S 버전이며, t0 = -20 °C부터는 표시되지 않습니다.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>결과 없음: 이 시리즈(및 형식)의 어떤 제품에도 냉매 %1에 대한 데이터가 없습니다.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>결과 없음: 이 운전점에서 %1개의 제품이 모두 사용 범위를 벗어납니다.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>결과 없음: 사용 범위 안의 %1개 제품 중 이 운전점에서 계산할 수 있는 제품이 없습니다.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>여유</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>사용 한계까지의 여유</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>선택 항목 비교(최대 4개)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>공기 입구</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>대체 압축기</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>이 페이지 도킹</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>검색 결과 인쇄</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>형식</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>냉매</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>모터</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>압축기 1 주파수</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>주파수</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>회전수</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>압축기 2 주파수</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>증발온도</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>응축온도</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>공기 입구 온도</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>과냉각도</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>흡입가스 온도</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>과열도 (증발기)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>중간냉각기 출구 온도</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>압축기 냉동능력</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>증발기 냉동능력</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>소비전력</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>소비전류</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>성적계수 (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>응축능력</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>질량유량</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>소비전력</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>토크</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>기술 데이터</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>사용 한계</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>공급 범위</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>부속품</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>치수 및 연결부</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>제품 사진</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>성능 데이터 표</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>입찰 문안</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>대체 압축기</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>대체 압축기 닫기</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>검색으로 돌아가기</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>JSON으로 저장</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>JSON 파일 (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>파일 %1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>입력 한계 안으로 이동됨</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>운전점이 사용 한계를 벗어남</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215): 중온 (t0 -10 °C) %1, 저온 (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C:</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>범위 밖</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>기준 조건</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>ASERCOM 인증용</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>설명</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>냉매:</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0:</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / 공기:</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>공기 입구(콘덴싱 유닛)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>품목:</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>비교</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>PDF/CSV/XLSX로 저장...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>품목을 입력하거나 결과 목록에서 선택하십시오.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Excel 통합 문서 (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>흡입가스 온도:</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>과열도:</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>과냉각도:</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>열린 데이터 시트</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>첫 데이터 시트의 운전점에서 열린 데이터 시트의 품목 비교</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>냉매, t0, tc(또는 공기), 흡입가스 온도, 과열도, 과냉각도와 품목을 하나 이상 입력하십시오.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>물품을 표시하는 열린 데이터 시트가 없습니다.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>첫 품목 대비 차이(%), 사용 한계까지의 여유는 K 단위; 한계 내부에서 여유는 양수.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>인증 안내</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>자세한 정보는 Enter 또는 두 번 클릭</translation>
    </message>
</context>
<context>
    <name>drel::ui::TabelleTab</name>
    <message>
        <source>max</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>Abstand</source>
        <translation>간격</translation>
    </message>
    <message>
        <source>to min</source>
        <translation>t0 최소</translation>
    </message>
    <message>
        <source>tc min</source>
        <translation>tc 최소</translation>
    </message>
    <message>
        <source>tle min</source>
        <translation>tle 최소</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>항목을 클릭하면 해당 데이터가 위 입력란으로 옮겨집니다</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>파일 %1을(를) 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>CSV로 저장...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Excel 파일 저장...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>클립보드로 복사</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>성능 데이터</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>CSV로 저장</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Excel 파일 저장</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Excel 파일 (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>비고:</translation>
    </message>
</context>
</TS>
