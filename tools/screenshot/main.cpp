// drel-screenshot: builds the sample catalogue into a temporary program directory,
// opens the main window offscreen and writes one PNG per named state, so that the
// windows can be reviewed without a display.
// Usage: drel-screenshot --out DIR [--state NAME ...] [--data DIR] [--language ACTION]
// --language: the language menu's action (e.g. "Polnisch1") switched on before each state.
#include "app/programmstart.h"
#include "app/ui/frmcopyright2.h"
#include "app/ui/frmgruppentexte.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmmenue.h"
#include "base/directories.h"
#include "base/kaeltemittelname.h"
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/symbole.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "db/datamodule.h"
#include "dbbuild/dbneu.h"
#include "dbbuild/ui/frmdbinfo.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "print/ui/frmkunde.h"
#include "print/ui/frmvergleich.h"
#include "search/ergebnisliste.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmreihe.h"
#include "sheet/ui/frmtechnik.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <tuple>

using namespace drel;

namespace {

bool katalogBauen(const QString& daten, const QString& programm) {
    const QDir quelle(daten + QStringLiteral("/Daten"));
    const QStringList xml = quelle.entryList({QStringLiteral("*.xml")}, QDir::Files);
    if (xml.isEmpty() || !QDir(programm).mkpath(QStringLiteral("Daten")))
        return false;
    for (const QString& datei : xml)
        QFile::copy(quelle.filePath(datei), programm + QStringLiteral("/Daten/") + datei);
    if (!dbbuild::DBNeu(programm + QStringLiteral("/Daten")).dbNeuAufbauen())
        return false;
    // Pictures, help files and the note texts of the program directory.
    QDir().mkpath(programm + QStringLiteral("/Pics"));
    const QDir bilder(daten + QStringLiteral("/Pics"));
    for (const QString& datei : bilder.entryList(QDir::Files))
        QFile::copy(bilder.filePath(datei), programm + QStringLiteral("/Pics/") + datei);
    const QDir texte(daten);
    for (const QString& datei : texte.entryList(QDir::Files))
        QFile::copy(texte.filePath(datei), programm + QLatin1Char('/') + datei);
    return true;
}

// The tree node of a group on a level; its parents are expanded.
QTreeWidgetItem* knoten(QTreeWidget* baum, int gruppe, int ebene) {
    for (QTreeWidgetItemIterator it(baum); *it; ++it) {
        int tiefe = 0;
        for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
            ++tiefe;
        if (tiefe == ebene && (*it)->data(0, Qt::UserRole).toInt() == gruppe) {
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                p->setExpanded(true);
            return *it;
        }
    }
    return nullptr;
}

void einheitenWaehlen(int leistung, int temperatur) {
    calc::Einheiten& e = calc::einheiten();
    e.klick(calc::EinheitGruppe::Leistung, leistung);
    e.klick(calc::EinheitGruppe::Antrieb, 0);
    e.klick(calc::EinheitGruppe::Temperatur, temperatur);
    e.bestaetigen();
    e.speichern(pfad(verzeichnisse().einstellungen, QStringLiteral("units.dat")));
}

void warten() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class Aufnahme {
public:
    Aufnahme(ui::TFrmMenue& menue, QString out) : menue_(menue), out_(std::move(out)) {}

    bool speichern(QWidget* w, const QString& name) {
        warten();
        const QString datei = out_ + QLatin1Char('/') + name + QStringLiteral(".png");
        const bool ok = w->grab().save(datei);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(datei));
        return ok;
    }

    ui::TFrmSuche& suche() { return *menue_.suche(); }

    // The typical request: QN, "R404A, R507", t0 -10 °C, tc 45 °C, 10 kW (in the
    // units of the moment).
    void anfrage(const QString& t0, const QString& tc, const QString& q0,
                 const QString& kaeltemittel = r404aListenEintrag()) {
        menue_.suchbereichOeffnen();
        ui::TFrmSuche& s = suche();
        if (!s.box(SuchRec::RBQN)->isChecked())
            s.box(SuchRec::RBQN)->click();
        auto* liste = s.findChild<QListWidget*>(QStringLiteral("KMListe"));
        const auto treffer = liste->findItems(kaeltemittel, Qt::MatchExactly);
        if (!treffer.isEmpty())
            liste->setCurrentItem(treffer.front());
        s.feld(search::Feld::t0)->setText(t0);
        s.feld(search::Feld::tc)->setText(tc);
        s.feld(search::Feld::Q0)->setText(q0);
    }

    void ok() { suche().findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); }

    // Opens designations of the catalogue on the docked data sheet, as the result list
    // hands them over.
    ui::TFrmTechnik* datenblatt(const QStringList& typen, const QString& km, bool luko = false) {
        db::TDataModule1& dm = *db::dataModule();
        DatenblattAuftrag d;
        for (const QString& t : typen) {
            if (!dm.TBArtikel.locate(QStringLiteral("Bezeichnung1"), {db::Value(t)}))
                continue;
            d.typen << db::typMitX(t, km.section(QLatin1Char(','), 0, 0));
            d.artikelIds << dm.TBArtikel.asInteger(u"ID");
        }
        d.typ = d.typen.value(0);
        d.punkt.kaeltemittel = km;
        d.luko = luko;
        d.punkt.tle = 32.0;
        menue_.datenblattOeffnen(d);
        return menue_.datenblatt();
    }

    // The sheet docked in the main window, and its notes window when it is open.
    bool blattSpeichern(ui::TFrmTechnik* blatt, const QString& name) {
        bool ok = speichern(&menue_, name);
        if (blatt && blatt->hinweise()->isVisible())
            ok = speichern(blatt->hinweise(), name + QStringLiteral("-hinweise")) && ok;
        return ok;
    }

    QTreeWidget* baum() { return menue_.findChild<QTreeWidget*>(QStringLiteral("TV1")); }
    QTableView* liste() { return menue_.findChild<QTableView*>(QStringLiteral("StringGrid1")); }
    void listenKlick(int zeile, int spalte) {
        emit liste()->clicked(liste()->model()->index(zeile, spalte));
    }

    // A click on the node of a group (the browser's tree click).
    void klick(int gruppe, int ebene) {
        menue_.browserZeigen();
        QTreeWidgetItem* k = knoten(baum(), gruppe, ebene);
        baum()->setCurrentItem(k);
        emit baum()->itemClicked(k, 0);
    }
    // The mouse over the node of a group (the start picture).
    void ueber(int gruppe, int ebene) {
        QTreeWidgetItem* k = knoten(baum(), gruppe, ebene);
        warten();
        const QPoint mitte = baum()->visualItemRect(k).center();
        QMouseEvent bewegung(QEvent::MouseMove, mitte, baum()->viewport()->mapToGlobal(mitte),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(baum()->viewport(), &bewegung);
    }
    void sprache(const char* name) {
        if (auto* action = menue_.findChild<QAction*>(QString::fromLatin1(name)))
            action->trigger();
    }

    ui::TFrmMenue& menue_;
    QString out_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString out;
    QString daten = QStringLiteral(DREL_SOURCE_DIR "/data");
    QStringList zustaende;
    QByteArray sprachAktion;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            out = args[++i];
        else if (args[i] == QLatin1String("--state") && i + 1 < args.size())
            zustaende << args[++i];
        else if (args[i] == QLatin1String("--data") && i + 1 < args.size())
            daten = args[++i];
        else if (args[i] == QLatin1String("--language") && i + 1 < args.size())
            sprachAktion = args[++i].toLatin1();
        else {
            std::fprintf(stderr,
                         "usage: drel-screenshot --out DIR [--state NAME ...] [--data DIR]\n");
            return 2;
        }
    }
    if (out.isEmpty() || !QDir().mkpath(out)) {
        std::fprintf(stderr, "usage: drel-screenshot --out DIR [--state NAME ...] [--data DIR]\n");
        return 2;
    }
    setNumberSeparators(NumberSeparators::german());
    ui::setBeepHook([] {});

    RecordingSink meldungen;
    ScopedMessageSink sinkGuard(&meldungen);
    QTemporaryDir tmp;
    const QString programm = tmp.filePath(QStringLiteral("programm"));
    const QString dokumente = tmp.filePath(QStringLiteral("dokumente"));
    QDir().mkpath(dokumente);
    if (!katalogBauen(daten, programm)) {
        std::fprintf(stderr, "cannot build the sample catalogue from %s/Daten\n",
                     qPrintable(daten));
        return 1;
    }
    db::TDataModule1& dm = db::createDataModule(programm);
    int ergebnis = 0;
    {
        Programmstart start(programm, dokumente);
        i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
        ui::TFrmMenue menue(start);
        fluid::stoff().Create(daten + QStringLiteral("/reflibs"));
        einheitenWaehlen(0, 0);
        menue.sucheVorbereiten(dm, fluid::stoff());
        menue.resize(900, 650); // the default size, which every window must fit
        menue.show();
        warten();
        Aufnahme a(menue, out);
        // The comparison of the first three rows of the typical search, as the result
        // list's menu opens it.
        const auto vergleich = [&](const QString& name) {
            einheitenWaehlen(0, 0);
            a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
            a.ok();
            ui::TStgSuche* grid = a.suche().stgSuche();
            grid->clearSelection();
            for (int row = 0; row < 3; ++row)
                grid->selectionModel()->select(grid->model()->index(row, 0),
                                               QItemSelectionModel::Select |
                                                   QItemSelectionModel::Rows);
            a.suche().vergleichAktion()->trigger();
            const auto fenster = menue.findChildren<ui::TFrmVergleich*>();
            if (fenster.isEmpty())
                return false;
            const bool ok = a.speichern(fenster.back(), name);
            delete fenster.back();
            return ok;
        };
        // A finished batch over a few rows, a broken one and one outside the envelope.
        const auto reihe = [&](const QString& name) {
            const QString csv = tmp.filePath(QStringLiteral("reihe.csv"));
            QFile f(csv);
            if (!f.open(QIODevice::WriteOnly))
                return false;
            f.write("article;refrigerant;t0;tc;air\n"
                    "QNX2-22;R404A, R507;-10;45;\nQNX2-22;R404A, R507;-20;40;\n"
                    "QNX2-32;R404A, R507;-10;45;\nQNX2-32;R404A, R507;-10;58;\n"
                    "QN9-99;R404A, R507;-10;45;\nQNX2-22;R404A, R507;x;45;\n"
                    "CQN4-66 L;R404A;-10;;32\n");
            f.close();
            ui::TFrmReihe fenster(dm, fluid::stoff(), calc::einheiten(), &menue);
            fenster.show();
            fenster.rechnen(csv);
            return a.speichern(&fenster, name);
        };

        std::vector<std::pair<QString, std::function<bool()>>> alle{
            {QStringLiteral("hauptfenster"), [&] { return a.speichern(&menue, "hauptfenster"); }},
            {QStringLiteral("suche"),
             [&] {
                 einheitenWaehlen(0, 0);
                 menue.suchbereichOeffnen();
                 return a.speichern(&menue, QStringLiteral("suche"));
             }},
            {QStringLiteral("suche-ergebnis"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 return a.speichern(&menue, QStringLiteral("suche-ergebnis"));
             }},
            {QStringLiteral("suche-ergebnis-fahrenheit"),
             [&] {
                 einheitenWaehlen(1, 1);
                 a.anfrage(QStringLiteral("14"), QStringLiteral("113"), QStringLiteral("34130"));
                 a.ok();
                 const bool ok = a.speichern(&menue, QStringLiteral("suche-ergebnis-fahrenheit"));
                 einheitenWaehlen(0, 0);
                 return ok;
             }},
            {QStringLiteral("suche-zu-gross"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("1000"));
                 a.ok();
                 return a.speichern(&menue, QStringLiteral("suche-zu-gross"));
             }},
            {QStringLiteral("suche-leer"),
             [&] {
                 einheitenWaehlen(0, 0);
                 // Far below every envelope: the list is empty and says why.
                 a.anfrage(QStringLiteral("-60"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 return a.speichern(&menue, QStringLiteral("suche-leer"));
             }},
            {QStringLiteral("suche-warnung"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("15"), QStringLiteral("10"));
                 return a.speichern(&menue, QStringLiteral("suche-warnung"));
             }},
            {QStringLiteral("suche-aggregate"),
             [&] {
                 einheitenWaehlen(0, 0);
                 menue.suchbereichOeffnen();
                 a.suche().findChild<QRadioButton*>(QStringLiteral("rbSatz"))->click();
                 a.suche().box(SuchRec::RBCQNL)->click();
                 a.suche().feld(search::Feld::t0)->setText(QStringLiteral("-10"));
                 a.suche().feld(search::Feld::tc)->setText(QStringLiteral("32"));
                 a.suche().feld(search::Feld::Q0)->setText(QStringLiteral("10"));
                 a.ok();
                 return a.speichern(&menue, QStringLiteral("suche-aggregate"));
             }},
            {QStringLiteral("suche-drehzahl"),
             [&] {
                 // Open compressors: the speed row in place of the frequency.
                 einheitenWaehlen(0, 0);
                 menue.suchbereichOeffnen();
                 a.suche().box(SuchRec::RBW)->click();
                 return a.speichern(&menue, QStringLiteral("suche-drehzahl"));
             }},
            {QStringLiteral("suche-hilfe"),
             [&] {
                 menue.suchbereichOeffnen();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
                 return a.speichern(&menue, QStringLiteral("suche-hilfe"));
             }},
            {QStringLiteral("datenblatt"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 return a.blattSpeichern(menue.datenblatt(), QStringLiteral("datenblatt"));
             }},
            {QStringLiteral("datenblatt-r449a"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"),
                           QStringLiteral("R449A"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 return a.blattSpeichern(menue.datenblatt(), QStringLiteral("datenblatt-r449a"));
             }},
            {QStringLiteral("datenblatt-einsatzgrenzen"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(1);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-einsatzgrenzen"));
             }},
            {QStringLiteral("datenblatt-technik"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(0);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-technik"));
             }},
            {QStringLiteral("datenblatt-lieferumfang"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(2);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-lieferumfang"));
             }},
            {QStringLiteral("datenblatt-zubehoer"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(3);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-zubehoer"));
             }},
            {QStringLiteral("datenblatt-masse"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(4);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-masse"));
             }},
            {QStringLiteral("datenblatt-foto"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(5);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-foto"));
             }},
            {QStringLiteral("datenblatt-tabelle"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(6);
                 // One step below the envelope shows the greyed cells beside the values.
                 QSpinBox* t0Min = blatt->tabelle()->spin(1);
                 t0Min->setValue(t0Min->value() - 5);
                 blatt->tabelle()->Button1()->click();
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-tabelle"));
             }},
            {QStringLiteral("datenblatt-ausschreibung"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                 ui::TFrmTechnik* blatt = menue.datenblatt();
                 blatt->PageControl1()->setCurrentIndex(7);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-ausschreibung"));
             }},
            {QStringLiteral("datenblatt-duplex"),
             [&] {
                 ui::TFrmTechnik* blatt = a.datenblatt(
                     {QStringLiteral("EQN2-64"), QStringLiteral("EQN2-70")}, r404aListenEintrag());
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-duplex"));
             }},
            {QStringLiteral("datenblatt-satz"),
             [&] {
                 ui::TFrmTechnik* blatt =
                     a.datenblatt({QStringLiteral("CQN4-66 L")}, r404aListenEintrag(), true);
                 blatt->PageControl1()->setCurrentIndex(1);
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-satz"));
             }},
            {QStringLiteral("datenblatt-satz-tabelle"),
             [&] {
                 ui::TFrmTechnik* blatt =
                     a.datenblatt({QStringLiteral("CQN4-66 L")}, r404aListenEintrag(), true);
                 blatt->PageControl1()->setCurrentIndex(6);
                 blatt->tabelle()->Button1()->click();
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-satz-tabelle"));
             }},
            {QStringLiteral("datenblatt-8polig"),
             [&] {
                 ui::TFrmTechnik* blatt =
                     a.datenblatt({QStringLiteral("QN4-64 4/8")}, r404aListenEintrag());
                 blatt->findChild<QPushButton*>(QStringLiteral("pol"))->click();
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-8polig"));
             }},
            {QStringLiteral("datenblatt-r717"),
             [&] {
                 ui::TFrmTechnik* blatt =
                     a.datenblatt({QStringLiteral("W5 NH3")}, QStringLiteral("R717"));
                 blatt->PageControl1()->setCurrentIndex(1);
                 ui::TDEdit* ts = blatt->eingabe(sheet::Eingabe::tsaug);
                 ts->setText(QStringLiteral("5"));
                 emit ts->returnPressed();
                 return a.blattSpeichern(blatt, QStringLiteral("datenblatt-r717"));
             }},
            {QStringLiteral("browser-start-bild"),
             [&] {
                 a.klick(58, 0);
                 a.ueber(25, 1);
                 return a.speichern(&menue, QStringLiteral("browser-start-bild"));
             }},
            {QStringLiteral("browser-groessen"),
             [&] {
                 a.klick(25, 2);
                 return a.speichern(&menue, QStringLiteral("browser-groessen"));
             }},
            {QStringLiteral("browser-typen"),
             [&] {
                 a.klick(25, 2);
                 a.listenKlick(0, 0);
                 return a.speichern(&menue, QStringLiteral("browser-typen"));
             }},
            {QStringLiteral("browser-zweistufig"),
             [&] {
                 a.klick(23, 1);
                 return a.speichern(&menue, QStringLiteral("browser-zweistufig"));
             }},
            {QStringLiteral("browser-lv"),
             [&] {
                 a.klick(65, 0);
                 return a.speichern(&menue, QStringLiteral("browser-lv"));
             }},
            {QStringLiteral("browser-duplex-oeffnen"),
             [&] {
                 a.klick(30, 2);
                 a.listenKlick(0, 1);
                 return a.speichern(&menue, QStringLiteral("browser-duplex-oeffnen"));
             }},
            {QStringLiteral("hilfe"),
             [&] {
                 menue.hilfeZeigen(8);
                 QWidget* hilfe = menue.findChild<QWidget*>(QStringLiteral("TFrmHilfe"));
                 return hilfe && a.speichern(hilfe, QStringLiteral("hilfe"));
             }},
            {QStringLiteral("browser-start-bild-en"),
             [&] {
                 a.sprache("Englisch1");
                 a.klick(58, 0);
                 a.ueber(57, 2);
                 return a.speichern(&menue, QStringLiteral("browser-start-bild-en"));
             }},
            {QStringLiteral("browser-groessen-en"),
             [&] {
                 a.sprache("Englisch1");
                 a.klick(25, 2);
                 return a.speichern(&menue, QStringLiteral("browser-groessen-en"));
             }},
            {QStringLiteral("browser-typen-en"),
             [&] {
                 a.sprache("Englisch1");
                 a.klick(25, 2);
                 a.listenKlick(0, 0);
                 return a.speichern(&menue, QStringLiteral("browser-typen-en"));
             }},
            {QStringLiteral("browser-zweistufig-en"),
             [&] {
                 a.sprache("Englisch1");
                 a.klick(23, 1);
                 return a.speichern(&menue, QStringLiteral("browser-zweistufig-en"));
             }},
            {QStringLiteral("hilfe-en"),
             [&] {
                 a.sprache("Englisch1");
                 menue.hilfeZeigen(9);
                 QWidget* hilfe = menue.findChild<QWidget*>(QStringLiteral("TFrmHilfe"));
                 return hilfe && a.speichern(hilfe, QStringLiteral("hilfe-en"));
             }},
            {QStringLiteral("suche-en"),
             [&] {
                 a.sprache("Englisch1");
                 menue.suchbereichOeffnen();
                 const bool ok = a.speichern(&menue, QStringLiteral("suche-en"));
                 menue.browserZeigen();
                 return ok;
             }},
            {QStringLiteral("copyright"),
             [&] {
                 ui::TFrmCopyright2 fenster(&menue);
                 fenster.show();
                 return a.speichern(&fenster, QStringLiteral("copyright"));
             }},
            {QStringLiteral("menue-sprache-en"),
             [&] {
                 a.sprache("Englisch1");
                 QMenu* menu = nullptr;
                 for (QMenu* m : menue.findChildren<QMenu*>())
                     if (m->menuAction()->objectName() == QLatin1String("Sprache1"))
                         menu = m;
                 menu->popup(QPoint(0, 0));
                 const bool ok = a.speichern(menu, QStringLiteral("menue-sprache-en"));
                 menu->hide();
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("suche-randspalte"),
             [&] {
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 a.suche().randAktion()->trigger();
                 const bool ok = a.speichern(&menue, QStringLiteral("suche-randspalte"));
                 a.suche().randAktion()->trigger();
                 return ok;
             }},
            {QStringLiteral("vergleich"), [&] { return vergleich(QStringLiteral("vergleich")); }},
            {QStringLiteral("vergleich-en"),
             [&] {
                 a.sprache("Englisch1");
                 const bool ok = vergleich(QStringLiteral("vergleich-en"));
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("reihenberechnung"),
             [&] { return reihe(QStringLiteral("reihenberechnung")); }},
            {QStringLiteral("reihenberechnung-en"),
             [&] {
                 a.sprache("Englisch1");
                 const bool ok = reihe(QStringLiteral("reihenberechnung-en"));
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("splash"),
             [&] {
                 ui::TFrmSplash fenster;
                 fenster.show();
                 return a.speichern(&fenster, QStringLiteral("splash"));
             }},
            {QStringLiteral("dbinfo"),
             [&] {
                 dbbuild::TFrmDBInfo fenster(&menue);
                 fenster.show();
                 fenster.setFortschritt(9, 24, QStringLiteral("CapacityData.cds"));
                 return a.speichern(&fenster, QStringLiteral("dbinfo"));
             }},
            {QStringLiteral("gruppentexte"),
             [&] {
                 a.klick(25, 1);
                 auto* memo = menue.findChild<QWidget*>(QStringLiteral("Memo1"));
                 ui::TFrmGruppenTexte fenster(
                     QStringLiteral("QN"),
                     memo ? memo->property("plainText").toString() : QString(), &menue);
                 fenster.show();
                 return a.speichern(&fenster, QStringLiteral("gruppentexte"));
             }},
            {QStringLiteral("hinweis"),
             [&] {
                 menue.hinweisZeigen(QStringLiteral("Hinweis"), QStringLiteral("Info1"));
                 const bool ok = a.speichern(menue.hinweis(), QStringLiteral("hinweis"));
                 menue.hinweis()->close();
                 return ok;
             }},
            {QStringLiteral("kunde"),
             [&] {
                 print::TFrmKunde fenster(nullptr, nullptr, &menue, verzeichnisse().einstellungen);
                 fenster.show();
                 return a.speichern(&fenster, QStringLiteral("kunde"));
             }},
            {QStringLiteral("kunde-en"),
             [&] {
                 a.sprache("Englisch1");
                 print::TFrmKunde fenster(nullptr, nullptr, &menue, verzeichnisse().einstellungen);
                 fenster.show();
                 const bool ok = a.speichern(&fenster, QStringLiteral("kunde-en"));
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("datenblatt-duplex-en"),
             [&] {
                 a.sprache("Englisch1");
                 ui::TFrmTechnik* blatt = a.datenblatt(
                     {QStringLiteral("EQN2-64"), QStringLiteral("EQN2-70")}, r404aListenEintrag());
                 const bool ok = a.blattSpeichern(blatt, QStringLiteral("datenblatt-duplex-en"));
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("datenblatt-satz-ausschreibung-ru"),
             [&] {
                 a.sprache("Russisch1");
                 ui::TFrmTechnik* blatt =
                     a.datenblatt({QStringLiteral("CQN4-66 L")}, r404aListenEintrag(), true);
                 blatt->PageControl1()->setCurrentIndex(7);
                 const bool ok =
                     a.blattSpeichern(blatt, QStringLiteral("datenblatt-satz-ausschreibung-ru"));
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("suche-ergebnis-ru"),
             [&] {
                 a.sprache("Russisch1");
                 einheitenWaehlen(0, 0);
                 a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                 a.ok();
                 const bool ok = a.speichern(&menue, QStringLiteral("suche-ergebnis-ru"));
                 menue.browserZeigen();
                 a.sprache("Deutsch2");
                 return ok;
             }},
            {QStringLiteral("einheiten"),
             [&] {
                 ui::TFrmEinheiten fenster(calc::einheiten(), tmp.filePath("units-probe.dat"),
                                           &menue);
                 fenster.show();
                 return a.speichern(&fenster, QStringLiteral("einheiten"));
             }},
        };
        // Every other page of the condensing unit's sheet, by its tab.
        const std::pair<const char*, int> satzSeiten[] = {
            {"datenblatt-satz-technik", 0},  {"datenblatt-satz-lieferumfang", 2},
            {"datenblatt-satz-zubehoer", 3}, {"datenblatt-satz-masse", 4},
            {"datenblatt-satz-foto", 5},     {"datenblatt-satz-ausschreibung", 7}};
        for (const auto& [satzName, reiter] : satzSeiten) {
            const QString name = QString::fromLatin1(satzName);
            const int index = reiter;
            alle.emplace_back(name, [&a, name, index] {
                ui::TFrmTechnik* blatt =
                    a.datenblatt({QStringLiteral("CQN4-66 L")}, r404aListenEintrag(), true);
                blatt->PageControl1()->setCurrentIndex(index);
                return a.blattSpeichern(blatt, name);
            });
        }
        // The comparison and the batch window in a Latin and a Cyrillic language.
        for (const auto& [kuerzel, aktion] :
             {std::pair{"fr", "Franzsisch2"}, std::pair{"ru", "Russisch1"}}) {
            const QString v = QStringLiteral("vergleich-%1").arg(QLatin1String(kuerzel));
            const QString r = QStringLiteral("reihenberechnung-%1").arg(QLatin1String(kuerzel));
            for (const QString& name : {v, r})
                alle.emplace_back(name, [&, name, aktion, v] {
                    a.sprache(aktion);
                    const bool ok = name == v ? vergleich(name) : reihe(name);
                    a.sprache("Deutsch2");
                    return ok;
                });
        }
        // The sheet's first two pages and the help in the languages of other scripts.
        const std::pair<const char*, const char*> schriften[] = {
            {"ru", "Russisch1"}, {"cn", "Chinesisch1"}, {"ko", "Koreanisch1"}};
        for (const auto& [kuerzel, aktion] : schriften)
            for (int reiter : {-1, 0}) {
                const QString name = QStringLiteral("datenblatt%1-%2")
                                         .arg(reiter < 0 ? "" : "-technik", QLatin1String(kuerzel));
                alle.emplace_back(name, [&, name, reiter, aktion] {
                    a.sprache(aktion);
                    einheitenWaehlen(0, 0);
                    a.anfrage(QStringLiteral("-10"), QStringLiteral("45"), QStringLiteral("10"));
                    a.ok();
                    a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                    ui::TFrmTechnik* blatt = menue.datenblatt();
                    if (reiter >= 0)
                        blatt->PageControl1()->setCurrentIndex(reiter);
                    const bool ok = a.blattSpeichern(blatt, name);
                    a.sprache("Deutsch2");
                    return ok;
                });
            }
        // The sheet in the main window at its default 900 x 650, German and English: the
        // diagram page, the R449A sheet with its provenance, and the diagram in °F.
        const auto blatt900 = [&](const QString& name, const QString& km, int reiter, bool englisch,
                                  bool fahrenheit) {
            if (englisch)
                a.sprache("Englisch1");
            einheitenWaehlen(0, fahrenheit ? 1 : 0);
            menue.resize(900, 650);
            a.anfrage(fahrenheit ? QStringLiteral("14") : QStringLiteral("-10"),
                      fahrenheit ? QStringLiteral("113") : QStringLiteral("45"),
                      QStringLiteral("10"), km);
            a.ok();
            a.suche().findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
            ui::TFrmTechnik* blatt = menue.datenblatt();
            blatt->PageControl1()->setCurrentIndex(reiter);
            const bool ok = a.blattSpeichern(blatt, name);
            menue.resize(900, 650);
            einheitenWaehlen(0, 0);
            if (englisch)
                a.sprache("Deutsch2");
            return ok;
        };
        const std::tuple<const char*, const char*, int, bool, bool> blaetter900[] = {
            {"blatt900-einsatzgrenzen", "R404A, R507", 1, false, false},
            {"blatt900-einsatzgrenzen-en", "R404A, R507", 1, true, false},
            {"blatt900-einsatzgrenzen-fahrenheit", "R404A, R507", 1, false, true},
            {"blatt900-r449a", "R449A", 0, false, false},
            {"blatt900-r449a-en", "R449A", 0, true, false}};
        for (const auto& [blattName, km, reiter, englisch, fahrenheit] : blaetter900) {
            const QString name = QString::fromLatin1(blattName);
            const QString kaeltemittel = QString::fromLatin1(km);
            alle.emplace_back(name, [=, &blatt900] {
                return blatt900(name, kaeltemittel, reiter, englisch, fahrenheit);
            });
        }
        // Every own icon at the sizes of buttons and menus, enabled and disabled.
        alle.emplace_back(QStringLiteral("symbole"), [&a] {
            QWidget tafel;
            auto* gitter = new QGridLayout(&tafel);
            for (int i = 0; i <= static_cast<int>(ui::Symbol::Info); ++i) {
                const QIcon icon = ui::symbol(static_cast<ui::Symbol>(i));
                int spalte = 0;
                for (const int groesse : {16, 24, 48}) {
                    auto* bild = new QLabel(&tafel);
                    bild->setPixmap(icon.pixmap(groesse, groesse));
                    gitter->addWidget(bild, i / 4 * 2, (i % 4) * 5 + spalte++);
                }
                auto* aus = new QLabel(&tafel);
                aus->setPixmap(icon.pixmap(QSize(24, 24), QIcon::Disabled));
                gitter->addWidget(aus, i / 4 * 2, (i % 4) * 5 + spalte);
                gitter->addWidget(
                    new QLabel(
                        ui::symbolPfad(static_cast<ui::Symbol>(i)).section(QLatin1Char('/'), -1),
                        &tafel),
                    i / 4 * 2 + 1, (i % 4) * 5, 1, 4);
            }
            tafel.show();
            return a.speichern(&tafel, QStringLiteral("symbole"));
        });
        for (const auto& [name, aufnehmen] : alle) {
            if (!zustaende.isEmpty() && !zustaende.contains(name))
                continue;
            if (!sprachAktion.isEmpty())
                a.sprache(sprachAktion.constData());
            if (!aufnehmen())
                ergebnis = 1;
        }
        for (const Message& m : meldungen.messages)
            std::printf("message: %s\n", qPrintable(m.text));
        menue.hide();
    }
    db::destroyDataModule();
    return ergebnis;
}
