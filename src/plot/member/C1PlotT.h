#pragma once

// The member plot of the member-plot layer: three members and the settings of their
// pictures, and the pages drawn of a member (each with its own drawing engine on the
// metafile the layer hands over).

#include "platform/EmfWriter.h"
#include "platform/QEDOM.h"
#include "plot/engine/C1GdiObj.h"
#include "plot/member/C1PlotTraeger.h"

#include <array>
#include <string>

class C1Plot;
class ZustandsLinie;

class C1PlotT {
public:
    static constexpr int kSlots = 3;

    C1PlotT(int mode, double charHeight, double charWidth, int option);

    // Member slot 1, 2 or 3; null for any other number.
    C1PlotTraeger* Member(int slot);
    int GetMode() const { return mode; }
    int GetOption() const { return option; }
    void SetOutputMode(int m) { outputMode = static_cast<unsigned char>(m & 0xFF); }
    int GetOutputMode() const { return outputMode; }
    int GetFarbFlag(int i) const { return FarbFlag[static_cast<std::size_t>(i & 15)]; }
    COLORREF GetFarbe(int i) const { return Farben[static_cast<std::size_t>(i & 15)]; }

    int SetLoch(int number, int kind, double position, double length, double size, double offset);

    int PlotLast(int slot, const std::string& title, double width, double height, int option,
                 int dimMode, int scaled, int perLoadCase, EmfWriter* dc, int hook, C1Plot* plot);
    int PlotQuer(int slot, const std::string& title, double width, double height, int option,
                 int view, int, int keepOrder, EmfWriter* dc, int hook, C1Plot* plot);
    int PlotZHistogramm(int slot, ZustandsLinie* curve1, ZustandsLinie* curve2, int fill1,
                        int fill2, int labels1, int labels2, int signedLabels,
                        const std::string& title, double width, double height, int option,
                        EmfWriter* dc, int hook);
    int PlotZLinie(int slot, ZustandsLinie* curve1, ZustandsLinie* curve2, int fill1, int fill2,
                   int labels1, int labels2, int signedLabels, const std::string& title,
                   double width, double height, int option, EmfWriter* dc, int hook,
                   QEDOM_HANDLE element, const std::string& xmlTitle, const std::string& unit,
                   int isDefault);
    int PlotRahmen(double width, double height, int option, EmfWriter* dc, int hook);
    // Draws the title bold at the top left of the page; 0 for an empty title.
    int PlotTitel(C1Plot* plot, const std::string& title, int charH);

private:
    // The engine of a page over the member's length along its direction.
    struct Seite;
    void ForgetPage(C1PlotTraeger& member);
    // The member of a curve page, or null when there is nothing to draw along it (no
    // such member, no length, no curve): the page then gets its empty frame. A zero
    // height becomes the width.
    C1PlotTraeger* KurvenMember(int slot, const ZustandsLinie* curve1, const ZustandsLinie* curve2,
                                double width, double& height, int opt, EmfWriter* dc, int hook);

    std::array<C1PlotTraeger, kSlots> members;
    int mode = 1;
    int option = 0;
    double charHeight = 0.0;
    double charWidth = 0.0;
    std::array<int, 16> FarbFlag{};
    std::array<COLORREF, 16> Farben{};
    unsigned char outputMode = 0;
};

// Writes a drawn curve (or two) into a document element: "bAbsolut" (unsigned labels
// only), "type", "dataLength", "unit", "title", "data" (4-byte little-endian floats,
// point after point) and "default" (default curves only), in this order.
void WriteZLinieXml(QEDOM_HANDLE element, ZustandsLinie* curve1, ZustandsLinie* curve2,
                    int signedLabels, const std::string& title, const std::string& unit,
                    int isDefault);
