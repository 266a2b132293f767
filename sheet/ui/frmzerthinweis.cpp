#include "sheet/ui/frmzerthinweis.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace drel::ui {

TFrmZertHinweis::TFrmZertHinweis(const sheet::ZertListe::Hinweis& hinweis, QWidget* parent)
    : TDForm(parent) {
    setObjectName(QStringLiteral("TFrmZertHinweis"));
    texte().fensterTitel(this, QT_TR_NOOP("Hinweis zur Zertifizierung"));
    resize(480, 340);
    auto* v = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    ZertLogo_ = new QLabel(this);
    ZertLogo_->setObjectName(QStringLiteral("ZertLogo"));
    ZertLogo_->setFixedSize(75, 75);
    ZertLogo_->setScaledContents(true);
    if (const QPixmap bild(hinweis.bildPfad); !hinweis.bildPfad.isEmpty() && !bild.isNull())
        ZertLogo_->setPixmap(bild);
    Label1_ = new QLabel(hinweis.titel, this);
    Label1_->setObjectName(QStringLiteral("Label1"));
    Label1_->setWordWrap(true);
    QFont fett = Label1_->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.2);
    Label1_->setFont(fett);
    oben->addWidget(ZertLogo_);
    oben->addWidget(Label1_, 1);
    v->addLayout(oben);
    RichEdit1_ = new QTextBrowser(this);
    RichEdit1_->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1_->setOpenLinks(false);
    // The description holds line breaks as markup ("<br />").
    RichEdit1_->setHtml(hinweis.beschreibung);
    v->addWidget(RichEdit1_, 1);
}

QString TFrmZertHinweis::titel() const {
    return Label1_->text();
}

QString TFrmZertHinweis::beschreibung() const {
    return RichEdit1_->toPlainText();
}

bool TFrmZertHinweis::mitLogo() const {
    return !ZertLogo_->pixmap().isNull();
}

} // namespace drel::ui
