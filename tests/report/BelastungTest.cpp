// Loads chapter, the host's fragment of actions and the combinations list.

#include "ReportFixture.h"

#include "platform/Base64.h"
#include "platform/MessageBox.h"

#include <filesystem>

namespace {

TEST(WriteBelastung, NoLoadsAndNoCompactionWritesNothing) {
    ReportFixture f("<annotations flast=\"x\" klast=\"x\"/>");
    EXPECT_EQ(f.report.WriteBelastung(), 0);
    EXPECT_EQ(f.Text(), "");
}

TEST(WriteBelastung, TablesOfTheFourKinds) {
    ReportFixture f("<annotations klast=\"Kopflasten nach Statik Pos. 3\"/>");
    C1ZirfInput& in = f.in;
    in.nFlaechenlast = 2;
    in.flaechenlast[0] = {1, "Baustelle", 10.0};
    in.flaechenlast[1] = {2, "Verkehr", 20.0};
    in.nBlocklast = 1;
    in.blocklast[0] = {2, "Kran", 50.0, 5.0, 1.5, 2.0, 0.5};
    in.nLinienlast = 1;
    in.linienlast[0] = {1, 3.5, 40.0, -2.0, "Fundament", 2.25, 1.0};
    in.nKopflast = 1;
    in.kopflast[0] = {2, 1, "Steife", 10.0, 5.0, -1.5};
    EXPECT_EQ(f.report.WriteBelastung(), 1);
    const std::vector<std::string> expected = {
        "Belastung",
        "gleichmäßige Auflast",
        "Last | Ort | Bezeichnung | Lf- | vert. | ",
        "Nr. |  |  | Nr. | [kN/m²] | ",
        "1 | hinten | Baustelle | 1 | 10.00 | ",
        "2 | hinten | Verkehr | 2 | 20.00 | ",
        "begrenzte Flächenlast",
        "Last | Abstand | Breite | Tiefe | Bezeichnung | Lf- | vert. | hor. | ",
        "Nr. | [m] | [m] | [m] |  | Nr. | [kN/m²] | [kN/m] | ",
        "1 | 1.50 | 2.00 | 0.50 | Kran | 2 | 50.00 | 5.00 | ",
        "Linienlast",
        "Last | x | y |  | Bezeichnung | Lf- | vert. | hor. | Moment | ",
        "Nr. | [m] | [m] |  |  | Nr. | [kN/m] | [kN/m] | [kNm/m] | ",
        "1 | 2.25 | 1.00 |  | Fundament | 1 | 40.00 | -2.00 | 3.50 | ",
        " ",
        "Kopflasten nach Statik Pos. 3",
        " ",
        "Kronenlast",
        "Last | Stelle |  | Bezeichnung | Lf- | vert. | hor. |  | Moment | ",
        // Nine columns for eight cells: the moment and its unit go to the ninth, under its
        // head; the eighth is empty.
        "Nr. |  |  |  | Nr. | [kN/m] | [kN/m] |  | [kNm/m] | ",
        "1 | Anker |  | Steife | 2 | 10.00 | 5.00 |  | -1.50 | ",
    };
    EXPECT_EQ(f.Zeilen(), expected);
}

TEST(WriteBelastung, HeadLoadPlaceWordByStelle) {
    // Only 0, 1 and 2 have a place word; any other value leaves the cell empty.
    const std::pair<int, std::string> faelle[] = {{0, "Kopf"}, {1, "Anker"}, {2, "Steife"},
                                                  {3, ""},     {-1, ""},     {1000, ""}};
    for (const auto& [stelle, wort] : faelle) {
        ReportFixture f;
        f.in.nKopflast = 1;
        f.in.kopflast[0] = {1, stelle, "H", 1.0, 2.0, 3.0};
        f.report.WriteBelastung();
        EXPECT_EQ(ZeileMit(f.Zeilen(), "1 |"),
                  "1 | " + wort + " |  | H | 1 | 1.00 | 2.00 |  | 3.00 | ")
            << "stelle " << stelle;
    }
}

TEST(WriteBelastung, CompactionRowByDevice) {
    struct Fall {
        int geraet;
        std::string zeile;
    };
    // Plate: width only; roller: self weight and centrifugal force; static roller:
    // self weight only; an unknown device: no row.
    const Fall faelle[] = {{0, "Vibrationsplatte | 0.6 |  |  | "},
                           {1, "Vibrationswalze |  | 12.5 | 40.0 | "},
                           {2, "statische Walze |  | 12.5 |  | "},
                           {7, ""}};
    for (const Fall& fall : faelle) {
        ReportFixture f;
        f.in.mitverd = 1;
        f.in.geraet = fall.geraet;
        f.in.bp = 0.6;
        f.in.eg = 12.5;
        f.in.zk = 40.0;
        EXPECT_EQ(f.report.WriteBelastung(), 1);
        const std::vector<std::string> lines = f.Zeilen();
        ASSERT_GE(lines.size(), 4U);
        EXPECT_EQ(lines[0], "Belastung");
        EXPECT_EQ(lines[1], "Verdichtungserddruck");
        EXPECT_EQ(lines[2], "Gerät | Breite | Eigengewicht | Zentrifugalkraft | ");
        const std::string zeile = lines.size() > 4 ? lines[4] : "";
        EXPECT_EQ(zeile, fall.zeile) << "geraet " << fall.geraet;
    }
}

TEST(WriteEinwirkungen, InsertsTheHostsFragmentUnderItsHeading) {
    const std::string fragment =
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard Gamma-Psi-Tabelle\\par}";

    ReportFixture f("", "<rtfFiles lastueberlagerung_gammaPsi=\"" +
                            Base64Encode(reinterpret_cast<const unsigned char*>(fragment.data()),
                                         fragment.size()) +
                            "\"/>");
    EXPECT_EQ(f.report.WriteEinwirkungen(), 1);
    EXPECT_FALSE(std::filesystem::exists("rtffile.temp.rtf"));
    const std::string text = f.Text();
    EXPECT_NE(text.find("Definition der Einwirkungen"), std::string::npos) << text;
    EXPECT_NE(text.find("Gamma-Psi-Tabelle"), std::string::npos) << text;
}

TEST(WriteEinwirkungen, WithoutFragmentNothingIsWritten) {
    ReportFixture f("", "<rtfFiles vardef=\"\"/>");
    EXPECT_EQ(f.report.WriteEinwirkungen(), 1);
    EXPECT_EQ(f.Text(), "");
}

TEST(WriteKombinationen, ListsTheGoverningCombination) {
    ReportFixture f;
    f.in.kombi = {{0, "STR,GEO-2", "1.35*(1)"}, {1, "STR,GEO-2", "1.35*(1)+1.5*(2)"}};
    f.calc->iMassgebend = 1;
    EXPECT_EQ(f.report.WriteKombinationen(1), 1);
    const std::vector<std::string> expected = {"relevante Lastfallkombinationen",
                                               "Nr. | Kennung | Kollektiv | ",
                                               "2 | STR,GEO-2 | 1.35*(1)+1.5*(2) | "};
    EXPECT_EQ(f.Zeilen(), expected);
    EXPECT_EQ(f.calc->kombiRelevant, (std::vector<int>{0, 1}));
}

// The older settings chapter: every row with the columns of its own heading, and the
// sentence of each side by its mode.
TEST(WriteKopflasten, HeadLoadsUnderTheirHeadingsAndTheSidesByTheirModes) {
    struct Fall {
        int nwstand, erhstand, miterdwiderstand, prozent;
        const char* aktiv;  // null: no sentence
        const char* passiv; // null: no sentence
    };
    const Fall faelle[] = {
        {0, 0, 0, 0, "Auf der aktiven Seite wird normaler aktiver Erddruck angesetzt.",
         "Auf der passiven Seite wird normaler Erdwiderstand angesetzt."},
        {1, 20, 1, 40,
         "Auf der aktiven Seite wird ein um  20 % erh\xC3\xB6hter aktiver Erddruck angesetzt.",
         "Auf der passiven Seite wird ein um  40 % abgeminderter Erdwiderstand angesetzt."},
        {2, 0, 2, 0, "Auf der aktiven Seite wird Erdruhedruck angesetzt.",
         "Auf der passiven Seite wird Erdruhedruck angesetzt."},
        {3, 0, -1, 0, nullptr, nullptr},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        f.in.nwstand = fall.nwstand;
        f.in.erhstand = fall.erhstand;
        f.in.miterdwiderstand = fall.miterdwiderstand;
        f.in.erdwiderstandprozent = fall.prozent;
        f.in.nKopflast = 2;
        f.in.kopflast[0] = {2, 0, "Wind", 10.0, 5.0, 3.0};
        f.in.kopflast[1] = {1, 7, "Sonder", 1.0, 0.0, 0.0}; // a place without a word
        EXPECT_EQ(f.report.WriteKopflasten(), 1);
        const std::string rtf = QELRTFX_OpenDocument()->Rtf();
        std::vector<std::string> expected = {
            "Last | Stelle |  | Bezeichnung | Lf- | vert. | hor. |  | Moment | ",
            "Nr. |  |  |  | Nr. | [kN/m] | [kN/m] |  | [kNm/m] | ",
            "1 | Kopf |  | Wind | 2 | 10.00 | 5.00 |  | 3.00 | ",
            "2 |  |  | Sonder | 1 | 1.00 | 0.00 |  | 0.00 | ",
        };
        for (const char* satz : {fall.aktiv, fall.passiv}) {
            if (satz != nullptr) {
                expected.emplace_back(satz);
            }
        }
        EXPECT_EQ(f.Zeilen(), expected) << fall.nwstand;
        // The heads and the values share their column boundaries.
        std::vector<std::string> grenzen;
        for (std::size_t pos = 0; (pos = rtf.find("\\trowd", pos)) != std::string::npos; ++pos) {
            const std::size_t cellx = rtf.find("\\cellx", pos);
            grenzen.push_back(rtf.substr(cellx, rtf.find('\n', pos) - cellx));
        }
        ASSERT_EQ(grenzen.size(), 4u);
        for (const std::string& g : grenzen) {
            EXPECT_EQ(g, grenzen[0]);
        }
        EXPECT_TRUE(QEL_ShownMessages().empty());
    }
}

TEST(WriteKopflasten, WithoutHeadLoadsOnlyTheSides) {
    ReportFixture f;
    EXPECT_EQ(f.report.WriteKopflasten(), 1);
    EXPECT_EQ(f.Zeilen(), (std::vector<std::string>{
                              "Auf der aktiven Seite wird normaler aktiver Erddruck angesetzt.",
                              "Auf der passiven Seite wird normaler Erdwiderstand angesetzt."}));
}

} // namespace
