#include "i18n/uebersetzer.h"

#include "base/directories.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace drel::i18n {

QString AufzeichnenderTranslator::translate(const char* context, const char* sourceText,
                                            const char* disambiguation, int n) const {
    QString text = datei_ ? datei_->translate(context, sourceText, disambiguation, n) : QString();
    const QString gezeigt = text.isEmpty() ? QString::fromUtf8(sourceText) : text;
    herkunft_.insert(gezeigt,
                     {QByteArray(context), QByteArray(sourceText), QByteArray(disambiguation)});
    return text;
}

const AufzeichnenderTranslator::Herkunft*
AufzeichnenderTranslator::herkunft(const QString& text) const {
    const auto it = herkunft_.constFind(text);
    return it == herkunft_.constEnd() ? nullptr : &it.value();
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

AufzeichnenderTranslator* Uebersetzer::translator() {
    if (!translator_)
        translator_ = std::make_unique<AufzeichnenderTranslator>();
    return translator_.get();
}

void Uebersetzer::installieren() {
    if (installiert_)
        return;
    installiert_ = QCoreApplication::installTranslator(translator());
}

bool Uebersetzer::laden(const QString& code) {
    code_ = code;
    std::unique_ptr<QTranslator> geladen;
    for (const QString& ort : suchOrte()) {
        if (ort.isEmpty())
            continue;
        const QString datei = findeDatei(ort, dateiName(code));
        auto kandidat = std::make_unique<QTranslator>();
        if (QFileInfo(datei).isFile() && kandidat->load(datei)) {
            geladen = std::move(kandidat);
            break;
        }
    }
    const bool gefunden = geladen != nullptr;
    // Installing again tells every window that the language changed.
    if (installiert_)
        QCoreApplication::removeTranslator(translator());
    translator()->setDatei(std::move(geladen));
    installiert_ = QCoreApplication::installTranslator(translator());
    return gefunden;
}

} // namespace drel::i18n
