#include "host/RunFiles.h"

#include "platform/Kernel.h"
#include "platform/QELRTFXPicture.h"
#include "platform/RunFileRecord.h"

#include <filesystem>
#include <system_error>

bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

void DeleteRunFiles(const std::string& skizze2dDatei, const std::string& skizze3dDatei,
                    const std::string& dokument) {
    // The document names the sketches: it must not reach beyond the output folder, and
    // only a picture can be the host's sketch. Any other file there (the input document
    // itself, the user's notes) is the user's own and stays.
    for (const std::string& name : {skizze2dDatei, skizze3dDatei}) {
        std::error_code ec;
        if (IsPlainFileName(name) && QELRTFXPicture::FromFile(name).has_value() &&
            (dokument.empty() || !std::filesystem::equivalent(name, dokument, ec))) {
            QEL_DeleteFile(name);
        }
    }
    // Whatever the run wrote as its pictures and temporary files; a file of the same
    // name that was there before the run is the user's (or another program's) and stays.
    QEL_DeleteRunFiles(dokument);
}
