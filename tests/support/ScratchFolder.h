#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

// A fresh folder under the temporary folder, made the current folder for the
// lifetime of the object and removed afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag)
        : m_previous(std::filesystem::current_path()),
          m_path(std::filesystem::temp_directory_path() /
                 ("zirf_" + tag + "_" + std::to_string(getpid()))) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        std::filesystem::current_path(m_path);
    }
    ~ScratchFolder() {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_path);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

    // Writes a file (relative names land in this folder).
    static void Write(const std::filesystem::path& file, const std::string& text = "x") {
        std::ofstream(file) << text;
    }

    // The whole content of a file; "" when it cannot be read.
    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};
