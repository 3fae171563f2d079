#pragma once

#include "platform/QEDOM.h"

#include <string>

// Inserts the host's RTF fragment held in the attribute of the document's element
// `rtfFiles` into the open report, under the heading in the given style ("" and 0 for
// none). The fragment passes through a temporary file of the run's own. Returns 1
// when inserted, 0 when the document holds none (the heading is then left out too). A
// fragment that cannot be read (no base64 block, no RTF document) is left out with a
// message naming the element and the attribute; the run goes on.
int InsertRtfFragment(QEDOM_HANDLE hDoc, const char* attribute, const std::string& heading,
                      int headingStyle);
