// The numeric edit: key filter and beep, thousands separators with the focus, the
// values of the text, and what a pasted text that is no number leaves behind.
#include "base/numberformat.h"
#include "base/ui/tdedit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

TEST(TDEditRules, KeyFilter) {
    const QChar komma(QLatin1Char(','));
    EXPECT_TRUE(tdEditTasteErlaubt(QStringLiteral("12"), QLatin1Char('7'), komma));
    EXPECT_FALSE(tdEditTasteErlaubt(QStringLiteral("12"), QLatin1Char('a'), komma));
    EXPECT_TRUE(tdEditTasteErlaubt(QStringLiteral("12"), komma, komma));
    EXPECT_FALSE(tdEditTasteErlaubt(QStringLiteral("1,2"), komma, komma));
    // The point is no decimal separator in German.
    EXPECT_FALSE(tdEditTasteErlaubt(QStringLiteral("12"), QLatin1Char('.'), komma));
    EXPECT_TRUE(tdEditTasteErlaubt(QStringLiteral("12"), QLatin1Char('.'), QLatin1Char('.')));
    // Signs pass wherever they are typed; the filter does not look at the position.
    EXPECT_TRUE(tdEditTasteErlaubt(QStringLiteral("12"), QLatin1Char('-'), komma));
    EXPECT_TRUE(tdEditTasteErlaubt(QString(), QLatin1Char('+'), komma));
    // Control characters pass (backspace), carriage return does not.
    EXPECT_TRUE(tdEditTasteErlaubt(QStringLiteral("12"), QChar(8), komma));
    EXPECT_FALSE(tdEditTasteErlaubt(QStringLiteral("12"), QChar(13), komma));
}

TEST(TDEditRules, PatternAndShownText) {
    setNumberSeparators(NumberSeparators::german());
    EXPECT_EQ(tdEditMuster(2, false), "0.00");
    EXPECT_EQ(tdEditMuster(2, true), "###,###,##0.00");
    EXPECT_EQ(tdEditMuster(0, false), "");
    EXPECT_EQ(tdEditAnzeige(QStringLiteral("1234567,891"), 2, true, 0.0), "1.234.567,89");
    EXPECT_EQ(tdEditAnzeige(QStringLiteral("1.234.567,89"), 2, false, 0.0), "1234567,89");
    EXPECT_EQ(tdEditAnzeige(QStringLiteral("abc"), 2, false, 7.0), "7,00");
    EXPECT_EQ(tdEditAnzeige(QStringLiteral("-10"), 0, false, 0.0), "-10");
}

class TDEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::german());
        setBeepHook([this] { ++beeps; });
        auto* layout = new QVBoxLayout(&fenster);
        edit = new TDEdit(&fenster);
        anderes = new TDEdit(&fenster);
        layout->addWidget(edit);
        layout->addWidget(anderes);
        fenster.show();
        fenster.activateWindow();
        QApplication::setActiveWindow(&fenster);
        anderes->setFocus();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        setBeepHook({});
        setNumberSeparators(NumberSeparators::german());
    }

    void fokus(QWidget* w) {
        w->setFocus();
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->hasFocus());
    }
    void tippen(const QString& text) {
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &druck);
            QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &los);
        }
    }

    int beeps = 0;
    QWidget fenster;
    TDEdit* edit = nullptr;
    TDEdit* anderes = nullptr;
};

TEST_F(TDEditTest, RefusedKeysBeepAndAreDropped) {
    fokus(edit);
    tippen(QStringLiteral("1a2"));
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(beeps, 1);
    tippen(QStringLiteral(",5,"));
    EXPECT_EQ(edit->text(), "12,5");
    EXPECT_EQ(beeps, 2) << "second decimal separator";
    tippen(QStringLiteral("-"));
    EXPECT_EQ(edit->text(), "12,5-");
    EXPECT_EQ(beeps, 2) << "a minus passes the filter anywhere";
    EXPECT_EQ(edit->AsFloat(), 0.0) << "but the text is no number then";
}

// A decimal point typed under a German locale and a decimal comma under an English one
// are the decimal separator: never a ten-fold value.
TEST_F(TDEditTest, EitherDecimalMarkIsTheDecimalSeparator) {
    fokus(edit);
    tippen(QStringLiteral("12.5"));
    EXPECT_EQ(edit->text(), "12,5");
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 12.5);
    EXPECT_EQ(beeps, 0);
    tippen(QStringLiteral("."));
    EXPECT_EQ(edit->text(), "12,5") << "a second separator of either kind is refused";
    EXPECT_EQ(beeps, 1);

    setNumberSeparators(NumberSeparators::english());
    edit->clear();
    tippen(QStringLiteral("-7,5"));
    EXPECT_EQ(edit->text(), "-7.5");
    EXPECT_DOUBLE_EQ(edit->AsFloat(), -7.5);
    edit->clear();
    tippen(QStringLiteral("45.5"));
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 45.5);
}

TEST(TDEditRules, PastedNumbersInEitherForm) {
    const NumberSeparators de = NumberSeparators::german(), en = NumberSeparators::english();
    EXPECT_EQ(tdEditEingabe(QStringLiteral("12.5"), de), "12,5");
    EXPECT_EQ(tdEditEingabe(QStringLiteral("12,5"), en), "12.5");
    EXPECT_EQ(tdEditEingabe(QStringLiteral(" 1.234,5 "), de), "1234,5");
    EXPECT_EQ(tdEditEingabe(QStringLiteral("1,234.5"), en), "1234.5");
    EXPECT_EQ(tdEditEingabe(QStringLiteral("\u22127,5"), de), "-7,5");
    EXPECT_EQ(tdEditEingabe(QStringLiteral("1.234.567"), de), "1234567");
}

TEST_F(TDEditTest, ThousandsSeparatorsFollowTheFocus) {
    edit->setNachKomma(2);
    edit->setTausender(true);
    edit->setText(QStringLiteral("1234567,89"));
    EXPECT_EQ(edit->text(), "1.234.567,89");
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 1234567.89);
    fokus(edit);
    EXPECT_EQ(edit->text(), "1234567,89");
    EXPECT_DOUBLE_EQ(edit->gemerkt(), 1234567.89);
    // Typing into the focused edit never reformats.
    tippen(QStringLiteral("1"));
    EXPECT_EQ(edit->text(), "1234567,891");
    fokus(anderes);
    EXPECT_EQ(edit->text(), "1.234.567,89");
}

TEST_F(TDEditTest, ValuesAndSetters) {
    edit->setNachKomma(2);
    edit->setAsFloat(12.5);
    EXPECT_EQ(edit->text(), "12,50");
    edit->setNachKomma(0);
    edit->setAsInteger(-7);
    EXPECT_EQ(edit->text(), "-7");
    EXPECT_EQ(edit->AsInteger(), -7);
    // 12.5 is no whole number: AsInteger is 0, AsFloat the value.
    edit->setAsString(QStringLiteral("12,5"));
    EXPECT_EQ(edit->AsInteger(), 0);
    EXPECT_DOUBLE_EQ(edit->AsFloat(), 12.5);
}

TEST_F(TDEditTest, PastedTextThatIsNoNumber) {
    edit->setNachKomma(2);
    edit->setAsFloat(12.5);
    fokus(edit);
    edit->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("zwölf"));
    edit->paste();
    if (edit->text() != QStringLiteral("zwölf"))
        edit->insert(QStringLiteral("zwölf")); // a platform without a clipboard
    EXPECT_EQ(edit->text(), "zwölf") << "kept as pasted while the edit has the focus";
    EXPECT_EQ(edit->AsFloat(), 0.0);
    EXPECT_EQ(beeps, 0) << "only typed keys are filtered";
    fokus(anderes);
    EXPECT_EQ(edit->text(), "12,50") << "the value it had when it got the focus";
    EXPECT_TRUE(edit->hinweis().contains(QStringLiteral("zwölf"))) << "and says so";
    EXPECT_TRUE(edit->hinweis().contains(QStringLiteral("12,50")));

    fokus(edit);
    tippen(QStringLiteral("-"));
    fokus(anderes);
    EXPECT_EQ(edit->text(), "12,50") << "a lone minus is no number either";
    EXPECT_FALSE(edit->hinweis().isEmpty());
    fokus(edit);
    edit->setText(QStringLiteral("7,5"));
    fokus(anderes);
    EXPECT_EQ(edit->text(), "7,50");
    EXPECT_TRUE(edit->hinweis().isEmpty()) << "a number clears the note";
}

TEST_F(TDEditTest, TextSetWithoutFocusShowsTheRememberedValue) {
    edit->setNachKomma(1);
    edit->setText(QStringLiteral("3"));
    fokus(edit);
    fokus(anderes);
    edit->setText(QStringLiteral("x"));
    EXPECT_EQ(edit->text(), "3,0");
}

} // namespace
} // namespace drel::ui
