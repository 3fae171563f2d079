#pragma once

// The plot layer: free functions through which a picture of a run draws, over one
// process-wide state. Plot_Init opens a picture as a metafile in the temporary folder
// with a drawing engine on it, the wrappers draw in metres, Plot_Close ends the
// metafile and puts it into the report. Without an open picture every wrapper does
// nothing and returns 0.

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

// The engine of the open picture (null when none) and the per-diagram data.
C1Plot* Plot_Current();
C1PlotTraeger* Plot_Member(int i);
std::string Plot_FileName();
