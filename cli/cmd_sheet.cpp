// drel-cli sheet: the printed data sheet of one article as PDF, without a display.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/einheiten.h"
#include "cli/argumente.h"
#include "cli/commands.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "print/kundenmodell.h"
#include "report/pdfausgabe.h"
#include "search/ergebnisliste.h"
#include "sheet/technikmodell.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <optional>

namespace drel::cli {
namespace {

const QString kBefehl = QStringLiteral("sheet");

struct SheetOptions {
    QString artikel;
    QString kaeltemittel;
    std::optional<double> t0, tc, luft;
    double tsaug = 20.0, tu = 0.0, hz = 50.0, n = 1450.0;
    QString pdf;
    std::optional<QList<print::Abschnitt>> abschnitte;
    QString sprache;
    QString einstellungen;
    QString reflibs;
};

// Sections by page number (1..8) or name, comma-separated; "all" for every one.
std::optional<QList<print::Abschnitt>> abschnitteLesen(const QString& text) {
    static const QStringList namen = {QStringLiteral("performance"), QStringLiteral("technical"),
                                      QStringLiteral("limits"),      QStringLiteral("delivery"),
                                      QStringLiteral("accessories"), QStringLiteral("dimensions"),
                                      QStringLiteral("photo"),       QStringLiteral("table")};
    QList<print::Abschnitt> liste;
    for (const QString& teil : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString t = teil.trimmed().toLower();
        if (t == u"all") {
            for (int i = 0; i < print::kAbschnittAnzahl; ++i)
                liste << static_cast<print::Abschnitt>(i);
            continue;
        }
        const std::optional<int> nummer = ganzzahlLesen(t);
        const qsizetype index = nummer ? *nummer - 1 : namen.indexOf(t);
        if (index < 0 || index >= print::kAbschnittAnzahl)
            return std::nullopt;
        liste << static_cast<print::Abschnitt>(index);
    }
    if (liste.isEmpty())
        return std::nullopt;
    return liste;
}

std::optional<SheetOptions> parse(const QStringList& args) {
    SheetOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (i + 1 >= args.size()) {
            nutzungsfehler(kBefehl, QStringLiteral("'%1' ohne Wert").arg(a));
            return std::nullopt;
        }
        const QString& w = args.at(++i);
        bool ok = true;
        if (a == u"--article") {
            o.artikel = w;
        } else if (a == u"--refrigerant") {
            o.kaeltemittel = w;
        } else if (a == u"--pdf") {
            o.pdf = w;
        } else if (a == u"--language") {
            o.sprache = w;
        } else if (a == u"--settings") {
            o.einstellungen = w;
        } else if (a == u"--reflibs") {
            o.reflibs = w;
        } else if (a == u"--sections") {
            o.abschnitte = abschnitteLesen(w);
            ok = o.abschnitte.has_value();
        } else if (a == u"--t0" || a == u"--tc" || a == u"--air") {
            std::optional<double>& ziel = a == u"--t0" ? o.t0 : a == u"--tc" ? o.tc : o.luft;
            ziel = zahlLesen(w);
            ok = ziel.has_value();
        } else {
            double* ziel = a == u"--ts"    ? &o.tsaug
                           : a == u"--dtu" ? &o.tu
                           : a == u"--hz"  ? &o.hz
                           : a == u"--n"   ? &o.n
                                           : nullptr;
            const std::optional<double> v = zahlLesen(w);
            ok = ziel != nullptr && v.has_value();
            if (ok)
                *ziel = *v;
        }
        if (!ok) {
            nutzungsfehler(kBefehl,
                           QStringLiteral("unbekanntes oder falsches Argument '%1 %2'").arg(a, w));
            return std::nullopt;
        }
    }
    if (o.artikel.isEmpty() || o.kaeltemittel.isEmpty() || !o.t0 || o.pdf.isEmpty() ||
        (!o.tc == !o.luft)) {
        nutzungsfehler(kBefehl, QStringLiteral("--article, --refrigerant, --t0, --tc oder --air "
                                               "und --pdf sind verlangt"));
        return std::nullopt;
    }
    return o;
}

// The program's language by its code ("De", "en", ...); false for an unknown code.
bool spracheWaehlen(const QString& code) {
    for (int nummer = 1; nummer <= 10; ++nummer) {
        if (sprachCode(nummer).compare(code, Qt::CaseInsensitive) != 0)
            continue;
        sprache().setzen(nummer);
        i18n::Uebersetzer& u = i18n::Uebersetzer::instanz();
        // Beside the program the translations lie in the build's app folder too.
        u.setSuchOrte(u.suchOrte() << QDir(QCoreApplication::applicationDirPath())
                                          .absoluteFilePath(QStringLiteral("../app")));
        u.installieren();
        u.laden(sprache().kurzCode);
        return true;
    }
    return false;
}

// The refrigerant as the sheet's list names it: R404A and R507 share one item.
QString listenEintrag(const QString& kaeltemittel) {
    const QString k = kaeltemittel.trimmed().toUpper();
    if (k == u"R404A" || k == u"R507")
        return QStringLiteral("R404A, R507");
    return kaeltemittel.trimmed();
}

// What the search's result list hands to the data sheet for one article.
search::DatenblattDaten uebergabe(db::TDataModule1& dm, const SheetOptions& o) {
    const QString name = dm.TBArtikel.asString(u"Bezeichnung1");
    const QString typ = db::typMitX(name, o.kaeltemittel.section(QLatin1Char(','), 0, 0));
    search::DatenblattDaten d;
    d.typen = {typ};
    d.artikelIds = {QString::number(dm.TBArtikel.asInteger(u"ID"))};
    d.typText = typ;
    d.kaeltemittel = listenEintrag(o.kaeltemittel);
    d.t0 = shortestDecimal(*o.t0);
    d.tc = shortestDecimal(o.tc.value_or(45.0));
    d.tsaug = shortestDecimal(o.tsaug);
    d.tu = shortestDecimal(o.tu);
    d.luko = o.luft.has_value();
    d.tle = o.luft ? shortestDecimal(*o.luft) : QString();
    d.ediHz = shortestDecimal(o.hz);
    d.ediN = shortestDecimal(o.n);
    return d;
}

// The program's settings directory: <documents folder>/DrelWUK.
QString einstellungsVerzeichnis(const SheetOptions& o) {
    if (!o.einstellungen.isEmpty())
        return o.einstellungen;
    return pfad(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                QStringLiteral("DrelWUK"));
}

print::Druckauswahl auswahl(const SheetOptions& o, const print::ReiterSichtbar& sichtbar) {
    print::KundenModell kunde(einstellungsVerzeichnis(o));
    kunde.FormCreate();
    kunde.readmemo();
    if (o.abschnitte)
        for (int i = 0; i < print::kAbschnittAnzahl; ++i) {
            const auto a = static_cast<print::Abschnitt>(i);
            kunde.setCheckBox(print::checkBoxNummer(a), o.abschnitte->contains(a));
        }
    return kunde.druckauswahl(sichtbar,
                              QCoreApplication::translate("drel::print::TFrmKunde", "Seite"));
}

} // namespace

int cmdSheet(const QStringList& arguments) {
    QStringList args = arguments;
    const std::optional<QString> programm = programDirectory(args, kBefehl);
    if (!programm)
        return 2;
    const std::optional<SheetOptions> parsed = parse(args);
    if (!parsed)
        return 2;
    const SheetOptions& o = *parsed;
    // Without a choice the sheet prints in German, the program's first language.
    if (!spracheWaehlen(o.sprache.isEmpty() ? QStringLiteral("De") : o.sprache))
        return nutzungsfehler(kBefehl, QStringLiteral("unbekannte Sprache '%1'").arg(o.sprache));
    StderrSink sink;
    ScopedMessageSink guard(&sink);
    MessageScope operation;

    db::TDataModule1 dm(*programm);
    requireTables(dm);
    if (!findeArtikel(dm, o.artikel)) {
        std::fprintf(stderr, "drel-cli sheet: kein Artikel '%s'\n", qPrintable(o.artikel));
        return 1;
    }
    calc::TStoff stoff;
    stoff.Create(reflibsDirectory(o.reflibs, *programm));
    calc::Einheiten einheiten;
    einheiten.standardFuerLeereGruppen();

    sheet::TechnikModell modell(dm, stoff, einheiten);
    modell.ausSuche(uebergabe(dm, o));
    modell.FormShow();
    // The sheet falls back to the article's first refrigerant; a print must not.
    if (modell.AktArtikelID == 0 || !modell.ergebnis().gerechnet ||
        modell.KMListboxText.compare(listenEintrag(o.kaeltemittel), Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "drel-cli sheet: %s hat keine Leistungsdaten fuer %s\n",
                     qPrintable(o.artikel), qPrintable(o.kaeltemittel));
        return 1;
    }
    const print::DatenblattQuelle quelle{dm, stoff, einheiten, modell};
    const print::Druckauswahl a = auswahl(o, print::reiterSichtbar(quelle));
    if (a.abschnitte.empty()) {
        std::fprintf(stderr, "drel-cli sheet: kein Abschnitt zu drucken\n");
        return 1;
    }
    auto bericht = print::datenblattBericht(a, print::datenblattInhalt(quelle, a));
    bericht->setLanguage(print::berichtSprache(sprache().kurzCode));
    QString fehler;
    if (!bericht::pdfSchreiben(*bericht, o.pdf, fehler)) {
        std::fprintf(stderr, "drel-cli sheet: %s\n", qPrintable(fehler));
        return 1;
    }
    std::printf("%s: %d Seiten\n", qPrintable(o.pdf), bericht->pageCount());
    return 0;
}

} // namespace drel::cli
