// The member diagrams of the plot layer's picture.

#include "plot/curve/ZustandsLinie.h"
#include "plot/member/C1PlotTraeger.h"
#include "plot/member/Plot_.h"

#include "../../support/EmfReader.h"
#include "../../support/EnvGuard.h"
#include "../../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Bild {
    explicit Bild(const char* name) : folder(name), tmp("TMPDIR", folder.path().c_str()) {
        EXPECT_EQ(Plot_Init(2, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "Glieder"),
                  1);
    }
    ~Bild() { Plot_FreeDaten(); }
    emf::Reader Close() {
        Plot_Close(0);
        return emf::Reader::FromFile(Plot_FileName());
    }
    ScratchFolder folder;
    EnvGuard tmp;
};

std::vector<std::string> TextsOf(const emf::Reader& r) {
    std::vector<std::string> out;
    for (const auto& t : r.Texts()) {
        out.push_back(t.Utf8());
    }
    return out;
}

} // namespace

TEST(PlotDiagramme, NumbersOutsideTheDiagramsChangeNothing) {
    Bild bild("plot_diagramme_nummern");
    for (int i : {0, 3, -1}) {
        EXPECT_EQ(Plot_SetZ(i, 1, 1.0f, 2.0f), 0) << i;
        EXPECT_EQ(Plot_SetAufl(i, 1, "A", 0.0f, 1, 0, 0, 24.0f, 0, 0, 0, 0, 0, 0, 0, 0), 0) << i;
        EXPECT_EQ(Plot_SetBettung(i, 0.0f, 1.0f, 5.0f), 0) << i;
        EXPECT_EQ(Plot_SetGele(i, 1.0f), 0) << i;
        EXPECT_EQ(Plot_SetLast(i, 1, 0, 0.0f, 1.0f, 2.0f, 2.0f, 0, 1, "G", "", 1), 0) << i;
        EXPECT_EQ(Plot_Last(i, 0, 0, 1, 0, 2, 1, 0, 1, 0), 0) << i;
        EXPECT_EQ(Plot_Quer(i, 0, 0, 1, 0, 2, 0, 0), 0) << i;
        EXPECT_EQ(Plot_ZLinie(i, 0, 0, 1, 0, 1, 0, 1, 1, 0, 0, 1), 0) << i;
    }
    for (int i : {1, 2}) {
        EXPECT_EQ(Plot_Kurve(i, 1)->GetCount(), 0);
        EXPECT_EQ(Plot_Member(i)->GetHighestSupport(), 0);
        EXPECT_EQ(Plot_Member(i)->loads.GetAnzahlTrapezLast(), 0);
    }
    EXPECT_EQ(Plot_SetZ(2, 2, 1.0f, 2.0f), 1);
    EXPECT_EQ(Plot_Kurve(2, 2)->GetCount(), 1);
}

TEST(PlotDiagramme, SectionCodesNarrowerThanTheMemberPlotLayers) {
    Bild bild("plot_diagramme_quer");
    const float dims[79] = {0.0f, 30.0f, 50.0f};
    struct Case {
        int designType;
        int shape;
        bool stored;
    };
    const Case cases[] = {{8, 1, false}, {1, 11, false}, {2, 1, true}, {1, 7, true}, {3, 2, true}};
    for (const Case& c : cases) {
        Plot_FreeDaten();
        Plot_Init(1, 4.0f, 1.0f, " ", 10.0f, 10.0f, 160.0f, 100.0f, 0, 1, 0, "Q");
        EXPECT_EQ(
            Plot_SetQuer(1, 1, 0.0f, 5.0f, "Q", c.designType, c.shape, 1, 1, dims, 0, 0, 0, 0, 0),
            1);
        EXPECT_EQ(Plot_Member(1)->GetMaxQuer(), c.stored ? 1 : 0) << c.designType << "/" << c.shape;
    }
}

TEST(PlotDiagramme, MemberLoadsSectionAndCurveDrawnIntoThePicture) {
    Bild bild("plot_diagramme_bild");
    Plot_SetAufl(1, 1, "A", 0.0f, 1, 0, 1, 24.0f, 0, 0, 0, 0, 0, 0, 0, 0);
    Plot_SetAufl(1, 2, "B", 5.0f, 1, 0, 1, 24.0f, 0, 0, 0, 0, 0, 0, 0, 0);
    Plot_SetLast(1, 2, 0, 2.0f, 0.0f, 12.5f, 0.0f, 1, 1, "Q", "", 1);
    EXPECT_EQ(Plot_Last(1, 1.0f, 5.0f, 6.0f, 5.0f, 2, 1, 1, 1, 0), 1);
    EXPECT_NEAR(Plot_Member(1)->GetLength(), 5.0, 1e-6);
    // Diagram 2 has no section: nothing to draw.
    EXPECT_EQ(Plot_Quer(2, 1.0f, 8.0f, 6.0f, 8.0f, 2, 0, 0), 1);
    const float dims[79] = {0.0f, 30.0f, 50.0f};
    Plot_SetQuer(1, 1, 0.0f, 5.0f, "Platte", 1, 1, 0, 1, dims, 0, 0, 0, 0, 0);
    EXPECT_EQ(Plot_Quer(1, 7.0f, 9.0f, 9.0f, 9.0f, 2, 0, 0), 1);
    for (int k = 0; k <= 5; ++k) {
        Plot_SetZ(1, 1, static_cast<float>(k), static_cast<float>(k * (5 - k)));
    }
    EXPECT_EQ(Plot_ZLinie(1, 1.0f, 2.0f, 6.0f, 2.0f, 1, 0, 1, 1, 3, 3, 1), 1);
    EXPECT_EQ(Plot_Kurve(1, 1)->GetCount(), 6); // the curve is kept
    const emf::Reader r = bild.Close();
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    const auto texts = TextsOf(r);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "12.5"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Platte"), texts.end());
    EXPECT_FALSE(r.Polygons().empty());
    EXPECT_EQ(r.LiveObjects(), 0u);
}
