#include "report/bericht.h"

#include "report/memo.h"
#include "report/platzhalter.h"
#include "report/seitensetzer.h"

#include <QPaintDevice>
#include <QPainter>
#include <exception>

namespace drel::bericht {

Bericht::Bericht() : texts_(sprache(QString())) {}

Seite& Bericht::addPage(const QString& name) {
    pages_.push_back(std::make_unique<Seite>(name));
    return *pages_.back();
}

void Bericht::setMemoFontFamily(const QString& family) {
    for (const auto& seite : pages_)
        for (const auto& band : seite->bands())
            for (const auto& objekt : band->objects())
                if (auto* memo = dynamic_cast<Memo*>(objekt.get())) {
                    QFont schrift = memo->font();
                    schrift.setFamily(family);
                    memo->setFont(schrift);
                }
}

Seite* Bericht::findPage(const QString& name) const {
    for (const auto& seite : pages_)
        if (seite->hasName(name))
            return seite.get();
    return nullptr;
}

Band* Bericht::findBand(const QString& name) const {
    for (const auto& seite : pages_)
        if (auto* band = seite->findBand(name))
            return band;
    return nullptr;
}

BerichtObjekt* Bericht::findObject(const QString& name) const {
    if (auto* seite = findPage(name))
        return seite;
    if (auto* band = findBand(name))
        return band;
    for (const auto& seite : pages_)
        if (auto* objekt = seite->findObject(name))
            return objekt;
    return nullptr;
}

bool Bericht::prepare() {
    prepared_.clear();
    error_.clear();
    try {
        if (beforePrepare_)
            beforePrepare_();
        for (const auto& seite : pages_)
            if (seite->isVisible())
                Seitensetzer(*seite, beforePrint_, afterPrint_, prepared_).setzen();
    } catch (const std::exception& fehler) {
        prepared_.clear();
        error_ = QString::fromUtf8(fehler.what());
        return false;
    } catch (...) {
        prepared_.clear();
        error_ = texts_.ausgabeFehler;
        return false;
    }
    if (prepared_.empty()) {
        error_ = texts_.keineSeite;
        return false;
    }
    numberPages();
    return true;
}

void Bericht::numberPages() {
    const int seiten = pageCount();
    for (int i = 0; i < seiten; ++i)
        for (const auto& objekt : prepared_[i].objects())
            if (auto* memo = dynamic_cast<Memo*>(objekt.get()))
                memo->setText(seitenzahlenEinsetzen(memo->text(), i + 1, seiten));
}

void Bericht::render(QPainter& painter, int index) const {
    if (index < 0 || index >= pageCount())
        return;
    const double dpi = painter.device()->logicalDpiY();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(painter.device()->logicalDpiX() / 254.0, dpi / 254.0);
    for (const auto& objekt : prepared_[index].objects())
        objekt->paint(painter, dpi);
    painter.restore();
}

} // namespace drel::bericht
