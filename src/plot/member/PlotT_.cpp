#include "plot/member/PlotT_.h"

#include "base/Trace.h"
#include "platform/C1Exception.h"
#include "platform/Kernel.h"
#include "plot/curve/ZustandsLinie.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/CadHook.h"
#include "plot/member/C1PlotT.h"
#include "plot/section/QuerAusArgumenten.h"

#include <cmath>
#include <memory>

namespace {

constexpr double kNegligibleLoad = 1e-4;
constexpr int kDefaultLoadCase = 2;

struct MemberPlotState {
    std::unique_ptr<C1PlotT> ownPlot;
    std::unique_ptr<ZustandsLinie> ownCurve1;
    std::unique_ptr<ZustandsLinie> ownCurve2;
    C1PlotT* plot = nullptr;
    ZustandsLinie* curve1 = nullptr;
    ZustandsLinie* curve2 = nullptr;
};

MemberPlotState& State() {
    static MemberPlotState state;
    return state;
}

std::string Text(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

C1PlotTraeger* Member(int slot) {
    return State().plot != nullptr ? State().plot->Member(slot) : nullptr;
}

void SetModes(int mode) {
    for (int slot = 1; slot <= C1PlotT::kSlots; ++slot) {
        State().plot->Member(slot)->SetMode(mode);
    }
}

void ResetCurves() {
    if (State().curve1 != nullptr) {
        State().curve1->Reset();
    }
    if (State().curve2 != nullptr) {
        State().curve2->Reset();
    }
}

// Reports the error that a function is catching.
void Report(const char* name, int cadFlag) {
    try {
        throw;
    } catch (const C1Exception& e) {
        PlotT_Error(0, PlotFehlerText(name, &e).c_str(), cadFlag);
    } catch (...) {
        PlotT_Error(0, PlotFehlerText(name, nullptr).c_str(), cadFlag);
    }
}

// Runs a data function; an error goes to the trace and the function answers 1.
template <class F> int Data(const char* name, F f) {
    try {
        return f();
    } catch (...) {
        Report(name, 0);
        return 1;
    }
}

// The frame of every picture: the file of the name is removed first, so that a
// failed drawing never leaves an older picture in its place; the metafile is written
// when the drawing has finished and its handle returned (0 when there is no file or
// the drawing failed).
template <class F>
QEL_HENHMETAFILE Picture(const char* name, const char* file, const char* cadName, bool withFile,
                         bool resetCurves, F draw) {
    const std::string fileName = Text(file);
    const std::string cad = Text(cadName);
    int cadFlag = 0;
    if (!cad.empty()) {
        try {
            cadFlag = CadHookInit(1) != 0 ? 1 : 0;
        } catch (...) {
            cadFlag = 0;
        }
    }
    QEL_HENHMETAFILE handle = 0;
    try {
        std::unique_ptr<EmfWriter> metafile;
        if (!fileName.empty() && withFile) {
            QEL_DeleteFile(fileName);
            // Without a member plot there is nothing to draw: no picture, no file.
            if (State().plot != nullptr) {
                metafile = std::make_unique<EmfWriter>();
            }
        }
        draw(metafile.get(), cadFlag);
        if (resetCurves) {
            ResetCurves();
        }
        if (metafile) {
            handle = QEL_CloseEnhMetaFile(*metafile, fileName);
        }
    } catch (...) {
        if (resetCurves) {
            ResetCurves();
        }
        Report(name, cadFlag);
    }
    if (cadFlag != 0) {
        CadHookOutput(cad, "");
    }
    return handle;
}

} // namespace

C1PlotT* PlotT_Current() {
    return State().plot;
}

ZustandsLinie* PlotT_Curve(int curve) {
    return curve == 1 ? State().curve1 : curve == 2 ? State().curve2 : nullptr;
}

int PlotT_Init(int mode, float charHeight, float charWidth, int option) {
    return Data("PlotT_Init", [&] {
        CadHookInit(2);
        MemberPlotState& s = State();
        // A new member plot replaces the last one, which is released.
        s.ownPlot = std::make_unique<C1PlotT>(mode, charHeight, charWidth, option);
        s.ownCurve1 = std::make_unique<ZustandsLinie>();
        s.ownCurve2 = std::make_unique<ZustandsLinie>();
        s.plot = s.ownPlot.get();
        s.curve1 = s.ownCurve1.get();
        s.curve2 = s.ownCurve2.get();
        SetModes(mode);
        return 1;
    });
}

int PlotT_InitExtern(int mode, int, int, C1PlotT* plot, ZustandsLinie* curve1,
                     ZustandsLinie* curve2) {
    return Data("PlotT_Init", [&] {
        if (plot == nullptr) {
            return 0;
        }
        MemberPlotState& s = State();
        s.plot = plot;
        s.curve1 = curve1;
        s.curve2 = curve2;
        SetModes(mode);
        return 1;
    });
}

int PlotT_Close() {
    return Data("PlotT_Close", [] {
        State() = MemberPlotState{};
        return 1;
    });
}

int PlotT_SetAufl(int slot, int number, const char* text, float x, int code1, int code2, int code3,
                  float value1, float value2, float value3, float value4, float value5, int i1,
                  int i2, float spring1, float spring2) {
    return Data("PlotT_SetAufl", [&] {
        C1PlotTraeger* m = Member(slot);
        if (m == nullptr) {
            return 0;
        }
        // Only a support the member took counts for its length and numbering.
        if (m->SetAufl(number, Text(text), x, code1, code2, code3, value1, value2, value3, value4,
                       value5, i1, i2, spring1, spring2) != 0) {
            m->SetLength(std::max(m->GetLength(), static_cast<double>(x)));
            m->SetHighestSupport(std::max(m->GetHighestSupport(), number));
        }
        return 1;
    });
}

int PlotT_SetBettung(int slot, float start, float length, float value) {
    return Data("PlotT_SetBettung", [&] {
        C1PlotTraeger* m = Member(slot);
        if (m == nullptr) {
            return 0;
        }
        m->SetBettung(start, length, value);
        return 1;
    });
}

int PlotT_SetGele(int slot, float x) {
    return Data("PlotT_SetGele", [&] {
        C1PlotTraeger* m = Member(slot);
        if (m == nullptr) {
            return 0;
        }
        m->SetGele(x);
        return 1;
    });
}

int PlotT_SetLoch(int number, int kind, float value1, float value2, float value3, float value4) {
    return Data("PlotT_SetLoch", [&] {
        if (State().plot == nullptr) {
            return 0;
        }
        State().plot->SetLoch(number, kind, value1, value2, value3, value4);
        return 1;
    });
}

int PlotT_SetQuer(int index, float xa, float xe, const char* name, int designType, int shape,
                  int iProf, int axis, const float* dims, float hz, float w1, float w2, float w3,
                  float w4) {
    return Data("PlotT_SetQuer", [&] {
        C1PlotTraeger* m = Member(1);
        if (m == nullptr) {
            return 0;
        }
        if (!IsQuerformZulaessig(designType, shape)) {
            return 0;
        }
        const C1Quer section = QuerAusArgumenten(xa, xe, Text(name), designType, shape, iProf, axis,
                                                 dims, hz, w1, w2, w3, w4);
        m->SetQuer(index, section);
        return 1;
    });
}

int PlotT_SetLast(int slot, int kind, int span, float a, float b, float q1, float q2, int variable,
                  int loadCase, const char* label, const char* text, int flag) {
    return Data("PlotT_SetLast", [&] {
        if (loadCase < 1 || loadCase > 99) {
            loadCase = kDefaultLoadCase;
        }
        const char letter = variable == 1 ? 'q' : 'g';
        if (std::fabs(static_cast<double>(q1)) <= kNegligibleLoad &&
            std::fabs(static_cast<double>(q2)) <= kNegligibleLoad) {
            return 0;
        }
        C1PlotTraeger* m = Member(slot);
        if (m == nullptr) {
            return 0;
        }
        const std::string t = Text(text);
        switch (kind) {
        case 0:
            m->loads.AddNormalKraft(loadCase, span, a, b, q1, q2, t, flag);
            break;
        case 1:
            m->loads.AddTrapezLast(loadCase, span, a, b, q1, q2, t, slot == 3 ? 6 : 1, flag);
            break;
        case 2:
            m->loads.AddEinzelLast(loadCase, span, a, q1, t, 1, flag);
            break;
        case 3:
            m->loads.AddMomentLast(loadCase, span, a, q1, t, flag);
            break;
        case 4:
            m->loads.AddTempLast(loadCase, span, a, b, q1, t, flag);
            break;
        case 5:
            m->loads.AddStsLast(loadCase, span, q1, t, flag);
            break;
        default:
            break;
        }
        m->SetLastText(loadCase, 1, 1, letter, Text(label));
        return 1;
    });
}

int PlotT_SetZ(int curve, float x, float z) {
    return Data("PlotT_SetZ", [&] {
        ZustandsLinie* c = PlotT_Curve(curve);
        if (c != nullptr) {
            c->SetPoint(c->GetCount(), x, z);
        }
        return 1;
    });
}

int PlotT_SetZMarke(int curve, float x, const char* text, int richtung) {
    return Data("PlotT_SetZMarke", [&] {
        if (ZustandsLinie* c = PlotT_Curve(curve)) {
            c->MarkiereX(x, text != nullptr ? std::string(text) : std::string(), richtung);
        }
        return 1;
    });
}

int PlotT_ResetZ() {
    return Data("PlotT_ResetZ", [] {
        ResetCurves();
        return 1;
    });
}

int PlotT_ClearDaten() {
    return Data("PlotT_ClearDaten", [] {
        for (int slot = 1; slot <= C1PlotT::kSlots; ++slot) {
            if (C1PlotTraeger* m = Member(slot)) {
                m->loads.RemoveAll();
            }
        }
        return 1;
    });
}

namespace {

template <class F> int EachEngine(F f) {
    for (int slot = 1; slot <= C1PlotT::kSlots; ++slot) {
        C1PlotTraeger* m = Member(slot);
        if (m != nullptr && m->GetPlot() != nullptr) {
            f(*m->GetPlot());
        }
    }
    return 1;
}

} // namespace

int PlotT_SetFuellfarbe1(int colour) {
    return Data("PlotT_SetFuellfarbe1", [&] {
        return EachEngine([&](C1Plot& p) { p.SetFuellfarbe1(static_cast<COLORREF>(colour)); });
    });
}

int PlotT_SetFuellfarbe2(int colour) {
    return Data("PlotT_SetFuellfarbe2", [&] {
        return EachEngine([&](C1Plot& p) { p.SetFuellfarbe2(static_cast<COLORREF>(colour)); });
    });
}

int PlotT_SetOutputMode(int mode) {
    return Data("PlotT_SetOutputMode", [&] {
        if (State().plot != nullptr) {
            State().plot->SetOutputMode(mode);
        }
        return 1;
    });
}

QEL_HENHMETAFILE PlotT_Last(int slot, const char* title, float widthMm, float heightMm, int option,
                            int dimMode, int scaled, int perLoadCase, const char* file,
                            const char* cadName, C1Plot* plot) {
    return Picture("PlotT_Last", file, cadName, plot == nullptr, false,
                   [&](EmfWriter* dc, int hook) {
                       if (State().plot != nullptr) {
                           State().plot->PlotLast(slot, Text(title), widthMm, heightMm, option,
                                                  dimMode, scaled, perLoadCase, dc, hook, plot);
                       }
                   });
}

QEL_HENHMETAFILE PlotT_LastFile(int slot, const char* title, float widthMm, float heightMm,
                                int option, int dimMode, int scaled, int perLoadCase,
                                const char* file, const char* cadName) {
    return PlotT_Last(slot, title, widthMm, heightMm, option, dimMode, scaled, perLoadCase, file,
                      cadName, nullptr);
}

QEL_HENHMETAFILE PlotT_Quer(int slot, const char* title, float widthMm, float heightMm, int option,
                            int view, int unused, int keepOrder, const char* file,
                            const char* cadName, C1Plot* plot) {
    return Picture("PlotT_Quer", file, cadName, plot == nullptr, false,
                   [&](EmfWriter* dc, int hook) {
                       if (State().plot != nullptr) {
                           State().plot->PlotQuer(slot, Text(title), widthMm, heightMm, option,
                                                  view, unused, keepOrder, dc, hook, plot);
                       }
                   });
}

QEL_HENHMETAFILE PlotT_QuerFile(int slot, const char* title, float widthMm, float heightMm,
                                int option, int view, int unused, int keepOrder, const char* file,
                                const char* cadName) {
    return PlotT_Quer(slot, title, widthMm, heightMm, option, view, unused, keepOrder, file,
                      cadName, nullptr);
}

QEL_HENHMETAFILE PlotT_ZHistogramm(int slot, int, int, int fill1, int fill2, int labels1,
                                   int labels2, int signedLabels, const char* title, float widthMm,
                                   float heightMm, int option, const char* file,
                                   const char* cadName) {
    return Picture("PlotT_ZHistogramm", file, cadName, true, true, [&](EmfWriter* dc, int hook) {
        if (State().plot != nullptr) {
            State().plot->PlotZHistogramm(slot, State().curve1, State().curve2, fill1, fill2,
                                          labels1, labels2, signedLabels, Text(title), widthMm,
                                          heightMm, option, dc, hook);
        }
    });
}

QEL_HENHMETAFILE PlotT_ZLinie(int slot, int useCurve1, int useCurve2, int fill1, int fill2,
                              int labels1, int labels2, int signedLabels, const char* title,
                              float widthMm, float heightMm, int option, const char* file,
                              const char* cadName, QEDOM_HANDLE element, const char* xmlTitle,
                              const char* unit, int isDefault) {
    return Picture("PlotT_ZLinie", file, cadName, true, true, [&](EmfWriter* dc, int hook) {
        C1PlotT* p = State().plot;
        const bool known = (useCurve1 == 0 || useCurve1 == 1) && (useCurve2 == 0 || useCurve2 == 1);
        if (p == nullptr || !known) {
            return;
        }
        if (useCurve1 == 0 && useCurve2 == 0) {
            p->PlotRahmen(widthMm, heightMm, option, dc, hook);
            return;
        }
        p->PlotZLinie(slot, useCurve1 == 1 ? State().curve1 : nullptr,
                      useCurve2 == 1 ? State().curve2 : nullptr, fill1, fill2, labels1, labels2,
                      signedLabels, Text(title), widthMm, heightMm, option, dc, hook, element,
                      Text(xmlTitle), Text(unit), isDefault);
    });
}

int PlotT_DeleteEmf(QEL_HENHMETAFILE handle) {
    return handle == 0 ? 0 : QEL_DeleteEnhMetaFile(handle);
}

std::string PlotFehlerText(const char* function, const C1Exception* e) {
    std::string text = std::string("Fehler in ") + (function != nullptr ? function : "");
    if (e != nullptr) {
        text += ": " + (e->module.empty() ? std::string() : e->module + ": ") + e->text;
    }
    return text;
}

int PlotT_Error(int, const char* text, int flag) {
    const std::string message = Text(text);
    TracePrintf("\n%s", message.c_str());
    QEL_OutputDebugString(message);
    if (flag != 0) {
        CadHookOutput("", "");
    }
    return 1;
}
