#include "chart/ui/tdchart.h"

#include "base/dateischreiben.h"
#include "base/directories.h"
#include "base/messagesink.h"
#include "base/ui/symbole.h"
#include "chart/chartdatei.h"
#include "chart/chartdruck.h"
#include "chart/ui/tskalierung.h"
#include "chart/ui/ttabellen.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPainter>
#include <QResizeEvent>
#include <array>

namespace drel::chart {

TDChart::TDChart(QWidget* parent)
    : MitQuelltexten(parent), drucker_(QPrinter::HighResolution),
      skalierung_(new TSkalierung(this)), tabellen_(new TTabellen(this)) {
    menuAufbauen();
}

TDChart::~TDChart() = default;

void TDChart::menuAufbauen() {
    menu_ = new QMenu(this);
    const auto eintrag = [this](const char* quelle, auto ziel) {
        return texte().text(menu_->addAction(QString(), this, ziel), quelle);
    };
    eintrag(QT_TR_NOOP("&Copy to Clipboard"), &TDChart::inZwischenablage)
        ->setIcon(ui::symbol(ui::Symbol::Kopieren));
    eintrag(QT_TR_NOOP("&Save as Bitmap"), &TDChart::alsBitmapSpeichern)
        ->setIcon(ui::symbol(ui::Symbol::Speichern));
    texte()
        .text(menu_->addAction(QString(), this, [this] { Drucken(); }), QT_TR_NOOP("&Print"))
        ->setIcon(ui::symbol(ui::Symbol::Drucken));
    eintrag(QT_TR_NOOP("Printer &Setup"), &TDChart::druckerEinrichten);
    menu_->addSeparator();
    eintrag(QT_TR_NOOP("&Einstellungen"), &TDChart::einstellungen);
    eintrag(QT_TR_NOOP("&Werte-Tabelle"), &TDChart::werteTabelle);
}

void TDChart::Zeichnen() {
    zeigen(zeichnen(daten_, size()));
}

void TDChart::Uebernehmen(const ChartDaten& daten, const Zeichnung& zeichnung) {
    daten_ = daten;
    zeigen(zeichnung);
}

void TDChart::zeigen(Zeichnung zeichnung) {
    // A drawing is sharp only at the control's own size: the data sheet hands over the
    // one of its envelope test, which has the stored size, while the page has grown.
    if (zeichnung.gezeichnet && !size().isEmpty() &&
        zeichnung.anzeige.size() != size() * int(daten_.Scale))
        zeichnung = zeichnen(daten_, size());
    zeichnung_ = std::move(zeichnung);
    gezeigt_ = mitAchsenTiteln(zeichnung_, daten_);
    update();
}

void TDChart::Drucken() {
    if (!daten_.EigenerDruckauftrag)
        return; // the caller prints through Drucken(QPainter&) inside its own job
    QPainter p;
    if (!p.begin(&drucker_))
        return;
    Drucken(p);
    p.end();
}

void TDChart::Drucken(QPainter& laufenderAuftrag) {
    const bool quer = drucker_.pageLayout().orientation() == QPageLayout::Landscape;
    chartDrucken(laufenderAuftrag, daten_, size(), quer);
}

void TDChart::inZwischenablage() {
    if (!zeichnung_.bild.isNull())
        QGuiApplication::clipboard()->setImage(zeichnung_.bild);
}

void TDChart::alsBitmapSpeichern() {
    const QString datei =
        QFileDialog::getSaveFileName(this, QString(), QString(), tr("Bitmaps (*.bmp)"));
    if (datei.isEmpty())
        return;
    const QString name = datei.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
                             ? datei
                             : datei + QStringLiteral(".bmp");
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!zeichnung_.bild.save(&puffer, "BMP")) {
        report(schreibFehlerText(name, tr("das Bild kann nicht umgewandelt werden")));
        return;
    }
    dateiSchreibenOderMelden(name, puffer.data());
}

void TDChart::druckerEinrichten() {
    QPageSetupDialog dialog(&drucker_, this);
    dialog.exec();
}

void TDChart::einstellungen() {
    skalierung_->fuellen(daten_);
    skalierung_->exec();
    skalierung_->modell().uebernehmen(daten_);
    Zeichnen();
}

void TDChart::werteTabelle() {
    // The settings directory is the current directory after start-up.
    const QString verzeichnis = verzeichnisse().einstellungen.isEmpty()
                                    ? QDir::currentPath()
                                    : verzeichnisse().einstellungen;
    const QString datei = pfad(verzeichnis, kChartDat);
    if (!chartDatSchreiben(datei, daten_))
        return;
    tabellen_->laden(datei);
    tabellen_->exec();
    if (tabellen_->modell().Uebernommen && tabellen_->modell().zurueckLesen(daten_))
        Zeichnen();
}

void TDChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (gezeigt_.isNull()) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    p.drawImage(rect(), gezeigt_);
}

void TDChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (zeichnung_.gezeichnet)
        zeigen(zeichnung_);
}

void TDChart::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
}

} // namespace drel::chart
