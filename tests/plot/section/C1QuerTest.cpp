#include "plot/section/C1Quer.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr double kTol = 1e-9;

C1Quer Querschnitt(int bemetyp, int iQuer, std::initializer_list<std::pair<int, double>> dims) {
    C1Quer q;
    q.Bemetyp = bemetyp;
    q.iQuer = iQuer;
    for (const auto& [i, v] : dims) {
        q.d.at(static_cast<std::size_t>(i)) = v;
    }
    return q;
}

// A section with a distinct value in every field a copy can take.
C1Quer Voll() {
    C1Quer q = Querschnitt(1, 2, {{1, 100.0}, {2, 20.0}, {3, 30.0}, {4, 40.0}, {80, 7.0}});
    q.Name = "Q 1";
    q.Gruppe = "Gruppe";
    q.DatenbankPfad = "profile.db";
    q.xa = 1.0;
    q.xe = 3.5;
    q.e = 0.25;
    q.al = 12.0;
    q.hz = 4.0;
    q.d1y = 3.1;
    q.d2y = 3.2;
    q.d1z = 3.3;
    q.d2z = 3.4;
    q.Aufklauung = 2.0;
    q.A = 2000.0;
    q.ABrutto = 2100.0;
    q.Iy = 1.0e5;
    q.Iz = 2.0e5;
    q.Ix = 3.0e5;
    q.Wy = 4.0e3;
    q.Wz = 5.0e3;
    q.Eigengewicht = 5.0;
    q.zsVerbund = 11.0;
    q.iProf = 7;
    q.Nachweis = 2;
    q.ProfAchse = 2;
    q.ProfNr = 9;
    q.Start1 = 10.0;
    q.hProfData = 42;
    q.Bewehrung.iLayout = 3;
    q.BSH.r = 6.5;
    return q;
}

TEST(C1Quer, DefaultSection) {
    const C1Quer q;
    EXPECT_EQ(q.nDim, 81);
    ASSERT_EQ(q.d.size(), 81u);
    for (double v : q.d) {
        EXPECT_EQ(v, 0.0);
    }
    EXPECT_EQ(q.iQuer, 1);
    EXPECT_EQ(q.Bemetyp, 0);
    EXPECT_EQ(q.Ix, 1.0);
    EXPECT_EQ(q.iProf, 2);
    EXPECT_EQ(q.Nachweis, 1);
    EXPECT_EQ(q.ProfAchse, 1);
    EXPECT_EQ(q.iAnordnung, 1);
    EXPECT_EQ(q.Bewehrung.iLayout, 1);
    EXPECT_EQ(q.Start1, 8.0);
    EXPECT_EQ(q.Start2, 8.0);
    EXPECT_EQ(q.pNamen, nullptr);
    EXPECT_EQ(q.GetBreite(), 0.0);
    EXPECT_EQ(q.GetHoehe(), 0.0);
    EXPECT_EQ(C1Quer(80).d.size(), 80u);
}

TEST(C1Quer, InitRestoresDefaultsAndKeepsTheCount) {
    C1Quer q(80);
    q = Voll();
    q.nDim = 80;
    q.d.resize(80);
    q.Init();
    EXPECT_EQ(q.nDim, 80);
    EXPECT_EQ(q.d.size(), 80u);
    EXPECT_EQ(q.d[1], 0.0);
    EXPECT_TRUE(q.Name.empty());
    EXPECT_EQ(q.iQuer, 1);
    EXPECT_EQ(q.ProfAchse, 1);
    EXPECT_EQ(q.Ix, 1.0);
    EXPECT_EQ(q.A, 0.0);
}

// Width, height and smallest width by design type and shape, with measures worked
// out from the dimensions by hand.
TEST(C1Quer, OuterMeasures) {
    const double hex = 10.0 * 2.0 * 0.866; // across flats of a hexagon of side 10
    struct Fall {
        const char* was;
        C1Quer q;
        double breite, hoehe, dim3;
    };
    C1Quer gedreht = Querschnitt(1, 1, {{1, 30.0}, {2, 50.0}});
    gedreht.ProfAchse = 2;
    C1Quer stahl = Querschnitt(2, 1, {{10, 15.0}, {11, 18.0}, {12, 30.0}, {15, 0.7}});
    C1Quer kasten = stahl;
    kasten.iProf = 51;
    C1Quer stahlGedreht = stahl;
    stahlGedreht.ProfAchse = 2;
    const Fall faelle[] = {
        {"rectangle", Querschnitt(1, 1, {{1, 30.0}, {2, 50.0}}), 30.0, 50.0, 50.0},
        {"rectangle turned", gedreht, 50.0, 30.0, 50.0},
        {"no design type", Querschnitt(0, 1, {{1, 30.0}, {2, 50.0}}), 30.0, 50.0, 50.0},
        {"T-beam", Querschnitt(1, 2, {{1, 100.0}, {2, 20.0}, {3, 30.0}, {4, 40.0}, {5, 5.0}}),
         100.0, 65.0, 30.0},
        {"shape 3", Querschnitt(1, 3, {{1, 30.0}, {2, 60.0}, {4, 10.0}, {6, 12.0}}), 52.0, 60.0,
         30.0},
        {"shape 4",
         Querschnitt(
             1, 4,
             {{1, 40.0}, {2, 10.0}, {3, 5.0}, {4, 25.0}, {5, 7.0}, {6, 50.0}, {7, 3.0}, {8, 2.0}}),
         50.0, 27.0, 25.0},
        {"shape 5", Querschnitt(1, 5, {{1, 20.0}, {2, 5.0}, {3, 10.0}, {4, 12.0}, {5, 45.0}}), 25.0,
         45.0, 22.0},
        {"hexagon", Querschnitt(1, 6, {{1, 10.0}}), 20.0, hex, 10.0},
        {"hexagon without design type", Querschnitt(0, 6, {{1, 10.0}}), 20.0, hex, 0.0},
        {"circle", Querschnitt(1, 7, {{1, 40.0}}), 40.0, 40.0, 40.0},
        {"shape 0", Querschnitt(1, 0, {{1, 40.0}}), 0.0, 0.0, 0.0},
        {"unknown shape", Querschnitt(1, 9, {{1, 40.0}, {2, 10.0}}), 0.0, 0.0, 0.0},
        {"steel", stahl, 18.0, 30.0, 0.7},
        {"steel family 51", kasten, 30.0, 30.0, 30.0},
        {"steel turned", stahlGedreht, 30.0, 18.0, 30.0},
        {"timber rectangle", Querschnitt(3, 1, {{1, 12.0}, {2, 24.0}}), 12.0, 24.0, 12.0},
        {"timber circle", Querschnitt(6, 2, {{1, 20.0}}), 20.0, 20.0, 20.0},
        {"timber other shape", Querschnitt(9, 7, {{1, 20.0}}), 0.0, 0.0, 0.0},
        {"unknown design type", Querschnitt(10, 1, {{1, 30.0}, {2, 50.0}}), 0.0, 0.0, 0.0},
    };
    for (const Fall& f : faelle) {
        const int achse = f.q.ProfAchse;
        EXPECT_NEAR(f.q.GetBreite(), f.breite, kTol) << f.was;
        EXPECT_NEAR(f.q.GetHoehe(), f.hoehe, kTol) << f.was;
        EXPECT_NEAR(f.q.GetDimension3(), f.dim3, kTol) << f.was;
        EXPECT_EQ(f.q.ProfAchse, achse) << f.was;
    }
    EXPECT_NEAR(Querschnitt(1, 6, {{1, 10.0}}).GetHoehe(), 10.0 * std::sqrt(3.0), 0.01);
}

TEST(C1Quer, ShortDimensionArrayIsACheckedError) {
    C1Quer q(5);
    q.Bemetyp = 2;
    EXPECT_THROW(q.GetHoehe(), std::out_of_range);
    C1Quer kurz = Querschnitt(1, 1, {{1, 30.0}});
    kurz.d.resize(10); // count still 81
    C1Quer ziel;
    EXPECT_THROW(ziel.Copy(kurz), std::out_of_range);
    EXPECT_THROW(ziel = kurz, std::out_of_range);
}

TEST(C1Quer, RotateTurnsOrRefuses) {
    C1Quer rechteck = Querschnitt(1, 1, {{1, 30.0}, {2, 50.0}});
    rechteck.Rotate();
    EXPECT_EQ(rechteck.GetBreite(), 50.0);
    EXPECT_EQ(rechteck.GetHoehe(), 30.0);
    EXPECT_EQ(rechteck.ProfAchse, 1);

    C1Quer holz = Querschnitt(3, 1, {{1, 12.0}, {2, 24.0}});
    holz.Rotate();
    EXPECT_EQ(holz.d[1], 24.0);
    EXPECT_EQ(holz.d[2], 12.0);

    for (int iQuer : {0, 6, 7}) {
        C1Quer q = Querschnitt(1, iQuer, {{1, 10.0}, {2, 4.0}});
        q.Rotate();
        EXPECT_EQ(q.d[1], 10.0) << iQuer;
        EXPECT_EQ(q.d[2], 4.0) << iQuer;
    }

    C1Quer stahl = Querschnitt(2, 1, {{10, 15.0}, {12, 30.0}});
    stahl.Rotate();
    EXPECT_EQ(stahl.ProfAchse, 2);
    stahl.Rotate();
    EXPECT_EQ(stahl.ProfAchse, 1);

    const struct { int bemetyp, iQuer; } verweigert[] = {{1, 2}, {0, 5}, {3, 2}, {6, 3}, {10, 1}};
    for (const auto& v : verweigert) {
        C1Quer q = Querschnitt(v.bemetyp, v.iQuer, {{1, 100.0}, {2, 20.0}});
        try {
            q.Rotate();
            ADD_FAILURE() << "no refusal for type " << v.bemetyp << " shape " << v.iQuer;
        } catch (const C1Exception& ex) {
            EXPECT_EQ(ex.text, "C1Quer::Rotate; unzulässig bei akt. Querschnitt");
            EXPECT_EQ(ex.code, 1);
        }
        EXPECT_EQ(q.d[1], 100.0);
    }
}

TEST(C1Quer, CopiesKeepEachCoverInItsOwnField) {
    const C1Quer quelle = Voll();
    C1Quer zuweisung;
    zuweisung = quelle;
    C1Quer kopie;
    kopie.Copy(quelle);
    for (const C1Quer* q : {&zuweisung, &kopie}) {
        EXPECT_EQ(q->d1y, 3.1);
        EXPECT_EQ(q->d2y, 3.2);
        EXPECT_EQ(q->d1z, 3.3);
        EXPECT_EQ(q->d2z, 3.4);
    }
    const C1Quer konstruiert(quelle);
    EXPECT_EQ(konstruiert.d1y, 3.1);
    EXPECT_EQ(konstruiert.d2y, 3.2);
    EXPECT_EQ(konstruiert.d1z, 3.3);
    EXPECT_EQ(konstruiert.d2z, 3.4);
}

TEST(C1Quer, PartialCopyTakesTheShapeAndMainValuesOnly) {
    const C1Quer quelle = Voll();
    C1Quer ziel;
    ziel.e = -1.0;
    ziel.Ix = 99.0;
    ziel.Bewehrung.iLayout = 2;
    ziel.hProfData = 5;
    ziel = quelle;
    EXPECT_EQ(ziel.Name, "Q 1");
    EXPECT_EQ(ziel.Gruppe, "Gruppe");
    EXPECT_EQ(ziel.xa, 1.0);
    EXPECT_EQ(ziel.xe, 3.5);
    EXPECT_EQ(ziel.iQuer, 2);
    EXPECT_EQ(ziel.hz, 4.0);
    EXPECT_EQ(ziel.A, 2000.0);
    EXPECT_EQ(ziel.Iy, 1.0e5);
    EXPECT_EQ(ziel.Iz, 2.0e5);
    EXPECT_EQ(ziel.Wy, 4.0e3);
    EXPECT_EQ(ziel.Wz, 5.0e3);
    EXPECT_EQ(ziel.iProf, 7);
    EXPECT_EQ(ziel.Nachweis, 2);
    EXPECT_EQ(ziel.ProfAchse, 2);
    EXPECT_EQ(ziel.ProfNr, 9);
    EXPECT_EQ(ziel.Bemetyp, 1);
    EXPECT_EQ(ziel.d[4], 40.0);
    EXPECT_EQ(ziel.d[80], 7.0);
    // Not part of the partial copy: the target keeps its own.
    EXPECT_EQ(ziel.e, -1.0);
    EXPECT_EQ(ziel.Ix, 99.0);
    EXPECT_EQ(ziel.Bewehrung.iLayout, 2);
    EXPECT_EQ(ziel.hProfData, 5);
    EXPECT_TRUE(ziel.DatenbankPfad.empty());
    EXPECT_EQ(ziel.ABrutto, 0.0);

    const C1Quer konstruiert(quelle);
    EXPECT_EQ(konstruiert.Ix, 1.0);
    EXPECT_EQ(konstruiert.e, 0.0);
    EXPECT_EQ(konstruiert.Bewehrung.iLayout, 1);
}

TEST(C1Quer, FullCopyTakesEveryFieldButTheNameBoxes) {
    const C1Quer quelle = Voll();
    C1Quer ziel(80);
    ziel.pNamen = reinterpret_cast<C1TextRects*>(&ziel);
    ziel.Copy(quelle);
    EXPECT_EQ(ziel.nDim, 81);
    EXPECT_EQ(ziel.d.size(), 81u);
    EXPECT_EQ(ziel.d[80], 7.0);
    EXPECT_EQ(ziel.DatenbankPfad, "profile.db");
    EXPECT_EQ(ziel.e, 0.25);
    EXPECT_EQ(ziel.al, 12.0);
    EXPECT_EQ(ziel.Aufklauung, 2.0);
    EXPECT_EQ(ziel.ABrutto, 2100.0);
    EXPECT_EQ(ziel.Ix, 3.0e5);
    EXPECT_EQ(ziel.Eigengewicht, 5.0);
    EXPECT_EQ(ziel.zsVerbund, 11.0);
    EXPECT_EQ(ziel.Start1, 10.0);
    EXPECT_EQ(ziel.hProfData, 42);
    EXPECT_EQ(ziel.Bewehrung.iLayout, 3);
    EXPECT_EQ(ziel.BSH.r, 6.5);
    EXPECT_EQ(ziel.pNamen, reinterpret_cast<C1TextRects*>(&ziel));
    ziel.Copy(ziel);
    EXPECT_EQ(ziel.d[80], 7.0);
}

TEST(C1Quer, SteelFamily81IsNormalisedByCopiesNotByAssignment) {
    C1Quer quelle =
        Querschnitt(2, 1, {{10, 10.0}, {11, 20.0}, {12, 5.0}, {13, 1.0}, {14, 2.0}, {15, 3.0}});
    quelle.iProf = 81;
    auto normalisiert = [](const C1Quer& q) {
        return q.d[15] == 20.0 && q.d[12] == 5.0 && q.d[10] == 0.0 && q.d[11] == 0.0 &&
               q.d[13] == 0.0 && q.d[14] == 0.0;
    };
    const C1Quer konstruiert(quelle);
    EXPECT_TRUE(normalisiert(konstruiert));
    C1Quer kopie;
    kopie.Copy(quelle);
    EXPECT_TRUE(normalisiert(kopie));
    C1Quer zuweisung;
    zuweisung = quelle;
    EXPECT_EQ(zuweisung.d[10], 10.0);
    EXPECT_EQ(zuweisung.d[14], 2.0);
    EXPECT_EQ(zuweisung.d[15], 3.0);

    // Only design types 2 and 5 of family 81 change.
    C1Quer andere;
    andere = quelle; // not normalised
    andere.Bemetyp = 8;
    EXPECT_EQ(C1Quer(andere).d[10], 10.0);
    andere.Bemetyp = 5;
    EXPECT_TRUE(normalisiert(C1Quer(andere)));
    andere = quelle;
    andere.iProf = 80;
    EXPECT_EQ(C1Quer(andere).d[10], 10.0);
}

TEST(C1Quer, IsEqualComparesTheDimensionsOfItsDesignType) {
    const C1Quer beton = Querschnitt(1, 1, {{1, 30.0}, {2, 50.0}, {9, 4.0}, {10, 1.0}});
    const C1Quer stahl = Querschnitt(2, 1, {{5, 1.0}, {10, 15.0}, {12, 30.0}, {15, 0.7}});
    const C1Quer holz = Querschnitt(3, 1, {{1, 12.0}, {2, 24.0}, {3, 1.0}});
    const C1Quer ohne = Querschnitt(0, 1, {{1, 12.0}, {2, 24.0}});
    struct Fall {
        const char* was;
        const C1Quer& a;
        void (*aendern)(C1Quer&);
        int gleich;
    };
    const Fall faelle[] = {
        {"same", beton, [](C1Quer&) {}, 1},
        {"concrete d9 off by 1 %", beton, [](C1Quer& q) { q.d[9] = 4.04; }, 0},
        {"concrete d2 within 0.05 %", beton, [](C1Quer& q) { q.d[2] = 50.02; }, 1},
        {"concrete d10 not compared", beton, [](C1Quer& q) { q.d[10] = 3.0; }, 1},
        {"cover", beton, [](C1Quer& q) { q.d2z = 1.0; }, 0},
        {"shape", beton, [](C1Quer& q) { q.iQuer = 7; }, 0},
        {"profile axis", beton, [](C1Quer& q) { q.ProfAchse = 2; }, 0},
        {"layout code", beton, [](C1Quer& q) { q.Bewehrung.iLayout = 2; }, 0},
        {"steel d12", stahl, [](C1Quer& q) { q.d[12] = 31.0; }, 0},
        {"steel d5 not compared", stahl, [](C1Quer& q) { q.d[5] = 9.0; }, 1},
        {"steel family", stahl, [](C1Quer& q) { q.iProf = 51; }, 0},
        {"timber d2", holz, [](C1Quer& q) { q.d[2] = 26.0; }, 0},
        {"timber d3 not compared", holz, [](C1Quer& q) { q.d[3] = 2.0; }, 1},
        {"no type: d2 not compared", ohne, [](C1Quer& q) { q.d[2] = 30.0; }, 1},
        {"no type: d1", ohne, [](C1Quer& q) { q.d[1] = 13.0; }, 0},
    };
    for (const Fall& f : faelle) {
        C1Quer b = f.a;
        f.aendern(b);
        EXPECT_EQ(f.a.IsEqual(b), f.gleich) << f.was;
        EXPECT_EQ(b.IsEqual(f.a), f.gleich) << f.was;
    }
}

std::string Lesen(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char puffer[256];
    while (std::fgets(puffer, sizeof puffer, f) != nullptr) {
        text += puffer;
    }
    return text;
}

TEST(C1Quer, Dumps) {
    C1Quer q = Voll();
    q.Name = "Rechteck mit einem sehr langen Namen";
    EXPECT_EQ(q.Dump(nullptr), 1);
    EXPECT_EQ(q.DumpZeile(nullptr), 1);

    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(q.DumpZeile(f), 1);
    EXPECT_EQ(Lesen(f), "xa=    1.00, xe=    3.50, xl=    2.50, Name=Rechteck mit einem sehr l\n");
    std::fclose(f);

    f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    q.Name = "Q";
    EXPECT_EQ(q.Dump(f), 1);
    const std::string text = Lesen(f);
    std::fclose(f);
    EXPECT_EQ(text.rfind("\nC1Quer\n------\nName=Q, Gruppe=Gruppe, ProfAchse=2, Nachweis=2, "
                         "iProf=7, hz=  4.00 \n",
                         0),
              0u);
    EXPECT_NE(text.find("xa=    1.00, xe=    3.50, e=    0.25, al=   12.00  \n"),
              std::string::npos);
    EXPECT_NE(text.find("Bemetyp=1, iQuer=2, ProfNr=9, ProfAchse=2, Nachweis=2  iProf=7 \n"),
              std::string::npos);
    EXPECT_NE(text.find("A= 2000.00, Iy=100000.00, Iz=200000.00, Ix=300000.00  \n"),
              std::string::npos);
    EXPECT_NE(text.find("r= 6.50 m,  bFirst=0, bVerH=0, bGekrümmt=0\n"), std::string::npos);
}

} // namespace
