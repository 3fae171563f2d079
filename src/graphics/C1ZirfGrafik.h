#pragma once

#include "graphics/Bildfenster.h"

#include <string>

class C1QEL;
class C1RTFX;
class C1ZirfCalc;
class C1ZirfInput;

// The graphics object of one run: draws the pictures of the report (system sketch,
// loading diagram, deep-slip-line picture, internal-force and deflection diagrams) from
// the input and the results and puts each into the report where it is drawn. World
// coordinates are metres: x horizontal, positive toward the retained soil, y the depth
// below the wall head (drawn downward). Nothing a picture computes goes back into the
// results. Errors of the drawing engine pass to the caller.
class C1ZirfGrafik {
public:
    C1ZirfGrafik(double charHeight, double charWidth, C1QEL* qel, C1RTFX* rtf, void* hilfsobjekt,
                 C1ZirfInput* input, C1ZirfCalc* calc);

    // The frame of a picture of the loading-diagram kind.
    int OpenBild(const std::string& name, double widthMm, double heightMm, int, int);
    int CloseBild();

    int PlotSystem(const std::string& name, double widthMm, double heightMm);
    int PlotBeanspruchung(const std::string& name, double widthMm, double heightMm, int a4,
                          int mode);
    int PlotTGF(const std::string& name, double widthMm, double heightMm);
    int PlotSchnittgroessen(const std::string& name, double widthMm, double heightMm, int, int);

    // A caption of the module's string table, translated, whole.
    std::string Beschriftung(int eintrag) const;

    // The slip line of the wall as a polyline into the open picture: from the wall foot
    // through its crossing of each layer boundary up to the ground surface, shifted so
    // that its surface end lies at xCursor. Raises xDrawnMax to every x drawn. Draws
    // nothing where the calculation holds no slip line. Returns 1.
    int PlotGleitlinie(double xCursor, double& xDrawnMax) const;

private:
    // The world extents of a picture of the loading-diagram kind as OpenBild opens it:
    // the wall and 10 m beside it.
    bildfenster::Fenster Bildrahmen() const;
    // Opens a picture of the loading-diagram kind with the given world extents (m).
    int OeffneBild(const std::string& name, double widthMm, double heightMm, double extX,
                   double extY);
    // Parts of the system sketch. InterpolateWandX gives the wall's x at the depth y above
    // the excavation level (seite 0 its face on the excavation side, 1 its line), 0 below.
    double InterpolateWandX(double y, int seite) const;
    void PlotGrundwasser(double x, double y, int seite) const;
    // The head's level mark of a wall tGes long, in front of xKopf, where the head's level
    // label ends.
    void PlotOKW(double tGes, double xKopf) const;
    // The strut (`anker` 0) or the ground anchor of a wall tGes long.
    void PlotAnker(double tGes) const;
    // The depth of the wall as the pictures draw it: the chosen depth, or after an
    // iteration that diverged (which leaves none) the depth the iteration reached.
    double Wandtiefe() const;
    // The loading diagram's variant with the passive figures of the wedge in front of
    // the wall side by side.
    int PlotErdwiderstaende(const std::string& name, double widthMm, double heightMm, int a4);

    double charHeight;
    double charWidth;
    C1QEL* pQEL;
    C1RTFX* pRTF;
    void* pHilfsobjekt; // kept for the caller; no picture reads it
    C1ZirfInput* pInput;
    C1ZirfCalc* pCalc;

    // Ordinate scale of the loading diagram (kN/m² per metre drawn) and its window,
    // set by OpenBild.
    double scale = 25.0;
    double xMin = 0.0;
    double xMax = 0.0;
    double yMin = 0.0;
    double yMax = 0.0;
    // Page box of the picture opened by OpenBild (mm).
    double bildBreiteMm = 0.0;
    double bildHoeheMm = 0.0;
};
