// A band of a page: a horizontal strip holding printed objects. A data band
// prints once per row of its data set, or `rowCount` times without one; a child
// band prints right after the band it is attached to.
#pragma once

#include "report/berichtobjekt.h"
#include "report/druckobjekt.h"

#include <memory>
#include <vector>

namespace drel::bericht {

class Datenmenge;
class Form;
class Memo;

enum class BandArt { Seitenkopf, Kind, Stammdaten, Seitenfuss };

class Band : public BerichtObjekt {
public:
    Band(QString name, BandArt art) : BerichtObjekt(std::move(name)), art_(art) {}

    BandArt art() const { return art_; }
    double height() const { return height_; }
    void setHeight(double height) { height_ = height; }

    // Not owned; must outlive the layout.
    Datenmenge* dataSet() const { return dataSet_; }
    void setDataSet(Datenmenge* dataSet) { dataSet_ = dataSet; }
    int rowCount() const { return rowCount_; }
    void setRowCount(int rows) { rowCount_ = rows; }

    // A child band of the same page (not owned), printed after this band.
    Band* child() const { return child_; }
    void setChild(Band* child) { child_ = child; }

    // Creates an object of type T (Memo, Bild, Form, Linie) in the band.
    template <class T> T& add(const QString& name) {
        objects_.push_back(std::make_unique<T>(name));
        return static_cast<T&>(*objects_.back());
    }
    Memo& createMemo(const QString& name);
    Form& createShape(const QString& name);
    bool removeObject(const QString& name);

    Druckobjekt* findObject(const QString& name) const;
    const std::vector<std::unique_ptr<Druckobjekt>>& objects() const { return objects_; }

private:
    BandArt art_;
    double height_ = 0;
    Datenmenge* dataSet_ = nullptr;
    int rowCount_ = 0;
    Band* child_ = nullptr;
    std::vector<std::unique_ptr<Druckobjekt>> objects_;
};

} // namespace drel::bericht
