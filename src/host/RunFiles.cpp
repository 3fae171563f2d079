#include "host/RunFiles.h"

#include "platform/Kernel.h"
#include "platform/QELRTFXPicture.h"
#include "platform/RunFileRecord.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace {

// Names of the pictures and temporary files a run may leave in the current folder,
// besides those named after the output prefix.
constexpr const char* kFixedRunFiles[] = {"LKGEN_KombRegeln.txt", "LKGEN_GammaPsi.txt",
                                          "Querkraefte.emf",      "Normalkraefte.emf",
                                          "Momente.emf",          "Durchbiegung.emf"};

} // namespace

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

void DeleteRunFiles(const std::string& filedpf, const std::string& skizze2dDatei,
                    const std::string& skizze3dDatei, const std::string& dokument) {
    std::vector<std::string> names;
    // A file of one of these names goes only when this run wrote it: one that was
    // there before is the user's (or another program's) and stays.
    const auto addWritten = [&](const std::string& name) {
        if (QEL_IsRunFile(name)) {
            names.push_back(name);
        }
    };
    // Without a prefix these names would be bare suffixes such as ".txt".
    const auto addPrefixed = [&](const char* suffix) {
        if (!filedpf.empty()) {
            addWritten(filedpf + suffix);
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
    for (const char* name : kFixedRunFiles) {
        addWritten(name);
    }
    for (const auto& name : names) {
        std::error_code ec;
        if (!dokument.empty() && std::filesystem::equivalent(name, dokument, ec)) {
            continue;
        }
        QEL_DeleteFile(name);
    }
    // Whatever else the run wrote as its pictures and temporary files.
    QEL_DeleteRunFiles();
}
