#include "state/sprache.h"

#include <QRegularExpression>
#include <algorithm>

namespace drel {

const std::array<SprachEintrag, 10>& sprachTabelle() {
    static const std::array<SprachEintrag, 10> tabelle{{
        {1, "Deutsch2", "Deutsch", "De"},
        {2, "Englisch1", "Englisch", "En"},
        {4, "Italienisch2", "Italienisch", "It"},
        {3, "Franzsisch2", "Franzosisch", "Fr"},
        {8, "Polnisch1", "Polnisch", "Pl"},
        {5, "Porutgiesisch1", "Portugiesisch", "Pt"},
        {7, "Russisch1", "Russisch", "Ru"},
        {6, "Spanisch2", "Spanisch", "Es"},
        {10, "Koreanisch1", "Koreanisch", "Ko"},
        {9, "Chinesisch1", "Chinesisch", "Cn"},
    }};
    return tabelle;
}

QString sprachCode(int nummer) {
    for (const SprachEintrag& eintrag : sprachTabelle()) {
        if (eintrag.nummer == nummer)
            return QString::fromLatin1(eintrag.code);
    }
    return nummer > 10 ? QStringLiteral("En") : QStringLiteral("De");
}

void Sprache::setzen(int neueNummer) {
    nummer = neueNummer;
    kurzCode = sprachCode(neueNummer);
    code = kurzCode;
}

Sprache& sprache() {
    static Sprache zustand;
    return zustand;
}

QLocale sprachLocale(const QString& code) {
    static const struct {
        const char* code;
        QLocale::Language sprache;
        QLocale::Territory land;
    } tabelle[] = {
        {"De", QLocale::German, QLocale::Germany},
        {"En", QLocale::English, QLocale::UnitedKingdom},
        {"Fr", QLocale::French, QLocale::France},
        {"It", QLocale::Italian, QLocale::Italy},
        {"Pt", QLocale::Portuguese, QLocale::Portugal},
        {"Es", QLocale::Spanish, QLocale::Spain},
        {"Ru", QLocale::Russian, QLocale::Russia},
        {"Pl", QLocale::Polish, QLocale::Poland},
        {"Cn", QLocale::Chinese, QLocale::China},
        {"Ko", QLocale::Korean, QLocale::SouthKorea},
    };
    for (const auto& e : tabelle)
        if (code.compare(QLatin1String(e.code), Qt::CaseInsensitive) == 0)
            return QLocale(e.sprache, e.land);
    return QLocale(QLocale::German, QLocale::Germany);
}

QString briefDatum(const QDate& datum, const QString& code) {
    const QLocale locale = sprachLocale(code);
    // The locale's long form names the weekday too ("dddd, d. MMMM yyyy", "yyyy年M月d日dddd");
    // a letter does not, so the weekday and the punctuation that joins it go.
    QString form = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression wochentag(QStringLiteral("^dddd[,\\s]*|[,\\s]*dddd$"));
    form.remove(wochentag);
    return locale.toString(datum, form.trimmed());
}

QString menueLeistenTitel(const QString& titel, const QString& kurzCode) {
    const bool mitKuerzel = kurzCode.compare(QLatin1String("Ko"), Qt::CaseInsensitive) == 0 ||
                            kurzCode.compare(QLatin1String("Cn"), Qt::CaseInsensitive) == 0;
    static const QRegularExpression kuerzel(QStringLiteral("\\(&.\\)$"));
    return mitKuerzel && kuerzel.match(titel).hasMatch() ? titel.chopped(4) : titel;
}

} // namespace drel
