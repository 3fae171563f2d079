#include "plot/member/C1PlotT.h"

#include "plot/curve/ZustandsLinie.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/PlotGeometrie.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kNoLength = 1e-4;
constexpr double kPageScale = 100.0;
// The smallest magnitude a curve's label shows: a curve whose every value is below it
// has nothing to draw or read off, and the picture says so in words.
constexpr double kCurveInUse = 0.0001;
constexpr double kTitleTop = -0.49;
constexpr double kHinweisSchrift = 0.8;
constexpr double kHinweisAbstand = 1.5;

bool InUse(const ZustandsLinie* c) {
    return c != nullptr && c->GetCount() >= 1 && c->GetMaxAbs() >= kCurveInUse;
}

// What a picture without a drawn curve says beside its member: that every value is 0, or
// below what its labels show.
std::string OhneKurve(const ZustandsLinie* c1, const ZustandsLinie* c2) {
    double groesster = 0.0;
    for (const ZustandsLinie* c : {c1, c2}) {
        if (c != nullptr && c->GetCount() >= 1) {
            groesster = std::max(groesster, c->GetMaxAbs());
        }
    }
    return groesster > 0.0 ? "alle Werte < 0.0001" : "alle Werte = 0";
}

void AppendFloat(std::vector<std::uint8_t>& out, double v) {
    const float f = static_cast<float>(v);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
}

} // namespace

// An own engine for a page of a member: the member's length along its direction,
// the other extent from the page's proportions.
struct C1PlotT::Seite {
    Seite(EmfWriter* dc, int mode, double length, double width, double height, double charH,
          double charW, int draw, int hook, int outputMode)
        : plot(dc, mode == 2 ? 0.0 : length, mode == 2 ? length : 0.0, C1Plot::WorldInt(width),
               C1Plot::WorldInt(height), kPageScale, charH, charW, draw, hook, outputMode, -1) {}
    C1Plot plot;
};

C1PlotT::C1PlotT(int m, double charH, double charW, int opt)
    : mode(m), option(opt), charHeight(charH), charWidth(charW) {
    C1Plot::ReadFarben(FarbFlag.data(), Farben.data());
}

C1PlotTraeger* C1PlotT::Member(int slot) {
    return slot >= 1 && slot <= kSlots ? &members[static_cast<std::size_t>(slot - 1)] : nullptr;
}

void C1PlotT::ForgetPage(C1PlotTraeger& member) {
    // The page's engine ends with the page: the member keeps no pointer to it.
    member.SetPlot(nullptr);
}

int C1PlotT::SetLoch(int number, int kind, double position, double length, double size,
                     double offset) {
    return members[0].SetLoch(number, kind, position, length, size, offset);
}

int C1PlotT::PlotTitel(C1Plot* plot, const std::string& title, int charH) {
    if (plot == nullptr || title.empty()) {
        return 0;
    }
    plot->SelectFont(charH, 0.0, 1, 0);
    plot->PlotText(0, C1Plot::WorldInt(kTitleTop * plot->GetWorldH()), title);
    plot->PopFont();
    return 1;
}

int C1PlotT::PlotRahmen(double width, double height, int opt, EmfWriter* dc, int) {
    if (dc == nullptr) {
        return 0;
    }
    if (height == 0.0) {
        height = width;
    }
    C1Plot page(dc, 10.0, 6.0, C1Plot::WorldInt(width), C1Plot::WorldInt(height), kPageScale,
                charHeight, charWidth, 1, 0, 0, -1);
    page.SelectStockPen2(kStockNullPen);
    page.MoveTo(0, 0);
    page.LineTo(1, 0);
    page.PopPen();
    return opt == 1 ? 1 : 0;
}

int C1PlotT::PlotLast(int slot, const std::string& title, double width, double height, int opt,
                      int dimMode, int scaled, int perLoadCase, EmfWriter* dc, int hook,
                      C1Plot* plot) {
    C1PlotTraeger* member = Member(slot);
    if (member == nullptr) {
        return 0;
    }
    if (height == 0.0) {
        height = width;
    }
    if (member->GetLength() <= kNoLength) {
        PlotRahmen(width, height, opt, dc, hook);
        return 0;
    }
    const double share1 = mode == 2 ? 0.7 : 0.3;
    const double share2 = mode == 2 ? 0.3 : 0.7;
    std::unique_ptr<Seite> own;
    C1Plot* page = plot;
    if (page == nullptr) {
        own = std::make_unique<Seite>(dc, mode, member->GetLength(), width, height, charHeight,
                                      charWidth, dc != nullptr ? 1 : 0, hook, option);
        page = &own->plot;
    }
    page->SetThickPens(outputMode);
    member->SetPlot(page);
    member->SetDrawKind(dimMode == -1 || slot == 3 ? 1 : 2);
    PlotTitel(page, title, page->GetCharH());
    C1Punkt start;
    C1Punkt end;
    member->PlotSystem(1, title.empty() ? 0 : 1, share2, share1, page->GetCharH(), page->GetCharW(),
                       &start, &end);
    member->PlotLasten(page->GetCharH(), start.x, start.y, end.x, end.y, slot == 3 ? 3 : 1, dimMode,
                       scaled, perLoadCase);
    if (own) {
        ForgetPage(*member);
    }
    return 1;
}

int C1PlotT::PlotQuer(int slot, const std::string& title, double width, double height, int opt,
                      int view, int seventh, int keepOrder, EmfWriter* dc, int hook, C1Plot* plot) {
    C1PlotTraeger* member = Member(slot);
    if (member == nullptr) {
        return 0;
    }
    if (height == 0.0) {
        height = width;
    }
    if (member->GetMaxQuer() < 1) {
        PlotRahmen(width, height, opt, dc, hook);
        return 0;
    }
    std::unique_ptr<Seite> own;
    C1Plot* page = plot;
    if (page == nullptr) {
        own = std::make_unique<Seite>(dc, mode, member->GetLength(), width, height, charHeight,
                                      charWidth, 1, hook, 0);
        page = &own->plot;
    }
    member->SetPlot(page);
    member->SetDrawKind(-1);
    PlotTitel(page, title, page->GetCharH());
    C1Punkt start;
    C1Punkt end{page->GetWorldW(), 0};
    if (plot == nullptr || view != 2) {
        member->PlotSystem(1, title.empty() ? 0 : 1, 0.5, 0.5, page->GetCharH(), page->GetCharW(),
                           &start, &end);
    }
    member->PlotQuerschnitte(page->GetCharH(), page->GetCharW(), start.x, start.y, end.x, end.y,
                             view, seventh, keepOrder);
    if (own) {
        ForgetPage(*member);
    }
    return 1;
}

C1PlotTraeger* C1PlotT::KurvenMember(int slot, const ZustandsLinie* curve1,
                                     const ZustandsLinie* curve2, double width, double& height,
                                     int opt, EmfWriter* dc, int hook) {
    C1PlotTraeger* member = Member(slot);
    if (member == nullptr) {
        return nullptr;
    }
    if (height == 0.0) {
        height = width;
    }
    if (member->GetLength() <= kNoLength || (curve1 == nullptr && curve2 == nullptr)) {
        PlotRahmen(width, height, opt, dc, hook);
        return nullptr;
    }
    return member;
}

int C1PlotT::PlotZHistogramm(int slot, ZustandsLinie* curve1, ZustandsLinie* curve2, int fill1,
                             int fill2, int labels1, int labels2, int signedLabels,
                             const std::string& title, double width, double height, int opt,
                             EmfWriter* dc, int hook) {
    C1PlotTraeger* member = KurvenMember(slot, curve1, curve2, width, height, opt, dc, hook);
    if (member == nullptr) {
        return 0;
    }
    const bool use1 = InUse(curve1);
    const bool use2 = InUse(curve2);
    Seite own(dc, mode, member->GetLength(), width, height, charHeight, charWidth, 1, hook, option);
    C1Plot& page = own.plot;
    member->SetPlot(&page);
    member->SetDrawKind(1);
    PlotTitel(&page, title, page.GetCharH());
    C1Punkt start;
    C1Punkt end;
    member->PlotSystem(1, title.empty() ? 0 : 1, 0.0, 0.0, page.GetCharH(), page.GetCharW(), &start,
                       &end);
    page.SelectPen(1, 0, 0, 1);
    page.SelectFillBrush(1);
    const double length = member->GetLength();
    const double h = page.GetCharH();
    if (use1 && use2 && curve1->IsEqual(*curve2) == 0) {
        curve1->PlotHistogramm(page, mode, h, start.x, start.y, end.x, end.y, FarbFlag.data(),
                               Farben.data(), length, curve2, fill1, fill2, labels1, labels2,
                               signedLabels);
    } else {
        if (use1) {
            curve1->PlotHistogramm(page, mode, h, start.x, start.y, end.x, end.y, FarbFlag.data(),
                                   Farben.data(), length, nullptr, fill1, fill1, labels1, labels1,
                                   signedLabels);
        }
        if (use2) {
            curve2->PlotHistogramm(page, mode, h, start.x, start.y, end.x, end.y, FarbFlag.data(),
                                   Farben.data(), length, nullptr, fill2, fill2, labels2, labels2,
                                   signedLabels);
        }
    }
    member->SetDrawKind(0);
    ForgetPage(*member);
    return 1;
}

int C1PlotT::PlotZLinie(int slot, ZustandsLinie* curve1, ZustandsLinie* curve2, int fill1,
                        int fill2, int labels1, int labels2, int signedLabels,
                        const std::string& title, double width, double height, int opt,
                        EmfWriter* dc, int hook, QEDOM_HANDLE element, const std::string& xmlTitle,
                        const std::string& unit, int isDefault) {
    C1PlotTraeger* member = KurvenMember(slot, curve1, curve2, width, height, opt, dc, hook);
    if (member == nullptr) {
        return 0;
    }
    const bool use1 = InUse(curve1);
    const bool use2 = InUse(curve2);
    double share1 = 0.5;
    double share2 = 0.5;
    if (mode != 2) {
        share1 = std::min(curve1 != nullptr ? curve1->GetZmin() : 0.0,
                          curve2 != nullptr ? curve2->GetZmin() : 0.0);
        share2 = std::max(curve1 != nullptr ? curve1->GetZmax() : 0.0,
                          curve2 != nullptr ? curve2->GetZmax() : 0.0);
    }
    Seite own(dc, mode, member->GetLength(), width, height, charHeight, charWidth, 1, hook, option);
    C1Plot& page = own.plot;
    member->SetPlot(&page);
    member->SetDrawKind(1);
    const int titleFlag = PlotTitel(&page, title, page.GetCharH());
    C1Punkt start;
    C1Punkt end;
    member->PlotSystem(1, titleFlag, share1, share2, page.GetCharH(), page.GetCharW(), &start,
                       &end);
    page.SelectPen(1, 0, 0, 1);
    page.SelectFillBrush(1);
    const double length = member->GetLength();
    const double h = page.GetCharH();
    if (use1 && use2 && curve1->IsEqual(*curve2) == 0) {
        curve1->PlotKurve2(page, mode, h, start.x, start.y, end.x, end.y, FarbFlag.data(),
                           Farben.data(), length, curve2, fill1, fill2, labels1, labels2,
                           signedLabels);
    } else {
        std::vector<C1Punkt> points;
        int last = 0;
        if (use1) {
            curve1->PlotKurve(page, mode, labels1, h, start.x, start.y, end.x, end.y,
                              FarbFlag.data(), Farben.data(), length, fill1, signedLabels, 0.0, 0.0,
                              points, &last, true);
        }
        if (use2) {
            curve2->PlotKurve(page, mode, labels2, h, start.x, start.y, end.x, end.y,
                              FarbFlag.data(), Farben.data(), length, fill2, signedLabels, 0.0, 0.0,
                              points, &last, true);
        }
    }
    if (!use1 && !use2) {
        const double achse = LineLength(start.x, start.y, end.x, end.y);
        const auto auf = [&](double s, double t) {
            return PointOnLine(start.x, start.y, end.x, end.y, C1Plot::WorldInt(s),
                               C1Plot::WorldInt(t));
        };
        // White dots a text height around the member, as a drawn line leaves them: the
        // picture keeps the depth scale of the others of its row.
        if (mode == 2) {
            page.SelectStockPen2(kStockNullPen);
            for (const double t : {h, -h}) {
                for (const double s : {-h, achse + h}) {
                    const C1Punkt d = auf(s, t);
                    page.PlotDot(d.x, d.y);
                }
            }
            page.PopPen();
        }
        // Along the member, half way, on its right where the labels stand.
        const C1Punkt mitte = auf(achse / 2.0, kHinweisAbstand * h);
        page.PlotTextAt(mitte.x, mitte.y, LineAngle(start.x, start.y, end.x, end.y),
                        OhneKurve(curve1, curve2), C1Plot::WorldInt(kHinweisSchrift * h), 0, 0, 0,
                        0, 0);
    }
    member->SetDrawKind(0);
    member->PlotSystem(1, titleFlag, share1, share2, page.GetCharH(), page.GetCharW(), &start,
                       &end);
    if (element != 0) {
        WriteZLinieXml(element, use1 ? curve1 : nullptr, use2 ? curve2 : nullptr, signedLabels,
                       xmlTitle, unit, isDefault);
    }
    ForgetPage(*member);
    return 1;
}

void WriteZLinieXml(QEDOM_HANDLE element, ZustandsLinie* curve1, ZustandsLinie* curve2,
                    int signedLabels, const std::string& title, const std::string& unit,
                    int isDefault) {
    if (curve1 == nullptr && curve2 == nullptr) {
        return;
    }
    std::vector<std::uint8_t> data;
    int type = 0;
    int count = 0;
    if (curve1 != nullptr && curve2 != nullptr) {
        type = 2;
        count = curve1->GetCount();
        for (int i = 0; i < count; ++i) {
            const double x = curve1->GetX(i);
            const double z1 = curve1->GetZ(i);
            AppendFloat(data, x);
            AppendFloat(data, curve2->GetZAt(x));
            AppendFloat(data, z1);
        }
    } else {
        ZustandsLinie* c = curve1 != nullptr ? curve1 : curve2;
        count = c->GetCount();
        for (int i = 0; i < count; ++i) {
            AppendFloat(data, c->GetX(i));
            AppendFloat(data, c->GetZ(i));
        }
    }
    if (signedLabels == 0) {
        QEDOM_SetInt(element, "bAbsolut", 1);
    }
    QEDOM_SetInt(element, "type", type);
    QEDOM_SetInt(element, "dataLength", count);
    QEDOM_SetString(element, "unit", unit.c_str());
    QEDOM_SetString(element, "title", title.c_str());
    QEDOM_SetBinData(element, "data", static_cast<int>(data.size()), data.data(), 1);
    if (isDefault == 1) {
        QEDOM_SetInt(element, "default", 1);
    }
}
