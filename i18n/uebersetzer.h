// The window translator: loads the translation file of a language code and installs
// it, so that every window receives a language change and translates its texts.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace drel::i18n {

// Answers every lookup from the loaded file and remembers which source text each
// shown text came from, so that a window built earlier can be translated again.
class AufzeichnenderTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    void setDatei(std::unique_ptr<QTranslator> datei) { datei_ = std::move(datei); }

    struct Herkunft {
        QByteArray context;
        QByteArray source;
        QByteArray disambiguation;
    };
    // The source of a text some window shows; nullptr for a text of unknown origin.
    const Herkunft* herkunft(const QString& text) const;

private:
    std::unique_ptr<QTranslator> datei_;
    mutable QHash<QString, Herkunft> herkunft_;
};

class Uebersetzer {
public:
    // The process-wide translator.
    static Uebersetzer& instanz();

    // Folders searched for drel_<code>.qm, in order: the executable's folder, its
    // i18n subfolder, the program directory.
    QStringList suchOrte() const;
    void setSuchOrte(const QStringList& orte) { orte_ = orte; }

    // Installs the translator (without a file: the source texts) so that texts shown
    // from now on can be translated again later.
    void installieren();
    // Loads and installs the file of `code` ("De", "En", ...) in place of the last
    // one; without such a file the source texts stay. True when a file was loaded.
    bool laden(const QString& code);
    const QString& code() const { return code_; }
    // Name of the file of a code: "drel_de.qm".
    static QString dateiName(const QString& code);

    // Which source each text shown so far came from (nullptr before installieren()).
    const AufzeichnenderTranslator* aufzeichnung() const { return translator_.get(); }

private:
    AufzeichnenderTranslator* translator();

    std::unique_ptr<AufzeichnenderTranslator> translator_;
    bool installiert_ = false;
    QString code_;
    QStringList orte_;
};

} // namespace drel::i18n
