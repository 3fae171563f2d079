#include "platform/IniFile.h"

#include "platform/QELRTFXHost.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <vector>

namespace {

std::string Trimmed(const std::string& s) {
    const auto notBlank = [](unsigned char c) { return std::isspace(c) == 0; };
    const auto first = std::find_if(s.begin(), s.end(), notBlank);
    const auto last = std::find_if(s.rbegin(), s.rend(), notBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string CommonFolder() {
    const int length = QELRTFX_GetSetting("Common", nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    QELRTFX_GetSetting("Common", buffer.data(), static_cast<int>(buffer.size()));
    return Trimmed(buffer.data());
}

} // namespace

std::string QEL_ProfileFilePath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) {
        return fileName;
    }
    std::string folder = CommonFolder();
    if (folder.empty()) {
        return {};
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder + fileName;
}

std::string QEL_GetPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultText, const std::string& fileName,
                                        std::size_t size) {
    const auto bounded = [size](const std::string& text) { return Utf8Bounded(text, size); };
    const std::string path = QEL_ProfileFilePath(fileName);
    if (path.empty()) {
        return bounded(defaultText);
    }
    std::ifstream in(path);
    if (!in) {
        return bounded(defaultText);
    }
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line[0] == '[') {
            const std::size_t close = line.find(']');
            inSection =
                close != std::string::npos && SameName(Trimmed(line.substr(1, close - 1)), section);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos ||
            !SameName(Trimmed(line.substr(0, equals)), key)) {
            continue;
        }
        std::string value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return bounded(value);
    }
    return bounded(defaultText);
}
