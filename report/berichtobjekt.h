// Base of everything a report finds by name: pages, bands and the printed objects.
#pragma once

#include <QString>
#include <functional>

namespace drel::bericht {

class BerichtObjekt {
public:
    // Called at layout, before and after the object is printed; the handler may
    // change the object (text, visibility, size) but must not remove objects.
    using Ereignis = std::function<void(BerichtObjekt&)>;

    explicit BerichtObjekt(QString name) : name_(std::move(name)) {}
    virtual ~BerichtObjekt() = default;

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    // Names are compared without regard to letter case.
    bool hasName(const QString& name) const;

    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    void setBeforePrint(Ereignis handler) { beforePrint_ = std::move(handler); }
    void setAfterPrint(Ereignis handler) { afterPrint_ = std::move(handler); }
    void fireBeforePrint();
    void fireAfterPrint();

protected:
    BerichtObjekt(const BerichtObjekt&) = default;
    BerichtObjekt& operator=(const BerichtObjekt&) = default;

private:
    QString name_;
    bool visible_ = true;
    Ereignis beforePrint_;
    Ereignis afterPrint_;
};

} // namespace drel::bericht
