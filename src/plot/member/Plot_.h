#pragma once

// src/plot/member: the member plot, its pages and the plot layers the pictures of a run draw
// through. It uses the other folders of src/plot, the beam's loads and the host's helpers.

// The plot layer: free functions through which a picture of a run draws, over one
// process-wide state. Plot_Init opens a picture as a metafile in the temporary folder
// with a drawing engine on it, the wrappers draw in metres, Plot_Close ends the
// metafile and puts it into the report. Without an open picture every wrapper does
// nothing and returns 0. A wrapper whose coordinate the engine refuses (not a finite
// number, or beyond its world) drops the picture and returns 0: the error goes to the
// trace, and no picture goes into the report.

#include <functional>
#include <string>

class C1Plot;
class C1PlotTraeger;
class ZustandsLinie;

// 1 when the picture is open (or, without a file, computed only); 0 when its engine
// could not be set up: then no picture is open.
int Plot_Init(int n, float charHeight, float charWidth, const char* text, float worldWidth,
              float worldHeight, float pageWidthMm, float pageHeightMm, int insertMode,
              int makeFile, int cad, const char* name);
// Ends the picture; with insert not 0 the report takes it. A non-zero token when a
// metafile was written (its handle is already released), else 0.
int Plot_Close(int insert);
int Plot_SetOrigin(float x0, float y0);

int Plot_MoveTo(float x, float y);
int Plot_LineTo(float x, float y);
int Plot_Arc(float x1, float y1, float x2, float y2, float xs, float ys, float xe, float ye);
int Plot_Polygon(const float* x, const float* y, int count);
int Plot_Ellipse(float x1, float y1, float x2, float y2, int flag);
int Plot_Text(float x1, float y1, float x2, float y2, const char* text, float heightFactor,
              int collision, int align, int bold, float offsetAlong, float offsetAcross, int lower);
int Plot_TextD(float x, float y, const char* text);
int Plot_TextAt(float x, float y, float angle, const char* text, float heightFactor, int collision,
                int align, int bold, float offsetAlong, float offsetAcross, int lower);
int Plot_GetTextExtent(const char* text, float* width, float* height);
int Plot_Zahl(float x1, float y1, float x2, float y2, float value, float heightFactor, float offset,
              const char* text);
int Plot_ZahlAnLinie(float x1, float y1, float x2, float y2, float value, float heightFactor,
                     float a, float b, const char* text);
int Plot_ZahlAnLinie2(float x1, float y1, float x2, float y2, float value, float heightFactor,
                      float a, float b, const char* text);
int Plot_AuflBitmap(int symbol, float x1, float y1, float x2, float y2);
int Plot_Bitmap(const char* name, float x1, float y1, float x2, float y2);
int Plot_SelectPen(int thick, int colour, int solid);
int Plot_SelectPenEx(int width, int colourIndex, int, int, int colour, int solid);
int Plot_SelectBrush(int fillType);
int Plot_SelectBrushRGB(int index, int r, int g, int b, const void* pattern);
int Plot_SelectFont(float heightFactor, float angle, int bold, int underline);
int Plot_SelectFontEx(int height, float angle, int bold, int underline);
int Plot_SelectStockBrush(int code);
int Plot_SelectStockPen(int code);
int Plot_PopPen();
int Plot_PopBrush();
int Plot_PopFont();
int Plot_Frame(float factor);
int Plot_FrameMargins(float left, float bottom, float right, float top);
int Plot_GetExtent(float* minX, float* maxX, float* maxY, float* minY);
int Plot_FreeDaten();

// The member diagrams of the open picture, numbered 1 to n as Plot_Init made them;
// each returns 0 for a number outside 1..n and changes nothing then.
int Plot_SetAufl(int i, int number, const char* text, float x, int code1, int code2, int code3,
                 float value1, float value2, float value3, float value4, float value5, int i1,
                 int i2, float spring1, float spring2);
int Plot_SetBettung(int i, float start, float length, float value);
int Plot_SetGele(int i, float x);
int Plot_SetLast(int i, int kind, int span, float a, float b, float q1, float q2, int variable,
                 int loadCase, const char* label, const char* text, int flag);
int Plot_SetQuer(int i, int index, float xa, float xe, const char* name, int designType, int shape,
                 int iProf, int axis, const float* dims, float hz, float w1, float w2, float w3,
                 float w4);
int Plot_SetZ(int i, int curve, float x, float z);
int Plot_Last(int i, float x1, float y1, float x2, float y2, int drawKind, int what, int dimMode,
              int scaled, int perLoadCase);
int Plot_Quer(int i, float x1, float y1, float x2, float y2, int type, int p7, int p8);
int Plot_ZLinie(int i, float x1, float y1, float x2, float y2, int useCurve1, int useCurve2,
                int fill1, int fill2, int labels1, int labels2, int signedLabels);

// The engine of the open picture (null when none) and the per-diagram data.
C1Plot* Plot_Current();
C1PlotTraeger* Plot_Member(int i);
// Curve 1 or 2 of diagram i (null when there is none).
ZustandsLinie* Plot_Kurve(int i, int curve);
// The number of member diagrams of the open picture.
int Plot_DiagramCount();
std::string Plot_FileName();
// A coordinate of the wrappers that convert themselves: the float times 10000 in
// single precision, truncated, the origin not subtracted; refused like every
// conversion of the engine.
int Plot_WorldUnits(float v);
// Runs a drawing of the open picture. A coordinate the engine refuses (not a finite
// number, or beyond its world) drops the picture: the error goes to the trace with the
// function's name, nothing more is drawn, Plot_Close puts no picture into the report,
// and the result is `dropped`. Every other exception passes.
int Plot_Guarded(const char* function, int dropped, const std::function<int()>& draw);
