// Characteristic earth-pressure tables of the wall and of the equivalent wall.

#include "ReportFixture.h"

#include "model/C1ZirfCalc.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Fmt(const char* format, double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}
std::string F2(double v) {
    return Fmt("%.2f", v == 0.0 ? 0.0 : v);
}
// A table row as the report shows it: the cells, each followed by " | ".
std::string Row(std::initializer_list<std::string> cells) {
    std::string row;
    for (const std::string& c : cells) {
        row += c + " | ";
    }
    return row;
}
// The rows from the line after `heading` up to the next line without a cell.
std::vector<std::string> Table(const std::vector<std::string>& lines, const std::string& heading,
                               int skipHeads) {
    std::vector<std::string> rows;
    bool in = false;
    for (const std::string& line : lines) {
        if (in && line.find(" | ") == std::string::npos) {
            break;
        }
        if (in) {
            rows.push_back(line);
        }
        in = in || line == heading;
    }
    rows.erase(rows.begin(), rows.begin() + std::min<std::size_t>(skipHeads, rows.size()));
    return rows;
}

// The run's objects over the test document: an anchored wall with a berm, compaction
// by a plate, a water difference (4.0 m behind, 8.0 m in front), a block load with a
// horizontal force and a line load, evaluated at a foot depth of 12 m.
struct Beispiel : ReportFixture {
    Beispiel() {
        std::string error;
        QEDOM_FreeDocument(doc);
        doc = QEDOM_LoadDocument(std::string(ZIRF_SOURCE_DIR) + "/tests/report/data/erddruck.xml",
                                 error);
        EXPECT_NE(doc, 0) << error;
        qel.hDoc = doc;
        LeseEingabe(in);
        calc->CalcBodenmodell();
        calc->CalcLastenBeiTiefe(12.0);
        calc->tGes = 12.0;
    }
    // The deep slip line's run with the equivalent wall 8 m from the wall.
    void Ersatzwand() {
        calc->xAnkerpunkt = 8.0;
        calc->yAnkerpunkt = 9.0;
        calc->ClearErgebnisseTGF();
        calc->CalcBeiwerteTGF();
        calc->CalcErddruckAktivTGF(0);
        calc->CalcBermeTGF();
    }
    const C1SchichtErgebnis& Aktiv(int fall, int i) const {
        return calc->ErgAktiv[calc->IndexAktiv(fall, i)];
    }
};

TEST(WriteEinwirkungenUndWiderstaende, TablesShowTheCalculationsDepthsAndOrdinates) {
    Beispiel f;
    const C1ZirfCalc& c = *f.calc;
    ASSERT_EQ(f.report.WriteEinwirkungenUndWiderstaende(), 1);
    const std::vector<std::string> lines = f.Zeilen();
    const int nListed = c.iLetzteSchicht; // the last layer of the table is not listed

    // Permanent loads: levels at each layer's top and bottom; the vertical stress is
    // the permanent surcharge (load case 1, 15 kN/m²) plus the overburden above.
    std::vector<std::string> expected;
    for (int i = 0; i < nListed; ++i) {
        const C1Schicht& s = c.Schicht[i];
        const C1SchichtErgebnis& a = f.Aktiv(0, i);
        const C1SchichtErgebnis& b = f.Aktiv(1, i);
        const double sigmaOben = 15.0 + (i == 0 ? 0.0 : c.Schicht[i - 1].sigmaA);
        const std::string nr = std::to_string(i + 1);
        expected.push_back(
            Row({nr, F2(-s.yo), F2(sigmaOben), F2(a.eohAktiv + b.eohAktiv),
                 F2(a.eohRuhe + b.eohRuhe), F2(-s.cA), F2(a.eohMin + b.eohMin), F2(a.eoh)}));
        expected.push_back(
            Row({nr, F2(-s.yu), F2(15.0 + s.sigmaA), F2(a.euhAktiv + b.euhAktiv),
                 F2(a.euhRuhe + b.euhRuhe), F2(-s.cA), F2(a.euhMin + b.euhMin), F2(a.euh)}));
    }
    EXPECT_EQ(Table(lines, "char. Erddruck aus ständigen gleichmäßig verteilten Lasten", 2),
              expected);

    // Variable loads: load case 2 (traffic, 20 kN/m²).
    expected.clear();
    for (int i = 0; i < nListed; ++i) {
        const C1SchichtErgebnis& r = f.Aktiv(2, i);
        const std::string nr = std::to_string(i + 1);
        expected.push_back(Row(
            {nr, F2(-c.Schicht[i].yo), "2", "20.00", F2(r.eohAktiv), F2(r.eohRuhe), F2(r.eoh)}));
        expected.push_back(Row(
            {nr, F2(-c.Schicht[i].yu), "2", "20.00", F2(r.euhAktiv), F2(r.euhRuhe), F2(r.euh)}));
    }
    EXPECT_EQ(Table(lines, "char. Erddruck aus veränderlichen gleichmäßig verteilten Lasten", 2),
              expected);

    // Passive side from the first layer below the excavation level (7.5 m).
    expected.clear();
    for (int i = c.iSchichtUnten; i < nListed; ++i) {
        const C1Schicht& s = c.Schicht[i];
        const C1SchichtErgebnis& p = c.ErgPassiv[i - c.iSchichtUnten];
        const double sigmaOben = i == c.iSchichtUnten ? 0.0 : c.Schicht[i - 1].sigmaP;
        const std::string nr = std::to_string(i + 1);
        expected.push_back(
            Row({nr, F2(-s.yo), F2(sigmaOben), F2(p.epoh - s.cP),
                 F2(f.Aktiv(0, i).eohRuhe + f.Aktiv(1, i).eohRuhe), F2(s.cP), F2(p.epoh)}));
        expected.push_back(
            Row({nr, F2(-s.yu), F2(s.sigmaP), F2(p.epuh - s.cP),
                 F2(f.Aktiv(0, i).euhRuhe + f.Aktiv(1, i).euhRuhe), F2(s.cP), F2(p.epuh)}));
    }
    EXPECT_EQ(c.Schicht[c.iSchichtUnten].yo, 7.5);
    EXPECT_EQ(Table(lines, "char. Erdwiderstand aus ständigen gleichmäßig verteilten Lasten", 2),
              expected);

    // Berm: the depth sections, then per layer reached by it the parts of its figure.
    EXPECT_EQ(ZeileMit(lines, "Tiefenabschnitte"),
              Row({"Tiefenabschnitte", "a = " + Fmt("%6.2f", c.bermeH1),
                   "x = " + Fmt("%6.2f", c.bermeH2), "y = " + Fmt("%6.2f", c.bermeH3), "[m]"}));
    const std::vector<std::string> berme = Table(lines, "char. Erddruck aus Berme", 4);
    ASSERT_FALSE(berme.empty());
    int bermeRows = 0;
    for (int i = c.iErsteSchicht; i < nListed; ++i) {
        const C1SchichtErgebnis& d = c.ErgBerme[i];
        const C1SchichtErgebnis& e = c.ErgBermeUnten[i];
        if (c.bermeH1 + c.bermeH2 > c.Schicht[i].yu) {
            continue;
        }
        const bool dreieck = d.eoh != d.euh;
        const C1SchichtErgebnis& r = dreieck ? e : d;
        const bool rechteck = !dreieck || e.eoh != 0.0;
        EXPECT_EQ(
            berme.at(static_cast<std::size_t>(bermeRows++)),
            Row({std::to_string(i + 1), F2(-c.Schicht[i].yu), dreieck ? F2(d.abt) : "",
                 dreieck ? F2(d.bist) : "", dreieck ? F2(d.eoh) : "", dreieck ? F2(d.euh) : "",
                 rechteck ? F2(r.abt) : "", rechteck ? F2(r.bist) : "", rechteck ? F2(r.eoh) : ""}))
            << "layer " << i + 1;
    }
    EXPECT_EQ(berme.size(), static_cast<std::size_t>(bermeRows));

    // Block load 1: the rows of the layers its figures reach.
    for (const std::string& row : Table(lines, "char. Erddruck aus vertikalen Blocklasten", 3)) {
        const int i = std::stoi(row.substr(4)) - 1;
        const C1SchichtErgebnis& o = c.ErgBlockOben[c.IndexLast(0, i)];
        const C1SchichtErgebnis& u = c.ErgBlockUnten[c.IndexLast(0, i)];
        const bool oben = o.euh > o.eoh;
        const bool unten = u.Eh != 0.0;
        EXPECT_EQ(row, Row({"1", std::to_string(i + 1), F2(-c.Schicht[i].yu), oben ? F2(o.abt) : "",
                            oben ? F2(o.bist) : "", oben ? F2(o.eoh) : "", oben ? F2(o.euh) : "",
                            unten ? F2(u.abt) : "", unten ? F2(u.bist) : "", unten ? F2(u.eoh) : "",
                            unten ? F2(u.euh) : ""}));
    }
    const std::vector<std::string> horizontal =
        Table(lines, "char. Erddruck aus horizontalen Blocklasten", 3);
    ASSERT_FALSE(horizontal.empty());
    for (const std::string& row : horizontal) {
        const int i = std::stoi(row.substr(4)) - 1;
        const C1Spreizung& h = c.BlockSchicht[c.IndexLast(0, i)];
        EXPECT_EQ(row, Row({"1", std::to_string(i + 1), F2(-c.Schicht[i].yu), F2(h.von), F2(h.bis),
                            F2(h.eo), F2(h.eu)}));
    }
    const std::vector<std::string> linie = Table(lines, "char. Erddruck aus Linienlasten", 3);
    ASSERT_FALSE(linie.empty());
    for (const std::string& row : linie) {
        const int i = std::stoi(row.substr(4)) - 1;
        const C1SchichtErgebnis& v = c.ErgLinie[c.IndexLast(0, i)];
        const C1Spreizung& h = c.LinieSchicht[c.IndexLast(0, i)];
        EXPECT_EQ(row, Row({"1", std::to_string(i + 1), F2(-c.Schicht[i].yu), F2(v.abt), F2(v.bist),
                            F2(v.eoh), F2(v.euh), F2(h.von), F2(h.bis), F2(h.eo), F2(h.eu)}));
    }

    // Compaction by the plate: the active figure of each layer down to the excavation.
    expected.clear();
    for (int i = c.iErsteSchicht; i <= c.iSchichtAushub; ++i) {
        const C1VerdichtungSchicht& v = c.Verdichtung[i];
        if (v.EV1 > 0.0) {
            expected.push_back(
                Row({std::to_string(i + 1), "aktiver Erddruck", Fmt("%.3f", c.Schicht[i].yu),
                     F2(v.eoV1), F2(v.euV1), F2(v.EV1), Fmt("%.3f", v.yV1)}));
        }
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(Table(lines, "Verdichtungserddruck", 2), expected);

    // Water: the layers from the upper level (4.0 m) down.
    expected.clear();
    for (int i = 0; i < nListed; ++i) {
        const C1Schicht& s = c.Schicht[i];
        if (s.yo >= 4.0) {
            expected.push_back(Row({std::to_string(i + 1), F2(-s.yu), F2(s.yo), F2(s.yu),
                                    Fmt("%.1f", s.wo), F2(s.wu)}));
        }
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(Table(lines, "char. Wasserdruck", 2), expected);
}

TEST(WriteErsatzwand, HorizontalGroundGivesTheLevelsOfTheWall) {
    // With the ground horizontal (beta 0) the equivalent wall's permanent table has
    // the levels of the wall's; with beta 10 degrees the ground at the equivalent wall
    // (8 m away) lies 8 * tan 10 = 1.41 m higher, so the first level is +1.41 and the
    // bottom of the first layer keeps its level.
    auto levels = [](double beta, bool ersatzwand) {
        Beispiel f;
        f.in.gela_neigung = beta;
        f.Ersatzwand();
        if (ersatzwand) {
            f.report.WriteErsatzwand();
        } else {
            f.report.WriteEinwirkungenUndWiderstaende();
        }
        std::vector<std::string> result;
        for (const std::string& row :
             Table(f.Zeilen(), "char. Erddruck aus ständigen gleichmäßig verteilten Lasten", 2)) {
            result.push_back(row.substr(0, row.find(" | ", row.find(" | ") + 3)));
        }
        return result;
    };
    const std::vector<std::string> wand = levels(0.0, false);
    ASSERT_FALSE(wand.empty());
    EXPECT_EQ(levels(0.0, true), wand);
    std::vector<std::string> geneigt = wand;
    geneigt.front() = "1 | 1.41";
    EXPECT_EQ(levels(10.0, true), geneigt);
}

TEST(WriteErsatzwand, DiffersFromTheWallWhereTheRunDoes) {
    Beispiel f;
    f.Ersatzwand();
    f.calc->nwwand = 2; // at rest on the passive side: the other head of coefficients
    f.report.WriteErsatzwand();
    const std::vector<std::string> lines = f.Zeilen();
    const C1ZirfCalc& c = *f.calc;
    EXPECT_EQ(lines.front(), "Einwirkungen auf die Ersatzwand");
    EXPECT_EQ(lines.at(1), "Erddruckbeiwerte");
    EXPECT_EQ(lines.at(2),
              Row({"Schicht", "δ", "α", "θ'", "90-φ", "θ", "k0h", "kfh", "kch", "γ", ""}));
    // The coefficients of the equivalent wall's run.
    const C1Schicht& s = c.Schicht[0];
    EXPECT_EQ(lines.at(4), Row({"1", F2(s.thetaATGF), Fmt("%.3f", s.kaghT), Fmt("%.3f", s.kaphT),
                                Fmt("%.3f", s.kachT), Fmt("%.3f", s.kahmT), Fmt("%.3f", s.k0ghT),
                                Fmt("%.3f", s.k0phT), Fmt("%.3f", s.kpghT), Fmt("%.3f", s.kpphT),
                                Fmt("%.3f", s.kpchT)}));
    // The variable table repeats eah in the column of eah,eff.
    const std::vector<std::string> variabel =
        Table(lines, "char. Erddruck aus veränderlichen gleichmäßig verteilten Lasten", 2);
    ASSERT_FALSE(variabel.empty());
    const C1SchichtErgebnis& r = c.ErgAktivTGF[c.IndexAktiv(2, 0)];
    EXPECT_EQ(variabel.front(),
              Row({"1", "0.00", "2", "20.00", F2(r.eohAktiv), F2(r.eohRuhe), F2(r.eohAktiv)}));
    // No compaction, passive-side or water table on the equivalent wall.
    EXPECT_EQ(ZeileMit(lines, "Verdichtungserddruck"), "");
    EXPECT_EQ(ZeileMit(lines, "char. Erdwiderstand"), "");
    EXPECT_EQ(ZeileMit(lines, "char. Wasserdruck"), "");
}

TEST(WriteErsatzwand, BermWithinTheEquivalentWallIsListedAsRectangles) {
    Beispiel f;
    f.Ersatzwand();
    f.calc->xBermeFuss = 7.0; // the corner lies inside the distance of 8 m
    f.calc->ErgBermeTGF[3] = {};
    f.calc->ErgBermeTGF[3].abt = 3.0;
    f.calc->ErgBermeTGF[3].bist = 3.5;
    f.calc->ErgBermeTGF[3].eoh = 2.0;
    f.calc->ErgBermeTGF[3].euh = 6.0; // a slope part: shown as a rectangle all the same
    f.report.WriteErsatzwand();
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(ZeileMit(lines, "Tiefenabschnitte"), "");
    const std::vector<std::string> berme = Table(lines, "char. Erddruck aus Berme", 3);
    // Every layer from the top of the soil is listed.
    EXPECT_EQ(berme.size(),
              static_cast<std::size_t>(f.calc->iLetzteSchicht - f.calc->iErsteSchicht));
    EXPECT_EQ(ZeileMit(berme, "4 |"),
              Row({"4", F2(-f.calc->Schicht[3].yu), "", "", "", "", "3.00", "3.50", "2.00"}));
}

// A small profile by hand: three listed layers, the second without soil weight.
struct Handprofil : ReportFixture {
    Handprofil() {
        calc->iLetzteSchicht = 3;
        calc->iErsteSchicht = 0;
        calc->iSchichtAushub = 1;
        calc->iSchichtUnten = 2;
        const double grenzen[] = {0.0, 2.0, 4.0, 6.0, 16.0};
        for (int i = 0; i < 4; ++i) {
            Schicht(i, grenzen[i], grenzen[i + 1]).gammaEff = i == 1 ? 0.0 : 10.0;
        }
        in.nFlaechenlast = 1;
        in.flaechenlast[0] = {1, "Lager", 10.0};
        in.nLfFlaeche = 1;
        in.lfFlaeche[0] = 1;
        in.iLetzterLastfall = 1;
        in.tgh = 3.0;
        in.tgv = 5.0;
        in.txt_wasserdruck = 1;
        calc->tGes = 8.0;
    }
};

TEST(WriteEinwirkungenUndWiderstaende, SwitchesAndPresenceOfTables) {
    {
        // Ordinates without coefficients: no chapter heading; one surcharge load case:
        // no table of variable loads.
        Handprofil f;
        f.in.txt_druck_ordinaten = 1;
        f.report.WriteEinwirkungenUndWiderstaende();
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(lines.front(), "char. Erddruck aus ständigen gleichmäßig verteilten Lasten");
        EXPECT_EQ(ZeileMit(lines, "Einwirkungen und Widerst"), "");
        EXPECT_EQ(ZeileMit(lines, "char. Erddruck aus veränderlichen"), "");
        // The permanent surcharge stands at the top; the last layer (index 3) is not listed.
        EXPECT_EQ(lines.at(3), Row({"1", "0.00", "10.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
        EXPECT_EQ(AnzahlZeilenMit(lines, "4 |"), 0);
        EXPECT_EQ(ZeileMit(lines, "char. Wasserdruck"), "char. Wasserdruck");
    }
    {
        // Coefficients only: the layer without soil weight is missing.
        Handprofil f;
        f.in.txt_druck_beiwerte = 1;
        f.in.txt_wasserdruck = 0;
        f.report.WriteEinwirkungenUndWiderstaende();
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(lines.front(), "Einwirkungen und Widerstände");
        EXPECT_EQ(AnzahlZeilenMit(lines, "1 |"), 1);
        EXPECT_EQ(AnzahlZeilenMit(lines, "2 |"), 0);
        EXPECT_EQ(AnzahlZeilenMit(lines, "3 |"), 1);
        EXPECT_EQ(ZeileMit(lines, "char."), "");
    }
    {
        // The water table has a switch of its own: without the earth-pressure tables it
        // is written all the same. The upper level is 3.0 m; of the listed layers only
        // the third (4 to 6 m) starts below it.
        Handprofil f;
        f.report.WriteEinwirkungenUndWiderstaende();
        const std::vector<std::string> lines = f.Zeilen();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "char. Wasserdruck");
        EXPECT_EQ(ZeileMit(lines, "char. Erd"), "");
        EXPECT_EQ(Table(lines, "char. Wasserdruck", 2),
                  std::vector<std::string>{Row({"3", "-6.00", "4.00", "6.00", "0.0", "0.00"})});
    }
    // No water table when the levels lie 0.01 m or less apart, or when the chosen
    // embedment depth does not reach below the upper level.
    for (const auto& [tgh, tgv, tGes] : {std::tuple{3.0, 3.01, 8.0}, std::tuple{3.0, 5.0, 3.0}}) {
        Handprofil f;
        f.in.txt_druck_ordinaten = 1;
        f.in.tgh = tgh;
        f.in.tgv = tgv;
        f.calc->tGes = tGes;
        f.report.WriteEinwirkungenUndWiderstaende();
        EXPECT_EQ(ZeileMit(f.Zeilen(), "char. Wasserdruck"), "")
            << tgh << " " << tgv << " " << tGes;
    }
}

} // namespace
