#pragma once

// The report library's services to the module's host context: start-up with a
// command line, the host's project settings by key, messages to the host and the
// insertion of a picture file into the report. The host program registers the
// settings it offers and the receiver of the messages; every call the module makes
// is recorded, so the host (and a test) can see what a run asked for.

#include <functional>
#include <map>
#include <string>
#include <vector>

// --- Called by the module ----------------------------------------------------
// Starts the library for one run; 0 when the host refused the start, else 1.
int QELRTFX_Init(const char* commandLine);
// Starts the library for a context outside the host, which has no command line of
// its own; 0 when the host refused the start, else 1.
int QELRTFX_InitFile();
// Copies the host's setting of key into buffer (size bytes, zero included), cut on a
// UTF-8 character boundary; a key the host does not have gives "". Returns the length
// of the whole setting in bytes, also for a query with size 0.
int QELRTFX_GetSetting(const char* key, char* buffer, int size);
// A message to the host: (0, 0, "1 " + status text), (0, 0, "2 ") clearing it,
// (counter, 100, "p") progress, (0, 0, "e") end of the run. Returns 1.
int QELRTFX_Notify(int value, int maximum, const char* text);

// --- Registered and read by the host ---------------------------------------------
using QELRTFX_NotifySink = std::function<void(int value, int maximum, const std::string& text)>;

struct QELRTFX_HostSetup {
    std::map<std::string, std::string> settings;
    QELRTFX_NotifySink notify; // may be empty: messages are then only recorded
    bool refuseStart = false;  // the host declines QELRTFX_Init
};

struct QELRTFX_Notification {
    int value = 0;
    int maximum = 0;
    std::string text;
};

struct QELRTFX_Record {
    std::vector<std::string> commandLines;
    int fileStarts = 0; // starts without a command line (QELRTFX_InitFile)
    std::vector<QELRTFX_Notification> notifications;
};

// Replaces the host's registration and clears the record.
void QELRTFX_RegisterHost(QELRTFX_HostSetup setup);
// What the module has called since the last registration, oldest first.
const QELRTFX_Record& QELRTFX_Recorded();
