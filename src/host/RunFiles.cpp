#include "host/RunFiles.h"

#include "platform/Kernel.h"
#include "platform/QELRTFXPicture.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// Written by the report and the pictures of a run, or left by other programs of
// the suite, in the current folder.
constexpr const char* kFixedRunFiles[] = {
    "LKGEN_KombRegeln.txt", "LKGEN_GammaPsi.txt", "rtffile.temp.rtf", "vardef.temp.rtf",
    "Querkraefte.emf",      "Normalkraefte.emf",  "Momente.emf",      "Durchbiegung.emf"};

} // namespace

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

void DeleteRunFiles(const std::string& filedpf, const std::string& skizze2dDatei,
                    const std::string& skizze3dDatei, const std::string& dokument) {
    std::vector<std::string> names;
    // Without a prefix these names would be bare suffixes such as ".txt".
    const auto addPrefixed = [&](const char* suffix) {
        if (!filedpf.empty()) {
            names.push_back(filedpf + suffix);
        }
    };
    // The document names the sketches: it must not reach beyond the output folder, and
    // only a picture can be the host's sketch. Any other file there (the input document
    // itself, the user's notes) is the user's own and stays.
    const auto addSketch = [&](const std::string& name) {
        if (IsPlainFileName(name) && QELRTFXPicture::FromFile(name).has_value()) {
            names.push_back(name);
        }
    };
    addPrefixed("3d.bmp");
    addPrefixed("2d.emf");
    addSketch(skizze2dDatei);
    addSketch(skizze3dDatei);
    addPrefixed(".txt");
    addPrefixed(".tmp.txt");
    names.insert(names.end(), std::begin(kFixedRunFiles), std::end(kFixedRunFiles));
    for (const auto& name : names) {
        std::error_code ec;
        if (!dokument.empty() && std::filesystem::equivalent(name, dokument, ec)) {
            continue;
        }
        QEL_DeleteFile(name);
    }
}
