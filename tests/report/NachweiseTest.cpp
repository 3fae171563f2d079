// The checks of the support, the anchor and the profile, and the embedment result:
// report rows, verdicts and result elements. Expected values are worked by hand.

#include "ReportFixture.h"

#include "platform/C1Exception.h"
#include "report/ReportSicht.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>

namespace {

// The element at a path below the document root; 0 when any part is missing.
QEDOM_HANDLE Element(const ReportFixture& f, std::initializer_list<const char*> path) {
    QEDOM_HANDLE e = QEDOM_GetRootElement(f.doc);
    for (const char* name : path) {
        e = QEDOM_FindFirstChild(e, name);
    }
    return e;
}
std::optional<double> Attr(const ReportFixture& f, std::initializer_list<const char*> path,
                           const char* name) {
    const QEDOM_HANDLE e = Element(f, path);
    if (e == 0 || QEDOM_GetString(e, name) == nullptr) {
        return std::nullopt;
    }
    return QEDOM_GetDouble(e, name);
}

// Three `lastfall` entries: slots 0, 2 and 3, printed as load cases 1, 2 and 3.
void Erdwiderlager(ReportFixture& f, double ephd, double summeBhd) {
    f.in.iLetzterLastfall = 2;
    C1ZirfCalc& c = *f.calc;
    c.gammaG = 1.35;
    c.gammaQ = 1.5;
    c.ephd = ephd;
    c.summeBhd = summeBhd;
    c.BhkLf[0] = 50.0;
    c.faktorLf[0] = 1.35;
    c.BhkLf[2] = 20.0;
    c.faktorLf[2] = 1.5;
    c.BhkLf[3] = 10.0;
    c.faktorLf[3] = 1.5;
}

TEST(WriteAuflagerNachweis, EarthSupportRowsVerdictAndResult) {
    struct Fall {
        double ephd, summe;
        bool eingehalten;
        std::optional<double> ausnutzung;
    };
    const Fall faelle[] = {
        {200.0, 150.0, true, 0.75},         // 150 / 200
        {1000.0, 1000.004, true, 1.000004}, // prints alike: within the tolerance of 0.1 %
        {0.004, 0.0049, false, 1.225},      // prints alike, but beyond the tolerance
        {1000.0, 1000.5, false, 1.0005},    // within the tolerance, but printed larger
        {386.48, 386.73, false, 386.73 / 386.48},
        {1000.0, 1002.0, false, 1.002},   // beyond it
        {0.0, 0.0, true, 0.0},            // no action against no resistance
        {0.0, 10.0, false, std::nullopt}, // a force against no resistance: no utilisation
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        Erdwiderlager(f, fall.ephd, fall.summe);
        EXPECT_EQ(f.report.WriteAuflagerNachweis(0), 1);
        const std::vector<std::string> lines = f.Zeilen();
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", fall.ephd);
        const std::string eph = text;
        // Each share of Eph,d, so that Bh,k = share * Eph,d (none without a resistance).
        const auto anteil = [&](double bhk) {
            std::snprintf(text, sizeof text, "%.3f", fall.ephd != 0.0 ? bhk / fall.ephd : 0.0);
            return std::string(text);
        };
        // Bh,d = Bh,k * gammaF: 50 * 1.35 = 67.50, 20 * 1.5 = 30.00, 10 * 1.5 = 15.00.
        EXPECT_EQ(lines.at(3), "1 | " + eph + " | " + anteil(50.0) + " | 50.00 | 1.35 | 67.50 | ");
        EXPECT_EQ(lines.at(4), "2 | " + eph + " | " + anteil(20.0) + " | 20.00 | 1.50 | 30.00 | ");
        EXPECT_EQ(lines.at(5), "3 | " + eph + " | " + anteil(10.0) + " | 10.00 | 1.50 | 15.00 | ");
        EXPECT_EQ(ZeileMit(lines, "GW"), "");
        EXPECT_EQ(ZeileMit(lines, "Summe").substr(0, 6), "Summe ");
        EXPECT_EQ(lines.back(), fall.eingehalten ? "ΣBh,d <= Eph,d : Nachweis eingehalten"
                                                 : "ΣBh,d > Eph,d : Nachweis nicht eingehalten !!!")
            << fall.ephd << " " << fall.summe;
        EXPECT_EQ(Attr(f, {"result", "trag", "horizontal"}, "bhd"), fall.summe);
        EXPECT_EQ(Attr(f, {"result", "trag", "horizontal"}, "ephd"), fall.ephd);
        const std::optional<double> a = Attr(f, {"result", "trag", "horizontal"}, "ausnutzung");
        ASSERT_EQ(a.has_value(), fall.ausnutzung.has_value()) << fall.ephd << " " << fall.summe;
        if (a) {
            EXPECT_NEAR(*a, *fall.ausnutzung, 1e-12);
        }
    }
}

TEST(WriteAuflagerNachweis, AStateThatNeedsMoreThanTheDesignShareFailsTheEarthSupport) {
    // The rows of the governing state pass (150 against 200), but the permanent loads alone
    // need 0.75 of the passive side's resistance where eta_p/gep = 1/1.4 = 0.714 is all
    // they may take: the check fails by that state, naming it and the share.
    ReportFixture f;
    Erdwiderlager(f, 200.0, 150.0);
    f.in.eta_p = 1.0;
    C1ZirfCalc& c = *f.calc;
    c.gep = 1.4;
    f.in.kombi.push_back({0, "STR,GEO-2 BS-P", "1.35*(1)+1.5*(2)"});
    c.bemessungsKombinationen = {
        {0, KombiFaktoren::Parse("1.35*(1)+1.5*(2)"), {2}, {{0, 0}, {1, 1}}}};
    c.zustaende = {{0, 0}, {0, 1}};
    c.anteilPassivNoetig = {0.6, 0.75};
    EXPECT_EQ(f.report.WriteAuflagerNachweis(0), 1);
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(lines.back(), "Lastzustand LK 1 ständig: erforderlicher Anteil des Erdwiderstands  "
                            "0.750 > ηp / γEp =  0.714 : Nachweis nicht eingehalten !!!");
    EXPECT_EQ(lines.at(lines.size() - 2), "ΣBh,d > Eph,d : Nachweis nicht eingehalten !!!");
    EXPECT_NEAR(Attr(f, {"result", "trag", "horizontal"}, "ausnutzung").value_or(-1.0), 0.75 * 1.4,
                1e-12);
    // Within its design share every state holds: the rows decide.
    ReportFixture g;
    Erdwiderlager(g, 200.0, 150.0);
    g.in.eta_p = 1.0;
    g.calc->gep = 1.4;
    g.calc->anteilPassivNoetig = {0.6, 0.714};
    g.report.WriteAuflagerNachweis(0);
    EXPECT_EQ(g.Zeilen().back(), "ΣBh,d <= Eph,d : Nachweis eingehalten");
}

TEST(WriteAuflagerNachweis, EarthSupportWaterRow) {
    // The water enters the sum with its sign: a share that relieves the support force is
    // printed as well. Its share of Eph,d: 8 / 200 = 0.040; Bh,d = 8 * 1.35 = 10.80.
    const struct {
        double bhk;
        const char* zeile;
    } faelle[] = {{8.0, "GW | 200.00 | 0.040 | 8.00 | 1.35 | 10.80 | "},
                  {-8.0, "GW | 200.00 | -0.040 | -8.00 | 1.35 | -10.80 | "},
                  {0.0, ""}};
    for (const auto& fall : faelle) {
        ReportFixture f;
        Erdwiderlager(f, 200.0, 150.0);
        f.calc->BhkWasser = fall.bhk;
        f.calc->faktorWasser = 1.35;
        f.report.WriteAuflagerNachweis(0);
        EXPECT_EQ(ZeileMit(f.Zeilen(), "GW"), fall.zeile) << fall.bhk;
    }
}

TEST(WriteAuflagerNachweis, EarthSupportRowsAddUpToTheSumWithTheFactorsItTook) {
    // The combination step of a free anchored foot, then the check: each row prints the
    // factor its share took in the design sum, so the rows add up to it. Rule
    // "1.2*(1)+1.05*(2)": load case 1 of the anchored wall is taken with gammaG (1.35, not
    // the rule's 1.2), load case 2 with its combination factor 1.05, load case 3, which the
    // rule leaves out, with 0. The water presses towards the soil above the anchor and is
    // taken with eta_p/gep = 1/1.4 like the passive side.
    // No passive figure is set, so the lever about the anchor is a triangle's:
    // (6 - 1.5) + 2/3·(9 - 6) = 6.5. Shares Bh,k = moment/6.5:
    // load case 1 650 + 65 (its soil, and its loads in slot 1) -> 110, load case 2
    // 130 -> 20, load case 3 65 -> 10, water 32.5 -> 5.
    // Bh,d: 110·1.35 = 148.50, 20·1.05 = 21.00, 10·0 = 0, 5/1.4 = 3.57; sum 173.07.
    ReportFixture f;
    f.in.iLetzterLastfall = 2;
    f.in.mitanker = 1;
    f.in.wand_hw = 6.0;
    f.in.kombi.push_back({0, "STR,GEO-2 BS-P", "1.2*(1)+1.05*(2)"});
    C1ZirfCalc& c = *f.calc;
    c.iMassgebend = 0;
    c.einspannArt = 0;
    c.gammaG = 1.35;
    c.t = 9.0;
    c.yAnker = 1.5;
    c.ephd = 200.0;
    c.momentLf[0] = 650.0;
    c.momentLf[1] = 65.0;
    c.momentLf[2] = 130.0;
    c.momentLf[3] = 65.0;
    c.momentWasser = 32.5;
    c.momentWasserD = 32.5 / 1.4;
    c.kombiFaktoren = KombiFaktoren::Parse("1.2*(1)+1.05*(2)");
    c.CalcKombi(0);
    f.report.WriteAuflagerNachweis(0);
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(lines.at(3), "1 | 200.00 | 0.550 | 110.00 | 1.35 | 148.50 | ");
    EXPECT_EQ(lines.at(4), "2 | 200.00 | 0.100 | 20.00 | 1.05 | 21.00 | ");
    EXPECT_EQ(lines.at(5), "3 | 200.00 | 0.050 | 10.00 | 0.00 | 0.00 | ");
    EXPECT_EQ(lines.at(6), "GW | 200.00 | 0.025 | 5.00 | 0.71 | 3.57 | ");
    EXPECT_EQ(ZeileMit(lines, "Summe"), "Summe |  |  |  |  | 173.07 | ");
    const double summe = 148.5 + 21.0 + 5.0 / 1.4;
    EXPECT_NEAR(Attr(f, {"result", "trag", "horizontal"}, "bhd").value_or(-1.0), summe, 1e-9);
    EXPECT_NEAR(Attr(f, {"result", "trag", "horizontal"}, "ausnutzung").value_or(-1.0),
                summe / 200.0, 1e-12);
}

// The vertical forces of a wall worked by hand: 10 m down to its foot, a weight of
// 100 kg/m² (Gk = 10 kN/m), the vertical earth pressure of load case 1 (30 kN/m) and of
// load case 2 (12.5 kN/m), the passive side's wall friction of 80 kN/m upward. Two load
// states of "1.35*(1)+1.5*(2)": every load, and the permanent ones alone; each with its
// anchor force (anchored wall, inclined at 45°: tan = 1) or its foot force C (without
// anchor: half of tan 0° - tan(-20°) = 0.181985) and the share of the passive side it
// mobilises.
void Vertikal(ReportFixture& f, bool anker, double summeVerschiebung = 0.0) {
    using B = C1WandDaten::WandBeitrag;
    f.in.iLetzterLastfall = 1; // slots 0 and 2
    f.in.g = 100.0;
    f.in.wand_hw = 3.0;
    f.in.mitanker = anker ? 1 : 0;
    f.in.ankerneigung = 45.0;
    f.in.tiefe_anker = 1.5;
    C1ZirfCalc& c = *f.calc;
    c.t = 10.0;
    c.iSchichtFuss = 2;
    c.Schicht[2].deltp = -20.0;
    c.vertikalBeitraege = {B{0, 0, B{}.routing, 0.0, 0.0, 30.0, 0, 0.0, 0.0},
                           B{2, 0, B{}.routing, 0.0, 0.0, 12.5, 0, 0.0, 0.0}};
    c.vertikalPassivLf[0] = 80.0; // stored with the figures' sign: -(-80)
    c.bemessungsKombinationen = {
        {0, KombiFaktoren::Parse("1.35*(1)+1.5*(2)"), {2}, {{0, 0}, {1, 1}}}};
    c.zustaende = {{0, 0}, {0, 1}};
    const auto zustand = [&](std::size_t z, double f2, double ak, double anteil, double ch) {
        C1ZirfCalc::Vertikalzustand v;
        v.zustand = z;
        v.faktor.assign(static_cast<std::size_t>(zirf::kMaxLastfaelle), 1.35);
        v.faktor[2] = f2;
        v.AK = ak;
        v.anteilPassiv = anteil;
        v.passiv = -80.0 * anteil;
        v.ersatzkraft = ch;
        v.fussKraft = anker ? 0.0 : c.FussKraftVertikal(ch);
        return v;
    };
    // Every load: 13.5 + 40.5 + 18.75 + (anchor 20 | C 30 · 0.181985) - 40.
    // The permanent loads: 13.5 + 40.5 + (anchor 15 | C 10 · 0.181985) - 0.45 · 80.
    c.vertikalZustaende = {zustand(0, 1.5, 20.0, 0.5, 30.0),
                           zustand(1, 0.0, 15.0 + summeVerschiebung, 0.45, 10.0)};
}

TEST(WriteAuflagerNachweis, VerticalForcesOfTheAnchoredWallInTheirGoverningState) {
    ReportFixture f;
    Vertikal(f, true);
    f.report.WriteAuflagerNachweis(1);
    // Every load: 52.75; the permanent loads: 13.5 + 40.5 + 15 - 36 = 33.0, the least.
    const std::vector<std::string> expected = {
        "Vertikalkomponente der Auflagerkraft",
        "maßgebender Lastzustand: LK 1 ständig",
        "aus | Lf | Faktor |  | Kraft | [kN/m] | V,d [kN/m] | ",
        "Eigengewicht | 1 | γ | 1.35 | Gk | 10.00 | 13.50 | ",
        "Erddruck | 1 | γ | 1.35 | Ev,k | 30.00 | 40.50 | ",
        "Erddruck | 2 | γ | 0.00 | Ev,k | 12.50 | 0.00 | ",
        "Ankerkraft |  | tan α | 1.000 | Ad | 15.00 | 15.00 | ",
        "Erdwiderlager |  | ε | 0.450 | Epv,k | -80.00 | -36.00 | ",
        "Summe |  |  |  | ΣV,d |  | 33.00 | ",
        "ΣV,d >= 0 : Nachweis eingehalten",
    };
    EXPECT_EQ(f.Zeilen(), expected);
    const auto v = std::initializer_list<const char*>{"result", "trag", "vertikal"};
    // tan 45° to the calculation's degree factor.
    EXPECT_NEAR(Attr(f, v, "summe").value_or(-1.0), 33.0, 1e-7);
    EXPECT_NEAR(Attr(f, v, "nach_unten").value_or(-1.0), 69.0, 1e-7);
    EXPECT_NEAR(Attr(f, v, "nach_oben").value_or(-1.0), 36.0, 1e-9);
    EXPECT_NEAR(Attr(f, v, "ausnutzung").value_or(-1.0), 36.0 / 69.0, 1e-9);
    EXPECT_STREQ(QEDOM_GetString(Element(f, v), "lastzustand"), "LK 1 ständig");
}

TEST(WriteAuflagerNachweis, VerticalForcesOfTheWallWithoutAnchorInTheirGoverningState) {
    ReportFixture f;
    Vertikal(f, false);
    f.report.WriteAuflagerNachweis(2);
    // Every load: 13.5 + 40.5 + 18.75 + 5.45955 - 40 = 38.20955; the permanent loads:
    // 13.5 + 40.5 + 1.81985 - 36 = 19.81985, the least.
    const std::vector<std::string> expected = {
        "Nachweis der Vertikalkräfte",
        "maßgebender Lastzustand: LK 1 ständig",
        "aus | Lf | Faktor |  | Kraft | [kN/m] | V,d [kN/m] | ",
        "Eigengewicht | 1 | γ | 1.35 | Gk | 10.00 | 13.50 | ",
        "Erddruck | 1 | γ | 1.35 | Ev,k | 30.00 | 40.50 | ",
        "Erddruck | 2 | γ | 0.00 | Ev,k | 12.50 | 0.00 | ",
        "Ersatzkraft |  | (tan δc - tan δp) / 2 | 0.182 | Ch,d | 10.00 | 1.82 | ",
        "Erdwiderlager |  | ε | 0.450 | Epv,k | -80.00 | -36.00 | ",
        "Summe |  |  |  | ΣV,d |  | 19.82 | ",
        "ΣV,d >= 0 : Nachweis eingehalten",
    };
    EXPECT_EQ(f.Zeilen(), expected);
    const auto v = std::initializer_list<const char*>{"result", "trag", "vertikal"};
    const double cv = 0.5 * std::tan(20.0 * M_PI / 180.0) * 10.0;
    EXPECT_NEAR(Attr(f, v, "summe").value_or(-1.0), 13.5 + 40.5 + cv - 36.0, 1e-9);
    EXPECT_NEAR(Attr(f, v, "eavk").value_or(-1.0), 40.5, 1e-9);
    EXPECT_NEAR(Attr(f, v, "cvk").value_or(-1.0), cv, 1e-9);
    EXPECT_NEAR(Attr(f, v, "gk").value_or(-1.0), 13.5, 1e-9);
    EXPECT_NEAR(Attr(f, v, "bvk").value_or(1.0), -36.0, 1e-9);
    EXPECT_EQ(Attr(f, {"result", "trag", "horizontal"}, "bhd"), std::nullopt);
}

// The verdict follows the sum as printed: one that prints as 0.00 holds, whatever its sign
// before rounding.
TEST(WriteAuflagerNachweis, VerticalForcesVerdictAgreesWithItsPrintedSum) {
    const struct {
        double verschiebung; // of the governing state's anchor force, from a sum of 33.0
        bool eingehalten;
    } faelle[] = {{-33.0, true}, {-33.004, true}, {-33.006, false}, {-40.0, false}};
    for (const auto& fall : faelle) {
        ReportFixture f;
        Vertikal(f, true, fall.verschiebung);
        f.report.WriteAuflagerNachweis(1);
        EXPECT_EQ(f.Zeilen().back(), fall.eingehalten ? "ΣV,d >= 0 : Nachweis eingehalten"
                                                      : "ΣV,d < 0 : Nachweis nicht eingehalten !!!")
            << fall.verschiebung;
    }
}

TEST(WriteAuflagerNachweis, OtherTypesWriteNothing) {
    ReportFixture f;
    EXPECT_EQ(f.report.WriteAuflagerNachweis(3), 1);
    EXPECT_EQ(f.Text(), "");
    EXPECT_EQ(Element(f, {"result"}), 0);
}

// A deep slip line check worked by hand: two segments, cohesion only in the second.
ReportSicht::TiefeGleitfuge Gleitfuge() {
    ReportSicht::TiefeGleitfuge g;
    g.yF = 9.5;
    g.xD = 11.25;
    g.yD = 4.0;
    g.thetaGleit = std::atan(0.5); // tan = 0.5, 26.565 degrees
    g.nSegmente = 2;
    g.xSegment = {6.0};
    g.GkSegment = {300.0, 150.0};
    g.CvkSegment = {0.0, 20.0};
    g.QhkSegment = {12.0, 8.0};
    g.Eah_kWand = 90.0;
    g.Eav_kWand = 30.0;
    g.E1gh_k = 40.0;
    g.E1qh_k = 45.0;
    g.Ag_d = 100.0;
    g.Aq_d = 80.0;
    g.Amg_k = 280.0;
    g.Amg_d = 200.0;
    g.Amq_k = 210.0;
    g.Amq_d = 150.0;
    g.gammaEp = 1.4;
    g.lv_min = 4.2;
    g.AdAnker = 250.0;
    g.Td = 300.0;
    return g;
}

TEST(WriteAnkerkraft, SlipBodyForcesAndBothChecks) {
    ReportFixture f;
    EXPECT_EQ(f.report.WriteAnkerkraft(Gleitfuge()), 1);
    const std::vector<std::string> lines = f.Zeilen();
    // One joint between the two segments.
    EXPECT_EQ(AnzahlZeilenMit(lines, "Segmenttrennfuge"), 1);
    EXPECT_EQ(ZeileMit(lines, "Segmenttrennfuge"), "Segmenttrennfuge bei | xS 1 | 6.000 | [m] | ");
    EXPECT_EQ(ZeileMit(lines, "Gleitwinkel"), "Gleitwinkel | θ | 26.57 | [Grad] | ");
    EXPECT_EQ(ZeileMit(lines, "Gewichtskraft"), "Gewichtskraft | Gk 1 | 300.0 | [kN/m] | ");
    EXPECT_EQ(ZeileMit(lines, " | Gk 2"), " | Gk 2 | 150.0 | [kN/m] | ");
    // Only the second segment has cohesion: no row labelled "Kohäsion"; its horizontal
    // part is 20 / tan theta = 40.
    EXPECT_EQ(ZeileMit(lines, "Kohäsion"), "");
    EXPECT_EQ(ZeileMit(lines, " | Cv,k 2"), " | Cv,k 2 | 20.0 | [kN/m] | ");
    EXPECT_EQ(ZeileMit(lines, " | Ch,k 2"), " | Ch,k 2 | 40.0 | [kN/m] | ");
    EXPECT_EQ(ZeileMit(lines, " | Ch,k 1"), "");
    EXPECT_EQ(ZeileMit(lines, "Reibungskraft"), "Reibungskraft | Qh,k 1 | 12.0 | [kN/m] | ");
    // 100 / 200 = 0.5 and 80 / 150 = 0.533.
    EXPECT_EQ(
        AnzahlZeilenMit(lines, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 0.500 | Bedingung erfüllt"),
        1);
    EXPECT_EQ(
        AnzahlZeilenMit(lines, "Ausnutzungsgrad | AGq = Aq,d / Amq,d | 0.533 | Bedingung erfüllt"),
        1);
    const auto a = std::initializer_list<const char*>{"result", "tgf", "ankerkraft"};
    EXPECT_EQ(Attr(f, a, "agd"), 100.0);
    EXPECT_EQ(Attr(f, a, "amgd"), 200.0);
    EXPECT_EQ(Attr(f, a, "ausnutzung_g"), 0.5);
    EXPECT_EQ(Attr(f, a, "aqd"), 80.0);
    EXPECT_EQ(Attr(f, a, "amqd"), 150.0);
    EXPECT_NEAR(*Attr(f, a, "ausnutzung_q"), 80.0 / 150.0, 1e-12);
}

TEST(WriteAnkerkraft, VerdictsAtTheBoundAndWithoutResistance) {
    struct Fall {
        double ag, amg;
        std::string zeile;
        std::optional<double> ausnutzung;
    };
    const Fall faelle[] = {
        {200.0, 200.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 1.000 | Bedingung erfüllt", 1.0},
        {201.0, 200.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 1.005 | Achtung: überschritten !!!",
         1.005},
        // The verdict follows the utilisation as printed beside it.
        {200.08, 200.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 1.000 | Bedingung erfüllt", 1.0004},
        {200.12, 200.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 1.001 | Achtung: überschritten !!!",
         1.0006},
        {0.0, 0.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | 0.000 | Bedingung erfüllt", 0.0},
        {50.0, 0.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d |  | Achtung: überschritten !!!",
         std::nullopt},
        // A negative possible force never carries a positive one.
        {50.0, -10.0, "Ausnutzungsgrad | AGg = Ag,d / Amg,d | -5.000 | Achtung: überschritten !!!",
         -5.0},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        ReportSicht::TiefeGleitfuge g = Gleitfuge();
        g.nSegmente = 1;
        g.Ag_d = fall.ag;
        g.Amg_d = fall.amg;
        f.report.WriteAnkerkraft(g);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "Segmenttrennfuge"), "");
        EXPECT_EQ(ZeileMit(lines, " | Gk 2"), "");
        // The blank cell after the permanent verdict joins the verdict's last cell.
        EXPECT_EQ(ZeileMit(lines, "Ausnutzungsgrad | AGg").substr(0, fall.zeile.size()), fall.zeile)
            << fall.ag << " " << fall.amg;
        const std::optional<double> a = Attr(f, {"result", "tgf", "ankerkraft"}, "ausnutzung_g");
        ASSERT_EQ(a.has_value(), fall.ausnutzung.has_value());
        if (a) {
            EXPECT_NEAR(*a, *fall.ausnutzung, 1e-12);
        }
    }
}

TEST(WriteMaterialversagen, GroutedAnchorAndTieRod) {
    {
        // Ed = max(100, 80) * 2.5 = 250 kN; RM,d = 30 * 500 / (10 * 1.15) = 1304.35 kN;
        // AG = 250 / 1304.35 = 0.192.
        ReportFixture f;
        f.in.typ = 0;
        f.in.ankerName = "Stab 32";
        f.in.ankerabstand = 2.5;
        f.in.as_min = 30.0;
        f.in.ft01k = 500.0;
        f.in.gamma_m = 1.15;
        f.report.WriteMaterialversagen(Gleitfuge());
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "Ankertyp"), "Ankertyp: | Verpressanker |  |  | ");
        EXPECT_EQ(ZeileMit(lines, "Bezeichnung"), "Bezeichnung | Stab 32 |  |  | ");
        EXPECT_EQ(ZeileMit(lines, "Ankerkraft"),
                  "Ankerkraft in Ankerachse | Ad | 100.0 | [kN/m] | ");
        EXPECT_EQ(ZeileMit(lines, "Beanspruchung"),
                  "Beanspruchung | Ed = Ad * aA | 250.0 | [kN] | ");
        EXPECT_EQ(ZeileMit(lines, "Materialwiderstand"),
                  "Materialwiderstand | RM,d | 1304.3 | [kN] | ");
        EXPECT_EQ(ZeileMit(lines, "Ausnutzungsgrad"),
                  "Ausnutzungsgrad | AG = Ed / RM,d | 0.192 | Bedingung erfüllt | ");
        const auto m = std::initializer_list<const char*>{"result", "tgf", "materialversagen"};
        EXPECT_EQ(Attr(f, m, "ed"), 250.0);
        EXPECT_NEAR(*Attr(f, m, "rmd"), 1304.3478260869565, 1e-9);
        EXPECT_NEAR(*Attr(f, m, "ausnutzung"), 250.0 / 1304.3478260869565, 1e-12);
        // Under `tgf` although the anchor force chapter did not run.
        EXPECT_EQ(Element(f, {"result", "tgf", "ankerkraft"}), 0);
    }
    {
        // Shaft 25.6 * 355 / 11 = 826.2 kN; thread 0.55 * 21.2 * 490 / 12.5 = 457.1 kN.
        ReportFixture f;
        f.in.typ = 1;
        f.in.ankerabstand = 2.0;
        f.in.a_schaft = 25.6;
        f.in.fyk = 355.0;
        f.in.gamma_m0 = 1.1;
        f.in.a_kern = 21.2;
        f.in.fuak = 490.0;
        f.in.gamma_mb = 1.25;
        f.in.kt = 0.55;
        f.report.WriteMaterialversagen(Gleitfuge());
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "Ankertyp"), "Ankertyp: | Rundstahlanker |  |  | ");
        EXPECT_EQ(ZeileMit(lines, "Grenzzugkraft Schaft"),
                  "Grenzzugkraft Schaft | Ftg,Rd | 826.2 | [kN] | ");
        EXPECT_EQ(ZeileMit(lines, "Grenzzugkraft Gewinde"),
                  "Grenzzugkraft Gewinde | Ftt,Rd | 457.1 | [kN] | ");
        EXPECT_EQ(ZeileMit(lines, "Materialwiderstand"),
                  "Materialwiderstand | RM,d | 457.1 | [kN] | ");
        // 200 / 457.072 = 0.438
        EXPECT_EQ(ZeileMit(lines, "Ausnutzungsgrad"),
                  "Ausnutzungsgrad | AG = Ed / RM,d | 0.438 | Bedingung erfüllt | ");
    }
}

TEST(WriteMaterialversagen, MissingStrengthIsAnErrorNamingTheAttribute) {
    ReportFixture f;
    f.in.typ = 0;
    f.in.as_min = 30.0;
    f.in.ft01k = 0.0;
    f.in.gamma_m = 1.15;
    try {
        f.report.WriteMaterialversagen(Gleitfuge());
        FAIL() << "no error";
    } catch (const C1Exception& e) {
        EXPECT_NE(e.Message().find("'mate/anker'"), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("'ft01k'"), std::string::npos) << e.Message();
    }
}

TEST(WriteHerausziehen, VerdictFollowsTheResistance) {
    struct Fall {
        int typ;
        double td;
        std::string urteil;
    };
    // Ad 250: Td 300 passes (0.83), Td 250 passes (1.00), Td 200 fails (1.25), Td 0
    // fails without a utilisation.
    const Fall faelle[] = {
        {0, 300.0, "Ausnutzungsgrad | AG | 0.83 | eingehalten | "},
        {1, 250.0, "Ausnutzungsgrad | AG | 1.00 | eingehalten | "},
        {0, 200.0, "Ausnutzungsgrad | AG | 1.25 | Achtung: überschritten !!! | "},
        {0, 0.0, "Ausnutzungsgrad | AG |  | Achtung: überschritten !!! | "}};
    for (const Fall& fall : faelle) {
        ReportFixture f;
        f.in.typ = fall.typ;
        f.in.qsk = 150.0;
        f.in.d_vk = 15.0;
        f.in.lv = 4.0;
        ReportSicht::TiefeGleitfuge g = Gleitfuge();
        g.Td = fall.td;
        f.report.WriteHerausziehen(g);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(lines.back(), fall.urteil) << fall.td;
        // Only the grouted anchor has the grout rows; 4.0 m are shorter than 4.2 m.
        EXPECT_EQ(
            ZeileMit(lines, "vorhandene Verankerungsl"),
            fall.typ == 0
                ? "vorhandene Verankerungslänge | lv_vor | 4.00 | Achtung: lv_vor < lv_min !!! | "
                : "");
        // Tk = Td * gammaEp
        EXPECT_EQ(ZeileMit(lines, "Mantelreibung | Tk"),
                  "Mantelreibung | Tk | " +
                      std::string(fall.td == 300.0   ? "420.0"
                                  : fall.td == 250.0 ? "350.0"
                                  : fall.td == 200.0 ? "280.0"
                                                     : "0.0") +
                      " | [kN] | ");
        const std::optional<double> a = Attr(f, {"result", "tgf", "herausziehen"}, "ausnutzung");
        EXPECT_EQ(a.has_value(), fall.td != 0.0);
        EXPECT_EQ(Attr(f, {"result", "tgf", "herausziehen"}, "ad"), 250.0);
    }
}

// The profile check: W 2000 cm³/m, A 150 cm²/m, g 130 kg/m², S 355 with gamma 1.1.
void Profil(ReportFixture& f) {
    f.in.mitanker = 1;
    f.in.profilName = "U 2000";
    f.in.stahlName = "S 355";
    f.in.wely = 2000.0;
    f.in.Iy = 45000.0;
    f.in.A = 150.0;
    f.in.g = 130.0;
    f.in.stahl_fyk = 355.0;
    f.in.stahl_gamma_m = 1.1;
    f.in.wand_hw = 6.0;
    C1ZirfCalc& c = *f.calc;
    c.t = 10.0;
    c.yAnker = 1.5;
    c.MA = -200.0; // as large as the largest moment: the anchor's pair governs
    c.NAnker = 52.0;
    c.MF = 0.1; // not above 0.1: no foot row
    c.yMF = 10.0;
    c.NMF = 90.0;
    c.MHw = 150.0;
    c.NHw = 70.0;
    c.Mxm = 200.0;
    c.NXm = 80.0;
    c.xm = 4.25;
    // Each row names the load state of its moment, and of its normal force where that is
    // another: the states of "1.35*(1)+1.5*(2)", every load (0) and the permanent ones (1).
    c.bemessungsKombinationen = {
        {0, KombiFaktoren::Parse("1.35*(1)+1.5*(2)"), {2}, {{0, 0}, {1, 1}}}};
    c.zustaende = {{0, 0}, {0, 1}};
    c.massgebend.NAnker = 1;
    c.massgebend.MHw = c.massgebend.NHw = 1;
}

TEST(WriteProfilNachweis, StressOfTheRowThatAsksMostAndResult) {
    ReportFixture f;
    Profil(f);
    EXPECT_EQ(f.report.WriteProfilNachweis(), 1);
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(ZeileMit(lines, "Anker"),
              "Anker | 1.500 | -200.00 | 52.00 | M: LK 1; N: LK 1 ständig | ");
    EXPECT_EQ(ZeileMit(lines, "Einspannmoment"), "");
    EXPECT_EQ(ZeileMit(lines, "Sohle"), "Sohle | 6.000 | 150.00 | 70.00 | LK 1 ständig | ");
    EXPECT_EQ(ZeileMit(lines, "max"), "max | 4.250 | 200.00 | 80.00 | LK 1 | ");
    // sigmaRd = 355 / (10 * 1.1) = 32.27. The anchor's and the greatest moment's rows have
    // moments of one magnitude: the row of the larger normal force asks more of the
    // profile. sigmaD = 100 * 200 / 2000 + (80 + 10 * 130 / 100) / 150 = 10 + 0.62 = 10.62;
    // AG = 10.62 / 32.27 = 0.329.
    EXPECT_EQ(ZeileMit(lines, "Stahl"),
              "Stahl S 355 | fy,k =   35.5 kN/cm² | γM =  1.1 | σRd =  32.3 kN/cm² | ");
    EXPECT_EQ(ZeileMit(lines, "Bemessungsspannung"),
              "Bemessungsspannung | σd = (M/Wy + N / A) | 10.6 | [kN/cm²] | ");
    EXPECT_EQ(ZeileMit(lines, "Ausnutzungsgrad"), "Ausnutzungsgrad AG | σd / σRd | 0.329 | [-] | ");
    const QEDOM_HANDLE p = Element(f, {"result", "profil"});
    ASSERT_NE(p, 0);
    EXPECT_STREQ(QEDOM_GetString(p, "name"), "U 2000");
    EXPECT_NEAR(QEDOM_GetDouble(p, "sigma_d"), 10.0 + 93.0 / 150.0, 1e-12);
    EXPECT_NEAR(QEDOM_GetDouble(p, "sigma_rd"), 355.0 / 11.0, 1e-12);
    EXPECT_NEAR(QEDOM_GetDouble(p, "ausnutzung"), (10.0 + 93.0 / 150.0) / (355.0 / 11.0), 1e-12);
}

TEST(WriteProfilNachweis, WithoutAnchorAndWithAFootMoment) {
    ReportFixture f;
    Profil(f);
    f.in.mitanker = 0;
    f.calc->MF = -250.0; // the largest moment, at the foot
    f.report.WriteProfilNachweis();
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(ZeileMit(lines, "Anker"), "");
    EXPECT_EQ(ZeileMit(lines, "Einspannmoment"),
              "Einspannmoment | 10.000 | -250.00 | 90.00 | LK 1 | ");
    // 100 * 250 / 2000 + (90 + 13) / 150 = 12.5 + 0.6867
    EXPECT_NEAR(QEDOM_GetDouble(Element(f, {"result", "profil"}), "sigma_d"), 12.5 + 103.0 / 150.0,
                1e-12);
}

// The verdict under the utilisation agrees with it as printed (three decimals): up to
// 1.000 the condition holds. With the anchor's pair (200 kNm/m, no normal force, no own
// weight) and W 2000 cm³/m, sigma_d = 10 kN/cm²; fy,k and W set the utilisation.
TEST(WriteProfilNachweis, VerdictUnderTheUtilisationAsPrinted) {
    const std::string erfuellt = "AG = σd / σRd <= 1 : Bedingung erfüllt";
    const std::string ueberschritten = "AG = σd / σRd > 1 : Achtung: überschritten !!!";
    const struct {
        double fyk;  // N/mm², with gamma_M 1.0: sigma_Rd = fyk / 10
        double wely; // cm³/m
        const char* ausnutzung;
        const std::string& urteil;
    } faelle[] = {
        {355.0, 2000.0, "0.282", erfuellt},       // 10 / 35.5
        {355.0, 345.0, "1.633", ueberschritten},  // 57.97 / 35.5
        {100.0, 2000.0, "1.000", erfuellt},       // 10 / 10 exactly
        {99.96, 2000.0, "1.000", erfuellt},       // 1.0004 prints 1.000
        {99.94, 2000.0, "1.001", ueberschritten}, // 1.0006 prints 1.001
        {105.0, 2000.0, "0.952", erfuellt},
    };
    for (const auto& fall : faelle) {
        ReportFixture f;
        Profil(f);
        f.in.stahl_fyk = fall.fyk;
        f.in.stahl_gamma_m = 1.0;
        f.in.wely = fall.wely;
        f.in.g = 0.0;
        f.calc->NAnker = 0.0;
        f.calc->Mxm = 100.0;
        f.report.WriteProfilNachweis();
        const std::string text = f.Text();
        const std::string zeilen = std::string("Ausnutzungsgrad AG | σd / σRd | ") +
                                   fall.ausnutzung + " | [-] | \n" + fall.urteil + "\n";
        EXPECT_NE(text.find(zeilen), std::string::npos) << fall.fyk << "\n" << text;
        EXPECT_EQ(text.find(&fall.urteil == &erfuellt ? ueberschritten : erfuellt),
                  std::string::npos)
            << text;
    }
}

TEST(WriteProfilNachweis, QuotientsOfTheInputMustBePositive) {
    for (const char* attribut : {"wely", "A", "fyk", "gamma_m"}) {
        ReportFixture f;
        Profil(f);
        const std::string a = attribut;
        (a == "wely"  ? f.in.wely
         : a == "A"   ? f.in.A
         : a == "fyk" ? f.in.stahl_fyk
                      : f.in.stahl_gamma_m) = 0.0;
        try {
            f.report.WriteProfilNachweis();
            FAIL() << attribut;
        } catch (const C1Exception& e) {
            EXPECT_NE(e.Message().find("'" + a + "'"), std::string::npos) << e.Message();
        }
        EXPECT_EQ(Element(f, {"result", "profil"}), 0);
    }
}

// A value that the calculation could not form (infinite or undefined) leaves its cells
// empty and its attributes out, and the check is not held; the report goes on.
TEST(Nachweise, ValueThatIsNoNumberIsNeitherShownNorStoredAndFails) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    using Pfad = std::vector<const char*>;
    struct Fall {
        const char* name;
        std::function<void(ReportFixture&)> schreiben;
        Pfad element;
        std::vector<const char*> fehlen; // attributes left out
        const char* bleibt;              // an attribute of the same element that stays
        const char* urteil;              // the beginning of the verdict row
    };
    const Fall faelle[] = {
        {"infinite sum of the support forces",
         [](ReportFixture& f) {
             Erdwiderlager(f, 200.0, kInf);
             f.report.WriteAuflagerNachweis(0);
         },
         {"result", "trag", "horizontal"},
         {"bhd", "ausnutzung"},
         "ephd",
         "ΣBh,d > Eph,d : Nachweis nicht eingehalten"},
        {"infinite passive resistance",
         [](ReportFixture& f) {
             Erdwiderlager(f, kInf, 150.0);
             f.report.WriteAuflagerNachweis(0);
         },
         {"result", "trag", "horizontal"},
         {"ephd", "ausnutzung"},
         "bhd",
         "ΣBh,d > Eph,d : Nachweis nicht eingehalten"},
        {"undefined vertical earth pressure",
         [](ReportFixture& f) {
             Vertikal(f, true);
             f.calc->vertikalBeitraege[0].Ev = kNaN;
             f.report.WriteAuflagerNachweis(1);
         },
         {"result", "trag", "vertikal"},
         {"nach_unten", "summe", "ausnutzung"},
         "nach_oben",
         "ΣV,d < 0 : Nachweis nicht eingehalten"},
        {"infinite substitute force of the wall without anchor",
         [](ReportFixture& f) {
             Vertikal(f, false);
             f.calc->vertikalZustaende[1].ersatzkraft = kInf;
             f.calc->vertikalZustaende[1].fussKraft = kInf;
             f.calc->vertikalZustaende[0].fussKraft = -kInf;
             f.report.WriteAuflagerNachweis(2);
         },
         {"result", "trag", "vertikal"},
         {"cvk", "summe"},
         "eavk",
         "ΣV,d < 0 : Nachweis nicht eingehalten"},
        {"infinite largest moment",
         [](ReportFixture& f) {
             Profil(f);
             f.calc->Mxm = kInf;
             f.report.WriteProfilNachweis();
         },
         {"result", "profil"},
         {"sigma_d", "ausnutzung"},
         "sigma_rd",
         "Ausnutzungsgrad AG | σd / σRd |  | [-] | \nAG = σd / σRd > 1 : Achtung: überschritten "
         "!!!"},
        {"undefined anchor force from permanent actions",
         [](ReportFixture& f) {
             ReportSicht::TiefeGleitfuge g = Gleitfuge();
             g.Ag_d = kNaN;
             f.report.WriteAnkerkraft(g);
         },
         {"result", "tgf", "ankerkraft"},
         {"agd", "ausnutzung_g"},
         "amgd",
         "Ausnutzungsgrad | AGg = Ag,d / Amg,d |  | Achtung: überschritten !!!"},
        {"infinite anchor force in the material check",
         [](ReportFixture& f) {
             f.in.typ = 0;
             f.in.ankerabstand = 2.5;
             f.in.as_min = 30.0;
             f.in.ft01k = 500.0;
             f.in.gamma_m = 1.15;
             ReportSicht::TiefeGleitfuge g = Gleitfuge();
             g.Aq_d = kInf;
             f.report.WriteMaterialversagen(g);
         },
         {"result", "tgf", "materialversagen"},
         {"ed", "ausnutzung"},
         "rmd",
         "Ausnutzungsgrad | AG = Ed / RM,d |  | Achtung: überschritten !!!"},
        {"infinite pull-out resistance",
         [](ReportFixture& f) {
             f.in.typ = 1;
             ReportSicht::TiefeGleitfuge g = Gleitfuge();
             g.Td = kInf;
             f.report.WriteHerausziehen(g);
         },
         {"result", "tgf", "herausziehen"},
         {"td", "ausnutzung"},
         "ad",
         "Ausnutzungsgrad | AG |  | Achtung: überschritten !!!"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        ReportFixture f;
        ASSERT_NO_THROW(fall.schreiben(f));
        const std::string text = f.Text();
        EXPECT_FALSE(ZeigtNichtZahl(text)) << text;
        EXPECT_NE(text.find(std::string("\n") + fall.urteil), std::string::npos) << text;
        QEDOM_HANDLE e = QEDOM_GetRootElement(f.doc);
        for (const char* name : fall.element) {
            e = QEDOM_FindFirstChild(e, name);
        }
        ASSERT_NE(e, 0);
        for (const char* name : fall.fehlen) {
            EXPECT_EQ(QEDOM_GetString(e, name), nullptr) << name;
        }
        EXPECT_NE(QEDOM_GetString(e, fall.bleibt), nullptr) << fall.bleibt;
    }
}

} // namespace
