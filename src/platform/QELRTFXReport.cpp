#include "platform/QELRTFXReport.h"

#include "platform/EmfHandles.h"
#include "platform/OutputFile.h"
#include "platform/QELRTFXHost.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

namespace {

std::unique_ptr<QELRTFXDocument>& Document() {
    static std::unique_ptr<QELRTFXDocument> document;
    return document;
}

QELRTFXDocument* Open() {
    return Document().get();
}

std::string OutputPrefix() {
    const int length = QELRTFX_GetSetting("File/dpf", nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::string prefix(static_cast<std::size_t>(length) + 1, '\0');
    QELRTFX_GetSetting("File/dpf", prefix.data(), length + 1);
    prefix.resize(prefix.find('\0'));
    return prefix;
}

std::optional<std::string> ReadFile(const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        return std::nullopt;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const char* Text(const char* text) {
    return text == nullptr ? "" : text;
}

} // namespace

int QELRTFX_Open(const char* fileName, int, int, int firstPage, const char* header) {
    if (Open() != nullptr) {
        QELRTFX_Close(0);
    }
    std::string name = Text(fileName);
    if (name.empty()) {
        const std::string prefix = OutputPrefix();
        if (prefix.empty()) {
            return 0;
        }
        name = prefix + ".rtf";
    }
    Document() =
        std::make_unique<QELRTFXDocument>(name, firstPage, QELRTFXDocument::ParseHeader(header));
    return 1;
}

int QELRTFX_Close(int) {
    std::unique_ptr<QELRTFXDocument> document = std::move(Document());
    if (!document) {
        return 0;
    }
    // Under a temporary name and renamed: never half a report, never through a link.
    std::string error;
    return QEL_StreamOutputFile(
               document->FileName(),
               [&document](const QEL_OutputSink& sink) { document->WriteRtf(sink); }, error)
               ? 1
               : 0;
}

int QELRTFX_Paragraph(int style, const char* text) {
    if (Open() == nullptr) {
        return 0;
    }
    Open()->Paragraph(style, Text(text));
    return 1;
}

int QELRTFX_TableColumns(int count, const double* widthsCm) {
    if (Open() == nullptr) {
        return 0;
    }
    std::vector<double> widths;
    if (widthsCm != nullptr && count > 0) {
        widths.assign(widthsCm, widthsCm + count);
    }
    Open()->TableColumns(std::move(widths));
    return 1;
}

int QELRTFX_RowStart(int style) {
    if (Open() == nullptr) {
        return 0;
    }
    Open()->RowStart(style);
    return 1;
}

int QELRTFX_CellText(const char* text) {
    return Open() != nullptr && Open()->CellText(Text(text)) ? 1 : 0;
}

int QELRTFX_CellEnd() {
    return Open() != nullptr ? 1 : 0;
}

int QELRTFX_RowEnd() {
    if (Open() == nullptr) {
        return 0;
    }
    Open()->RowEnd();
    return 1;
}

int QELRTFX_InsertRtf(const char* fileName, const char* heading, int, int headingStyle) {
    if (Open() == nullptr) {
        return 0;
    }
    const std::optional<std::string> rtf = ReadFile(fileName);
    return rtf && Open()->InsertRtf(*rtf, Text(heading), headingStyle) ? 1 : 0;
}

int QELRTFX_InsertMetafile(const std::uint8_t* emf, std::size_t size, double widthCm,
                           double heightCm) {
    const std::optional<QELRTFXPicture> picture = QELRTFXPicture::FromBytes(emf, size);
    if (Open() == nullptr || !picture || picture->GetKind() != QELRTFXPicture::Kind::Emf) {
        return 0;
    }
    Open()->InsertPicture(*picture, widthCm, heightCm);
    return 1;
}

int QELRTFX_InsertMetafile(std::uint32_t handle, double widthCm, double heightCm) {
    const std::vector<std::uint8_t>* bytes = QEL_GetEnhMetaFileBits(handle);
    return bytes != nullptr
               ? QELRTFX_InsertMetafile(bytes->data(), bytes->size(), widthCm, heightCm)
               : 0;
}

int QELRTFX_InsertPicture(const char* fileName, int, double widthCm, double heightCm) {
    if (Open() == nullptr) {
        return 0;
    }
    const std::optional<QELRTFXPicture> picture = QELRTFXPicture::FromFile(Text(fileName));
    if (!picture) {
        return 0;
    }
    Open()->InsertPicture(*picture, widthCm, heightCm);
    return 1;
}

const QELRTFXDocument* QELRTFX_OpenDocument() {
    return Open();
}
