// Readers of the loads, actions and load combinations, the collection of the surcharge
// load cases and the table limits of the model.

#include "InputFixture.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string Repeat(int n, const std::function<std::string(int)>& record) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += record(i);
    }
    return text;
}

std::string Surcharge(int lf, double v) {
    return "<gruppe art='1' lf='" + std::to_string(lf) + "' v='" + std::to_string(v) + "'/>";
}

using T = C1ZirfInput::Teilsicherheitsbeiwerte;

} // namespace

TEST(C1ZirfInputReadLast, LargestLoadValue) {
    struct Case {
        const char* groups;
        double maxLast;
    };
    // Head loads count by magnitude, the other kinds by their signed values.
    const Case cases[] = {
        {"<gruppe art='0' h='-50'/>", 50.0},
        {"<gruppe art='0' v='-70' h='20'/>", 70.0},
        {"<gruppe art='2' h='-50'/>", 0.0},
        {"<gruppe art='1' v='-5'/>", 0.0},
        {"<gruppe art='3' m='30' v='10' h='-40'/>", 30.0},
        {"<gruppe art='2' v='12' h='25'/><gruppe art='1' v='20'/>", 25.0},
        {"<gruppe art='4' v='99'/>", 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.groups);
        InputFixture f(InputFixture::Wrap(std::string("<last>") + c.groups + "</last>"));
        f.in.ReadInfo();
        EXPECT_EQ(f.in.ReadLast(), 1);
        EXPECT_DOUBLE_EQ(f.in.maxLast, c.maxLast);
    }
}

TEST(C1ZirfInputReadLast, GroupsByKindAndUnknownKindsCountNowhere) {
    InputFixture f(InputFixture::Wrap(
        "<last><gruppe art='3' lf='2' m='1' v='2' h='3' x='4' y='5' bez='Linie'/>"
        "<gruppe art='4' lf='1' v='9'/><gruppe art='0' lf='3' stelle='1' v='6' h='7' m='8'/>"
        "<gruppe art='2' lf='1' v='11' h='12' x='13' b='14' y='15' bez='Block'/></last>"));
    f.in.ReadInfo();
    f.in.ReadLast();
    EXPECT_EQ(f.in.nLinienlast, 1);
    EXPECT_EQ(f.in.nKopflast, 1);
    EXPECT_EQ(f.in.nBlocklast, 1);
    EXPECT_EQ(f.in.nFlaechenlast, 0);
    const auto& l = f.in.linienlast[0];
    EXPECT_EQ(l.lf, 2);
    EXPECT_EQ(l.bez, "Linie");
    EXPECT_EQ(l.m + 10 * l.v + 100 * l.h + 1000 * l.x + 10000 * l.y, 54321.0);
    const auto& k = f.in.kopflast[0];
    EXPECT_EQ(k.lf, 3);
    EXPECT_EQ(k.stelle, 1);
    EXPECT_EQ(k.v + 10 * k.h + 100 * k.m, 876.0);
    const auto& b = f.in.blocklast[0];
    EXPECT_EQ(b.bez, "Block");
    EXPECT_EQ(b.v + 10 * b.h + 100 * b.x + 1000 * b.b + 10000 * b.y,
              11.0 + 120 + 1300 + 14000 + 150000);
    EXPECT_EQ(f.in.blockArt[0], 2);
}

TEST(C1ZirfInputReadLast, CountsStartAfreshEvenWithoutTheSection) {
    InputFixture f(InputFixture::Wrap(""));
    f.in.ReadInfo();
    f.in.nKopflast = 3;
    f.in.nFlaechenlast = 4;
    f.in.nFlaechenlastVorn = 2;
    f.in.maxLast = 9.0;
    f.in.lastZusatz.fill(1.0);
    EXPECT_EQ(f.in.ReadLast(), 0);
    EXPECT_EQ(f.in.nKopflast, 0);
    EXPECT_EQ(f.in.nFlaechenlast, 0);
    EXPECT_EQ(f.in.nFlaechenlastVorn, 0);
    EXPECT_EQ(f.in.maxLast, 0.0);
    EXPECT_EQ(f.in.lastZusatz[0], 0.0);
}

TEST(C1ZirfInputCollectLastfaelle, DistinctNumbersInOrderOfFirstAppearance) {
    InputFixture f(InputFixture::Wrap("<last>" + Surcharge(2, 5) + Surcharge(1, 10) +
                                      Surcharge(2, 15) + Surcharge(3, 20) + "</last>"));
    f.in.ReadInfo();
    f.in.ReadLast();
    f.in.lfFlaeche.fill(9);
    EXPECT_EQ(f.in.CollectLastfaelle(), 1);
    EXPECT_EQ(f.in.nLfFlaeche, 3);
    EXPECT_EQ(f.in.lfFlaeche[0], 2);
    EXPECT_EQ(f.in.lfFlaeche[1], 1);
    EXPECT_EQ(f.in.lfFlaeche[2], 3);
    EXPECT_EQ(f.in.lfFlaeche[3], 0);
    EXPECT_EQ(f.in.nLfFlaecheVorn, 0);

    InputFixture none(InputFixture::Wrap("<last/>"));
    none.in.ReadInfo();
    none.in.ReadLast();
    none.in.CollectLastfaelle();
    EXPECT_EQ(none.in.nLfFlaeche, 0);
}

TEST(C1ZirfInputReadEinw, ActionsInDocumentOrder) {
    InputFixture f(InputFixture::Wrap(
        "<einw><einwirkung nr='1' art='0' psi0='1'/><einwirkung nr='5' art='1' psi0='0.7' "
        "psi1='0.5' psi2='0.3'/></einw>"));
    f.in.ReadInfo();
    EXPECT_EQ(f.in.ReadEinw(), 2);
    EXPECT_EQ(f.in.einwirkung[1].nr, 5);
    EXPECT_EQ(f.in.einwirkung[1].art, 1);
    EXPECT_DOUBLE_EQ(f.in.einwirkung[1].psi1, 0.5);
    EXPECT_DOUBLE_EQ(f.in.einwirkung[1].psi2, 0.3);
}

TEST(C1ZirfInputReadLastUeberlagerung, PartialFactorsByKindAndSituation) {
    // Each attribute gets its own value: kind digit, then situation digit.
    InputFixture f(InputFixture::Wrap(
        "<lastUeberlagerung><sicherheitsbeiwerte "
        "gamma_g_1='1.01' gamma_g_2='1.02' gamma_g_3='1.03' gamma_e0g_1='1.11' "
        "gamma_e0g_2='1.12' gamma_e0g_3='1.13' gamma_q_1='1.21' gamma_q_2='1.22' "
        "gamma_q_3='1.23' gamma_a_1='1.61' gamma_a_2='1.62' gamma_a_3='1.63'/>"
        "</lastUeberlagerung><teil gep1='1.31' gep2='1.32' gep3='1.33' ggr1='1.41' ggr2='1.42' "
        "ggr3='1.43' ggl1='1.51' ggl2='1.52' ggl3='1.53'/>"));
    f.ReadAll();
    for (int kind = 0; kind < T::kAnzahlArten; ++kind) {
        for (int s = 1; s <= T::kAnzahlSituationen; ++s) {
            EXPECT_DOUBLE_EQ(f.in.teilsicherheit.Get(kind, s), 1.0 + kind / 10.0 + s / 100.0)
                << kind << " " << s;
        }
    }
}

TEST(C1ZirfInputReadLastUeberlagerung, LoadCasesActionsAndCombinations) {
    InputFixture f(InputFixture::Wrap(
        "<einw><einwirkung nr='1' art='0' psi0='0.1'/><einwirkung nr='2' art='7' psi0='0.2'/>"
        "<einwirkung nr='3' art='7' psi0='0.3'/></einw>"
        "<lastUeberlagerung><sicherheitsbeiwerte>"
        "<kombinationsbeiwerte name='G' psi0='1' psi1='1' psi2='1'/>"
        "<kombinationsbeiwerte name='Schnee' psi0='0.5' psi1='0.2' psi2='0'/>"
        "</sicherheitsbeiwerte>"
        "<lastfaelle><lastfall lf='1' einw='1'/><lastfall lf='2' einw='2'/>"
        "<lastfall lf='3' einw='2'/></lastfaelle>"
        "<einwirkungen><einwirkung indexGruppe='0' indexKategorie='0' lastfaelle='1'/>"
        "<einwirkung indexGruppe='12' indexKategorie='1' lastfaelle='2,3'/>"
        "<einwirkung indexGruppe='13' indexKategorie='1' lastfaelle=''/></einwirkungen>"
        "<results><result art='STR,GEO-2' regel='1.35*(1)+1.5*(2+3)'/>"
        "<result art='EQU' regel='0.9*(1)'/><result art='STR,GEO-2' regel='1.35*(1)'/>"
        "</results></lastUeberlagerung>"));
    f.ReadAll();
    const C1ZirfInput& in = f.in;
    EXPECT_EQ(in.iLetzterLastfall, 2);
    EXPECT_EQ(in.lastfallLf[2], 3);
    EXPECT_EQ(in.lastfallEinw[2], 2);
    // A named set 0 replaces the preset name.
    EXPECT_EQ(in.kombiBeiwerte[0].name, "G");
    EXPECT_EQ(in.kombiBeiwerte[1].name, "Schnee");
    // lastUeberlagerung overwrites art and psi of the actions read from einw.
    EXPECT_EQ(in.iLetzteEinwirkung, 2);
    EXPECT_EQ(in.einwirkung[1].nr, 2);
    EXPECT_EQ(in.einwirkung[1].art, 12);
    EXPECT_EQ(in.einwirkung[1].name, "Schnee");
    EXPECT_EQ(in.einwirkung[1].lastfaelle, "2,3");
    EXPECT_DOUBLE_EQ(in.einwirkung[1].psi0, 0.5);
    EXPECT_DOUBLE_EQ(in.einwirkung[1].psi1, 0.2);
    EXPECT_DOUBLE_EQ(in.einwirkung[0].psi0, 1.0);
    // Groups 1 to 12 are variable: 12 counts, 0 and 13 do not.
    EXPECT_EQ(in.nEinwirkungQ, 1);
    ASSERT_EQ(in.kombi.size(), 3U);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(in.kombi[static_cast<std::size_t>(i)].index, i);
    }
    EXPECT_EQ(in.kombi[0].regel, "1.35*(1)+1.5*(2+3)");
    EXPECT_EQ(in.kombi[1].art, "EQU");
    EXPECT_EQ(in.iLetzteKombi, 2);
}

TEST(C1ZirfInputReadLastUeberlagerung, EmptySectionKeepsThePresets) {
    InputFixture f(InputFixture::Wrap("<lastUeberlagerung/>"));
    f.in.ReadInfo();
    EXPECT_EQ(f.in.ReadLastUeberlagerung(), 1);
    EXPECT_EQ(f.in.kombiBeiwerte[0].name, "ständig");
    EXPECT_EQ(f.in.iLetzterLastfall, -1);
    EXPECT_EQ(f.in.iLetzteEinwirkung, -1);
    EXPECT_EQ(f.in.iLetzteKombi, -1);
    EXPECT_TRUE(f.in.kombi.empty());
    EXPECT_EQ(f.in.teilsicherheit.Get(T::gamma_g, 1), 0.0);
}

TEST(C1ZirfInputReadLastUeberlagerung, CategoryMustNameASet) {
    struct Case {
        const char* sets;
        int index;
        bool ok;
    };
    const std::string two = "<kombinationsbeiwerte name='a'/><kombinationsbeiwerte name='b'/>";
    const Case cases[] = {{"", 0, true},           {"", 1, false},           {two.c_str(), 1, true},
                          {two.c_str(), 2, false}, {two.c_str(), -1, false}, {"", 55, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sets) + " " + std::to_string(c.index));
        InputFixture f(
            InputFixture::Wrap(std::string("<lastUeberlagerung><sicherheitsbeiwerte>") + c.sets +
                               "</sicherheitsbeiwerte><einwirkungen><einwirkung indexKategorie='" +
                               std::to_string(c.index) + "'/></einwirkungen></lastUeberlagerung>"));
        f.in.ReadInfo();
        if (c.ok) {
            EXPECT_EQ(f.in.ReadLastUeberlagerung(), 1);
        } else {
            try {
                f.in.ReadLastUeberlagerung();
                ADD_FAILURE() << "no error";
            } catch (const C1Exception& e) {
                EXPECT_NE(e.text.find("'indexKategorie'"), std::string::npos) << e.text;
                EXPECT_EQ(e.code, 1);
            }
        }
    }
}

// Every table of the model holds its limit and refuses one record more, with a shown
// error that names the element and the limit; no record is dropped silently.
TEST(C1ZirfInputLimits, EveryTableRefusesOneRecordMore) {
    struct Case {
        const char* name;
        int limit;
        std::function<std::string(int)> document; // the document with n records
        const char* element;
    };
    const auto last = [](const std::string& art) {
        return [art](int n) {
            return InputFixture::Wrap(
                "<last>" + Repeat(n, [&](int) { return "<gruppe art='" + art + "' lf='1'/>"; }) +
                "</last>");
        };
    };
    const auto ueberlagerung = [](const std::string& inner) {
        return "<lastUeberlagerung>" + inner + "</lastUeberlagerung>";
    };
    const Case cases[] = {
        {"Bodenschichten", 10,
         [](int n) {
             return InputFixture::Wrap("<bode>" + Repeat(n, [](int) { return "<gruppe/>"; }) +
                                       "</bode>");
         },
         "'bode'"},
        {"Kopflasten", 10, last("0"), "'last'"},
        {"Flächenlasten", 50, last("1"), "'last'"},
        {"Blocklasten", 10, last("2"), "'last'"},
        {"Linienlasten", 10, last("3"), "'last'"},
        {"Lastfallnummern", 10,
         [](int n) {
             return InputFixture::Wrap(
                 "<last>" + Repeat(n, [](int i) { return Surcharge(i + 1, 1.0); }) + "</last>");
         },
         "'last'"},
        {"Einwirkungen", 100,
         [](int n) {
             return InputFixture::Wrap("<einw>" + Repeat(n, [](int) { return "<einwirkung/>"; }) +
                                       "</einw>");
         },
         "'einw'"},
        {"Lastfälle", 20,
         [&](int n) {
             return InputFixture::Wrap(ueberlagerung(
                 "<lastfaelle>" + Repeat(n, [](int) { return "<lastfall/>"; }) + "</lastfaelle>"));
         },
         "'lastfaelle'"},
        {"Kombinationsbeiwerten", 55,
         [&](int n) {
             return InputFixture::Wrap(
                 ueberlagerung("<sicherheitsbeiwerte>" +
                               Repeat(n, [](int) { return "<kombinationsbeiwerte/>"; }) +
                               "</sicherheitsbeiwerte>"));
         },
         "'sicherheitsbeiwerte'"},
        {"Einwirkungen", 100,
         [&](int n) {
             return InputFixture::Wrap(
                 ueberlagerung("<einwirkungen>" + Repeat(n, [](int) { return "<einwirkung/>"; }) +
                               "</einwirkungen>"));
         },
         "'einwirkungen'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InputFixture full(c.document(c.limit));
        EXPECT_NO_THROW(full.ReadAll());
        InputFixture over(c.document(c.limit + 1));
        try {
            over.ReadAll();
            ADD_FAILURE() << "no error";
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.code, 1);
            EXPECT_NE(e.text.find(c.element), std::string::npos) << e.text;
            EXPECT_NE(e.text.find("mehr als " + std::to_string(c.limit)), std::string::npos)
                << e.text;
            EXPECT_NE(e.text.find(c.name), std::string::npos) << e.text;
        }
    }
}

TEST(C1ZirfInputLimits, ElevenSoilLayersInAWholeDocument) {
    InputFixture f = InputFixture::FromFile("tests/host/data/elf_schichten.xml");
    try {
        f.ReadAll();
        ADD_FAILURE() << "no error";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.Message().find("xml-Eingabedatei, Element 'bode': mehr als 10 Bodenschichten"),
                  0U)
            << e.Message();
        EXPECT_NE(e.Message().find("C1ZirfInput::ReadBode"), std::string::npos);
    }
}
