// The chapter of internal forces and deflection: four pictures whose labels are the
// report's numbers, the supports of the wall, and the deflection of a cantilever under a
// uniform load against its closed form.

#include "GrafikLauf.h"

#include "analysis/Biegelinie.h"
#include "graphics/Schnittgroessenlinien.h"
#include "plot/member/PlotT_.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// The two points of a step lie this far apart along the member (m).
constexpr double kStufe = 1e-4;

const char* const kDateien[] = {"Momente.emf", "Querkraefte.emf", "Normalkraefte.emf",
                                "Durchbiegung.emf"};

// The numbers among a picture's texts.
std::vector<double> Zahlen(const emf::Reader& r) {
    std::vector<double> out;
    for (const auto& t : r.Texts()) {
        const std::string s = t.Utf8();
        char* ende = nullptr;
        const double v = std::strtod(s.c_str(), &ende);
        if (ende != s.c_str() && *ende == '\0') {
            out.push_back(v);
        }
    }
    return out;
}

// Whether a label shows the value to the four digits a label keeps.
bool HatLabel(const emf::Reader& r, double wert) {
    const double toleranz = 6e-4 * std::fabs(wert) + 0.006;
    for (const double v : Zahlen(r)) {
        if (std::fabs(v - wert) <= toleranz) {
            return true;
        }
    }
    return false;
}

// The image of the last bitmap (the symbol at the foot, drawn last).
std::vector<std::uint32_t> LetztesSymbol(const emf::Reader& r) {
    std::vector<std::uint32_t> out;
    for (const emf::Record& rec : r.Records()) {
        if (rec.type == 81) { // STRETCHDIBITS
            out.clear();
            // The bitmap header and bits, after the placement fields.
            constexpr std::size_t kPlatzierung = 8 + 72;
            for (std::size_t at = rec.offset + kPlatzierung; at + 4 <= rec.offset + rec.size;
                 at += 4) {
                out.push_back(r.U32(at));
            }
        }
    }
    return out;
}

TEST(Schnittgroessenbild, LabelsAreTheReportsNumbers) {
    for (const char* datei :
         {"examples/kragwand.xml", "examples/anker_frei.xml", "examples/anker_eingespannt.xml"}) {
        SCOPED_TRACE(datei);
        GrafikLauf lauf(datei);
        const C1ZirfCalc& c = *lauf.calc;
        ASSERT_EQ(lauf.grafik->PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1), 1);
        // The member plot is closed with the chapter.
        EXPECT_EQ(PlotT_Current(), nullptr);
        const std::string rtf = lauf.BerichtText();
        EXPECT_NE(rtf.find("Momente [kNm/m]"), std::string::npos);
        EXPECT_NE(rtf.find("Verformungen [cm]"), std::string::npos);
        EXPECT_EQ(Anzahl(rtf, "\\emfblip"), 4u);

        std::vector<emf::Reader> bilder;
        for (const char* d : kDateien) {
            bilder.push_back(emf::Reader::FromFile(d));
            ErwarteGesund(bilder.back());
        }
        // Moments: the report's greatest design moment.
        EXPECT_TRUE(HatLabel(bilder[0], c.Mxm)) << c.Mxm;
        // Shear: the greatest and the least value of the load states as the lines draw
        // them (beside the anchor and just above the foot force at t among them), with the
        // beam's sign.
        double qMin = 0.0;
        double qMax = 0.0;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, lauf.f.in);
        for (const auto* linie : {&l.querkraft, &l.querkraftMin}) {
            for (const Schnittgroessenlinien::Punkt& p : *linie) {
                qMin = std::min(qMin, p.wert);
                qMax = std::max(qMax, p.wert);
            }
        }
        EXPECT_TRUE(HatLabel(bilder[1], qMin)) << qMin;
        EXPECT_TRUE(HatLabel(bilder[1], qMax)) << qMax;
        if (lauf.f.in.mitanker != 0) {
            // The shear steps at the anchor: both its values at the anchor itself are
            // labelled, the one above on the line drawn up from it.
            double oben = 0.0;
            for (const auto* linie : {&l.querkraft, &l.querkraftMin}) {
                for (const Schnittgroessenlinien::Punkt& p : *linie) {
                    if (p.beschriftet && p.richtung == 1) {
                        oben = p.wert;
                    }
                }
            }
            EXPECT_TRUE(HatLabel(bilder[1], oben)) << oben;
            EXPECT_TRUE(HatLabel(bilder[1], c.QA)) << c.QA;
        }
        if (c.einspannArt != 0) {
            // The fixing moment of a fixed foot, as the table prints it.
            EXPECT_TRUE(HatLabel(bilder[0], c.MF)) << c.MF;
        }
        // Normal forces: the report's value at the foot (of the wall without anchor, the
        // least line's, the sum of the check of the vertical forces).
        EXPECT_TRUE(HatLabel(bilder[2], c.NFuss)) << c.NFuss;
        // Deflection in cm with its sign: the largest movement, toward the excavation.
        const double wMin = *std::min_element(c.Durchbiegung.begin(), c.Durchbiegung.begin() + 21);
        EXPECT_LT(wMin, 0.0);
        EXPECT_TRUE(HatLabel(bilder[3], wMin)) << wMin;
    }
}

// Supports: a cantilever is clamped at its foot with a free head; an anchored wall has
// its anchor and a foot hinged when free, clamped with any fixity.
TEST(Schnittgroessenbild, SupportsByWallAndFixity) {
    struct Fall {
        const char* name;
        const char* datei;
        int einspannArt;
        double tiefeAnker; // < 0: as given
        std::size_t symbole;
    };
    std::vector<std::vector<std::uint32_t>> fuss;
    for (const Fall& fall : {Fall{"cantilever", "examples/kragwand.xml", 0, -1.0, 1},
                             Fall{"free foot", "examples/anker_frei.xml", 0, -1.0, 2},
                             Fall{"partly fixed foot", "examples/anker_frei.xml", 1, -1.0, 2},
                             Fall{"fixed foot", "examples/anker_frei.xml", 2, -1.0, 2},
                             Fall{"anchor at the head", "examples/anker_frei.xml", 0, 0.0, 2}}) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf(fall.datei);
        lauf.calc->einspannArt = fall.einspannArt;
        if (fall.tiefeAnker >= 0.0) {
            lauf.f.in.tiefe_anker = fall.tiefeAnker;
        }
        lauf.grafik->PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1);
        const emf::Reader r = emf::Reader::FromFile("Momente.emf");
        ErwarteGesund(r);
        EXPECT_EQ(r.Bitmaps().size(), fall.symbole);
        fuss.push_back(LetztesSymbol(r));
    }
    // Clamped: the cantilever and both fixed feet; hinged: the free foot, also with the
    // anchor at the head.
    EXPECT_EQ(fuss[0], fuss[2]);
    EXPECT_EQ(fuss[0], fuss[3]);
    EXPECT_NE(fuss[1], fuss[2]);
    EXPECT_EQ(fuss[1], fuss[4]);
}

// A cantilever of length L under a uniform load q on its retained side: the head moves
// toward the excavation by q·L⁴/(8EI), drawn left of the wall.
TEST(Schnittgroessenbild, CantileverUnderUniformLoadAgainstTheClosedForm) {
    constexpr double L = 6.0;
    constexpr double q = 20.0;
    const double EI = biegelinie::Biegesteifigkeit(38000.0);
    GrafikLauf lauf;
    C1ZirfCalc& c = *lauf.calc;
    lauf.f.in.mitanker = 0;
    c.t = L;
    c.tGes = L;
    biegelinie::Linie M{};
    for (int p = 0; p <= 20; ++p) {
        const double x = p * L / 20.0;
        M[std::size_t(p)] = -q * (L - x) * (L - x) / 2.0;
        c.MDesign[std::size_t(p)] = M[std::size_t(p)];
        c.QDesign[std::size_t(p)] = q * (L - x);
    }
    const biegelinie::Linie w = biegelinie::Kragwand(M, L, EI);
    std::copy(w.begin(), w.end(), c.Durchbiegung.begin());
    lauf.grafik->PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1);

    const double erwartet = -q * L * L * L * L / (8.0 * EI) * 100.0; // cm
    const emf::Reader r = emf::Reader::FromFile("Durchbiegung.emf");
    ErwarteGesund(r);
    EXPECT_TRUE(HatLabel(r, erwartet)) << erwartet;
    EXPECT_FALSE(HatLabel(r, -erwartet));
    // The filled line lies left of the member, on the excavation side.
    ASSERT_EQ(r.Polygons().size(), 1u);
    const auto& linie = r.Polygons()[0];
    const auto [links, rechts] =
        std::minmax_element(linie.begin(), linie.end(),
                            [](const emf::Point& a, const emf::Point& b) { return a.x < b.x; });
    EXPECT_LT(links->x, rechts->x - 10);
    // The axis points of the area close it at the member: the rightmost x.
    EXPECT_EQ(std::count_if(linie.begin(), linie.end(),
                            [&](const emf::Point& p) { return p.x == rechts->x; }) >= 2,
              true);
    const emf::Reader m = emf::Reader::FromFile("Momente.emf");
    EXPECT_TRUE(HatLabel(m, -q * L * L / 2.0));
}

// The lines on the design beam: the cantilever's head carries its head load's design
// force, the normal force is the report's at the excavation level and at the foot, the
// anchor's vertical component enters 0.01 m below the point just above the anchor, and
// the deflection keeps the stored centimetres at their depths.
TEST(Schnittgroessenbild, LinesOnTheDesignBeam) {
    using P = Schnittgroessenlinien::Punkt;
    const auto bei = [](const std::vector<P>& linie, double x) {
        for (const P& p : linie) {
            if (std::fabs(p.x - x) < 1e-9) {
                return p.wert;
            }
        }
        ADD_FAILURE() << "no point at x = " << x;
        return 0.0;
    };
    // A value the report prints stands, labelled, on one of the envelope's two lines.
    const auto beschriftet = [](const std::vector<P>& eine, const std::vector<P>& andere,
                                double x) {
        for (const auto* linie : {&eine, &andere}) {
            for (const P& p : *linie) {
                if (std::fabs(p.x - x) < 1e-9 && p.beschriftet) {
                    return p.wert;
                }
            }
        }
        ADD_FAILURE() << "no labelled point at x = " << x;
        return 0.0;
    };
    {
        SCOPED_TRACE("cantilever");
        GrafikLauf lauf("examples/kragwand.xml");
        const C1ZirfCalc& c = *lauf.calc;
        const C1ZirfInput& in = lauf.f.in;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, in);
        EXPECT_DOUBLE_EQ(l.TL, c.t);
        EXPECT_LT(l.ankerTiefe, 0.0);
        // Head load 5 kN/m, variable: 1.5 · 5 at the head, toward the excavation (the
        // beam's value just below the head holds a sliver of earth pressure: 0.02).
        EXPECT_NEAR(bei(l.querkraft, l.TL), 1.5 * 5.0, 0.02);
        EXPECT_NEAR(beschriftet(l.normalkraft, l.normalkraftMin, l.TL - in.wand_hw), c.NHw, 1e-9);
        // At the foot the step by C's vertical force, both sides labelled: just above it the
        // value of the larger magnitude, at the foot the least of the states, the check of
        // the vertical forces.
        {
            const C1ZirfCalc::Huelle oben = c.NormalkraftGrenzen(c.t - 1e-9, true);
            const double groesser = std::fabs(oben.min) > std::fabs(oben.max) ? oben.min : oben.max;
            EXPECT_NEAR(beschriftet(l.normalkraft, l.normalkraftMin, kStufe), groesser, 1e-9);
            EXPECT_NEAR(beschriftet(l.normalkraft, l.normalkraftMin, 0.0), c.NFuss, 1e-9);
        }
        EXPECT_NEAR(beschriftet(l.moment, l.momentMin, l.TL - c.xm), c.Mxm, 1e-9);
        EXPECT_EQ(bei(l.durchbiegung, l.TL), c.Durchbiegung[0]);
        // Nothing is drawn above the head.
        for (const auto* linie : {&l.moment, &l.querkraft, &l.normalkraft, &l.durchbiegung}) {
            for (const auto& punkt : *linie) {
                EXPECT_LE(punkt.x, l.TL);
            }
        }
    }
    {
        SCOPED_TRACE("anchored wall");
        GrafikLauf lauf("examples/anker_frei.xml");
        const C1ZirfCalc& c = *lauf.calc;
        const C1ZirfInput& in = lauf.f.in;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, in);
        EXPECT_DOUBLE_EQ(l.TL, c.tGes);
        ASSERT_DOUBLE_EQ(l.ankerTiefe, in.tiefe_anker);
        const double xA = l.TL - in.tiefe_anker;
        const double sprung = bei(l.normalkraft, xA) - bei(l.normalkraft, xA + kStufe);
        EXPECT_NEAR(sprung, std::tan(in.ankerneigung / c.GradFaktor) * c.AK, 1e-6);
        EXPECT_GT(sprung, 1.0);
        // Above the anchor the table's normal force.
        EXPECT_EQ(bei(l.normalkraft, xA + kStufe), c.NAnker);
        EXPECT_EQ(beschriftet(l.moment, l.momentMin, xA), c.MA);
        // The shear at the anchor steps by the anchor force.
        EXPECT_NEAR(beschriftet(l.querkraft, l.querkraftMin, xA + kStufe) -
                        beschriftet(l.querkraft, l.querkraftMin, xA),
                    c.AK, 1e-6);
        EXPECT_EQ(beschriftet(l.querkraft, l.querkraftMin, xA), c.QA);
        // The deflection reaches down the whole wall, to the member's foot.
        EXPECT_NEAR(bei(l.durchbiegung, 0.0), c.Durchbiegung[20], 1e-12);
        EXPECT_NEAR(bei(l.normalkraft, 0.0), c.NFuss, 1e-9);
        // The foot force at t: the shear steps from its value just above to the unloaded
        // wall below, where the moment is 0.
        const double xFuss = l.TL - c.t;
        const double q = bei(l.querkraft, xFuss);
        EXPECT_EQ(l.querkraftMin.empty() || q == c.QFuss ? q : bei(l.querkraftMin, xFuss), c.QFuss);
        // (Just below, or half way to the member's end where the wall below t is shorter.)
        EXPECT_EQ(bei(l.querkraft, xFuss - std::min(kStufe, xFuss / 2.0)), 0.0);
        EXPECT_EQ(bei(l.moment, xFuss), 0.0);
    }
    {
        SCOPED_TRACE("a head load at the anchor's level");
        GrafikLauf lauf("examples/anker_frei.xml", [](C1ZirfInput& in) {
            auto& k = in.kopflast.at(static_cast<std::size_t>(in.nKopflast++));
            k.lf = 1;
            k.stelle = 1;
            k.v = 10.0;
        });
        const C1ZirfCalc& c = *lauf.calc;
        const C1ZirfInput& in = lauf.f.in;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, in);
        const double xA = l.TL - in.tiefe_anker;
        // The normal force steps at the anchor by the anchor's vertical component and the
        // load that acts at its level, each with its design factor.
        const double sprung = bei(l.normalkraft, xA) - bei(l.normalkraft, xA + kStufe);
        EXPECT_NEAR(sprung,
                    std::tan(in.ankerneigung / c.GradFaktor) * c.AK + c.FaktorLastfall(1) * 10.0,
                    1e-6);
    }
    {
        SCOPED_TRACE("anchor at the head");
        GrafikLauf lauf("examples/anker_frei.xml");
        lauf.f.in.tiefe_anker = 0.0;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(*lauf.calc, lauf.f.in);
        EXPECT_LT(l.ankerTiefe, 0.0);
        // The drawing grid of 200 parts from the head down, the value at the excavation
        // level and the step at the foot force.
        EXPECT_EQ(l.querkraft.size(), 204u);
    }
}

// The four pictures of a row share one depth scale: the head, the anchor and the foot lie
// at one height in all four, within 1 % of the picture's height, whatever their labels.
TEST(Schnittgroessenbild, FourPicturesShareOneDepthScale) {
    for (const char* datei :
         {"examples/kragwand.xml", "examples/anker_frei.xml", "examples/anker_eingespannt.xml",
          "examples/anker_sand.xml", "examples/kragwand_sand_lasten.xml"}) {
        SCOPED_TRACE(datei);
        GrafikLauf lauf(datei);
        ASSERT_EQ(lauf.grafik->PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1), 1);
        const bool anker = lauf.f.in.mitanker != 0;
        // Heights as shares of the picture, from its top: head, foot, anchor.
        std::vector<std::vector<double>> hoehen;
        for (const char* d : kDateien) {
            SCOPED_TRACE(d);
            const emf::Reader r = emf::Reader::FromFile(d);
            ErwarteGesund(r);
            ASSERT_FALSE(r.Polygons().empty());
            const emf::Rect b = r.Bounds();
            const double hoehe = b.bottom - b.top;
            ASSERT_GT(hoehe, 0.0);
            const auto anteil = [&](double y) { return (y - b.top) / hoehe; };
            // The filled line starts and ends on the member: at the foot and at the head.
            const std::vector<emf::Point>& linie = r.Polygons().front();
            const auto [kopf, fuss] = std::minmax(linie.front().y, linie.back().y);
            std::vector<double> h = {anteil(kopf), anteil(fuss)};
            if (anker) {
                // The anchor's symbol is the support nearest the head.
                ASSERT_FALSE(r.Bitmaps().empty());
                const emf::Rect a = *std::min_element(
                    r.Bitmaps().begin(), r.Bitmaps().end(),
                    [](const emf::Rect& l, const emf::Rect& q) { return l.top < q.top; });
                h.push_back(anteil((a.top + a.bottom) / 2.0));
            }
            hoehen.push_back(h);
        }
        for (std::size_t k = 1; k < hoehen.size(); ++k) {
            for (std::size_t i = 0; i < hoehen[0].size(); ++i) {
                EXPECT_NEAR(hoehen[k][i], hoehen[0][i], 0.01) << k << " " << i;
            }
        }
    }
}

} // namespace

namespace {

// A deflection too small for any label to show, or none at all, is no line to draw: the
// picture says so beside its member and keeps the depth scale of the others.
TEST(Schnittgroessenbild, ADiagramWithoutALineSaysWhy) {
    for (const auto& [faktor, text] :
         {std::pair{0.0, "alle Werte = 0"}, std::pair{1e-7, "alle Werte < 0.0001"}}) {
        SCOPED_TRACE(text);
        GrafikLauf lauf("examples/anker_frei.xml");
        for (double& w : lauf.calc->Durchbiegung) {
            w *= faktor;
        }
        ASSERT_EQ(lauf.grafik->PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1), 1);
        const emf::Reader w = emf::Reader::FromFile("Durchbiegung.emf");
        ErwarteGesund(w);
        EXPECT_TRUE(w.Polygons().empty());
        EXPECT_EQ(Texte(w).count(text), 1u);
        // The head and the foot symbol stand where they stand in the moment picture.
        const emf::Reader m = emf::Reader::FromFile("Momente.emf");
        ASSERT_EQ(w.Bitmaps().size(), m.Bitmaps().size());
        const auto anteil = [](const emf::Reader& r, const emf::Rect& b) {
            return double(b.top - r.Bounds().top) / (r.Bounds().bottom - r.Bounds().top);
        };
        for (std::size_t k = 0; k < m.Bitmaps().size(); ++k) {
            EXPECT_NEAR(anteil(w, w.Bitmaps()[k]), anteil(m, m.Bitmaps()[k]), 0.01);
        }
    }
}

} // namespace

namespace {

// The deflection, computed at 21 points, is drawn smooth between them: through every
// computed point, never beyond two neighbours, so that its greatest value is a computed
// one; and with as many points as the moment line.
TEST(Schnittgroessenbild, DeflectionDrawnSmoothThroughItsComputedPoints) {
    for (const char* datei : {"examples/kragwand.xml", "examples/anker_frei.xml"}) {
        SCOPED_TRACE(datei);
        GrafikLauf lauf(datei);
        const C1ZirfCalc& c = *lauf.calc;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, lauf.f.in);
        std::vector<Schnittgroessenlinien::Punkt> w = l.durchbiegung;
        std::sort(w.begin(), w.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
        EXPECT_GE(w.size(), 201u);
        const auto gespeichert = [&](double x) {
            const double p = (l.TL - x) / l.TL * 20.0;
            return std::fabs(p - std::round(p)) < 1e-9
                       ? std::optional<double>(c.Durchbiegung[std::size_t(std::lround(p))])
                       : std::nullopt;
        };
        int getroffen = 0;
        double links = w.front().wert;
        std::vector<double> zwischen;
        for (const auto& p : w) {
            if (const auto g = gespeichert(p.x)) {
                EXPECT_EQ(p.wert, *g) << p.x;
                ++getroffen;
                for (const double z : zwischen) {
                    EXPECT_GE(z, std::min(links, *g) - 1e-12);
                    EXPECT_LE(z, std::max(links, *g) + 1e-12);
                }
                zwischen.clear();
                links = *g;
            } else {
                zwischen.push_back(p.wert);
            }
        }
        EXPECT_EQ(getroffen, 21);
    }
}

} // namespace
