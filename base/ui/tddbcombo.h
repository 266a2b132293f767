// A choice box with two parallel lists: the shown texts (its items) and the stored
// values (Items2). Linked to one field of a data source it shows the item whose
// stored value the field holds and writes the stored value of the user's choice.
#pragma once

#include <QComboBox>
#include <QStringList>

namespace drel::ui {

// The field side of the link; the data sheet binds its record through it.
class TDDatenQuelle {
public:
    virtual ~TDDatenQuelle() = default;
    virtual QString feldText(const QString& feld) const = 0;
    virtual bool imEditModus() const = 0;
    virtual bool autoEdit() const = 0;
    virtual void bearbeiten() = 0;
    virtual void feldSchreiben(const QString& feld, const QString& wert) = 0;
};

// The item whose stored value equals `wert`, -1 when none does.
int tdComboIndexFuer(const QStringList& items2, const QString& wert);

class TDDBCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TDDBCombo(QWidget* parent = nullptr);

    QStringList Items2;
    QString DataField;
    void setDataSource(TDDatenQuelle* quelle);
    TDDatenQuelle* DataSource() const { return quelle_; }

    // The field's value changed or the data source moved: show its item.
    void datenGeaendert();

private:
    void auswahlGeaendert(int index);

    TDDatenQuelle* quelle_ = nullptr;
};

} // namespace drel::ui
