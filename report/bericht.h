// A report: named pages with bands and objects, built in code. prepare() lays
// the visible pages out into printed pages; render() paints one of them.
#pragma once

#include "report/berichttexte.h"
#include "report/gesetzteseite.h"
#include "report/seite.h"

#include <memory>
#include <vector>

class QPainter;

namespace drel::bericht {

class Bericht {
public:
    Bericht();
    virtual ~Bericht() = default;
    Bericht(const Bericht&) = delete;
    Bericht& operator=(const Bericht&) = delete;

    // The document title (PDF metadata, print job name).
    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    // The engine's own texts; setLanguage resets them to the built-in ones
    // and then takes those of a program language code (see sprache()).
    const BerichtTexte& texts() const { return texts_; }
    void setLanguage(const QString& code) { texts_ = sprache(code); }

    // Gives every memo of the report this font family, keeping sizes and styles.
    void setMemoFontFamily(const QString& family);

    Seite& addPage(const QString& name);
    const std::vector<std::unique_ptr<Seite>>& pages() const { return pages_; }

    // Look-ups by name without regard to letter case; nullptr when missing.
    Seite* findPage(const QString& name) const;
    Band* findBand(const QString& name) const;
    // A page, band or printed object, searched in that order.
    BerichtObjekt* findObject(const QString& name) const;
    template <class T> T* find(const QString& name) const {
        return dynamic_cast<T*>(findObject(name));
    }

    // Report-wide handlers, called for every band and object after its own.
    void setBeforePrint(BerichtObjekt::Ereignis handler) { beforePrint_ = std::move(handler); }
    void setAfterPrint(BerichtObjekt::Ereignis handler) { afterPrint_ = std::move(handler); }

    // Called at the start of every prepare(): a report whose handlers change
    // visibility while it prints sets its starting state here.
    void setBeforePrepare(std::function<void()> handler) { beforePrepare_ = std::move(handler); }

    // Lays out every visible page, clearing an earlier result. False (with
    // error()) when a handler failed or no page is visible.
    bool prepare();
    const QString& error() const { return error_; }
    int pageCount() const { return static_cast<int>(prepared_.size()); }
    const GesetzteSeite& preparedPage(int index) const { return prepared_.at(index); }

    // Paints a prepared page; the painter's origin is the paper's top-left
    // corner, in device pixels.
    void render(QPainter& painter, int index) const;

private:
    void numberPages();

    QString title_;
    BerichtTexte texts_;
    std::vector<std::unique_ptr<Seite>> pages_;
    BerichtObjekt::Ereignis beforePrint_;
    BerichtObjekt::Ereignis afterPrint_;
    std::function<void()> beforePrepare_;
    std::vector<GesetzteSeite> prepared_;
    QString error_;
};

} // namespace drel::bericht
