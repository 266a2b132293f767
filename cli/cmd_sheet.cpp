// drel-cli sheet: the printed data sheet of one article as PDF, without a display.
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "cli/argumente.h"
#include "cli/blattoptionen.h"
#include "cli/commands.h"
#include "print/datenblattbericht.h"
#include "print/datenblattquelle.h"
#include "print/kundenmodell.h"
#include "report/pdfausgabe.h"
#include "sheet/blattjson.h"
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
    BlattOptionen blatt;
    std::optional<TabellenBereich> tabelleT0, tabelleZeilen; // page 8 over these ranges
    QString pdf;
    QString json; // "-" = standard output
    std::optional<QList<print::Abschnitt>> abschnitte;
    QString sprache;
    QString einstellungen;
};

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
        const OptionGelesen g = blattOptionLesen(kBefehl, args, i, o.blatt);
        if (g == OptionGelesen::Fehler)
            return std::nullopt;
        if (g == OptionGelesen::Ja)
            continue;
        const QString& a = args.at(i);
        if (i + 1 >= args.size()) {
            nutzungsfehler(kBefehl, QStringLiteral("'%1' ohne Wert").arg(a));
            return std::nullopt;
        }
        const QString& w = args.at(++i);
        bool ok = true;
        if (a == u"--pdf") {
            o.pdf = w;
        } else if (a == u"--json") {
            o.json = w;
        } else if (a == u"--language") {
            o.sprache = w;
        } else if (a == u"--settings") {
            o.einstellungen = w;
        } else if (a == u"--table-t0" || a == u"--table-tc" || a == u"--table-air") {
            auto& ziel = a == u"--table-t0" ? o.tabelleT0 : o.tabelleZeilen;
            ziel = tabellenBereichLesen(kBefehl, a, w);
            if (!ziel)
                return std::nullopt;
        } else if (a == u"--sections") {
            o.abschnitte = abschnitteLesen(w);
            ok = o.abschnitte.has_value();
        } else {
            ok = false;
        }
        if (!ok) {
            nutzungsfehler(kBefehl,
                           QStringLiteral("unbekanntes oder falsches Argument '%1 %2'").arg(a, w));
            return std::nullopt;
        }
    }
    if (o.pdf.isEmpty() && o.json.isEmpty()) {
        nutzungsfehler(kBefehl, QStringLiteral("--article, --refrigerant, --t0, --tc oder --air "
                                               "und --pdf oder --json sind verlangt"));
        return std::nullopt;
    }
    if (!blattOptionenVollstaendig(kBefehl, o.blatt))
        return std::nullopt;
    return o;
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

// Without a choice the sheet prints in German, the program's first language.
int spracheSetzen(const SheetOptions& so) {
    if (spracheWaehlen(so.sprache.isEmpty() ? QStringLiteral("De") : so.sprache))
        return 0;
    return nutzungsfehler(kBefehl, QStringLiteral("unbekannte Sprache '%1'").arg(so.sprache));
}

int blattAusgeben(const SheetOptions& o, OffenesBlatt& offen) {
    if (o.tabelleT0 || o.tabelleZeilen) {
        // Page 8 over the ranges asked for; the other range keeps the envelope's.
        sheet::TabBereiche& b = offen.blatt().bereiche();
        const bool luft = offen.blatt().tabelleUeberLuft();
        const sheet::SpinFeld& z0 = luft ? b.SpinEdit7 : b.SpinEdit4;
        const sheet::SpinFeld& z1 = luft ? b.SpinEdit8 : b.SpinEdit5;
        const sheet::SpinFeld& zs = luft ? b.SpinEdit9 : b.SpinEdit6;
        tabellenBereicheSetzen(b,
                               o.tabelleT0.value_or(TabellenBereich{
                                   b.SpinEdit1.wert, b.SpinEdit2.wert, b.SpinEdit3.wert}),
                               o.tabelleZeilen.value_or(TabellenBereich{z0.wert, z1.wert, zs.wert}),
                               luft);
        offen.blatt().tabelleBerechnen();
    }
    const sheet::Datenblatt& blatt = offen.blatt();
    if (!o.json.isEmpty()) {
        QString grund;
        if (!sheet::blattJsonSchreiben(blatt, o.json, &grund, &o.blatt.punkt)) {
            std::fprintf(stderr, "drel-cli sheet: %s: %s\n", qPrintable(o.json), qPrintable(grund));
            return 1;
        }
        if (o.pdf.isEmpty())
            return 0;
    }
    const print::Druckauswahl a = auswahl(o, print::reiterSichtbar(blatt));
    if (a.abschnitte.empty()) {
        std::fprintf(stderr, "drel-cli sheet: kein Abschnitt zu drucken\n");
        return 1;
    }
    auto bericht = print::datenblattBericht(a, print::datenblattInhalt(blatt, a));
    bericht->setLanguage(print::berichtSprache(sprache().kurzCode));
    QString fehler;
    if (!bericht::pdfSchreiben(*bericht, o.pdf, fehler)) {
        std::fprintf(stderr, "drel-cli sheet: %s\n", qPrintable(fehler));
        return 1;
    }
    std::printf("%s: %d Seiten\n", qPrintable(o.pdf), bericht->pageCount());
    return 0;
}

} // namespace

int cmdSheet(const QStringList& arguments) {
    return blattBefehlAusfuehren<SheetOptions>(arguments, kBefehl, parse, true, blattAusgeben,
                                               spracheSetzen);
}

} // namespace drel::cli
