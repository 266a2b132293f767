// Windows keep their fixed texts with their sources and set them again on a language
// change; Esc and the close box do the window's Cancel, an embedded form never hides.
#include "base/ui/quelltexte.h"
#include "base/ui/tdform.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

// English for two sources that share one translation, as "Techn. Daten" and "Technische
// Daten" do.
class Englisch : public QTranslator {
public:
    QString translate(const char*, const char* quelle, const char*, int) const override {
        const QString q = QString::fromUtf8(quelle);
        if (q == QLatin1String("Techn. Daten") || q == QLatin1String("Technische Daten"))
            return QStringLiteral("Technical data");
        if (q == QLatin1String("Zuruck"))
            return QStringLiteral("Back");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

void sprachWechsel(QWidget& fenster) {
    QEvent wechsel(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&fenster, &wechsel);
}

class Fenster : public TDForm {
public:
    Fenster() {
        reiter = new QTabWidget(this);
        reiter->addTab(new QWidget, QString());
        texte().reiter(reiter, 0, "Techn. Daten");
        titel = texte().text(new QLabel(this), "Technische Daten");
        gruppe = texte().text(new QGroupBox(this), "Zuruck"); // a box takes the title
        knopf = texte().tipp(new QPushButton(this), "Zuruck");
        weg = texte().text(new QLabel(this), "Zuruck");
    }
    int gewechselt = 0;
    QTabWidget* reiter;
    QLabel* titel;
    QGroupBox* gruppe;
    QPushButton* knopf;
    QLabel* weg;

protected:
    void spracheGewechselt() override { ++gewechselt; }
};

TEST(Quelltexte, EachPlaceGoesBackToItsOwnSourceAcrossLanguages) {
    Fenster fenster;
    delete fenster.weg; // a text whose widget is gone is passed over
    Englisch englisch;
    QCoreApplication::installTranslator(&englisch);
    sprachWechsel(fenster);
    EXPECT_EQ(fenster.reiter->tabText(0), QStringLiteral("Technical data"));
    EXPECT_EQ(fenster.titel->text(), QStringLiteral("Technical data"));
    EXPECT_EQ(fenster.gruppe->title(), QStringLiteral("Back"));
    EXPECT_EQ(fenster.knopf->toolTip(), QStringLiteral("Back"));
    EXPECT_EQ(fenster.gewechselt, 1) << "the window renews its own words after the fixed ones";

    QCoreApplication::removeTranslator(&englisch);
    sprachWechsel(fenster);
    // One shared English text, two sources: each place returns to its own.
    EXPECT_EQ(fenster.reiter->tabText(0), QStringLiteral("Techn. Daten"));
    EXPECT_EQ(fenster.titel->text(), QStringLiteral("Technische Daten"));
    EXPECT_EQ(fenster.gruppe->title(), QStringLiteral("Zuruck"));
}

TEST(Quelltexte, ASourceOfAnotherContextIsLookedUpThere) {
    QLabel label;
    Quelltexte texte("Fenster");
    QString gesetzt;
    texte.eigeneIn("Anderer", &label, "Zuruck", [&](const QString& t) { gesetzt = t; });
    EXPECT_EQ(gesetzt, QStringLiteral("Zuruck"));
}

class Abbrechbar : public TDForm {
public:
    using TDForm::TDForm;
    int abgebrochen = 0;

protected:
    void abbrechen() override {
        ++abgebrochen;
        TDForm::abbrechen();
    }
};

TEST(TDFormAbbrechen, EscClosesAWindowButNeverHidesAnEmbeddedForm) {
    QWidget wirt;
    auto* eingebettet = new Abbrechbar(&wirt);
    eingebettet->setWindowFlags(Qt::Widget);
    wirt.show();
    eingebettet->show();
    QTest::keyClick(eingebettet, Qt::Key_Escape);
    EXPECT_EQ(eingebettet->abgebrochen, 1);
    EXPECT_TRUE(eingebettet->isVisible()) << "the host would be left empty";
    eingebettet->close();
    EXPECT_EQ(eingebettet->abgebrochen, 2) << "the close request is the window's Cancel too";

    Abbrechbar fenster;
    fenster.show();
    QTest::keyClick(&fenster, Qt::Key_Escape);
    EXPECT_EQ(fenster.abgebrochen, 1);
    EXPECT_FALSE(fenster.isVisible());
}

} // namespace
} // namespace drel::ui
