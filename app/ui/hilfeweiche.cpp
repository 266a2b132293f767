#include "app/ui/hilfeweiche.h"

#include "app/ui/frmhilfe.h"
#include "base/directories.h"
#include "base/ui/tdhilfe.h"
#include "state/sprache.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace drel::ui {

namespace {
QString dateiName() {
    return QStringLiteral("WUK_") + sprache().kurzCode + QStringLiteral(".hlp");
}
} // namespace

HilfeWeiche::HilfeWeiche(QWidget& fenster) : QObject(&fenster), fenster_(fenster) {
    // The windows of the lower layers reach the help through the hook; F1 in a modal
    // window goes through the application filter, since the shortcut is blocked there.
    setHilfeHook([this](int thema) { zeigen(thema); });
    modaleHilfe_ = new ModaleHilfeTaste(this);
    qApp->installEventFilter(modaleHilfe_);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, &fenster_);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, [this] { zeigen(fokusThema()); });
}

HilfeWeiche::~HilfeWeiche() {
    setHilfeHook(nullptr);
}

int HilfeWeiche::fokusThema() const {
    QWidget* fokus = QApplication::focusWidget();
    for (QWidget* w = fokus ? fokus : fenster_.focusWidget(); w; w = w->parentWidget()) {
        if (w->property("helpContext").isValid())
            return w->property("helpContext").toInt();
    }
    return fenster_.property("helpContext").toInt();
}

void HilfeWeiche::zeigen(int thema) {
    // Over a modal window the help must belong to it, or the modal window blocks it.
    QWidget* besitzer = QApplication::activeModalWidget();
    if (!besitzer)
        besitzer = &fenster_;
    if (!hilfe_)
        hilfe_ = new TFrmHilfe(besitzer);
    else if (hilfe_->parentWidget() != besitzer)
        hilfe_->setParent(besitzer, hilfe_->windowFlags());
    hilfe_->zeigen(findeDatei(verzeichnisse().programm, dateiName()), thema);
}

QString HilfeWeiche::datei() {
    return pfad(verzeichnisse().programm, dateiName());
}

} // namespace drel::ui
