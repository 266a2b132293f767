#include "i18n/ui/neuuebersetzen.h"

#include "i18n/uebersetzer.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <optional>

namespace drel::i18n {

namespace {

using Herkunft = AufzeichnenderTranslator::Herkunft;

// The origin of a shown text: the one remembered for this place when it still shows
// what was put there, else the translator's record of the text. The record alone is
// ambiguous once two sources share a translation ("Techn. Daten" and "Technische
// Daten" are both "Technical data"), so every place keeps its own.
std::optional<Herkunft> herkunftVon(const AufzeichnenderTranslator& a, const QObject* besitzer,
                                    const QByteArray& stelle, const QString& text) {
    const QStringList gemerkt = besitzer->property(stelle.constData()).toStringList();
    if (gemerkt.size() == 4 && gemerkt.at(3) == text)
        return Herkunft{gemerkt.at(0).toUtf8(), gemerkt.at(1).toUtf8(), gemerkt.at(2).toUtf8()};
    if (const Herkunft* h = a.herkunft(text))
        return *h; // a copy: translating records the text again
    return std::nullopt;
}

// The text in the current language, or the text itself when its source is unknown.
QString nochmal(const AufzeichnenderTranslator& a, QObject* besitzer, const char* stelle,
                const QString& text) {
    if (text.isEmpty())
        return text;
    const QByteArray name = QByteArray("drelHerkunft_") + stelle;
    const std::optional<Herkunft> h = herkunftVon(a, besitzer, name, text);
    if (!h)
        return text;
    const QString neu = QCoreApplication::translate(
        h->context.constData(), h->source.constData(),
        h->disambiguation.isEmpty() ? nullptr : h->disambiguation.constData());
    besitzer->setProperty(name.constData(),
                          QStringList{QString::fromUtf8(h->context), QString::fromUtf8(h->source),
                                      QString::fromUtf8(h->disambiguation), neu});
    return neu;
}

QByteArray nummeriert(const char* stelle, int nummer) {
    return QByteArray(stelle) + QByteArray::number(nummer);
}

void widgetUebersetzen(const AufzeichnenderTranslator& a, QWidget* w) {
    w->setToolTip(nochmal(a, w, "tip", w->toolTip()));
    if (w->isWindow())
        w->setWindowTitle(nochmal(a, w, "titel", w->windowTitle()));
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(nochmal(a, w, "text", label->text()));
    else if (auto* knopf = qobject_cast<QAbstractButton*>(w))
        knopf->setText(nochmal(a, w, "text", knopf->text()));
    else if (auto* gruppe = qobject_cast<QGroupBox*>(w))
        gruppe->setTitle(nochmal(a, w, "text", gruppe->title()));
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setPlaceholderText(nochmal(a, w, "text", edit->placeholderText()));
    else if (auto* reiter = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < reiter->count(); ++i)
            reiter->setTabText(
                i, nochmal(a, w, nummeriert("reiter", i).constData(), reiter->tabText(i)));
    } else if (auto* tabelle = qobject_cast<QTableWidget*>(w)) {
        for (int c = 0; c < tabelle->columnCount(); ++c) {
            if (QTableWidgetItem* kopf = tabelle->horizontalHeaderItem(c))
                kopf->setText(nochmal(a, w, nummeriert("kopf", c).constData(), kopf->text()));
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
