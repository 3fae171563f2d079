// The wall system and embedment result chapter and the start of the result tree.

#include "ReportFixture.h"

#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace {

std::optional<double> Attr(const ReportFixture& f, const char* element, const char* name) {
    const QEDOM_HANDLE e =
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(QEDOM_GetRootElement(f.doc), "result"), element);
    if (e == 0 || QEDOM_GetString(e, name) == nullptr) {
        return std::nullopt;
    }
    return QEDOM_GetDouble(e, name);
}

std::string AttrText(const ReportFixture& f, const char* element, const char* name) {
    const QEDOM_HANDLE e =
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(QEDOM_GetRootElement(f.doc), "result"), element);
    const char* text = e != 0 ? QEDOM_GetString(e, name) : nullptr;
    return text != nullptr ? text : "";
}

// Three layers; the first below the excavation starts at 6 m.
void System(ReportFixture& f, int mitanker, int einspannung, int modus) {
    f.in.mitanker = mitanker;
    f.in.anker = mitanker;
    f.in.einspannung = einspannung;
    f.in.wand_neigung = 2.0;
    f.in.tiefe_anker = 1.5;
    f.in.ankerneigung = 20.0;
    f.in.ankerlaenge = 8.0;
    f.in.ersatz_neigung = -10.0;
    C1ZirfCalc& c = *f.calc;
    c.iSchichtUnten = 1;
    f.Schicht(1, 6.0, 9.0);
    c.einspannArt = modus;
    c.t = 9.87;
    c.deltaTZuschlag = 0.77;
    c.tGes = 10.7;
    c.AK = 123.4;
    c.iMassgebend = 0;
    c.summeAktiv = 100.0;
    c.summePassiv = -125.0;
    c.SummeQuerkraefte_aktiv = 80.0;
    c.SummeQuerkraefte_passiv = -100.0;
    c.Zielverdrehung = 3.5;
    c.zielVerdrehungNachweis = 3.5;
    c.Ausnutzung = 0.8;
    // The states of "1.35*(1)+1.5*(2)": every load (the deepest wall), the permanent loads
    // alone (the greatest anchor force).
    f.in.kombi.push_back({0, "STR,GEO-2 BS-P", "1.35*(1)+1.5*(2)"});
    c.bemessungsKombinationen = {
        {0, KombiFaktoren::Parse("1.35*(1)+1.5*(2)"), {2}, {{0, 0}, {1, 1}}}};
    c.zustaende = {{0, 0}, {0, 1}};
    c.iZustand = 0;
    c.massgebend.AK = 1;
}

TEST(WriteEinbindetiefe, SystemRowsByAnchorAndFixity) {
    struct Fall {
        int mitanker, einspannung, modus;
        std::string zeile;
    };
    const Fall faelle[] = {
        {0, 0, 0, "Die Zirfwand ist unverankert und am Fuß fest eingespannt."},
        {1, 0, 0, "Die Zirfwand ist einfach verankert und am Fuß frei aufgelagert."},
        {1, 40, 1, "Die Zirfwand ist einfach verankert und am Fuß  40 %  eingespannt."},
        {1, 100, 2, "Die Zirfwand ist einfach verankert und am Fuß voll eingespannt."},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        System(f, fall.mitanker, fall.einspannung, fall.modus);
        EXPECT_EQ(f.report.WriteEinbindetiefe(0), 1);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(lines.at(0), "System der Zirfwand");
        EXPECT_EQ(lines.at(1), fall.zeile);
    }
}

TEST(WriteEinbindetiefe, RowsAndResultOfAnAnchoredWall) {
    ReportFixture f;
    System(f, 1, 0, 0);
    f.in.nwstand = 1;
    f.in.erhstand = 20;
    f.in.nwwand = 2;
    f.in.mitverd = 1;
    f.in.berart = 1;
    f.report.WriteEinbindetiefe(0);
    const std::vector<std::string> expected = {
        "System der Zirfwand",
        "Die Zirfwand ist einfach verankert und am Fuß frei aufgelagert.",
        "Auf der aktiven Seite wird ein um  20 % erhöhter aktiver Erddruck angesetzt.",
        "Auf der passiven Seite wird Erdruhedruck angesetzt.",
        "Verdichtungserddruck wird berücksichtigt.",
        " ",
        "Neigung der Zirfwand | α | 2.0 | [Grad] | ",
        "Kote der Talsohle | OKS | -6.00 | [m] | ",
        "Tiefe der Verankerung | tV | 1.50 | [m] | ",
        "Ankerneigung | ε | 20.0 | [Grad] | ",
        "Ankerlänge | la | 8.00 | [m] | ",
        "Ankerkraft horizontal | Ad | 123.4 | [kN/m] | ",
        "rechnerische Einbindetiefe | t_cal | 9.87 | [m] | ",
        "Rammtiefenzuschlag | Δt | 0.77 | [m] | ",
        "Neigung der Ersatzkraft | δc | -10.0 | [Grad] | ",
        "vorhandene Einbindetiefe | t_ges | 10.70 | [m] | ",
        "maßgebende Lastkombination | LK | 1 |  | ",
        "Summe Auflkräfte aktiv | ΣQFa,d | 100.0 | [kN/m] | ",
        "Summe Auflkräfte passiv | ΣQFp,d | 125.0 | [kN/m] | ",
        "Ausnutzungsgrad | AG | 0.80 | [-] | ",
        "maßgebender Lastzustand (Einbindetiefe) | LK 1 | ",
        "maßgebender Lastzustand (Ankerkraft Ad) | LK 1 ständig | ",
        "AG = ΣQFa,d / ΣQFp,d",
        "AG <= 1 : Nachweis der Einbindetiefe eingehalten",
        "t_cal + Δt: Einbindetiefe des gerechneten Systems (die Wand darunter ohne Ansatz)",
        "t_erf: Einbindetiefe, die das eingegebene System erfordert; t_ges: vorhandene "
        "Einbindetiefe",
    };
    EXPECT_EQ(f.Zeilen(), expected);
    EXPECT_EQ(AttrText(f, "geometrie", "lastzustand"), "LK 1");
    EXPECT_EQ(Attr(f, "geometrie", "t_cal"), 9.87);
    EXPECT_EQ(Attr(f, "geometrie", "delta_t"), 0.77);
    EXPECT_EQ(Attr(f, "geometrie", "t_ges"), 10.7);
    EXPECT_EQ(Attr(f, "geometrie", "massgebende_LK"), 1.0);
    EXPECT_EQ(Attr(f, "nachweise", "SummeQuerkraefte_aktiv"), 100.0);
    EXPECT_EQ(Attr(f, "nachweise", "SummeQuerkraefte_passiv"), 125.0);
    EXPECT_EQ(Attr(f, "nachweise", "Ausnutzung"), 0.8);
    EXPECT_EQ(Attr(f, "nachweise", "SummeMomente_aktiv"), std::nullopt);
}

TEST(WriteEinbindetiefe, ResultElementsOfTheThreeSystemKinds) {
    struct Fall {
        int mitanker, einspannung, modus;
        std::vector<std::pair<const char*, std::optional<double>>> nachweise;
    };
    const Fall faelle[] = {
        // Without anchor: moments, the passive sum with its sign changed.
        {0,
         0,
         0,
         {{"SummeMomente_aktiv", 100.0}, {"SummeMomente_passiv", 125.0}, {"Zielverdrehung", {}}}},
        // Partly fixed: rotations and the target rotation.
        {1,
         40,
         1,
         {{"Zielverdrehung", 3.5},
          {"SummeVerdrehung_aktiv", 100.0},
          {"SummeVerdrehung_passiv", 125.0},
          {"SummeQuerkraefte_aktiv", {}}}},
        // Fully fixed: the target rotation goes to the result, not to the report.
        {1, 100, 2, {{"Zielverdrehung", 3.5}, {"SummeVerdrehung_passiv", 125.0}}},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        System(f, fall.mitanker, fall.einspannung, fall.modus);
        f.in.berart = 1;
        f.report.WriteEinbindetiefe(0);
        for (const auto& [name, wert] : fall.nachweise) {
            EXPECT_EQ(Attr(f, "nachweise", name), wert) << name << " " << fall.einspannung;
        }
        EXPECT_EQ(Attr(f, "nachweise", "Ausnutzung"), 0.8);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "Summe Zielverdrehung").empty(), fall.einspannung != 40);
    }
}

TEST(WriteEinbindetiefe, AddedDepthAndNegativeFixity) {
    {
        // No added depth: neither its row nor the inclination of the substitute force,
        // but both values go to the result.
        ReportFixture f;
        System(f, 0, 0, 0);
        f.calc->deltaTZuschlag = 0.0;
        f.calc->tGes = 9.87;
        f.report.WriteEinbindetiefe(0);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "Rammtiefenzuschlag"), "");
        EXPECT_EQ(ZeileMit(lines, "Neigung der Ersatzkraft"), "");
        EXPECT_EQ(Attr(f, "geometrie", "delta_t"), 0.0);
        EXPECT_EQ(Attr(f, "geometrie", "t_ges"), 9.87);
        // Dimensioning mode: no sums.
        EXPECT_EQ(ZeileMit(lines, "Ausnutzungsgrad"), "");
        EXPECT_EQ(QEDOM_FindFirstChild(QEDOM_FindFirstChild(QEDOM_GetRootElement(f.doc), "result"),
                                       "nachweise"),
                  0);
    }
    {
        // A negative fixity: only the chosen depth and t_cal.
        ReportFixture f;
        System(f, 1, -20, 1);
        f.report.WriteEinbindetiefe(0);
        const std::vector<std::string> lines = f.Zeilen();
        EXPECT_EQ(ZeileMit(lines, "rechnerische Einbindetiefe"), "");
        EXPECT_EQ(ZeileMit(lines, "Rammtiefenzuschlag"), "");
        EXPECT_EQ(ZeileMit(lines, "gewählte Einbindetiefe"),
                  "gewählte Einbindetiefe | t_ges | 10.70 | [m] | ");
        EXPECT_EQ(Attr(f, "geometrie", "t_cal"), 9.87);
        EXPECT_EQ(Attr(f, "geometrie", "delta_t"), std::nullopt);
        EXPECT_EQ(Attr(f, "geometrie", "t_ges"), std::nullopt);
    }
}

// A value the calculation could not form (infinite or undefined, e.g. a utilisation over
// a passive sum of 0) leaves its cell empty and its attribute out; the rest of the
// chapter and of the result is written as usual.
TEST(WriteEinbindetiefe, ValueThatIsNoNumberLeavesCellEmptyAndAttributeOut) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        int mitanker;
        std::function<void(C1ZirfCalc&)> setzen;
        const char* zeile;   // the row, its value cell empty
        const char* element; // the attribute left out
        const char* attribut;
        const char* bleibt; // an attribute of the same element that stays
    };
    const Fall faelle[] = {
        {0,
         [](C1ZirfCalc& c) {
             c.summePassiv = 0.0;
             c.Ausnutzung = kInf;
         },
         "Ausnutzungsgrad | AG |  | [-] | ", "nachweise", "Ausnutzung", "SummeMomente_passiv"},
        {0, [](C1ZirfCalc& c) { c.summeAktiv = kNaN; },
         "Summe Momente aktiv | ΣMa,d |  | [kNm/m] | ", "nachweise", "SummeMomente_aktiv",
         "Ausnutzung"},
        {1, [](C1ZirfCalc& c) { c.summePassiv = -kInf; },
         "Summe Auflkräfte passiv | ΣQFp,d |  | [kN/m] | ", "nachweise", "SummeQuerkraefte_passiv",
         "SummeQuerkraefte_aktiv"},
        {1, [](C1ZirfCalc& c) { c.t = kNaN; }, "rechnerische Einbindetiefe | t_cal |  | [m] | ",
         "geometrie", "t_cal", "delta_t"},
        {0, [](C1ZirfCalc& c) { c.tGes = kInf; }, "vorhandene Einbindetiefe | t_ges |  | [m] | ",
         "geometrie", "t_ges", "t_cal"},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        System(f, fall.mitanker, 0, 0);
        f.in.berart = 1;
        fall.setzen(*f.calc);
        EXPECT_EQ(f.report.WriteEinbindetiefe(0), 1) << fall.attribut;
        const std::string text = f.Text();
        EXPECT_NE(text.find(std::string(fall.zeile) + "\n"), std::string::npos)
            << fall.attribut << "\n"
            << text;
        EXPECT_FALSE(ZeigtNichtZahl(text)) << text;
        EXPECT_EQ(Attr(f, fall.element, fall.attribut), std::nullopt);
        EXPECT_NE(Attr(f, fall.element, fall.bleibt), std::nullopt) << fall.bleibt;
        EXPECT_EQ(Attr(f, "geometrie", "massgebende_LK"), 1.0);
    }
}

TEST(WriteEinbindetiefe, AnOldResultIsReplaced) {
    ReportFixture f("", "<result><geometrie t_cal=\"1\"/><profil name=\"alt\"/></result>");
    System(f, 0, 0, 0);
    f.report.WriteEinbindetiefe(0);
    const QEDOM_HANDLE root = QEDOM_GetRootElement(f.doc);
    const QEDOM_HANDLE result = QEDOM_FindFirstChild(root, "result");
    EXPECT_EQ(QEDOM_FindNextChild(result, "result"), 0);
    EXPECT_EQ(QEDOM_FindFirstChild(result, "profil"), 0);
    EXPECT_EQ(Attr(f, "geometrie", "t_cal"), 9.87);
    EXPECT_EQ(f.calc->hResult, result);
}

} // namespace
