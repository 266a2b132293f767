#include "i18n/uebersetzer.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "i18n/qmpruefung.h"
#include "state/sprache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace drel::i18n {

QString ProgrammTranslator::translate(const char* context, const char* sourceText,
                                      const char* disambiguation, int n) const {
    return datei_ ? datei_->translate(context, sourceText, disambiguation, n) : QString();
}

Uebersetzer& Uebersetzer::instanz() {
    static Uebersetzer uebersetzer;
    return uebersetzer;
}

QString Uebersetzer::dateiName(const QString& code) {
    return QStringLiteral("drel_") + code.toLower() + QStringLiteral(".qm");
}

QStringList Uebersetzer::suchOrte() const {
    if (!orte_.isEmpty())
        return orte_;
    const QString programm = QCoreApplication::applicationDirPath();
    return {programm, pfad(programm, QStringLiteral("i18n")), verzeichnisse().programm};
}

ProgrammTranslator* Uebersetzer::translator() {
    if (!translator_)
        translator_ = std::make_unique<ProgrammTranslator>();
    return translator_.get();
}

void Uebersetzer::installieren() {
    if (installiert_)
        return;
    installiert_ = QCoreApplication::installTranslator(translator());
}

namespace {

// Lookups that every translation file answers; a file that passes the structural check
// but answers none of them belongs to another program or is cut short.
struct Probe {
    const char* kontext;
    const char* quelle;
};
constexpr Probe kProben[] = {
    {"drel::ui::TFrmMenue", "Neu in dieser Version"},
    {"drel::ui::TFrmMenue", "Drel im Internet"},
};

// A .qm file holds a few hundred texts; far larger is none of ours.
constexpr qint64 kHoechstens = 16 << 20;

QString meldungUnbrauchbar(const QString& datei, const QString& grund) {
    return QStringLiteral("Die Übersetzungsdatei %1 kann nicht verwendet werden (%2); das "
                          "Programm zeigt seine Texte auf Deutsch.")
        .arg(QDir::toNativeSeparators(datei), grund);
}

} // namespace

std::unique_ptr<QTranslator> Uebersetzer::dateiPruefenUndLaden(const QString& datei,
                                                               QByteArray& inhalt, QString& grund) {
    grund.clear();
    const std::optional<QByteArray> bytes = einstellungsDateiLesen(datei, kHoechstens, &grund);
    if (!bytes) {
        if (grund.isEmpty())
            grund = QStringLiteral("nicht lesbar");
        return nullptr;
    }
    if (!qmPruefen(*bytes, &grund))
        return nullptr;
    inhalt = *bytes;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(reinterpret_cast<const uchar*>(inhalt.constData()),
                          static_cast<int>(inhalt.size()))) {
        grund = QStringLiteral("nicht ladbar");
        return nullptr;
    }
    for (const Probe& p : kProben) {
        if (translator->translate(p.kontext, p.quelle).isEmpty()) {
            grund = QStringLiteral("bekannte Texte fehlen");
            return nullptr;
        }
    }
    return translator;
}

std::unique_ptr<QTranslator> Uebersetzer::suchen(const QString& code, QByteArray& inhalt,
                                                 QString& unbrauchbar) {
    unbrauchbar.clear();
    QString ersterGrund;
    for (const QString& ort : suchOrte()) {
        if (ort.isEmpty())
            continue;
        const QString datei = findeDatei(ort, dateiName(code));
        if (!QFileInfo::exists(datei))
            continue;
        QString grund;
        if (auto geladen = dateiPruefenUndLaden(datei, inhalt, grund)) {
            unbrauchbar.clear();
            return geladen;
        }
        // A usable copy further down the search order still wins.
        if (unbrauchbar.isEmpty())
            unbrauchbar = meldungUnbrauchbar(datei, grund);
    }
    return nullptr;
}

bool Uebersetzer::laden(const QString& code) {
    code_ = code;
    QByteArray inhalt;
    QString unbrauchbar;
    std::unique_ptr<QTranslator> geladen = suchen(code, inhalt, unbrauchbar);
    if (!unbrauchbar.isEmpty()) {
        report(unbrauchbar, QString(), MessageKind::Warning);
        const QString deutsch = sprachCode(1);
        if (code.compare(deutsch, Qt::CaseInsensitive) != 0) {
            sprache().setzen(1);
            code_ = deutsch;
            geladen = suchen(deutsch, inhalt, unbrauchbar);
            if (!unbrauchbar.isEmpty())
                report(unbrauchbar, QString(), MessageKind::Warning);
        }
    }
    const bool gefunden = geladen != nullptr;
    // Installing again tells every window that the language changed: each sets its texts
    // again from the sources it keeps.
    if (installiert_)
        QCoreApplication::removeTranslator(translator());
    translator()->setDatei(std::move(geladen), std::move(inhalt));
    installiert_ = QCoreApplication::installTranslator(translator());
    qtTexteLaden(code_);
    return gefunden;
}

void Uebersetzer::qtTexteLaden(const QString& code) {
    if (qtTexte_)
        QCoreApplication::removeTranslator(qtTexte_.get());
    qtTexte_ = std::make_unique<QTranslator>();
    // Qt's catalogue of the language ("qtbase_de.qm", falling back from "pt_PT" to "pt");
    // without it the dialogs keep Qt's English.
    if (qtTexte_->load(sprachLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexte_.get());
    else
        qtTexte_.reset();
}

} // namespace drel::i18n
