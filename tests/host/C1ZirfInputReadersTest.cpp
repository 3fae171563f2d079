// Readers of the head and the general, geometry, soil and material sections, on small
// documents made for each behaviour.

#include "InputFixture.h"

#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

std::string ExceptionText(const std::function<void()>& action) {
    try {
        action();
    } catch (const C1Exception& e) {
        return e.text;
    }
    return "(no error)";
}

} // namespace

TEST(C1ZirfInputReadInfo, DesignCodeKindFromNormAndCountry) {
    struct Case {
        int norm;
        int laendercode;
        int normKind;
    };
    // 7 and 8 have kinds of their own, 31 adds the country code; others give norm + 2.
    const Case cases[] = {{7, 0, 1}, {8, 0, 2}, {31, 0, 3}, {31, 1, 4}, {5, 0, 7}, {8, 4, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.norm * 100 + c.laendercode);
        InputFixture f("<zirf><info norm='" + std::to_string(c.norm) + "' laendercode='" +
                       std::to_string(c.laendercode) + "'/><input/></zirf>");
        EXPECT_EQ(f.in.ReadInfo(), 1);
        EXPECT_EQ(f.in.normKind, c.normKind);
    }
    InputFixture noInfo("<zirf><input freeText='Pos. 4' nPage='7'/></zirf>");
    EXPECT_EQ(noInfo.in.ReadInfo(), 1);
    EXPECT_EQ(noInfo.in.normKind, 0);
    EXPECT_EQ(noInfo.in.freeText, "Pos. 4");
    EXPECT_EQ(noInfo.in.nPage, 7);
}

TEST(C1ZirfInputReadInfo, MissingDocumentRootOrInputEndTheRun) {
    C1QEL noDocument;
    C1ZirfInput input(&noDocument);
    EXPECT_EQ(ExceptionText([&] { input.ReadInfo(); }), "xml-Eingabedatei nicht vorhanden");

    InputFixture rootless("<zirf><input/></zirf>");
    QEDOM_DeleteElement(QEDOM_GetRootElement(rootless.doc));
    EXPECT_EQ(ExceptionText([&] { rootless.in.ReadInfo(); }),
              "In xml-Eingabedatei root-Knoten nicht vorhanden");

    InputFixture withoutInput = InputFixture::FromFile("tests/host/data/ohne_input.xml");
    EXPECT_EQ(ExceptionText([&] { withoutInput.in.ReadInfo(); }),
              "In xml-Eingabedatei input-Knoten nicht vorhanden");
}

TEST(C1ZirfInputReadInfo, MalformedDocumentIsRefusedWithItsPlace) {
    std::string error;
    const std::string file = std::string(ZIRF_SOURCE_DIR) + "/tests/host/data/kaputt.xml";
    EXPECT_EQ(QEDOM_LoadDocument(file, error), 0);
    EXPECT_NE(error.find("kaputt.xml"), std::string::npos) << error;
    // <geom> opened in line 5 is closed by </input> in line 6.
    EXPECT_NE(error.find("Zeile 6"), std::string::npos) << error;
}

TEST(C1ZirfInputReadAllg, AllgReplacesTheTextOfInputAndTextsAreBounded) {
    InputFixture f(
        "<zirf><input freeText='aus input' nPage='3'><allg allgtext='aus allg' nrseite='9'/>"
        "</input></zirf>");
    f.in.ReadInfo();
    EXPECT_EQ(f.in.freeText, "aus input");
    EXPECT_EQ(f.in.ReadAllg(), 1);
    EXPECT_EQ(f.in.freeText, "aus allg");
    EXPECT_EQ(f.in.nPage, 9);

    // The field holds 75 characters, whatever its umlauts take in bytes: 74 letters and an
    // umlaut fit; of 75 letters and an umlaut the umlaut goes whole.
    const std::string text74(74, 'a');
    const std::pair<std::string, std::string> faelle[] = {
        {text74 + "\xC3\xA4", text74 + "\xC3\xA4"}, {text74 + "a\xC3\xA4", text74 + "a"}};
    for (const auto& [text, gelesen] : faelle) {
        InputFixture longText("<zirf><input><allg allgtext='" + text + "'/></input></zirf>");
        longText.in.ReadInfo();
        longText.in.ReadAllg();
        EXPECT_EQ(longText.in.freeText, gelesen);
    }
}

TEST(C1ZirfInputReadSections, ADuplicatedOrMissingSectionIsNotRead) {
    InputFixture f(InputFixture::Wrap("<geom wand_hw='3' rundung='5'/><geom wand_hw='4'/>"));
    f.in.ReadInfo();
    EXPECT_EQ(f.in.ReadGeom(), 0);
    EXPECT_EQ(f.in.wand_hw, 0.0);
    EXPECT_DOUBLE_EQ(f.in.rundung, 0.01);
    for (auto reader : {&C1ZirfInput::ReadAllg, &C1ZirfInput::ReadSteu, &C1ZirfInput::ReadMate,
                        &C1ZirfInput::ReadBode, &C1ZirfInput::ReadBome, &C1ZirfInput::ReadLast,
                        &C1ZirfInput::ReadEinw, &C1ZirfInput::ReadTeil, &C1ZirfInput::ReadAusg,
                        &C1ZirfInput::ReadLastUeberlagerung}) {
        EXPECT_EQ((f.in.*reader)(), 0);
    }
    EXPECT_EQ(f.in.lastfall, 1);
    EXPECT_EQ(f.in.nSchicht, 0);
    EXPECT_TRUE(f.in.kombi.empty());
}

TEST(C1ZirfInputReadGeom, RoundingStepInCentimetres) {
    struct Case {
        const char* attribute;
        double rundung;
    };
    // 0 or less (or nothing) means 1 cm; the step is held in m.
    const Case cases[] = {{"rundung='0'", 0.01},
                          {"rundung='-3'", 0.01},
                          {"rundung='5'", 0.05},
                          {"rundung='2.5'", 0.025},
                          {"", 0.01}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attribute);
        InputFixture f(InputFixture::Wrap(std::string("<geom ") + c.attribute + "/>"));
        f.in.ReadInfo();
        EXPECT_EQ(f.in.ReadGeom(), 1);
        EXPECT_DOUBLE_EQ(f.in.rundung, c.rundung);
    }
}

TEST(C1ZirfInputReadGeom, FootSupportDecidesTheFixity) {
    struct Case {
        const char* steu;
        int einspannung;
    };
    // system 1 frees the foot, 3 fixes it, anything else keeps the value of geom.
    const Case cases[] = {{"<steu system='1'/>", 0},
                          {"<steu system='3'/>", 100},
                          {"<steu system='2'/>", 50},
                          {"", 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steu);
        InputFixture f(InputFixture::Wrap(std::string(c.steu) + "<geom einspannung='50'/>"));
        f.ReadAll();
        EXPECT_EQ(f.in.einspannung, c.einspannung);
    }
}

TEST(C1ZirfInputReadSteu, DesignSituationAndPercentages) {
    struct Case {
        const char* lastfall;
        int designSituation;
    };
    for (const Case& c : {Case{"0", 1}, Case{"1", 2}, Case{"2", 3}}) {
        InputFixture f(InputFixture::Wrap(std::string("<steu lastfall='") + c.lastfall + "'/>"));
        f.in.ReadInfo();
        f.in.ReadSteu();
        EXPECT_EQ(f.in.lastfall, c.designSituation) << c.lastfall;
    }
    // The attribute indexes the partial-factor table: outside 0 to 2 is an error naming it.
    for (const char* bad : {"3", "-1", "7"}) {
        InputFixture f(InputFixture::Wrap(std::string("<steu lastfall='") + bad + "'/>"));
        f.in.ReadInfo();
        const std::string text = ExceptionText([&] { f.in.ReadSteu(); });
        EXPECT_NE(text.find("'lastfall'"), std::string::npos) << text;
        EXPECT_NE(text.find("'steu'"), std::string::npos) << text;
    }

    // Percentages truncate toward zero.
    InputFixture f(InputFixture::Wrap("<steu erhstand='37.9' erhwand='-2.5'/>"));
    f.in.ReadInfo();
    f.in.ReadSteu();
    EXPECT_EQ(f.in.erhstand, 37);
    EXPECT_EQ(f.in.erhwand, -2);
    InputFixture huge(InputFixture::Wrap("<steu erhstand='1e12'/>"));
    huge.in.ReadInfo();
    EXPECT_NE(ExceptionText([&] { huge.in.ReadSteu(); }).find("'erhstand'"), std::string::npos);
}

TEST(C1ZirfInputReadSteu, NwwandTwoForcesKumlag) {
    struct Case {
        const char* steu;
        int kumlag;
    };
    const Case cases[] = {{"nwwand='2' kumlag='0'", 1},
                          {"nwwand='1' kumlag='0'", 0},
                          {"nwstand='2' kumlag='0'", 0},
                          {"nwwand='0' kumlag='1'", 1}};
    for (const Case& c : cases) {
        InputFixture f(InputFixture::Wrap(std::string("<steu ") + c.steu + "/>"));
        f.in.ReadInfo();
        f.in.ReadSteu();
        EXPECT_EQ(f.in.kumlag, c.kumlag) << c.steu;
    }
}

TEST(C1ZirfInputReadBome, BomeReplacesValuesOfSteuAndGeom) {
    const std::string steuGeom =
        "<steu mitverd='1' geraet='1' bp='0.5' eg='10' zk='20'/><geom tgh='2' tgv='3'/>";
    InputFixture without(InputFixture::Wrap(steuGeom));
    without.ReadAll();
    EXPECT_EQ(without.in.mitverd, 1);
    EXPECT_EQ(without.in.geraet, 1);
    EXPECT_DOUBLE_EQ(without.in.bp, 0.5);
    EXPECT_DOUBLE_EQ(without.in.eg, 10.0);
    EXPECT_DOUBLE_EQ(without.in.zk, 20.0);
    EXPECT_DOUBLE_EQ(without.in.tgh, 2.0);
    EXPECT_DOUBLE_EQ(without.in.tgv, 3.0);

    InputFixture with(InputFixture::Wrap(
        steuGeom + "<bome mitverd='0' geraet='2' bp='0.6' eg='12' zk='25' tgh='2.5' tgv='4' "
                   "einbindetiefe='9' miterdwiderstand='1' sigma00='100' sigma05='150' "
                   "sigma10='200' sigma13='230'/>"));
    with.ReadAll();
    EXPECT_EQ(with.in.mitverd, 0);
    EXPECT_EQ(with.in.geraet, 2);
    EXPECT_DOUBLE_EQ(with.in.bp, 0.6);
    EXPECT_DOUBLE_EQ(with.in.eg, 12.0);
    EXPECT_DOUBLE_EQ(with.in.zk, 25.0);
    EXPECT_DOUBLE_EQ(with.in.tgh, 2.5);
    EXPECT_DOUBLE_EQ(with.in.tgv, 4.0);
    EXPECT_EQ(with.in.miterdwiderstand, 1);
    // bome's depth has a member of its own and leaves that of geom alone.
    EXPECT_DOUBLE_EQ(with.in.bome_einbindetiefe, 9.0);
    EXPECT_DOUBLE_EQ(with.in.einbindetiefe, 0.0);
    EXPECT_DOUBLE_EQ(with.in.sigma0[0], 100.0);
    EXPECT_DOUBLE_EQ(with.in.sigma0[5], 150.0);
    EXPECT_DOUBLE_EQ(with.in.sigma1[0], 200.0);
    EXPECT_DOUBLE_EQ(with.in.sigma1[3], 230.0);
}

TEST(C1ZirfInputReadBode, WallFrictionCodes) {
    // phi 30: the codes give -phi, -2/3, -1/2, -1/3 phi, 0, 1/3, 1/2, 2/3 phi, phi.
    const double expected[] = {-30.0, -20.0, -15.0, -10.0, 0.0, 10.0, 15.0, 20.0, 30.0};
    for (int code = 0; code <= 8; ++code) {
        SCOPED_TRACE(code);
        const std::string c = std::to_string(code);
        InputFixture f(InputFixture::Wrap("<bode in_grad='0'><gruppe phi='30' delta_phi='" + c +
                                          "' deltp_phi='" + std::to_string(8 - code) +
                                          "' delta='99' deltp='99'/></bode>"));
        f.in.ReadInfo();
        EXPECT_EQ(f.in.ReadBode(), 1);
        EXPECT_NEAR(f.in.schicht[0].delta, expected[code], 1e-12);
        EXPECT_NEAR(f.in.schicht[0].deltp, expected[8 - code], 1e-12);
    }
    // Given in degrees, the angles are taken as written and the codes ignored.
    InputFixture degrees(InputFixture::Wrap(
        "<bode in_grad='1'><gruppe phi='30' delta='17.5' deltp='-12' delta_phi='8'/></bode>"));
    degrees.in.ReadInfo();
    degrees.in.ReadBode();
    EXPECT_DOUBLE_EQ(degrees.in.schicht[0].delta, 17.5);
    EXPECT_DOUBLE_EQ(degrees.in.schicht[0].deltp, -12.0);
}

// A code outside the table has no angle: the reader refuses it, naming the layer and the
// attribute, on either side of the wall.
TEST(C1ZirfInputReadBode, WallFrictionCodeOutsideTheTableIsRefused) {
    const struct {
        const char* delta;
        const char* deltp;
        const char* attribut;
        const char* code;
    } faelle[] = {{"9", "4", "delta_phi", "= 9"},
                  {"4", "-1", "deltp_phi", "= -1"},
                  {"12", "12", "delta_phi", "= 12"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.attribut + std::string(" ") + f.code);
        InputFixture in(
            InputFixture::Wrap("<bode in_grad='0'><gruppe nr='1' bez='Kies' phi='35' delta_phi='4' "
                               "deltp_phi='4'/><gruppe nr='4' bez='Sand' phi='30' delta_phi='" +
                               std::string(f.delta) + "' deltp_phi='" + f.deltp + "'/></bode>"));
        in.in.ReadInfo();
        try {
            in.in.ReadBode();
            ADD_FAILURE() << "accepted";
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.code, 1);
            EXPECT_NE(e.text.find("nr 4 (\"Sand\")"), std::string::npos) << e.text;
            EXPECT_NE(e.text.find(std::string("'") + f.attribut + "' " + f.code), std::string::npos)
                << e.text;
        }
    }
    // In degrees the codes are not read at all.
    InputFixture grad(InputFixture::Wrap(
        "<bode in_grad='1'><gruppe phi='30' delta='10' deltp='0' delta_phi='12'/></bode>"));
    grad.in.ReadInfo();
    EXPECT_EQ(grad.in.ReadBode(), 1);
}

TEST(C1ZirfInputReadBode, LayerTextsAreCutToTheirFields) {
    // bez keeps 24 characters, kurz 10, counted as characters: the umlaut is the 24th
    // character of bez (its bytes 24 and 25) and stays whole, the rest goes.
    InputFixture f(InputFixture::Wrap("<bode><gruppe bez='Schluff, tonig, feinsan\xC3\xBC"
                                      "dig' kurz='Mergel-T\xC3\xB6n-K'/></bode>"));
    f.in.ReadInfo();
    f.in.ReadBode();
    EXPECT_EQ(f.in.schicht[0].bez, "Schluff, tonig, feinsan\xC3\xBC");
    EXPECT_EQ(f.in.schicht[0].kurz, "Mergel-T\xC3\xB6n");
}

TEST(C1ZirfInputReadBode, EarthResistanceIsOffUntilBomeSaysSo) {
    InputFixture f(InputFixture::Wrap("<bode><gruppe/><gruppe/></bode>"));
    f.in.ReadInfo();
    f.in.miterdwiderstand = 1;
    EXPECT_EQ(f.in.ReadBode(), 2);
    EXPECT_EQ(f.in.miterdwiderstand, 0);
    InputFixture empty(InputFixture::Wrap("<bode/>"));
    empty.in.ReadInfo();
    empty.in.nSchicht = 5;
    EXPECT_EQ(empty.in.ReadBode(), 0);
    EXPECT_EQ(empty.in.nSchicht, 0);
}

TEST(C1ZirfInputReadMate, PropertiesByExactShortName) {
    InputFixture f(InputFixture::Wrap(
        "<mate><profil><objekt Name='Profil'>"
        "<Eigenschaft Kurzname='WELY' Wert01='1'/><Eigenschaft Kurzname='iy' Wert01='2'/>"
        "<Eigenschaft Kurzname='A' Wert01='150'/><Eigenschaft Kurzname='Wy' Wert01='3'/>"
        "</objekt></profil>"
        "<baustahl><objekt Name='S 355'><Eigenschaft Kurzname='fyk' Wert01='355'/>"
        "<Eigenschaft Kurzname='gamma_m' Wert01='1.1'/></objekt></baustahl></mate>"));
    f.in.ReadInfo();
    EXPECT_EQ(f.in.ReadMate(), 1);
    EXPECT_EQ(f.in.profilName, "Profil");
    EXPECT_EQ(f.in.wely, 0.0);
    EXPECT_EQ(f.in.Iy, 0.0);
    EXPECT_DOUBLE_EQ(f.in.A, 150.0);
    // The structural steel's strength does not land in the anchor's.
    EXPECT_DOUBLE_EQ(f.in.stahl_fyk, 355.0);
    EXPECT_DOUBLE_EQ(f.in.stahl_gamma_m, 1.1);
    EXPECT_EQ(f.in.fyk, 0.0);
    EXPECT_EQ(f.in.gamma_m, 0.0);
    // No anker element: its values read as empty.
    EXPECT_EQ(f.in.ankerName, "");
    EXPECT_EQ(f.in.typ, 0);
}

TEST(C1ZirfInputReadAusg, PictureSwitchesAndTheirCompanions) {
    InputFixture f(InputFixture::Wrap("<ausg grafik_system='1' grafik_druck_beanspr='0' "
                                      "grafik_schnittgroessen='1' txt_wasserdruck='1'/>"));
    f.in.ReadInfo();
    f.in.grafikDatei.fill(7);
    EXPECT_EQ(f.in.ReadAusg(), 1);
    EXPECT_EQ(f.in.grafik[C1ZirfInput::kGrafikSystem], 1);
    EXPECT_EQ(f.in.grafik[C1ZirfInput::kGrafikDruckBeanspr], 0);
    EXPECT_EQ(f.in.grafik[C1ZirfInput::kGrafikSchnittgroessen], 1);
    EXPECT_EQ(f.in.txt_wasserdruck, 1);
    // Companions 0 to 2 are cleared, the rest left alone.
    EXPECT_EQ(f.in.grafikDatei[0], 0);
    EXPECT_EQ(f.in.grafikDatei[2], 0);
    EXPECT_EQ(f.in.grafikDatei[3], 7);
}

TEST(C1ZirfInputReadNumbers, TextInANumberAttributeNamesItsPlace) {
    InputFixture f(InputFixture::Wrap("<geom wand_hw='3,5'/>"));
    f.in.ReadInfo();
    const std::string text = ExceptionText([&] { f.in.ReadGeom(); });
    EXPECT_NE(text.find("'wand_hw'"), std::string::npos) << text;
    EXPECT_NE(text.find("'geom'"), std::string::npos) << text;
}
