#include "beam/C1LastTr.h"

#include "BeamTestSupport.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

TEST(C1Last, GetterOutOfRangeResetsOutputs) {
    C1Last set;
    set.AddTrapezLast(1, 0.5, 2.0, 3.0, 4.0, "t", 7);
    for (int i : {0, 2}) {
        int Lf = 9;
        double a = 9, b = 9, q1 = 9, q2 = 9;
        std::string text = "x";
        int flag = 9;
        EXPECT_EQ(set.GetTrapezLast(i, Lf, a, b, q1, q2, text, flag), 0) << i;
        EXPECT_EQ(Lf, 0);
        EXPECT_EQ(a + b + q1 + q2, 0.0);
        EXPECT_EQ(text, "");
        EXPECT_EQ(flag, 1);
    }
}

TEST(C1Last, NegligibleRecordsAreHandedOutWithResultZero) {
    C1Last set;
    set.AddTrapezLast(2, 0.0, 1.0, 5e-7, 0.0, "klein", 1);
    set.AddTrapezLast(2, 0.0, 1.0, 5e-7, 2e-6, "", 1);
    set.AddTempLast(3, 0.0, 1.0, 0.0, "");
    set.AddEinzelLast(1, 1.0, 5e-7, "", 1);
    set.AddMomentLast(1, 1.0, -5e-7, "");
    set.AddStsLast(1, 1, 5e-7, "");
    set.AddNormalKraft(1, 0.0, 1.0, 5e-7, -5e-7, "");

    int Lf = 0, flag = 0, feld = 0;
    double a = 0, b = 0, q1 = 0, q2 = 0, v = 0;
    std::string text;
    EXPECT_EQ(set.GetTrapezLast(1, Lf, a, b, q1, q2, text, flag), 0);
    EXPECT_EQ(Lf, 2);
    EXPECT_EQ(q1, 5e-7);
    EXPECT_EQ(text, "klein");
    EXPECT_EQ(set.GetTrapezLast(2, Lf, a, b, q1, q2, text, flag), 1);
    // A temperature load is never negligible, not even with zero curvature.
    EXPECT_EQ(set.GetTempLast(1, Lf, a, b, v, text), 1);
    EXPECT_EQ(set.GetEinzelLast(1, Lf, a, v, text, flag), 0);
    EXPECT_EQ(set.GetMomentLast(1, Lf, a, v, text), 0);
    EXPECT_EQ(set.GetStsLast(1, Lf, feld, v, text), 0);
    EXPECT_EQ(set.GetNormalKraft(1, Lf, a, b, q1, q2, text), 0);
}

TEST(C1Last, CountsAndScanBound) {
    C1Last set;
    EXPECT_EQ(set.GetMaxAnzahl(), 0);
    set.AddEinzelLast(1, 1.0, 2.0, "", 1);
    set.AddEinzelLast(1, 2.0, 2.0, "", 1);
    set.AddMomentLast(1, 1.0, 2.0, "");
    EXPECT_EQ(set.GetAnzahlEinzelLast(), 2);
    EXPECT_EQ(set.GetAnzahlMomentLast(), 1);
    EXPECT_EQ(set.GetAnzahlTrapezLast(), 0);
    EXPECT_EQ(set.GetMaxAnzahl(), 2);
    set.RemoveAll();
    EXPECT_EQ(set.GetMaxAnzahl(), 0);
    // Still usable after emptying.
    set.AddTempLast(1, 0, 1, 0.1, "");
    EXPECT_EQ(set.GetAnzahlTempLast(), 1);
}

TEST(C1Last, RecordsOfALoadCaseInScanOrderAfterEveryChange) {
    using Art = C1Last::Art;
    const auto liste = [](const C1Last& set, int Lf) {
        std::vector<std::pair<int, Art>> out;
        for (const auto& [i, art] : set.RecordsOf(Lf)) {
            out.emplace_back(i, art);
        }
        return out;
    };
    C1Last set;
    EXPECT_TRUE(set.RecordsOf(1).empty());
    set.AddEinzelLast(2, 1.0, 3.0, "", 1);
    set.AddTrapezLast(1, 0.0, 1.0, 1.0, 1.0, "", 1);
    set.AddTrapezLast(2, 0.0, 1.0, 2.0, 2.0, "", 1);
    set.AddMomentLast(2, 0.5, 1e-9, ""); // negligible: never visited
    set.AddNormalKraft(-1, 0.0, 1.0, 1.0, 1.0, "");
    // By index, and of one index in the order of the kinds.
    EXPECT_EQ(liste(set, 2),
              (std::vector<std::pair<int, Art>>{{1, Art::Einzel}, {2, Art::Trapez}}));
    EXPECT_EQ(liste(set, 1), (std::vector<std::pair<int, Art>>{{1, Art::Trapez}}));
    EXPECT_EQ(liste(set, -1), (std::vector<std::pair<int, Art>>{{1, Art::Normal}}));
    EXPECT_TRUE(set.RecordsOf(3).empty());
    // A record added after a query is found by the next one.
    set.AddTempLast(2, 0.0, 1.0, 0.1, "");
    EXPECT_EQ(liste(set, 2), (std::vector<std::pair<int, Art>>{
                                 {1, Art::Temp}, {1, Art::Einzel}, {2, Art::Trapez}}));
    set.RemoveAll();
    EXPECT_TRUE(set.RecordsOf(2).empty());

    C1LastTr beam;
    beam.AddTrapezLast(1, 1, 0.0, 1.0, 1.0, 1.0, "", 1, 0);
    beam.AddTrapezLast(2, 1, 0.0, 1.0, 1.0, 1.0, "", 1, 0);
    EXPECT_EQ(beam.RecordsOf(2).size(), 1u);
    beam.DeleteLf(1);
    EXPECT_EQ(liste(beam, 2), (std::vector<std::pair<int, Art>>{{1, Art::Trapez}}));
    beam.DeleteTrapezLast();
    EXPECT_TRUE(beam.RecordsOf(2).empty());
}

TEST(C1Last, SpanRecordsCarryNoSpanNumberButSettlementsKeepTheirEnd) {
    C1Last set;
    set.AddStsLast(1, 2, 1.5, "s");
    set.AddEinzelLast(1, 1.0, 2.0, "", 1);
    C1StsLast s;
    C1EinzelLast p;
    ASSERT_EQ(set.GetRecord(1, s), 1);
    ASSERT_EQ(set.GetRecord(1, p), 1);
    EXPECT_EQ(s.Feld, 2);
    EXPECT_EQ(p.Feld, 0);
}

TEST(C1LastTr, AddersKeepFieldsButNotTheRunningNumber) {
    C1LastTr set;
    set.AddTrapezLast(3, 2, 1.0, 2.0, 10.0, 20.0, "erd", 0, 77);
    int Lf = 0, feld = 0, flag = 0, nr = -1;
    double a = 0, b = 0, q1 = 0, q2 = 0;
    std::string text;
    ASSERT_EQ(set.GetTrapezLast(1, Lf, feld, a, b, q1, q2, text, flag, nr), 1);
    EXPECT_EQ(Lf, 3);
    EXPECT_EQ(feld, 2);
    EXPECT_EQ(a, 1.0);
    EXPECT_EQ(b, 2.0);
    EXPECT_EQ(q1, 10.0);
    EXPECT_EQ(q2, 20.0);
    EXPECT_EQ(text, "erd");
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(nr, 0);
}

TEST(C1LastTr, DeleteFeldRemovesAndRenumbers) {
    C1LastTr set;
    for (int feld : {1, 2, 3}) {
        set.AddTrapezLast(1, feld, 0, 1, 1, 1, "", 1, 0);
        set.AddEinzelLast(1, feld, 0, 1, "", 1, 0);
    }
    set.AddStsLast(1, 2, 1.0, "", 0);
    set.AddStsLast(1, 3, 1.0, "", 0);
    set.DeleteFeld(2);

    ASSERT_EQ(set.GetAnzahlTrapezLast(), 2);
    ASSERT_EQ(set.GetAnzahlEinzelLast(), 2);
    C1TrapezLast t;
    set.GetRecord(1, t);
    EXPECT_EQ(t.Feld, 1);
    set.GetRecord(2, t);
    EXPECT_EQ(t.Feld, 2); // the former span 3
    // Settlements belong to supports and stay; the one behind the removed span moves down.
    ASSERT_EQ(set.GetAnzahlStsLast(), 2);
    C1StsLast s;
    set.GetRecord(1, s);
    EXPECT_EQ(s.Feld, 2);
    set.GetRecord(2, s);
    EXPECT_EQ(s.Feld, 2);
}

TEST(C1LastTr, DeleteByLoadCaseAndCopyLoadCase) {
    C1LastTr set;
    set.AddTrapezLast(1, 0, 0, 1, 1, 1, "a", 1, 0);
    set.AddTrapezLast(2, 0, 0, 1, 2, 2, "b", 1, 0);
    set.AddEinzelLast(2, 0, 1, 5, "c", 1, 0);
    set.AddMomentLast(2, 0, 1, 5, "", 0);
    set.AddStsLast(1, 1, 1, "", 0);

    std::vector<C1TrapezLast> trapez;
    std::vector<C1EinzelLast> einzel(1); // appended to, not replaced
    set.CopyLastfall(2, trapez, einzel);
    ASSERT_EQ(trapez.size(), 1u);
    EXPECT_EQ(trapez[0].Text, "b");
    ASSERT_EQ(einzel.size(), 2u);
    EXPECT_EQ(einzel[1].P, 5.0);

    set.DeleteTrapezLastLf(1);
    EXPECT_EQ(set.GetAnzahlTrapezLast(), 1);
    set.DeleteLf(2);
    EXPECT_EQ(set.GetAnzahlTrapezLast(), 0);
    EXPECT_EQ(set.GetAnzahlEinzelLast(), 0);
    EXPECT_EQ(set.GetAnzahlMomentLast(), 0);
    EXPECT_EQ(set.GetAnzahlStsLast(), 1);
    set.DeleteStsLast();
    EXPECT_EQ(set.GetMaxAnzahl(), 0);
}

TEST(C1LastTr, CopyAssignmentCopiesEveryArray) {
    C1LastTr from;
    from.AddNormalKraft(1, 1, 0, 2, 3, 4, "n", 0);
    from.AddTempLast(2, 0, 0, 2, 0.5, "t", 0);
    C1LastTr to;
    to.AddEinzelLast(1, 0, 1, 1, "", 1, 0);
    to = from;
    EXPECT_EQ(to.GetAnzahlEinzelLast(), 0);
    C1NormalKraft n;
    ASSERT_EQ(to.GetRecord(1, n), 1);
    EXPECT_EQ(n.Text, "n");
    EXPECT_EQ(n.N2, 4.0);
    EXPECT_EQ(to.GetAnzahlTempLast(), 1);
}

TEST(C1LastTr, DumpsWriteOneLinePerRecordButNoSettlements) {
    C1LastTr set;
    set.AddTrapezLast(1, 2, 1.5, 2.0, 10.0, 20.0, "", 1, 0);
    set.AddEinzelLast(1, 0, 3.0, 12.5, "", 1, 0);
    set.AddStsLast(1, 1, 1.0, "", 0);
    const std::string tr = beamtest::Captured([&](std::FILE* f) { set.Dump(f, "T"); });
    EXPECT_EQ(tr, "C1LastTr-Dump T\n"
                  "Trapez: i= 0, Lf= 1, Feld= 2, a= 1.50, b= 2.00, q1=   10.00, q2=   20.00\n"
                  "Einzel: i= 0, Lf= 1, Feld= 0, c= 3.00, P=   12.50\n");
    const std::string span =
        beamtest::Captured([&](std::FILE* f) { static_cast<const C1Last&>(set).Dump(f, ""); });
    EXPECT_EQ(span,
              "\nC1Last-Dump \n"
              "P -Last: i= 0, Feld= 0, Lf= 1, c=    3.00, P=   12.50                       \n"
              "T -Last: i= 0, Feld= 2, Lf= 1, a=    1.50, b=    2.00, q1=   10.00,  q2=   20.00\n");
    set.Dump(nullptr, "nothing happens");
}

} // namespace
