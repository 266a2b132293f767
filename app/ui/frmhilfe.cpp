#include "app/ui/frmhilfe.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace drel::ui {

TFrmHilfe::TFrmHilfe(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("TFrmHilfe"));
    resize(620, 520);
    browser_->setObjectName(QStringLiteral("HilfeText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void TFrmHilfe::zeigen(const QString& datei, int thema) {
    setWindowTitle(tr("Hilfe"));
    if (datei != datei_) {
        datei_ = datei;
        QFile file(datei);
        if (file.open(QIODevice::ReadOnly))
            browser_->setHtml(QString::fromUtf8(file.readAll()));
        else
            browser_->setPlainText(tr("Die Hilfedatei %1 wurde nicht gefunden.").arg(datei));
    }
    thema_ = thema;
    browser_->scrollToAnchor(QString::number(thema));
    show();
    raise();
    activateWindow();
}

} // namespace drel::ui
