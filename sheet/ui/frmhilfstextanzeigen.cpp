#include "sheet/ui/frmhilfstextanzeigen.h"

#include "base/rtftext.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace drel::ui {

TFrmHilfsTextAnzeigen::TFrmHilfsTextAnzeigen(QWidget* parent) : TDForm(parent) {
    setObjectName(QStringLiteral("TFrmHilfsTextAnzeigen"));
    texte().fensterTitel(this, QT_TR_NOOP("Hilfe"));
    resize(520, 360);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    RichEdit1_ = new QTextBrowser(this);
    RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1_->setOpenLinks(false);
    v->addWidget(RichEdit1_);
}

void TFrmHilfsTextAnzeigen::textZeigen(const QString& text) {
    RichEdit1_->setPlainText(text);
}

bool TFrmHilfsTextAnzeigen::dateiZeigen(const QString& rtfDatei) {
    QFile datei(rtfDatei);
    if (rtfDatei.isEmpty() || !datei.open(QIODevice::ReadOnly)) {
        RichEdit1_->setPlainText(
            QCoreApplication::translate("drel::ui::TFrmHilfsTextAnzeigen",
                                        "Der Hilfetext %1 ist nicht vorhanden.")
                .arg(QFileInfo(rtfDatei).fileName()));
        return false;
    }
    RichEdit1_->setHtml(rtfZuHtml(datei.readAll()));
    return true;
}

QString TFrmHilfsTextAnzeigen::text() const {
    return RichEdit1_->toPlainText();
}

} // namespace drel::ui
