#pragma once

// src/plot/curve: the result curves along a member and the labels of their values. They
// draw with src/plot/engine and use no other folder of src/plot.

// A result curve Z(x) along a member: points (x, Z) in a list that grows as points are
// set, with the running maximum and minimum of Z and the range of x. The drawing
// cleans and sorts the curve in place, so an index is valid only until the next sort.

#include "plot/curve/ExtremLabel.h"
#include "plot/engine/C1Punkt.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

class C1Plot;

class ZustandsLinie {
public:
    static constexpr int kStartCapacity = 50;
    static constexpr int kGrowth = 10;
    // Points closer than this (m) are one point to a mark.
    static constexpr double kMarkeToleranz = 1e-6;
    // Added to the second curve's label kinds: the two curves are the greatest and the
    // least values of an envelope, and only the value of the larger magnitude at a point is
    // labelled (the design value); an extreme of one where the other reaches further is not.
    static constexpr int kHuelle = 16;

    ZustandsLinie();

    int Reset();
    // Sets point i; the count becomes at least i + 1. An index beyond the places that
    // one growth step gives (capacity + 9) is refused before anything changes: 0.
    int SetPoint(int i, double x, double z);
    int AddPoint(double x, double z, bool replace, double tolerance);
    int FindX(double x, double tolerance) const;
    double GetX(int i) const;
    double GetZ(int i) const;
    int GetPoint(int i, double& x, double& z) const;
    int IsIndex(int i) const { return i >= 0 && i < n ? 1 : 0; }
    // Z interpolated at x; sorts the curve. 0.0 for a curve without points; a curve of
    // one point gives its value everywhere.
    double GetZAt(double x);
    int Sort();
    int SortByZ();
    int RemoveDuplicates();
    int FindNextExtremum(int start, int type, int direction, int variant);
    int IsEqual(ZustandsLinie other) const;
    double Area(bool absolute);
    double ProductIntegral(ZustandsLinie other);
    int Dump(std::FILE* file, const std::string& title) const;
    // Sorts the curve and yields 0.0; nothing else is computed.
    double SortOnly();

    int GetCount() const { return n; }
    int GetCapacity() const { return capacity; }
    double GetZmax() const { return Zmax; }
    double GetZmin() const { return Zmin; }
    double GetXZmax() const { return xZmax; }
    double GetXZmin() const { return xZmin; }
    int GetIZmax() const { return iZmax; }
    int GetIZmin() const { return iZmin; }
    double GetXmax() const { return xmax; }
    double GetXmin() const { return xmin; }
    // The larger magnitude of the two extremes.
    double GetMaxAbs() const;
    // Marks the curve's value at x to be labelled besides its extremes (a value the
    // report prints at that point), with `text` in place of the curve's own format where
    // given (the value as the report's table prints it), running from its point toward
    // the member's end (richtung 1) or its start (2) where that is free (0: either);
    // Reset forgets the marks.
    void MarkiereX(double xMarke, std::string text = {}, int richtung = 0) {
        marken.push_back({xMarke, std::move(text), richtung});
    }

    // Drawing along a member from A to B on a page (see ZustandsLiniePlot.cpp).
    int PlotKurve(C1Plot& page, int mode, int labelKinds, double h, int ax, int ay, int bx, int by,
                  const int* colourFlags, const unsigned* colours, double length, int fill,
                  int signedLabels, double zUpper, double zLower, std::vector<C1Punkt>& points,
                  int* lastIndex, bool drawArea);
    int PlotKurve2(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                   const int* colourFlags, const unsigned* colours, double length,
                   ZustandsLinie* second, int fill1, int fill2, int labelKinds1, int labelKinds2,
                   int signedLabels);
    int PlotHistogramm(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                       const int* colourFlags, const unsigned* colours, double length,
                       ZustandsLinie* second, int fill1, int fill2, int labelKinds1,
                       int labelKinds2, int signedLabels);

private:
    // The scales along (sx) and across (sz) the axis from A to B of a curve drawn between
    // zUpper and zLower over the member's length.
    void Skalen(C1Plot& page, int mode, int ax, int ay, int bx, int by, double length,
                double zUpper, double zLower, double& sx, double& sz) const;
    // The labels of this curve and of `second`, drawn to one scale, placed in one order.
    void PlotLabels2(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                     double length, double zUpper, double zLower, ZustandsLinie& second,
                     int labelKinds1, int labelKinds2, int signedLabels, bool huelle);
    // The labels of a drawn curve: its extremes of the given kinds and its marked points,
    // ordinates and positions in world units of the page (scales sz across, sx along).
    // A label's length along the member, in text heights h.
    static constexpr double kLabelLaenge = 5.0;
    // Extremes closer than `naehe` (world units along the member) are one label.
    std::vector<ExtremLabel> Labels(int labelKinds, double sx, double sz, double naehe);
    // Whether a value is below the share `anteil` of the curve's greatest magnitude.
    bool Nebensaechlich(double z, double anteil) const;
    // The text of a label; empty where there is nothing to read off (a value that reads
    // as zero, a lesser extreme too small beside the curve's greatest).
    std::string LabelText(const ExtremLabel& label, int signedLabels) const;
    // The curve's value at px, straight between its points; the curve sorted along x.
    double WertBei(double px) const;
    // The leader lines the labels will draw from their points to the member, kept clear
    // by every label of the page.
    void SperreFuehrungen(C1Plot& page, int mode, const std::vector<ExtremLabel>& labels, int ax,
                          int ay, int bx, int by, int signedLabels) const;
    // Writes the labels beside the curve on the page, the most important first; a label
    // that would print over one placed before, or be crossed by a drawn line, is moved
    // out a little at a time, else left out.
    void PlotLabels(C1Plot& page, int mode, const std::vector<ExtremLabel>& labels, double h,
                    int ax, int ay, int bx, int by, double axisLength, int signedLabels) const;
    void RecomputeExtremes();
    // Point i takes over the maximum and the minimum it reaches (ties go to it).
    void TakeExtremes(int i, double px, double pz);
    void RemoveMarked(const std::vector<bool>& marked);
    int FindJump(int start, int direction);
    void SortBy(bool zFirst);
    // A curve is set along its member, the points of values it marks after them: nearly in
    // order. Such a curve is put in order by insertion, a pass and the moves of its few
    // points out of place; true where it was, false (nothing changed) for a curve with more
    // than kWenigeAusserReihe points before their predecessors, which a sort puts in order.
    // Points alike in x and Z are alike in all: either way gives the same order.
    bool FastGeordnet();
    static constexpr int kWenigeAusserReihe = 16;

    int n = 0;
    int capacity = kStartCapacity;
    double Zmax = -999999.0;
    double Zmin = 999999.0;
    double xZmax = -999999.9;
    double xZmin = 999999.9;
    double xmax = -999999.9;
    double xmin = 999999.9;
    int iZmax = -1;
    int iZmin = -1;
    // The points are in the order Sort gives and the extremes recomputed since the last
    // change: the drawing asks for the order again and again (each search for an
    // extreme, each value between points), and a sorted curve sorts to itself.
    bool sortiert = false;
    std::vector<double> x;
    std::vector<double> Z;
    struct Marke {
        double x = 0.0;
        std::string text{};
        int richtung = 0;
    };
    std::vector<Marke> marken;
};

// Sorts count triples (x, Z, spare) in place by x, then Z; returns 1.
int SortTriples(double (*triples)[3], int count);
