#pragma once

// Operating-system services the module needs from its platform: its own file,
// the temporary folder, file deletion, the null device and debugger output.

#include <string>

struct QEL_ModuleFile {
    const void* handle = nullptr; // base address of the loaded module, null when unknown
    std::string fileName;         // its full path, empty when unknown
};

// The loaded module (shared library or program) that contains the given address.
QEL_ModuleFile QEL_GetModuleFile(const void* addressInModule);

// The temporary folder: while a run is under way the run's own folder (see
// QEL_SetRunTempFolder), else TMPDIR when it is set and not empty, else /tmp; always
// ending in '/'. Files of fixed names (the pictures) made there during a run therefore
// never meet those of another run at the same time.
std::string QEL_GetTempFolder();

// Makes the folder the temporary folder of the run under way; "" when the run ends.
void QEL_SetRunTempFolder(const std::string& folder);

// The name made absolute in the current folder and normalised; the name itself when
// the current folder cannot be found.
std::string QEL_FullPath(const std::string& name);

// True when the file lies in the temporary folder of the run under way: no one but the
// run reads it, and it goes with the run.
bool QEL_IsRunTempFile(const std::string& fileName);

// Deletes a file; 1 when it was deleted, 0 when it did not exist or could not go.
int QEL_DeleteFile(const std::string& fileName);

// The device that swallows everything written to it.
const char* QEL_NullDevice();

// The developer switch: QELUSER holds exactly "KESTL" or "kestl". Read on every call.
bool QEL_IsDeveloperSwitchOn();

// Debugger output: goes to stderr, and only while the developer switch is on.
void QEL_OutputDebugString(const std::string& text);

// Result of a wait whose time-out ran out before the awaited object signalled.
inline constexpr int QEL_WAIT_TIMEOUT = 0x102;

// Waits on the calling process itself for the given time. A running process never
// signals its own end, so the wait always ends by its time-out: the result is
// QEL_WAIT_TIMEOUT. A negative time waits not at all (there is no endless wait).
int QEL_WaitOnOwnProcess(int milliseconds);
