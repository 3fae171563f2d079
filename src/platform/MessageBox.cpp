#include "platform/MessageBox.h"

#include <utility>

namespace {

QEL_MessageSink& Sink() {
    static QEL_MessageSink sink;
    return sink;
}

std::vector<std::string>& Shown() {
    static std::vector<std::string> shown;
    return shown;
}

} // namespace

int QEL_MessageBox(const std::string& text) {
    Shown().push_back(text);
    if (Sink()) {
        Sink()(text);
    }
    return 1;
}

void QEL_SetMessageSink(QEL_MessageSink sink) {
    Sink() = std::move(sink);
}

const std::vector<std::string>& QEL_ShownMessages() {
    return Shown();
}

void QEL_ClearShownMessages() {
    Shown().clear();
}
