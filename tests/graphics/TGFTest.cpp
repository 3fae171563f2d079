// The deep-slip-line picture: the wedge with and without a berm, the anchor with and
// without its panel, and both groups of forces.

#include "GrafikLauf.h"

#include <cmath>

namespace {

struct TGFFall {
    const char* name;
    std::function<void(C1ZirfInput&, C1ZirfCalc&)> aendern;
    std::size_t keilEcken;
    int typ; // anchor type: 1 with a panel
};

// A berm whose slope runs from x = a to x = e at the ground level of the wall, 1 m high.
std::function<void(C1ZirfInput&, C1ZirfCalc&)> Berme(double a, double e) {
    return [a, e](C1ZirfInput& in, C1ZirfCalc& c) {
        in.mitberme = 1;
        in.berme_dicke = 1.0;
        c.xBerme = a;
        c.yBerme = c.yGelaende;
        c.xBermeFuss = e;
        c.yBermeFuss = c.yGelaende - 1.0;
    };
}

TEST(Gleitfugenbild, WedgeAnchorAndForcesByCase) {
    const std::vector<TGFFall> faelle = {
        {"no berm", nullptr, 4, 0},
        {"anchor with a panel", nullptr, 4, 1},
        {"berm slope reaching past the equivalent wall", Berme(2.0, 100.0), 5, 0},
        {"berm ending before the equivalent wall", Berme(2.0, 4.0), 6, 0},
        {"vertical berm slope", Berme(3.0, 3.0), 6, 0},
        {"flat slip line", [](C1ZirfInput&, C1ZirfCalc& c) { c.thetaTGF = 0.0; }, 4, 0},
    };
    for (const TGFFall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf("examples/anker_frei.xml");
        C1ZirfCalc& c = *lauf.calc;
        ASSERT_GT(c.xAnkerpunkt, 4.0);
        lauf.f.in.typ = fall.typ;
        if (fall.aendern) {
            fall.aendern(lauf.f.in, c);
        }
        ASSERT_EQ(lauf.grafik->PlotTGF("TGF", 160.0, 100.0), 1);
        const emf::Reader r = GrafikLauf::Bild("TGF");
        ErwarteGesund(r);
        const auto texte = Texte(r);
        // The earth pressure on both sides of the wedge.
        EXPECT_EQ(texte.count("aus Erde"), 2u);
        ASSERT_GE(r.Polygons().size(), 4u);
        EXPECT_EQ(r.Polygons()[1].size(), fall.keilEcken);
        const Welt w(r, c.yFussTGF);
        // The wedge: wall head level, lower slip point, equivalent wall.
        const auto& keil = r.Polygons()[1];
        EXPECT_NEAR(w.Y(keil[1]), c.yFussTGF, 0.05);
        EXPECT_NEAR(w.X(keil[2]), c.xAnkerpunkt, 0.05);
        EXPECT_NEAR(w.Y(keil[2]), c.yAnkerpunkt, 0.05);
        // The anchor band, then the panel for an anchor of type 1.
        const double winkel = lauf.f.in.ankerneigung / c.GradFaktor;
        const double xEnde = std::cos(winkel) * lauf.f.in.ankerlaenge;
        const auto& anker = r.Polygons()[2];
        EXPECT_NEAR(w.X(anker[1]), xEnde, 0.05);
        const auto& danach = r.Polygons()[3];
        const bool tafel = danach.size() == 4 && std::fabs(w.X(danach[0]) - xEnde) < 0.05 &&
                           std::fabs(w.X(danach[1]) - xEnde - 0.1) < 0.05;
        EXPECT_EQ(tafel, fall.typ == 1);
    }
}

// Both groups of forces take the loads' diagrams in the order of the loading diagram:
// every block load's vertical part, then their horizontal parts, then the same for the
// line loads; a load whose figures have no ordinate keeps its caption. The left group
// runs from the wall to the left (captions ending at their diagram's right edge), the
// right group from the anchor's end to the right.
TEST(Gleitfugenbild, LoadsByKindOnBothSidesOfTheWedge) {
    GrafikLauf lauf("examples/anker_eingespannt.xml", VierLasten);
    ASSERT_EQ(lauf.grafik->PlotTGF("TGF", 160.0, 100.0), 1);
    const emf::Reader r = GrafikLauf::Bild("TGF");
    ErwarteGesund(r);
    const std::vector<std::string> lasten = {"vert Lf. 1", "vert Lf. 2",  "hor Lf. 1",
                                             "hor Lf. 2",  "vertE Lf. 2", "vertE Lf. 1",
                                             "horE Lf. 2", "horE Lf. 1"};
    std::vector<std::string> links = {"aus Erde", "aus 2"};
    links.insert(links.end(), lasten.begin(), lasten.end());
    std::vector<std::string> rechts = links;
    links.push_back("aus Wasser");
    const std::vector<Abschnitt> abschnitte = Abschnitte(r);
    ASSERT_EQ(abschnitte.size(), links.size() + rechts.size());
    for (std::size_t k = 0; k < abschnitte.size(); ++k) {
        const bool linkeGruppe = k < links.size();
        const std::string& titel = linkeGruppe ? links[k] : rechts[k - links.size()];
        SCOPED_TRACE(titel);
        const Abschnitt& a = abschnitte[k];
        EXPECT_EQ(a.titel, titel);
        const bool letzter = k + 1 == abschnitte.size() || k + 1 == links.size() ||
                             !GleicheZeile(a, abschnitte[k + 1]);
        if (linkeGruppe) {
            // Right to left: each figure between its caption's end and the next one's.
            const int rand = a.text.box.right;
            const int weiter = letzter ? -(1 << 30) : abschnitte[k + 1].text.box.right;
            EXPECT_GT(rand, weiter);
            for (const auto& figur : a.figuren) {
                for (const emf::Point& p : figur) {
                    EXPECT_LE(p.x, rand + 2);
                    EXPECT_GT(p.x, weiter);
                }
            }
        } else {
            const int rand = a.text.reference.x;
            const int weiter = letzter ? 1 << 30 : abschnitte[k + 1].text.reference.x;
            EXPECT_LT(rand, weiter);
            for (const auto& figur : a.figuren) {
                for (const emf::Point& p : figur) {
                    EXPECT_GE(p.x, rand - 2);
                    EXPECT_LT(p.x, weiter);
                }
            }
        }
    }
}

} // namespace
