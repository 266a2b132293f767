#include "base/numberformat.h"
#include "chart/grenztest.h"
#include "chart/ui/tdchart.h"
#include "chart/ui/tskalierung.h"
#include "chart/ui/ttabellen.h"
#include "hilfen.h"

#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace drel;
using namespace drel::chart;

TEST(TDChart, ZeigtDieZeichnungUndDasMenue) {
    TDChart chart;
    chart.resize(342, 244);
    chart.show();
    chart.daten().XStep = 10;
    chart.daten().YStep = 10;
    grenzChartFuellen(chart.daten(), test::typischeGrenzen(), grenzAchsen(-35, 12.5, 25, 63), -10,
                      45);
    chart.Zeichnen();
    EXPECT_EQ(chart.FarbeKreuz(), kFuellFarbe2);
    EXPECT_EQ(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), chart.anzeige());

    // Shown larger, the drawing is made anew at the new size (sharp, not stretched),
    // with the same verdict; a drawing handed over at the old size is redrawn too.
    const ChartDaten vorher = chart.daten();
    const Zeichnung klein = zeichnen(chart.daten(), QSize(342, 244));
    chart.resize(684, 488);
    EXPECT_EQ(chart.anzeige().size(), QSize(684, 488));
    EXPECT_EQ(chart.grab().toImage().convertToFormat(QImage::Format_RGB32), chart.anzeige());
    EXPECT_EQ(chart.FarbeKreuz(), kFuellFarbe2);
    chart.Uebernehmen(vorher, klein);
    EXPECT_EQ(chart.anzeige().size(), QSize(684, 488));
    // Axis captions go into the shown picture only.
    chart.daten().ChartXAchse = QStringLiteral("t0 [°C]");
    chart.Zeichnen();
    EXPECT_NE(chart.gezeigt(), chart.anzeige());
    EXPECT_EQ(chart.grab().toImage().convertToFormat(QImage::Format_RGB32),
              chart.gezeigt().convertToFormat(QImage::Format_RGB32));

    QStringList texte;
    for (QAction* a : chart.popupMenu()->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texte, (QStringList{"&Copy to Clipboard", "&Save as Bitmap", "&Print",
                                  "Printer &Setup", "-", "&Einstellungen", "&Werte-Tabelle"}));
}

TEST(TDChart, DrucktInEinePdfDatei) {
    QTemporaryDir dir;
    TDChart chart;
    chart.resize(342, 244);
    grenzChartFuellen(chart.daten(), test::typischeGrenzen(), grenzAchsen(-35, 12.5, 25, 63), -10,
                      45);
    chart.drucker().setOutputFormat(QPrinter::PdfFormat);
    chart.drucker().setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
    chart.Drucken();
    QFile pdf(dir.filePath(QStringLiteral("chart.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 1000);
}

TEST(TDChart, EinstellungenUndTabelleUeberDieFenster) {
    setNumberSeparators(NumberSeparators::german());
    ChartDaten daten;
    test::graphSetzen(daten, 1, {{1, 2}, {3, 4}});
    daten.NoGraphs = 1;

    TSkalierung dialog;
    dialog.fuellen(daten);
    dialog.show();
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit17"))->setText(QStringLiteral("5"));
    dialog.findChild<QLineEdit*>(QStringLiteral("Edit20"))->setText(QStringLiteral("400"));
    dialog.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    ASSERT_TRUE(dialog.modell().uebernehmen(daten));
    EXPECT_EQ(daten.LeftRand, 10);
    EXPECT_EQ(daten.Hoehe, 300);
    // Shown again, the confirmation is gone until OK.
    dialog.show();
    EXPECT_FALSE(dialog.modell().uebernehmen(daten));

    TTabellen tabelle;
    ASSERT_TRUE(tabelle.laden(QStringLiteral(DREL_CHART_DATA "/zwei_graphen.dat")));
    auto* gitter = tabelle.findChild<QTableView*>(QStringLiteral("F1Book1"));
    ASSERT_NE(gitter, nullptr);
    EXPECT_EQ(gitter->model()->data(gitter->model()->index(0, 2)).toString(),
              QStringLiteral("12,5"));
    gitter->model()->setData(gitter->model()->index(2, 1), QString(), Qt::EditRole);
    tabelle.werteUebernehmen();
    ASSERT_TRUE(tabelle.modell().Uebernommen);
    ASSERT_TRUE(tabelle.modell().zurueckLesen(daten));
    EXPECT_EQ(daten.NoGraphs, 1);
    EXPECT_EQ(daten.graph(1).PunktZahl, 3);
}
