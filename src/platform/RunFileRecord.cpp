#include "platform/RunFileRecord.h"

#include "platform/Kernel.h"

#include <filesystem>
#include <set>
#include <system_error>

namespace {

std::set<std::string>& Record() {
    static std::set<std::string> files;
    return files;
}

} // namespace

void QEL_RecordRunFile(const std::string& fileName) {
    if (!fileName.empty()) {
        Record().insert(QEL_FullPath(fileName));
    }
}

bool QEL_IsRunFile(const std::string& fileName) {
    return !fileName.empty() && Record().count(QEL_FullPath(fileName)) > 0;
}

int QEL_DeleteRunFiles(const std::string& keep) {
    int deleted = 0;
    for (const std::string& name : Record()) {
        std::error_code ec;
        if (keep.empty() || !std::filesystem::equivalent(name, keep, ec)) {
            deleted += QEL_DeleteFile(name);
        }
    }
    Record().clear();
    return deleted;
}

void QEL_ClearRunFiles() {
    Record().clear();
}
