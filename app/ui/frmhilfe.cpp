#include "app/ui/frmhilfe.h"

#include "base/ui/nebenfenster.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace drel::ui {

// The section of one topic: from its heading to the next one; the whole text when the
// file has no such topic.
QString TFrmHilfe::themaAusschneiden(const QString& html, int thema) {
    const QRegularExpression anker(QStringLiteral("<h2>\\s*<a[^>]*name=\"%1\"").arg(thema));
    const QRegularExpressionMatch treffer = anker.match(html);
    if (!treffer.hasMatch())
        return html;
    const qsizetype start = treffer.capturedStart();
    qsizetype ende = html.indexOf(QStringLiteral("<h2>"), treffer.capturedEnd());
    if (ende < 0)
        ende = html.indexOf(QStringLiteral("</body>"), start);
    return QStringLiteral("<html><body>") + html.mid(start, ende < 0 ? -1 : ende - start) +
           QStringLiteral("</body></html>");
}

TFrmHilfe::TFrmHilfe(QWidget* parent)
    : MitQuelltexten(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("TFrmHilfe"));
    resize(560, 380);
    browser_->setObjectName(QStringLiteral("HilfeText"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    alsNebenfenster(this);
}

void TFrmHilfe::zeigen(const QString& datei, int thema) {
    texte().fensterTitel(this, QT_TR_NOOP("Hilfe"));
    if (datei != datei_) {
        datei_ = datei;
        QFile file(datei);
        html_ = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    thema_ = thema;
    if (html_.isEmpty())
        browser_->setPlainText(tr("Die Hilfedatei %1 wurde nicht gefunden.").arg(datei));
    else
        browser_->setHtml(themaAusschneiden(html_, thema));
    show();
    raise();
    activateWindow();
}

} // namespace drel::ui
