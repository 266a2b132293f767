// Routes every request for help to one help window: F1 in the main window and its areas,
// F1 in a modal window, the help buttons of the lower layers (through the hook).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace drel::ui {

class ModaleHilfeTaste;
class TFrmHilfe;

class HilfeWeiche : public QObject {
    Q_OBJECT
public:
    // `fenster` is the main window; its "helpContext" is the topic when no window in
    // focus has one of its own.
    explicit HilfeWeiche(QWidget& fenster);
    ~HilfeWeiche() override;

    // The help window on a topic of the current language's help file.
    void zeigen(int thema);
    // The help file of the current language in the program directory.
    static QString datei();

private:
    // The topic of the widget with the focus or its nearest window that has one.
    int fokusThema() const;

    QWidget& fenster_;
    QPointer<TFrmHilfe> hilfe_;
    ModaleHilfeTaste* modaleHilfe_ = nullptr;
};

} // namespace drel::ui
