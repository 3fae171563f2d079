#pragma once

#include "platform/MessageBox.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXHost.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// A document parsed from text, freed with the test.
class ParsedDoc {
public:
    explicit ParsedDoc(const std::string& xml, const std::string& fileName = "/data/wand.xml") {
        handle = QEDOM_ParseDocument(xml, fileName, error);
        EXPECT_NE(handle, 0) << error;
    }
    ~ParsedDoc() { QEDOM_FreeDocument(handle); }
    ParsedDoc(const ParsedDoc&) = delete;
    ParsedDoc& operator=(const ParsedDoc&) = delete;

    QEDOM_HANDLE Root() const { return QEDOM_GetRootElement(handle); }

    QEDOM_HANDLE handle = 0;
    std::string error;
};

// The host's settings of a normal run: a report library of version 2.0.
inline std::map<std::string, std::string> HostSettingsOfARun() {
    return {{"QE-Version/qelrtfx", "V2.0"}, {"File/dpf", "wand"}, {"Optionen", "-a -b"}};
}

// Registers a host with the given settings and forgets earlier messages.
inline void RegisterTestHost(std::map<std::string, std::string> settings = HostSettingsOfARun(),
                             bool refuseStart = false) {
    QELRTFX_HostSetup setup;
    setup.settings = std::move(settings);
    setup.refuseStart = refuseStart;
    QELRTFX_RegisterHost(std::move(setup));
    QEL_SetMessageSink(nullptr);
    QEL_ClearShownMessages();
}

// The messages the module sent to the host, as "value/maximum text".
inline std::vector<std::string> SentToHost() {
    std::vector<std::string> sent;
    for (const auto& n : QELRTFX_Recorded().notifications) {
        sent.push_back(std::to_string(n.value) + "/" + std::to_string(n.maximum) + " " + n.text);
    }
    return sent;
}
