// Every window at its default size (the main window at 900 x 650) in each of the ten
// languages: no label, button, check box, group title or tab shows less than its text.
// The widths are measured with the fonts of the machine, so a layout that grows with its
// text passes with any font, and a fixed width that is too narrow fails.
#include "app/programmstart.h"
#include "app/ui/frmcopyright2.h"
#include "app/ui/frmgruppentexte.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmmenue.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "chart/ui/tskalierung.h"
#include "chart/ui/ttabellen.h"
#include "db/datamodule.h"
#include "db/recordhelpers.h"
#include "dbbuild/ui/frmdbinfo.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "print/ui/frmkunde.h"
#include "print/ui/frmvergleich.h"
#include "search/ui/frmsuche.h"
#include "sheet/ui/frmhilfstextanzeigen.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmreihe.h"
#include "sheet/ui/frmtechnik.h"
#include "sheet/ui/frmzerthinweis.h"
#include "state/sprache.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/testumgebung.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace drel {

// The language code as the parameter's name in test output, not its bytes.
inline void PrintTo(const SprachEintrag& eintrag, std::ostream* os) {
    *os << eintrag.code;
}

namespace {

QString ohneKuerzel(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int zeilenBreite(const QFontMetrics& fm, const QString& text) {
    int breite = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n')))
        breite = std::max(breite, fm.horizontalAdvance(zeile));
    return breite;
}

// The widest piece between two places where a line may break (after a blank or a hyphen).
int laengstesStueck(const QFontMetrics& fm, const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    int breite = 0;
    int anfang = 0;
    while (finder.toNextBoundary() >= 0) {
        breite = std::max(
            breite, fm.horizontalAdvance(text.mid(anfang, finder.position() - anfang).trimmed()));
        anfang = finder.position();
    }
    return breite;
}

// The part of `w`'s width that its ancestors up to `fenster` leave visible; a scroll
// area's content counts as visible (it can be scrolled to).
int sichtbareBreite(const QWidget* w, const QWidget* fenster) {
    QRect r = w->rect();
    for (const QWidget* c = w; c != fenster && c->parentWidget(); c = c->parentWidget()) {
        const QWidget* p = c->parentWidget();
        auto* bereich = qobject_cast<const QAbstractScrollArea*>(p->parentWidget());
        if (bereich && bereich->viewport() == p)
            break;
        r = r.translated(c->pos()) & p->rect();
    }
    return r.width();
}

// One line per text that its widget cuts.
class Pruefer {
public:
    explicit Pruefer(QString sprache) : sprache_(std::move(sprache)) {}

    void pruefen(QWidget* fenster, const QString& ort) {
        QCoreApplication::processEvents();
        const QList<QWidget*> kinder = fenster->findChildren<QWidget*>();
        for (QWidget* w : kinder) {
            if (!w->isVisibleTo(fenster) || w->width() <= 0)
                continue;
            const int gekappt = w->width() - sichtbareBreite(w, fenster);
            if (auto* l = qobject_cast<QLabel*>(w))
                label(l, ort, gekappt);
            else if (auto* t = qobject_cast<QTabBar*>(w))
                reiter(t, ort);
            else if (auto* g = qobject_cast<QGroupBox*>(w))
                melden(ort, g, g->title(),
                       g->fontMetrics().horizontalAdvance(ohneKuerzel(g->title())) + 16,
                       g->width() - gekappt);
            else if (auto* b = qobject_cast<QAbstractButton*>(w))
                knopf(b, ort, gekappt);
            else if (auto* rollen = qobject_cast<QScrollArea*>(w))
                // Lower windows scroll down to the rest of a page, but never sideways.
                melden(ort, rollen, QStringLiteral("horizontal scroll bar"),
                       rollen->horizontalScrollBar()->maximum(), 0);
        }
    }

    const QStringList& befunde() const { return befunde_; }

private:
    void melden(const QString& ort, const QWidget* w, const QString& text, int braucht, int hat) {
        if (text.trimmed().isEmpty() || braucht <= hat)
            return;
        befunde_ << QStringLiteral("%1 [%2] %3 %4 \"%5\": needs %6 px, has %7")
                        .arg(ort, sprache_, QString::fromLatin1(w->metaObject()->className()),
                             w->objectName(), text)
                        .arg(braucht)
                        .arg(hat);
    }

    void label(QLabel* l, const QString& ort, int gekappt) {
        const QString text = l->text();
        if (text.isEmpty() || !l->pixmap().isNull())
            return;
        const int rand = 2 * l->margin() + std::max(l->indent(), 0);
        const int hat = l->contentsRect().width() - rand - gekappt;
        if (l->wordWrap()) {
            // A wrapping label is cut when a word is wider than the label or the label is
            // not tall enough for its lines.
            int wort = 0;
            if (!Qt::mightBeRichText(text))
                wort = laengstesStueck(l->fontMetrics(), ohneKuerzel(text));
            melden(ort, l, text, wort, hat);
            if (l->heightForWidth(l->width()) > l->height() + 1)
                melden(ort, l, text, l->heightForWidth(l->width()), l->height());
            return;
        }
        const bool reich = l->textFormat() == Qt::RichText ||
                           (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        int braucht = 0;
        if (reich) {
            QTextDocument doc;
            doc.setDefaultFont(l->font());
            doc.setDocumentMargin(0);
            doc.setHtml(text);
            braucht = static_cast<int>(std::ceil(doc.idealWidth()));
        } else {
            braucht = zeilenBreite(l->fontMetrics(), ohneKuerzel(text));
        }
        melden(ort, l, text, braucht, hat);
    }

    void knopf(QAbstractButton* b, const QString& ort, int gekappt) {
        const QString text = ohneKuerzel(b->text());
        if (text.isEmpty())
            return;
        auto* werkzeug = qobject_cast<QToolButton*>(b);
        if (werkzeug && (werkzeug->toolButtonStyle() == Qt::ToolButtonIconOnly ||
                         qobject_cast<QTabBar*>(b->parentWidget())))
            return;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = text;
        QStyle::SubElement inhalt = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox*>(b))
            inhalt = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton*>(b))
            inhalt = QStyle::SE_RadioButtonContents;
        const int hat = b->style()->subElementRect(inhalt, &opt, b).width() - gekappt;
        int braucht = zeilenBreite(b->fontMetrics(), text);
        if (!b->icon().isNull())
            braucht += b->iconSize().width() + 4;
        melden(ort, b, text, braucht, hat);
    }

    void reiter(QTabBar* t, const QString& ort) {
        const int abstand = t->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, t);
        for (int i = 0; i < t->count(); ++i) {
            if (!t->isTabVisible(i))
                continue;
            // A tab beyond the bar's edge is only reachable through the scroll arrows.
            const QRect r = t->tabRect(i) & t->rect();
            int braucht = zeilenBreite(t->fontMetrics(), ohneKuerzel(t->tabText(i))) + abstand;
            if (!t->tabIcon(i).isNull())
                braucht += t->iconSize().width() + 4;
            melden(ort, t, t->tabText(i), std::max(braucht, t->tabRect(i).width()), r.width());
        }
    }

    QString sprache_;
    QStringList befunde_;
};

// The sample catalogue, built once per test binary.
const QString& katalog() {
    static QTemporaryDir dir;
    static const bool gebaut = testing::beispielKatalogBauen(dir.path());
    static const QString pfad = gebaut ? dir.path() : QString();
    return pfad;
}

class Beschriftungsbreite : public test::AppUmgebung,
                            public ::testing::WithParamInterface<SprachEintrag> {
protected:
    void SetUp() override {
        AppUmgebung::SetUp();
        setNumberSeparators(NumberSeparators::german());
        ASSERT_FALSE(katalog().isEmpty());
        programm = katalog();
        verzeichnisse().programm = programm;
        db::createDataModule(programm);
        fluid::stoff().Create(testing::quelle(QStringLiteral("data/reflibs")));
        calc::einheiten() = calc::Einheiten{};
        calc::einheiten().klick(calc::EinheitGruppe::Leistung, 0);
        calc::einheiten().klick(calc::EinheitGruppe::Antrieb, 0);
        calc::einheiten().klick(calc::EinheitGruppe::Temperatur, 0);
        calc::einheiten().bestaetigen();
        i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
    }
    void TearDown() override {
        db::destroyDataModule();
        calc::einheiten() = calc::Einheiten{};
        AppUmgebung::TearDown();
    }

    // The sheet of designations docked in the main window, as the result list opens it.
    ui::TFrmTechnik* blatt(ui::TFrmMenue& menue, const QStringList& typen, bool luko) {
        db::TDataModule1& dm = *db::dataModule();
        DatenblattAuftrag d;
        const QString km = r404aListenEintrag();
        for (const QString& t : typen) {
            if (!dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(t)}))
                continue;
            d.typen << db::typMitX(t, km.section(QLatin1Char(','), 0, 0));
            d.artikelIds << dm.TBArtikel.asInteger(u"ID");
        }
        d.typ = d.typen.value(0);
        d.punkt.kaeltemittel = km;
        d.punkt.tle = 32.0;
        d.luko = luko;
        menue.datenblattOeffnen(d);
        return menue.datenblatt();
    }

    // Every tab page of the docked sheet, and its notes window when it is open.
    void blattPruefen(ui::TFrmMenue& menue, ui::TFrmTechnik* b, const QString& ort, Pruefer& p) {
        ASSERT_NE(b, nullptr) << ort.toStdString();
        QTabWidget* seiten = b->PageControl1();
        for (int i = 0; i < seiten->count(); ++i) {
            if (!seiten->isTabVisible(i))
                continue;
            seiten->setCurrentIndex(i);
            p.pruefen(&menue, ort + QStringLiteral(" tab ") + QString::number(i));
        }
        if (b->hinweise()->isVisible())
            p.pruefen(b->hinweise(), ort + QStringLiteral(" notes"));
    }
};

TEST_P(Beschriftungsbreite, NoWindowCutsItsTexts) {
    RecordingSink meldungen;
    ScopedMessageSink sinkGuard(&meldungen);
    ui::setBeepHook([] {});
    Programmstart start(programm, dokumente);
    ui::TFrmMenue menue(start);
    menue.sucheVorbereiten(*db::dataModule(), fluid::stoff());
    menue.resize(900, 650);
    menue.show();
    for (QAction* a : menue.findChildren<QAction*>())
        if (a->property("tag").toInt() == GetParam().nummer &&
            a->objectName() == QLatin1String(GetParam().menuName))
            a->trigger();
    ASSERT_EQ(sprache().nummer, GetParam().nummer);
    Pruefer p(QString::fromLatin1(GetParam().code));

    // Main window: start page, a series with its sizes, the type list.
    p.pruefen(&menue, QStringLiteral("main"));
    auto* baum = menue.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    for (QTreeWidgetItemIterator it(baum); *it; ++it) {
        if ((*it)->childCount() == 0 && (*it)->parent()) {
            baum->setCurrentItem(*it);
            emit baum->itemClicked(*it, 0);
            p.pruefen(&menue, QStringLiteral("main sizes"));
            break;
        }
    }

    // Search: empty, then the typical request with its result list, then units.
    menue.suchbereichOeffnen();
    ui::TFrmSuche& s = *menue.suche();
    p.pruefen(&menue, QStringLiteral("search"));
    if (!s.box(SuchRec::RBQN)->isChecked())
        s.box(SuchRec::RBQN)->click();
    auto* liste = s.findChild<QListWidget*>(QStringLiteral("KMListe"));
    const auto treffer = liste->findItems(r404aListenEintrag(), Qt::MatchExactly);
    if (!treffer.isEmpty())
        liste->setCurrentItem(treffer.front());
    s.feld(search::Feld::t0)->setText(QStringLiteral("-10"));
    s.feld(search::Feld::tc)->setText(QStringLiteral("45"));
    s.feld(search::Feld::Q0)->setText(QStringLiteral("10"));
    s.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    p.pruefen(&menue, QStringLiteral("search result"));
    s.findChild<QRadioButton*>(QStringLiteral("rbSatz"))->click();
    p.pruefen(&menue, QStringLiteral("search units"));

    // Data sheets: a compressor, a duplex and a condensing unit, every tab.
    blattPruefen(menue, blatt(menue, {QStringLiteral("QNX2-22")}, false), "sheet", p);
    blattPruefen(menue, blatt(menue, {QStringLiteral("EQN2-64"), QStringLiteral("EQN2-70")}, false),
                 "duplex sheet", p);
    blattPruefen(menue, blatt(menue, {QStringLiteral("CQN4-66 L")}, true), "unit sheet", p);

    // The notes window with every note at once.
    ui::TFrmHinweise hinweise(&menue);
    for (QLabel* l : hinweise.findChildren<QLabel*>())
        l->setVisible(true);
    hinweise.ZeigenOderSchliessen();
    p.pruefen(&hinweise, QStringLiteral("notes"));

    // The secondary and modal windows at their default size.
    const auto fenster = [&](QWidget* w, const char* ort) {
        w->show();
        p.pruefen(w, QString::fromLatin1(ort));
        w->close();
    };
    print::TFrmKunde kunde(nullptr, nullptr, &menue, einstellungen);
    fenster(&kunde, "customer");
    ui::TFrmEinheiten einheiten(calc::einheiten(), tmp_.filePath("units.dat"), &menue);
    fenster(&einheiten, "units");
    menue.hilfeZeigen(1);
    auto* hilfe = menue.findChild<QWidget*>(QStringLiteral("TFrmHilfe"));
    ASSERT_NE(hilfe, nullptr);
    p.pruefen(hilfe, QStringLiteral("help"));
    chart::TSkalierung skalierung(&menue);
    fenster(&skalierung, "chart scaling");
    chart::TTabellen werte(&menue);
    fenster(&werte, "chart values");
    ui::TFrmVergleich vergleich(*db::dataModule(), fluid::stoff(), calc::einheiten(), &menue);
    fenster(&vergleich, "comparison");
    ui::TFrmReihe reihe(*db::dataModule(), fluid::stoff(), calc::einheiten(), &menue);
    fenster(&reihe, "batch");
    dbbuild::TFrmDBInfo dbInfo(&menue);
    fenster(&dbInfo, "db info");
    ui::TFrmGruppenTexte gruppe(QStringLiteral("QN"), QStringLiteral("Text"), &menue);
    fenster(&gruppe, "group texts");
    sheet::ZertListe::Hinweis zert;
    zert.titel = QStringLiteral("CE");
    zert.beschreibung = QStringLiteral("Text");
    ui::TFrmZertHinweis zertHinweis(zert, &menue);
    fenster(&zertHinweis, "certificate note");
    ui::TFrmHilfsTextAnzeigen hilfsText(&menue);
    hilfsText.textZeigen(QStringLiteral("Text"));
    fenster(&hilfsText, "help text");
    ui::TFrmCopyright2 copyright(&menue);
    fenster(&copyright, "copyright");
    fenster(menue.hinweis(), "note");

    EXPECT_TRUE(p.befunde().isEmpty()) << p.befunde().join(QLatin1Char('\n')).toStdString();
    menue.hide();
}

INSTANTIATE_TEST_SUITE_P(Sprachen, Beschriftungsbreite, ::testing::ValuesIn(sprachTabelle()),
                         [](const ::testing::TestParamInfo<SprachEintrag>& eintrag) {
                             return std::string(eintrag.param.code);
                         });

} // namespace
} // namespace drel
