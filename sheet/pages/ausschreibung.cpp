#include "sheet/pages/ausschreibung.h"

#include "db/datamodule.h"
#include "sheet/pages/rtfschreiber.h"
#include "sheet/pages/spaltentext.h"
#include "sheet/pages/technDaten.h"
#include "sheet/pages/textseite.h"

namespace drel::sheet {

namespace {

// German, Korean and Chinese read their own column; the other languages read English,
// unless the catalogue fills their own column: then a Russian tender text is Russian.
QString beschreibungsText(const db::Cursor& texte, const QString& code) {
    const QString c = code.toUpper();
    const QString eigene = feldText(texte, QStringLiteral("Text_") + code, code);
    if (c == u"DE" || c == u"KO" || c == u"CN" || !eigene.trimmed().isEmpty())
        return eigene;
    return feldText(texte, QStringLiteral("Text"), code);
}

} // namespace

int zeichenBreite(const QString& text) {
    int b = 0;
    for (QChar c : text)
        b = c == QLatin1Char('\t') ? (b / 8 + 1) * 8 : b + 1;
    return b;
}

QString Ausschreibung::wertZeile(const QString& label, const QString& wert, int referenz,
                                 const TextBreite& breite) {
    QString s = label;
    // A font whose tab has no width would never reach the reference width.
    for (int k = 0; k < 64 && breite(s) < referenz; ++k)
        s += QLatin1Char('\t');
    return s + wert;
}

void Ausschreibung::leer(int anzahl) {
    for (int k = 0; k < anzahl; ++k)
        zeilen_.append(TextZeile{});
}

void Ausschreibung::absatz(const QString& text, bool fett, bool unterstrichen) {
    for (const QString& zeile : text.split(QStringLiteral("\r\n")))
        zeilen_.append(TextZeile{TextLauf{zeile, fett, unterstrichen}});
}

void Ausschreibung::wert(const QString& label, const QString& w) {
    zeilen_.append(TextZeile{TextLauf{wertZeile(label, w, referenz_, breite_)}});
}

void Ausschreibung::textSeite(db::TDataModule1& dm, qint32 artikelId, const QString& code,
                              bool liefer, const QString& titel) {
    TextSeite seite(liefer ? TextSeitenArt::Lieferumfang : TextSeitenArt::Zubehoer);
    seite.fuellen(dm, artikelId, code);
    if (!zeilen_.isEmpty())
        leer(4);
    absatz(titel + QLatin1Char(':'), true, true);
    leer();
    for (const QString& memo : seite.memos())
        absatz(memo);
}

void Ausschreibung::erstellen(db::TDataModule1& dm, qint32 artikelId, const QString& code,
                              const AusschreibungsAuswahl& auswahl, const AusschreibungsWerte& w,
                              const TextBreite& breite) {
    zeilen_.clear();
    referenz_ = 0;
    breite_ = breite;
    TechnDatenSeite technik;
    if (auswahl.technischeDaten) {
        technik.fuellen(dm, artikelId, code);
        for (const TechnDatenZeile& z : technik.zeilen())
            referenz_ = std::max(referenz_, breite(z.spalte0 + QStringLiteral("\t\t")));
    }
    if (auswahl.beschreibung && oeffnen(dm.TBArtikel) && oeffnen(dm.TBTextRes) &&
        dm.TBArtikel.findKey({db::Value(artikelId)}) &&
        dm.TBTextRes.findKey(
            {db::Value(dm.TBArtikel.asInteger(u"TextResourceID")), db::Value(qint32(3))})) {
        absatz(beschreibungsText(dm.TBTextRes, code));
    }
    if (auswahl.lieferumfang)
        textSeite(dm, artikelId, code, true, tr("Lieferumfang"));
    if (auswahl.technischeDaten) {
        QString kurz;
        if (oeffnen(dm.TBArtikel) && oeffnen(dm.TBGruppenS) &&
            dm.TBArtikel.findKey({db::Value(artikelId)}) &&
            dm.TBGruppenS.findKey({db::Value(dm.TBArtikel.asInteger(u"Produktgruppe"))}))
            kurz = textSpalte(dm.TBGruppenS, QStringLiteral("BeschreibungKurz"), code);
        absatz(kurz);
        leer(2);
        absatz(tr("Technische Daten"), true, true);
        absatz(tr("Fabrikat:") + QStringLiteral("  DREL"));
        zeilen_.append(TextZeile{TextLauf{tr("Typ:") + QLatin1Char(' ')}, TextLauf{w.typ, true}});
        const QString blank = QStringLiteral(" ");
        wert(tr("Verdichterkalteleistung:"), w.qo + blank + w.qoEinheit);
        wert(w.antriebsleistung ? tr("Antriebsleistung:") : tr("Leistungsaufnahme:"),
             w.p + blank + w.pEinheit);
        wert(tr("Massenstrom:"), w.massenstrom + QStringLiteral(" kg/s"));
        absatz(tr("bei folgendem Betriebspunkt:"));
        wert(QStringLiteral("tc:"), w.tc + blank + w.tempEinheit);
        wert(QStringLiteral("to:"), w.t0 + blank + w.tempEinheit);
        wert(tr("Sauggastemperatur:"), w.sauggas + blank + w.tempEinheit);
        wert(tr("Unterkuhlung:"), w.unterkuehlung + blank + w.diffEinheit);
        wert(tr("Kaltemittel:"), w.kaeltemittel);
        if (w.mitMotor) {
            wert(tr("Frequenz:"), w.frequenz + QStringLiteral(" Hz"));
            if (w.frequenz == u"50" || w.frequenz == u"60")
                wert(tr("Stromaufnahme:"), w.strom + QStringLiteral(" A"));
        } else {
            wert(tr("Drehzahl:"), w.drehzahl + QStringLiteral(" 1/min"));
        }
        leer();
        for (const TechnDatenZeile& z : technik.zeilen()) {
            if (z.spalte0.startsWith(QStringLiteral("  ")) && z.spalte0.size() > 3) {
                leer();
                absatz(z.spalte0.trimmed(), true, true);
                continue;
            }
            QString label = z.spalte0;
            while (label.endsWith(QLatin1Char(' ')))
                label.chop(1);
            if (!label.isEmpty())
                label += QLatin1Char(':');
            wert(label, z.spalte1);
        }
        leer();
        absatz(tr("Bemerkungen:"), true, true);
        for (const FussnotenMemo& m : technik.memos())
            absatz(m.text);
    }
    if (auswahl.zubehoer)
        textSeite(dm, artikelId, code, false, tr("Zubehor"));
}

QString Ausschreibung::alsText() const {
    QStringList zeilen;
    for (const TextZeile& z : zeilen_) {
        QString s;
        for (const TextLauf& l : z)
            s += l.text;
        zeilen.append(s);
    }
    return zeilen.join(QStringLiteral("\r\n"));
}

QByteArray Ausschreibung::alsRtf() const {
    return rtfSchreiben(zeilen_);
}

} // namespace drel::sheet
