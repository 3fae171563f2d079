#include "beam/C1Traeger.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using beamtest::Build;

constexpr double kTol = 1e-9;

// Spans of 4 m and 6 m: TL = 10, interior support at x = 4.
class Verteilung : public ::testing::Test {
protected:
    void SetUp() override { Build(beam, {4.0, 6.0}); }

    int Verteile() {
        int maxLf = -1;
        EXPECT_EQ(beam.VerteileLasten(maxLf), 1);
        return maxLf;
    }

    std::vector<C1TrapezLast> Trapeze(int feld) const {
        std::vector<C1TrapezLast> out;
        const C1Last& set = beam.GetFeld(feld).GetLasten();
        for (int i = 1; i <= set.GetAnzahlTrapezLast(); ++i) {
            C1TrapezLast t;
            set.GetRecord(i, t);
            out.push_back(t);
        }
        return out;
    }

    C1Traeger beam;
};

struct TrapezCase {
    const char* what;
    int feld;
    double a, b;
    // Expected pieces in span 1 and span 2 (position, length, q at start, q at end); a length
    // below 0 means no piece.
    double p1[4];
    double p2[4];
};

// The load q = 10 .. 40 over 6 m from x = 2 has the slope 5 per m: 20 at the support x = 4.
// With length 0 it runs to the beam's end: 8 m, slope 3.75, 17.5 at the support.
TEST_F(Verteilung, TrapezoidIsCutAtSupportsAndInterpolated) {
    const TrapezCase cases[] = {
        {"beam coordinates", 0, 2.0, 6.0, {2, 2, 10, 20}, {0, 4, 20, 40}},
        {"to the beam's end", 0, 2.0, 0.0, {2, 2, 10, 17.5}, {0, 6, 17.5, 40}},
        {"relative to span 2", 2, 1.0, 2.0, {0, -1, 0, 0}, {1, 2, 10, 40}},
        {"inside span 1", 1, 0.5, 3.0, {0.5, 3, 10, 40}, {0, -1, 0, 0}},
    };
    for (const auto& c : cases) {
        SetUp();
        beam.GetLasten().AddTrapezLast(1, c.feld, c.a, c.b, 10.0, 40.0, "x", 0, 0);
        for (int i = 1; i <= 2; ++i) {
            beam.GetFeld(i).GetLasten().DeleteAll();
        }
        Verteile();
        const double* expected[] = {c.p1, c.p2};
        for (int feld = 1; feld <= 2; ++feld) {
            const auto pieces = Trapeze(feld);
            const double* e = expected[feld - 1];
            if (e[1] < 0) {
                EXPECT_TRUE(pieces.empty()) << c.what << " span " << feld;
                continue;
            }
            ASSERT_EQ(pieces.size(), 1u) << c.what << " span " << feld;
            EXPECT_NEAR(pieces[0].a, e[0], kTol) << c.what;
            EXPECT_NEAR(pieces[0].b, e[1], kTol) << c.what;
            EXPECT_NEAR(pieces[0].q1, e[2], kTol) << c.what;
            EXPECT_NEAR(pieces[0].q2, e[3], kTol) << c.what;
            // Span records carry no span number, an empty text and flag 1.
            EXPECT_EQ(pieces[0].Feld, 0);
            EXPECT_EQ(pieces[0].Text, "");
            EXPECT_EQ(pieces[0].Flag, 1);
        }
        beam.GetLasten().DeleteAll();
    }
}

TEST_F(Verteilung, LoadsBeyondTheBeamReachNoSpan) {
    beam.GetLasten().AddTrapezLast(1, 0, 11.0, 2.0, 10.0, 10.0, "", 1, 0);
    beam.GetLasten().AddTrapezLast(1, 0, 11.0, 0.0, 10.0, 10.0, "", 1, 0);
    // Starts at the beam's end and runs "to the end": no extent, and no slope to divide by.
    beam.GetLasten().AddTrapezLast(1, 0, 10.0, 0.0, 10.0, 30.0, "", 1, 0);
    beam.GetLasten().AddNormalKraft(1, 0, 10.0, 0.0, 10.0, 30.0, "", 0);
    Verteile();
    for (int feld = 1; feld <= 2; ++feld) {
        EXPECT_EQ(beam.GetFeld(feld).GetLasten().GetMaxAnzahl(), 0) << feld;
    }
}

TEST_F(Verteilung, NormalForceAndTemperatureFollowTheTrapezoidRules) {
    beam.GetLasten().AddNormalKraft(2, 0, 2.0, 6.0, 10.0, 40.0, "", 0);
    beam.GetLasten().AddTempLast(3, 0, 3.0, 2.0, 0.002, "", 0);
    EXPECT_EQ(Verteile(), 3);
    C1NormalKraft n;
    ASSERT_EQ(beam.GetFeld(2).GetLasten().GetRecord(1, n), 1);
    EXPECT_NEAR(n.a, 0.0, kTol);
    EXPECT_NEAR(n.b, 4.0, kTol);
    EXPECT_NEAR(n.N1, 20.0, kTol);
    EXPECT_NEAR(n.N2, 40.0, kTol);
    C1TempLast t1, t2;
    ASSERT_EQ(beam.GetFeld(1).GetLasten().GetRecord(1, t1), 1);
    ASSERT_EQ(beam.GetFeld(2).GetLasten().GetRecord(1, t2), 1);
    EXPECT_NEAR(t1.a, 3.0, kTol);
    EXPECT_NEAR(t1.b, 1.0, kTol);
    EXPECT_NEAR(t2.b, 1.0, kTol);
    EXPECT_EQ(t2.Ke, 0.002);
}

// Where a point load lands: (beam x) -> (span, position). A load on the interior support, or
// closer below it than the comparison tolerance (0.1 % of 4 m), goes only to the span after it.
TEST_F(Verteilung, ConcentratedLoadsLandInExactlyOneSpan) {
    const struct {
        double x;
        int feld;
        double position;
    } cases[] = {
        {0.0, 1, 0.0}, {1.5, 1, 1.5}, {4.0, 2, 0.0}, {3.998, 2, 0.0}, {4.5, 2, 0.5}, {10.0, 2, 6.0},
    };
    for (const auto& c : cases) {
        SetUp();
        for (int i = 1; i <= 2; ++i) {
            beam.GetFeld(i).GetLasten().DeleteAll();
        }
        beam.GetLasten().DeleteAll();
        beam.GetLasten().AddEinzelLast(1, 0, c.x, 10.0, "", 0, 0);
        beam.GetLasten().AddMomentLast(1, 0, c.x, 3.0, "", 0);
        Verteile();
        for (int feld = 1; feld <= 2; ++feld) {
            const C1Last& set = beam.GetFeld(feld).GetLasten();
            const int expected = feld == c.feld ? 1 : 0;
            EXPECT_EQ(set.GetAnzahlEinzelLast(), expected) << c.x << " span " << feld;
            EXPECT_EQ(set.GetAnzahlMomentLast(), expected) << c.x << " span " << feld;
        }
        C1EinzelLast p;
        C1MomentLast m;
        beam.GetFeld(c.feld).GetLasten().GetRecord(1, p);
        beam.GetFeld(c.feld).GetLasten().GetRecord(1, m);
        EXPECT_NEAR(p.c, c.position, kTol) << c.x;
        EXPECT_NEAR(m.d, c.position, kTol) << c.x;
        EXPECT_EQ(p.Flag, 1);
    }
}

TEST_F(Verteilung, SettlementsReachTheSpansBesideTheSupport) {
    beam.GetLasten().AddStsLast(1, 1, 1.0, "s1", 0);
    beam.GetLasten().AddStsLast(1, 2, 2.0, "s2", 0);
    beam.GetLasten().AddStsLast(1, 3, 3.0, "s3", 0);
    Verteile();
    // Span 1: support 1 at its start, support 2 at its end. Span 2: support 2, support 3.
    const struct {
        int feld, i, ende;
        double s;
        const char* text;
    } cases[] = {
        {1, 1, 1, 1.0, "s1"}, {1, 2, 2, 2.0, "s2"}, {2, 1, 1, 2.0, "s2"}, {2, 2, 2, 3.0, "s3"}};
    for (const auto& c : cases) {
        C1StsLast s;
        ASSERT_EQ(beam.GetFeld(c.feld).GetLasten().GetRecord(c.i, s), 1);
        EXPECT_EQ(s.Feld, c.ende);
        EXPECT_EQ(s.s, c.s);
        EXPECT_EQ(s.Text, c.text);
    }
    EXPECT_EQ(beam.GetFeld(1).GetLasten().GetAnzahlStsLast(), 2);
}

TEST_F(Verteilung, SettlementAtAMissingSupportIsRefused) {
    for (int k : {0, 4, -1}) {
        C1Traeger b;
        Build(b, {4.0, 6.0});
        b.GetLasten().AddStsLast(1, k, 1.0, "", 0);
        int maxLf = 0;
        EXPECT_EQ(beamtest::ExceptionText([&] { b.VerteileLasten(maxLf); }),
                  "C1Traeger::VerteileLasten, Setzung an Auflager " + std::to_string(k) +
                      ", zulässig sind 1 bis 3")
            << k;
    }
}

TEST_F(Verteilung, NegligibleLoadsAddNothingButCountTheirLoadCase) {
    EXPECT_EQ(Verteile(), 0);
    beam.GetLasten().AddTrapezLast(5, 0, 0.0, 4.0, 5e-7, -5e-7, "", 1, 0);
    beam.GetLasten().AddEinzelLast(2, 0, 1.0, 10.0, "", 1, 0);
    EXPECT_EQ(Verteile(), 5);
    EXPECT_EQ(beam.GetFeld(1).GetLasten().GetAnzahlTrapezLast(), 0);
    EXPECT_EQ(beam.GetFeld(1).GetLasten().GetAnzahlEinzelLast(), 1);
}

// GetFeldAnteil: (span, a, b) -> result and span-local part.
TEST_F(Verteilung, GetFeldAnteilRules) {
    const struct {
        int i;
        double a, b;
        int r;
        double xa, xb;
    } cases[] = {
        {1, 0, 0, 2, 0, 0},   // point at the beam's start
        {2, 10, 10, 2, 6, 6}, // point at the beam's end
        {2, 4, 4, 1, 0, 0},   // point at the span's start
        {1, 4, 4, 0, 0, 0},   // a point at the span's end is not in it
        {1, 2, 6, 1, 2, 4},   // interval cut at the span's end
        {2, 6, 2, 1, 0, 2},   // reversed interval, cut at the span's start
        {1, 4, 8, 0, 0, 0},   // starts at the span's end
        {2, 12, 14, 0, 0, 0}, // beyond the beam
    };
    for (const auto& c : cases) {
        double xa = -1, xb = -1;
        EXPECT_EQ(beam.GetFeldAnteil(c.i, c.a, c.b, xa, xb), c.r) << c.i << " " << c.a;
        EXPECT_NEAR(xa, c.xa, kTol) << c.i << " " << c.a;
        EXPECT_NEAR(xb, c.xb, kTol) << c.i << " " << c.a;
    }
}

TEST_F(Verteilung, GetFeldTrapezOrdinates) {
    double qa = 0, qb = 0;
    EXPECT_EQ(beam.GetFeldTrapez(2, 2.0, 8.0, 10.0, 40.0, qa, qb), 1);
    EXPECT_NEAR(qa, 20.0, kTol);
    EXPECT_NEAR(qb, 40.0, kTol);
    EXPECT_EQ(beam.GetFeldTrapez(1, 2.0, 8.0, 10.0, 40.0, qa, qb), 1);
    EXPECT_NEAR(qa, 10.0, kTol);
    EXPECT_NEAR(qb, 20.0, kTol);
    EXPECT_EQ(beam.GetFeldTrapez(1, 8.0, 2.0, 10.0, 40.0, qa, qb), 0);
    // A point at a span's start has no slope to interpolate with.
    EXPECT_EQ(beam.GetFeldTrapez(2, 4.0, 4.0, 10.0, 40.0, qa, qb), 1);
    EXPECT_EQ(qa, 10.0);
    EXPECT_EQ(qb, 40.0);
}

} // namespace
