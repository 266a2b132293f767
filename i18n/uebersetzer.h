// The window translator: loads the translation file of a language code and installs
// it, so that every window receives a language change and translates its texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace drel::i18n {

class Uebersetzer {
public:
    // The process-wide translator.
    static Uebersetzer& instanz();

    // Folders searched for drel_<code>.qm, in order: the executable's folder, its
    // i18n subfolder, the program directory.
    QStringList suchOrte() const;
    void setSuchOrte(const QStringList& orte) { orte_ = orte; }

    // Loads and installs the file of `code` ("De", "En", ...) in place of the last
    // one; without such a file the source texts stay. True when a file was loaded.
    bool laden(const QString& code);
    const QString& code() const { return code_; }
    // Name of the file of a code: "drel_de.qm".
    static QString dateiName(const QString& code);

private:
    std::unique_ptr<QTranslator> translator_;
    QString code_;
    QStringList orte_;
};

} // namespace drel::i18n
