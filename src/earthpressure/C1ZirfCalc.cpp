// PROVISIONAL: stand-ins for the soil model's operations until its class arrives.

#include "earthpressure/C1ZirfCalc.h"

C1ZirfCalc::C1ZirfCalc(C1ZirfInput* input, C1Traeger* traeger) : pInput(input), pTraeger(traeger) {}

int C1ZirfCalc::ExtendLetzteSchicht() {
    return 1;
}
int C1ZirfCalc::CalcWasserdruckFuss(int) {
    return 0;
}
int C1ZirfCalc::CalcGleitlinie() {
    return 1;
}
int C1ZirfCalc::CalcReibungslinie() {
    return 1;
}
int C1ZirfCalc::CalcBlocklast(int) {
    return 1;
}
int C1ZirfCalc::CalcLinienlast(int) {
    return 1;
}
int C1ZirfCalc::CalcUmlagerung(int) {
    return 1;
}
int C1ZirfCalc::CalcUmlagerungBlock(int) {
    return 1;
}
