#include "i18n/uebersetzer.h"

#include "base/directories.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace drel::i18n {

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

bool Uebersetzer::laden(const QString& code) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    code_ = code;
    for (const QString& ort : suchOrte()) {
        if (ort.isEmpty())
            continue;
        const QString datei = findeDatei(ort, dateiName(code));
        if (!QFileInfo(datei).isFile())
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(datei))
            continue;
        translator_ = std::move(translator);
        QCoreApplication::installTranslator(translator_.get());
        return true;
    }
    return false;
}

} // namespace drel::i18n
