#include "app/ui/frmgruppentexte.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace drel::ui {

TFrmGruppenTexte::TFrmGruppenTexte(const QString& caption, const QString& text, QWidget* parent)
    : TDForm(parent), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TFrmGruppenTexte"));
    setWindowTitle(caption);
    resize(520, 360);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setPlainText(text);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
}

} // namespace drel::ui
