// The help text window behind the sheet's information icons: a text, or a rich-text
// file of the program directory, filling the window.
#pragma once

#include "base/ui/tdform.h"

class QTextBrowser;

namespace drel::ui {

class TFrmHilfsTextAnzeigen : public TDForm {
    Q_OBJECT
public:
    explicit TFrmHilfsTextAnzeigen(QWidget* parent = nullptr);

    void textZeigen(const QString& text);
    // False (and a note in the window) when the file cannot be read.
    bool dateiZeigen(const QString& rtfDatei);
    QString text() const;

private:
    QTextBrowser* RichEdit1_ = nullptr;
};

} // namespace drel::ui
