#pragma once

// src/plot/engine: the drawing engine of one picture and its tools. It uses the platform,
// src/geometry and the host's C1Exception and Numerik, never another folder of src/plot.

// The drawing engine of one picture: page set-up and the conversion from the
// caller's units (metres) to world units (1/10000 of a metre, y down) and to device
// units (the page's limiting side 1000 units long), the bounding box of what was
// drawn, the table of pens, brushes and fonts with their selection stacks, the
// colour table, the picture library, the boxes of placed texts and the drawing
// objects of the page. It draws into a metafile that its creator owns.

#include "platform/BitmapRegistry.h"
#include "platform/EmfWriter.h"
#include "plot/engine/C1GdiObj.h"
#include "plot/engine/C1Punkt.h"
#include "plot/engine/C1Rect.h"
#include "plot/engine/C1Sperrlinien.h"
#include "plot/engine/C1TextRects.h"
#include "plot/engine/C1ZeichenObj.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

class C1LastLevels;

class C1Plot {
public:
    static constexpr int MAX_GDI = 1000;
    static constexpr int MAX_RECT = 100;
    static constexpr int kTextBoxes = 100;
    static constexpr int kColours = 16;
    static constexpr int kEmptyBoxMin = 100000;
    static constexpr int kEmptyBoxMax = -100000;
    static constexpr double kWorldPerUnit = 10000.0;
    static constexpr int kNoPrevious = -1000000000;

    C1Plot(EmfWriter* target, double worldW, double worldH, int devW, int devH, double scaleValue,
           double charH, double charW, int draw, int hook, int mode, int mapMode);
    ~C1Plot();
    C1Plot(const C1Plot&) = delete;
    C1Plot& operator=(const C1Plot&) = delete;

    // --- page and coordinates ---------------------------------------------------
    // 0 when the page was refused (no target, or extents or page sizes that give no
    // scale): such an engine draws nothing.
    int IsPageSet() const { return bPageSet; }
    C1Punkt ToWorld(double x, double y) const;
    // A length in caller units as world units, truncated. Like every conversion of
    // the engine to world or device units it refuses (C1Exception) a value that is not
    // a finite number or lies beyond the world's range, instead of drawing elsewhere.
    static int WorldUnits(double v);
    // A value already in world units, truncated; refused like the above.
    static int WorldInt(double w);
    int ToDevice(int v) const;
    C1Punkt ToDevice(C1Punkt p) const;
    C1Box ToDevice(const C1Box& r) const;
    // The bounding box; (100000, -100000, 100000, -100000) while nothing was drawn.
    bool IsBoxEmpty() const { return bBoxEmpty; }
    C1Box GetBox() const { return {iMinX, iMinY, iMaxX, iMaxY}; }
    int GetWorldW() const { return iWorldW; }
    int GetWorldH() const { return iWorldH; }
    int GetCharH() const { return iCharH; }
    int GetCharW() const { return iCharW; }
    int GetMode() const { return iMode; }
    void SetOrigin(double x, double y) {
        dOriginX = x;
        dOriginY = y;
    }

    int GetCurrentGdiIndex(int kind) const;
    int SetROP2(int mode);
    int SetBkMode(int mode);
    void SetFuellfarbe1(COLORREF c) { Fuellfarbe1 = c; }
    void SetFuellfarbe2(COLORREF c) { Fuellfarbe2 = c; }
    void SetThickPens(int on) { bThickPens = static_cast<unsigned char>(on != 0); }
    C1Rect GetLastZahlRect() const { return LastZahlRect; }
    C1Rect GetLastTextRect() const { return LastTextRect; }
    int PreloadGdi();

    // --- pens, brushes, fonts, colours -------------------------------------------
    const C1GdiObj* SelectPen(int width, unsigned colourIndex, COLORREF colour, int solid);
    const C1GdiObj* SelectPenStd(int thick, int colourIndex, int solid);
    const C1GdiObj* SelectBrush(unsigned colourIndex, COLORREF colour, const EmfDib* pattern);
    const C1GdiObj* SelectFillBrush(int fillType);
    const C1GdiObj* SelectFont(int height, double angle, int bold, int underline);
    const C1GdiObj* SelectFontRel(double factor, double angle, int bold, int underline);
    const C1GdiObj* SelectStockBrush(int stockIndex);
    const C1GdiObj* SelectStockPen2(int stockIndex);
    const C1GdiObj* PopPen();
    const C1GdiObj* PopBrush();
    const C1GdiObj* PopFont();
    // Fills the colour table from qel.ini (defaults where it says nothing); 1.
    static int ReadFarben(int* flags, COLORREF* colours);
    COLORREF GetFarbe(int index) const { return Farben[index & 15]; }
    int GetFarbFlag(int index) const { return FarbFlag[index & 15]; }
    int GetGdiCount() const { return nGDI + 1; }
    const C1GdiObj& GetGdi(int i) const { return GDI.at(static_cast<std::size_t>(i)); }
    int GetStackTop(int kind) const;

    // --- primitives --------------------------------------------------------------
    int MoveTo(int x, int y);
    int LineTo(int x, int y);
    int MoveToD(double x, double y);
    int LineToD(double x, double y);
    // The same in caller units; an int call keeps to the world forms above.
    int MoveTo(double x, double y) { return MoveToD(x, y); }
    int LineTo(double x, double y) { return LineToD(x, y); }
    int PlotDot(int x, int y);
    int PlotLine(int x1, int y1, int x2, int y2, int width, unsigned colourIndex, COLORREF colour);
    int PlotPoint(int x, int y, int size, int width, unsigned colourIndex, COLORREF colour);
    int Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye);
    int ArcD(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye);
    int Pie(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye);
    int PieD(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye);
    int Ellipse(int x1, int y1, int x2, int y2, int flag);
    int EllipseD(double x1, double y1, double x2, double y2, int flag);
    int PlotPolygon(const C1Punkt* points, int n);
    int PlotPolygonD(const C1DPoint* points, int n);
    int PlotRectangle(int x1, int y1, int x2, int y2);
    int PlotRectangleD(double x1, double y1, double x2, double y2);
    int PlotFrame(double factor);
    int PlotFrameMargins(double left, double bottom, double right, double top);
    int PlotBand(int x1, int y1, int x2, int y2, int l, int offset, int b, int c, int type,
                 C1Punkt& p1, C1Punkt& p2, C1Punkt& p3, C1Punkt& p4);
    int PlotBand2(int x1, int y1, int x2, int y2, int l, int offset, int c, int b, int type,
                  C1Punkt& p1, C1Punkt& p2, C1Punkt& p3, C1Punkt& p4);
    int PlotArrow(int x1, int y1, int x2, int y2, int xt, int yt, int b, int type, int kind);
    int PlotArrowLine(int x1, int y1, int x2, int y2, char direction, int width, int fillType);
    int PlotArrowBlock(int x1, int y1, int x2, int y2, char direction, int width, int fillType);
    const EmfDib* LoadBitmap(const std::string& name) const;
    bool PlotBitmap(const std::string& name, int left, int top, int right, int bottom);
    int PlotAuflager(int n, int left, int top, int right, int bottom);
    int ThickWidth(int width) const;
    C1Punkt MapToMetafile(int x, int y, int wx1, int wy1, int wx2, int wy2, int useFactor) const;
    C1Rect GetLastBitmapRect() const { return LastBitmapRect; }
    C1Rect GetLastLastRect() const { return LastLastRect; }

    // --- value labels ------------------------------------------------------------
    // A dimension line from P1 to P2 shifted by offset across, with end marks and the
    // value (or the text) along it; returns the shifted start, or (0, 0) when nothing
    // is drawn (a value of 0 without a text).
    C1Punkt PlotZahl(C1Punkt p1, C1Punkt p2, double value, int size, int offset,
                     const std::string& text);
    // Horizontal from (x1, b) to (x2, b), and vertical from (a, y1) to (a, y2).
    C1Punkt PlotZahlX(int x1, int x2, int b, double value, int size, const std::string& text);
    C1Punkt PlotZahlY(int y1, int y2, int a, double value, int size, const std::string& text);
    C1Punkt PlotZahlD(double x1, double y1, double x2, double y2, double value, int size,
                      int offset, const std::string& text);
    // The part of P -> Q across the reference line (its length |PQ| sin of the angle
    // between them), laid off from P along the reference direction (AnLinie2: across
    // it) and labelled from P (end code 1) or towards P (end code 2).
    C1Punkt PlotZahlAnLinie(C1Punkt r1, C1Punkt r2, C1Punkt p, C1Punkt q, double value, int size,
                            int offset, int endCode, const std::string& text);
    C1Punkt PlotZahlAnLinie2(C1Punkt r1, C1Punkt r2, C1Punkt p, C1Punkt q, double value, int size,
                             int offset, int endCode, const std::string& text);

    // --- load symbols ------------------------------------------------------------
    // One load of a member beside the member line P1 -> P2 (world) of the given
    // length (caller units): a band, block, arrow, moment arc or settlement symbol by
    // its type, with its texts; returns the gap it was drawn at (1 for 0), or the
    // given gap when the load lies outside the member.
    int PlotLast(int slot, int type, int x1, int y1, int x2, int y2, double length,
                 const std::string& text1, const std::string& text2, double q1, double q2, double a,
                 double c, int gap, int step, int height, double qmax, int fontH,
                 C1LastLevels& levels, int fillType, int side, int useLevels);
    // The drawings of one outline q (base start, top start, base end, top end).
    int PlotBandValues(const C1Punkt q[4], double q1, double q2, const std::string& t1,
                       const std::string& t2, int fontH, int fillType, int arrows);
    int PlotBlockText(const C1Punkt q[4], const std::string& text, int fontH, int fillType);
    int PlotMoment(const C1Punkt q[4], double value, const std::string& t1, const std::string& t2,
                   int fontH);
    int PlotSenkung(const C1Punkt q[4], const std::string& text, int fontH);
    int PlotTwoTexts(const C1Punkt q[4], double q1, double q2, const std::string& t1,
                     const std::string& t2, int fontH);
    // A block arrow at x along the member line, as long as the height (scaled by value
    // over maximum when there is one), with its text beside its start.
    int PlotArrowText(int number, int x1, int y1, int x2, int y2, double length,
                      const std::string& text, double value, double x, int height, double maximum,
                      int fontH, int fillType);
    // A filled arrow with its tip at T, turned by the angle, its ends marked, its text
    // along it.
    int PlotArrowText2(int xt, int yt, double angle, int length, int width, const std::string& text,
                       int fontH, int fillType);
    // Forgets the previous band, so that a new member labels its first band.
    void ResetPrevBand() {
        iPrevX = kNoPrevious;
        iPrevY = kNoPrevious;
        dPrevValue = 0.0;
    }

    // --- texts and drawing objects -----------------------------------------------
    int GetTextExtent(const std::string& text, C1Box& rect, int format);
    int GetTextExtentD(const std::string& text, double left, double top, double right,
                       double bottom, C1Box& rect, int format);
    int GetTextWidth(const std::string& text, int height);
    bool PlotText(int x, int y, const std::string& text);
    bool PlotTextD(double x, double y, const std::string& text);
    int PlotTextAligned(int slot, int x, int y, const std::string& text, int step, int align,
                        double margin);
    bool PlotTextLine(int x1, int y1, int x2, int y2, const std::string& text, int height,
                      int collision, int align, int bold, int offsetAlong, int offsetAcross);
    bool PlotTextAt(int x, int y, double angle, const std::string& text, int height, int collision,
                    int align, int bold, int offsetAlong, int offsetAcross);
    C1TextRects& GetTextRects() { return TextRects; }
    // The clear space (world units) a text that tests for collisions keeps around it, so
    // that two such texts never run together; 0 by default.
    void SetTextAbstand(int abstand) { textAbstand = abstand; }
    int GetTextAbstand() const { return textAbstand; }
    // The drawn lines that such texts keep clear of besides the other texts (a result
    // curve and its leader lines); `meiden` false: only the other texts count.
    C1Sperrlinien& GetSperrlinien() { return sperrlinien; }
    void SetLinienMeiden(bool meiden) { linienMeiden = meiden; }
    C1Box GetTextBox(int slot) const { return TextBox.at(static_cast<std::size_t>(slot)); }

    int AddZeichenObj(int iArt, int iRow, int iCol, const C1Rect& rect);
    const C1ZeichenObj* FindZeichenObj(int iArt, int iRow) const;
    int ReplaceZeichenObj(int iArt, int iRow, const C1ZeichenObj& obj);
    const C1ZeichenObj* HitZeichenObj(int x, int y) const;
    void DumpZeichenObj(std::FILE* file, const std::string& title) const;
    static void DumpZeichenObj(std::FILE* file, const C1ZeichenObj& obj);
    int GetZeichenObjCount() const { return nZeichenObj; }
    const std::vector<C1ZeichenObj>& GetZeichenObjList() const { return ZeichenObjList; }

    // Fields the plot layers read and set directly.
    double dOriginX = 0.0;
    double dOriginY = 0.0;
    int iMinX = kEmptyBoxMin;
    int iMaxX = kEmptyBoxMax;
    int iMinY = kEmptyBoxMin;
    int iMaxY = kEmptyBoxMax;
    int iPrevX = kNoPrevious;
    int iPrevY = kNoPrevious;
    double dPrevValue = 0.0;
    C1Rect LastRect[MAX_RECT];
    C1Rect LastZahlRect;
    C1Rect LastLastRect;
    C1Rect LastBitmapRect;
    C1Rect LastTextRect;

private:
    int SetUpPage(EmfWriter* target, double worldW, double worldH, int devW, int devH,
                  double scaleValue, double charH, double charW, int draw, int hook, int mode,
                  int mapMode);
    int RefusePage();
    void Extend(int x, int y);
    bool Drawing() const { return bDraw != 0 && pDC != nullptr; }
    const C1GdiObj* Select(const C1GdiObj& request, std::vector<int>& stack, int& top,
                           const char* method, const char* tableFull, const char* stackFull);
    const C1GdiObj* Pop(std::vector<int>& stack, int& top, const C1GdiObj*& current);
    COLORREF Colour(unsigned index, COLORREF colour) const;
    int CadColour(const C1GdiObj* entry, int fallback) const;
    int PenCadColour() const;
    int BrushCadColour() const;
    bool HasPen() const { return iPenStack >= 0 && pPen != nullptr; }
    bool HasBrush() const { return iBrushStack >= 0 && pBrush != nullptr; }
    bool HasFont() const { return iFontStack >= 0 && pFont != nullptr; }
    void HookPolygon(const std::vector<C1Punkt>& points);
    double Caller(int v) const { return v * 1e-4; }
    TextFont MeasureFont() const;
    void DeleteGdiObjects();

    EmfWriter* pDC = nullptr;
    int bPageSet = 0;
    int iWorldW = 10000;
    int iWorldH = 10000;
    int iCharH = 0;
    int iCharW = 0;
    double dScaleValue = 0.0;
    double dScale = 0.0;
    int iCurX = 0;
    int iCurY = 0;
    bool bBoxEmpty = true;
    int iMode = 0;
    int bDraw = 0;
    int bHook = 0;
    int iPage = -1;
    int FarbFlag[kColours] = {};
    COLORREF Farben[kColours] = {};
    int nGDI = -1;
    std::array<C1Box, kTextBoxes> TextBox{};
    std::vector<C1GdiObj> GDI;
    const C1GdiObj* pPen = nullptr;
    const C1GdiObj* pBrush = nullptr;
    const C1GdiObj* pFont = nullptr;
    int iPenStack = -1;
    int iBrushStack = -1;
    int iFontStack = -1;
    std::vector<int> PenStack;
    std::vector<int> BrushStack;
    std::vector<int> FontStack;
    const QEL_PlotLib* hPlotLib = nullptr;
    int iCadPenColour = 7;
    int iCadBrushColour = 253;
    int iCadTextColour = 7;
    C1TextRects TextRects;
    int textAbstand = 0;
    C1Sperrlinien sperrlinien;
    bool linienMeiden = true;
    int nZeichenObj = 0;
    std::vector<C1ZeichenObj> ZeichenObjList;
    COLORREF Fuellfarbe1 = 0xFFDAB5;
    COLORREF Fuellfarbe2 = 0xFFF2E6;
    unsigned char bThickPens = 0;
};
