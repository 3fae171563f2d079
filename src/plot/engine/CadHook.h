#pragma once

// The interface through which a drawing can be handed to an external CAD program,
// coordinates in the caller's units with y up. This module has no CAD export: every
// operation does nothing and gives the neutral result. The count of calls lets a
// test see whether the engine used the interface.

#include <string>

int CadHookInit(int source);
void CadHookMoveTo(double x, double y);
void CadHookLineTo(double x, double y, int colour, int solid);
void CadHookArc(double cx, double cy, double radius, double start, double end, int colour,
                int penIndex);
void CadHookPolygon(int n, const double* x, const double* y, int colour);
void CadHookText(double x, double y, double angle, double height, int colour,
                 const std::string& text);
double CadHookTextWidth(const std::string& text, double height);
void CadHookBitmap(double x, double y, double width, double height, double angle,
                   const std::string& name);
int CadHookOutput(const std::string& name, const std::string& second);

// Calls of the interface since the process started.
long CadHookCallCount();
