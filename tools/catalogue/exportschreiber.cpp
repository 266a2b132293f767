#include "tools/catalogue/exportschreiber.h"

#include "dbbuild/zuordnung.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <stdexcept>

namespace drel::katalog {

const std::array<const char*, 10> kXmlSprachen{"",    "_de", "_fr", "_it", "_es",
                                               "_pt", "_ru", "_cn", "_pl", "_ko"};

Text10 Text10::alle(const QString& en, const QString& de, const QString& fr, const QString& it,
                    const QString& es, const QString& pt, const QString& ru, const QString& cn,
                    const QString& pl, const QString& ko) {
    return Text10{{en, de, fr, it, es, pt, ru, cn, pl, ko}};
}

Text10 Text10::gleich(const QString& text) {
    Text10 x;
    x.t.fill(text);
    return x;
}

Text10 Text10::operator+(const QString& anhang) const {
    Text10 x = *this;
    for (QString& s : x.t)
        s += anhang;
    return x;
}

Satz& Satz::set(const QString& element, const QString& wert) {
    werte_[element.toLower()] = wert;
    return *this;
}

Satz& Satz::set(const QString& element, int wert) {
    return set(element, QString::number(wert));
}

Satz& Satz::set(const QString& element, double wert) {
    return set(element, zahlText(wert));
}

Satz& Satz::setBool(const QString& element, bool wert) {
    return set(element, wert ? QStringLiteral("true") : QStringLiteral("false"));
}

Satz& Satz::sprachen(const QString& stamm, const Text10& texte) {
    for (size_t i = 0; i < kXmlSprachen.size(); ++i)
        set(stamm + QLatin1String(kXmlSprachen[i]), texte.t[i]);
    return *this;
}

Satz& Satz::ohne(const QString& element) {
    werte_.erase(element.toLower());
    return *this;
}

bool Satz::hat(const QString& element) const {
    return werte_.count(element.toLower()) > 0;
}

QString Satz::wert(const QString& element) const {
    const auto it = werte_.find(element.toLower());
    return it == werte_.end() ? QString() : it->second;
}

QString zahlText(double wert) {
    if (wert == 0.0)
        return QStringLiteral("0");
    return QString::number(wert, 'g', 12);
}

const std::vector<Satz>* ExportSammlung::finde(const QString& xmlDatei) const {
    const auto it = tabellen_.find(xmlDatei);
    return it == tabellen_.end() ? nullptr : &it->second;
}

namespace {

QString escape(const QString& text) {
    QString s = text.toHtmlEscaped();
    s.replace(QLatin1Char('\r'), QLatin1String("&#13;"));
    return s;
}

void exportSchreiben(const QString& pfad, const dbbuild::BauSchritt& schritt,
                     const std::vector<Satz>& saetze) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(saetze.size()) * 1024 + 256);
    out += "<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\n<NewDataSet>\n";
    out += "  <xs:schema id=\"NewDataSet\" xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"/>\n";
    // Element names in entry order; an element that fills several fields comes once.
    QStringList elemente;
    QSet<QString> bekannt;
    for (const dbbuild::ZuordnungEintrag& e : schritt.zuordnung) {
        const QString klein = e.element.toLower();
        if (!bekannt.contains(klein)) {
            bekannt.insert(klein);
            elemente.append(e.element);
        }
    }
    for (const Satz& satz : saetze) {
        for (const auto& [name, wert] : satz.werte())
            if (!bekannt.contains(name))
                throw std::runtime_error(QStringLiteral("%1: unknown element %2")
                                             .arg(schritt.xmlDatei, name)
                                             .toStdString());
        out += "  <Table>\n";
        for (const QString& element : elemente) {
            if (!satz.hat(element))
                continue;
            const QByteArray name = element.toUtf8();
            out += "    <" + name + '>' + escape(satz.wert(element)).toUtf8() + "</" + name + ">\n";
        }
        out += "  </Table>\n";
    }
    out += "</NewDataSet>\n";
    QFile file(pfad);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size())
        throw std::runtime_error(("cannot write " + pfad).toStdString());
}

} // namespace

void ExportSammlung::schreiben(const QString& verzeichnis) const {
    QDir().mkpath(verzeichnis);
    static const std::vector<Satz> leer;
    for (const dbbuild::BauSchritt& schritt : dbbuild::dbZuordnungErstellen()) {
        const std::vector<Satz>* saetze = finde(schritt.xmlDatei);
        exportSchreiben(verzeichnis + QLatin1Char('/') + schritt.xmlDatei, schritt,
                        saetze ? *saetze : leer);
    }
}

} // namespace drel::katalog
