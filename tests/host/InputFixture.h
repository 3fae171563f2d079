#pragma once

#include "host/C1QEL.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"

#include <gtest/gtest.h>

#include <string>

// A host context over a document and an input model read from it, freed with the test.
class InputFixture {
public:
    // From a document's text.
    static std::string Wrap(const std::string& sections) {
        return "<zirf><info norm='31' laendercode='0'/><input>" + sections + "</input></zirf>";
    }

    explicit InputFixture(const std::string& xml) {
        std::string error;
        doc = QEDOM_ParseDocument(xml, "fixture.xml", error);
        EXPECT_NE(doc, 0) << error;
        qel.hDoc = doc;
    }

    static InputFixture FromFile(const std::string& relativePath);

    ~InputFixture() { QEDOM_FreeDocument(doc); }
    InputFixture(const InputFixture&) = delete;
    InputFixture& operator=(const InputFixture&) = delete;
    InputFixture(InputFixture&& other) noexcept : doc(other.doc) {
        other.doc = 0;
        qel.hDoc = doc;
    }

    // All readers in the order of a run.
    void ReadAll() { in.ReadAll(); }

    QEDOM_HANDLE doc = 0;
    C1QEL qel;
    C1ZirfInput in{&qel};

private:
    InputFixture() = default;
};

inline InputFixture InputFixture::FromFile(const std::string& relativePath) {
    InputFixture f;
    std::string error;
    f.doc = QEDOM_LoadDocument(std::string(ZIRF_SOURCE_DIR) + "/" + relativePath, error);
    EXPECT_NE(f.doc, 0) << error;
    f.qel.hDoc = f.doc;
    return f;
}
