// The data of one chart: its published properties and the ten graphs with
// their fixed-size point and cross arrays. Plain data; drawing is elsewhere.
#pragma once

#include "chart/winfarbe.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace drel::chart {

inline constexpr int kMaxGraphen = 10;
inline constexpr int kMaxPunkte = 5000;

// Chart types ("Art der Grafik").
enum class ChartArt { NormalXY = 0, Kreis = 1, LogY = 2, XLogY = 3, LogXLogY = 4 };

// One coordinate of a graph's points: kMaxPunkte places, 0 where nothing was set. Only
// the places up to the last one set take memory, as a chart's ten graphs of four rows
// are mostly empty and a data sheet makes and copies several charts.
class Punktreihe {
public:
    float operator[](std::size_t i) const { return i < werte_.size() ? werte_[i] : 0.0F; }
    void setzen(std::size_t i, float wert);

private:
    std::vector<float> werte_;
};

struct GraphDaten {
    // Points and crosses are kept in single precision, 1-based through the setters.
    Punktreihe kurveX;
    Punktreihe kurveY;
    Punktreihe kreuzX;
    Punktreihe kreuzY;
    int PunktZahl = 0;
    int KreuzZahl = 0;
    WinFarbe Farbe = kSchwarz;
    int Strichstaerke = 2;
    bool LinienZeigen = true;
    bool KreuzeZeigen = true;
    QString Parameter;

    // Counts limited to the arrays, whatever a caller stored.
    int punkte() const;
    int kreuze() const;
};

class ChartDaten {
public:
    ChartDaten();

    // Graph g = 1..10; indices outside are ignored.
    void PunktSetzen(int g, int i, float x, float y);
    void KreuzSetzen(int g, int i, float x, float y);

    // g must be 1..10.
    GraphDaten& graph(int g) { return graphen_[static_cast<size_t>(g - 1)]; }
    const GraphDaten& graph(int g) const { return graphen_[static_cast<size_t>(g - 1)]; }
    static bool gueltigerGraph(int g) { return g >= 1 && g <= kMaxGraphen; }
    // NoGraphs limited to 0..10.
    int graphen() const;

    int NoGraphs = 0;
    int NoXDecimals = 0;
    int NoYDecimals = 0;
    int NoXDigits = 0;
    int NoYDigits = 0;
    QString ChartTitel, ChartXAchse, ChartYAchse;
    QString ChartLegende1, ChartLegende2, ChartLegende3;
    double XMin = 0, XMax = 0, XStep = 0;
    double YMin = 0, YMax = 0, YStep = 0;
    quint16 Scale = 1;
    int LeftRand = 40, Breite = 130, TopRand = 30, Hoehe = 80;
    WinFarbe FarbeKreuz = kSchwarz;
    int ParameterPosition = 0;
    ChartArt Art = ChartArt::NormalXY;
    bool EigenerDruckauftrag = true;

private:
    std::vector<GraphDaten> graphen_; // ten graphs
};

// The non-empty legend lines.
QStringList legenden(const ChartDaten& daten);

// Initial line colours of graphs 1..10.
WinFarbe anfangsFarbe(int g);

} // namespace drel::chart
