#pragma once

// The member-plot layer: free functions over one process-wide member plot with three
// member slots and two result curves. Pictures are drawn into metafile files and
// handed back by handle; no error leaves a function (it goes to the trace with the
// function's name and what the error says). A picture whose drawing failed, a
// coordinate that the engine refused among them, gives no handle and leaves no file.

#include "platform/EmfHandles.h"
#include "platform/QEDOM.h"

#include <string>

class C1Exception;
class C1Plot;
class C1PlotT;
class ZustandsLinie;

int PlotT_Init(int mode, float charHeight, float charWidth, int option);
int PlotT_InitExtern(int mode, int, int, C1PlotT* plot, ZustandsLinie* curve1,
                     ZustandsLinie* curve2);
int PlotT_Close();

int PlotT_SetAufl(int slot, int number, const char* text, float x, int code1, int code2, int code3,
                  float value1, float value2, float value3, float value4, float value5, int i1,
                  int i2, float spring1, float spring2);
int PlotT_SetBettung(int slot, float start, float length, float value);
int PlotT_SetGele(int slot, float x);
int PlotT_SetLoch(int number, int kind, float value1, float value2, float value3, float value4);
int PlotT_SetQuer(int index, float xa, float xe, const char* name, int designType, int shape,
                  int iProf, int axis, const float* dims, float hz, float w1, float w2, float w3,
                  float w4);
int PlotT_SetLast(int slot, int kind, int span, float a, float b, float q1, float q2, int variable,
                  int loadCase, const char* label, const char* text, int flag);
int PlotT_SetZ(int curve, float x, float z);
// Marks the value of a curve at x to be labelled besides its extremes; with `text` that
// text is the label (the value as a report's table prints it); `richtung` 1 runs it
// toward the member's end, 2 toward its start where that is free, 0 either.
int PlotT_SetZMarke(int curve, float x, const char* text = nullptr, int richtung = 0);
int PlotT_ResetZ();
int PlotT_ClearDaten();
int PlotT_SetFuellfarbe1(int colour);
int PlotT_SetFuellfarbe2(int colour);
int PlotT_SetOutputMode(int mode);

QEL_HENHMETAFILE PlotT_Last(int slot, const char* title, float widthMm, float heightMm, int option,
                            int dimMode, int scaled, int perLoadCase, const char* file,
                            const char* cadName, C1Plot* plot);
QEL_HENHMETAFILE PlotT_LastFile(int slot, const char* title, float widthMm, float heightMm,
                                int option, int dimMode, int scaled, int perLoadCase,
                                const char* file, const char* cadName);
QEL_HENHMETAFILE PlotT_Quer(int slot, const char* title, float widthMm, float heightMm, int option,
                            int view, int unused, int keepOrder, const char* file,
                            const char* cadName, C1Plot* plot);
QEL_HENHMETAFILE PlotT_QuerFile(int slot, const char* title, float widthMm, float heightMm,
                                int option, int view, int unused, int keepOrder, const char* file,
                                const char* cadName);
QEL_HENHMETAFILE PlotT_ZHistogramm(int slot, int, int, int fill1, int fill2, int labels1,
                                   int labels2, int signedLabels, const char* title, float widthMm,
                                   float heightMm, int option, const char* file,
                                   const char* cadName);
QEL_HENHMETAFILE PlotT_ZLinie(int slot, int useCurve1, int useCurve2, int fill1, int fill2,
                              int labels1, int labels2, int signedLabels, const char* title,
                              float widthMm, float heightMm, int option, const char* file,
                              const char* cadName, QEDOM_HANDLE element, const char* xmlTitle,
                              const char* unit, int isDefault);
int PlotT_DeleteEmf(QEL_HENHMETAFILE handle);
int PlotT_Error(int, const char* text, int flag);
// The text the plot layers report a caught error with: "Fehler in " and the function,
// then, for an error of the module, where it arose and what it says.
std::string PlotFehlerText(const char* function, const C1Exception* e);

// The layer's current member plot and curves (null before PlotT_Init).
C1PlotT* PlotT_Current();
ZustandsLinie* PlotT_Curve(int curve);
