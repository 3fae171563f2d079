#include "plot/engine/CadHook.h"

namespace {
long g_calls = 0;
} // namespace

int CadHookInit(int) {
    ++g_calls;
    return 1;
}
void CadHookMoveTo(double, double) {
    ++g_calls;
}
void CadHookLineTo(double, double, int, int) {
    ++g_calls;
}
void CadHookArc(double, double, double, double, double, int, int) {
    ++g_calls;
}
void CadHookPolygon(int, const double*, const double*, int) {
    ++g_calls;
}
void CadHookText(double, double, double, double, int, const std::string&) {
    ++g_calls;
}
double CadHookTextWidth(const std::string&, double) {
    ++g_calls;
    return 0.0;
}
void CadHookBitmap(double, double, double, double, double, const std::string&) {
    ++g_calls;
}
int CadHookOutput(const std::string&, const std::string&) {
    ++g_calls;
    return 1;
}
long CadHookCallCount() {
    return g_calls;
}
