// Every picture stays readable whatever the input: as the report shows it, it is at
// least 2 cm on each side and at most 20:1, its texts keep the size of a picture of its
// own extents, and a load far from the wall neither stretches the sketch nor vanishes:
// it stands at the sketch's edge with its position written beside it.

#include "GrafikLauf.h"

#include "../support/BildPruefung.h"

#include <cmath>

namespace {

constexpr double kKleinsteSchriftCm = 0.15;

// The one picture of the report so far (closes the report).
bildpruefung::Bild EinzigesBild(GrafikLauf& lauf) {
    const std::string rtf = lauf.BerichtText();
    for (const std::string& f : bildpruefung::Fehler(rtf)) {
        ADD_FAILURE() << f;
    }
    const std::vector<bildpruefung::Bild> bilder = bildpruefung::Bilder(rtf);
    EXPECT_EQ(bilder.size(), 1u);
    return bilder.empty() ? bildpruefung::Bild{} : bilder.front();
}

// A line load of 50 kN/m at (x, y) as the example's only one.
GrafikLauf::Aenderung Linienlast(double x, double y) {
    return [x, y](C1ZirfInput& in) {
        in.linienlast.at(0) = {2, 0.0, 50.0, 0.0, "L", x, y};
        in.nLinienlast = 1;
    };
}

GrafikLauf::Aenderung Blocklast(double x, double y) {
    return [x, y](C1ZirfInput& in) {
        in.blocklast.at(0) = {2, "B", 50.0, 10.0, x, 2.0, y};
        in.blockArt.at(0) = 2;
        in.nBlocklast = 1;
    };
}

TEST(Lesbarkeit, FarLoadsStandAtTheSketchsEdgeWithTheirPosition) {
    struct Fall {
        const char* name;
        GrafikLauf::Aenderung last;
        const char* text; // the position written beside the load; "" for one in place
    };
    for (const Fall& fall : {
             Fall{"line load 12 m from the wall", Linienlast(12.0, 0.0), ""},
             Fall{"line load 1000 m from the wall", Linienlast(1000.0, 0.0), "x = 1000.00 m"},
             Fall{"line load 2000 km in front", Linienlast(-2.0e6, 0.0), "x = -2000000.00 m"},
             Fall{"line load 200 m deep", Linienlast(2.0, 200.0), "y = 200.00 m"},
             Fall{"line load 2^31 m deep", Linienlast(2.0, 2147483648.0), "y = 2147483648.00 m"},
             Fall{"block load 1000 m from the wall", Blocklast(1000.0, 0.0), "x = 1000.00 m"},
         }) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf("examples/kragwand_sand_lasten.xml", fall.last);
        ASSERT_EQ(lauf.grafik->PlotSystem("System", 160.0, 100.0), 1);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        const auto texte = Texte(r);
        if (*fall.text != '\0') {
            EXPECT_EQ(texte.count(fall.text), 1u);
        }
        const bildpruefung::Bild bild = EinzigesBild(lauf);
        EXPECT_GE(bildpruefung::KleinsteTexthoeheCm(bild), kKleinsteSchriftCm);
        // The wall, not the load, sets the sketch's size: it spans most of its height.
        const auto& wand = r.Polygons().at(0);
        const double wandCm = double(wand.at(1).y - wand.at(0).y) /
                              (r.Bounds().bottom - r.Bounds().top) * bild.HoeheCm();
        EXPECT_GT(wandCm, 6.0);
    }
}

// A load that stands where it acts has the ground under it.
TEST(Lesbarkeit, GroundReachesALoadDrawnInPlace) {
    GrafikLauf lauf("examples/kragwand_sand_lasten.xml", Linienlast(12.0, 0.0));
    lauf.grafik->PlotSystem("System", 160.0, 100.0);
    const emf::Reader r = GrafikLauf::Bild("System");
    const Welt w(r, lauf.calc->tGes);
    const auto& band = r.Polygons().at(1); // hatch band under the ground line
    double rechts = 0.0;
    for (const emf::Point& p : band) {
        rechts = std::max(rechts, w.X(p));
    }
    EXPECT_GT(rechts, 12.5);
}

// Every load with a horizontal part: 44 diagrams side by side. The row is long, the
// picture is not shown thinner than 2 cm, and its captions keep their size.
TEST(Lesbarkeit, ALongRowOfDiagramsStaysReadable) {
    const auto alleLasten = [](C1ZirfInput& in) {
        for (int j = 0; j < C1ZirfInput::kMaxBlocklast; ++j) {
            in.blocklast.at(std::size_t(j)) = {1 + j % 2, "B", 20.0, 5.0, 0.5 + j, 1.0, 0.0};
            in.blockArt.at(std::size_t(j)) = 2;
        }
        in.nBlocklast = C1ZirfInput::kMaxBlocklast;
        for (int j = 0; j < C1ZirfInput::kMaxLinienlast; ++j) {
            in.linienlast.at(std::size_t(j)) = {1 + j % 2, 0.0, 30.0, 6.0, "L", 0.3 + j, 0.0};
        }
        in.nLinienlast = C1ZirfInput::kMaxLinienlast;
    };
    {
        SCOPED_TRACE("loading diagram");
        GrafikLauf lauf("examples/anker_eingespannt.xml", alleLasten);
        ASSERT_EQ(lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2), 1);
        EXPECT_EQ(Texte(GrafikLauf::Bild("Beanspruchung")).size(), 44u);
        EXPECT_GE(bildpruefung::KleinsteTexthoeheCm(EinzigesBild(lauf)), kKleinsteSchriftCm);
    }
    {
        SCOPED_TRACE("deep-slip-line picture");
        GrafikLauf lauf("examples/anker_eingespannt.xml", alleLasten);
        ASSERT_EQ(lauf.grafik->PlotTGF("TGF", 160.0, 100.0), 1);
        EXPECT_GE(bildpruefung::KleinsteTexthoeheCm(EinzigesBild(lauf)), kKleinsteSchriftCm);
    }
}

// After an iteration that diverged the calculation holds no chosen depth: the sketch and
// the loading diagram draw the wall to the depth the iteration reached, in a picture
// of readable shape.
TEST(Lesbarkeit, DivergedWallDrawnToTheDepthReached) {
    GrafikLauf lauf("examples/kragwand_sand.xml", [](C1ZirfInput& in) { in.wand_hw = 60.0; });
    const C1ZirfCalc& c = *lauf.calc;
    ASSERT_TRUE(c.iterationDivergiert);
    ASSERT_GT(c.t, 60.0);
    lauf.grafik->PlotSystem("System", 160.0, 100.0);
    lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2);
    for (const char* name : {"System", "Beanspruchung"}) {
        SCOPED_TRACE(name);
        const emf::Reader r = GrafikLauf::Bild(name);
        ErwarteGesund(r);
        const auto& wand = r.Polygons().at(0);
        const double tiefe = double(wand.at(1).y - wand.at(0).y);
        EXPECT_GT(tiefe, 0.8 * (r.Bounds().bottom - r.Bounds().top));
    }
    const std::string rtf = lauf.BerichtText();
    for (const std::string& f : bildpruefung::Fehler(rtf)) {
        ADD_FAILURE() << f;
    }
    EXPECT_EQ(bildpruefung::Bilder(rtf).size(), 2u);
}

} // namespace

namespace {

// No text of the examples' pictures prints over another.
TEST(Lesbarkeit, NoTextOfTheExamplesPicturesPrintsOverAnother) {
    for (const char* datei : {"examples/kragwand.xml", "examples/kragwand_sand.xml",
                              "examples/kragwand_sand_lasten.xml", "examples/anker_frei.xml",
                              "examples/anker_eingespannt.xml", "examples/anker_sand.xml"}) {
        SCOPED_TRACE(datei);
        GrafikLauf lauf(datei);
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2);
        std::vector<std::string> bilder = {"System", "Beanspruchung"};
        if (lauf.f.in.mitanker != 0 && lauf.f.in.anker == 1) {
            lauf.grafik->PlotTGF("TGF", 160.0, 100.0);
            bilder.push_back("TGF");
        }
        for (const std::string& name : bilder) {
            SCOPED_TRACE(name);
            for (const std::string& u : bildpruefung::Ueberdrucke(GrafikLauf::Bild(name))) {
                ADD_FAILURE() << u;
            }
        }
    }
}

} // namespace
