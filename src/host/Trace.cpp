#include "host/Trace.h"

FILE* g_pTrace = nullptr;
