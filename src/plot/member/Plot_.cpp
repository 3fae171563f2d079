#include "plot/member/Plot_.h"

#include "platform/C1Exception.h"
#include "platform/EmfHandles.h"
#include "platform/Kernel.h"
#include "platform/Koordinate.h"
#include "platform/QELRTFXReport.h"
#include "plot/curve/ZustandsLinie.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/CadHook.h"
#include "plot/member/C1PlotTraeger.h"
#include "plot/member/PlotT_.h"

#include <memory>
#include <vector>

namespace {

constexpr float kWorldPerUnit = 10000.0f;
constexpr double kCmPerMm = 0.1;

struct PlotZustand {
    std::unique_ptr<EmfWriter> metafile; // the metafile of the open picture
    std::unique_ptr<C1Plot> plot;
    int n = 0;
    std::vector<std::unique_ptr<C1PlotTraeger>> members;
    std::vector<std::unique_ptr<ZustandsLinie>> curves1;
    std::vector<std::unique_ptr<ZustandsLinie>> curves2;
    int insertMode = 0;
    std::string fileName;
    std::string cadName;
    double pageWidth = 0.0;
    double pageHeight = 0.0;
};

PlotZustand& Z() {
    static PlotZustand state;
    return state;
}

std::string Text(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

int W(float v) {
    return Plot_WorldUnits(v);
}

void ReleaseTables() {
    // The members lose the engine with the picture; the tables own their objects.
    Z().members.clear();
    Z().curves1.clear();
    Z().curves2.clear();
}

template <class F> int WithPlot(const char* function, F f) {
    C1Plot* p = Z().plot.get();
    return p != nullptr ? Plot_Guarded(function, 0, [&] { return f(*p); }) : 0;
}

int FontHeight(const C1Plot& p, float factor) {
    return C1Plot::WorldInt(p.GetCharH() * factor);
}

} // namespace

C1Plot* Plot_Current() {
    return Z().plot.get();
}

C1PlotTraeger* Plot_Member(int i) {
    return i >= 0 && i < static_cast<int>(Z().members.size())
               ? Z().members[static_cast<std::size_t>(i)].get()
               : nullptr;
}

ZustandsLinie* Plot_Kurve(int i, int curve) {
    const auto& table = curve == 1 ? Z().curves1 : Z().curves2;
    if ((curve != 1 && curve != 2) || i < 0 || i >= static_cast<int>(table.size())) {
        return nullptr;
    }
    return table[static_cast<std::size_t>(i)].get();
}

int Plot_DiagramCount() {
    return static_cast<int>(Z().members.size()) - 1 < Z().n ? 0 : Z().n;
}

std::string Plot_FileName() {
    return Z().fileName;
}

int Plot_WorldUnits(float v) {
    return C1Plot::WorldInt(v * kWorldPerUnit);
}

int Plot_Guarded(const char* function, int dropped, const std::function<int()>& draw) {
    try {
        return draw();
    } catch (const C1Exception& e) {
        if (!IsKoordinatenFehler(e)) {
            throw;
        }
        PlotT_Error(0, PlotFehlerText(function, &e).c_str(), 0);
        for (auto& member : Z().members) {
            member->SetPlot(nullptr);
        }
        Z().plot.reset();
        Z().metafile.reset();
        return dropped;
    }
}

int Plot_Init(int n, float charHeight, float charWidth, const char*, float worldWidth,
              float worldHeight, float pageWidthMm, float pageHeightMm, int insertMode,
              int makeFile, int cad, const char* name) {
    PlotZustand& z = Z();
    const std::string pictureName = Text(name);
    std::string fileName;
    std::string cadName;
    if (makeFile != 0) {
        // The temporary folder is the run's own while a run is under way.
        fileName = QEL_GetTempFolder() +
                   (pictureName.empty() ? std::string("plt1.tmp") : pictureName + ".emf");
        QEL_DeleteFile(fileName);
    }
    if (cad != 0) {
        cadName = pictureName;
    }
    int result = 1;
    try {
        // A picture still open ends without being inserted.
        z.plot.reset();
        z.metafile.reset();
        ReleaseTables();
        int draw = makeFile;
        if (!fileName.empty()) {
            z.metafile = std::make_unique<EmfWriter>();
            draw = 1;
        }
        int cadFlag = cad;
        if (!cadName.empty()) {
            cadFlag = CadHookInit(1) != 0 ? 1 : cad;
        }
        z.plot = std::make_unique<C1Plot>(
            z.metafile.get(), worldWidth, worldHeight, C1Plot::WorldInt(pageWidthMm),
            C1Plot::WorldInt(pageHeightMm), 1.0, charHeight, charWidth, draw, cadFlag, 0, -1);
        if (!z.plot->IsPageSet()) {
            // No page: no picture is open.
            z.plot.reset();
            z.metafile.reset();
            result = makeFile != 0 ? 0 : 1;
        }
        for (int i = 0; i <= std::max(n, 0); ++i) {
            auto member = std::make_unique<C1PlotTraeger>();
            member->SetPlot(z.plot.get());
            member->SetMode(0);
            z.members.push_back(std::move(member));
            z.curves1.push_back(std::make_unique<ZustandsLinie>());
            z.curves2.push_back(std::make_unique<ZustandsLinie>());
        }
    } catch (...) {
        z.plot.reset();
        z.metafile.reset();
        ReleaseTables();
        result = 0;
    }
    z.n = n;
    z.insertMode = insertMode;
    z.pageWidth = pageWidthMm;
    z.pageHeight = pageHeightMm;
    z.fileName = fileName;
    z.cadName = cadName;
    return result;
}

int Plot_Close(int insert) {
    PlotZustand& z = Z();
    z.plot.reset();
    for (auto& member : z.members) {
        member->SetPlot(nullptr);
    }
    int token = 0;
    if (!z.fileName.empty() && z.metafile) {
        const QEL_HENHMETAFILE handle = QEL_CloseEnhMetaFile(*z.metafile, z.fileName);
        z.metafile.reset();
        if (handle != 0 && insert != 0) {
            // Inserted as a file or by handle, the report takes the same bytes: those kept
            // under the handle, so that the file is not read back.
            QELRTFX_InsertMetafile(handle, z.pageWidth * kCmPerMm, z.pageHeight * kCmPerMm);
        }
        QEL_DeleteEnhMetaFile(handle);
        token = handle != 0 ? 1 : 0;
    }
    if (!z.cadName.empty()) {
        CadHookOutput(z.cadName, "");
    }
    return token;
}

int Plot_SetOrigin(float x0, float y0) {
    return WithPlot("Plot_SetOrigin", [&](C1Plot& p) {
        p.SetOrigin(x0, y0);
        return 1;
    });
}

int Plot_MoveTo(float x, float y) {
    return WithPlot("Plot_MoveTo", [&](C1Plot& p) { return p.MoveToD(x, y); });
}

int Plot_LineTo(float x, float y) {
    return WithPlot("Plot_LineTo", [&](C1Plot& p) { return p.LineToD(x, y); });
}

int Plot_Arc(float x1, float y1, float x2, float y2, float xs, float ys, float xe, float ye) {
    return WithPlot("Plot_Arc", [&](C1Plot& p) { return p.ArcD(x1, y1, x2, y2, xs, ys, xe, ye); });
}

int Plot_Polygon(const float* x, const float* y, int count) {
    if (x == nullptr || y == nullptr || count < 1) {
        return 0;
    }
    return WithPlot("Plot_Polygon", [&](C1Plot& p) {
        std::vector<C1DPoint> points;
        for (int i = 0; i < count; ++i) {
            points.push_back({x[i], y[i]});
        }
        return p.PlotPolygonD(points.data(), count);
    });
}

int Plot_Ellipse(float x1, float y1, float x2, float y2, int flag) {
    return WithPlot("Plot_Ellipse", [&](C1Plot& p) { return p.EllipseD(x1, y1, x2, y2, flag); });
}

int Plot_Text(float x1, float y1, float x2, float y2, const char* text, float heightFactor,
              int collision, int align, int bold, float offsetAlong, float offsetAcross,
              int lower) {
    return WithPlot("Plot_Text", [&](C1Plot& p) {
        const int height = FontHeight(p, heightFactor);
        const int across = W(offsetAcross) - (lower != 0 ? height : 0);
        return p.PlotTextLine(W(x1), W(y1), W(x2), W(y2), Text(text), height, collision, align,
                              bold, W(offsetAlong), across)
                   ? 1
                   : 0;
    });
}

int Plot_TextD(float x, float y, const char* text) {
    return WithPlot("Plot_TextD", [&](C1Plot& p) { return p.PlotTextD(x, y, Text(text)) ? 1 : 0; });
}

int Plot_TextAt(float x, float y, float angle, const char* text, float heightFactor, int collision,
                int align, int bold, float offsetAlong, float offsetAcross, int lower) {
    return WithPlot("Plot_TextAt", [&](C1Plot& p) {
        const int height = FontHeight(p, heightFactor);
        const int across = W(offsetAcross) - (lower != 0 ? height : 0);
        return p.PlotTextAt(W(x), W(y), angle, Text(text), height, collision, align, bold,
                            W(offsetAlong), across)
                   ? 1
                   : 0;
    });
}

int Plot_GetTextExtent(const char* text, float* width, float* height) {
    return WithPlot("Plot_GetTextExtent", [&](C1Plot& p) {
        C1Box rect{0, 0, 0, 0};
        const int result = p.GetTextExtent(Text(text), rect, 0);
        if (width != nullptr) {
            *width = static_cast<float>((rect.right - rect.left) * 1e-4);
        }
        if (height != nullptr) {
            *height = static_cast<float>((rect.bottom - rect.top) * 1e-4);
        }
        return result;
    });
}

int Plot_Zahl(float x1, float y1, float x2, float y2, float value, float heightFactor, float offset,
              const char* text) {
    return WithPlot("Plot_Zahl", [&](C1Plot& p) {
        p.PlotZahl({W(x1), W(y1)}, {W(x2), W(y2)}, value, FontHeight(p, heightFactor), W(offset),
                   Text(text));
        return 1;
    });
}

int Plot_ZahlAnLinie(float x1, float, float x2, float, float value, float heightFactor, float,
                     float b, const char* text) {
    return WithPlot("Plot_ZahlAnLinie", [&](C1Plot& p) {
        p.PlotZahlX(W(x1), W(x2), W(b), value, FontHeight(p, heightFactor), Text(text));
        return 1;
    });
}

int Plot_ZahlAnLinie2(float, float y1, float, float y2, float value, float heightFactor, float a,
                      float, const char* text) {
    return WithPlot("Plot_ZahlAnLinie2", [&](C1Plot& p) {
        p.PlotZahlY(W(y1), W(y2), W(a), value, FontHeight(p, heightFactor), Text(text));
        return 1;
    });
}

int Plot_AuflBitmap(int symbol, float x1, float y1, float x2, float y2) {
    return WithPlot("Plot_AuflBitmap",
                    [&](C1Plot& p) { return p.PlotAuflager(symbol, W(x1), W(y1), W(x2), W(y2)); });
}

int Plot_Bitmap(const char* name, float x1, float y1, float x2, float y2) {
    return WithPlot("Plot_Bitmap", [&](C1Plot& p) {
        return p.PlotBitmap(Text(name), W(x1), W(y1), W(x2), W(y2)) ? 1 : 0;
    });
}

int Plot_SelectPen(int thick, int colour, int solid) {
    return WithPlot("Plot_SelectPen", [&](C1Plot& p) {
        return p.SelectPenStd(thick, colour, solid) != nullptr ? 1 : 0;
    });
}

int Plot_SelectPenEx(int width, int colourIndex, int, int, int colour, int solid) {
    return WithPlot("Plot_SelectPenEx", [&](C1Plot& p) {
        return p.SelectPen(width, static_cast<unsigned>(colourIndex),
                           static_cast<COLORREF>(colour & 0xFF), solid) != nullptr
                   ? 1
                   : 0;
    });
}

int Plot_SelectBrush(int fillType) {
    return WithPlot("Plot_SelectBrush",
                    [&](C1Plot& p) { return p.SelectFillBrush(fillType) != nullptr ? 1 : 0; });
}

int Plot_SelectBrushRGB(int index, int r, int g, int b, const void* pattern) {
    return WithPlot("Plot_SelectBrushRGB", [&](C1Plot& p) {
        const COLORREF colour = (static_cast<COLORREF>(r) & 0xFF) |
                                ((static_cast<COLORREF>(g) & 0xFF) << 8) |
                                ((static_cast<COLORREF>(b) & 0xFF) << 16);
        return p.SelectBrush(static_cast<unsigned>(index), colour,
                             static_cast<const EmfDib*>(pattern)) != nullptr
                   ? 1
                   : 0;
    });
}

int Plot_SelectFont(float heightFactor, float angle, int bold, int underline) {
    return WithPlot("Plot_SelectFont", [&](C1Plot& p) {
        return p.SelectFontRel(heightFactor, angle, bold, underline) != nullptr ? 1 : 0;
    });
}

int Plot_SelectFontEx(int height, float angle, int bold, int underline) {
    return WithPlot("Plot_SelectFontEx", [&](C1Plot& p) {
        return p.SelectFont(height, angle, bold, underline) != nullptr ? 1 : 0;
    });
}

int Plot_SelectStockBrush(int code) {
    static const int kStock[7] = {-1,
                                  kStockNullBrush,
                                  kStockWhiteBrush,
                                  kStockBlackBrush,
                                  kStockDarkGrayBrush,
                                  kStockLightGrayBrush,
                                  kStockGrayBrush};
    return WithPlot("Plot_SelectStockBrush", [&](C1Plot& p) {
        const int index = code >= 1 && code <= 6 ? kStock[code] : code;
        return p.SelectStockBrush(index) != nullptr ? 1 : 0;
    });
}

int Plot_SelectStockPen(int code) {
    static const int kStock[4] = {-1, kStockNullPen, kStockWhitePen, kStockBlackPen};
    return WithPlot("Plot_SelectStockPen", [&](C1Plot& p) {
        const int index = code >= 1 && code <= 3 ? kStock[code] : code;
        return p.SelectStockPen2(index) != nullptr ? 1 : 0;
    });
}

int Plot_PopPen() {
    return WithPlot("Plot_PopPen", [](C1Plot& p) { return p.PopPen() != nullptr ? 1 : 0; });
}

int Plot_PopBrush() {
    return WithPlot("Plot_PopBrush", [](C1Plot& p) { return p.PopBrush() != nullptr ? 1 : 0; });
}

int Plot_PopFont() {
    return WithPlot("Plot_PopFont", [](C1Plot& p) { return p.PopFont() != nullptr ? 1 : 0; });
}

int Plot_Frame(float factor) {
    return WithPlot("Plot_Frame", [&](C1Plot& p) { return p.PlotFrame(factor); });
}

int Plot_FrameMargins(float left, float bottom, float right, float top) {
    return WithPlot("Plot_FrameMargins",
                    [&](C1Plot& p) { return p.PlotFrameMargins(left, bottom, right, top); });
}

int Plot_GetExtent(float* minX, float* maxX, float* maxY, float* minY) {
    return WithPlot("Plot_GetExtent", [&](C1Plot& p) {
        const C1Box box = p.GetBox();
        const auto set = [](float* out, int v) {
            if (out != nullptr) {
                *out = static_cast<float>(v * 1e-4);
            }
        };
        set(minX, box.left);
        set(maxX, box.right);
        set(maxY, box.bottom);
        set(minY, box.top);
        return 1;
    });
}

int Plot_FreeDaten() {
    for (auto& member : Z().members) {
        member->SetPlot(nullptr);
    }
    ReleaseTables();
    return 1;
}
