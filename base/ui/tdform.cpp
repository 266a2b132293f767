#include "base/ui/tdform.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

namespace drel::ui {

namespace {

void fuellen(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, farbe);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

int tdTag(const QObject* o) {
    return o->property("tag").toInt();
}

QFont tdSchrift(const QFont& basis) {
    QFont f = basis;
    // Chinese characters have regional forms: named, the Chinese face comes before the
    // machine's fallback, which may be the Japanese one (its Hangul serves Korean).
    f.setFamilies({QStringLiteral("Arial Unicode MS"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Noto Sans CJK SC")});
    return f;
}

void tdFarbenSetzen(QWidget* fenster) {
    if (tdTag(fenster) == 0)
        fuellen(fenster, kTdHellblau);
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        const int tag = tdTag(w);
        const QString art = w->property("tdArt").toString();
        if (art == QLatin1String("Shape") || art == QLatin1String("Panel")) {
            if (tag == 0)
                fuellen(w, kTdBlau);
            else if (tag == 99)
                fuellen(w, kTdHellblau);
        } else if (qobject_cast<QLabel*>(w) && (tag == 0 || (tag >= 3 && tag <= 6))) {
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, w->palette().color(QPalette::Highlight));
            w->setPalette(p);
        }
    }
}

TDForm::TDForm(QWidget* parent, Qt::WindowFlags flags) : TDFormArt(parent, flags) {}

void TDForm::reject() {
    // Cancel handlers that close the window come back here through QDialog: close then.
    if (imAbbrechen_) {
        if (isWindow())
            QDialog::reject();
        return;
    }
    imAbbrechen_ = true;
    abbrechen();
    imAbbrechen_ = false;
}

void TDForm::abbrechen() {
    if (isWindow())
        QDialog::reject();
}

} // namespace drel::ui
