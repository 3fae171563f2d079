#pragma once

// A pair of values at the two ends of a span: Anf at its start, End at its end.
struct C1Stuetzkraft {
    double Anf = 0.0;
    double End = 0.0;
};
