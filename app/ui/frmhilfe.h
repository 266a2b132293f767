// The help window: one help file of the program directory (HTML with an anchor per
// topic number), scrolled to the topic asked for.
#pragma once

#include "base/ui/quelltexte.h"

#include <QWidget>

class QTextBrowser;

namespace drel::ui {

class TFrmHilfe : public MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit TFrmHilfe(QWidget* parent = nullptr);

    // Loads `datei` (when it is not the one shown) and shows topic `thema`.
    void zeigen(const QString& datei, int thema);
    QTextBrowser* browser() const { return browser_; }
    int thema() const { return thema_; }
    static QString themaAusschneiden(const QString& html, int thema);

private:
    QTextBrowser* browser_;
    QString datei_;
    QString html_;
    int thema_ = 0;
};

} // namespace drel::ui
