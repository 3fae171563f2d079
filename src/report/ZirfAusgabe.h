#pragma once

class C1QEL;
class C1ZirfCalc;
class C1ZirfInput;

// The output of a run after its calculation: opens the report, writes the head and the
// chapters that the input's switches select, in the report's fixed order, writes the
// result elements into the host's document and closes the report. The pictures are drawn
// where they stand in the report. Errors of the report (C1Exception) pass to the caller; the report
// writer closes the report on the way out. Returns 1.
int ZirfAusgabe(C1QEL& qel, C1ZirfInput& in, C1ZirfCalc& calc);
