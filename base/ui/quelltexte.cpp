#include "base/ui/quelltexte.h"

#include <QCoreApplication>
#include <QTabWidget>

namespace drel::ui {

QString Quelltexte::tr(const char* quelle) const {
    return QCoreApplication::translate(kontext_.constData(), quelle);
}

void Quelltexte::eigene(QObject* besitzer, const char* quelle,
                        std::function<void(const QString&)> setzen) {
    setzen(tr(quelle));
    eintraege_.push_back({besitzer, nullptr, quelle, std::move(setzen)});
}

void Quelltexte::eigeneIn(const char* kontext, QObject* besitzer, const char* quelle,
                          std::function<void(const QString&)> setzen) {
    setzen(QCoreApplication::translate(kontext, quelle));
    eintraege_.push_back({besitzer, kontext, quelle, std::move(setzen)});
}

void Quelltexte::reiter(QTabWidget* reiter, int index, const char* quelle) {
    eigene(reiter, quelle, [reiter, index](const QString& t) { reiter->setTabText(index, t); });
}

void Quelltexte::neuSetzen() const {
    for (const Eintrag& e : eintraege_)
        if (e.besitzer)
            e.setzen(e.kontext ? QCoreApplication::translate(e.kontext, e.quelle) : tr(e.quelle));
}

} // namespace drel::ui
