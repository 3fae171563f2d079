#include "platform/EmfHandles.h"

#include "platform/Kernel.h"
#include "platform/RunFileRecord.h"

#include <fstream>
#include <map>

namespace {

struct Registry {
    std::map<QEL_HENHMETAFILE, std::vector<std::uint8_t>> files;
    QEL_HENHMETAFILE next = 1;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace

QEL_HENHMETAFILE QEL_CloseEnhMetaFile(const EmfWriter& writer, const std::string& fileName) {
    std::vector<std::uint8_t> bytes = writer.Bytes();
    if (!fileName.empty() && !QEL_IsRunTempFile(fileName)) {
        std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
        if (out.is_open()) {
            // The run's own picture: the run's end may take it away, and nothing else.
            QEL_RecordRunFile(fileName);
        }
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            return 0;
        }
    }
    Registry& registry = TheRegistry();
    if (registry.next == 0) {
        registry.next = 1; // after a wrap, 0 stays "no metafile"
    }
    const QEL_HENHMETAFILE handle = registry.next++;
    registry.files[handle] = std::move(bytes);
    return handle;
}

const std::vector<std::uint8_t>* QEL_GetEnhMetaFileBits(QEL_HENHMETAFILE handle) {
    const auto& files = TheRegistry().files;
    const auto it = files.find(handle);
    return it == files.end() ? nullptr : &it->second;
}

int QEL_DeleteEnhMetaFile(QEL_HENHMETAFILE handle) {
    return TheRegistry().files.erase(handle) > 0 ? 1 : 0;
}

std::size_t QEL_EnhMetaFileCount() {
    return TheRegistry().files.size();
}
