#pragma once

#include "platform/QEDOM.h"

// Deletes every `result` element directly under the document's root: a run starts
// without results of an earlier one, and a run that fails leaves none behind.
void DeleteAllResults(QEDOM_HANDLE hDoc);
