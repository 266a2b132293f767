#include "base/ui/reiterumbruch.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPointer>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace drel::ui {

namespace {

int zeilenBreite(const QFontMetrics& fm, const QString& text) {
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    return breite;
}

class ReiterUmbruch : public QObject {
public:
    explicit ReiterUmbruch(QTabWidget* reiter) : QObject(reiter), reiter_(reiter) {}

    void anpassen() {
        QTabBar* leiste = reiter_->tabBar();
        const QFontMetrics fm = leiste->fontMetrics();
        const int abstand =
            leiste->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, leiste);
        // From the one-line captions (the sources have no line breaks).
        QStringList texte;
        for (int i = 0; i < leiste->count(); ++i)
            texte << leiste->tabText(i).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const auto summe = [&] {
            int s = 0;
            for (int i = 0; i < texte.size(); ++i)
                if (leiste->isTabVisible(i))
                    s += zeilenBreite(fm, texte[i]) + abstand;
            return s;
        };
        const int frei = reiter_->width() - 4;
        while (summe() > frei) {
            // The widest caption that can still break.
            int breiteste = -1;
            for (int i = 0; i < texte.size(); ++i) {
                if (!leiste->isTabVisible(i) || texte[i].contains(QLatin1Char('\n')) ||
                    !texte[i].contains(QLatin1Char(' ')))
                    continue;
                if (breiteste < 0 ||
                    fm.horizontalAdvance(texte[i]) > fm.horizontalAdvance(texte[breiteste]))
                    breiteste = i;
            }
            if (breiteste < 0)
                break;
            texte[breiteste] = zweizeilig(texte[breiteste], fm);
        }
        for (int i = 0; i < texte.size(); ++i)
            if (leiste->tabText(i) != texte[i])
                leiste->setTabText(i, texte[i]);
        hoeheAnpassen(texte, fm);
    }

    // A tab is only one text line high whatever its caption holds: a narrow, empty widget
    // beside the first caption, two lines high, makes the whole row as high as a broken one.
    void hoeheAnpassen(const QStringList& texte, const QFontMetrics& fm) {
        QTabBar* leiste = reiter_->tabBar();
        const bool zweizeilig = std::any_of(texte.begin(), texte.end(), [](const QString& t) {
            return t.contains(QLatin1Char('\n'));
        });
        if (!zweizeilig || leiste->count() == 0) {
            if (stuetze_ && leiste->count() > 0 &&
                leiste->tabButton(0, QTabBar::LeftSide) == stuetze_)
                leiste->setTabButton(0, QTabBar::LeftSide, nullptr);
            return;
        }
        if (!stuetze_) {
            stuetze_ = new QWidget(leiste);
            stuetze_->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        stuetze_->setFixedSize(1, 2 * fm.lineSpacing());
        if (leiste->tabButton(0, QTabBar::LeftSide) != stuetze_)
            leiste->setTabButton(0, QTabBar::LeftSide, stuetze_);
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
            anpassen();
            break;
        case QEvent::LanguageChange:
        case QEvent::LayoutRequest:
            // The window sets the new captions (or shows and hides tabs) on the same
            // event; fit them afterwards.
            QTimer::singleShot(0, this, &ReiterUmbruch::anpassen);
            break;
        default:
            break;
        }
        return QObject::eventFilter(objekt, event);
    }

private:
    QTabWidget* reiter_;
    QPointer<QWidget> stuetze_;
};

} // namespace

QString zweizeilig(const QString& text, const QFontMetrics& fm) {
    int beste = -1;
    int besteBreite = 0;
    for (int i = text.indexOf(QLatin1Char(' ')); i >= 0;
         i = text.indexOf(QLatin1Char(' '), i + 1)) {
        const int breite =
            std::max(fm.horizontalAdvance(text.left(i)), fm.horizontalAdvance(text.mid(i + 1)));
        if (beste < 0 || breite < besteBreite) {
            beste = i;
            besteBreite = breite;
        }
    }
    if (beste < 0)
        return text;
    QString geteilt = text;
    geteilt[beste] = QLatin1Char('\n');
    return geteilt;
}

void reiterUmbrechen(QTabWidget* reiter) {
    auto* umbruch = new ReiterUmbruch(reiter);
    reiter->installEventFilter(umbruch);
    reiter->tabBar()->installEventFilter(umbruch);
}

} // namespace drel::ui
