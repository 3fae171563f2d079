// The loading diagram: its captions, figures that end at the foot, a scale that never
// flips a figure nor changes the results, and the water figure on its side.

#include "GrafikLauf.h"

#include <cmath>
#include <limits>

namespace {

struct Lage {
    double xMin = std::numeric_limits<double>::max();
    double xMax = -std::numeric_limits<double>::max();
    double yBasis = -std::numeric_limits<double>::max(); // deepest corner on the base line
};

// Extent in metres of every figure (the polygons after the wall).
std::vector<Lage> Figuren(const emf::Reader& r, const Welt& w) {
    std::vector<Lage> out;
    for (std::size_t k = 1; k < r.Polygons().size(); ++k) {
        Lage l;
        const auto& polygon = r.Polygons()[k];
        for (const emf::Point& p : polygon) {
            l.xMin = std::min(l.xMin, w.X(p));
            l.xMax = std::max(l.xMax, w.X(p));
        }
        // Corners 0 and 3 lie on the base line at the figure's bottom and top depth.
        l.yBasis = std::max(w.Y(polygon.front()), w.Y(polygon.back()));
        out.push_back(l);
    }
    return out;
}

emf::Reader Zeichne(GrafikLauf& lauf) {
    EXPECT_EQ(lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2), 1);
    const emf::Reader r = GrafikLauf::Bild("Beanspruchung");
    ErwarteGesund(r);
    return r;
}

TEST(Belastungsbild, CaptionsInOrderAndNoFigureBelowTheFoot) {
    struct Fall {
        const char* datei;
        std::vector<std::string> titel;
    };
    for (const Fall& fall :
         {Fall{"examples/kragwand.xml", {"aus Erde/10", "aus Erde", "aus 2", "aus Wasser"}},
          Fall{"examples/anker_eingespannt.xml",
               {"aus Erde/10", "aus Erde", "vert Lf. 1", "vertE Lf. 2", "horE Lf. 2",
                "aus Wasser"}}}) {
        SCOPED_TRACE(fall.datei);
        GrafikLauf lauf(fall.datei);
        const double eMax = lauf.calc->eMax;
        const emf::Reader r = Zeichne(lauf);
        // A picture changes no result.
        EXPECT_EQ(lauf.calc->eMax, eMax);
        const auto texte = Texte(r);
        for (const std::string& t : fall.titel) {
            EXPECT_EQ(texte.count(t), 1u) << t;
        }
        const Welt w(r, lauf.calc->tGes);
        for (const Lage& l : Figuren(r, w)) {
            EXPECT_LE(l.yBasis, lauf.calc->t + 0.03);
        }
        // The captions stand left to right in the order of the diagrams.
        std::vector<int> x;
        for (const std::string& t : fall.titel) {
            for (const auto& text : r.Texts()) {
                if (text.Utf8() == t) {
                    x.push_back(text.reference.x);
                }
            }
        }
        EXPECT_TRUE(std::is_sorted(x.begin(), x.end()));
    }
}

// A largest ordinate of 0 or below draws at the scale of the largest ordinate drawn: the
// figures keep their side.
TEST(Belastungsbild, NonPositiveLargestOrdinateFlipsNothing) {
    for (const double eMax : {0.0, -5.0}) {
        SCOPED_TRACE(eMax);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.calc->eMax = eMax;
        const emf::Reader r = Zeichne(lauf);
        EXPECT_EQ(lauf.calc->eMax, eMax);
        const Welt w(r, lauf.calc->tGes);
        const std::vector<Lage> figuren = Figuren(r, w);
        ASSERT_FALSE(figuren.empty());
        double breitest = 0.0;
        for (const Lage& l : figuren) {
            // The passive figure lies left of its base line 1 m left of the wall; every
            // other figure right of the wall.
            EXPECT_TRUE(l.xMax <= -1.0 + 0.03 || l.xMin >= -0.03) << l.xMin << " " << l.xMax;
            breitest = std::max(breitest, l.xMax - l.xMin);
        }
        // The largest ordinate is drawn 3 m wide.
        EXPECT_NEAR(breitest, 3.0, 0.1);
    }
}

TEST(Belastungsbild, WaterFigureByTheWaterLevels) {
    struct Fall {
        const char* name;
        double tgh;
        double tgv;
        int figur; // 0 none, 1 right of the wall, -1 left of the passive figure
    };
    for (const Fall& fall :
         {Fall{"equal levels", 2.0, 2.0, 0}, Fall{"both below the foot", 20.0, 25.0, 0},
          Fall{"higher behind the wall", 2.0, 3.5, 1}, Fall{"higher in front", 3.5, 2.0, -1}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.f.in.tgh = fall.tgh;
        lauf.f.in.tgv = fall.tgv;
        const emf::Reader r = Zeichne(lauf);
        const auto texte = Texte(r);
        EXPECT_EQ(texte.count("aus Wasser"), fall.figur == 0 ? 0u : 1u);
        if (fall.figur == 0) {
            continue;
        }
        int xWasser = 0;
        int xPassiv = 0;
        for (const auto& t : r.Texts()) {
            if (t.Utf8() == "aus Wasser") {
                xWasser = t.reference.x;
            }
            if (t.Utf8() == "aus Erde/10") {
                xPassiv = t.reference.x;
            }
        }
        EXPECT_EQ(xWasser > xPassiv, fall.figur > 0);
    }
}

// The loads' diagrams stand in the order of their kinds: the vertical part of every block
// load, then the horizontal part of every block load, then the same for the line loads;
// each caption is followed by its own figures, rows of many diagrams continuing below. A load whose
// figures have no ordinate keeps its caption, and its vertical part its figures, drawn as lines on
// the wall line.
TEST(Belastungsbild, LoadsByKindVerticalThenHorizontalAndNoLoadLeftOut) {
    GrafikLauf lauf("examples/anker_eingespannt.xml", VierLasten);
    const emf::Reader r = Zeichne(lauf);
    const std::vector<std::string> titel = {
        "aus Erde/10", "aus Erde",    "aus 2",       "vert Lf. 1", "vert Lf. 2", "hor Lf. 1",
        "hor Lf. 2",   "vertE Lf. 2", "vertE Lf. 1", "horE Lf. 2", "horE Lf. 1", "aus Wasser"};
    const std::vector<Abschnitt> abschnitte = Abschnitte(r);
    ASSERT_EQ(abschnitte.size(), titel.size());
    for (std::size_t k = 0; k < titel.size(); ++k) {
        SCOPED_TRACE(titel[k]);
        const Abschnitt& a = abschnitte[k];
        EXPECT_EQ(a.titel, titel[k]);
        // A horizontal part has figures only over the depth its force spreads to.
        if (a.titel.rfind("hor", 0) != 0) {
            EXPECT_FALSE(a.figuren.empty());
        }
        if (k == 0) {
            continue; // the passive figure lies left of its caption's end
        }
        // Left to right, and every figure between its caption and the next in its row.
        const int links = a.text.reference.x;
        const bool weiter = k + 1 < abschnitte.size() && GleicheZeile(a, abschnitte[k + 1]);
        const int rechts = weiter ? abschnitte[k + 1].text.reference.x : 1 << 30;
        EXPECT_LT(links, rechts);
        for (const auto& figur : a.figuren) {
            for (const emf::Point& p : figur) {
                EXPECT_GE(p.x, links - 2);
                EXPECT_LT(p.x, rechts);
            }
        }
    }
    // The far line load presses on nothing: its vertical figures lie on the wall line.
    const Abschnitt& fern = abschnitte[8];
    for (const auto& figur : fern.figuren) {
        for (const emf::Point& p : figur) {
            EXPECT_EQ(p.x, figur.front().x);
        }
    }
}

// The scale comes from what is drawn: the largest ordinate of all figures, on both sides
// of the wall (the passive one at a tenth) and a line load's peak, is drawn 3 m wide,
// whatever the calculation's own largest ordinate is. The calculation's stays as it is.
TEST(Belastungsbild, LargestOrdinateDrawnIsThreeMetresWide) {
    struct Fall {
        const char* name;
        const char* datei;
        GrafikLauf::Aenderung vorher;
        double eMax; // set after the calculation; NaN: as computed
    };
    const double berechnet = std::numeric_limits<double>::quiet_NaN();
    for (const Fall& fall : {
             Fall{"as computed", "examples/kragwand.xml", nullptr, berechnet},
             Fall{"tiny largest ordinate", "examples/kragwand.xml", nullptr, 1e-3},
             Fall{"huge largest ordinate", "examples/kragwand.xml", nullptr, 1e6},
             Fall{"line load 1 mm from the wall", "examples/anker_eingespannt.xml",
                  [](C1ZirfInput& in) { in.linienlast.at(0).x = 0.001; }, berechnet},
             Fall{"line load 1 cm from the wall", "examples/anker_eingespannt.xml",
                  [](C1ZirfInput& in) { in.linienlast.at(0).x = 0.01; }, berechnet},
             Fall{"water levels 4 cm apart", "examples/kragwand_sand.xml",
                  [](C1ZirfInput& in) {
                      in.wand_hw = 11.68;
                      in.tgh = 7.326;
                      in.tgv = 7.362;
                  },
                  berechnet},
         }) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei, fall.vorher);
        if (!std::isnan(fall.eMax)) {
            lauf.calc->eMax = fall.eMax;
        }
        const double eMax = lauf.calc->eMax;
        const emf::Reader r = Zeichne(lauf);
        EXPECT_EQ(lauf.calc->eMax, eMax);
        const Welt w(r, lauf.calc->tGes);
        double breitest = 0.0;
        for (const Lage& l : Figuren(r, w)) {
            breitest = std::max(breitest, l.xMax - l.xMin);
        }
        EXPECT_NEAR(breitest, 3.0, 0.1);
    }
}

} // namespace

namespace {

// A quick run outside the host writes the loading diagram but leaves it out of the
// report; under the host it always goes in.
TEST(Belastungsbild, QuickRunOutsideTheHostLeavesThePictureOut) {
    struct Fall {
        int host;
        int quick;
        std::size_t bilder;
    };
    for (const Fall& fall : {Fall{0, 1, 0}, Fall{0, 0, 1}, Fall{1, 1, 1}}) {
        SCOPED_TRACE(testing::Message() << "host " << fall.host << " quick " << fall.quick);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.f.qel.m_bKorvel2005 = fall.host;
        lauf.f.qel.Quick.QuickModus = fall.quick;
        lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2);
        ErwarteGesund(GrafikLauf::Bild("Beanspruchung"));
        EXPECT_EQ(Anzahl(lauf.BerichtText(), "\\emfblip"), fall.bilder);
    }
}

} // namespace

namespace {

// The compaction figure, active or at rest, closes the row; the variant with water and
// compaction alone draws neither earth pressure nor loads.
TEST(Belastungsbild, CompactionFigureAndTheWaterAndCompactionVariant) {
    struct Fall {
        int modus;
        int nwwand;
        std::vector<std::string> titel;
        std::vector<std::string> ohne;
    };
    for (const Fall& fall : {Fall{2, 0, {"aus Erde", "aus Wasser", "aus akt.VE"}, {}},
                             Fall{2, 2, {"aus Erde", "aus RuheVE"}, {"aus akt.VE"}},
                             Fall{5, 0, {"aus Wasser", "aus akt.VE"}, {"aus Erde", "aus 2"}}}) {
        SCOPED_TRACE(testing::Message() << "mode " << fall.modus << " nwwand " << fall.nwwand);
        GrafikLauf lauf("examples/kragwand.xml");
        C1ZirfInput& in = lauf.f.in;
        C1ZirfCalc& c = *lauf.calc;
        in.mitverd = 1;
        in.nwwand = fall.nwwand;
        // 20 kN/m² active and 30 kN/m² at rest in every layer.
        for (int i = 0; i <= c.iLetzteSchicht; ++i) {
            c.Verdichtung[i].eoV1 = c.Verdichtung[i].euV1 = 20.0;
            c.Verdichtung[i].eoV2 = c.Verdichtung[i].euV2 = 30.0;
        }
        ASSERT_EQ(lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, fall.modus), 1);
        const emf::Reader r = GrafikLauf::Bild("Beanspruchung");
        ErwarteGesund(r);
        const auto texte = Texte(r);
        for (const std::string& t : fall.titel) {
            EXPECT_EQ(texte.count(t), 1u) << t;
        }
        for (const std::string& t : fall.ohne) {
            EXPECT_EQ(texte.count(t), 0u) << t;
        }
    }
}

} // namespace
