#pragma once

// A member as the member-plot pages draw it: its loads, supports, hinges, bedding,
// cross-sections, holes and load-case labels, with the page it is drawn on.

#include "beam/C1LastTr.h"
#include "platform/Plaetze.h"
#include "plot/engine/C1Punkt.h"
#include "plot/section/C1Quer.h"

#include <array>
#include <string>

class C1Plot;

struct C1PlotAufl {
    std::string text;
    int code1 = 1;
    int code2 = 0;
    int code3 = 0;
    double x = 0.0;
    double value1 = 24.0;
    double value2 = 0.0;
    double value3 = 0.0;
    double value4 = 0.0;
    double value5 = 0.0;
    int i1 = 0;
    int i2 = 0;
    double spring1 = 0.0;
    double spring2 = 0.0;
};

struct C1PlotLoch {
    int kind = 1; // 1 rectangular, 2 circular
    double position = 0.0;
    double length = 0.0;
    double size = 0.0;
    double offset = 0.0;
};

struct C1PlotLastText {
    int used = 0;
    int second = 0;
    char letter = ' ';
    std::string text;
};

struct C1PlotBettung {
    double start = 0.0;
    double length = 0.0;
    double value = 0.0;
};

class C1PlotTraeger {
public:
    static constexpr int kPlaces = 100;  // supports, hinges, holes, labels, bedding: 1..99 used
    static constexpr int kSections = 50; // sections 1..49 used
    static constexpr int kLastNumber = 99;
    static constexpr int kLastSection = 49;

    C1PlotTraeger();

    int GetMode() const { return mode; }
    int SetMode(int m) {
        mode = m;
        return 1;
    }
    int GetDrawKind() const { return drawKind; }
    int SetDrawKind(int k) {
        drawKind = k;
        return 1;
    }
    int GetHighestSupport() const { return highestSupport; }
    void SetHighestSupport(int h) { highestSupport = h; }
    double GetLength() const { return length; }
    void SetLength(double l) { length = l; }
    C1Plot* GetPlot() const { return plot; }
    void SetPlot(C1Plot* p) { plot = p; }
    double GetEndExtension() const { return endExtension; }
    int GetGeleCount() const { return geleCount; }
    int GetBettungCount() const { return bettungCount; }
    int GetMaxQuer() const { return highestSection; }
    int GetHighestHole() const { return highestHole; }
    double GetMaxCutUpper() const { return maxCutUpper; }
    double GetMaxCutLower() const { return maxCutLower; }
    int GetCutLineUpper() const { return cutLineUpper; }
    int GetCutLineLower() const { return cutLineLower; }
    C1Punkt GetLastDimensionPoint() const { return lastDimension; }

    std::string GetAuflText(int n) const;
    int GetAuflCode1(int n) const;
    int GetAuflCode2(int n) const;
    int GetAuflCode3(int n) const;
    double GetAuflX(int n) const;
    double GetAuflValue1(int n) const;
    double GetAuflValue2(int n) const;
    double GetAuflValue3(int n) const;
    double GetAuflValue4(int n) const;
    double GetAuflValue5(int n) const;
    int GetAuflI1(int n) const;
    int GetAuflI2(int n) const;
    double GetGele(int i) const;
    C1PlotBettung GetBettung(int i) const;
    C1PlotLoch GetLoch(int i) const;
    C1PlotLastText GetLastText(int i) const;

    bool GetQuer(int i, C1Quer& out) const;
    int GetHighestLabel() const;
    bool SetLastText(int i, int used, int second, char letter, const std::string& text);

    // Setters: 1 when stored, 0 (and nothing changed) when refused.
    int SetAufl(int number, const std::string& text, double x, int code1, int code2, int code3,
                double value1, double value2, double value3, double value4, double value5, int i1,
                int i2, double spring1, double spring2);
    int SetBettung(double start, double len, double value);
    int SetGele(double x);
    int SetLoch(int number, int kind, double position, double len, double size, double offset);
    int SetQuer(int index, const C1Quer& section);

    // Drawing of the static system (ZustandsLinie curves are drawn along its axis).
    void PlotSystem(int place, int titleFlag, double share1, double share2, int charH, int charW,
                    C1Punkt* start, C1Punkt* end);
    int PlotAufl(int number, int x, int y, int w, int h, int textSize, int penWidth);
    int PlotGele(int x, int y, int w, int h, int, int);
    // The loads along the axis (x1, y1) -> (x2, y2): what 0 nothing (result 0), 1 or 2
    // the loads with their dimension chains (dimMode 1 point loads and moments, 2
    // lengths, 3 both), 3 the loads and the axial forces, above 3 no loads; scaled 0
    // draws every load at the block height; perLoadCase draws one row per load case.
    int PlotLasten(int charH, int x1, int y1, int x2, int y2, int what, int dimMode, int scaled,
                   int perLoadCase);
    // The chain number mark beyond the end of the segment, offset across it.
    int PlotKettenNr(int number, int x1, int y1, int x2, int y2, int size, int offset);
    // The sections along the axis: view 1 as bands, 2 as pictures, 3 both; keepOrder
    // joins the bands in section order by transitions.
    void PlotQuerschnitte(int charH, int charW, int x1, int y1, int x2, int y2, int view, int,
                          int keepOrder);
    // The support symbol number PlotAufl draws for a support (0 when none).
    int AuflSymbol(int number) const;

    C1LastTr loads;

private:
    const C1PlotAufl* Aufl(int n) const;
    C1Punkt AxisPoint(C1Punkt start, C1Punkt end, double x) const;

    C1Plot* plot = nullptr;
    int mode = 1;
    int drawKind = 1;
    int highestSupport = 0;
    int geleCount = 0;
    int bettungCount = 0;
    int highestSection = 0;
    int highestHole = 0;
    double endExtension = 0.1;
    double length = 0.0;
    double maxCutUpper = 0.0;
    double maxCutLower = 0.0;
    int cutLineUpper = 0;
    int cutLineLower = 0;
    C1Punkt lastDimension;
    // A member has a few supports, sections, holes, labels and bedding stretches: their
    // places are made as they are set, not all of them for every member plot.
    C1Plaetze<C1PlotAufl, kPlaces> supports;
    C1Plaetze<double, kPlaces> gele;
    C1Plaetze<C1Quer, kSections> sections;
    C1Plaetze<C1PlotLoch, kPlaces> holes;
    C1Plaetze<C1PlotLastText, kPlaces> labels;
    C1Plaetze<C1PlotBettung, kPlaces> bettung;
};
