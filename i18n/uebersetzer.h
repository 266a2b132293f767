// The window translator: loads the translation file of a language code and installs
// it, so that every window receives a language change and translates its texts.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

namespace drel::i18n {

// The program's translator: answers from the loaded file. It stays installed while the
// file behind it changes, so that texts keep their translator between languages.
class ProgrammTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // The translator and the file contents it reads from (QTranslator keeps no copy).
    void setDatei(std::unique_ptr<QTranslator> datei, QByteArray inhalt = {}) {
        datei_ = std::move(datei);
        inhalt_ = std::move(inhalt);
    }

private:
    std::unique_ptr<QTranslator> datei_;
    QByteArray inhalt_;
};

class Uebersetzer {
public:
    // The process-wide translator.
    static Uebersetzer& instanz();

    // Folders searched for drel_<code>.qm, in order: the executable's folder, its
    // i18n subfolder, the program directory.
    QStringList suchOrte() const;
    void setSuchOrte(const QStringList& orte) { orte_ = orte; }

    // Installs the translator (without a file: the source texts).
    void installieren();
    // Loads and installs the file of `code` ("De", "En", ...) in place of the last
    // one; without such a file the source texts stay. True when a file was loaded.
    // A file that fails its check (a damaged or foreign .qm) is never used: the
    // failure is reported with the file's name, and the program goes over to German
    // (the language state too, so that it is German throughout and stored so).
    bool laden(const QString& code);
    const QString& code() const { return code_; }
    // Name of the file of a code: "drel_de.qm".
    static QString dateiName(const QString& code);

    // The translator of one file after its checks, or nullptr; `grund` says why not.
    static std::unique_ptr<QTranslator> dateiPruefenUndLaden(const QString& datei,
                                                             QByteArray& inhalt, QString& grund);

private:
    ProgrammTranslator* translator();
    // The first usable file of `code` in the search folders; `unbrauchbar` names a file
    // that was found but failed its check.
    std::unique_ptr<QTranslator> suchen(const QString& code, QByteArray& inhalt,
                                        QString& unbrauchbar);

    // Qt's own texts (file, print and message dialogs) in the same language.
    void qtTexteLaden(const QString& code);

    std::unique_ptr<ProgrammTranslator> translator_;
    std::unique_ptr<QTranslator> qtTexte_;
    bool installiert_ = false;
    QString code_;
    QStringList orte_;
};

} // namespace drel::i18n
