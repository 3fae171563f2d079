// Actions that relieve the wall, run through zirf against values by hand: water standing
// higher in front than behind an anchored wall with a fixed or partly fixed foot
// (tests/e2e/data/anker_wasser_vorn.xml), and a negative variable surcharge on a
// cantilever (tests/e2e/data/kragwand_entlastung.xml). A relief is one action with one
// factor in every sum of a load state, and a relief that is variable is absent from the
// state where it would help.
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "Geschlossen.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using geschlossen::AufRunden;
using geschlossen::Nullstelle;
using geschlossen::Streuung;

// A value printed with one or two decimals.
constexpr double kGedruckt1 = 0.05 + 1e-9;
constexpr double kGedruckt2 = 0.005 + 1e-9;

// ---------------------------------------------------------------------------------------
// The anchored wall: one sand (gamma 18, gamma' 10, phi 30°, delta_a 20°, delta_p -15°),
// excavation 6 m, anchor 1.5 m, water 8 m behind and 5 m in front, a permanent surcharge
// of 10 kN/m², 1.35·(1), eta_p/gamma_Ep = 1/1.4.
namespace anker {

constexpr double kHe = 6.0;
constexpr double kA = 1.5;
constexpr double kGamma = 18.0;
constexpr double kGammaAuftrieb = 10.0;
constexpr double kGammaW = 10.0;
constexpr double kWasserHinten = 8.0;
constexpr double kWasserVorn = 5.0;
constexpr double kAuflast = 10.0;
constexpr double kGammaG = 1.35;
constexpr double kGammaEp = 1.4;
constexpr double kP = 1.0 / kGammaEp;
constexpr double kRundung = 0.10;
// The anchored iteration stops once its step is below 1 cm.
constexpr double kTolT = 0.01;

const double kKa = geschlossen::KaH(30.0, 20.0);
const double kKp = geschlossen::KpH(30.0, -15.0);

double VertikalHinten(double y) {
    return y <= kWasserHinten ? kGamma * y
                              : kGamma * kWasserHinten + kGammaAuftrieb * (y - kWasserHinten);
}
// The water behind less the water in front: from 5 m on it presses towards the soil.
double Wasser(double y) {
    return kGammaW * (std::fmax(0.0, y - kWasserHinten) - std::fmax(0.0, y - kWasserVorn));
}
// The soil in front lies under water: gamma'.
double Passiv(double y) {
    return y > kHe ? kKp * kGammaAuftrieb * (y - kHe) : 0.0;
}
// The design pressure on the wall at depth y (towards the excavation positive): the soil
// and the surcharge with gamma_G, the relieving water with the one factor it takes, the
// passive side with eta_p/gamma_Ep.
double Druck(double y, double faktorWasser) {
    return kGammaG * kKa * (VertikalHinten(y) + kAuflast) + faktorWasser * Wasser(y) -
           kP * Passiv(y);
}

// Integral of f over [a, b], by 5-point Gauss rules over the pieces between the kinks of
// the pressure figures: exact for the polynomials of degree 9 and below that each piece
// holds.
double Integral(const std::function<double(double)>& f, double a, double b) {
    static constexpr std::array<double, 5> x = {-0.9061798459386640, -0.5384693101056831, 0.0,
                                                0.5384693101056831, 0.9061798459386640};
    static constexpr std::array<double, 5> w = {0.2369268850561891, 0.4786286704993665,
                                                0.5688888888888889, 0.4786286704993665,
                                                0.2369268850561891};
    std::vector<double> stellen = {a};
    for (const double k : {kA, kWasserVorn, kHe, kWasserHinten}) {
        if (k > a && k < b) {
            stellen.push_back(k);
        }
    }
    stellen.push_back(b);
    double summe = 0.0;
    for (std::size_t s = 0; s + 1 < stellen.size(); ++s) {
        const double m = (stellen[s] + stellen[s + 1]) / 2.0;
        const double h = (stellen[s + 1] - stellen[s]) / 2.0;
        for (std::size_t i = 0; i < x.size(); ++i) {
            summe += w[i] * f(m + h * x[i]) * h;
        }
    }
    return summe;
}

// The wall as a beam simply supported at the anchor and at the foot t, the head above the
// anchor free, under the design pressure: the anchor force from the moments about the
// foot, the moment line (positive where the wall bends towards the excavation), and EI
// times the foot's rotation by the work of the moment line on a unit moment at the foot.
struct Balken {
    double t;
    double fw; // the factor of the relieving water

    double Ankerkraft() const {
        return Integral([&](double s) { return Druck(s, fw) * (t - s); }, 0.0, t) / (t - kA);
    }
    double Fusskraft() const {
        return Integral([&](double s) { return Druck(s, fw); }, 0.0, t) - Ankerkraft();
    }
    double Moment(double y) const {
        const double oben = Integral([&](double s) { return Druck(s, fw) * (y - s); }, 0.0, y);
        return oben - (y > kA ? Ankerkraft() * (y - kA) : 0.0);
    }
    double Drehung() const {
        return Integral([&](double y) { return Moment(y) * (y - kA) / (t - kA); }, kA, t);
    }
    // Design moments about the anchor: 0 at a free foot.
    double MomentAnker() const {
        return Integral([&](double s) { return Druck(s, fw) * (s - kA); }, 0.0, t);
    }
    // The greatest moment of the field and the fixing moment of the opposite sign below
    // it, with the report's sign: the field's positive.
    struct Momente {
        double feld;
        double einspannung;
    };
    Momente Extreme() const {
        double groesstes = 0.0, kleinstes = 0.0;
        constexpr int kSchritte = 2000;
        for (int i = 0; i <= kSchritte; ++i) {
            const double m = Moment(kA + (t - kA) * i / kSchritte);
            groesstes = std::fmax(groesstes, m);
            kleinstes = std::fmin(kleinstes, m);
        }
        return {-kleinstes, -groesstes};
    }
};

// The free foot, where the moments about the anchor balance.
double FreierFuss(double fw) {
    return Nullstelle([&](double t) { return Balken{t, fw}.MomentAnker(); }, kHe + 0.1, 30.0);
}
// The foot that turns by the share 1 - e of the free foot's rotation there, on the
// falling branch below the free foot.
double Fuss(double e, double fw) {
    const double frei = FreierFuss(fw);
    const double ziel = (1.0 - e) * Balken{frei, fw}.Drehung();
    return Nullstelle([&](double t) { return Balken{t, fw}.Drehung() - ziel; }, frei + 0.01, 30.0);
}
// The added depth of a fixed foot: the foot force over twice the characteristic passive
// ordinate at t, with gamma_Ep, at least 20 % of the embedment.
double Zuschlag(double t, double fw) {
    const double c = -Balken{t, fw}.Fusskraft();
    return std::fmax(kGammaEp * c / (2.0 * Passiv(t)), 0.2 * (t - kHe));
}

const std::string kDokument = SourceText("tests/e2e/data/anker_wasser_vorn.xml");

// The row of the table of internal forces that holds the fixing moment.
std::vector<std::string> Einspannzeile(const std::string& bericht) {
    std::vector<std::string> zeile;
    std::istringstream zeilen(rtfcheck::BodyText(bericht));
    for (std::string z; std::getline(zeilen, z);) {
        const std::vector<std::string> zellen = Zellen(z);
        if (zellen.size() >= 4 && zellen[0] == "Einspannmoment" && ZahlInZelle(zellen, 1)) {
            zeile = zellen;
        }
    }
    return zeile;
}

} // namespace anker

TEST(Entlastung, HandValuesOfTheWallWithTheWaterInFrontHigher) {
    using namespace anker;
    // The independent computation, with the relieving water at eta_p/gamma_Ep throughout:
    // the fixed foot at 10.793 m, total 11.8 m, anchor 90.0 kN/m, field moment 129.0 and
    // fixing moment -85.71 kNm/m. With gamma_G on the water's rotation alone, as the
    // depth iteration once took it, the wall would come out shorter.
    const Balken voll{Fuss(1.0, kP), kP};
    EXPECT_NEAR(voll.t, 10.793, 0.001);
    EXPECT_NEAR(AufRunden(voll.t + Zuschlag(voll.t, kP), kRundung), 11.8, 1e-9);
    EXPECT_NEAR(voll.Ankerkraft(), 90.0, 0.05);
    EXPECT_NEAR(voll.Extreme().feld, 129.0, 0.05);
    EXPECT_NEAR(voll.Extreme().einspannung, -85.71, 0.01);
    EXPECT_NEAR(voll.Drehung(), 0.0, 1e-6);
    EXPECT_LT(Fuss(1.0, kGammaG), voll.t - 0.5);
}

// The fixed and the half-fixed foot: depth, total depth, anchor force, field and fixing
// moment as by hand; the relieving water takes eta_p/gamma_Ep in every sum.
TEST(Entlastung, FixedAndPartlyFixedFootWithTheWaterInFrontHigher) {
    using namespace anker;
    for (const int prozent : {100, 50}) {
        SCOPED_TRACE(prozent);
        const double e = prozent / 100.0;
        const double t = Fuss(e, kP);
        const auto balken = [&](double x) { return Balken{x, kP}; };
        const auto ad = [&](double x) { return balken(x).Ankerkraft(); };
        const auto feld = [&](double x) { return balken(x).Extreme().feld; };
        const auto fuss = [&](double x) { return balken(x).Extreme().einspannung; };
        const double tGes = AufRunden(t + Zuschlag(t, kP), kRundung);
        ASSERT_GT(geschlossen::AbstandZumRaster(t + Zuschlag(t, kP), kRundung), 2.0 * kTolT);

        const ZirfLauf lauf =
            RunZirf(MitAttribut(kDokument, "geom", "einspannung", std::to_string(prozent)));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), tGes, 1e-9);
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2)
                        .value_or(-1.0),
                    ad(t), kGedruckt1 + Streuung(ad, t, kTolT));
        // The greatest moment is interpolated between the beam's 21 points, where it is flat.
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "max"), 2).value_or(0.0), feld(t),
                    0.05 + Streuung(feld, t, kTolT));
        EXPECT_NEAR(ZahlInZelle(Einspannzeile(lauf.bericht), 2).value_or(0.0), fuss(t),
                    kGedruckt2 + Streuung(fuss, t, kTolT));
    }
}

// The anchored wall with a variable surcharge of -5 kN/m² (load case 2) besides, in
// 1.35·(1) + 1.5·(2): a relief that is variable is absent from the state that designs the
// wall and present where it is unfavourable, so no design value is lower than without it.
std::string MitEntlastung(std::string d) {
    const auto ersetze = [&d](const std::string& alt, const std::string& neu) {
        const std::size_t p = d.find(alt);
        ASSERT_NE(p, std::string::npos) << alt;
        d.replace(p, alt.size(), neu);
    };
    ersetze("v=\"10\"/>",
            "v=\"10\"/>\n      <gruppe art=\"1\" lf=\"2\" bez=\"Entlastung\" v=\"-5\"/>");
    ersetze(
        "</einw>",
        "  <einwirkung nr=\"2\" art=\"1\" psi0=\"0.75\" psi1=\"0.75\" psi2=\"0.2\"/>\n    </einw>");
    ersetze("</sicherheitsbeiwerte>",
            "  <kombinationsbeiwerte name=\"Verkehrslasten\" psi0=\"0.75\" psi1=\"0.75\" "
            "psi2=\"0.2\"/>\n      </sicherheitsbeiwerte>");
    ersetze("</lastfaelle>", "  <lastfall lf=\"2\" einw=\"2\"/>\n      </lastfaelle>");
    ersetze("</einwirkungen>",
            "  <einwirkung indexGruppe=\"1\" indexKategorie=\"1\" lastfaelle=\"2\"/>\n      "
            "</einwirkungen>");
    ersetze("regel=\"1.35*(1)\"", "regel=\"1.35*(1)+1.5*(2)\"");
    return d;
}

TEST(Entlastung, VariableReliefOfTheAnchoredWallLowersNoDesignValue) {
    using namespace anker;
    const struct {
        const char* name;
        int prozent;
        bool geprueft; // a given depth of 10.5 m, shorter than the fixed foot needs
    } faelle[] = {
        {"eingespannt", 100, false},
        {"halb eingespannt", 50, false},
        {"frei", 0, false},
        {"eingespannt, gegebene Tiefe", 100, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string ohne = MitAttribut(kDokument, "geom", "einspannung", std::to_string(f.prozent));
        if (f.geprueft) {
            ohne = MitAttribut(MitAttribut(ohne, "steu", "berart", "1"), "geom", "einbindetiefe",
                               "10.5");
        }
        const ZirfLauf a = RunZirf(ohne);
        const ZirfLauf b = RunZirf(MitEntlastung(ohne));
        ASSERT_EQ(a.status, 0) << a.meldungen;
        ASSERT_EQ(b.status, 0) << b.meldungen;
        const ErgebnisXml xa(a.ergebnis);
        const ErgebnisXml xb(b.ergebnis);
        // The depth is the permanent state's, and named so.
        for (const char* name : {"t_cal", "t_ges"}) {
            EXPECT_EQ(xa.Wert({"geometrie"}, name), xb.Wert({"geometrie"}, name)) << name;
        }
        EXPECT_EQ(xb.Text({"geometrie"}, "lastzustand").value_or(""), "LK 1 ständig");
        // No design value is lower with the relief than without it (1e-9 relative: the
        // same value summed in another order).
        const auto nichtKleiner = [](std::optional<double> mit, std::optional<double> ohneWert,
                                     const char* was) {
            ASSERT_TRUE(mit && ohneWert) << was;
            EXPECT_GE(std::fabs(*mit), std::fabs(*ohneWert) * (1.0 - 1e-9)) << was;
        };
        nichtKleiner(xb.Wert({"profil"}, "sigma_d"), xa.Wert({"profil"}, "sigma_d"), "sigma_d");
        nichtKleiner(xb.Wert({"tgf", "ankerkraft"}, "agd"), xa.Wert({"tgf", "ankerkraft"}, "agd"),
                     "agd");
        // The vertical check's least downward sum is that of the state with the relief,
        // whose earth pressure pulls the wall down less: its utilisation only grows.
        nichtKleiner(xb.Wert({"trag", "vertikal"}, "ausnutzung"),
                     xa.Wert({"trag", "vertikal"}, "ausnutzung"), "vertikal");
        EXPECT_EQ(xb.Text({"trag", "vertikal"}, "lastzustand").value_or(""), "LK 1");
        for (const char* stelle : {"Sohle", "max"}) {
            nichtKleiner(ZahlInZelle(BerichtsZeile(b.bericht, stelle), 2),
                         ZahlInZelle(BerichtsZeile(a.bericht, stelle), 2), stelle);
        }
        nichtKleiner(ZahlInZelle(BerichtsZeile(b.bericht, "Ankerkraft horizontal", "Ad"), 2),
                     ZahlInZelle(BerichtsZeile(a.bericht, "Ankerkraft horizontal", "Ad"), 2), "Ad");
        if (f.prozent > 0) {
            // At a given depth the fixing moment of the state with the relief, whose
            // lighter retained side leaves more to the foot, is the greater.
            nichtKleiner(ZahlInZelle(Einspannzeile(b.bericht), 2),
                         ZahlInZelle(Einspannzeile(a.bericht), 2), "Einspannmoment");
        }
    }
}

// ---------------------------------------------------------------------------------------
// The cantilever: one sand (gamma 18, phi 30°, no wall friction: Ka = 1/3, Kp = 3),
// excavation 3 m, a permanent surcharge of 10 kN/m² and a variable one of -5 kN/m²,
// 1.35·(1) + 1.5·(2).
namespace krag {

constexpr double kGamma = 18.0;
constexpr double kHe = 3.0;
constexpr double kGammaG = 1.35;
constexpr double kGammaQ = 1.5;
constexpr double kP = 1.0 / 1.4;
constexpr double kRundung = 0.05;
constexpr double kTolT = 0.002;

geschlossen::SandWand Wand(double q2) {
    geschlossen::SandWand w{kGamma, 30.0, kHe, kGammaG, kP};
    w.lastenD = {w.AuflastD(kGammaG, 10.0), w.AuflastD(kGammaQ, q2)};
    return w;
}
double Tiefe(const geschlossen::SandWand& w) {
    return Nullstelle([&](double t) { return w.MomentD(t, t); }, kHe + 0.01, 30.0);
}

} // namespace krag

// A negative variable surcharge relieves: the depth and the moments are those of the
// permanent state, which is the depth's state, and the state with the relief is no
// deeper.
TEST(Entlastung, NegativeVariableSurchargeIsAbsentWhereItWouldHelp) {
    using namespace krag;
    const geschlossen::SandWand staendig = Wand(0.0);
    const double t = Tiefe(staendig);
    // By hand: 1.35·(18/3·t³/6 + 10/3·t²/2) = 18·3·(t - 3)³/(6·1.4) at t = 8.1606 m; with
    // the relief 7.747 m, with +5 kN/m² (the surcharge's magnitude) 8.5528 m.
    EXPECT_NEAR(t, 8.1606, 0.0001);
    EXPECT_NEAR(Tiefe(Wand(-5.0)), 7.7472, 0.0001);
    EXPECT_NEAR(Tiefe(Wand(5.0)), 8.5527, 0.0001);
    const double total = t + 0.2 * (t - kHe);
    ASSERT_GT(geschlossen::AbstandZumRaster(total, kRundung), 1.2 * kTolT);

    const ZirfLauf lauf = RunZirf(SourceText("tests/e2e/data/kragwand_entlastung.xml"));
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), AufRunden(total, kRundung), 1e-9);
    EXPECT_NEAR(AufRunden(total, kRundung), 9.2, 1e-9);

    // The moments of the permanent state: at the excavation level and the greatest, where
    // the design shear vanishes.
    const double z =
        Nullstelle([&](double y) { return staendig.EaD(y) - staendig.EpD(y); }, kHe, t);
    const struct {
        const char* stelle;
        double y, yTol, m, mTol;
    } zeilen[] = {
        {"Sohle", kHe, 0.0005, staendig.BiegemomentD(kHe), kGedruckt2},
        {"max", z, 0.01, staendig.BiegemomentD(z), 0.05},
    };
    for (const auto& r : zeilen) {
        SCOPED_TRACE(r.stelle);
        const auto zellen = BerichtsZeile(lauf.bericht, r.stelle);
        ASSERT_GE(zellen.size(), 5u);
        EXPECT_NEAR(ZahlInZelle(zellen, 1).value_or(-1.0), r.y, r.yTol);
        EXPECT_NEAR(std::fabs(ZahlInZelle(zellen, 2).value_or(0.0)), r.m, r.mTol);
        EXPECT_NE(zellen.back().find("LK 1 ständig"), std::string::npos) << zellen.back();
    }
    EXPECT_NEAR(staendig.BiegemomentD(z), 199.03, 0.01);
    // The depth's state is the permanent one, named as the moments' state is.
    EXPECT_EQ(xml.Text({"geometrie"}, "lastzustand").value_or(""), "LK 1 ständig");

    // A favourable load never lowers a design value: without the relief every one is the
    // same.
    std::string ohne = SourceText("tests/e2e/data/kragwand_entlastung.xml");
    ohne.replace(ohne.find("v=\"-5\""), 6, "v=\"0\"");
    const ZirfLauf ohneLauf = RunZirf(ohne);
    ASSERT_EQ(ohneLauf.status, 0) << ohneLauf.meldungen;
    const ErgebnisXml ohneXml(ohneLauf.ergebnis);
    const auto gleich = [&](ErgebnisXml::Pfad pfad, const char* name) {
        const double mit = xml.Wert(pfad, name).value_or(-1.0);
        EXPECT_NEAR(mit, ohneXml.Wert(pfad, name).value_or(-2.0), 1e-9 * std::fabs(mit)) << name;
    };
    gleich({"geometrie"}, "t_cal");
    gleich({"geometrie"}, "t_ges");
    gleich({"profil"}, "sigma_d");
    gleich({"trag", "vertikal"}, "summe");
    for (const char* stelle : {"Sohle", "max"}) {
        EXPECT_EQ(ZahlInZelle(BerichtsZeile(lauf.bericht, stelle), 2),
                  ZahlInZelle(BerichtsZeile(ohneLauf.bericht, stelle), 2))
            << stelle;
    }
}

} // namespace
