// The certificate note: a logo of the sheet's header opens it with the certificate's
// picture, title and description.
#pragma once

#include "base/ui/tdform.h"
#include "sheet/pages/zertifikate.h"

class QLabel;
class QTextBrowser;

namespace drel::ui {

class TFrmZertHinweis : public TDForm {
    Q_OBJECT
public:
    explicit TFrmZertHinweis(const sheet::ZertListe::Hinweis& hinweis, QWidget* parent = nullptr);

    QString titel() const;
    QString beschreibung() const;
    bool mitLogo() const;

private:
    QLabel* ZertLogo_ = nullptr;
    QLabel* Label1_ = nullptr;
    QTextBrowser* RichEdit1_ = nullptr;
};

} // namespace drel::ui
