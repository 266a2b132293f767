<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Ausschreibung</name>
    <message>
        <source>Lieferumfang</source>
        <translation>Étendue de la livraison</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Caractéristiques techniques</translation>
    </message>
    <message>
        <source>Fabrikat:</source>
        <translation>Marque :</translation>
    </message>
    <message>
        <source>Typ:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung:</source>
        <translation>Puissance frigorifique du compresseur :</translation>
    </message>
    <message>
        <source>Antriebsleistung:</source>
        <translation>Puissance absorbée :</translation>
    </message>
    <message>
        <source>Leistungsaufnahme:</source>
        <translation>Puissance absorbée :</translation>
    </message>
    <message>
        <source>Massenstrom:</source>
        <translation>Débit massique :</translation>
    </message>
    <message>
        <source>bei folgendem Betriebspunkt:</source>
        <translation>au point de fonctionnement suivant :</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Température des gaz aspirés :</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sous-refroidissement :</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluide frigorigène :</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Stromaufnahme:</source>
        <translation>Courant absorbé :</translation>
    </message>
    <message>
        <source>Drehzahl:</source>
        <translation>Vitesse de rotation :</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessoires</translation>
    </message>
</context>
<context>
    <name>BerichtDrucker</name>
    <message>
        <source>Als PDF speichern</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Enregistré : %1</translation>
    </message>
</context>
<context>
    <name>DatenblattDruck</name>
    <message>
        <source>Frequenz</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Vitesse de rotation</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Température de condensation</translation>
    </message>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions et raccordements</translation>
    </message>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Illustration non contractuelle</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Sous-refroidissement</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Température des gaz aspirés</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Température d'évaporation</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Fréquence compresseur 1</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Fréquence compresseur 2</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Température d'entrée d'air</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Surchauffe (évaporateur)</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Puissance frigorifique du compresseur</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Puissance frigorifique de l'évaporateur</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Courant absorbé</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficient de performance (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Puissance de condensation</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Température en sortie du refroidisseur intermédiaire</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Anderungen vorbehalten.</source>
        <translation>Sous réserve de modifications.</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Données de performance</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Caract. techn.</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites d'application</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Étendue de la livraison</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Photo du produit</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tableau des performances</translation>
    </message>
    <message>
        <source>* in die Eingabegrenzen verschoben</source>
        <translation>* ramené dans les limites de saisie</translation>
    </message>
    <message>
        <source>** Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>** point de fonctionnement hors des limites d'application</translation>
    </message>
    <message>
        <source>SEPR nach Verordnung (EU) 2015/1095 und EN 13215 (Sauggas 20 °C, keine Unterkuhlung)</source>
        <translation>SEPR selon le règlement (UE) 2015/1095 et l'EN 13215 (gaz aspirés 20 °C, sans sous-refroidissement)</translation>
    </message>
    <message>
        <source>Normalkuhlung (t0 -10 °C): SEPR %1 (%2)</source>
        <translation>Moyenne température (t0 -10 °C) : SEPR %1 (%2)</translation>
    </message>
    <message>
        <source>Tiefkuhlung (t0 -35 °C): SEPR %1 (%2)</source>
        <translation>Basse température (t0 -35 °C) : SEPR %1 (%2)</translation>
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
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 %2, Unterkuhlung %3 %4, Uberhitzung %5 %6, %7 Hz</source>
        <translation>Température des gaz aspirés %1 %2, sous-refroidissement %3 %4, surchauffe %5 %6, %7 Hz</translation>
    </message>
    <message>
        <source> / %1 Hz (Verdichter 2)</source>
        <translation> / %1 Hz (compresseur 2)</translation>
    </message>
    <message>
        <source>, 8-polig</source>
        <translation>, 8 pôles</translation>
    </message>
    <message>
        <source>, tc aus der Bilanz mit dem Luftkondensator</source>
        <translation>, tc issue du bilan avec le condenseur à air</translation>
    </message>
    <message>
        <source>Berechnungsgrundlage</source>
        <translation>Base de calcul</translation>
    </message>
</context>
<context>
    <name>Programmstart</name>
    <message>
        <source>Die Prüfung der Leistungskoeffizienten ergab %1 Befunde; siehe Daten/Pruefbericht.txt.</source>
        <translation>Le contrôle des coefficients de puissance a relevé %1 anomalies ; voir Daten/Pruefbericht.txt.</translation>
    </message>
</context>
<context>
    <name>TDChart</name>
    <message>
        <source>Noch nicht implementiert!</source>
        <translation>Pas encore implémenté !</translation>
    </message>
</context>
<context>
    <name>TFrmHinweise</name>
    <message>
        <source>Zusatzkuhlung erforderlich</source>
        <translation>Refroidissement additionnel nécessaire</translation>
    </message>
    <message>
        <source>max. Uberhitzung 10K !</source>
        <translation>surchauffe max. 10K !</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !  n zu gross</source>
        <translation>Vitesse de rotation : respecter la limite d'application !  n trop élevée</translation>
    </message>
    <message>
        <source>Drehzahl: Einsatzgrenze beachten !    n zu klein </source>
        <translation>Vitesse de rotation : respecter la limite d'application !    n trop faible </translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu gross</source>
        <translation>t0 : respecter la limite d'application !    t0 trop élevée</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu gross</source>
        <translation>tc : respecter la limite d'application !    tc trop élevée</translation>
    </message>
    <message>
        <source>t0: Einsatzgrenze beachten !    t0 zu klein</source>
        <translation>t0 : respecter la limite d'application !    t0 trop basse</translation>
    </message>
    <message>
        <source>tc: Einsatzgrenze beachten !    tc zu klein</source>
        <translation>tc : respecter la limite d'application !    tc trop basse</translation>
    </message>
    <message>
        <source>Einsatzgrenze beachten ! (t0, tc, toh)</source>
        <translation>Respecter les limites d'application ! (t0, tc, toh)</translation>
    </message>
    <message>
        <source>Reduzierte Sauggastemp. und/oder Zusatzkuhlung notig.</source>
        <translation>Température des gaz aspirés réduite et/ou refroidissement additionnel nécessaire.</translation>
    </message>
    <message>
        <source>Spitzendrehzahlbereich 3000 ... 3500 1/min z.B. bei</source>
        <translation>Plage de vitesse de rotation de pointe 3000 ... 3500 1/min, p. ex. lors des</translation>
    </message>
    <message>
        <source>Schaltvorgangen, Bergabfahrten im Schubbetrieb usw.</source>
        <translation>changements de vitesse, descentes en frein moteur, etc.</translation>
    </message>
    <message>
        <source>Maximale Leistungsaufnahme uberschritten !</source>
        <translation>Puissance absorbée maximale dépassée !</translation>
    </message>
    <message>
        <source>Siehe Technische Daten.</source>
        <translation>Voir les caractéristiques techniques.</translation>
    </message>
</context>
<context>
    <name>drel::Dateischreiben</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>plus d'espace sur le disque</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>le disque est protégé en écriture</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>le dossier n'existe pas</translation>
    </message>
    <message>
        <source>der Name ist ein Ordner</source>
        <translation>le nom est un dossier</translation>
    </message>
    <message>
        <source>niemand liest von dieser Datei</source>
        <translation>personne ne lit ce fichier</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>kein Dateiname</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>größer als %1 Bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
</context>
<context>
    <name>drel::chart::TDChart</name>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Save as Bitmap</source>
        <translation>&amp;Enregistrer en bitmap</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Printer &amp;Setup</source>
        <translation>&amp;Configuration de l'imprimante</translation>
    </message>
    <message>
        <source>&amp;Einstellungen</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Werte-Tabelle</source>
        <translation>&amp;Tableau des valeurs</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>das Bild kann nicht umgewandelt werden</source>
        <translation>l'image ne peut pas être convertie</translation>
    </message>
</context>
<context>
    <name>drel::chart::TSkalierung</name>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>X-Achse</source>
        <translation>Axe X</translation>
    </message>
    <message>
        <source>Y-Achse</source>
        <translation>Axe Y</translation>
    </message>
    <message>
        <source>Minimum-Wert</source>
        <translation>Valeur minimale</translation>
    </message>
    <message>
        <source>Maximum-Wert</source>
        <translation>Valeur maximale</translation>
    </message>
    <message>
        <source>Schrittweite</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Anzahl Dezimalstelle</source>
        <translation>Nombre de chiffres</translation>
    </message>
    <message>
        <source>Anzahl Nachkommastellen</source>
        <translation>Nombre de décimales</translation>
    </message>
    <message>
        <source>Diagramm Titel:</source>
        <translation>Titre du diagramme :</translation>
    </message>
    <message>
        <source>Legende 1</source>
        <translation>Légende 1</translation>
    </message>
    <message>
        <source>Legende 2</source>
        <translation>Légende 2</translation>
    </message>
    <message>
        <source>Legende 3</source>
        <translation>Légende 3</translation>
    </message>
    <message>
        <source>Beschriftungen</source>
        <translation>Libellés</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Linien</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Kreuze</source>
        <translation>Croix</translation>
    </message>
    <message>
        <source>Strichstärke</source>
        <translation>Épaisseur de trait</translation>
    </message>
    <message>
        <source>Parameter (Texte)</source>
        <translation>Paramètres (textes)</translation>
    </message>
    <message>
        <source>ungefähre Abstände beim Ausdruck</source>
        <translation>Distances approximatives à l'impression</translation>
    </message>
    <message>
        <source>Linker Rand [mm]</source>
        <translation>Marge gauche [mm]</translation>
    </message>
    <message>
        <source>Breite [mm]</source>
        <translation>Largeur [mm]</translation>
    </message>
    <message>
        <source>Oberer Rand [mm]</source>
        <translation>Marge supérieure [mm]</translation>
    </message>
    <message>
        <source>Höhe [mm]</source>
        <translation>Hauteur [mm]</translation>
    </message>
    <message>
        <source>Qualität des Bitmaps (1..4)</source>
        <translation>Qualité du bitmap (1..4)</translation>
    </message>
    <message>
        <source>Position der Parameter</source>
        <translation>Position des paramètres</translation>
    </message>
    <message>
        <source>links oben</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>links unten</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>rechts oben</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>rechts unten</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>Art der Grafik</source>
        <translation>Type de graphique</translation>
    </message>
    <message>
        <source>normal X-Y</source>
        <translation>X-Y normal</translation>
    </message>
    <message>
        <source>Kreisdiagramm 0..360°</source>
        <translation>Diagramme polaire 0..360°</translation>
    </message>
    <message>
        <source>logX-Y-Diagramm</source>
        <translation>Diagramme logX-Y</translation>
    </message>
    <message>
        <source>X-logY-Diagramm</source>
        <translation>Diagramme X-logY</translation>
    </message>
    <message>
        <source>logX-logY-Diagramm</source>
        <translation>Diagramme logX-logY</translation>
    </message>
</context>
<context>
    <name>drel::chart::TTabellen</name>
    <message>
        <source>Tabellen</source>
        <translation>Tableaux</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Werte übernehmen</source>
        <translation>&amp;Appliquer les valeurs</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edition</translation>
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
        <translation>Un instant, les bases de données sont en cours de préparation.</translation>
    </message>
    <message>
        <source>Dies dauert ein wenig.</source>
        <translation>Cela prend un peu de temps.</translation>
    </message>
</context>
<context>
    <name>drel::print::Druckerauswahl</name>
    <message>
        <source>Druckerauswahl</source>
        <translation>Choix de l'imprimante</translation>
    </message>
    <message>
        <source>Es ist kein Drucker installiert.</source>
        <translation>Aucune imprimante n'est installée.</translation>
    </message>
    <message>
        <source>Drucker:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>%1 (Standard)</source>
        <translation>%1 (par défaut)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>drel::print::Ergebnisdruck</name>
    <message>
        <source>Baureihen:</source>
        <translation>Séries :</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluide frigorigène :</translation>
    </message>
    <message>
        <source>Betriebspunkt:</source>
        <translation>Point de fonctionnement :</translation>
    </message>
</context>
<context>
    <name>drel::print::TFrmKunde</name>
    <message>
        <source>Kundenadresse</source>
        <translation>Adresse du client</translation>
    </message>
    <message>
        <source>Absender-Adresse</source>
        <translation>Adresse de l'expéditeur</translation>
    </message>
    <message>
        <source>Empfanger-Adresse</source>
        <translation>Adresse du destinataire</translation>
    </message>
    <message>
        <source>Betreff</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zustandig</source>
        <translation>Interlocuteur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Données de performance</translation>
    </message>
    <message>
        <source>Technische Daten</source>
        <translation>Caractéristiques techniques</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites d'application</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Étendue de la livraison</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions et raccordements</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Photo du produit</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tableau des performances</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Vorschau</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>PDF erstellen</source>
        <translation>Créer un PDF</translation>
    </message>
    <message>
        <source>Drucker</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>PDF-Dateien (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>drel::print::Vergleichsdruck</name>
    <message>
        <source>,  Lufteintritt </source>
        <translation>,  entrée d'air </translation>
    </message>
    <message>
        <source>,  Sauggas </source>
        <translation>,  gaz aspiré </translation>
    </message>
    <message>
        <source>Vergleich</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>,  Uberhitzung </source>
        <translation>,  surchauffe </translation>
    </message>
    <message>
        <source>,  Unterkuhlung </source>
        <translation>,  sous-refroidissement </translation>
    </message>
</context>
<context>
    <name>drel::sheet::Datenblatt</name>
    <message>
        <source>Abstand zur Einsatzgrenze: %1</source>
        <translation>Marge jusqu'à la limite d'application : %1</translation>
    </message>
</context>
<context>
    <name>drel::sheet::GrenzDiagramm</name>
    <message>
        <source>Verdampfungstemperatur t0 [%1]</source>
        <translation>Température d'évaporation t0 [%1]</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur tc [%1]</source>
        <translation>Température de condensation tc [%1]</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Herkunft</name>
    <message>
        <source>Katalog %1, Build %2, Programm %3</source>
        <translation>Catalogue %1, build %2, programme %3</translation>
    </message>
    <message>
        <source>Sauggastemperatur %1 °C</source>
        <translation>Température des gaz aspirés %1 °C</translation>
    </message>
    <message>
        <source>Uberhitzung %1 K</source>
        <translation>Surchauffe %1 K</translation>
    </message>
    <message>
        <source>Bemessung: %1, Unterkuhlung %2 K, %3</source>
        <translation>Base de calcul : %1, sous-refroidissement %2 K, %3</translation>
    </message>
    <message>
        <source>Stoffwerte %1: keine Stoffdatei</source>
        <translation>Propriétés de %1 : pas de fichier de fluide</translation>
    </message>
    <message>
        <source>Stoffwerte %1: %2 (%3), Bezugszustand %4</source>
        <translation>Propriétés de %1 : %2 (%3), état de référence %4</translation>
    </message>
    <message>
        <source>%1: GWP %2 (AR4), %3 (AR5), Sicherheitsgruppe %4</source>
        <translation>%1 : PRP %2 (AR4), %3 (AR5), classe de sécurité %4</translation>
    </message>
    <message>
        <source>Temperaturgleit bei t0 %1 K (Mitteltemperatur %2 °C), bei tc %3 K (Mitteltemperatur %4 °C)</source>
        <translation>Glissement de température à t0 %1 K (température moyenne %2 °C), à tc %3 K (température moyenne %4 °C)</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Reihenrechnung</name>
    <message>
        <source>keine Zahl: '%1'</source>
        <translation>pas un nombre : '%1'</translation>
    </message>
    <message>
        <source>Artikel, Kaeltemittel, t0 und tc oder Luft sind noetig</source>
        <translation>Article, fluide frigorigène, t0 et tc ou air sont nécessaires</translation>
    </message>
    <message>
        <source>Die Tabelle ist leer.</source>
        <translation>Le tableau est vide.</translation>
    </message>
    <message>
        <source>Die erste Zeile nennt nicht die Spalten article, refrigerant, t0 und tc oder air.</source>
        <translation>La première ligne ne nomme pas les colonnes article, refrigerant, t0 et tc ou air.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>Le fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe %1 kann nicht gelesen werden: %2</source>
        <translation>Le classeur %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>kein Artikel '%1'</source>
        <translation>pas d'article '%1'</translation>
    </message>
    <message>
        <source>%1 hat keine Leistungsdaten fuer %2</source>
        <translation>%1 n'a pas de données de puissance pour %2</translation>
    </message>
    <message>
        <source>%1 ist kein Verflussigungssatz; tc angeben</source>
        <translation>%1 n'est pas un groupe de condensation ; indiquer tc</translation>
    </message>
    <message>
        <source>%1 ist ein Verflussigungssatz; Luft angeben</source>
        <translation>%1 est un groupe de condensation ; indiquer l'air</translation>
    </message>
    <message>
        <source>an diesem Punkt nicht berechenbar</source>
        <translation>non calculable en ce point</translation>
    </message>
    <message>
        <source>Datenfehler</source>
        <translation>Erreur de données</translation>
    </message>
    <message>
        <source>Zeile</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Kältemittel</source>
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Grund</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Entrée d'air</translation>
    </message>
    <message>
        <source>Unterkühlung</source>
        <translation>Sous-refroidissement</translation>
    </message>
    <message>
        <source>Überhitzung</source>
        <translation>Surchauffe</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Marge jusqu'à la limite d'application</translation>
    </message>
    <message>
        <source>Grenzcode</source>
        <translation>Code de limite</translation>
    </message>
    <message>
        <source>außerhalb</source>
        <translation>hors limites</translation>
    </message>
    <message>
        <source>begrenzt</source>
        <translation>limité</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>calculé</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>non calculé</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>non</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Tabellenexport</name>
    <message>
        <source>Die Arbeitsmappe konnte nicht erstellt werden.</source>
        <translation>Le classeur n'a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>drel::sheet::Vergleich</name>
    <message>
        <source>Grosse</source>
        <translation>Grandeur</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Marge jusqu'à la limite d'application</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Diff.</source>
        <translation>Écart</translation>
    </message>
</context>
<context>
    <name>drel::sheet::XlsxLesen</name>
    <message>
        <source>kein lesbares Arbeitsblatt</source>
        <translation>aucune feuille de calcul lisible</translation>
    </message>
</context>
<context>
    <name>drel::ui::AusschreibungTab</name>
    <message>
        <source>Technische Daten</source>
        <translation>Caractéristiques techniques</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Étendue de la livraison</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Zu Word</source>
        <translation>Vers Word</translation>
    </message>
</context>
<context>
    <name>drel::ui::BildSpeichern</name>
    <message>
        <source>Bild speichern</source>
        <translation>Enregistrer l'image</translation>
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
        <translation>Images (*.jpg *.jpeg)</translation>
    </message>
</context>
<context>
    <name>drel::ui::FotoTab</name>
    <message>
        <source>Abbildung ahnlich</source>
        <translation>Illustration non contractuelle</translation>
    </message>
</context>
<context>
    <name>drel::ui::TDEdit</name>
    <message>
        <source>"%1" ist keine Zahl; es bleibt %2.</source>
        <translation>« %1 » n'est pas un nombre ; %2 reste.</translation>
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
        <translation>Drel - Programme de sélection</translation>
    </message>
    <message>
        <source>© %1 Drel. Alle Rechte vorbehalten.</source>
        <translation>© %1 Drel. Tous droits réservés.</translation>
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
        <translation>Unités</translation>
    </message>
    <message>
        <source>Kalteleistung</source>
        <translation>Puissance frigorifique</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 wurde nicht gefunden.</source>
        <translation>Le fichier d'aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHilfsTextAnzeigen</name>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Der Hilfetext %1 ist nicht vorhanden.</source>
        <translation>Le texte d'aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmHinweise</name>
    <message>
        <source>Hinweise</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmMenue</name>
    <message>
        <source>Suche nach Leistung / Typ</source>
        <translation>Recherche par puissance / type</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compresseurs semi-hermétiques</translation>
    </message>
    <message>
        <source>Sauggasgekuhlt QN</source>
        <translation>Refroidi par gaz aspiré QN</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>mono-étagé</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>bi-étagé</translation>
    </message>
    <message>
        <source>8/4polig (zwei Drehzahlen)</source>
        <translation>8/4 pôles (deux vitesses de rotation)</translation>
    </message>
    <message>
        <source>Duplex Verdichter</source>
        <translation>Compresseurs duplex</translation>
    </message>
    <message>
        <source>Verdichtersatze mit Sammler</source>
        <translation>Groupes de compression avec réservoir</translation>
    </message>
    <message>
        <source>Verflussigungssatze luftgekuhlt</source>
        <translation>Groupes de condensation à air</translation>
    </message>
    <message>
        <source>CO2 subkritisch</source>
        <translation>CO2 sous-critique</translation>
    </message>
    <message>
        <source>Luftgekuhlt QL</source>
        <translation>Refroidi par air QL</translation>
    </message>
    <message>
        <source>Offene Motorverdichter LV</source>
        <translation>Compresseurs ouverts à moteur LV</translation>
    </message>
    <message>
        <source>Offene Verdichter W</source>
        <translation>Compresseurs ouverts W</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Groupes de compression</translation>
    </message>
    <message>
        <source>NH3-Verdichter</source>
        <translation>Compresseurs NH3</translation>
    </message>
    <message>
        <source>NH3-Verdichtersatze</source>
        <translation>Groupes de compression NH3</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter WY</source>
        <translation>Compresseurs pour véhicules WY</translation>
    </message>
    <message>
        <source>Bus- und Bahnklimatisierung</source>
        <translation>Climatisation bus et rail</translation>
    </message>
    <message>
        <source>Transportkuhlung</source>
        <translation>Réfrigération de transport</translation>
    </message>
    <message>
        <source>   und andere Anwendungen</source>
        <translation>   et autres applications</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Englisch</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Franzosisch</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italienisch</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Portugiesisch</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Spanisch</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Russisch</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Polnisch</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Chinesisch</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Koreanisch</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Aktuelle Typen</source>
        <translation>Types actuels</translation>
    </message>
    <message>
        <source>Hubvolumen bei 50 Hz (1450 1/min) m3/h</source>
        <translation>Volume balayé à 50 Hz (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv 50Hz</source>
        <translation>Vol. bal. 50Hz</translation>
    </message>
    <message>
        <source>Motor KW/PS</source>
        <translation>Moteur kW/CV</translation>
    </message>
    <message>
        <source>Vorgangertyp</source>
        <translation>Type précédent</translation>
    </message>
    <message>
        <source>Hubvolumen (1450 1/min) m3/h</source>
        <translation>Volume balayé (1450 1/min) m3/h</translation>
    </message>
    <message>
        <source>Hubv         </source>
        <translation>Vol. bal.    </translation>
    </message>
    <message>
        <source>LP/HP</source>
        <translation>BP/HP</translation>
    </message>
    <message>
        <source>Hubraum in ccm</source>
        <translation>Cylindrée en cm3</translation>
    </message>
    <message>
        <source>Klicken Sie hier um eine e-Mail an Drel zu senden</source>
        <translation>Cliquez ici pour envoyer un e-mail à Drel</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Druckerauswahl</source>
        <translation>Choix de l'&amp;imprimante</translation>
    </message>
    <message>
        <source>Einheiten</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Suchen</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Lieferprogramm</source>
        <translation>&amp;Gamme de produits</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Neu in dieser Version</source>
        <translation>Nouveautés de cette version</translation>
    </message>
    <message>
        <source>Drel im Internet</source>
        <translation>Drel sur Internet</translation>
    </message>
    <message>
        <source>Kontakt zu Drel</source>
        <translation>Contacter Drel</translation>
    </message>
    <message>
        <source>Uber ...</source>
        <translation>À propos ...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Von diesen Produkten sind hier keine weiteren Dokumentationen</source>
        <translation>Aucune autre documentation de ces produits n'est disponible ici.</translation>
    </message>
    <message>
        <source>aufgefuhrt. Im Bedarsfall bitten wir um Anfrage.</source>
        <translation>Contactez-nous si vous en avez besoin.</translation>
    </message>
    <message>
        <source>Leider sind zu diesem Artikel keine Daten vorhanden !!!</source>
        <translation>Désolé, aucune donnée n'est disponible pour cet article !</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Suchergebnis</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Reihenberechnung...</source>
        <translation>&amp;Calcul en série...</translation>
    </message>
    <message>
        <source>&amp;Vergleich...</source>
        <translation>C&amp;omparaison...</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programme de sélection</translation>
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
        <translation>Calcul en série</translation>
    </message>
    <message>
        <source>Eingabedatei:</source>
        <translation>Fichier d'entrée :</translation>
    </message>
    <message>
        <source>CSV oder XLSX: article, refrigerant, t0, tc oder air, ts, subcooling, superheat, hz, n</source>
        <translation>CSV ou XLSX : article, refrigerant, t0, tc ou air, ts, subcooling, superheat, hz, n</translation>
    </message>
    <message>
        <source>Offnen...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Speichern als CSV/XLSX...</source>
        <translation>Enregistrer en CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Eingabedatei</source>
        <translation>Fichier d'entrée</translation>
    </message>
    <message>
        <source>Tabellen (*.csv *.xlsx);;Alle Dateien (*)</source>
        <translation>Tableaux (*.csv *.xlsx);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen berechnet, %3 mit Grund nicht berechnet.</source>
        <translation>%1 lignes sur %2 calculées, %3 non calculées (avec la raison).</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossible d'écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>CSV (*.csv);;Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Die Produktdaten sind nicht geladen.</source>
        <translation>Les données produits ne sont pas chargées.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSplash</name>
    <message>
        <source>Hinweis</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Programmstart</source>
        <translation>Démarrage du programme</translation>
    </message>
    <message>
        <source>Hinweise zeigen</source>
        <translation>Afficher les remarques</translation>
    </message>
    <message>
        <source>Auswahlprogramm starten</source>
        <translation>Lancer le programme de sélection</translation>
    </message>
    <message>
        <source>Drel - Auswahlprogramm</source>
        <translation>Drel - Programme de sélection</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmSuche</name>
    <message>
        <source>Suchkriterien</source>
        <translation>Critères de recherche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Suche starten</source>
        <translation>Lancer la recherche</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimer le résultat de la recherche</translation>
    </message>
    <message>
        <source>Verdichter</source>
        <translation>Compresseurs</translation>
    </message>
    <message>
        <source>Aggregate</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichter</source>
        <translation>Compresseurs semi-hermétiques</translation>
    </message>
    <message>
        <source>QN</source>
        <translation>QN</translation>
    </message>
    <message>
        <source>sauggasgekuhlt</source>
        <translation>refroidi par les gaz aspirés</translation>
    </message>
    <message>
        <source>QL</source>
        <translation>QL</translation>
    </message>
    <message>
        <source>luftgekuhlt</source>
        <translation>refroidi par air</translation>
    </message>
    <message>
        <source>8/4-polig sauggasgekuhlt</source>
        <translation>8/4 pôles, refroidi par les gaz aspirés</translation>
    </message>
    <message>
        <source>QNT</source>
        <translation>QNT</translation>
    </message>
    <message>
        <source>zweistufig sauggasgekuhlt</source>
        <translation>bi-étagé, refroidi par les gaz aspirés</translation>
    </message>
    <message>
        <source>EQN</source>
        <translation>EQN</translation>
    </message>
    <message>
        <source>Duplex sauggasgekuhlt</source>
        <translation>Duplex refroidi par les gaz aspirés</translation>
    </message>
    <message>
        <source>EQL</source>
        <translation>EQL</translation>
    </message>
    <message>
        <source>Duplex luftgekuhlt</source>
        <translation>Duplex refroidi par air</translation>
    </message>
    <message>
        <source>Offene Verdichter</source>
        <translation>Compresseurs ouverts</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>einstufig</source>
        <translation>mono-étagé</translation>
    </message>
    <message>
        <source>WT</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>zweistufig</source>
        <translation>bi-étagé</translation>
    </message>
    <message>
        <source>WY</source>
        <translation>WY</translation>
    </message>
    <message>
        <source>Fahrzeugverdichter</source>
        <translation>Compresseurs pour véhicules</translation>
    </message>
    <message>
        <source>Halbhermetische Verdichtersatze</source>
        <translation>Groupes de compression semi-hermétiques</translation>
    </message>
    <message>
        <source>CQN</source>
        <translation>CQN</translation>
    </message>
    <message>
        <source>mit Sammler</source>
        <translation>avec réservoir de liquide</translation>
    </message>
    <message>
        <source>CQL</source>
        <translation>CQL</translation>
    </message>
    <message>
        <source>Halbhermetische Verflussigungssatze</source>
        <translation>Groupes de condensation semi-hermétiques</translation>
    </message>
    <message>
        <source>Offene Verdichtersatze</source>
        <translation>Groupes de compression ouverts</translation>
    </message>
    <message>
        <source>WEY</source>
        <translation>WEY</translation>
    </message>
    <message>
        <source>Verdichtersatze</source>
        <translation>Groupes de compression</translation>
    </message>
    <message>
        <source>Kalteleistung:</source>
        <translation>Puissance frigorifique :</translation>
    </message>
    <message>
        <source>Gewunschte Kalteleistung eingeben</source>
        <translation>Saisir la puissance frigorifique souhaitée</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur:</source>
        <translation>Température d'évaporation :</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur:</source>
        <translation>Température de condensation :</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur:</source>
        <translation>Température d'entrée d'air :</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Température des gaz aspirés :</translation>
    </message>
    <message>
        <source>toh</source>
        <translation>toh</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sous-refroidissement :</translation>
    </message>
    <message>
        <source>Frequenz:</source>
        <translation>Fréquence :</translation>
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
        <translation>Vitesse de rotation :</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Fur Verflussigungstemperaturen unterhalb 20 C</source>
        <translation>Pour des températures de condensation inférieures à 20 °C</translation>
    </message>
    <message>
        <source>Leistungsdaten bitte anfragen.</source>
        <translation>veuillez demander les données de performance.</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluide frigorigène :</translation>
    </message>
    <message>
        <source>Kalteleistung zu gross</source>
        <translation>Puissance frigorifique trop élevée</translation>
    </message>
    <message>
        <source>Kein grosserer Verdichter verfugbar</source>
        <translation>Aucun compresseur plus grand disponible</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>Nähere Information zu diesem Gerät zeigen</source>
        <translation>Afficher plus d'informations sur cet appareil</translation>
    </message>
    <message>
        <source>Mit/ohne Berücksichtigung der Kälteleistung suchen.</source>
        <translation>Rechercher avec ou sans prise en compte de la puissance frigorifique.</translation>
    </message>
    <message>
        <source>Suche nach einem bestimmten Verdichtertyp.</source>
        <translation>Recherche d'un type de compresseur précis.</translation>
    </message>
    <message>
        <source>Verdichtertyp spezifizieren z.B.: "QL4"</source>
        <translation>Indiquer le type de compresseur, p. ex. : "QL4"</translation>
    </message>
    <message>
        <source>LV- und &amp;ELV- Motor- Verdichter</source>
        <translation>Compresseurs à moteur LV et &amp;ELV</translation>
    </message>
    <message>
        <source>auch nach &amp;Verbundanlagen suchen</source>
        <translation>rechercher aussi des &amp;centrales frigorifiques</translation>
    </message>
    <message>
        <source>Sortierkriterien:</source>
        <translation>Trier par :</translation>
    </message>
    <message>
        <source>Kälteleistung</source>
        <translation>Puissance frigorifique</translation>
    </message>
    <message>
        <source>Hubvolumen</source>
        <translation>Volume balayé</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Kälteleistung)</source>
        <translation>Nombre de compresseurs (et puissance frigorifique)</translation>
    </message>
    <message>
        <source>Anzahl von Verdichtern (und Hubvolumen)</source>
        <translation>Nombre de compresseurs (et volume balayé)</translation>
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
        <translation>Les données produits ne sont pas chargées.</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Keine Zeile: alle %1 Ergebnisse sind S-Versionen, die ab t0 = -20 °C nicht gezeigt werden.</source>
        <translation>Aucune ligne : les %1 résultats sont tous des versions S, qui ne sont pas affichées à partir de t0 = -20 °C.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: kein Artikel dieser Serien (und des Typs) hat Daten für das Kältemittel %1.</source>
        <translation>Aucun résultat : aucun article de ces séries (et de ce type) n'a de données pour le fluide frigorigène %1.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: alle %1 Artikel liegen an diesem Betriebspunkt außerhalb ihres Einsatzbereichs.</source>
        <translation>Aucun résultat : à ce point de fonctionnement, les %1 articles sont tous hors de leurs limites d'utilisation.</translation>
    </message>
    <message>
        <source>Kein Ergebnis: keiner der %1 Artikel im Einsatzbereich ist an diesem Betriebspunkt berechenbar.</source>
        <translation>Aucun résultat : aucun des %1 articles dans leurs limites d'utilisation ne peut être calculé à ce point de fonctionnement.</translation>
    </message>
    <message>
        <source>Abstand Grenze</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Abstand zur Einsatzgrenze</source>
        <translation>Marge jusqu'à la limite d'application</translation>
    </message>
    <message>
        <source>Markierte vergleichen (bis zu vier)</source>
        <translation>Comparer la sélection (quatre au plus)</translation>
    </message>
    <message>
        <source>Lufteintritt</source>
        <translation>Entrée d'air</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmTechnik</name>
    <message>
        <source>Technische Daten</source>
        <translation>Caractéristiques techniques</translation>
    </message>
    <message>
        <source>Zuruck</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Alternativer Verdichter</source>
        <translation>Compresseur alternatif</translation>
    </message>
    <message>
        <source>Diese Seite einklinken</source>
        <translation>Ancrer cette page</translation>
    </message>
    <message>
        <source>Suchergebnis drucken</source>
        <translation>Imprimer le résultat de la recherche</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kaltemittel</source>
        <translation>Fluide frigorigène</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>220-240V ∆ /380-420V S 50Hz</source>
        <translation>220-240V ∆ /380-420V Y 50Hz</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 1</source>
        <translation>Fréquence compresseur 1</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Drehzahl</source>
        <translation>Vitesse de rotation</translation>
    </message>
    <message>
        <source>1/min</source>
        <translation>1/min</translation>
    </message>
    <message>
        <source>Frequenz Verdichter 2</source>
        <translation>Fréquence compresseur 2</translation>
    </message>
    <message>
        <source>Verdampfungstemperatur</source>
        <translation>Température d'évaporation</translation>
    </message>
    <message>
        <source>Verflussigungstemperatur</source>
        <translation>Température de condensation</translation>
    </message>
    <message>
        <source>Lufteintrittstemperatur</source>
        <translation>Température d'entrée d'air</translation>
    </message>
    <message>
        <source>Unterkuhlung</source>
        <translation>Sous-refroidissement</translation>
    </message>
    <message>
        <source>Sauggastemperatur</source>
        <translation>Température des gaz aspirés</translation>
    </message>
    <message>
        <source>Uberhitzung (Verdampfer)</source>
        <translation>Surchauffe (évaporateur)</translation>
    </message>
    <message>
        <source>Temperatur am Zwischenkuhleraustritt</source>
        <translation>Température en sortie du refroidisseur intermédiaire</translation>
    </message>
    <message>
        <source>Verdichterkalteleistung</source>
        <translation>Puissance frigorifique du compresseur</translation>
    </message>
    <message>
        <source>Verdampferkalteleistung</source>
        <translation>Puissance frigorifique de l'évaporateur</translation>
    </message>
    <message>
        <source>Leistungsaufnahme</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Stromaufnahme</source>
        <translation>Courant absorbé</translation>
    </message>
    <message>
        <source>Kalteleistungszahl (COP)</source>
        <translation>Coefficient de performance (COP)</translation>
    </message>
    <message>
        <source>Verflussigungsleistung</source>
        <translation>Puissance de condensation</translation>
    </message>
    <message>
        <source>Massenstrom</source>
        <translation>Débit massique</translation>
    </message>
    <message>
        <source>Antriebsleistung</source>
        <translation>Puissance absorbée</translation>
    </message>
    <message>
        <source>Drehmoment</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Nm</source>
        <translation>Nm</translation>
    </message>
    <message>
        <source>Techn. Daten</source>
        <translation>Caract. techn.</translation>
    </message>
    <message>
        <source>Einsatzgrenzen</source>
        <translation>Limites d'application</translation>
    </message>
    <message>
        <source>Lieferumfang</source>
        <translation>Étendue de la livraison</translation>
    </message>
    <message>
        <source>Zubehor</source>
        <translation>Accessoires</translation>
    </message>
    <message>
        <source>Masse und Anschlusse</source>
        <translation>Dimensions et raccordements</translation>
    </message>
    <message>
        <source>Produktfoto</source>
        <translation>Photo du produit</translation>
    </message>
    <message>
        <source>Tabelle Leistungsdaten</source>
        <translation>Tableau des performances</translation>
    </message>
    <message>
        <source>Ausschreibungstexte</source>
        <translation>Textes de prescription</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter</source>
        <translation>Compresseur alternatif</translation>
    </message>
    <message>
        <source>Alternativ-Verdichter schließen</source>
        <translation>Fermer le compresseur alternatif</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zuruck zur Suche</source>
        <translation>Retour à la recherche</translation>
    </message>
    <message>
        <source>Speichern als JSON</source>
        <translation>Enregistrer en JSON</translation>
    </message>
    <message>
        <source>JSON-Dateien (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossible d'écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>In die Eingabegrenzen verschoben</source>
        <translation>Ramené dans les limites de saisie</translation>
    </message>
    <message>
        <source>Betriebspunkt ausserhalb der Einsatzgrenzen</source>
        <translation>Point de fonctionnement hors des limites d'application</translation>
    </message>
    <message>
        <source>SEPR (EN 13215): Normalkuhlung (t0 -10 °C) %1, Tiefkuhlung (t0 -35 °C) %2</source>
        <translation>SEPR (EN 13215) : moyenne température (t0 -10 °C) %1, basse température (t0 -35 °C) %2</translation>
    </message>
    <message>
        <source>t0 %1 °C:</source>
        <translation>t0 %1 °C :</translation>
    </message>
    <message>
        <source>ausserhalb</source>
        <translation>hors limites</translation>
    </message>
    <message>
        <source>Referenzbedingungen</source>
        <translation>Conditions de référence</translation>
    </message>
    <message>
        <source>fur ASERCOM-Zertifizierung</source>
        <translation>pour la certification ASERCOM</translation>
    </message>
    <message>
        <source>Erlauterung</source>
        <translation>Explication</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmVergleich</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Kaltemittel:</source>
        <translation>Fluide frigorigène :</translation>
    </message>
    <message>
        <source>t0:</source>
        <translation>t0 :</translation>
    </message>
    <message>
        <source>tc / Luft:</source>
        <translation>tc / air :</translation>
    </message>
    <message>
        <source>Lufteintritt (Verflussigungssatz)</source>
        <translation>Entrée d'air (groupe de condensation)</translation>
    </message>
    <message>
        <source>Artikel:</source>
        <translation>Articles :</translation>
    </message>
    <message>
        <source>Vergleichen</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Speichern als PDF/CSV/XLSX...</source>
        <translation>Enregistrer en PDF/CSV/XLSX...</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Artikel eingeben oder in der Ergebnisliste markieren.</source>
        <translation>Saisissez des articles ou sélectionnez-les dans la liste des résultats.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;CSV (*.csv);;Excel-Arbeitsmappe (*.xlsx)</source>
        <translation>PDF (*.pdf);;CSV (*.csv);;Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Sauggastemperatur:</source>
        <translation>Température des gaz aspirés :</translation>
    </message>
    <message>
        <source>Uberhitzung:</source>
        <translation>Surchauffe :</translation>
    </message>
    <message>
        <source>Unterkuhlung:</source>
        <translation>Sous-refroidissement :</translation>
    </message>
    <message>
        <source>Offene Datenblatter</source>
        <translation>Fiches techniques ouvertes</translation>
    </message>
    <message>
        <source>Die Artikel der offenen Datenblatter am Punkt des ersten vergleichen</source>
        <translation>Comparer les articles des fiches techniques ouvertes au point de la première</translation>
    </message>
    <message>
        <source>Bitte Kaltemittel, t0, tc (oder Luft), Sauggastemperatur, Uberhitzung, Unterkuhlung und mindestens einen Artikel angeben.</source>
        <translation>Indiquez le fluide frigorigène, t0, tc (ou l'air), la température des gaz aspirés, la surchauffe, le sous-refroidissement et au moins un article.</translation>
    </message>
    <message>
        <source>Kein offenes Datenblatt zeigt einen Artikel.</source>
        <translation>Aucune fiche technique ouverte n'affiche d'article.</translation>
    </message>
    <message>
        <source>Differenz zum ersten Artikel in %, beim Abstand zur Einsatzgrenze in K; der Abstand ist innerhalb positiv.</source>
        <translation>Écart par rapport au premier article en %, pour la marge jusqu'à la limite d'application en K ; la marge est positive à l'intérieur.</translation>
    </message>
</context>
<context>
    <name>drel::ui::TFrmZertHinweis</name>
    <message>
        <source>Hinweis zur Zertifizierung</source>
        <translation>Remarque sur la certification</translation>
    </message>
</context>
<context>
    <name>drel::ui::TStgSuche</name>
    <message>
        <source>Return oder Doppelklick fur nahere Informationen</source>
        <translation>Entrée ou double-clic pour plus d'informations</translation>
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
        <translation>Pas</translation>
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
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Klicken Sie einen Eintrag an, um die Daten oben zu ubernehmen</source>
        <translation>Cliquez sur une entrée pour reprendre ses données dans les champs ci-dessus</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden.</source>
        <translation>Impossible d'écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>CSV speichern...</source>
        <translation>Enregistrer en CSV...</translation>
    </message>
    <message>
        <source>Excel-Datei speichern...</source>
        <translation>Enregistrer le fichier Excel...</translation>
    </message>
    <message>
        <source>In Zwischenablage kopieren</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Leistungsdaten</source>
        <translation>Données de performance</translation>
    </message>
    <message>
        <source>CSV speichern</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Excel-Datei speichern</source>
        <translation>Enregistrer le fichier Excel</translation>
    </message>
    <message>
        <source>Excel-Dateien (*.xlsx)</source>
        <translation>Fichiers Excel (*.xlsx)</translation>
    </message>
</context>
<context>
    <name>drel::ui::TechnDatenTab</name>
    <message>
        <source>Bemerkungen:</source>
        <translation>Remarques :</translation>
    </message>
</context>
</TS>
