#pragma once

#include "platform/FolderLocks.h"

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// Before a process puts outputs in place in its folders, or starts a run there: the
// folders locked, what a process killed while it put its outputs in place left
// completed (PendingOutputs.h; its record may name further folders, which are locked
// with them), and the hidden files of outputs that processes which no longer exist left
// (TemporaryOutput.h) removed. false, none held, with the system's reason in the
// module's words when a folder cannot be locked.
bool QEL_LockOutputFolders(QEL_FolderLocks& locks, const std::vector<std::string>& folders,
                           std::string& error);

// Whether the file (or folder) was left by the process of that id, which no longer
// exists, and no process holds it (its process kept a lock on it for its lifetime,
// which its end released however it ended): only what this user owns, of the kind
// given, counts.
bool QEL_LeftBehind(const std::filesystem::path& path, pid_t process, bool folder);
