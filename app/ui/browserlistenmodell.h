// The browser's size and type list as an item model: the rows of the browser model with
// the list's alignment and its alternating light-blue rows.
#pragma once

#include "app/browsermodell.h"

#include <QAbstractTableModel>
#include <QColor>

namespace drel::ui {

class BrowserListenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit BrowserListenModell(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The browser model to show (nullptr: an empty list) and the colour of the rows that
    // are not light blue.
    void setQuelle(const BrowserModell* quelle, const QColor& grundFarbe);
    // The browser model changed its view: the list is read again.
    void neuLesen();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const BrowserModell* quelle_ = nullptr;
    QColor grundFarbe_;
};

} // namespace drel::ui
