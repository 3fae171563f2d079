// The system sketch: wall, ground with the three kinds of berm, levels, water, anchor or
// strut and load symbols, read back from its metafile.

#include "GrafikLauf.h"

#include "../support/BildPruefung.h"

#include <cmath>

namespace {

struct SkizzenFall {
    const char* name;
    const char* datei;
    std::function<void(C1ZirfInput&, C1ZirfCalc&)> aendern; // after the calculation
    std::size_t bandEcken; // corners of the hatch band under the ground
    int gw;                // groundwater symbols
    std::vector<std::string> texte;
    bool lastsymbole; // surcharge bands drawn
};

void KeineLasten(C1ZirfInput& in, C1ZirfCalc&) {
    for (auto& l : in.flaechenlast) {
        l.v = 0.0;
    }
    for (auto& l : in.blocklast) {
        l.v = l.h = 0.0;
    }
    for (auto& l : in.linienlast) {
        l.v = l.h = l.m = 0.0;
    }
    for (auto& l : in.kopflast) {
        l.v = l.h = l.m = 0.0;
    }
    in.maxLast = 0.0;
}

// A berm whose slope runs from x = a (ground level) to x = e, 1.5 m high.
std::function<void(C1ZirfInput&, C1ZirfCalc&)> Berme(double a, double e) {
    return [a, e](C1ZirfInput& in, C1ZirfCalc& c) {
        in.mitberme = 1;
        c.xBerme = a;
        c.yBerme = c.yGelaende;
        c.xBermeFuss = e;
        c.yBermeFuss = c.yGelaende - 1.5;
    };
}

TEST(SystemSkizze, GroundBermLevelsWaterAndLoadsByCase) {
    const std::vector<SkizzenFall> faelle = {
        {"as given",
         "examples/kragwand.xml",
         nullptr,
         4,
         2,
         {"+ 0.00", "OKW =  52.300 m", "-1.20", "-3.00", "-4.00", "-9.70", "-8.55"},
         true},
        {"all loads zero", "examples/kragwand.xml", KeineLasten, 4, 2, {"+ 0.00"}, false},
        {"berm beyond the drawn ground",
         "examples/kragwand.xml",
         Berme(40.0, 45.0),
         4,
         2,
         {},
         true},
        {"berm slope reaching past the end",
         "examples/kragwand.xml",
         Berme(4.0, 40.0),
         6,
         2,
         {},
         true},
        {"whole berm slope drawn", "examples/kragwand.xml", Berme(2.0, 5.0), 8, 2, {}, true},
        {"excavation level a thousand kilometres down",
         "examples/kragwand.xml",
         [](C1ZirfInput& in, C1ZirfCalc&) { in.wand_hw = 1e9; },
         4,
         2,
         {"+ 0.00"},
         true},
        {"water at and below the foot",
         "examples/kragwand.xml",
         [](C1ZirfInput& in, C1ZirfCalc& c) {
             in.tgh = c.tGes;
             in.tgv = c.tGes + 5.0;
         },
         4,
         0,
         {},
         true},
    };
    for (const SkizzenFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei);
        if (fall.aendern) {
            fall.aendern(lauf.f.in, *lauf.calc);
        }
        const double eMax = lauf.calc->eMax;
        ASSERT_EQ(lauf.grafik->PlotSystem("System", 160.0, 100.0), 1);
        EXPECT_EQ(lauf.calc->eMax, eMax);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        const auto texte = Texte(r);
        for (const std::string& t : fall.texte) {
            EXPECT_EQ(texte.count(t), 1u) << t;
        }
        EXPECT_EQ(texte.count("GW"), std::size_t(fall.gw));
        ASSERT_GE(r.Polygons().size(), 2u);
        EXPECT_EQ(r.Polygons()[1].size(), fall.bandEcken);
        // Wall, ground band, excavation band, water triangles; then the surcharge bands.
        const std::size_t grund = 3 + std::size_t(fall.gw);
        if (fall.lastsymbole) {
            EXPECT_GT(r.Polygons().size(), grund);
        } else {
            EXPECT_EQ(r.Polygons().size(), grund);
        }
    }
}

TEST(SystemSkizze, RisingGroundRisesToTheRight) {
    GrafikLauf lauf("examples/kragwand.xml");
    lauf.f.in.gela_neigung = 10.0;
    lauf.grafik->PlotSystem("System", 160.0, 100.0);
    const emf::Reader r = GrafikLauf::Bild("System");
    ErwarteGesund(r);
    const Welt w(r, lauf.calc->tGes);
    const auto& band = r.Polygons().at(1);
    // Upper edge: first corner at the wall, second at the far end, drawn higher.
    const double rechts = w.X(band.at(1));
    EXPECT_NEAR(w.Y(band.at(1)) - w.Y(band.at(0)), -std::tan(10.0 / 57.29578) * (rechts - 0.1),
                0.05);
    EXPECT_LT(w.Y(band.at(1)), w.Y(band.at(0)));
}

// `anker` 0 is a strut on the excavation side: a rectangle from the wall face a quarter of
// the wall long, 0.1 m thick above the anchor depth, whatever length the anchor is given.
// Every other value is a ground anchor: a band 0.1 m deep from the wall at the anchor depth,
// at its inclination and length, whether its deep slip line is checked (1) or not.
TEST(SystemSkizze, StrutForAnker0AndGroundAnchorOtherwise) {
    struct Fall {
        const char* name;
        const char* datei;
        int anker;     // -1: as in the file
        double tiefe;  // -1: as in the file
        double laenge; // -1: as in the file
        bool strebe;
    };
    for (const Fall& fall :
         {Fall{"ground anchor, slip line checked", "examples/anker_frei.xml", 1, -1.0, -1.0, false},
          Fall{"ground anchor, slip line not checked", "examples/anker_frei.xml", 2, -1.0, -1.0,
               false},
          Fall{"ground anchor at the head", "examples/anker_frei.xml", 1, 0.0, -1.0, false},
          Fall{"strut as the file gives it", "examples/anker_sand.xml", -1, -1.0, -1.0, true},
          Fall{"strut", "examples/anker_frei.xml", 0, -1.0, -1.0, true},
          Fall{"strut at the head", "examples/anker_frei.xml", 0, 0.0, -1.0, true},
          Fall{"strut entered with length 0", "examples/anker_frei.xml", 0, -1.0, 0.0, true}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei, [&](C1ZirfInput& in) {
            if (fall.anker >= 0) {
                in.anker = fall.anker;
            }
            if (fall.tiefe >= 0.0) {
                in.tiefe_anker = fall.tiefe;
            }
            if (fall.laenge >= 0.0) {
                in.ankerlaenge = fall.laenge;
            }
        });
        const C1ZirfInput& in = lauf.f.in;
        ASSERT_EQ(in.anker == 0, fall.strebe);
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        const double t = lauf.calc->tGes;
        const Welt w(r, t);
        const double y = in.tiefe_anker;
        const double winkel = in.ankerneigung / 57.29577951;
        const double xEnde = std::cos(winkel) * in.ankerlaenge;
        const double yEnde = y + std::sin(winkel) * in.ankerlaenge;
        const auto bei = [&](const emf::Point& p, double x, double y0) {
            return std::fabs(w.X(p) - x) < 0.02 && std::fabs(w.Y(p) - y0) < 0.02;
        };
        int anker = 0;
        int strebe = 0;
        for (const auto& p : r.Polygons()) {
            if (p.size() != 4) {
                continue;
            }
            if (bei(p[0], 0.0, y) && bei(p[1], xEnde, yEnde) && bei(p[2], xEnde, yEnde + 0.1) &&
                bei(p[3], 0.0, y + 0.1)) {
                ++anker;
            }
            const double xa = -0.1;
            const double xe = xa - t / 4.0;
            if (bei(p[0], xa, y) && bei(p[1], xe, y) && bei(p[2], xe, y - 0.1) &&
                bei(p[3], xa, y - 0.1)) {
                ++strebe;
            }
        }
        EXPECT_EQ(anker, fall.strebe ? 0 : 1);
        EXPECT_EQ(strebe, fall.strebe ? 1 : 0);
    }
}

// The water symbols stand beside the wall above the excavation level, the excavation
// side's off the wall's face, the retained side's off its line; below the excavation
// level they stand off x = 0. The wall leans back by 10 degrees.
TEST(SystemSkizze, WaterSymbolsOffTheWallAboveTheExcavationOffZeroBelow) {
    struct Fall {
        const char* name;
        double tgh;
        double tgv;
        bool ueberAushub; // both levels above the excavation level (3 m)
    };
    for (const Fall& fall : {Fall{"above the excavation level", 1.0, 2.0, true},
                             Fall{"below the excavation level", 4.0, 5.0, false}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf("examples/kragwand.xml", [&](C1ZirfInput& in) {
            in.wand_neigung = 10.0;
            in.tgh = fall.tgh;
            in.tgv = fall.tgv;
        });
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        const double t = lauf.calc->tGes;
        const Welt w(r, t);
        const double tanWand = std::tan(10.0 / 57.29577951);
        const double wandV = fall.ueberAushub ? tanWand * fall.tgv - 0.1 : 0.0;
        const double wandH = fall.ueberAushub ? tanWand * fall.tgh : 0.0;
        // The triangle's first corner, 0.02 below the level.
        const double xV = wandV - 0.02 - t / 4.0 - 1.25;
        const double xH = wandH + 0.02 + t / 2.0 + 0.25;
        int vorn = 0;
        int hinten = 0;
        for (const auto& p : r.Polygons()) {
            if (p.size() != 3) {
                continue;
            }
            vorn +=
                std::fabs(w.X(p[0]) - xV) < 0.02 && std::fabs(w.Y(p[0]) - fall.tgv - 0.02) < 0.02;
            hinten +=
                std::fabs(w.X(p[0]) - xH) < 0.02 && std::fabs(w.Y(p[0]) - fall.tgh - 0.02) < 0.02;
        }
        EXPECT_EQ(vorn, 1);
        EXPECT_EQ(hinten, 1);
    }
}

// The calculated depth is labelled where the embedment was searched, its iteration step
// above 0 (left out, as every level label, where it would print over the foot's).
TEST(SystemSkizze, CalculatedDepthLabelledWhenTheIterationStepIsAboveZero) {
    for (const double schritt : {0.25, 0.0}) {
        SCOPED_TRACE(schritt);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.calc->delta_t = schritt;
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", -lauf.calc->t);
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        EXPECT_EQ(Texte(r).count(text), schritt > 0.0 ? 1u : 0u) << text;
    }
}

// Level labels closer than a text height apart never print over one another: the head
// and the foot of the wall keep theirs, a layer level or the calculated depth that would
// cover a label placed before it is left out.
TEST(SystemSkizze, LevelLabelsNeverOverprint) {
    struct Fall {
        const char* name;
        const char* datei;
        std::function<void(C1ZirfCalc&)> aendern;
    };
    for (const Fall& fall : {Fall{"layers 0.25 m apart", "examples/anker_eingespannt.xml", nullptr},
                             Fall{"calculated depth 1 cm above the foot", "examples/kragwand.xml",
                                  [](C1ZirfCalc& c) { c.t = c.tGes - 0.01; }},
                             Fall{"calculated depth 5 cm below a layer boundary",
                                  "examples/kragwand.xml", [](C1ZirfCalc& c) { c.t = 4.05; }}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei);
        if (fall.aendern) {
            fall.aendern(*lauf.calc);
        }
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        for (const std::string& u : bildpruefung::Ueberdrucke(r)) {
            ADD_FAILURE() << u;
        }
        char fuss[32];
        std::snprintf(fuss, sizeof fuss, "%.2f", -lauf.calc->tGes);
        const auto texte = Texte(r);
        EXPECT_EQ(texte.count("+ 0.00"), 1u);
        EXPECT_EQ(texte.count(fuss), 1u) << fuss;
    }
}

// With a berm the ground as it lies beneath it runs on at the ground slope from where
// the berm begins to the end of the drawn ground.
TEST(SystemSkizze, BermShowsTheGroundBeneathIt) {
    for (const double neigung : {0.0, 10.0}) {
        SCOPED_TRACE(neigung);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.f.in.gela_neigung = neigung;
        Berme(2.0, 5.0)(lauf.f.in, *lauf.calc);
        const C1ZirfCalc& c = *lauf.calc;
        lauf.grafik->PlotSystem("System", 160.0, 100.0);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        const Welt w(r, c.tGes);
        const double tanGel = std::tan(neigung / 57.29577951);
        int gefunden = 0;
        emf::Point von;
        for (const emf::Record& rec : r.Records()) {
            const emf::Point p{r.I32(rec.offset + 8), r.I32(rec.offset + 12)};
            if (rec.type == 27) {
                von = p;
            } else if (rec.type == 54) {
                const double x0 = w.X(von);
                const double y0 = w.Y(von);
                const double x1 = w.X(p);
                const double y1 = w.Y(p);
                if (std::fabs(x0 - 2.0) < 0.03 && std::fabs(y0 - c.yBerme) < 0.03 && x1 > 5.0 &&
                    std::fabs(y1 - (c.yBerme - (x1 - 2.0) * tanGel)) < 0.03) {
                    ++gefunden;
                }
                von = p;
            }
        }
        EXPECT_EQ(gefunden, 1);
    }
}

// The head's level texts ("OKW = …" and "+ 0.00") stand in front of the wall, clear of
// it and of the symbols of the loads at its head, however short the wall: no stroke
// other than the level line under them crosses their box.
TEST(SystemSkizze, HeadLevelTextsClearOfTheWallAndTheHeadLoads) {
    constexpr std::uint32_t kMoveTo = 27;
    constexpr std::uint32_t kLineTo = 54;
    struct Fall {
        const char* name;
        const char* datei;
        GrafikLauf::Aenderung aendern;
    };
    const auto flach = [](C1ZirfInput& in) { in.wand_hw = 1.5; };
    const auto ankerFlach = [](C1ZirfInput& in) {
        in.wand_hw = 1.5;
        in.tiefe_anker = 0.5;
        in.ankerneigung = 10.0;
        in.ankerlaenge = 6.0;
    };
    const auto mitMoment = [ankerFlach](C1ZirfInput& in) {
        ankerFlach(in);
        in.kopflast.at(0).m = 10.0;
    };
    for (const Fall& fall :
         {Fall{"anchored wall as given", "examples/anker_frei.xml", nullptr},
          Fall{"wall without anchor as given", "examples/kragwand.xml", nullptr},
          Fall{"1.5 m wall without anchor", "examples/kragwand.xml", flach},
          Fall{"1.5 m anchored wall", "examples/anker_frei.xml", ankerFlach},
          Fall{"1.5 m anchored wall with a head moment", "examples/anker_frei.xml", mitMoment}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei, fall.aendern);
        ASSERT_EQ(lauf.grafik->PlotSystem("System", 160.0, 100.0), 1);
        const emf::Reader r = GrafikLauf::Bild("System");
        ErwarteGesund(r);
        // The strokes of the picture, each from one point to the next.
        std::vector<std::pair<emf::Point, emf::Point>> striche;
        emf::Point zuletzt{};
        for (const emf::Record& rec : r.Records()) {
            if (rec.type != kMoveTo && rec.type != kLineTo) {
                continue;
            }
            const emf::Point p{r.I32(rec.offset + 8), r.I32(rec.offset + 12)};
            if (rec.type == kLineTo) {
                striche.emplace_back(zuletzt, p);
            }
            zuletzt = p;
        }
        const std::vector<emf::Point>& wand = r.Polygons().at(0);
        int kopftexte = 0;
        for (const emf::Text& t : r.Texts()) {
            const std::string text = t.Utf8();
            if (text.rfind("OKW", 0) != 0 && text != "+ 0.00") {
                continue;
            }
            ++kopftexte;
            SCOPED_TRACE(text);
            const emf::Rect k = t.box;
            const int h = k.bottom - k.top;
            const auto drin = [&](double x, double y) {
                return x > k.left && x < k.right && y > k.top + h / 10 && y < k.bottom - h / 4;
            };
            for (const emf::Point& p : wand) {
                EXPECT_LE(k.right, p.x) << "over the wall";
            }
            for (const auto& [a, b] : striche) {
                if (a.y == b.y) {
                    continue; // the level line under the text, the ground lines
                }
                bool kreuzt = false;
                for (int i = 0; i <= 100 && !kreuzt; ++i) {
                    kreuzt = drin(a.x + (b.x - a.x) * i / 100.0, a.y + (b.y - a.y) * i / 100.0);
                }
                EXPECT_FALSE(kreuzt)
                    << "stroke (" << a.x << ", " << a.y << ") - (" << b.x << ", " << b.y << ")";
            }
        }
        EXPECT_GE(kopftexte, 1);
    }
}

} // namespace
