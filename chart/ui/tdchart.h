// The chart control: shows the drawing stretched to its size, offers the popup
// menu (copy, save, print, printer setup, settings, value table) and prints.
#pragma once

#include "base/ui/quelltexte.h"
#include "chart/chartdaten.h"
#include "chart/chartzeichner.h"

#include <QPrinter>
#include <QWidget>
#include <memory>

class QMenu;

namespace drel::chart {

class TSkalierung;
class TTabellen;

class TDChart : public ui::MitQuelltexten<QWidget> {
    Q_OBJECT
public:
    explicit TDChart(QWidget* parent = nullptr);
    ~TDChart() override;

    // The properties and graphs; callers set them directly, then call Zeichnen.
    ChartDaten& daten() { return daten_; }
    const ChartDaten& daten() const { return daten_; }

    void PunktSetzen(int g, int i, float x, float y) { daten_.PunktSetzen(g, i, x, y); }
    void KreuzSetzen(int g, int i, float x, float y) { daten_.KreuzSetzen(g, i, x, y); }
    WinFarbe FarbeKreuz() const { return daten_.FarbeKreuz; }

    // Redraws by chart type and updates FarbeKreuz.
    void Zeichnen();
    // Shows a drawing already made off-screen from `daten` (the data sheet draws its
    // diagram once for the envelope test and shows that same drawing).
    void Uebernehmen(const ChartDaten& daten, const Zeichnung& zeichnung);
    // Prints on the chart's printer; with EigenerDruckauftrag the job is opened and
    // closed here, otherwise the caller passes the painter of its running job.
    void Drucken();
    void Drucken(QPainter& laufenderAuftrag);

    // The internal picture (what copy and save take) and what the control shows.
    const QImage& bild() const { return zeichnung_.bild; }
    const QImage& anzeige() const { return zeichnung_.anzeige; }
    // What the control paints: the shown picture with the axis captions.
    const QImage& gezeigt() const { return gezeigt_; }

    QMenu* popupMenu() const { return menu_; }
    QPrinter& drucker() { return drucker_; }
    TSkalierung* skalierung() const { return skalierung_; }
    TTabellen* tabellen() const { return tabellen_; }

    // Menu commands.
    void inZwischenablage();
    void alsBitmapSpeichern();
    void druckerEinrichten();
    void einstellungen();
    void werteTabelle();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void menuAufbauen();
    // Takes a drawing; one made for another size is drawn again at the control's.
    void zeigen(Zeichnung zeichnung);

    ChartDaten daten_;
    Zeichnung zeichnung_;
    QImage gezeigt_;
    QMenu* menu_ = nullptr;
    QPrinter drucker_;
    TSkalierung* skalierung_ = nullptr;
    TTabellen* tabellen_ = nullptr;
};

} // namespace drel::chart
