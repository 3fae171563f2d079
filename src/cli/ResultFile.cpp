#include "cli/ResultFile.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

bool SaveResultFile(QEDOM_HANDLE document, const std::string& fileName, std::string& error) {
    std::string pattern = fileName + ".tmpXXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = "cannot write " + fileName;
        return false;
    }
    close(fd);
    const std::string temporary(name.data());
    if (QEDOM_SaveDocument(document, temporary, error) == 0) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), fileName.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "cannot write " + fileName;
        return false;
    }
    return true;
}
