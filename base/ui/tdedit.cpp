#include "base/ui/tdedit.h"

#include "base/numberformat.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QToolTip>

namespace drel::ui {

namespace {

BeepHook& beepHook() {
    static BeepHook hook;
    return hook;
}

bool istFokussiert(const QWidget* w) {
    return w->hasFocus();
}

} // namespace

void setBeepHook(BeepHook hook) {
    beepHook() = std::move(hook);
}

void beep() {
    if (beepHook())
        beepHook()();
    else
        QApplication::beep();
}

bool tdEditTasteErlaubt(const QString& text, QChar taste, QChar dezimal) {
    if (taste.isDigit() || taste == QLatin1Char('+') || taste == QLatin1Char('-'))
        return true;
    if (taste == dezimal)
        return !text.contains(dezimal);
    return taste.category() == QChar::Other_Control && taste != QLatin1Char('\r');
}

QString ohneTausender(const QString& text, QChar tausender) {
    QString t = text;
    t.remove(tausender);
    return t;
}

QString tdEditMuster(int nachKomma, bool tausender) {
    QString muster;
    if (nachKomma > 0)
        muster = QStringLiteral("0.") + QString(nachKomma, QLatin1Char('0'));
    if (tausender)
        muster.prepend(QStringLiteral("###,###,##"));
    return muster;
}

QString tdEditAnzeige(const QString& text, int nachKomma, bool tausender, double gemerkt) {
    const NumberSeparators& sep = numberSeparators();
    double wert = gemerkt;
    parseFloat(ohneTausender(text, sep.thousands), wert);
    const QString muster = tdEditMuster(nachKomma, tausender);
    return muster.isEmpty() ? generalFormat(wert) : formatFloat(muster, wert);
}

TDEdit::TDEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TDEdit::textGeaendert);
}

void TDEdit::setNachKomma(int n) {
    nachKomma_ = n;
    if (!istFokussiert(this))
        neuFormatieren();
}

void TDEdit::setTausender(bool an) {
    tausender_ = an;
    if (!istFokussiert(this))
        neuFormatieren();
}

QString TDEdit::AsString() const {
    return ohneTausender(text(), numberSeparators().thousands);
}

int TDEdit::AsInteger() const {
    int ganz = 0;
    return parseInt(AsString(), ganz) ? ganz : 0;
}

double TDEdit::AsFloat() const {
    return floatOrZero(AsString());
}

void TDEdit::neuFormatieren() {
    if (formatiert_)
        return;
    formatiert_ = true;
    const QString neu = tdEditAnzeige(text(), nachKomma_, tausender_, gemerkt_);
    if (neu != text())
        setText(neu);
    formatiert_ = false;
}

void TDEdit::textGeaendert() {
    if (!istFokussiert(this))
        neuFormatieren();
}

void TDEdit::setAsFloat(double wert) {
    if (wert != AsFloat())
        setText(generalFormat(wert));
}

void TDEdit::setAsInteger(int wert) {
    if (wert != AsInteger())
        setText(QString::number(wert));
}

void TDEdit::setAsString(const QString& t) {
    if (t != text())
        setText(t);
}

// A point or a comma typed where the locale writes the other one is meant as the
// decimal separator: "12,5" under an English locale and "45.5" under a German one are
// 12.5 and 45.5, never 125 and 455.
bool istDezimalTaste(QChar taste) {
    return taste == QLatin1Char('.') || taste == QLatin1Char(',');
}

void TDEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        einfuegen(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString zeichen = event->text();
    // Keys without a character (arrows, Home, Delete) are no input; Return and Enter
    // go on to the window's default button.
    const bool eingabeTaste = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!eingabeTaste && zeichen.size() == 1 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar dezimal = numberSeparators().decimal;
        const QChar taste = istDezimalTaste(zeichen.front()) ? dezimal : zeichen.front();
        if (tastenRegel_ && !tastenRegel_(taste)) {
            event->accept();
            return;
        }
        const QString ohneAuswahl =
            hasSelectedText() ? QString(text()).remove(selectionStart(), selectedText().size())
                              : text();
        if (!tdEditTasteErlaubt(ohneAuswahl, taste, dezimal)) {
            beep();
            event->accept();
            return;
        }
        if (taste != zeichen.front()) {
            insert(QString(taste));
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

QString tdEditEingabe(const QString& text, const NumberSeparators& sep) {
    QString t = text.trimmed();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    const QChar anderes = sep.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    // With the locale's decimal separator the other mark can only group thousands; alone
    // and once, it is the decimal separator as the user typed it.
    if (t.contains(sep.decimal))
        t.remove(sep.thousands);
    else if (t.count(anderes) == 1)
        t.replace(anderes, sep.decimal);
    else
        t.remove(anderes);
    return t;
}

void TDEdit::einfuegen(const QString& text) {
    insert(tdEditEingabe(text, numberSeparators()));
}

void TDEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    const QString ohne = ohneTausender(text(), numberSeparators().thousands);
    if (ohne != text())
        setText(ohne);
}

void TDEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const QString ohne = ohneTausender(text(), numberSeparators().thousands);
    gemerkt_ = floatOrZero(ohne);
    if (ohne != text())
        setText(ohne);
}

void TDEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving puts the thousands separators back; an empty edit stays empty. A text
    // that is no number gives way to the value it replaced, and the user is told so.
    hinweis_.clear();
    if (!text().isEmpty()) {
        double wert = 0.0;
        const QString getippt = text();
        if (!parseFloat(ohneTausender(getippt, numberSeparators().thousands), wert))
            keineZahlZeigen(getippt);
        neuFormatieren();
    }
    emit verlassen();
}

void TDEdit::keineZahlZeigen(const QString& text) {
    const QString muster = tdEditMuster(nachKomma_, false);
    const QString vorher =
        muster.isEmpty() ? generalFormat(gemerkt_) : formatFloat(muster, gemerkt_);
    hinweis_ =
        QCoreApplication::translate("drel::ui::TDEdit", "\"%1\" ist keine Zahl; es bleibt %2.")
            .arg(text, vorher);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), hinweis_, this, QRect(), 4000);
}

} // namespace drel::ui
