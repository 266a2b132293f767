#include "app/ui/frmhinweis.h"

#include "base/rtftext.h"
#include "base/ui/nebenfenster.h"

#include <QFile>
#include <QTextEdit>
#include <QVBoxLayout>

namespace drel::ui {

TFrmHinweis::TFrmHinweis(QWidget* parent)
    : TDForm(parent, Qt::Window), richEdit_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TFrmHinweis"));
    resize(640, 480);
    richEdit_->setObjectName(QStringLiteral("RichEdit1"));
    richEdit_->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(richEdit_);
    alsNebenfenster(this);
}

void TFrmHinweis::laden(const QString& datei) {
    QFile file(datei);
    if (!file.open(QIODevice::ReadOnly)) {
        richEdit_->clear();
        return;
    }
    richEdit_->setHtml(rtfZuHtml(file.readAll()));
}

} // namespace drel::ui
