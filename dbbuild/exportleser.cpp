#include "dbbuild/exportleser.h"

#include "base/grosseseiten.h"
#include "db/tablefile.h"
#include "dbbuild/exportkodierung.h"
#include "dbbuild/wertebereiche.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <utility>

namespace drel::dbbuild {
namespace {

bool nurZiffern(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The form 2006-05-31T14:07:09: fixed character positions, milliseconds 0.
db::Value zeitpunkt(const QString& text) {
    if (text.size() < 19)
        return {};
    auto teil = [&](int from, int len, int& out) {
        const QStringView v = QStringView(text).mid(from, len);
        if (!nurZiffern(v))
            return false;
        out = v.toInt();
        return true;
    };
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (!teil(0, 4, y) || !teil(5, 2, mo) || !teil(8, 2, d) || !teil(11, 2, h) ||
        !teil(14, 2, mi) || !teil(17, 2, s))
        return {};
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

db::Value gleitzahl(const QString& text) {
    const std::optional<double> wert = exportGleitzahl(text);
    if (!wert || !std::isfinite(*wert))
        return {};
    return *wert;
}

db::Value ganzzahl(const QString& text) {
    const std::optional<qint32> wert = exportGanzzahl(text);
    if (!wert)
        return {};
    return *wert;
}

// A value of a record that the build refuses, with the element it came from.
struct FeldFehler {
    const pugi::xml_node element;
    QString feld;
    QString grund;
};

// Lower-case ASCII local name (without namespace prefix) for the element lookup,
// written into `key` (reused from element to element, so no allocation each time).
void schluesselSetzen(const char* name, std::string& key) {
    const char* colon = std::strrchr(name, ':');
    key.assign(colon ? colon + 1 : name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
}

std::string schluessel(const char* name) {
    std::string key;
    schluesselSetzen(name, key);
    return key;
}

using ElementIndex = std::unordered_map<std::string, std::vector<int>>;

ElementIndex elementIndex(const DBZuordnung& zuordnung) {
    ElementIndex index;
    for (size_t i = 0; i < zuordnung.size(); ++i)
        index[schluessel(zuordnung[i].element.toUtf8().constData())].push_back(static_cast<int>(i));
    return index;
}

constexpr size_t kHoechsteWertLaenge = 64 << 10;

// Converts the raw element text once. Text fields never need more than
// (size + 1) * 3 bytes of UTF-8 to fill their size, so huge values are cut early
// (not designations: their rewrite looks for the last blank of the whole text).
QString elementText(const pugi::xml_node& element, const DBZuordnung& zuordnung,
                    const std::vector<int>& eintraege) {
    const char* raw = element.text().get();
    const size_t length = std::strlen(raw);
    size_t limit = length;
    bool nurText = true;
    size_t groessteGroesse = 0;
    for (int i : eintraege) {
        const ZuordnungEintrag& e = zuordnung[static_cast<size_t>(i)];
        // A designation is cut before its last blank, which may lie past the field size.
        if ((e.typCode != kTypText && e.typCode != kTypLangText) ||
            e.umschreibung == Umschreibung::Bezeichnung1) {
            nurText = false;
            break;
        }
        const int size = e.typCode == kTypLangText ? db::kLongTextSize : e.groesse;
        groessteGroesse = std::max(groessteGroesse, static_cast<size_t>(size));
    }
    if (nurText) {
        limit = std::min(length, (groessteGroesse + 1) * 3);
    } else if (length > kHoechsteWertLaenge) {
        // Numbers and designations are read whole; no sound one comes near this, and a
        // huge one is refused with its field before it is copied around.
        throw FeldFehler{element, zuordnung[static_cast<size_t>(eintraege.front())].feld,
                         QStringLiteral("Wert länger als %1 Bytes").arg(kHoechsteWertLaenge)};
    }
    return QString::fromUtf8(raw, static_cast<qsizetype>(limit));
}

// Fills one row from the child elements of a record, with the rewrites of the
// article and motor tables.
class DatensatzLeser {
public:
    explicit DatensatzLeser(const DBZuordnung& zuordnung)
        : zuordnung_(zuordnung), index_(elementIndex(zuordnung)) {
        for (size_t i = 0; i < zuordnung.size(); ++i) {
            const ZuordnungEintrag& e = zuordnung[i];
            if (e.umschreibung == Umschreibung::Produktgruppe)
                gruppenFeld_ = static_cast<int>(i);
            // The range of each float field, looked up once per export, not per value.
            bereiche_.push_back(&wertebereichFuer(e.feld));
            if (e.typCode == kTypFloat && bereiche_.back()->pflicht)
                pflichtFelder_.push_back(i);
        }
    }

    void lesen(const pugi::xml_node& datensatz, db::Row& row) {
        row.assign(zuordnung_.size(), db::Value{});
        gruppe_ = -1;
        for (pugi::xml_node kind = datensatz.first_child(); kind; kind = kind.next_sibling()) {
            if (kind.type() != pugi::node_element)
                continue;
            schluesselSetzen(kind.name(), key_);
            const auto it = index_.find(key_);
            if (it == index_.end())
                continue;
            QString text = elementText(kind, zuordnung_, it->second);
            for (int i : it->second)
                row[static_cast<size_t>(i)] = eintragWert(i, text, row, kind);
        }
        pflichtfelderPruefen(datensatz, row);
    }

private:
    db::Value eintragWert(int i, QString& text, const db::Row& row, const pugi::xml_node& element) {
        const ZuordnungEintrag& e = zuordnung_[static_cast<size_t>(i)];
        auto umwandeln = [&](const ZuordnungEintrag& eintrag, const QString& t) {
            QString grund;
            db::Value v = wertLesen(eintrag, t, grund, *bereiche_[static_cast<size_t>(i)]);
            if (!grund.isEmpty())
                throw FeldFehler{element, eintrag.feld, grund};
            return v;
        };
        switch (e.umschreibung) {
        case Umschreibung::Keine:
            return umwandeln(e, text);
        case Umschreibung::Produktgruppe: {
            db::Value v = umwandeln(e, text);
            gruppe_ = std::holds_alternative<qint32>(v) ? std::get<qint32>(v) : -1;
            return v;
        }
        case Umschreibung::Bezeichnung1: {
            const qint32 g = gruppenFeld_ >= 0 ? zeilenGruppe(row) : -1;
            if (g == 23 || g == 26) {
                const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
                if (blank >= 0)
                    return umwandeln(e, text.left(blank));
            }
            return umwandeln(e, text);
        }
        case Umschreibung::BaugroesseNH3:
            // Later entries of the same element see the changed text.
            if (gruppe_ == 51 || gruppe_ == 63)
                text += QStringLiteral(" NH3");
            return umwandeln(e, text);
        case Umschreibung::ErsteZiffernfolge:
            return umwandeln(e, ersteZiffernfolge(text));
        case Umschreibung::SpannungSternZuY: {
            QString spannung = text;
            spannung.replace(QLatin1Char('S'), QLatin1Char('Y'));
            return umwandeln(e, spannung);
        }
        }
        return {};
    }

    // A field that must hold a value and stayed empty (element empty or missing).
    void pflichtfelderPruefen(const pugi::xml_node& datensatz, const db::Row& row) const {
        for (size_t i : pflichtFelder_) {
            const ZuordnungEintrag& e = zuordnung_[i];
            if (db::isNull(row[i])) {
                throw FeldFehler{datensatz, e.feld,
                                 QStringLiteral("Element %1 fehlt oder ist leer").arg(e.element)};
            }
        }
    }

    qint32 zeilenGruppe(const db::Row& row) const {
        const db::Value& v = row[static_cast<size_t>(gruppenFeld_)];
        return std::holds_alternative<qint32>(v) ? std::get<qint32>(v) : -1;
    }

    const DBZuordnung& zuordnung_;
    ElementIndex index_;
    int gruppenFeld_ = -1;
    qint32 gruppe_ = -1;
    std::vector<const Wertebereich*> bereiche_; // per entry
    std::vector<size_t> pflichtFelder_;         // float entries that need a value
    std::string key_;
};

} // namespace

QString ersteZiffernfolge(const QString& text) {
    auto ziffer = [&](qsizetype i) {
        return text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
    };
    qsizetype begin = 0;
    while (begin < text.size() && !ziffer(begin))
        ++begin;
    qsizetype end = begin;
    while (end < text.size() && ziffer(end))
        ++end;
    return text.mid(begin, end - begin);
}

db::Value wertUmwandeln(const ZuordnungEintrag& eintrag, const QString& text) {
    switch (eintrag.typCode) {
    case kTypInt:
        return ganzzahl(text);
    case kTypFloat:
        return gleitzahl(text);
    case kTypLangText:
        return db::fitText(text, db::kLongTextSize);
    case kTypZeitpunkt:
        return zeitpunkt(text);
    case kTypBool:
        return text.toUpper() == QLatin1String("TRUE");
    default:
        return db::fitText(text, eintrag.groesse);
    }
}

db::Value wertLesen(const ZuordnungEintrag& eintrag, const QString& text, QString& grund) {
    return wertLesen(eintrag, text, grund, wertebereichFuer(eintrag.feld));
}

db::Value wertLesen(const ZuordnungEintrag& eintrag, const QString& text, QString& grund,
                    const Wertebereich& bereich) {
    grund.clear();
    if (eintrag.typCode != kTypInt && eintrag.typCode != kTypFloat)
        return wertUmwandeln(eintrag, text);
    if (text.trimmed().isEmpty())
        return {};
    if (eintrag.typCode == kTypInt) {
        const std::optional<qint32> wert = exportGanzzahl(text);
        if (!wert)
            grund = QStringLiteral("\"%1\" ist keine ganze Zahl").arg(text.left(40));
        return wert ? db::Value(*wert) : db::Value();
    }
    const std::optional<double> wert = exportGleitzahl(text);
    if (!wert) {
        grund = QStringLiteral("\"%1\" ist keine Zahl").arg(text.left(40));
        return {};
    }
    if (!std::isfinite(*wert) || *wert < bereich.min || *wert > bereich.max) {
        grund = QStringLiteral("%1 liegt außerhalb des Bereichs %2 bis %3 (%4)")
                    .arg(text.trimmed().left(40))
                    .arg(bereich.min)
                    .arg(bereich.max)
                    .arg(QString::fromUtf8(bereich.art));
        return {};
    }
    return *wert;
}

namespace {

// The record's ID element as written, for messages; "?" when it has none.
QString datensatzId(const pugi::xml_node& datensatz) {
    for (pugi::xml_node kind = datensatz.first_child(); kind; kind = kind.next_sibling()) {
        if (kind.type() == pugi::node_element && schluessel(kind.name()) == "id")
            return QString::fromUtf8(kind.text().get()).trimmed().left(20);
    }
    return QStringLiteral("?");
}

// Parses the UTF-8 text in place: `puffer` is the one copy of a large export and is
// changed by the parser. `original` gives the unchanged text again, only for the line
// of a message.
void lesenImPuffer(QByteArray puffer, const QString& dateiName, const DBZuordnung& zuordnung,
                   const ZeilenZiel& ziel, const std::function<QByteArray()>& original) {
    pugi::xml_document doc;
    // Element texts are kept in their element rather than in a node of their own: half
    // the nodes for exports of one value per element.
    const pugi::xml_parse_result result = doc.load_buffer_inplace(
        puffer.data(), static_cast<size_t>(puffer.size()),
        pugi::parse_default | pugi::parse_embed_pcdata, pugi::encoding_utf8);
    if (!result) {
        throw db::DbError(QStringLiteral("%1: %2 (%3)")
                              .arg(dateiName, QString::fromUtf8(result.description()),
                                   exportPosition(original(), result.offset)));
    }
    const pugi::xml_node root = doc.document_element();
    if (!root)
        throw db::DbError(
            QStringLiteral("%1: Die Datei enthält kein Wurzelelement.").arg(dateiName));
    // A root without records (not even the schema) is an empty table.
    pugi::xml_node datensatz =
        root.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; });
    if (!datensatz)
        return;
    DatensatzLeser leser(zuordnung);
    db::Row row;
    int nummer = 0;
    // The first child carries the export's schema and is no record.
    for (datensatz = datensatz.next_sibling(); datensatz; datensatz = datensatz.next_sibling()) {
        if (datensatz.type() != pugi::node_element)
            continue;
        ++nummer;
        try {
            leser.lesen(datensatz, row);
        } catch (const FeldFehler& f) {
            const QString zeile =
                exportPosition(original(), f.element.offset_debug()).section(',', 0, 0);
            throw db::DbError(QStringLiteral("%1, %2, Datensatz %3 (ID %4), Feld %5: %6")
                                  .arg(dateiName, zeile)
                                  .arg(nummer)
                                  .arg(datensatzId(datensatz), f.feld, f.grund));
        }
        ziel(row);
    }
}

} // namespace

void exportLesen(const QByteArray& xml, const QString& dateiName, const DBZuordnung& zuordnung,
                 const ZeilenZiel& ziel) {
    lesenImPuffer(exportNachUtf8(xml, dateiName), dateiName, zuordnung, ziel,
                  [&] { return exportNachUtf8(xml, dateiName); });
}

namespace {

// The whole file: read into a buffer of the file's size (a file that grows meanwhile is
// read to its end as well).
QByteArray ganzLesen(QFile& file) {
    const qint64 groesse = std::max<qint64>(0, file.size());
    QByteArray inhalt(groesse, Qt::Uninitialized);
    // The buffer is filled completely at once: large pages where the system offers them.
    grosseSeitenErbitten(inhalt.data(), static_cast<std::size_t>(groesse));
    qint64 gelesen = 0;
    while (gelesen < groesse) {
        const qint64 n = file.read(inhalt.data() + gelesen, groesse - gelesen);
        if (n <= 0)
            break;
        gelesen += n;
    }
    inhalt.truncate(gelesen);
    if (file.error() == QFile::NoError) {
        if (const QByteArray rest = file.readAll(); !rest.isEmpty())
            inhalt += rest;
    }
    return inhalt;
}

} // namespace

void exportDateiLesen(const QString& pfad, const DBZuordnung& zuordnung, const ZeilenZiel& ziel) {
    const QString name = QFileInfo(pfad).fileName();
    auto lesen = [&] {
        QFile file(pfad);
        if (!file.open(QIODevice::ReadOnly))
            throw db::DbError(QStringLiteral("%1: Die Datei kann nicht geöffnet werden (%2).")
                                  .arg(name, file.errorString()));
        QByteArray inhalt = ganzLesen(file);
        if (file.error() != QFile::NoError)
            throw db::DbError(QStringLiteral("%1: %2").arg(name, file.errorString()));
        // A UTF-8 export comes back as the same bytes; once the file's copy is gone the
        // parser works on them without a second one.
        return exportNachUtf8(std::exchange(inhalt, QByteArray()), name);
    };
    // A refused value is rare: its line is counted on the file read a second time
    // rather than on a copy kept through every build.
    lesenImPuffer(lesen(), name, zuordnung, ziel, lesen);
}

} // namespace drel::dbbuild
