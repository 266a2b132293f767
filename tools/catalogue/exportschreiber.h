// Records of the product exports and the writer that puts them into the XML form
// the database build reads: root, schema child, one element per record whose
// children are named by the build's field mapping.
#pragma once

#include <QHash>
#include <QString>
#include <array>
#include <map>
#include <vector>

namespace drel::katalog {

// A text in the ten languages, in the order of the exports: English, German,
// French, Italian, Spanish, Portuguese, Russian, Chinese, Polish, Korean.
struct Text10 {
    std::array<QString, 10> t;
    static Text10 alle(const QString& en, const QString& de, const QString& fr, const QString& it,
                       const QString& es, const QString& pt, const QString& ru, const QString& cn,
                       const QString& pl, const QString& ko);
    static Text10 gleich(const QString& text);
    const QString& en() const { return t[0]; }
    const QString& de() const { return t[1]; }
    Text10 operator+(const QString& anhang) const;
};

// Element suffixes of the ten languages in Text10 order.
extern const std::array<const char*, 10> kXmlSprachen;

// One record: XML element name (any case) -> text.
class Satz {
public:
    Satz& set(const QString& element, const QString& wert);
    Satz& set(const QString& element, int wert);
    Satz& set(const QString& element, double wert);
    Satz& setBool(const QString& element, bool wert);
    // stem, stem_de, stem_fr ... (English without suffix).
    Satz& sprachen(const QString& stamm, const Text10& texte);
    Satz& ohne(const QString& element);
    bool hat(const QString& element) const;
    QString wert(const QString& element) const;
    const std::map<QString, QString>& werte() const { return werte_; } // by lower-case name

private:
    std::map<QString, QString> werte_;
};

// Number text as the exports write it: shortest round-trip form with a '.'.
QString zahlText(double wert);

// All records of the 24 exports, by export file name ("Articles.xml").
class ExportSammlung {
public:
    std::vector<Satz>& tabelle(const QString& xmlDatei) { return tabellen_[xmlDatei]; }
    const std::vector<Satz>* finde(const QString& xmlDatei) const;
    // Writes every export of the build into `verzeichnis`. Throws std::runtime_error
    // when a record names an element the build's mapping does not know.
    void schreiben(const QString& verzeichnis) const;

private:
    std::map<QString, std::vector<Satz>> tabellen_;
};

} // namespace drel::katalog
