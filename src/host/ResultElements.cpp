#include "host/ResultElements.h"

namespace {

constexpr const char* kResult = "result";

} // namespace

void DeleteAllResults(QEDOM_HANDLE hDoc) {
    const QEDOM_HANDLE root = QEDOM_GetRootElement(hDoc);
    for (QEDOM_HANDLE result = QEDOM_FindFirstChild(root, kResult); result != 0;
         result = QEDOM_FindFirstChild(root, kResult)) {
        QEDOM_DeleteElement(result);
    }
}
