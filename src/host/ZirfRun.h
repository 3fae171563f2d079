#pragma once

#include "platform/QEDOM.h"

// Result of the last step that reports one; only the divergence of the governing
// pass of the wall without anchor is acted on.
extern int g_iStatus;
// The run's switch for messages to the host (always 1).
extern int g_bHostProgress;

enum class ZirfRunOutcome { Completed, Failed };

// One calculation on the host's document: builds the run's objects, reads the input,
// runs the calculation and deletes the run's temporary files when flag is not 0.
// Errors are shown in message boxes and never leave; the result says whether the
// run reached its end.
ZirfRunOutcome ZirfRun(QEDOM_HANDLE hDoc, int flag);
