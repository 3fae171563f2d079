// The member diagrams of the plot layer's picture: their supports, bedding, hinges,
// loads, sections and curves, and the member, its sections or its curves drawn along
// a segment of the picture.

#include "plot/curve/ZustandsLinie.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/member/C1PlotTraeger.h"
#include "plot/member/Plot_.h"
#include "plot/section/QuerAusArgumenten.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

constexpr double kCallerPerWorld = 1e-4;
constexpr double kNegligibleLoad = 1e-4;
constexpr int kDefaultLoadCase = 2;
constexpr int kCurvePoints = 2000;
constexpr int kSingleOrdinate = -5;

std::string Text(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

int W(float v) {
    return Plot_WorldUnits(v);
}

bool OneOf(int v, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

// The codes this layer takes: those of the member-plot layer but for the steel
// design type 8 and the concrete cage (shape 11).
bool IsQuerformHier(int designType, int shape) {
    if (designType == 8) {
        return false;
    }
    if (OneOf(designType, {1, 4, 7, 11, 21}) && shape == 11) {
        return false;
    }
    return IsQuerformZulaessig(designType, shape);
}

C1PlotTraeger* Diagram(int i) {
    return i >= 1 && i <= Plot_DiagramCount() ? Plot_Member(i) : nullptr;
}

// Runs an operation on diagram i: 0 for no such diagram, 1 after any exception; a
// coordinate that the engine refuses drops the picture on its way.
template <class F> int OnDiagram(const char* function, int i, F f) {
    C1PlotTraeger* m = Diagram(i);
    if (m == nullptr) {
        return 0;
    }
    try {
        return Plot_Guarded(function, 1, [&] { return f(*m); });
    } catch (...) {
        return 1;
    }
}

} // namespace

int Plot_SetAufl(int i, int number, const char* text, float x, int code1, int code2, int code3,
                 float value1, float value2, float value3, float value4, float value5, int i1,
                 int i2, float spring1, float spring2) {
    return OnDiagram("Plot_SetAufl", i, [&](C1PlotTraeger& m) {
        if (m.SetAufl(number, Text(text), x, code1, code2, code3, value1, value2, value3, value4,
                      value5, i1, i2, spring1, spring2) != 0) {
            m.SetLength(std::max(m.GetLength(), static_cast<double>(x)));
            m.SetHighestSupport(std::max(m.GetHighestSupport(), number));
        }
        return 1;
    });
}

int Plot_SetBettung(int i, float start, float length, float value) {
    return OnDiagram("Plot_SetBettung", i, [&](C1PlotTraeger& m) {
        m.SetBettung(start, length, value);
        return 1;
    });
}

int Plot_SetGele(int i, float x) {
    return OnDiagram("Plot_SetGele", i, [&](C1PlotTraeger& m) {
        m.SetGele(x);
        return 1;
    });
}

int Plot_SetLast(int i, int kind, int span, float a, float b, float q1, float q2, int variable,
                 int loadCase, const char* label, const char* text, int flag) {
    return OnDiagram("Plot_SetLast", i, [&](C1PlotTraeger& m) {
        if (loadCase < 1 || loadCase > C1PlotTraeger::kLastNumber) {
            loadCase = kDefaultLoadCase;
        }
        if (std::fabs(static_cast<double>(q1)) <= kNegligibleLoad &&
            std::fabs(static_cast<double>(q2)) <= kNegligibleLoad) {
            return 1;
        }
        const std::string t = Text(text);
        switch (kind) {
        case 0:
            m.loads.AddNormalKraft(loadCase, span, a, b, q1, q2, t, 0);
            break;
        case 1:
            m.loads.AddTrapezLast(loadCase, span, a, b, q1, q2, t, flag, 0);
            break;
        case 2:
            m.loads.AddEinzelLast(loadCase, span, a, q1, t, flag, 0);
            break;
        case 3:
            m.loads.AddMomentLast(loadCase, span, a, q1, t, 0);
            break;
        case 4:
            m.loads.AddTempLast(loadCase, span, a, b, q1, t, 0);
            break;
        case 5:
            m.loads.AddStsLast(loadCase, span, q1, t, 0);
            break;
        default:
            break;
        }
        m.SetLastText(loadCase, 1, 1, variable == 1 ? 'q' : 'g', Text(label));
        return 1;
    });
}

int Plot_SetQuer(int i, int index, float xa, float xe, const char* name, int designType, int shape,
                 int iProf, int axis, const float* dims, float hz, float w1, float w2, float w3,
                 float w4) {
    return OnDiagram("Plot_SetQuer", i, [&](C1PlotTraeger& m) {
        if (!IsQuerformHier(designType, shape)) {
            return 1;
        }
        const C1Quer section = QuerAusArgumenten(xa, xe, Text(name), designType, shape, iProf, axis,
                                                 dims, hz, w1, w2, w3, w4);
        m.SetQuer(index, section);
        return 1;
    });
}

int Plot_SetZ(int i, int curve, float x, float z) {
    return OnDiagram("Plot_SetZ", i, [&](C1PlotTraeger&) {
        ZustandsLinie* c = Plot_Kurve(i, curve);
        if (c != nullptr) {
            c->SetPoint(c->GetCount(), x, z);
        }
        return 1;
    });
}

int Plot_Last(int i, float x1, float y1, float x2, float y2, int drawKind, int what, int dimMode,
              int scaled, int perLoadCase) {
    return OnDiagram("Plot_Last", i, [&](C1PlotTraeger& m) {
        C1Plot* p = Plot_Current();
        if (p == nullptr) {
            return 1;
        }
        C1Punkt p1{W(x1), W(y1)};
        C1Punkt p2{W(x2), W(y2)};
        m.SetPlot(p);
        m.SetDrawKind(drawKind);
        m.SetLength(LineLengthD(x1, y1, x2, y2));
        m.PlotSystem(0, 0, 1.0, 1.0, p->GetCharH(), p->GetCharW(), &p1, &p2);
        m.PlotLasten(p->GetCharH(), p1.x, p1.y, p2.x, p2.y, what, dimMode, scaled, perLoadCase);
        return 1;
    });
}

int Plot_Quer(int i, float x1, float y1, float x2, float y2, int type, int p7, int p8) {
    return OnDiagram("Plot_Quer", i, [&](C1PlotTraeger& m) {
        C1Plot* p = Plot_Current();
        if (p == nullptr) {
            return 1;
        }
        C1Punkt p1{W(x1), W(y1)};
        C1Punkt p2{W(x2), W(y2)};
        m.SetPlot(p);
        if (type == 1 || type == 3) {
            m.SetDrawKind(-1);
            m.PlotSystem(0, 0, 1.0, 1.0, p->GetCharH(), p->GetCharW(), &p1, &p2);
            m.PlotQuerschnitte(p->GetCharH(), p->GetCharW(), p1.x, p1.y, p2.x, p2.y, type, p7, p8);
            return 1;
        }
        C1Quer section;
        if (!m.GetQuer(1, section)) {
            return 1; // no first section: nothing to draw
        }
        const double b = section.GetBreite();
        const double h = section.GetHoehe();
        // A section without extent has no scale: it is not drawn.
        if (!(b > 0.0) || !(h > 0.0)) {
            return 1;
        }
        const double scale = std::min(p->GetWorldW() / b, p->GetWorldH() / h);
        const double length = LineLength(p1.x, p1.y, p2.x, p2.y) * kCallerPerWorld;
        section.PlotQuerschnitt(*p, p->GetCharH(), scale, p1.x, p1.y, p2.x, p2.y, 0.0, length, 1,
                                kSingleOrdinate, p->GetCharW(), -1);
        return 1;
    });
}

int Plot_ZLinie(int i, float x1, float y1, float x2, float y2, int useCurve1, int useCurve2,
                int fill1, int fill2, int labels1, int labels2, int signedLabels) {
    C1PlotTraeger* m = Diagram(i);
    C1Plot* p = Plot_Current();
    if (m == nullptr) {
        return 0;
    }
    if (p == nullptr) {
        return 1;
    }
    // Unlike the other operations on a diagram it lets other exceptions pass, as the
    // drawing wrappers do.
    return Plot_Guarded("Plot_ZLinie", 0, [&] {
        C1Punkt p1{W(x1), W(y1)};
        C1Punkt p2{W(x2), W(y2)};
        const int charH = p->GetCharH();
        const int charW = p->GetCharW();
        m->SetPlot(p);
        m->SetDrawKind(1);
        m->PlotSystem(0, 0, 1.0, 1.0, charH, charW, &p1, &p2);
        ZustandsLinie* c1 = Plot_Kurve(i, 1);
        ZustandsLinie* c2 = Plot_Kurve(i, 2);
        const bool different = useCurve1 == 1 && useCurve2 == 1 ? c1->IsEqual(*c2) == 0 : true;
        int flags[C1Plot::kColours] = {};
        COLORREF colours[C1Plot::kColours] = {};
        C1Plot::ReadFarben(flags, colours);
        p->SelectPen(1, 0, 0, 1);
        p->SelectFillBrush(1);
        const double length = m->GetLength();
        if (useCurve1 != 0 && useCurve2 != 0 && different) {
            c1->PlotKurve2(*p, m->GetMode(), charH, p1.x, p1.y, p2.x, p2.y, flags, colours, length,
                           c2, fill1, fill2, labels1, labels2, signedLabels);
        } else {
            std::vector<C1Punkt> points(kCurvePoints);
            int last = 0;
            if (useCurve1 != 0) {
                c1->PlotKurve(*p, m->GetMode(), labels1, charH, p1.x, p1.y, p2.x, p2.y, flags,
                              colours, length, fill1, signedLabels, 0.0, 0.0, points, &last, true);
            }
            if (useCurve2 != 0) {
                c2->PlotKurve(*p, m->GetMode(), labels2, charH, p1.x, p1.y, p2.x, p2.y, flags,
                              colours, length, fill2, signedLabels, 0.0, 0.0, points, &last, true);
            }
        }
        p->PopBrush();
        p->PopPen();
        m->SetDrawKind(0);
        m->PlotSystem(1, 0, 1.0, 1.0, charH, charW, &p1, &p2);
        return 1;
    });
}
