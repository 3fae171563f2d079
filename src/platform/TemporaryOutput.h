#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The file of an output before it stands under its name: made without a name in the
// target's folder where the file system allows (it vanishes with the process unless it
// is named), else under a hidden name beside the target, ".NAME.<process id>-<random>.tmp".
// The process holds a lock on the file while it has it open, a stop takes it away
// (AbortCleanup.h), and its hidden name tells a later run whose process it was: the file
// of a process killed outright goes when a later run finds it (QEL_TemporaryOutputProcess).
class QEL_TemporaryOutput {
public:
    QEL_TemporaryOutput() = default;
    // A file that is not in place goes.
    ~QEL_TemporaryOutput();
    QEL_TemporaryOutput(QEL_TemporaryOutput&& other) noexcept;
    QEL_TemporaryOutput& operator=(QEL_TemporaryOutput&& other) noexcept;
    QEL_TemporaryOutput(const QEL_TemporaryOutput&) = delete;
    QEL_TemporaryOutput& operator=(const QEL_TemporaryOutput&) = delete;

    // Makes the file for the target (made absolute against the current folder) in the
    // target's folder; false with errno set when the folder takes no new file.
    bool Create(const std::string& target);
    // Appends the bytes; false with errno set.
    bool Write(std::string_view bytes);
    // Gives the file its hidden name when it has none; false with errno set.
    bool Name();
    // Renames the named file to its target, which it replaces (a link of that name
    // included); false with errno set.
    bool Rename();
    // Names and renames the file, and hands the caller its descriptor, open for writing
    // on: the file stands under the target's name while the caller writes it. -1 with
    // errno set when it cannot be put in place.
    int PlaceOpen();
    // Takes the file away; a file in place stays.
    void Discard();

    const std::string& Target() const { return m_target; }
    // The hidden name; empty while it has none.
    const std::string& Temporary() const { return m_temporary; }

private:
    int m_fd = -1;
    std::string m_target;
    std::string m_temporary; // its hidden name; empty while it has none
};

// The process id in the hidden name of an output's file (a file name without folder);
// 0 for any other name.
pid_t QEL_TemporaryOutputProcess(const std::string& fileName);
