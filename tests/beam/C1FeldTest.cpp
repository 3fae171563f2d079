#include "beam/C1Feld.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using beamtest::ExceptionText;

constexpr double kTol = 1e-9;

TEST(C1Feld, NewSpanDefaults) {
    C1Feld f(4.0);
    EXPECT_EQ(f.GetMB(1, 1), 0.0); // nothing stored yet
    EXPECT_EQ(f.GetIy(), 1.0);     // unset Iy counts as 1
    EXPECT_EQ(f.GetE(), 0.0);
    EXPECT_EQ(f.GetMaxLf(), 20);
    EXPECT_EQ(f.GetAnzLf(), 0);
    int art = 0;
    double wert = 0;
    f.GetAuflagerEnd(art, wert);
    EXPECT_EQ(art, 1);
    EXPECT_EQ(wert, 24.0);
    EXPECT_EQ(f.SetIy(0.0005), 1);
    EXPECT_EQ(f.GetIy(), 1.0);
    EXPECT_EQ(f.SetE(0.0), 0);
}

TEST(C1Feld, ResultsPerLoadCase) {
    C1Feld f(4.0);
    EXPECT_EQ(f.SetMB(3, 2, 5.0), 1);
    EXPECT_EQ(f.GetMB(3, 2), 5.0);
    EXPECT_EQ(f.GetMB(3, 1), 0.0);
    EXPECT_EQ(f.GetAnzLf(), 3);
    EXPECT_EQ(f.SetMB(3, 3, 1.0), 0);
    EXPECT_EQ(f.GetMB(3, 2), 5.0);
    EXPECT_EQ(f.GetMB(4, 2), 0.0); // above the highest stored load case
    EXPECT_EQ(f.GetMB(0, 2), 0.0);
    f.SetQ0(2, 1, -7.0);
    EXPECT_EQ(f.GetQ0(2, 1), -7.0);
    EXPECT_EQ(f.DelSchnittkraefte(), 1);
    EXPECT_EQ(f.GetMB(3, 2), 0.0);
    EXPECT_EQ(f.GetQ0(2, 1), 0.0);
    EXPECT_EQ(f.GetAnzLf(), 3);
}

TEST(C1Feld, ResultArraysGrowByFiveForHigherLoadCases) {
    C1Feld f(4.0);
    EXPECT_EQ(f.SetQ0(22, 1, 1.0), 1);
    EXPECT_EQ(f.GetMaxLf(), 25);
    EXPECT_EQ(f.GetQ0(22, 1), 1.0);
    // The dump lists load cases 0 .. m_maxLf - 1.
    const std::string dump = beamtest::Captured([&](std::FILE* out) { f.Dump(out); });
    EXPECT_NE(dump.find("\nLf=24,"), std::string::npos);
    EXPECT_EQ(dump.find("\nLf=25,"), std::string::npos);
    EXPECT_EQ(dump.rfind("\n\nC1Feld-Dump\nm_maxLf=25,  Iy=      0.00,  E=      0.00\n", 0), 0u);
}

TEST(C1Feld, CopyAssignmentKeepsTargetModulus) {
    C1Feld from(4.0);
    from.SetE(100.0);
    from.SetIy(500.0);
    from.SetMB(1, 1, -3.0);
    from.GetLasten().AddEinzelLast(1, 1.0, 2.0, "", 1);
    from.SetAuflagerEnd(0, 1.5);
    C1Feld to;
    to.SetE(7.0);
    to = from;
    EXPECT_EQ(to.GetE(), 7.0);
    EXPECT_EQ(to.GetL(), 4.0);
    EXPECT_EQ(to.GetIy(), 500.0);
    EXPECT_EQ(to.GetMB(1, 1), -3.0);
    EXPECT_EQ(to.GetLasten().GetAnzahlEinzelLast(), 1);
    int art = 1;
    double wert = 0;
    to.GetAuflagerEnd(art, wert);
    EXPECT_EQ(art, 0);
    EXPECT_EQ(wert, 1.5);
}

TEST(C1Feld, TooShortSpansAreRefusedWithTheirText) {
    struct Case {
        double L;
        std::function<void(C1Feld&)> call;
        const char* text;
    };
    double a = 0, b = 0;
    // Most operations refuse L < 0.0001; GetMB and SetQ0 refuse L = 0.0001 as well.
    const Case cases[] = {
        {0.0, [](C1Feld& f) { f.SetMB(1, 1, 1.0); }, "C1Feld::SetMB,  Feldlänge <= 0"},
        {0.0001, [](C1Feld& f) { f.GetMB(1, 1); }, "C1Feld::GetMB, FeldLänge <= 0"},
        {0.0001, [](C1Feld& f) { f.SetQ0(1, 1, 1.0); }, "C1Feld::SetQ0, FeldLänge <= 0"},
        {0.0, [](C1Feld& f) { f.GetQ0(1, 1); }, "C1Feld::GetQ0,  Feldlänge <= 0"},
        {0.0, [](C1Feld& f) { f.DelSchnittkraefte(); },
         "C1Feld::DelSchnittkraefte,  Feldlänge <= 0"},
        {0.00009, [&](C1Feld& f) { f.Lastglieder(1, 1, 1, a, b); },
         "C1Feld::Lastglieder,  Feldlänge <= 0"},
        {0.0, [&](C1Feld& f) { f.Q0(1, a, b); }, "C1Feld::Q0,  Feldlänge <= 0"},
        {0.0, [](C1Feld& f) { f.Mx(1, 0, 0, 0); }, "C1Feld::Mx,  Feldlänge <= 0"},
        {0.0, [](C1Feld& f) { f.qx(1, 0, 0, 0); }, "C1Feld::qx,  Feldlänge <= 0"},
        {0.0, [](C1Feld& f) { f.Nx(1, 0); }, "C1Feld::Nx,  Feldlänge <= 0"},
        {0.0, [&](C1Feld& f) { f.EinspM(1, 1, 1, a, b); }, "C1Feld::EinspM,  Feldlänge <= 0"},
        {0.0, [&](C1Feld& f) { f.MaxFeldMoment(1, 0, 0, 0, 0, a, b); },
         "C1Feld::MaxFeldMoment,  Feldlänge <= 0"},
        {0.0, [](C1Feld& f) { f.QNullstelle(1, 0, 0, 0, 1, 11, 0, 3); },
         "C1Feld::QNullstelle,  Feldlänge <= 0"},
    };
    for (const auto& c : cases) {
        C1Feld f(c.L);
        EXPECT_EQ(ExceptionText([&] { c.call(f); }), c.text);
    }
    // At exactly 0.0001 storing a moment still works.
    C1Feld f(0.0001);
    EXPECT_EQ(f.SetMB(1, 1, 2.0), 1);
}

// Load terms of span L = 4, load case 1, by end types. Closed forms: uniform q over the span
// gives q L^2 / 4 at both ends; a point load P at mid-span 3 P L / 8.
TEST(C1Feld, LoadTermsByEndTypes) {
    C1Feld f(4.0);
    f.GetLasten().AddTrapezLast(1, 0.0, 4.0, 10.0, 10.0, "", 1);
    f.GetLasten().AddEinzelLast(2, 2.0, 8.0, "", 1);
    struct Case {
        int Lf, tA, tE;
        double anf, end;
    };
    const Case cases[] = {
        {1, 1, 1, 40, 40}, {1, 1, 0, 40, 0},  {1, 0, 1, 0, 40},
        {1, -1, 1, 0, 40}, {2, 1, 1, 12, 12}, {3, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        double anf = -1, end = -1;
        EXPECT_EQ(f.Lastglieder(c.Lf, c.tA, c.tE, anf, end), 1);
        EXPECT_NEAR(anf, c.anf, kTol) << c.Lf << " " << c.tA << c.tE;
        EXPECT_NEAR(end, c.end, kTol) << c.Lf << " " << c.tA << c.tE;
    }
}

// A load rising from 0 to q: exact terms 7/60 q L^2 and 8/60 q L^2; with the stored factor
// 0.3333 for 1/3 they are 0.1167 and 0.1333 q L^2 (q = 10, L = 4: 18.672 and 21.328).
// Falling load: mirrored. A record running past the span end is cut at L keeping its q2.
TEST(C1Feld, TriangularLoadTermsUseStoredThird) {
    struct Case {
        double a, b, q1, q2, anf, end;
    };
    const Case cases[] = {
        {0, 4, 0, 10, 18.672, 21.328},
        {0, 4, 10, 0, 21.328, 18.672},
        {0, 9, 0, 10, 18.672, 21.328}, // cut back to 0 .. 4 with ordinates 0 and 10
    };
    for (const auto& c : cases) {
        C1Feld f(4.0);
        f.GetLasten().AddTrapezLast(1, c.a, c.b, c.q1, c.q2, "", 1);
        double anf = 0, end = 0;
        f.Lastglieder(1, 1, 1, anf, end);
        EXPECT_NEAR(anf, c.anf, kTol) << c.b << " " << c.q1;
        EXPECT_NEAR(end, c.end, kTol) << c.b << " " << c.q1;
    }
}

// Moment M at mid-span: start term -M (1 - 3/4), end term M (1 - 3/4).
TEST(C1Feld, MomentLoadTerms) {
    C1Feld f(4.0);
    f.GetLasten().AddMomentLast(1, 2.0, 8.0, "");
    double anf = 0, end = 0;
    f.Lastglieder(1, 1, 1, anf, end);
    EXPECT_NEAR(anf, -2.0, kTol);
    EXPECT_NEAR(end, 2.0, kTol);
}

TEST(C1Feld, TemperatureAndSettlementNeedStiffness) {
    C1Feld f(4.0);
    f.GetLasten().AddTempLast(1, 0.0, 4.0, 0.001, "");
    double anf = 0, end = 0;
    // A load case without temperature or settlement solves without E and Iy.
    EXPECT_EQ(f.Lastglieder(2, 1, 1, anf, end), 1);
    f.SetIy(10000.0);
    EXPECT_EQ(ExceptionText([&] { f.Lastglieder(1, 1, 1, anf, end); }),
              "C1Feld::Lastglieder; E  = 0");
    f.SetIy(0.5);
    f.SetE(21000.0);
    EXPECT_EQ(ExceptionText([&] { f.Lastglieder(1, 1, 1, anf, end); }),
              "C1Feld::Lastglieder; Iy = 0");
    // 3 EI Ke with EI = 21000 * 10000 * 1e-4 = 21000 kNm^2: 63 at both ends, wherever the
    // record lies on the span.
    f.SetIy(10000.0);
    f.Lastglieder(1, 1, 1, anf, end);
    EXPECT_NEAR(anf, 63.0, kTol);
    EXPECT_NEAR(end, 63.0, kTol);

    C1Feld s(4.0);
    s.GetLasten().AddStsLast(1, 3, 1.0, ""); // names neither end: no term
    EXPECT_EQ(ExceptionText([&] { s.Lastglieder(1, 1, 1, anf, end); }),
              "C1Feld::Lastglieder; Iy = 0");
    s.SetIy(10000.0);
    s.SetE(21000.0);
    s.Lastglieder(1, 1, 1, anf, end);
    EXPECT_EQ(anf, 0.0);
    EXPECT_EQ(end, 0.0);
}

// Settlement of 1 cm at the end support: k = 6 EI / L^2 = 6 * 21000 / 16 = 7875 per m,
// so +-78.75.
TEST(C1Feld, SettlementLoadTerms) {
    C1Feld f(4.0);
    f.SetIy(10000.0);
    f.SetE(21000.0);
    f.GetLasten().AddStsLast(1, 2, 1.0, "");
    double anf = 0, end = 0;
    f.Lastglieder(1, 1, 1, anf, end);
    EXPECT_NEAR(anf, 78.75, 1e-9);
    EXPECT_NEAR(end, -78.75, 1e-9);
}

// Records without extent carry no load: no term, no moment, no shear, no normal force, and
// in particular no NaN from dividing by their zero length.
TEST(C1Feld, ZeroLengthRecordsAreSkipped) {
    C1Feld f(4.0);
    f.GetLasten().AddTrapezLast(1, 2.0, 0.0, 10.0, 20.0, "", 1);
    f.GetLasten().AddTrapezLast(1, 5.0, 1.0, 10.0, 20.0, "", 1); // lies beyond the span
    f.GetLasten().AddNormalKraft(1, 2.0, 0.0, 5.0, 7.0, "");
    double anf = -1, end = -1;
    f.Lastglieder(1, 1, 1, anf, end);
    EXPECT_EQ(anf, 0.0);
    EXPECT_EQ(end, 0.0);
    f.Q0(1, anf, end);
    EXPECT_EQ(anf, 0.0);
    EXPECT_EQ(end, 0.0);
    for (double x : {0.0, 2.0, 3.0}) {
        EXPECT_EQ(f.Mx(1, 0, 0, x), 0.0) << x;
        EXPECT_EQ(f.qx(1, 0, 0, x), 0.0) << x;
        EXPECT_EQ(f.Nx(1, x), 0.0) << x;
    }
    EXPECT_EQ(f.KragMoment(1, 2), 0.0);
}

} // namespace
