#include "platform/QELRTFXDocument.h"

#include "platform/QELRTFXFragment.h"
#include "platform/QELRTFXTableLayout.h"
#include "platform/RtfText.h"
#include "platform/TextBreite.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr double kTwipsPerCm = 1440.0 / 2.54;

// A4 with margins of 2.5 cm left and 2 cm elsewhere; the text width is what remains.
constexpr int kPageWidth = 11906;
constexpr int kPageHeight = 16838;
constexpr int kMarginLeft = 1418;
constexpr int kMarginRight = 1134;
constexpr int kMarginTop = 1134;
constexpr int kMarginBottom = 1134;
constexpr int kTextWidth = kPageWidth - kMarginLeft - kMarginRight;
// Cells: half a millimetre of space on either side and a smaller font, so that the
// narrow columns of the report's tables keep their words on one line.
constexpr int kCellGap = 28;
constexpr const char* kCellFont = "\\fs16";
constexpr double kCellFontPt = 8.0;
// Room a cell needs beside its widest word: the space on either side and a margin for
// the renderer's own rounding.
constexpr double kCellExtraCm = 2.0 * kCellGap / kTwipsPerCm + 0.08;
constexpr double kTextWidthCm = kTextWidth / kTwipsPerCm;
constexpr int kStyleTableHead = 1;

struct Style {
    const char* name;
    const char* format; // paragraph and character formatting, repeated where the style is used
    bool heading;       // keeps with what follows it
    int spaceBefore;    // twips, as "\sbN" of the format
};

// Index = style number.
constexpr std::array<Style, 6> kStyles = {{
    {"Standard", "\\sa60\\f1\\fs20", false, 0},
    {"Tabellenkopf", "\\f1\\fs20\\b", true, 0},
    {"\xC3\x9C"
     "berschrift 1",
     "\\sb240\\sa120\\f1\\fs28\\b", true, 240},
    {"\xC3\x9C"
     "berschrift 2",
     "\\sb200\\sa100\\f1\\fs24\\b", true, 200},
    {"\xC3\x9C"
     "berschrift 3",
     "\\sb120\\sa60\\f1\\fs20\\b\\i", true, 120},
    {"Anmerkung", "\\sa60\\f1\\fs20\\i", false, 0},
}};
constexpr int kStyleAnnotation = 5;

int KnownStyle(int style) {
    return style >= 0 && style < static_cast<int>(kStyles.size()) ? style : 0;
}

void AppendNumber(std::string& out, long number) {
    std::array<char, 24> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    out.append(digits.data(), end);
}

// "\pard\plain\sN<format>" for a paragraph of that style.
void AppendStyleStart(std::string& out, int style, bool keep) {
    const int s = KnownStyle(style);
    out += "\\pard\\plain\\s";
    AppendNumber(out, s);
    out += kStyles[s].format;
    if (keep) {
        out += "\\keepn";
    }
    out += ' ';
}

// What a paragraph of the style with this text is to the page breaks.
UmbruchArt ParagraphArt(int style, std::string_view text) {
    const int s = KnownStyle(style);
    if (kStyles[s].heading) {
        return UmbruchArt::Ueberschrift;
    }
    if (s == kStyleAnnotation) {
        return UmbruchArt::Sonstiges;
    }
    return text.find_first_not_of(' ') == std::string_view::npos ? UmbruchArt::Leer
                                                                 : UmbruchArt::Text;
}

std::string StylesheetRtf() {
    std::string out = "{\\stylesheet";
    for (std::size_t s = 0; s < kStyles.size(); ++s) {
        out += "{";
        if (s > 0) {
            out += "\\s" + std::to_string(s);
        }
        // A heading style keeps with the next paragraph, as every heading of the body does;
        // the table head style also formats cells, and there each row decides.
        const bool keep = kStyles[s].heading && s != kStyleTableHead;
        out += std::string(kStyles[s].format) + (keep ? "\\keepn" : "") + " " +
               RtfEscapeUnicode(kStyles[s].name) + ";}";
    }
    // Footnote marks of table cells.
    out += "{\\*\\cs16\\additive\\super " + RtfEscapeUnicode("Fu\xC3\x9Fnotenzeichen") + ";}";
    return out + "}";
}

std::string UserText(std::string_view text) {
    return RtfEscapeUnicode(RtfEscapeUserText(text));
}

} // namespace

QELRTFXDocument::HeaderFields QELRTFXDocument::ParseHeader(const char* text) {
    HeaderFields fields;
    if (text == nullptr) {
        return fields;
    }
    const char* p = text;
    while (*p != '\0') {
        const std::string field(p);
        const std::size_t eq = field.find('=');
        const std::string key = field.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : field.substr(eq + 1);
        if (key == "Name") {
            fields.name = value;
        } else if (key == "Version") {
            fields.version = value;
        } else if (key == "Titel") {
            fields.title = value;
        } else if (key == "@T") {
            fields.note = value;
        } else if (field == "nohead") {
            fields.noHead = true;
        } else if (field == "nologo") {
            fields.noLogo = true;
        }
        p += field.size() + 1;
    }
    fields.bytes.assign(text, static_cast<std::size_t>(p - text) + 1);
    return fields;
}

QELRTFXDocument::QELRTFXDocument(std::string fileName, int firstPage, HeaderFields header)
    : fileName(std::move(fileName)), firstPage(firstPage), header(std::move(header)) {}

void QELRTFXDocument::Paragraph(int style, std::string_view text) {
    AddParagraph(ParagraphArt(style, text), style, RtfEscapeUnicode(text));
}

void QELRTFXDocument::AddParagraph(UmbruchArt art, int style, std::string rtf) {
    FinishTable();
    parts.push_back(Teil{art, style, std::move(rtf), {}});
}

void QELRTFXDocument::TableColumns(std::vector<double> widthsCm) {
    columns = std::move(widthsCm);
}

void QELRTFXDocument::RowStart(int style) {
    FinishRow();
    row = Row{style, columns, {}, {}, false};
    // Room for a cell in each column at once.
    row->cells.reserve(columns.size());
    row->needCm.reserve(columns.size());
}

bool QELRTFXDocument::CellText(std::string_view text) {
    if (!row) {
        return false;
    }
    row->cells.push_back(RtfEscapeUnicode(text));
    bool bold = row->style == kStyleTableHead;
    // A text without control words or groups is what it shows.
    const bool schlicht = std::none_of(text.begin(), text.end(),
                                       [](char c) { return c == '\\' || c == '{' || c == '}'; });
    const std::string sichtbar = schlicht ? std::string() : VisibleCellText(text, bold);
    const double word =
        WidestWordMm(schlicht ? text : std::string_view(sichtbar), kCellFontPt, bold) / 10.0;
    row->needCm.push_back(word > 0.0 ? word + kCellExtraCm : 0.0);
    return true;
}

void QELRTFXDocument::RowEnd() {
    FinishTable();
}

bool QELRTFXDocument::InsertRtf(std::string_view rtf, std::string_view heading, int headingStyle) {
    const std::optional<std::string> merged = QELRTFXFragment::Merge(rtf, tables);
    if (!merged) {
        return false;
    }
    if (!heading.empty()) {
        Paragraph(headingStyle, RtfEscapeUserText(heading));
    }
    FinishTable();
    parts.push_back(Teil{UmbruchArt::Sonstiges, kFragment, *merged, {}});
    return true;
}

void QELRTFXDocument::InsertPicture(const QELRTFXPicture& picture, double widthCm,
                                    double heightCm) {
    if (row) {
        row->cells.push_back(picture.RtfGroup(widthCm, heightCm));
        row->needCm.push_back(0.0);
        row->picture = true;
        return;
    }
    AddParagraph(UmbruchArt::Sonstiges, 0, "\\qc " + picture.RtfGroup(widthCm, heightCm));
}

QELRTFXDocument::Row QELRTFXDocument::Normalised(Row row) {
    const std::size_t count = row.widthsCm.size();
    row.needCm.resize(row.cells.size(), 0.0);
    while (count > 0 && row.cells.size() > count) {
        // Surplus cells go into the last one.
        row.cells[count - 1] += " " + row.cells[count];
        row.needCm[count - 1] = std::max(row.needCm[count - 1], row.needCm[count]);
        row.cells.erase(row.cells.begin() + static_cast<std::ptrdiff_t>(count));
        row.needCm.erase(row.needCm.begin() + static_cast<std::ptrdiff_t>(count));
    }
    row.cells.resize(count);
    row.needCm.resize(count, 0.0);
    return row;
}

std::vector<QELRTFXDocument::Row> QELRTFXDocument::LaidOut(std::vector<Row> rows) {
    // A row without columns or without cells has nothing to show.
    std::erase_if(rows, [](const Row& r) { return r.widthsCm.empty() || r.cells.empty(); });
    for (Row& r : rows) {
        r = Normalised(std::move(r));
    }
    const bool picture =
        std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.picture; });
    if (!picture) {
        std::vector<QELRTFXLayoutRow> layout;
        layout.reserve(rows.size());
        for (Row& r : rows) {
            // The row's widths are laid out anew: they move to the layout, not copied.
            layout.push_back({std::move(r.widthsCm), r.needCm});
        }
        std::vector<std::vector<double>> widths = FitTableColumns(layout, kTextWidthCm);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            rows[i].widthsCm = std::move(widths[i]);
        }
    }
    return rows;
}

void QELRTFXDocument::AppendText(std::string& out, std::string_view text, const Spill& spill) {
    // A picture's text goes out as it is, not copied once more.
    constexpr std::size_t kGross = 4096;
    if (text.size() >= kGross) {
        spill(out, text);
    } else {
        out += text;
    }
}

void QELRTFXDocument::AppendBodyRtf(std::string& out, const std::vector<const Teil*>& parts,
                                    const Spill& spill) {
    std::vector<UmbruchTeil> plan;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (parts[k]->rows.empty()) {
            plan.push_back({parts[k]->art, 0});
        }
        for (const Row& r : parts[k]->rows) {
            const bool head = r.style == kStyleTableHead;
            const UmbruchArt art = head        ? UmbruchArt::Kopfzeile
                                   : r.picture ? UmbruchArt::Bildzeile
                                               : UmbruchArt::Zeile;
            plan.push_back({art, static_cast<int>(k)});
        }
    }
    const std::vector<bool> keep = KeepWithNext(plan);
    std::size_t i = 0;
    for (const Teil* t : parts) {
        if (!t->rows.empty()) {
            bool head = true;
            for (const Row& r : t->rows) {
                head = head && r.style == kStyleTableHead;
                AppendRowRtf(out, r, head, keep[i++], spill);
            }
        } else if (t->style == kFragment) {
            AppendText(out, t->rtf, spill);
            out += '\n';
            ++i;
        } else {
            const int s = KnownStyle(t->style);
            // A heading under the line that follows a table (a check's verdict): its
            // space above stands as a paragraph of its own, or LibreOffice leaves the
            // heading alone at the foot of a page rather than take it to what it heads.
            const bool abstand = plan[i].art == UmbruchArt::Ueberschrift && i >= 2 &&
                                 plan[i - 1].art == UmbruchArt::Text &&
                                 IstTabellenzeile(plan[i - 2].art) && kStyles[s].spaceBefore > 0;
            if (abstand) {
                out += "\\pard\\plain\\s0\\sa0\\sl-";
                AppendNumber(out, kStyles[s].spaceBefore);
                // It keeps with its heading, as the heading keeps with what it heads.
                out += "\\slmult0\\keepn\\f1\\fs2 \\par\n";
            }
            AppendStyleStart(out, t->style, keep[i++]);
            if (abstand) {
                out.insert(out.size() - 1, "\\sb0");
            }
            AppendText(out, t->rtf, spill);
            out += "\\par\n";
        }
        spill(out, {});
    }
}

void QELRTFXDocument::AppendRowRtf(std::string& out, const Row& row, bool headRow, bool keep,
                                   const Spill& spill) {
    // No row is split over two pages.
    out += "\\trowd\\trgaph";
    AppendNumber(out, kCellGap);
    out += "\\trleft0\\trkeep";
    if (keep) {
        out += "\\trkeepfollow";
    }
    if (headRow) {
        out += "\\trhdr";
    }
    // Boundaries are rounded where they lie, so that rounding does not add up along the row.
    double rightCm = 0.0;
    long previous = 0;
    for (const double w : row.widthsCm) {
        rightCm += std::fabs(w);
        const long right = std::max(previous + 1, std::lround(rightCm * kTwipsPerCm));
        out += "\\cellx";
        AppendNumber(out, right);
        previous = right;
    }
    out += '\n';
    // What opens each cell of the row, put together once for all of them.
    const int s = KnownStyle(row.style);
    std::string zellenAnfang = "\\pard\\plain\\intbl\\s";
    AppendNumber(zellenAnfang, s);
    zellenAnfang += kStyles[s].format;
    zellenAnfang += kCellFont;
    if (keep) {
        zellenAnfang += "\\keepn";
    }
    zellenAnfang += "\\qc ";
    for (const std::string& cell : row.cells) {
        out += zellenAnfang;
        AppendText(out, cell, spill);
        out += "\\cell\n";
        spill(out, {});
    }
    out += "\\row\n";
}

void QELRTFXDocument::FinishRow() {
    if (row) {
        table.push_back(std::move(*row));
        row.reset();
    }
}

void QELRTFXDocument::FinishTable() {
    FinishRow();
    std::vector<Row> rows = LaidOut(std::move(table));
    table.clear();
    if (!rows.empty()) {
        parts.push_back(Teil{UmbruchArt::Sonstiges, 0, {}, std::move(rows)});
    }
}

std::string QELRTFXDocument::Rtf() const {
    std::string rtf;
    WriteRtf([&rtf](std::string_view piece) { rtf += piece; });
    return rtf;
}

void QELRTFXDocument::WriteRtf(const std::function<void(std::string_view)>& write) const {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\\uc1\n";
    out += tables.FontTableRtf() + "\n" + tables.ColourTableRtf() + "\n" + StylesheetRtf() + "\n";
    out += "{\\info{\\title " + UserText(header.title) + "}}\n";
    out += "\\paperw" + std::to_string(kPageWidth) + "\\paperh" + std::to_string(kPageHeight) +
           "\\margl" + std::to_string(kMarginLeft) + "\\margr" + std::to_string(kMarginRight) +
           "\\margt" + std::to_string(kMarginTop) + "\\margb" + std::to_string(kMarginBottom) +
           "\n";
    out += "\\sectd\\pgnstarts" + std::to_string(firstPage) + "\\pgnrestart\\pgndec\n";
    if (!header.noHead) {
        const std::string tabRight = "\\tqr\\tx" + std::to_string(kTextWidth);
        out += "{\\header\\pard\\plain\\f1\\fs16" + tabRight + " " + UserText(header.name) + "  " +
               UserText(header.version) + "  " + UserText(header.title) +
               "\\tab Seite \\chpgn\\par\n";
        out +=
            "\\pard\\plain\\f1\\fs16\\brdrb\\brdrs\\brdrw10 " + UserText(header.note) + "\\par}\n";
    }
    // The parts are written as they are, not copied; the rows not yet in a table are laid
    // out on their own. The text goes out in pieces, never the whole document at once.
    std::vector<Row> rest = table;
    if (row) {
        rest.push_back(*row);
    }
    const Teil last{UmbruchArt::Sonstiges, 0, {}, LaidOut(std::move(rest))};
    std::vector<const Teil*> all;
    all.reserve(parts.size() + 1);
    for (const Teil& t : parts) {
        all.push_back(&t);
    }
    if (!last.rows.empty()) {
        all.push_back(&last);
    }
    // Pieces of a few pages: a cell with a picture is the largest unit.
    constexpr std::size_t kStueck = 16 * 1024;
    out.reserve(2 * kStueck);
    AppendBodyRtf(out, all, [&write](std::string& sofar, std::string_view gross) {
        if (sofar.size() >= kStueck || (!gross.empty() && !sofar.empty())) {
            write(sofar);
            sofar.clear();
        }
        if (!gross.empty()) {
            write(gross);
        }
    });
    out += "}\n";
    write(out);
}
