// The numeric edit: a key filter that beeps on what is no part of a number,
// thousands separators only while the edit does not have the focus, and the value
// of the text as integer, float and string.
#pragma once

#include "base/numberformat.h"

#include <QLineEdit>
#include <functional>

namespace drel::ui {

// The system beep of a refused key; tests install a counter.
using BeepHook = std::function<void()>;
void setBeepHook(BeepHook hook); // an empty hook restores QApplication::beep
void beep();

// Whether a typed character passes the filter: digits, "+", "-", the decimal
// separator when the text has none yet, and control characters except CR.
bool tdEditTasteErlaubt(const QString& text, QChar taste, QChar dezimal);
// A pasted text as the edit takes it: the Unicode minus as "-", and a point or comma
// that is not the locale's decimal separator read as one when it stands alone ("12,5"
// under an English locale is 12.5); beside the locale's separator it only grouped
// thousands and goes.
QString tdEditEingabe(const QString& text, const NumberSeparators& sep);
// The text without thousands separators.
QString ohneTausender(const QString& text, QChar tausender);
// "0.00" for two decimals, with thousands "###,###,##0.00"; empty for none.
QString tdEditMuster(int nachKomma, bool tausender);
// The text shown when the edit has no focus: its value in the pattern, or the value
// remembered at focus time when the text is no number.
QString tdEditAnzeige(const QString& text, int nachKomma, bool tausender, double gemerkt);

class TDEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TDEdit(QWidget* parent = nullptr);

    int NachKomma() const { return nachKomma_; }
    void setNachKomma(int n);
    bool Tausender() const { return tausender_; }
    void setTausender(bool an);
    int MaxLaenge() const { return maxLaenge_; } // kept, not evaluated
    void setMaxLaenge(int n) { maxLaenge_ = n; }
    Qt::Alignment Alignment() const { return alignment(); }
    void setAlignment(Qt::Alignment a) { QLineEdit::setAlignment(a); }

    // Read from the current text, so they are right inside any text signal.
    double AsFloat() const;
    int AsInteger() const;
    QString AsString() const;
    void setAsFloat(double wert);
    void setAsInteger(int wert);
    void setAsString(const QString& text);

    // A window's own key rule, asked before the edit's filter; a key it refuses is
    // dropped without a beep.
    void setTastenRegel(std::function<bool(QChar)> regel) { tastenRegel_ = std::move(regel); }

    // The value the text had when the edit last got the focus.
    double gemerkt() const { return gemerkt_; }
    // Why the text last left in the edit was not taken (shown beside the edit); empty
    // when it was a number.
    const QString& hinweis() const { return hinweis_; }

signals:
    void verlassen(); // the focus left the edit (after the text was reformatted)

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void einfuegen(const QString& text);
    void textGeaendert();
    void neuFormatieren();
    void keineZahlZeigen(const QString& text);

    int nachKomma_ = 0;
    bool tausender_ = false;
    int maxLaenge_ = 0;
    double gemerkt_ = 0.0;
    std::function<bool(QChar)> tastenRegel_;
    QString hinweis_;
    bool formatiert_ = false; // guards the reformat against its own text change
};

} // namespace drel::ui
