#include "tools/catalogue/programmtexte.h"

#include "tools/catalogue/uebersetzung.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace drel::katalog {

namespace {

struct Texte {
    QString titel;
    QStringList absaetze;
};

// RTF of plain paragraphs; characters beyond ASCII as \uN? escapes.
QByteArray rtf(const Texte& t) {
    auto escape = [](const QString& s) {
        QByteArray out;
        for (QChar c : s) {
            const ushort u = c.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                out += '\\';
                out += static_cast<char>(u);
            } else if (u < 128) {
                out += static_cast<char>(u);
            } else {
                out += "\\u" + QByteArray::number(static_cast<short>(u)) + '?';
            }
        }
        return out;
    };
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\n\\f0\\fs20\n";
    out += "{\\b\\fs24 " + escape(t.titel) + "}\\par\\par\n";
    for (const QString& a : t.absaetze)
        out += escape(a) + "\\par\n";
    out += "}\n";
    return out;
}

void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
        throw std::runtime_error(("cannot write " + pfad).toStdString());
}

struct Thema {
    int nummer;
    const char *titelDe, *titelEn, *textDe, *textEn;
};

const Thema kThemen[] = {
    {1, "Drel - Auswahlprogramm", "Drel selection program",
     "Das Programm wählt Verdichter und Verflüssigungssätze der Marke Drel aus und berechnet ihre "
     "Leistungsdaten. Links steht der Baureihenbaum, rechts die Typenliste, die Suche oder das "
     "Datenblatt. Fahren Sie mit der Maus über eine Baureihe, um ihr Bild zu sehen. Unter "
     "Optionen wählen Sie Einheiten, Sprache und Drucker. F1 zeigt in jedem Fenster die Hilfe zu "
     "diesem Fenster.",
     "The program selects Drel compressors and condensing units and calculates their performance. "
     "The series tree is on the left; the type list, the search or the data sheet on the right. "
     "Move the mouse over a series to see its picture. Under Options you choose units, language "
     "and printer. F1 shows the help on the window you are working in."},
    {2, "Suche", "Search",
     "Geben Sie Kältemittel, Verdampfungs- und Verflüssigungstemperatur und die gewünschte "
     "Kälteleistung ein und wählen Sie die Baureihen.",
     "Enter the refrigerant, the evaporating and condensing temperature and the required cooling "
     "capacity, and choose the series."},
    {3, "Datenblatt", "Data sheet",
     "Das Datenblatt zeigt Leistung, Einsatzgrenzen, technische Daten, Lieferumfang, Zubehör, Maße "
     "und Anschlüsse des gewählten Typs.",
     "The data sheet shows performance, application limits, technical data, scope of delivery, "
     "accessories, dimensions and connections of the chosen type."},
    {4, "Einheiten", "Units",
     "Wählen Sie die Einheiten für Temperatur, Leistung und Massenstrom. Alle Eingaben und "
     "Ausgaben werden umgerechnet.",
     "Choose the units of temperature, capacity and mass flow. All inputs and outputs are "
     "converted."},
    {5, "Sprache", "Language",
     "Das Programm spricht zehn Sprachen. Die Auswahl gilt für Menüs, Datenblätter und Ausdrucke.",
     "The program speaks ten languages. The choice applies to menus, data sheets and printouts."},
    {6, "Druckerauswahl", "Printer selection",
     "Wählen Sie den Drucker und seine Einstellungen für Datenblätter und Suchergebnisse.",
     "Choose the printer and its settings for data sheets and search results."},
    {7, "Einsatzgrenzen", "Application limits",
     "Blau: Bereich ohne Einschränkung. Gestrichelt: Bereich mit reduzierter Sauggastemperatur. "
     "Hell: Zusatzkühlung erforderlich.",
     "Blue: range without restriction. Dashed: range with reduced suction gas temperature. Light: "
     "additional cooling required."},
    {8, "Produktprogramm", "Product range",
     "Wählen Sie im Baum eine Baureihe; die Liste zeigt die Baugrößen mit ihren Hubvolumen, "
     "darüber die Beschreibung der Baureihe. Ein Klick auf den Namen einer Baugröße zeigt ihre "
     "Typen mit Motorleistung und Vorgängertyp; der Pfeil links führt zur Baugrößenliste zurück. "
     "Ein Klick auf ein Hubvolumen oder einen Typ öffnet das Datenblatt. Im Baum und in der Liste "
     "wählen Sie auch mit den Pfeiltasten und der Eingabetaste.",
     "Choose a series in the tree; the list shows the frame sizes with their swept volumes, the "
     "series description above it. A click on the name of a frame size shows its types with motor "
     "power and predecessor; the arrow on the left returns to the list of sizes. A click on a "
     "swept volume or a type opens the data sheet. In the tree and the list the arrow keys and "
     "Return work as well."},
    {9, "Suchkriterien", "Search criteria",
     "Kreuzen Sie die Baureihen an, wählen Sie das Kältemittel und geben Sie Verdampfungs- und "
     "Verflüssigungstemperatur, Sauggastemperatur, Unterkühlung und die gewünschte Kälteleistung "
     "ein; OK startet die Suche. Die Suche prüft für jeden Typ die Einsatzgrenzen und berechnet "
     "die "
     "Leistung am Betriebspunkt. Die Ergebnisse sind nach Kälteleistung sortiert; der erste Typ, "
     "der die gewünschte Leistung erreicht, ist markiert. Ein Doppelklick öffnet sein Datenblatt, "
     "Zurück führt zum Produktprogramm.",
     "Tick the series, choose the refrigerant and enter the evaporating and condensing "
     "temperature, suction gas temperature, subcooling and the required cooling capacity; OK "
     "starts the search. The search checks the application limits of every type and rates it at "
     "the operating point. The results are sorted by cooling capacity; the first type that reaches "
     "the required capacity is marked. A double click opens its data sheet, Back returns to the "
     "product range."},
    {10, "Leistungstabelle", "Performance table",
     "Die Leistungstabelle zeigt Kälteleistung und Leistungsaufnahme über Bereiche von t0 und tc.",
     "The performance table shows cooling capacity and power input over ranges of t0 and tc."},
    {11, "Druck", "Printing",
     "Das Fenster Kundenadresse nimmt die Briefdaten des Ausdrucks auf: Absender-Adresse, "
     "Empfänger-Adresse, Betreff, Datum, Zuständig und einen freien Text. Die Texte werden "
     "gespeichert und beim nächsten Mal wieder angeboten; das Datum ist immer das heutige. Die "
     "acht Kästchen wählen die Abschnitte des Datenblatts, die gedruckt werden: Leistungsdaten, "
     "Technische Daten, Einsatzgrenzen, Lieferumfang, Zubehör, Maße und Anschlüsse, Produktfoto "
     "und Tabelle Leistungsdaten; ein Abschnitt, den das Datenblatt nicht zeigt, entfällt. Die "
     "Auswahl bleibt bis zum nächsten Druck erhalten. Drucken öffnet den Druckdialog, Vorschau "
     "zeigt die Seiten am Bildschirm, PDF erstellen schreibt dieselben Seiten ohne Rückfrage "
     "nach einem Drucker in eine PDF-Datei. Zurück schließt das Fenster.",
     "The customer address window takes the letter data of the printout: sender address, "
     "recipient address, subject, date, person responsible and a free text. The texts are saved "
     "and offered again next time; the date is always today's. The eight boxes choose the "
     "sections of the data sheet that are printed: performance data, technical data, application "
     "limits, scope of delivery, accessories, dimensions and connections, product photo and "
     "performance table; a section the data sheet does not show is left out. The choice is kept "
     "until the next printout. Print opens the print dialog, Preview shows the pages on the "
     "screen, Create PDF writes the same pages to a PDF file without asking for a printer. Back "
     "closes the window."},
    {12, "Diagramm", "Chart",
     "Ein Klick mit der rechten Maustaste auf ein Diagramm kopiert, speichert oder druckt es. "
     "Einstellungen ändert Achsen, Schrittweiten, Farben, Linien und Kreuze der Kurven, die "
     "Beschriftungen, die Ränder beim Ausdruck und die Art der Grafik. Die Werte-Tabelle zeigt "
     "die Punkte der Kurven; Werte übernehmen zeichnet das Diagramm mit den geänderten Werten "
     "neu.",
     "A right click on a chart copies, saves or prints it. Settings changes the axes, steps, "
     "colours, lines and crosses of the curves, the labels, the margins of the printout and the "
     "chart type. The value table shows the points of the curves; Apply values redraws the chart "
     "with the changed values."},
};

// A text of the program directory in the language at `sprache` (Text10 order).
QString in(int sprache, const QString& de, const QString& en) {
    return uebersetzt(de, en).t[static_cast<size_t>(sprache)];
}
QString in(int sprache, const char* de, const char* en) {
    return in(sprache, QString::fromUtf8(de), QString::fromUtf8(en));
}

QByteArray hilfe(int sprache) {
    QByteArray out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
    out += in(sprache, "Drel - Hilfe", "Drel - Help").toUtf8();
    out += "</title></head>\n<body>\n";
    for (const Thema& t : kThemen) {
        out += "<h2><a id=\"" + QByteArray::number(t.nummer) + "\" name=\"" +
               QByteArray::number(t.nummer) + "\"></a>" +
               in(sprache, t.titelDe, t.titelEn).toHtmlEscaped().toUtf8() + "</h2>\n";
        out += "<p>" + in(sprache, t.textDe, t.textEn).toHtmlEscaped().toUtf8() + "</p>\n";
    }
    out += "</body></html>\n";
    return out;
}

Texte info(int s) {
    return {in(s, "Hinweise", "Notes"),
            {in(s, "Dieses Programm enthält den Beispielkatalog der Marke Drel.",
                "This program contains the sample catalogue of the Drel brand."),
             in(s,
                "Alle Leistungsdaten nach EN 12900, ohne Unterkühlung, bei den im Datenblatt "
                "genannten Sauggasbedingungen.",
                "All performance data to EN 12900, without subcooling, at the suction gas "
                "conditions stated on the data sheet."),
             in(s, "Technische Änderungen vorbehalten.", "Subject to technical changes.")}};
}

Texte readme(int s) {
    return {
        in(s, "Liesmich - WUK 8.1", "Readme - WUK 8.1"),
        {in(s, "Neu in dieser Version: Baureihen QN CO2 und QN R410A, Leistungsdaten für R407C.",
            "New in this version: QN CO2 and QN R410A series, performance data for R407C."),
         in(s, "Die Produktdaten werden beim Start aus den Exporten im Ordner Daten aufgebaut.",
            "The product tables are built from the exports in the Daten folder at start.")}};
}

Texte qoHilfe(int s, bool co2) {
    return {in(s, "Kälteleistung", "Cooling capacity"),
            {in(s,
                "Verdichterkälteleistung: die ganze Enthalpiedifferenz zwischen Flüssigkeit und "
                "Sauggas am Verdichter gilt als Nutzen.",
                "Compressor cooling capacity: the whole enthalpy difference between the liquid and "
                "the suction gas at the compressor counts as useful."),
             in(s, "Verdampferkälteleistung: nur die Überhitzung im Verdampfer gilt als Nutzen.",
                "Evaporator cooling capacity: only the superheat in the evaporator counts as "
                "useful."),
             co2 ? in(s,
                      "Für R410A und R744 beziehen sich die Daten auf 10 K Sauggasüberhitzung bzw. "
                      "20 °C Sauggastemperatur.",
                      "For R410A and R744 the data refer to 10 K suction gas superheat or 20 °C "
                      "suction gas temperature.")
                 : in(s,
                      "Die Leistungsdaten gelten bei 20 °C Sauggastemperatur und ohne "
                      "Unterkühlung.",
                      "The data hold at 20 °C suction gas temperature and without subcooling.")}};
}

QByteArray lvText(int s) {
    const QString t =
        in(s, "Offene Motorverdichter LV", "LV open motor compressors") + "\r\n\r\n" +
        in(s,
           "Verdichter und Elektromotor auf gemeinsamem Grundrahmen, für Industriekälte und "
           "Wärmepumpen. Auslegung und Leistungsdaten auf Anfrage.",
           "Compressor and electric motor on a common base frame, for industrial refrigeration "
           "and heat pumps. Selection and performance data on request.") +
        "\r\n";
    // Plain texts of the program directory are single-byte where the language allows it,
    // as the maker's office writes them; the others are UTF-8, which the browser tries
    // first.
    for (QChar c : t)
        if (c.unicode() > 0xff)
            return t.toUtf8();
    return t.toLatin1();
}

} // namespace

const QStringList& sprachCodes() {
    static const QStringList c{"De", "En", "Fr", "It", "Pt", "Es", "Ru", "Pl", "Cn", "Ko"};
    return c;
}

const QList<int>& hilfeThemen() {
    static const QList<int> t = [] {
        QList<int> l;
        for (const Thema& x : kThemen)
            l << x.nummer;
        return l;
    }();
    return t;
}

void programmtexteSchreiben(const QString& v) {
    QDir().mkpath(v);
    // Column of each language code in the order of the catalogue's texts.
    static const QStringList text10{"En", "De", "Fr", "It", "Es", "Pt", "Ru", "Cn", "Pl", "Ko"};
    for (const QString& code : sprachCodes()) {
        const int s = static_cast<int>(text10.indexOf(code));
        schreiben(v + "/WUK_" + code + ".hlp", hilfe(s));
        schreiben(v + "/Info1" + code + ".rtf", rtf(info(s)));
        schreiben(v + "/Readme-" + code + ".rtf", rtf(readme(s)));
        schreiben(v + "/LV" + code + ".txt", lvText(s));
        schreiben(v + "/Qo_" + code + ".rtf", rtf(qoHilfe(s, false)));
        schreiben(v + "/Qo1_" + code + ".rtf", rtf(qoHilfe(s, true)));
    }
}

} // namespace drel::katalog
