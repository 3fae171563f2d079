#include "../host/InputFixture.h"
#include "WandFixture.h"

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

// The cantilevered sand wall of the example with loads (excavation 2.5 m, one sand layer
// with gamma = 18, phi = 30°, no wall friction, so Ka = 1/3 and Kp = 3; no water within
// reach), with its loads, compaction and combinations replaced.
struct Sandwand {
    static constexpr double kGammaG = 1.35;
    static constexpr double kGamma = 18.0;
    static constexpr double kKa = 1.0 / 3.0;

    Sandwand(const std::string& lasten, const std::string& verdichtung, const std::string& regel) {
        std::ifstream datei(std::string(ZIRF_SOURCE_DIR) + "/examples/kragwand_sand_lasten.xml");
        std::stringstream text;
        text << datei.rdbuf();
        std::string xml = text.str();
        Ersetze(xml, "<last>", "</last>", "<last>" + lasten + "</last>");
        // The compaction is given twice (steu and bome); the later one counts.
        for (int k = 0; k < 2; ++k) {
            Ersetze(xml, "mitverd=\"0\" geraet=\"0\" bp=\"0\"", "", verdichtung);
        }
        Ersetze(xml, "<results>", "</results>",
                "<results><result art=\"STR,GEO-2 BS-P\" regel=\"" + regel + "\"/></results>");
        f = std::make_unique<InputFixture>(xml);
        f->ReadAll();
        calc = std::make_unique<C1ZirfCalc>(&f->in, &traeger);
        try {
            calc->CalcBodenmodell();
        } catch (const C1Exception& e) {
            ADD_FAILURE() << e.text;
        }
    }

    // Replaces the first text from `von` up to the end of `bis` (or `von` alone).
    static void Ersetze(std::string& s, const std::string& von, const std::string& bis,
                        const std::string& neu) {
        const std::size_t a = s.find(von);
        ASSERT_NE(a, std::string::npos) << von;
        const std::size_t e = bis.empty() ? a + von.size() : s.find(bis, a) + bis.size();
        s.replace(a, e - a, neu);
    }

    std::unique_ptr<InputFixture> f;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
};

const char* const kOhneVerdichtung = "mitverd=\"0\" geraet=\"0\" bp=\"0\"";

// Vertical wall, level ground, delta = 0: from a point x behind the wall at the ground the
// friction line (phi = 30°) meets the wall at x·tan 30°, the slip line (45° + phi/2) at
// x·tan 60°.
const double kRad = 3.141592653589793 / 180.0;
double Reibungstiefe(double x) {
    return x * std::tan(30.0 * kRad);
}
double Gleittiefe(double x) {
    return x * std::tan(60.0 * kRad);
}

// At the converged depth the beam's design moment at the foot is the iteration's moment
// sum with the opposite sign (the beam counts the loads' moments about the foot negative).
void ErwarteGleichgewicht(const C1ZirfCalc& c) {
    EXPECT_LT(std::fabs(c.SM), 0.01 * std::fabs(c.SMA));
    EXPECT_NEAR(c.MF, -c.SM, 1e-3 * std::fabs(c.SMA));
}

TEST(Bemessungslasten, BlockLoadInTheFootLayerKeepsItsOwnDepthRange) {
    // A strip load 2 m behind the wall, v·b = 30 kN/m, permanent and alone in load case 1.
    // The friction line from the near edge meets the wall at z1 = 2·tan 30°, the slip lines
    // from the near and the far edge at z2 = 2·tan 60° and z3 = (2 + b)·tan 60°. The pressure rises
    // from 0 at z1 to em at z2 and falls to 0 at z3, em = 2·v·b·tan 30°/(z3 - z1) (the wedge's
    // force v·b·tan(60° - 30°) over the triangle). The falling part starts inside the foot layer
    // (below 2.5 m). What acts above the foot is the whole triangle (centroid (z1 + z2 + z3)/3)
    // less, when z3 lies below the foot, the triangle below it: ordinate em·(z3 - t)/(z3 - z2) at
    // t, centroid a third of the way down to z3.
    struct Fall {
        const char* name;
        double v, b;
    };
    const Fall faelle[] = {{"endet über dem Fuß", 30.0, 1.0}, {"reicht unter den Fuß", 5.0, 6.0}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Sandwand w("<gruppe art=\"2\" lf=\"1\" bez=\"Streifenlast\" v=\"" + std::to_string(f.v) +
                       "\" h=\"0\" x=\"2.0\" b=\"" + std::to_string(f.b) + "\" y=\"0\"/>",
                   kOhneVerdichtung, "1.35*(1)");
        C1ZirfCalc& c = *w.calc;
        ASSERT_EQ(c.CalcWand(), 1);
        const double z1 = Reibungstiefe(2.0);
        const double z2 = Gleittiefe(2.0);
        const double z3 = Gleittiefe(2.0 + f.b);
        const double t = c.t;
        ASSERT_GT(t, z2);
        ASSERT_GT(z2, c.Schicht[c.iSchichtFuss].yo);
        const double ganz = f.v * f.b * std::tan(30.0 * kRad);
        double kraft = ganz;
        double moment = ganz * (t - (z1 + z2 + z3) / 3.0);
        if (z3 > t) {
            const double em = 2.0 * ganz / (z3 - z1);
            const double eT = em * (z3 - t) / (z3 - z2);
            const double unten = eT * (z3 - t) / 2.0;
            kraft -= unten;
            moment -= unten * (t - (2.0 * t + z3) / 3.0);
        }
        EXPECT_NEAR(c.kraftLf[1], kraft, 1e-3 * ganz);
        EXPECT_NEAR(c.momentLf[1], moment, 1e-3 * ganz * t);
        ErwarteGleichgewicht(c);
    }
}

TEST(Bemessungslasten, HorizontalLineLoadSpreadsOverItsOwnRange) {
    // A horizontal line force h = 10 kN/m at the ground, 2 m behind the wall, permanent:
    // it spreads as a triangle 2·h/(z2 - z1) falling to 0 between z1 = 2·tan 30° and
    // z2 = 2·tan 60°, force h at (2·z1 + z2)/3. It has no vertical part, so only the
    // spread rows carry it, on the beam as in the iteration.
    Sandwand w("<gruppe art=\"3\" lf=\"1\" bez=\"Anprall\" m=\"0\" v=\"0\" h=\"10\" "
               "x=\"2.0\" y=\"0\"/>",
               kOhneVerdichtung, "1.35*(1)");
    C1ZirfCalc& c = *w.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    const double z1 = Reibungstiefe(2.0);
    const double z2 = Gleittiefe(2.0);
    EXPECT_NEAR(c.kraftLf[1], 10.0, 1e-9);
    EXPECT_NEAR(c.momentLf[1], 10.0 * (c.t - (2.0 * z1 + z2) / 3.0), 1e-6);
    ErwarteGleichgewicht(c);
}

// Compaction by a device 3 m wide (bp): the active figure rises from 0 at the ground to
// 0.4·bp·gamma·(Kp - Ka) = 57.6 kN/m² at 1.2 m, falls to 0.4·bp·gamma·Kp - 1.3·bp·gamma·Ka
// = 41.4 at 3.9 m and to 0 at 7.8 m. Traffic q of a variable load case gives Ka·q at every
// depth.
const char* const kVerdichtung = "mitverd=\"1\" geraet=\"0\" bp=\"3\"";

// Surcharges fill the load cases in order: load case 1 holds none.
std::string Verkehr(double q) {
    return "<gruppe art=\"1\" lf=\"1\" bez=\"Lagerfläche\" v=\"0\"/>"
           "<gruppe art=\"1\" lf=\"2\" bez=\"Verkehr\" v=\"" +
           std::to_string(q) + "\"/>";
}

TEST(Bemessungslasten, CompactionAndTrafficAreTakenByLayerAsTheIterationTookThem) {
    Sandwand w(Verkehr(10.0), kVerdichtung, "1.35*(1)+1.5*(2)");
    C1ZirfCalc& c = *w.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    ErwarteGleichgewicht(c);
    // Layer 0 (0 ... 1.2 m): compaction 1.35·57.6·1.2/2 = 46.7 kN/m against traffic
    // 1.5·Ka·10·1.2 = 6 kN/m: the compaction counts and the traffic does not. The design
    // moment at 1.2 m is that of the soil triangle, gammaG·gamma·Ka·1.2³/6, and of the
    // compaction triangle, gammaG·34.56·1.2/3.
    EXPECT_TRUE(c.verdichtungMassgebend[0]);
    const Bemessungslasten b(c);
    const double y = 1.2;
    const double erwartet =
        -Sandwand::kGammaG *
        (Sandwand::kGamma * Sandwand::kKa * y * y * y / 6.0 + 57.6 * y / 2.0 * y / 3.0);
    EXPECT_NEAR(b.Mx(0, b.traeger.GetTL() - y), erwartet, 1e-3 * std::fabs(erwartet));
    // The compaction ends at 7.8 m, above the foot: below it the traffic counts.
    ASSERT_GT(c.Schicht[c.iSchichtFussAktiv].yo, 7.8 - 1e-9);
    EXPECT_FALSE(c.verdichtungMassgebend[static_cast<std::size_t>(c.iSchichtFussAktiv)]);
}

TEST(Bemessungslasten, VariableCaseWithFactorZeroAddsNothing) {
    // With the traffic's factor 0 only the permanent loads remain: the design loads are
    // the permanent ones, and the beam is in balance with the iteration.
    Sandwand w(Verkehr(10.0), kVerdichtung, "1.35*(1)+0*(2)");
    C1ZirfCalc& c = *w.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    ErwarteGleichgewicht(c);
    // A case with factor 0 is no variable load case of the rule: one state, the permanent
    // loads.
    ASSERT_EQ(c.zustaende.size(), 1U);
    const Bemessungslasten b(c);
    Sandwand ohne(Verkehr(10.0), kVerdichtung, "1.35*(1)");
    ASSERT_EQ(ohne.calc->CalcWand(), 1);
    ASSERT_NEAR(ohne.calc->t, c.t, 1e-12);
    const Bemessungslasten staendig(*ohne.calc);
    for (int p = 0; p < C1WandDaten::kPunkte; ++p) {
        const double x = c.PunktX(p);
        const double m = staendig.Mx(0, x);
        EXPECT_NEAR(b.Mx(0, x), m, 1e-9 * (1.0 + std::fabs(m))) << p;
    }
}

} // namespace
