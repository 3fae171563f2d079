#include "cli/ResultFile.h"

bool SaveResultFile(QEDOM_HANDLE document, const std::string& fileName, std::string& error) {
    // The document library writes beside the file and renames it into place.
    return QEDOM_SaveDocument(document, fileName, error) != 0;
}
