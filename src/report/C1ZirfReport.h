#pragma once

class C1QEL;
class C1RTFX;
class C1ZirfCalc;
class C1ZirfInput;

// The report object of a run: it knows the host context, the report writer, the
// calculation object and the input, and its chapter writers turn them into report
// rows and result elements. It owns none of them.
class C1ZirfReport {
public:
    C1ZirfReport(C1QEL* pQEL, C1RTFX* pRTF, C1ZirfCalc* pCalc, C1ZirfInput* pInput)
        : pQEL(pQEL), pRTF(pRTF), pCalc(pCalc), pInput(pInput) {}

    // Opens the report and writes its head: the design codes, the calculation mode and
    // the annotation "var".
    int WriteKopf();
    // The heading of the input chapters.
    int WriteSystemUndBelastung();

    C1QEL* pQEL;
    C1RTFX* pRTF;
    C1ZirfCalc* pCalc;
    C1ZirfInput* pInput;
};
