#include "platform/QELRTFXHost.h"

#include "platform/Utf8.h"

#include <cstring>
#include <utility>

namespace {

struct HostState {
    QELRTFX_HostSetup setup;
    QELRTFX_Record record;
};

HostState& State() {
    static HostState state;
    return state;
}

} // namespace

int QELRTFX_Init(const char* commandLine) {
    State().record.commandLines.push_back(TextOf(commandLine));
    return State().setup.refuseStart ? 0 : 1;
}

int QELRTFX_InitFile() {
    ++State().record.fileStarts;
    return State().setup.refuseStart ? 0 : 1;
}

int QELRTFX_GetSetting(const char* key, char* buffer, int size) {
    const auto& settings = State().setup.settings;
    const auto found = settings.find(TextOf(key));
    const std::string value = found != settings.end() ? found->second : std::string();
    if (buffer != nullptr && size > 0) {
        const std::size_t length = Utf8PrefixLength(value, static_cast<std::size_t>(size) - 1);
        std::memcpy(buffer, value.data(), length);
        buffer[length] = '\0';
    }
    return static_cast<int>(value.size());
}

int QELRTFX_Notify(int value, int maximum, const char* text) {
    QELRTFX_Notification message{value, maximum, TextOf(text)};
    State().record.notifications.push_back(message);
    if (State().setup.notify) {
        State().setup.notify(message.value, message.maximum, message.text);
    }
    return 1;
}

void QELRTFX_RegisterHost(QELRTFX_HostSetup setup) {
    State().setup = std::move(setup);
    State().record = QELRTFX_Record();
}

const QELRTFX_Record& QELRTFX_Recorded() {
    return State().record;
}
