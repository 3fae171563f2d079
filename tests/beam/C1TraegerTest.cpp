#include "beam/C1Traeger.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

namespace {

using beamtest::Build;

TEST(C1Traeger, SetAnzFelderRefusesLessThanOneSpan) {
    C1Traeger beam;
    Build(beam, {2.0, 3.0});
    EXPECT_EQ(beam.SetAnzFelder(0), 0);
    EXPECT_EQ(beam.GetnFeld(), 2);
    EXPECT_EQ(beam.GetFeld(2).GetL(), 3.0);
}

TEST(C1Traeger, GrowingKeepsSpansShrinkingDropsThem) {
    C1Traeger beam;
    Build(beam, {2.0, 3.0});
    beam.GetFeld(2).SetAuflagerEnd(0, 1.0);
    beam.GetFeld(2).GetLasten().AddEinzelLast(1, 1.0, 1.0, "", 1);
    beam.GetFeld(2).SetMB(1, 2, -4.0);
    ASSERT_EQ(beam.SetAnzFelder(3), 1);
    EXPECT_EQ(beam.GetFeld(2).GetL(), 3.0);
    EXPECT_EQ(beam.GetFeldAuflagerArt(2, 2), 0);
    EXPECT_EQ(beam.GetFeld(2).GetLasten().GetAnzahlEinzelLast(), 1);
    EXPECT_EQ(beam.GetFeld(2).GetMB(1, 2), -4.0);
    EXPECT_EQ(beam.GetFeld(3).GetL(), 0.0);
    EXPECT_EQ(beam.GetFeldAuflagerArt(3, 1), 1);
    ASSERT_EQ(beam.SetAnzFelder(1), 1);
    EXPECT_EQ(beam.GetnFeld(), 1);
    EXPECT_EQ(beam.GetFeldAuflagerArt(2, 1), -1);
}

TEST(C1Traeger, CalcLaengenPositions) {
    C1Traeger beam;
    EXPECT_EQ(beam.CalcLaengen(), 0.0);
    EXPECT_EQ(beam.GetTL(), 0.0);
    Build(beam, {2.0, 3.0, 5.0});
    EXPECT_EQ(beam.GetTL(), 10.0);
    const double xa[] = {0, 2, 5};
    const double xe[] = {2, 5, 10};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(beam.GetXAnf(i), xa[i - 1]);
        EXPECT_EQ(beam.GetXEnd(i), xe[i - 1]);
    }
    // The tables follow the spans only through CalcLaengen.
    beam.GetFeld(1).SetL(4.0);
    EXPECT_EQ(beam.GetXEnd(1), 2.0);
    EXPECT_EQ(beam.GetFeldLaenge(1), 4.0);
}

TEST(C1Traeger, AssignmentCopiesSpansButEachKeepsItsModulus) {
    C1Traeger from;
    Build(from, {2.0, 3.0});
    from.SetE(21000.0);
    from.SetAufl_1();
    from.SetAufln_Einspanngrad(40.0);
    from.GetFeld(2).SetE(5.0);
    from.GetFeld(2).SetMB(2, 1, -1.5);
    from.GetFeld(2).GetLasten().AddMomentLast(1, 1.0, 2.0, "");
    from.GetLasten().AddEinzelLast(1, 0, 1.0, 3.0, "", 1, 0);

    C1Traeger to;
    Build(to, {7.0, 7.0, 7.0});
    to.GetFeld(2).SetE(9.0);
    to = from;
    EXPECT_EQ(to.GetnFeld(), 2);
    EXPECT_EQ(to.GetTL(), 5.0);
    EXPECT_EQ(to.GetXAnf(2), 2.0);
    EXPECT_EQ(to.GetAufl_1(), 1);
    EXPECT_EQ(to.GetAufln_Einspanngrad(), 40.0);
    EXPECT_EQ(to.GetE(), 21000.0);
    EXPECT_EQ(to.GetFeld(2).GetL(), 3.0);
    EXPECT_EQ(to.GetFeld(2).GetMB(2, 1), -1.5);
    EXPECT_EQ(to.GetFeld(2).GetLasten().GetAnzahlMomentLast(), 1);
    EXPECT_EQ(to.GetFeld(2).GetE(), 9.0);
    EXPECT_EQ(to.GetLasten().GetAnzahlEinzelLast(), 1);
}

TEST(C1Traeger, DeleteFeldOnlyAtTheEnds) {
    C1Traeger beam;
    Build(beam, {2.0, 3.0, 5.0});
    beam.GetLasten().AddTrapezLast(1, 3, 0, 1, 1, 1, "", 1, 0);
    beam.GetLasten().AddTrapezLast(1, 1, 0, 1, 1, 1, "", 1, 0);
    try {
        beam.DeleteFeld(2);
        FAIL() << "no exception";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.text, "illegal field");
        EXPECT_EQ(e.module, "C1Traeger::DeleteFeld");
    }
    EXPECT_EQ(beam.GetnFeld(), 3);

    beam.DeleteFeld(3);
    EXPECT_EQ(beam.GetnFeld(), 2);
    EXPECT_EQ(beam.GetXAnf(2), 2.0);
    EXPECT_EQ(beam.GetXEnd(2), 5.0);
    EXPECT_EQ(beam.GetLasten().GetAnzahlTrapezLast(), 1);

    beam.DeleteFeld(1);
    EXPECT_EQ(beam.GetnFeld(), 1);
    EXPECT_EQ(beam.GetFeld(1).GetL(), 3.0);
    EXPECT_EQ(beam.GetXEnd(1), 3.0);
    EXPECT_EQ(beam.GetLasten().GetAnzahlTrapezLast(), 0);

    C1Traeger empty;
    EXPECT_EQ(beamtest::ExceptionText([&] { empty.DeleteFeld(0); }), "illegal field");
}

TEST(C1Traeger, InitResetsRestraintsButNotEndCodes) {
    C1Traeger beam;
    Build(beam, {2.0});
    beam.SetAufl_1();
    beam.SetAufl_n();
    beam.SetE(21000);
    beam.SetAufl1_cM(5.0);
    beam.SetAufln_Einspanngrad(50.0);
    beam.SetAlleEingespannt(true);
    EXPECT_EQ(beam.Init(), 1);
    EXPECT_EQ(beam.GetAufl_1(), 1);
    EXPECT_EQ(beam.GetAufl_n(), 1);
    EXPECT_EQ(beam.GetE(), 0.0);
    EXPECT_EQ(beam.GetAufl1_cM(), 0.0);
    EXPECT_EQ(beam.GetAufln_Einspanngrad(), 0.0);
    EXPECT_FALSE(beam.GetAlleEingespannt());
    EXPECT_EQ(beam.GetXEnd(1), 0.0);
    EXPECT_EQ(beam.GetFeld(1).GetL(), 2.0);
}

TEST(C1Traeger, DelLastenClearsLoadsAndResults) {
    C1Traeger beam;
    Build(beam, {2.0, 3.0});
    beam.GetFeld(1).GetLasten().AddEinzelLast(1, 1, 1, "", 1);
    beam.GetFeld(1).SetMB(1, 1, 5.0);
    beam.GetLasten().AddEinzelLast(1, 0, 1, 1, "", 1, 0);
    EXPECT_EQ(beam.DelLasten(), 1);
    EXPECT_EQ(beam.GetFeld(1).GetLasten().GetMaxAnzahl(), 0);
    EXPECT_EQ(beam.GetFeld(1).GetMB(1, 1), 0.0);
    EXPECT_EQ(beam.GetLasten().GetMaxAnzahl(), 0);

    beam.GetFeld(2).SetL(0.0);
    EXPECT_EQ(beamtest::ExceptionText([&] { beam.DelLasten(); }),
              "C1Feld::DelSchnittkraefte,  Feldlänge <= 0");
}

TEST(C1Traeger, SpanAccessOutsideTheBeamIsRefused) {
    C1Traeger beam;
    Build(beam, {2.0});
    EXPECT_EQ(beamtest::ExceptionText([&] { beam.GetFeld(0); }),
              "C1Traeger::GetFeld, Feld 0 existiert nicht (1 bis 1)");
    EXPECT_EQ(beamtest::ExceptionText([&] { beam.GetFeld(2); }),
              "C1Traeger::GetFeld, Feld 2 existiert nicht (1 bis 1)");
    EXPECT_EQ(beamtest::ExceptionText([] { C1Traeger bad(-1); }),
              "C1Traeger::C1Traeger, Anzahl Felder < 0");
    C1Traeger sized(3);
    EXPECT_EQ(sized.GetnFeld(), 3);
    EXPECT_EQ(sized.GetFeld(3).GetL(), 0.0);
}

TEST(C1Traeger, DumpWritesHeaderAndEverySpan) {
    C1Traeger beam;
    Build(beam, {2.0, 3.0});
    beam.SetE(21000);
    const std::string text = beamtest::Captured([&](std::FILE* f) { beam.Dump(f); });
    EXPECT_EQ(
        text.rfind("\n\nC1Träger-Dump\nTL=   5.000,  nFeld=2,  m_E=  21000.00\n"
                   "Aufl_1=0,  Aufl_n=0,  Aufl1_Einspanngrad=      0.00,  "
                   "Aufln_Einspanngrad=      0.00,  Aufl1_cM=      0.00,  Aufln_cM=      0.00\n",
                   0),
        0u);
    size_t spans = 0;
    for (size_t p = text.find("C1Feld-Dump"); p != std::string::npos;
         p = text.find("C1Feld-Dump", p + 1)) {
        ++spans;
    }
    EXPECT_EQ(spans, 2u);
    beam.Dump(nullptr);
}

} // namespace
