#include "platform/SystemReason.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace {

struct Reason {
    int error;
    const char* text;
};

constexpr std::array<Reason, 14> kReasons = {{
    {ENOSPC, "kein Platz auf dem Ger\xC3\xA4t"},
    {EDQUOT, "das Kontingent an Speicherplatz ist ersch\xC3\xB6pft"},
    {EFBIG, "die Datei wird zu gro\xC3\x9F"},
    {EROFS, "das Dateisystem ist nur lesbar eingeh\xC3\xA4ngt"},
    {EACCES, "keine Berechtigung"},
    {EPERM, "die Operation ist nicht erlaubt"},
    {EIO, "Ein-/Ausgabefehler"},
    {ENOENT, "die Datei oder der Ordner existiert nicht"},
    {ENOTDIR, "ein Teil des Pfades ist kein Ordner"},
    {EISDIR, "unter diesem Namen steht ein Ordner"},
    {ENAMETOOLONG, "der Dateiname ist zu lang"},
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien im System"},
    {ENOMEM, "kein Speicher"},
}};

} // namespace

std::string QEL_SystemReason(int error) {
    for (const Reason& reason : kReasons) {
        if (reason.error == error) {
            return reason.text;
        }
    }
    return std::strerror(error);
}
