#pragma once

#include "base/Trace.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

// Sends the run's trace into a file for the lifetime of the object; Text() gives what
// was written so far.
class TraceMitschnitt {
public:
    explicit TraceMitschnitt(std::string file)
        : m_file(std::move(file)), m_trace(std::fopen(m_file.c_str(), "w")), m_previous(g_pTrace) {
        g_pTrace = m_trace;
    }
    ~TraceMitschnitt() {
        g_pTrace = m_previous;
        if (m_trace != nullptr) {
            std::fclose(m_trace);
        }
    }
    TraceMitschnitt(const TraceMitschnitt&) = delete;
    TraceMitschnitt& operator=(const TraceMitschnitt&) = delete;

    std::string Text() const {
        if (m_trace != nullptr) {
            std::fflush(m_trace);
        }
        std::ifstream in(m_file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_file;
    FILE* m_trace;
    FILE* m_previous;
};
