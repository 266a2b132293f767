#include "cli/blattoptionen.h"

#include "base/directories.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "calc/betriebspunkt.h"
#include "cli/argumente.h"
#include "cli/commands.h"
#include "db/recordhelpers.h"
#include "i18n/uebersetzer.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>

namespace drel::cli {

namespace {

// The numeric options: where the value goes and the range a command line may give. The
// sheet clamps t0, tc, the speed and the frequency further, and says so.
struct ZahlOption {
    const char* name;
    double Betriebspunkt::*feld;
    double min, max;
    const char* einheit;
    bool punkt; // one of the point's own coordinates (table reads ranges instead)
};

const ZahlOption kZahlOptionen[] = {
    {"--t0", &Betriebspunkt::t0, -273.0, 100.0, "degC", true},
    {"--tc", &Betriebspunkt::tc, -100.0, 120.0, "degC", true},
    {"--air", &Betriebspunkt::tle, -100.0, 120.0, "degC", true},
    {"--ts", &Betriebspunkt::tsaug, -273.0, 120.0, "degC", false},
    {"--dtu", &Betriebspunkt::tu, 0.0, 50.0, "K", false},
    {"--superheat", &Betriebspunkt::tue, 0.0, 100.0, "K", false},
    {"--hz", &Betriebspunkt::f, 1.0, 100.0, "Hz", false},
    {"--n", &Betriebspunkt::n, 1.0, 10000.0, "1/min", false},
};

QString einheitenDatei(const QString& option) {
    if (option != QLatin1String("-"))
        return option;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return pfad(pfad(docs, QStringLiteral("DrelWUK")), QStringLiteral("units.dat"));
}

} // namespace

OptionGelesen blattOptionLesen(const QString& befehl, const QStringList& args, qsizetype& i,
                               BlattOptionen& o, bool punkt) {
    const QString& a = args.at(i);
    const bool mitWert = i + 1 < args.size();
    if (a == u"--unit-file") {
        const bool datei = mitWert && !args.at(i + 1).startsWith(QLatin1String("--"));
        o.einheitenDatei = datei ? args.at(++i) : QStringLiteral("-");
        return OptionGelesen::Ja;
    }
    const ZahlOption* zahl = nullptr;
    for (const ZahlOption& z : kZahlOptionen)
        if (a == QLatin1String(z.name) && (punkt || !z.punkt))
            zahl = &z;
    QString* text = a == u"--article"       ? &o.artikel
                    : a == u"--refrigerant" ? &o.punkt.kaeltemittel
                    : a == u"--reflibs"     ? &o.reflibs
                                            : nullptr;
    if (!zahl && !text)
        return OptionGelesen::Fremd;
    if (!mitWert) {
        nutzungsfehler(befehl, QStringLiteral("%1 ohne Wert").arg(a));
        return OptionGelesen::Fehler;
    }
    const QString wert = args.at(++i);
    if (text) {
        *text = wert;
        return OptionGelesen::Ja;
    }
    const std::optional<double> v = zahlLesen(wert);
    if (!v) {
        nutzungsfehler(befehl, QStringLiteral("%1: keine Zahl: '%2'").arg(a, wert));
        return OptionGelesen::Fehler;
    }
    const QString bereich =
        bereichPruefen(a, *v, zahl->min, zahl->max, QString::fromLatin1(zahl->einheit));
    if (!bereich.isEmpty()) {
        nutzungsfehler(befehl, bereich);
        return OptionGelesen::Fehler;
    }
    o.punkt.*(zahl->feld) = *v;
    o.mitT0 = o.mitT0 || a == u"--t0";
    o.mitTc = o.mitTc || a == u"--tc";
    o.mitLuft = o.mitLuft || a == u"--air";
    return OptionGelesen::Ja;
}

std::optional<BlattOptionen> nurBlattOptionenLesen(const QString& befehl, const QStringList& args,
                                                   bool punkt) {
    BlattOptionen o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const OptionGelesen g = blattOptionLesen(befehl, args, i, o, punkt);
        if (g == OptionGelesen::Fremd)
            nutzungsfehler(befehl, QStringLiteral("unbekanntes Argument '%1'").arg(args.at(i)));
        if (g != OptionGelesen::Ja)
            return std::nullopt;
    }
    return o;
}

bool blattOptionenVollstaendig(const QString& befehl, const BlattOptionen& o) {
    if (o.artikel.isEmpty() || o.punkt.kaeltemittel.isEmpty() || !o.mitT0 ||
        (!o.mitTc && !o.mitLuft)) {
        nutzungsfehler(befehl, QStringLiteral("--article, --refrigerant, --t0 und --tc oder "
                                              "--air sind noetig"));
        return false;
    }
    if (const QString s = calc::sauggasPruefen(o.punkt); !s.isEmpty()) {
        nutzungsfehler(befehl, s);
        return false;
    }
    return true;
}

OffenesBlatt::OffenesBlatt(const QString& dir)
    : dm_(dir, db::TDataModule1::OhneStartCursor{}), blatt_(dm_, stoff_, einheiten_) {}

namespace {

// A sheet reads the capacity records of its article and of the articles whose data it
// takes over (a unit's compressor), and the technical values, shipment, accessory and
// connection rows of the article it shows: only the rows of these articles are read
// from those tables, not the whole of them. Before the start cursors open, the article
// is looked up in the article table alone; an article that is not found leaves the
// tables whole (the command then reports it).
void nurEigeneZeilen(db::TDataModule1& dm, const BlattOptionen& o) {
    db::Cursor& artikel = dm.TBArtikel;
    try {
        artikel.open();
    } catch (const db::DbError&) {
        return; // the start cursors report it
    }
    const std::optional<DatenblattAuftrag> auftrag =
        sheet::artikelAuftrag(dm, o.artikel, o.punkt, o.mitLuft);
    if (!auftrag)
        return;
    QList<qint32> ids;
    for (qint32 id = auftrag->artikelIds.value(0); id != 0 && !ids.contains(id);
         id = db::basisId(artikel)) {
        ids << id;
        if (!artikel.findKey({db::Value(id)}))
            break;
    }
    dm.cache().setZeilenauswahl(QStringLiteral("CapacityData.cds"),
                                {QStringLiteral("ArtikelID"), ids});
    // The article's own detail tables, keyed by its number.
    for (const char* datei :
         {"TechnValue.cds", "ShipmentVolumes.cds", "Accessories.cds", "InterfVals.cds"})
        dm.cache().setZeilenauswahl(QString::fromLatin1(datei),
                                    {QStringLiteral("Teilenummer"), ids});
}

} // namespace

std::unique_ptr<OffenesBlatt> OffenesBlatt::oeffnen(const QString& befehl, const QString& dir,
                                                    const BlattOptionen& o, int& exitCode,
                                                    bool mitSeiten) {
    const QByteArray b = befehl.toLocal8Bit();
    std::unique_ptr<OffenesBlatt> offen;
    {
        // A table fault is said once, by the command's boundary, not also by the data module.
        RecordingSink still;
        ScopedMessageSink stumm(&still);
        offen.reset(new OffenesBlatt(dir));
        nurEigeneZeilen(offen->dm_, o);
        offen->dm_.openStartCursors();
    }
    requireTables(offen->dm_);
    const std::optional<DatenblattAuftrag> auftrag =
        sheet::artikelAuftrag(offen->dm_, o.artikel, o.punkt, o.mitLuft);
    if (!auftrag) {
        std::fprintf(stderr, "drel-cli %s: kein Artikel '%s'\n", b.constData(),
                     qPrintable(o.artikel));
        exitCode = 1;
        return nullptr;
    }
    offen->name_ = o.artikel;
    offen->stoff_.Create(reflibsDirectory(o.reflibs, dir));
    if (!o.einheitenDatei.isEmpty())
        offen->einheiten_.laden(einheitenDatei(o.einheitenDatei));
    offen->einheiten_.standardFuerLeereGruppen();
    sheet::Datenblatt& blatt = offen->blatt_;
    blatt.oeffnen(*auftrag, mitSeiten);
    const sheet::TechnikModell& m = blatt.modell();
    // The sheet falls back to the article's first refrigerant; a command must not.
    if (m.AktArtikelID == 0 || !m.ergebnis().gerechnet ||
        !gleichesKaeltemittel(m.KMListboxText, o.punkt.kaeltemittel)) {
        std::fprintf(stderr, "drel-cli %s: %s hat keine Leistungsdaten fuer %s\n", b.constData(),
                     qPrintable(offen->name_), qPrintable(o.punkt.kaeltemittel));
        exitCode = 1;
        return nullptr;
    }
    // A condensing unit is rated over the air inlet temperature, a compressor over tc.
    if (o.mitLuft != m.lukoModus()) {
        const QString keinSatz =
            befehl == u"sepr" ? QStringLiteral("%1 ist kein Verflussigungssatz; die SEPR gibt es "
                                               "nur fuer Verflussigungssaetze")
                              : QStringLiteral("%1 ist kein Verflussigungssatz; --tc angeben");
        nutzungsfehler(befehl, o.mitLuft ? keinSatz.arg(offen->name_)
                                         : QStringLiteral("%1 ist ein Verflussigungssatz; --air "
                                                          "angeben")
                                               .arg(offen->name_));
        exitCode = 2;
        return nullptr;
    }
    return offen;
}

OffeneDaten::OffeneDaten(const QString& dir, const BlattOptionen& o) {
    {
        // A table fault is said once, by the command's boundary, not also by the data module.
        RecordingSink still;
        ScopedMessageSink stumm(&still);
        dm_ = std::make_unique<db::TDataModule1>(dir);
    }
    requireTables(*dm_);
    stoff_.Create(reflibsDirectory(o.reflibs, dir));
    if (!o.einheitenDatei.isEmpty())
        einheiten_.laden(einheitenDatei(o.einheitenDatei));
    einheiten_.standardFuerLeereGruppen();
}

std::optional<TabellenBereich> tabellenBereichLesen(const QString& befehl, const QString& option,
                                                    const QString& text) {
    const QStringList teile = text.split(QLatin1Char(':'));
    std::optional<double> v[3];
    for (int k = 0; k < 3 && teile.size() == 3; ++k)
        v[k] = zahlLesen(teile[k]);
    if (!v[0] || !v[1] || !v[2] || !(*v[2] > 0.0)) {
        nutzungsfehler(befehl, QStringLiteral("%1 erwartet VON:BIS:SCHRITT mit einem Schritt "
                                              "ueber 0: '%2'")
                                   .arg(option, text));
        return std::nullopt;
    }
    const TabellenBereich b{*v[0], *v[1], *v[2]};
    // A step of a billionth would ask for more rows than memory holds.
    const double punkte = std::abs(b.bis - b.von) / b.schritt + 1.0;
    if (punkte > sheet::LeistungsTabelle::kMaxBloecke) {
        nutzungsfehler(befehl, QStringLiteral("%1 ergaebe %2 Tabellenpunkte; erlaubt sind "
                                              "hoechstens %3")
                                   .arg(option, QString::number(std::ceil(punkte), 'g', 3))
                                   .arg(sheet::LeistungsTabelle::kMaxBloecke));
        return std::nullopt;
    }
    return b;
}

void tabellenBereicheSetzen(sheet::TabBereiche& b, const TabellenBereich& t0,
                            const TabellenBereich& zeilen, bool luft) {
    b.SpinEdit1.wert = t0.von;
    b.SpinEdit2.wert = t0.bis;
    b.SpinEdit3.wert = t0.schritt;
    sheet::SpinFeld* felder[] = {luft ? &b.SpinEdit7 : &b.SpinEdit4,
                                 luft ? &b.SpinEdit8 : &b.SpinEdit5,
                                 luft ? &b.SpinEdit9 : &b.SpinEdit6};
    felder[0]->wert = zeilen.von;
    felder[1]->wert = zeilen.bis;
    felder[2]->wert = zeilen.schritt;
}

QString zahlText(double wert, const char* muster) {
    return std::isfinite(wert)
               ? formatFloat(QString::fromLatin1(muster), wert, NumberSeparators::english())
               : QStringLiteral("-");
}

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

} // namespace drel::cli
