// The text input of a position outside the host: a file read line by line, its
// errors, and the suite's companion tables.

#include "host/C1QEL.h"

#include "host/TextZeile.h"
#include "platform/C1Exception.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMinPfadQEL = 2;

} // namespace

FILE* C1QEL::OpenIn(const std::string& name) {
    if (m_bKorvel2005 != 0) {
        throw C1Exception("C1QEL::OpenIn()  m_bKorvel2005=true", "debug");
    }
    const std::string file = name.empty() ? File : name;
    CloseInputFile();
    std::error_code ec;
    FILE* in = nullptr;
    if (!file.empty() && fs::is_regular_file(file, ec)) {
        in = std::fopen(file.c_str(), "rb");
    }
    if (in == nullptr) {
        FatalError("Eingabedatei kann nicht ge\xC3\xB6"
                   "ffnet werden");
    }
    m_pInputFile = in;
    m_InputName = file;
    m_iInputZeile = 0;
    return m_pInputFile;
}

int C1QEL::ReadIn(std::string& line) {
    if (m_bKorvel2005 != 0) {
        throw C1Exception("C1QEL::ReadIn()  m_bKorvel2005=true", "debug");
    }
    if (m_pInputFile == nullptr) {
        FatalError("Eingabedatei nicht vorhanden");
    }
    for (;;) {
        switch (ReadTextZeile(m_pInputFile, line)) {
        case TextLeseErgebnis::Ende:
            line.clear();
            return kZeileEnde;
        case TextLeseErgebnis::ZuLang:
            FatalError("Fehler in Eingabedatei ! \nZeile " + std::to_string(m_iInputZeile + 1) +
                       " ist l\xC3\xA4nger als " + std::to_string(kMaxTextZeile) + " Zeichen");
        case TextLeseErgebnis::Zeile:
            ++m_iInputZeile;
            switch (ClassifyTextZeile(line)) {
            case TextZeileArt::Kommentar:
                continue;
            case TextZeileArt::Schluessel:
                return kZeileSchluessel;
            case TextZeileArt::Daten:
                return kZeileDaten;
            }
        }
    }
}

void C1QEL::RewindIn() {
    if (m_pInputFile != nullptr) {
        std::rewind(m_pInputFile);
        m_iInputZeile = 0;
    }
}

void C1QEL::InputFileError(const std::string& chapter, const std::string& line) {
    FatalError("Fehler in Eingabedatei ! \nKapitel : " + chapter + "\nZeile : " + line);
}

void C1QEL::FatalErrorStatic(int, const std::string& text) {
    FatalError(text);
}

std::string C1QEL::CompanionFile(const char* name) const {
    if (PfadQEL.size() < kMinPfadQEL) {
        return std::string();
    }
    return (fs::path(PfadQEL) / name).string();
}

std::string C1QEL::GetMaterialFile() const {
    return CompanionFile("Material.qel");
}

std::string C1QEL::GetBStFile() const {
    return CompanionFile("BSt.qel");
}
