#include "app/ui/hauptmenue.h"

#include "app/ui/shelltexte.h"
#include "base/ui/quelltexte.h"
#include "base/ui/symbole.h"
#include "print/ui/druckerauswahl.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace drel::ui {

namespace {

// The entries of a docked sheet's menu carry this tag in the main menu bar.
constexpr int kBlattTag = -99;

// Each language's name in that language, by language number: a user who cannot read the
// current language still finds their own in the menu.
constexpr const char* kEigeneNamen[] = {"Deutsch", "English", "Français", "Italiano", "Português",
                                        "Español", "Русский", "Polski",   "中文",     "한국어"};

QString eigenerName(int nummer) {
    return nummer >= 1 && nummer <= 10 ? QString::fromUtf8(kEigeneNamen[nummer - 1]) : QString();
}

} // namespace

Hauptmenue::Hauptmenue(QMainWindow& fenster, Quelltexte& texte)
    : QObject(&fenster), fenster_(fenster), texte_(texte) {
    QMenu* wuk = fenster_.menuBar()->addMenu(kVersion);
    wuk->menuAction()->setObjectName(QStringLiteral("mnWUK"));
    connect(eintrag(wuk, "Beenden1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Beenden")),
            &QAction::triggered, this, &Hauptmenue::beenden);
    optionenAnlegen();

    QAction* suchen = texte_.text(fenster_.menuBar()->addAction(QString()),
                                  QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Suchen"));
    suchen->setObjectName(QStringLiteral("Suchen1"));
    suchen->setVisible(false);
    connect(suchen, &QAction::triggered, this, &Hauptmenue::suchen);

    QMenu* lieferprogramm = untermenue(nullptr, "bersicht1",
                                       QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Lieferprogramm"));
    lieferprogramm->menuAction()->setVisible(false);
    hilfeAnlegen();
    spracheMarkieren();
}

void Hauptmenue::optionenAnlegen() {
    QMenu* optionen =
        untermenue(nullptr, "Datei1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Optionen"));
    QAction* drucker = eintrag(optionen, "Druckerauswahl1",
                               QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Druckerauswahl"));
    drucker->setIcon(symbol(Symbol::Drucker));
    connect(drucker, &QAction::triggered, this, [this] { print::druckerAuswaehlen(&fenster_); });
    connect(eintrag(optionen, "Reihenberechnung1",
                    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Reihenberechnung...")),
            &QAction::triggered, this, &Hauptmenue::reihenberechnung);
    connect(
        eintrag(optionen, "Vergleich1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Vergleich...")),
        &QAction::triggered, this, &Hauptmenue::vergleich);
    Einheiten1_ =
        eintrag(optionen, "Einheiten1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Einheiten"));
    connect(Einheiten1_, &QAction::triggered, this, &Hauptmenue::einheiten);
    Sprache1_ =
        untermenue(optionen, "Sprache1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&Sprache"));
    sprachGruppe_ = new QActionGroup(this);
    sprachGruppe_->setExclusive(true);
    for (const SprachEintrag& sprachEintrag : sprachTabelle()) {
        QAction* action = Sprache1_->addAction(QString());
        action->setObjectName(QString::fromLatin1(sprachEintrag.menuName));
        // The item's text in the current language, the language's own name beside it in
        // the menu's second column (once, where both are the same).
        const QString eigener = eigenerName(sprachEintrag.nummer);
        texte_.eigene(action, sprachEintrag.menuText, [action, eigener](const QString& text) {
            action->setText(text == eigener ? text : text + QLatin1Char('\t') + eigener);
        });
        action->setProperty("tag", sprachEintrag.nummer);
        action->setCheckable(true);
        sprachGruppe_->addAction(action);
        const int nummer = sprachEintrag.nummer;
        connect(action, &QAction::triggered, this,
                [this, nummer] { emit spracheGewaehlt(nummer); });
    }
}

void Hauptmenue::hilfeAnlegen() {
    QMenu* hilfe = untermenue(nullptr, "Hilfe1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "&?"));
    QAction* hilfeAction =
        eintrag(hilfe, "Hilfe2", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hilfe"));
    hilfeAction->setIcon(symbol(Symbol::Hilfe));
    connect(hilfeAction, &QAction::triggered, this, &Hauptmenue::hilfe);
    QAction* hinweisAction =
        eintrag(hilfe, "Hinweis1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Hinweis"));
    hinweisAction->setIcon(symbol(Symbol::Info));
    connect(hinweisAction, &QAction::triggered, this, [this, hinweisAction] {
        emit hinweis(hinweisAction->text(), QStringLiteral("Info1"));
    });
    QAction* neuAction = eintrag(hilfe, "NeuindieserVersion1",
                                 QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Neu in dieser Version"));
    connect(neuAction, &QAction::triggered, this,
            [this, neuAction] { emit hinweis(neuAction->text(), QStringLiteral("Readme-")); });
    connect(eintrag(hilfe, "DrelimInternet1",
                    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Drel im Internet")),
            &QAction::triggered, this, &Hauptmenue::internet);
    connect(eintrag(hilfe, "KontaktzuDrel1",
                    QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Kontakt zu Drel")),
            &QAction::triggered, this, &Hauptmenue::kontakt);
    eintrag(hilfe, "ber1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Uber ..."))->setVisible(false);
    connect(eintrag(hilfe, "Copyright1", QT_TRANSLATE_NOOP("drel::ui::TFrmMenue", "Copyright")),
            &QAction::triggered, this, &Hauptmenue::copyright);
}

QAction* Hauptmenue::eintrag(QMenu* menu, const char* name, const char* quelle) {
    QAction* action = texte_.text(menu->addAction(QString()), quelle);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* Hauptmenue::untermenue(QMenu* menu, const char* name, const char* quelle) {
    QMenu* unter = menu ? menu->addMenu(QString()) : fenster_.menuBar()->addMenu(QString());
    unter->menuAction()->setObjectName(QString::fromLatin1(name));
    texte_.text(unter->menuAction(), quelle);
    return unter;
}

void Hauptmenue::spracheMarkieren() {
    for (QAction* action : sprachGruppe_->actions())
        action->setChecked(action->property("tag").toInt() == sprache().nummer);
}

void Hauptmenue::zustandSetzen(const MenueZustand& zustand) {
    Sprache1_->setEnabled(zustand.sprache);
    Einheiten1_->setEnabled(zustand.einheiten);
}

void Hauptmenue::blattMenueEntfernen() {
    for (QAction* a : fenster_.menuBar()->actions())
        if (a->property("tag").toInt() == kBlattTag) {
            fenster_.menuBar()->removeAction(a);
            a->deleteLater();
        }
}

void Hauptmenue::blattMenueEintragen(TFrmTechnik* blatt) {
    blattMenueEntfernen();
    QMenu* quelle = blatt->TechMenu();
    auto* kopie =
        new QMenu(menueLeistenTitel(quelle->title(), sprache().kurzCode), fenster_.menuBar());
    kopie->menuAction()->setProperty("tag", kBlattTag);
    kopie->menuAction()->setObjectName(QStringLiteral("TechMenuKopie"));
    for (QAction* a : quelle->actions()) {
        QAction* k = kopie->addAction(a->icon(), a->text());
        k->setVisible(a->isVisible());
        k->setEnabled(a->isEnabled());
        k->setProperty("tag", kBlattTag);
        connect(k, &QAction::triggered, a, &QAction::trigger);
    }
    const QList<QAction*> oben = fenster_.menuBar()->actions();
    QAction* vor = oben.size() > 4 ? oben.at(4) : nullptr;
    fenster_.menuBar()->insertMenu(vor, kopie);
}

} // namespace drel::ui
