#include "i18n/ui/neuuebersetzen.h"

#include "i18n/uebersetzer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>

namespace drel::i18n {

namespace {

// The text in the current language, or the text itself when its source is unknown.
QString nochmal(const AufzeichnenderTranslator& a, const QString& text) {
    if (text.isEmpty())
        return text;
    const AufzeichnenderTranslator::Herkunft* h = a.herkunft(text);
    if (!h)
        return text;
    // A copy: translating records the text again, which may move or replace the entry.
    const AufzeichnenderTranslator::Herkunft herkunft = *h;
    return QCoreApplication::translate(
        herkunft.context.constData(), herkunft.source.constData(),
        herkunft.disambiguation.isEmpty() ? nullptr : herkunft.disambiguation.constData());
}

void widgetUebersetzen(const AufzeichnenderTranslator& a, QWidget* w) {
    w->setToolTip(nochmal(a, w->toolTip()));
    if (w->isWindow())
        w->setWindowTitle(nochmal(a, w->windowTitle()));
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(nochmal(a, label->text()));
    else if (auto* knopf = qobject_cast<QAbstractButton*>(w))
        knopf->setText(nochmal(a, knopf->text()));
    else if (auto* gruppe = qobject_cast<QGroupBox*>(w))
        gruppe->setTitle(nochmal(a, gruppe->title()));
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setPlaceholderText(nochmal(a, edit->placeholderText()));
    else if (auto* reiter = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < reiter->count(); ++i)
            reiter->setTabText(i, nochmal(a, reiter->tabText(i)));
    } else if (auto* tabelle = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < tabelle->columnCount(); ++c) {
            if (QTableWidgetItem* kopf = tabelle->horizontalHeaderItem(c))
                kopf->setText(nochmal(a, kopf->text()));
        }
    }
}

} // namespace

void neuUebersetzen(QWidget* fenster) {
    const AufzeichnenderTranslator* a = Uebersetzer::instanz().aufzeichnung();
    if (!a || !fenster)
        return;
    widgetUebersetzen(*a, fenster);
    for (QWidget* kind : fenster->findChildren<QWidget*>())
        widgetUebersetzen(*a, kind);
}

} // namespace drel::i18n
