// One page of a prepared report: snapshots of the printed objects with their
// positions on the paper, in print order.
#pragma once

#include "report/druckobjekt.h"

#include <QSizeF>
#include <QStringList>
#include <memory>
#include <vector>

namespace drel::bericht {

class GesetzteSeite {
public:
    GesetzteSeite(QString pageName, QSizeF paperMm)
        : pageName_(std::move(pageName)), paperMm_(paperMm) {}

    // Name of the report page this printed page comes from.
    const QString& pageName() const { return pageName_; }
    const QSizeF& paperSize() const { return paperMm_; }

    void add(std::unique_ptr<Druckobjekt> objekt) { objects_.push_back(std::move(objekt)); }
    const std::vector<std::unique_ptr<Druckobjekt>>& objects() const { return objects_; }
    // Every printed copy of the named object (a data band prints it once a row).
    std::vector<const Druckobjekt*> find(const QString& name) const;
    // The memo texts in print order.
    QStringList texts() const;

private:
    QString pageName_;
    QSizeF paperMm_;
    std::vector<std::unique_ptr<Druckobjekt>> objects_;
};

} // namespace drel::bericht
