#include "host/Eingabegrenzen.h"

#include <array>
#include <cctype>

namespace zirf_input {

namespace {

// Depths below the wall head (excavation, anchor, water, loads, layers): the longest
// sheet piles are some 30 m; a hundred metres leaves room for any wall and refuses
// kilometres.
constexpr double kTiefe = 100.0;
// The wall's foot, which the check of a given embedment may put below the excavation by
// as much again.
constexpr double kWandfuss = 200.0;
// Horizontal distances from the wall and lengths beside it: the slip wedge of a wall of
// kTiefe reaches about as far behind it.
constexpr double kAbstand = 100.0;
// The wall's offset within a layer, cm: a wall that steps sideways by more than 10 m is
// no sheet pile wall.
constexpr double kVersatz = 1000.0;
// Loads in kN/m, kN/m² or kNm/m: ten thousand is far beyond any crane or building.
constexpr double kLast = 1.0e4;
constexpr double kWinkel = 90.0;
// Unit weights of soil and fill, kN/m³.
constexpr double kWichte = 30.0;
// Cohesion, kN/m²: stiff clays reach a few hundred.
constexpr double kKohaesion = 1000.0;
constexpr double kProzent = 100.0;
// Partial factors: below 0.5 or above 5 no code sets one.
constexpr double kFaktorMin = 0.5;
constexpr double kFaktorMax = 5.0;
// Steel strengths and the modulus, in N/mm² as the documents give them (kN/cm² stay within).
constexpr double kFestigkeit = 5000.0;
constexpr double kSeite = 99999.0;
// Level of the wall head above the datum, m.
constexpr double kKoteMin = -1000.0;
constexpr double kKoteMax = 10000.0;
// Counting numbers and codes that only name something.
constexpr double kNummer = 999.0;
constexpr double kKennzahl = 99.0;

constexpr bool kNull = true; // 0 stands for "not given"
constexpr bool kWert = false;

// clang-format off
constexpr std::array kGrenzen = {
    Grenze{"info", "norm", 0, kKennzahl, kWert, "", "Kennzahl der Norm"},
    Grenze{"info", "laendercode", 0, kKennzahl, kWert, "", "Kennzahl des nationalen Anhangs"},
    Grenze{"input", "nPage", 0, kSeite, kWert, "", "Seitennummer"},
    Grenze{"allg", "nrseite", 0, kSeite, kWert, "", "Seitennummer"},

    Grenze{"steu", "skizze2d", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"steu", "skizze3d", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"steu", "berart", 0, 1, kWert, "", "0 Bemessung, 1 Nachweis"},
    Grenze{"steu", "system", 1, 3, kWert, "", "Fußauflager: 1 frei, 2 teilweise, 3 voll eingespannt"},
    Grenze{"steu", "lastfall", 0, 2, kWert, "", "Bemessungssituation 1 bis 3, um 1 vermindert"},
    Grenze{"steu", "nwstand", 0, 2, kWert, "", "Ansatz des Erddrucks: 0 aktiv, 1 erhöht, 2 Erdruhedruck"},
    Grenze{"steu", "nwwand", 0, 2, kWert, "", "Ansatz des Erdwiderstands: 0 voll, 1 teilweise, 2 Erdruhedruck"},
    Grenze{"steu", "erhstand", 0, kProzent, kWert, "%", "Erhöhung des aktiven Erddrucks"},
    Grenze{"steu", "erhwand", 0, kProzent, kWert, "%", "mobilisierter Anteil des Erdwiderstands"},
    Grenze{"steu", "kumlag", 0, 1, kWert, "", "Schalter der Erddruckumlagerung"},
    Grenze{"steu", "druck_nach", 0, 1, kWert, "", "Schalter der Erddruckumlagerung"},
    Grenze{"steu", "druck_bau", 0, 1, kWert, "", "Schalter der Erddruckumlagerung"},
    Grenze{"steu", "mitverd", 0, 1, kWert, "", "Schalter: Verdichtungserddruck"},
    Grenze{"steu", "geraet", 0, 2, kWert, "", "Verdichtungsgerät: 0 Vibrationsplatte, 1 Vibrationswalze, 2 statische Walze"},
    Grenze{"steu", "bp", 0, 10, kWert, "m", "Breite der Vibrationsplatte"},
    Grenze{"steu", "eg", 0, kLast, kWert, "kN/m", "Kraft des Verdichtungsgeräts"},
    Grenze{"steu", "zk", 0, kLast, kWert, "kN/m", "Kraft des Verdichtungsgeräts"},

    Grenze{"geom", "wand_hw", 0, kTiefe, kWert, "m", "Tiefe der Aushubsohle unter dem Wandkopf"},
    Grenze{"geom", "einbindetiefe", 0, kWandfuss, kWert, "m", "Tiefe des Wandfußes unter dem Wandkopf"},
    Grenze{"geom", "rundung", 0.1, 100, kNull, "cm", "Rundungsschritt der Einbindetiefe, 0 für 1 cm"},
    Grenze{"geom", "gela_neigung", -kWinkel, kWinkel, kWert, "°", "Neigung des Geländes"},
    Grenze{"geom", "wand_neigung", -kWinkel, kWinkel, kWert, "°", "Neigung der Wand"},
    Grenze{"geom", "ersatz_neigung", -kWinkel, kWinkel, kWert, "°", "Neigung"},
    Grenze{"geom", "mitberme", 0, 1, kWert, "", "Schalter: Berme"},
    Grenze{"geom", "berme_abstand", 0, kAbstand, kWert, "m", "Abstand der Berme von der Wand"},
    Grenze{"geom", "berme_neigung", -kWinkel, kWinkel, kWert, "°", "Böschungsneigung der Berme"},
    Grenze{"geom", "berme_dicke", 0, kTiefe, kWert, "m", "Dicke der Berme"},
    Grenze{"geom", "berme_gamma", 0, kWichte, kWert, "kN/m³", "Wichte der Berme"},
    Grenze{"geom", "einspannung", 0, kProzent, kWert, "%", "Einspanngrad des Wandfußes"},
    Grenze{"geom", "hoehenkote", kKoteMin, kKoteMax, kWert, "m", "Höhe des Wandkopfs"},
    Grenze{"geom", "mitanker", 0, 1, kWert, "", "Schalter: Wand mit Anker"},
    Grenze{"geom", "tiefe_anker", 0, kTiefe, kWert, "m", "Tiefe des Ankers unter dem Wandkopf"},
    Grenze{"geom", "ankerneigung", -kWinkel, kWinkel, kWert, "°", "Neigung des Ankers"},
    Grenze{"geom", "ankerlaenge", 0, kAbstand, kWert, "m", "Länge des Ankers"},
    Grenze{"geom", "ankerspitze", 0, kAbstand, kWert, "m", "Ankerspitze"},
    Grenze{"geom", "ankertyp", 0, 9, kWert, "", "Kennzahl des Ankertyps"},
    Grenze{"geom", "ankerabstand", 0, kAbstand, kWert, "m", "Abstand der Anker"},
    Grenze{"geom", "anker", 0, 1, kWert, "", "Schalter: Nachweis der tiefen Gleitfuge"},
    Grenze{"geom", "eta_p", 0, 10, kWert, "", "Anpassungsfaktor des Erdwiderstands"},
    Grenze{"geom", "gamma_p", 0, 10, kWert, "", "Beiwert"},
    // Above the wall head the calculation's own check explains what is wrong.
    Grenze{"geom", "tgh", -kTiefe, kTiefe, kWert, "m", "Wasserspiegel hinter der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"geom", "tgv", -kTiefe, kTiefe, kWert, "m", "Wasserspiegel vor der Wand, Tiefe unter dem Wandkopf"},

    Grenze{"mate profil", "wely", 1, 1.0e6, kNull, "cm³/m", "Widerstandsmoment des Profils"},
    Grenze{"mate profil", "Iy", 100, 1.0e8, kNull, "cm⁴/m", "Trägheitsmoment des Profils"},
    Grenze{"mate profil", "A", 1, 1.0e4, kNull, "cm²/m", "Querschnittsfläche des Profils"},
    Grenze{"mate profil", "g", 0, 1.0e4, kWert, "kg/m²", "Gewicht des Profils"},
    Grenze{"mate baustahl", "E", 1000, 1.0e6, kNull, "", "Elastizitätsmodul des Stahls"},
    Grenze{"mate baustahl", "fyk", 1, kFestigkeit, kNull, "", "Streckgrenze des Stahls"},
    Grenze{"mate baustahl", "gamma_m", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert des Stahls"},
    Grenze{"mate baustahl", "gamma", 0, 100, kWert, "kN/m³", "Wichte des Stahls"},
    Grenze{"mate anker", "typ", 0, 1, kWert, "", "Ankertyp: 0 Verpressanker, 1 Ankertafel"},
    Grenze{"mate anker", "as_min", 0.1, 1000, kNull, "cm²", "Querschnitt des Ankers"},
    Grenze{"mate anker", "a_schaft", 0.1, 1000, kNull, "cm²", "Querschnitt des Ankerschafts"},
    Grenze{"mate anker", "a_kern", 0.1, 1000, kNull, "cm²", "Kernquerschnitt des Ankers"},
    Grenze{"mate anker", "d_vk", 1, 200, kNull, "cm", "Durchmesser des Verpresskörpers"},
    Grenze{"mate anker", "da", 0, 1000, kWert, "", "Durchmesser"},
    Grenze{"mate anker", "di", 0, 1000, kWert, "", "Durchmesser"},
    Grenze{"mate anker", "ft01k", 1, kFestigkeit, kNull, "N/mm²", "Festigkeit des Ankerstahls"},
    Grenze{"mate anker", "fyk", 1, kFestigkeit, kNull, "N/mm²", "Streckgrenze des Ankerstahls"},
    Grenze{"mate anker", "fuak", 1, kFestigkeit, kNull, "N/mm²", "Zugfestigkeit des Ankerstahls"},
    Grenze{"mate anker", "kt", 0, 10, kWert, "", "Beiwert"},
    Grenze{"mate anker", "gamma_m", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "gamma_m0", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "gamma_mb", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "qsk1", 1, 1.0e5, kNull, "kN", "Widerstand des Ankers"},
    Grenze{"mate anker", "qsk", 1, kLast, kNull, "kN/m²", "Mantelreibung"},
    Grenze{"mate anker", "ankertafel_l", 0, kAbstand, kWert, "m", "Länge der Ankertafel"},
    Grenze{"mate anker", "ankertafel_b", 0, kAbstand, kWert, "m", "Breite der Ankertafel"},
    Grenze{"mate anker", "lv", 0.1, kAbstand, kNull, "m", "Verpresslänge"},

    Grenze{"bode", "in_grad", 0, 1, kWert, "", "Schalter: Wandreibung in Grad"},
    Grenze{"bode gruppe", "nr", 0, kNummer, kWert, "", "Nummer der Schicht"},
    Grenze{"bode gruppe", "sd", 0, kTiefe, kWert, "m", "Schichtdicke"},
    Grenze{"bode gruppe", "deltax", -kVersatz, kVersatz, kWert, "cm", "Versatz der Wand in der Schicht"},
    Grenze{"bode gruppe", "gamma", 0, kWichte, kWert, "kN/m³", "Wichte"},
    Grenze{"bode gruppe", "gamma_feucht", 0, kWichte, kWert, "kN/m³", "Wichte unter Wasser"},
    Grenze{"bode gruppe", "phi", 0, kWinkel, kWert, "°", "Reibungswinkel"},
    Grenze{"bode gruppe", "delta", -kWinkel, kWinkel, kWert, "°", "Wandreibungswinkel"},
    Grenze{"bode gruppe", "deltp", -kWinkel, kWinkel, kWert, "°", "Wandreibungswinkel"},
    Grenze{"bode gruppe", "delta_phi", 0, 8, kWert, "", "Code des Wandreibungswinkels"},
    Grenze{"bode gruppe", "deltp_phi", 0, 8, kWert, "", "Code des Wandreibungswinkels"},
    Grenze{"bode gruppe", "coh", 0, kKohaesion, kWert, "kN/m²", "Kohäsion"},

    Grenze{"bome", "sohlreibung", 0, kWinkel, kWert, "", "Sohlreibung"},
    Grenze{"bome", "nachweisart", 0, kKennzahl, kWert, "", "Kennzahl"},
    Grenze{"bome", "dinart", 0, kKennzahl, kWert, "", "Kennzahl"},
    Grenze{"bome", "gleitsicherheit", 0, kKennzahl, kWert, "", "Kennzahl"},
    Grenze{"bome", "miterdwiderstand", 0, 1, kWert, "", "Schalter: Erdwiderstand"},
    Grenze{"bome", "erdwiderstandprozent", 0, kProzent, kWert, "%", "Anteil des Erdwiderstands"},
    Grenze{"bome", "boden", 0, kKennzahl, kWert, "", "Kennzahl"},
    Grenze{"bome", "erhoehung", 0, kProzent, kWert, "", "Erhöhung"},
    Grenze{"bome", "abminderung", 0, kProzent, kWert, "", "Abminderung"},
    Grenze{"bome", "faktor", 0, 10, kWert, "", "Faktor"},
    Grenze{"bome", "einbindetiefe", 0, kWandfuss, kWert, "m", "Tiefe des Wandfußes"},
    Grenze{"bome", "tgh", -kTiefe, kTiefe, kWert, "m", "Wasserspiegel hinter der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"bome", "tgv", -kTiefe, kTiefe, kWert, "m", "Wasserspiegel vor der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"bome", "sigma0#", -kLast, kLast, kWert, "kN/m²", "Spannung"},
    Grenze{"bome", "sigma1#", -kLast, kLast, kWert, "kN/m²", "Spannung"},
    Grenze{"bome", "speze", 0, kWichte, kWert, "kN/m³", "Wichte"},
    Grenze{"bome", "spezu", 0, kWichte, kWert, "kN/m³", "Wichte"},
    Grenze{"bome", "phie", 0, kWinkel, kWert, "°", "Reibungswinkel"},
    Grenze{"bome", "phiu", 0, kWinkel, kWert, "°", "Reibungswinkel"},
    Grenze{"bome", "deltae", -kWinkel, kWinkel, kWert, "°", "Wandreibungswinkel"},
    Grenze{"bome", "deltau", -kWinkel, kWinkel, kWert, "°", "Wandreibungswinkel"},
    Grenze{"bome", "cohe", 0, kKohaesion, kWert, "kN/m²", "Kohäsion"},
    Grenze{"bome", "cohu", 0, kKohaesion, kWert, "kN/m²", "Kohäsion"},
    Grenze{"bome", "mitverd", 0, 1, kWert, "", "Schalter: Verdichtungserddruck"},
    Grenze{"bome", "geraet", 0, 2, kWert, "", "Verdichtungsgerät: 0 Vibrationsplatte, 1 Vibrationswalze, 2 statische Walze"},
    Grenze{"bome", "bp", 0, 10, kWert, "m", "Breite der Vibrationsplatte"},
    Grenze{"bome", "eg", 0, kLast, kWert, "kN/m", "Kraft des Verdichtungsgeräts"},
    Grenze{"bome", "zk", 0, kLast, kWert, "kN/m", "Kraft des Verdichtungsgeräts"},

    Grenze{"last gruppe", "art", 0, 3, kWert, "", "Art der Last: 0 Kopflast, 1 Flächenlast, 2 Blocklast, 3 Linienlast"},
    Grenze{"last gruppe", "lf", 0, kNummer, kWert, "", "Nummer des Lastfalls"},
    Grenze{"last gruppe", "stelle", 0, 2, kWert, "", "Ort der Kopflast: 0 Wandkopf, 1 Anker, 2 Steife"},
    Grenze{"last gruppe", "v", -kLast, kLast, kWert, "kN/m, kN/m² oder kNm/m", "Last"},
    Grenze{"last gruppe", "h", -kLast, kLast, kWert, "kN/m, kN/m² oder kNm/m", "Last"},
    Grenze{"last gruppe", "m", -kLast, kLast, kWert, "kN/m, kN/m² oder kNm/m", "Last"},
    // Loads act behind the wall; in front of it the calculation has none.
    Grenze{"last gruppe", "x", 0, kAbstand, kWert, "m", "Abstand der Last von der Wand"},
    Grenze{"last gruppe", "b", 0, kAbstand, kWert, "m", "Breite der Blocklast"},
    // Rising ground behind the wall can carry a load above the wall head.
    Grenze{"last gruppe", "y", -kTiefe, kTiefe, kWert, "m", "Tiefe der Last unter dem Wandkopf"},

    Grenze{"einw einwirkung", "nr", 0, kNummer, kWert, "", "Nummer der Einwirkung"},
    Grenze{"einw einwirkung", "art", 0, kKennzahl, kWert, "", "Kennzahl der Einwirkung"},
    Grenze{"einw einwirkung", "psi0", 0, 1, kWert, "", "Kombinationsbeiwert"},
    Grenze{"einw einwirkung", "psi1", 0, 1, kWert, "", "Kombinationsbeiwert"},
    Grenze{"einw einwirkung", "psi2", 0, 1, kWert, "", "Kombinationsbeiwert"},

    Grenze{"teil", "gep#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"teil", "ggr#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"teil", "ggl#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},

    Grenze{"ausg", "txt_eingabe", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_teilsicherheit", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_druck_beiwerte", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_druck_ordinaten", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_wasserdruck", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tragnachweise", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_profilwahl", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "alle_lastfaelle", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "relevante_lastfaelle", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tgf_druck_beiwerte", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tgf_druck_ordinaten", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tgf_materialversagen", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tgf_herausziehen", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "txt_tgf_ankerkraft", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "grafik_tgf_darstellung", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "grafik_system", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "grafik_druck_beanspr", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},
    Grenze{"ausg", "grafik_schnittgroessen", 0, 1, kWert, "", "Schalter: 0 aus, 1 ein"},

    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_g_#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_q_#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_a_#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_e0g_#", kFaktorMin, kFaktorMax, kNull, "", "Teilsicherheitsbeiwert"},
    Grenze{"kombinationsbeiwerte", "psi0", 0, 1, kWert, "", "Kombinationsbeiwert"},
    Grenze{"kombinationsbeiwerte", "psi1", 0, 1, kWert, "", "Kombinationsbeiwert"},
    Grenze{"kombinationsbeiwerte", "psi2", 0, 1, kWert, "", "Kombinationsbeiwert"},
    Grenze{"lastfaelle lastfall", "lf", 0, kNummer, kWert, "", "Nummer des Lastfalls"},
    Grenze{"lastfaelle lastfall", "einw", 0, kNummer, kWert, "", "Nummer der Einwirkung"},
    Grenze{"einwirkungen einwirkung", "indexGruppe", 0, kKennzahl, kWert, "", "Gruppe der Einwirkung"},
    Grenze{"einwirkungen einwirkung", "indexKategorie", 0, kKennzahl, kWert, "", "Satz der Kombinationsbeiwerte"},
};
// clang-format on

// An attribute of the table, where a trailing '#' stands for a number of one or more
// digits.
bool Passt(std::string_view muster, std::string_view name) {
    if (muster.empty() || muster.back() != '#') {
        return muster == name;
    }
    const std::string_view stamm = muster.substr(0, muster.size() - 1);
    if (name.size() <= stamm.size() || name.substr(0, stamm.size()) != stamm) {
        return false;
    }
    for (const char c : name.substr(stamm.size())) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

std::span<const Grenze> AlleGrenzen() {
    return kGrenzen;
}

const Grenze* FindGrenze(std::string_view element, std::string_view attribut) {
    for (const Grenze& g : kGrenzen) {
        if (element == g.element && Passt(g.attribut, attribut)) {
            return &g;
        }
    }
    return nullptr;
}

bool InnerhalbGrenze(const Grenze& grenze, double wert) {
    return (wert >= grenze.min && wert <= grenze.max) || (grenze.nullNichtAngegeben && wert == 0.0);
}

} // namespace zirf_input
