#include "platform/QEDOM.h"
#include "platform/C1Exception.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace {

// A parsed document that is freed with the test.
class Doc {
public:
    explicit Doc(const std::string& xml, const std::string& name = "test.xml") {
        handle = QEDOM_ParseDocument(xml, name, error);
    }
    ~Doc() { QEDOM_FreeDocument(handle); }
    Doc(const Doc&) = delete;
    Doc& operator=(const Doc&) = delete;

    QEDOM_HANDLE Root() const { return QEDOM_GetRootElement(handle); }

    QEDOM_HANDLE handle = 0;
    std::string error;
};

int CountChildren(QEDOM_HANDLE parent, const char* name) {
    int n = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(parent, name); e != 0;
         e = QEDOM_FindNextChild(e, name)) {
        ++n;
    }
    return n;
}

std::string GetStringP(QEDOM_HANDLE element, const char* name, std::size_t size) {
    std::vector<char> buffer(size + 1, 'X'); // one guard byte past the given size
    QEDOM_GetStringP(element, name, buffer.data(), size);
    EXPECT_EQ(buffer[size], 'X') << "wrote past the buffer";
    return std::string(buffer.data());
}

} // namespace

TEST(QEDOM, WalksChildrenByNameInDocumentOrder) {
    Doc doc("<root><a n='1'/><b/><!-- note --><a n='2'>text<c/></a><a n='3'/></root>");
    ASSERT_NE(doc.handle, 0) << doc.error;
    const QEDOM_HANDLE root = doc.Root();
    ASSERT_NE(root, 0);
    std::vector<int> seen;
    for (QEDOM_HANDLE a = QEDOM_FindFirstChild(root, "a"); a != 0;
         a = QEDOM_FindNextChild(a, "a")) {
        seen.push_back(QEDOM_GetInt(a, "n"));
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(CountChildren(root, "b"), 1);
    EXPECT_EQ(CountChildren(root, "c"), 0) << "grandchildren are not children";
    EXPECT_EQ(CountChildren(root, "A"), 0) << "names compare case-sensitively";
    // The same element always has the same handle.
    EXPECT_EQ(QEDOM_FindFirstChild(root, "b"), QEDOM_FindFirstChild(root, "b"));
}

// The readers pass lookups on without testing them: element 0 must be harmless.
TEST(QEDOM, HandleZeroAndWrongKindsAreHarmless) {
    Doc doc("<root v='5'><a/></root>");
    const QEDOM_HANDLE root = doc.Root();
    char buffer[8] = "junk";
    for (QEDOM_HANDLE h : {QEDOM_HANDLE{0}, doc.handle, QEDOM_HANDLE{-7}, QEDOM_HANDLE{999999}}) {
        SCOPED_TRACE(h);
        EXPECT_EQ(QEDOM_FindFirstChild(h, "a"), 0);
        EXPECT_EQ(QEDOM_FindNextChild(h, "a"), 0);
        EXPECT_EQ(QEDOM_GetInt(h, "v"), 0);
        EXPECT_EQ(QEDOM_GetDouble(h, "v"), 0.0);
        EXPECT_EQ(QEDOM_GetString(h, "v"), nullptr);
        EXPECT_EQ(QEDOM_GetStringP(h, "v", buffer, sizeof buffer), 0);
        EXPECT_STREQ(buffer, "");
        EXPECT_EQ(QEDOM_SetInt(h, "v", 1), 0);
        EXPECT_EQ(QEDOM_AddChildElement(h, "x"), 0);
        EXPECT_EQ(QEDOM_DeleteElement(h), 0);
        EXPECT_EQ(QEDOM_GetBinDataLength(h, "v"), 0);
    }
    // An element handle is no document handle.
    EXPECT_EQ(QEDOM_GetRootElement(root), 0);
    EXPECT_STREQ(QEDOM_GetCompleteFileName(root), "");
    EXPECT_STREQ(QEDOM_GetCompleteFileName(0), "");
    EXPECT_EQ(QEDOM_GetRootElement(0), 0);
    QEDOM_FreeDocument(0);
    QEDOM_FreeDocument(root); // not a document: ignored
    EXPECT_EQ(QEDOM_GetInt(root, "v"), 5);
    // Null names are refused, not dereferenced.
    EXPECT_EQ(QEDOM_FindFirstChild(root, nullptr), 0);
    EXPECT_EQ(QEDOM_GetInt(root, nullptr), 0);
    EXPECT_EQ(QEDOM_SetInt(root, nullptr, 1), 0);
}

TEST(QEDOM, HandlesOfAFreedDocumentStayInvalid) {
    QEDOM_HANDLE oldDoc = 0;
    QEDOM_HANDLE oldRoot = 0;
    QEDOM_HANDLE oldChild = 0;
    {
        Doc doc("<root><a v='1'/></root>");
        oldDoc = doc.handle;
        oldRoot = doc.Root();
        oldChild = QEDOM_FindFirstChild(oldRoot, "a");
        ASSERT_NE(oldChild, 0);
    }
    // A new document of the same shape must not take over the old numbers.
    Doc fresh("<root><a v='2'/></root>");
    const QEDOM_HANDLE newChild = QEDOM_FindFirstChild(fresh.Root(), "a");
    for (QEDOM_HANDLE stale : {oldDoc, oldRoot, oldChild}) {
        EXPECT_NE(stale, fresh.handle);
        EXPECT_NE(stale, fresh.Root());
        EXPECT_NE(stale, newChild);
    }
    EXPECT_EQ(QEDOM_GetRootElement(oldDoc), 0);
    EXPECT_EQ(QEDOM_FindFirstChild(oldRoot, "a"), 0);
    EXPECT_EQ(QEDOM_GetInt(oldChild, "v"), 0);
    EXPECT_EQ(QEDOM_GetInt(newChild, "v"), 2);
}

TEST(QEDOM, DeleteElementRemovesItsSubtreeAndItsHandles) {
    Doc doc("<root><result><geometrie t='1'/></result><input/></root>");
    const QEDOM_HANDLE root = doc.Root();
    const QEDOM_HANDLE result = QEDOM_FindFirstChild(root, "result");
    const QEDOM_HANDLE geometrie = QEDOM_FindFirstChild(result, "geometrie");
    EXPECT_EQ(QEDOM_DeleteElement(result), 1);
    EXPECT_EQ(QEDOM_FindFirstChild(root, "result"), 0);
    EXPECT_NE(QEDOM_FindFirstChild(root, "input"), 0);
    EXPECT_EQ(QEDOM_GetInt(geometrie, "t"), 0);
    EXPECT_EQ(QEDOM_DeleteElement(result), 0) << "a deleted element cannot be deleted twice";
    EXPECT_EQ(QEDOM_DeleteElement(geometrie), 0);
}

TEST(QEDOM, MissingAttributesGiveZeroOrEmpty) {
    Doc doc("<root empty='' blank='  '/>");
    const QEDOM_HANDLE root = doc.Root();
    EXPECT_EQ(QEDOM_GetInt(root, "none"), 0);
    EXPECT_EQ(QEDOM_GetDouble(root, "none"), 0.0);
    EXPECT_EQ(QEDOM_GetString(root, "none"), nullptr);
    EXPECT_EQ(GetStringP(root, "none", 10), "");
    EXPECT_EQ(QEDOM_GetInt(root, "empty"), 0);
    EXPECT_EQ(QEDOM_GetDouble(root, "blank"), 0.0);
    ASSERT_NE(QEDOM_GetString(root, "empty"), nullptr);
    EXPECT_STREQ(QEDOM_GetString(root, "empty"), "");
}

TEST(QEDOM, ReadsNumbersAndRefusesTextThatIsNone) {
    Doc doc("<gruppe phi='32.5' nr=' 3 ' neg='-1e-2' whole='2.0' comma='1,5' word='abc' "
            "frac='2.5' huge='1e999'/>");
    const QEDOM_HANDLE g = doc.Root();
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(g, "phi"), 32.5);
    EXPECT_EQ(QEDOM_GetInt(g, "nr"), 3);
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(g, "neg"), -0.01);
    EXPECT_EQ(QEDOM_GetInt(g, "whole"), 2);
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(g, "nr"), 3.0);
    struct Bad {
        const char* attribute;
        bool asInt;
    };
    for (const Bad& bad : {Bad{"comma", false}, Bad{"word", false}, Bad{"frac", true},
                           Bad{"huge", false}, Bad{"phi", true}}) {
        SCOPED_TRACE(bad.attribute);
        try {
            bad.asInt ? QEDOM_GetInt(g, bad.attribute)
                      : static_cast<int>(QEDOM_GetDouble(g, bad.attribute));
            ADD_FAILURE() << "no error";
        } catch (const C1Exception& e) {
            // The message names the attribute and its element.
            EXPECT_NE(e.text.find(std::string("'") + bad.attribute + "'"), std::string::npos)
                << e.text;
            EXPECT_NE(e.text.find("'gruppe'"), std::string::npos) << e.text;
            EXPECT_EQ(e.code, 1);
        }
    }
}

namespace {
// A numeric punctuation with a decimal comma, as a German process locale would have.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(QEDOM, NumbersIgnoreTheProcessLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPunct));
    Doc doc("<a x='1.25'/>");
    const QEDOM_HANDLE a = doc.Root();
    EXPECT_DOUBLE_EQ(QEDOM_GetDouble(a, "x"), 1.25);
    QEDOM_SetDouble(a, "y", 0.5);
    EXPECT_STREQ(QEDOM_GetString(a, "y"), "0.5");
    std::locale::global(previous);
}

TEST(QEDOM, WrittenValuesReadBackExactly) {
    Doc doc("<root/>");
    const QEDOM_HANDLE child = QEDOM_AddChildElement(doc.Root(), "geometrie");
    ASSERT_NE(child, 0);
    EXPECT_EQ(QEDOM_FindFirstChild(doc.Root(), "geometrie"), child);
    for (double v : {0.1, -123456.789, 1.0 / 3.0, 1e-300, 7.0}) {
        EXPECT_EQ(QEDOM_SetDouble(child, "t_cal", v), 1);
        EXPECT_EQ(QEDOM_GetDouble(child, "t_cal"), v);
    }
    EXPECT_EQ(QEDOM_SetInt(child, "lk", -42), 1);
    EXPECT_EQ(QEDOM_GetInt(child, "lk"), -42);
    EXPECT_EQ(QEDOM_SetString(child, "art", "STR,GEO <\"ständig\"> & mehr"), 1);
    EXPECT_STREQ(QEDOM_GetString(child, "art"), "STR,GEO <\"ständig\"> & mehr");
    EXPECT_THROW(QEDOM_SetDouble(child, "t", std::nan("")), C1Exception);
    EXPECT_THROW(QEDOM_SetDouble(child, "t", std::numeric_limits<double>::infinity()), C1Exception);
    EXPECT_EQ(QEDOM_AddChildElement(doc.Root(), "bad name"), 0);
    EXPECT_EQ(QEDOM_SetString(child, "bad", "\xC3"), 0) << "no broken UTF-8 in the document";
}

TEST(QEDOM, GetStringPRespectsTheCallersBuffer) {
    // "Schluff, tonig" with an umlaut: S c h l \xC3\xBC f f
    Doc doc("<a bez='Schl\xC3\xBC"
            "ff'/>");
    const QEDOM_HANDLE a = doc.Root();
    EXPECT_EQ(GetStringP(a, "bez", 100), "Schl\xC3\xBC"
                                         "ff");
    EXPECT_EQ(GetStringP(a, "bez", 5), "Schl");         // 4 bytes + zero; the umlaut would not fit
    EXPECT_EQ(GetStringP(a, "bez", 6), "Schl");         // only one byte of the umlaut would fit
    EXPECT_EQ(GetStringP(a, "bez", 7), "Schl\xC3\xBC"); // the umlaut fits whole
    EXPECT_EQ(GetStringP(a, "bez", 1), "");
    char one = 'X';
    EXPECT_EQ(QEDOM_GetStringP(a, "bez", &one, 0), 0);
    EXPECT_EQ(one, 'X') << "a buffer of size 0 is not touched";
}

TEST(QEDOM, ByteBlocksAreStoredAsBase64) {
    TempDir dir;
    Doc doc("<root><rtfFiles vardef='e1xydGYxfQ=='/></root>");
    const QEDOM_HANDLE rtf = QEDOM_FindFirstChild(doc.Root(), "rtfFiles");
    EXPECT_EQ(QEDOM_GetBinDataLength(rtf, "vardef"), 7); // "{\rtf1}"
    EXPECT_EQ(QEDOM_GetBinDataLength(rtf, "none"), 0);

    std::vector<unsigned char> bytes(256);
    for (int i = 0; i < 256; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<unsigned char>(255 - i);
    }
    EXPECT_EQ(QEDOM_SetBinData(rtf, "block", 256, bytes.data(), 1), 1);
    EXPECT_EQ(QEDOM_GetBinDataLength(rtf, "block"), 256);
    const std::string file = dir.File("block.bin");
    EXPECT_EQ(QEDOM_LoadFileFromAttr(rtf, "block", file.c_str()), 1);
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> back((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    EXPECT_EQ(back, bytes);

    EXPECT_EQ(QEDOM_LoadFileFromAttr(rtf, "none", dir.File("none.bin").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.bin")));
    EXPECT_EQ(QEDOM_SetBinData(rtf, "neg", -1, bytes.data(), 1), 0);
    QEDOM_SetString(rtf, "broken", "not base64!");
    EXPECT_THROW(QEDOM_GetBinDataLength(rtf, "broken"), C1Exception);
}

TEST(QEDOM, LoadsAndSavesFiles) {
    TempDir dir;
    const std::string input = dir.Write(
        "in.xml", "<?xml version='1.0' encoding='UTF-8'?>\n<root><input a='1'/></root>\n");
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_LoadDocument(input, error);
    ASSERT_NE(doc, 0) << error;
    EXPECT_EQ(std::string(QEDOM_GetCompleteFileName(doc)),
              std::filesystem::absolute(input).lexically_normal().string());
    const QEDOM_HANDLE result = QEDOM_AddChildElement(QEDOM_GetRootElement(doc), "result");
    QEDOM_SetDouble(result, "t_cal", 4.25);
    const std::string output = dir.File("out.xml");
    EXPECT_EQ(QEDOM_SaveDocument(doc, output, error), 1) << error;
    EXPECT_FALSE(std::filesystem::exists(output + ".part"));
    EXPECT_EQ(QEDOM_SaveDocument(doc, dir.File("missing/out.xml"), error), 0);
    EXPECT_NE(error.find("missing/out.xml"), std::string::npos) << error;
    EXPECT_EQ(QEDOM_SaveDocument(0, output, error), 0);
    QEDOM_FreeDocument(doc);

    const QEDOM_HANDLE again = QEDOM_LoadDocument(output, error);
    ASSERT_NE(again, 0) << error;
    const QEDOM_HANDLE root = QEDOM_GetRootElement(again);
    EXPECT_EQ(QEDOM_GetDouble(QEDOM_FindFirstChild(root, "result"), "t_cal"), 4.25);
    EXPECT_EQ(QEDOM_GetInt(QEDOM_FindFirstChild(root, "input"), "a"), 1);
    QEDOM_FreeDocument(again);
}

TEST(QEDOM, LoadErrorsNameTheFileLineAndColumn) {
    TempDir dir;
    std::string error;
    const std::string missing = dir.File("missing.xml");
    EXPECT_EQ(QEDOM_LoadDocument(missing, error), 0);
    EXPECT_NE(error.find(missing), std::string::npos) << error;

    // The closing tag in line 3 does not match the open <b> of line 2.
    const std::string broken = dir.Write("broken.xml", "<a>\n<b>\n</a>\n");
    EXPECT_EQ(QEDOM_LoadDocument(broken, error), 0);
    EXPECT_NE(error.find(broken), std::string::npos) << error;
    EXPECT_NE(error.find("Zeile 3"), std::string::npos) << error;
    EXPECT_NE(error.find("Spalte "), std::string::npos) << error;

    EXPECT_EQ(QEDOM_LoadDocument(dir.File(""), error), 0) << "a folder is no document";
    const std::string empty = dir.Write("empty.xml", "");
    EXPECT_EQ(QEDOM_LoadDocument(empty, error), 0);
    EXPECT_NE(error.find(empty), std::string::npos) << error;
}

TEST(QEDOM, RefusesDocumentsAboveTheSizeLimit) {
    TempDir dir;
    const std::string big = dir.File("big.xml");
    std::ofstream(big) << "<a/>";
    std::filesystem::resize_file(big, QEDOM_MAX_DOCUMENT_BYTES + 1);
    std::string error;
    EXPECT_EQ(QEDOM_LoadDocument(big, error), 0);
    EXPECT_NE(error.find("MiB"), std::string::npos) << error;
}

// No entity is expanded and nothing outside the document is read.
TEST(QEDOM, RefusesEntitiesAndExternalResources) {
    TempDir dir;
    const std::string secret = dir.Write("secret.txt", "geheim");
    const std::string cases[] = {
        "<!DOCTYPE a [<!ENTITY x SYSTEM 'file://" + secret + "'>]><a>&x;</a>",
        "<!DOCTYPE a [<!ENTITY l0 'ha'><!ENTITY l1 '&l0;&l0;&l0;&l0;&l0;&l0;&l0;&l0;'>]>"
        "<a v='&l1;'/>",
        "<!DOCTYPE a [<!ENTITY % p SYSTEM 'http://127.0.0.1:9/x.dtd'> %p;]><a/>",
    };
    for (const std::string& xml : cases) {
        Doc doc(xml);
        EXPECT_EQ(doc.handle, 0) << xml;
        EXPECT_FALSE(doc.error.empty());
    }
    // An external DTD is simply not loaded; the document itself stays readable.
    Doc withDtd("<!DOCTYPE a SYSTEM 'file://" + secret + "'><a v='1'/>");
    ASSERT_NE(withDtd.handle, 0) << withDtd.error;
    EXPECT_EQ(QEDOM_GetInt(withDtd.Root(), "v"), 1);
}
