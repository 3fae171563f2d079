#include "host/Eingabegrenzen.h"

#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zirf_input {

namespace {

// Every whole number. A switch tested for 1 is off for any other value, one tested for
// not 0 on; a code is read by its value with a branch for every other value (`system`:
// 1 free, 3 fixed, any other value partial fixity; `typ`: 0 grouted anchor, any other
// value a tie rod; a load group of an `art` outside 0 to 3 counts nowhere).
constexpr double kGanzMin = std::numeric_limits<int>::min();
constexpr double kGanzMax = std::numeric_limits<int>::max();
// Any number: a value that nothing of a run reads (the reader keeps it and no
// calculation, report or picture looks at it).
constexpr double kBeliebig = std::numeric_limits<double>::max();
// The largest magnitude of a length or a position (m), a load (kN/m, kN/m², kNm/m), a unit
// weight, a cohesion, a strength or a factor: a million of its unit, a thousand
// kilometres, is no measure of a wall, and a load that far acts on nothing; within it,
// every area, moment and rotation integral the calculation forms of such numbers stays
// finite and a depth stays exact to far below the micrometre.
constexpr double kGross = 1.0e6;
// The smallest value of a positive quantity by which the calculation divides (a
// stiffness, a section modulus, an area, a strength, a partial factor, a resistance):
// below a millionth of its unit the quotients leave the numbers the results are written
// with (a denormal stiffness makes the deflection infinite).
constexpr double kKlein = 1.0e-6;
// The profile's second moment of area in cm⁴/m: up to 10⁸ cm⁴/m (1 m⁴/m, a solid steel
// wall more than two metres thick); combined walls reach some 10⁶.
constexpr double kSteifigkeit = 1.0e8;
// Angles in degrees: the tangent and the cosine of an inclination of 90° or more have no
// value or turn the inclination round; the calculation's checks refuse exactly ±90° with
// what it is.
constexpr double kWinkel = 90.0;
// Shares in percent: the mix of two pressures with the shares p and 100 - p; outside
// 0 to 100 one share is negative and the mix no longer lies between them.
constexpr double kProzent = 100.0;
// The wall's sideways step within a layer, cm: beyond 10 m the layer's wall segment leans
// to within a hair of horizontal in a thin layer, where the earth-pressure coefficients
// of its inclination lose their meaning.
constexpr double kVersatz = 1000.0;
// The rounding step of the depth, cm: depths are given to the micrometre, so a finer step
// has no multiple the results can show; a coarser one than kGross would round every wall
// beyond the positions the input takes.
constexpr double kRundungMin = 1.0e-4;
constexpr double kRundungMax = kGross * 100.0;
// The first page number of the report: the report's format (RTF) holds it as a signed
// 16-bit number, and pages are numbered from 0 up.
constexpr double kSeiteMax = 32767.0;
// Wall friction codes: the table of fractions of the friction angle runs from 0 to 8.
constexpr double kWandreibungscodeMax = 8.0;
// Design situations 1 to 3, the attribute counts from 0: the columns of the partial-factor
// table; no Part gives a factor to another situation.
constexpr double kSituationMax = 2.0;

using A = Ausserdem;

// clang-format off
constexpr std::array kGrenzen = {
    // `norm` (with `laendercode`) selects the code line of the report head: 1 to 3 have a
    // line, every other value writes none.
    Grenze{"info", "norm", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl der Norm"},
    Grenze{"info", "laendercode", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl des nationalen Anhangs"},
    Grenze{"input", "nPage", 0, kSeiteMax, A::nichts, "", "erste Seitennummer des Berichts"},
    Grenze{"allg", "nrseite", 0, kSeiteMax, A::nichts, "", "erste Seitennummer des Berichts"},

    Grenze{"steu", "skizze2d", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"steu", "skizze3d", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    // 0 design, 1 check of the given depth; any other value starts as a check and iterates
    // as a design, without rounding.
    Grenze{"steu", "berart", kGanzMin, kGanzMax, A::nichts, "", "0 Bemessung, 1 Nachweis, sonst Nachweis iteriert"},
    Grenze{"steu", "system", kGanzMin, kGanzMax, A::nichts, "", "Fußauflager: 1 frei, 3 voll eingespannt, sonst teilweise"},
    Grenze{"steu", "lastfall", 0, kSituationMax, A::nichts, "", "Bemessungssituation 1 bis 3, um 1 vermindert"},
    // 0 active, 1 increased, 2 and up at rest. Below 0 the Parts disagree: the pressure at
    // rest, but with the minimum earth pressure and the compaction figure of the active
    // modes ("below 2").
    Grenze{"steu", "nwstand", 0, kGanzMax, A::nichts, "", "Ansatz des Erddrucks: 0 aktiv, 1 erhöht, ab 2 Erdruhedruck"},
    // 0 full, 1 partly mobilised, 2 and up at rest; below 0 as nwstand.
    Grenze{"steu", "nwwand", 0, kGanzMax, A::nichts, "", "Ansatz des Erdwiderstands: 0 voll, 1 teilweise, ab 2 Erdruhedruck"},
    Grenze{"steu", "erhstand", 0, kProzent, A::abgeschnitten, "%", "Erhöhung des aktiven Erddrucks zum Erdruhedruck"},
    // The mobilisation function (1 - (1 - p)^1.6)^0.65 has no value beyond 100 % and below 0.
    Grenze{"steu", "erhwand", 0, kProzent, A::abgeschnitten, "%", "mobilisierter Anteil des Erdwiderstands"},
    Grenze{"steu", "kumlag", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 Umlagerung, sonst keine"},
    Grenze{"steu", "druck_nach", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 Trapez, sonst Rechtecke"},
    Grenze{"steu", "druck_bau", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 oder andere Verhältnisse"},
    // The calculation takes compaction for 1 only; the report and the pictures follow it.
    Grenze{"steu", "mitverd", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 Verdichtungserddruck, sonst keiner"},
    Grenze{"steu", "geraet", kGanzMin, kGanzMax, A::nichts, "", "Verdichtungsgerät: 0 Vibrationsplatte, 1 Vibrationswalze, sonst statische Walze"},
    Grenze{"steu", "bp", 0, kGross, A::nichts, "m", "Breite der Vibrationsplatte"},
    Grenze{"steu", "eg", 0, kGross, A::nichts, "kN/m", "Eigengewicht des Verdichtungsgeräts"},
    // 0 or less: none, a roller then counts twice its weight.
    Grenze{"steu", "zk", -kGross, kGross, A::nichts, "kN/m", "Zentrifugalkraft des Verdichtungsgeräts"},

    Grenze{"geom", "wand_hw", 0, kGross, A::nichts, "m", "Tiefe der Aushubsohle unter dem Wandkopf"},
    Grenze{"geom", "einbindetiefe", 0, kGross, A::nichts, "m", "Tiefe des Wandfußes unter dem Wandkopf"},
    Grenze{"geom", "rundung", kRundungMin, kRundungMax, A::nullOderKleiner, "cm", "Rundungsschritt der Einbindetiefe; 0 oder weniger für 1 cm"},
    Grenze{"geom", "gela_neigung", -kWinkel, kWinkel, A::nichts, "°", "Neigung des Geländes"},
    Grenze{"geom", "wand_neigung", -kWinkel, kWinkel, A::nichts, "°", "Neigung der Wand"},
    Grenze{"geom", "ersatz_neigung", -kWinkel, kWinkel, A::nichts, "°", "Neigung der Ersatzkraft"},
    Grenze{"geom", "mitberme", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 Berme, sonst keine"},
    // A berm that far acts on nothing: its influence line passes below the last layer.
    Grenze{"geom", "berme_abstand", 0, kGross, A::nichts, "m", "Abstand der Berme von der Wand"},
    Grenze{"geom", "berme_neigung", -kWinkel, kWinkel, A::nichts, "°", "Böschungsneigung der Berme"},
    Grenze{"geom", "berme_dicke", 0, kGross, A::nichts, "m", "Dicke der Berme"},
    Grenze{"geom", "berme_gamma", 0, kGross, A::nichts, "kN/m³", "Wichte der Berme"},
    // 0 free, 100 fixed, between partly fixed. Above 100 the foot span and the end of the
    // deep slip line move on as if the foot were fixed more than wholly (at 300 the foot
    // span takes the whole embedment); below 0 the foot would turn more than a free one,
    // which the support check of the designed wall then fails, and the report has no depth.
    Grenze{"geom", "einspannung", 0, kProzent, A::nichts, "%", "Einspanngrad des Wandfußes"},
    Grenze{"geom", "hoehenkote", -kGross, kGross, A::nichts, "m", "Höhe des Wandkopfs"},
    // 0 without anchor, any positive value with one. Below 0 the Parts disagree: the
    // iteration of the anchored wall runs (not 0), but the anchor's depth is no layer
    // boundary and the anchor stands at the head (positive only).
    Grenze{"geom", "mitanker", 0, kGanzMax, A::nichts, "", "Schalter: 0 ohne Anker, sonst mit Anker"},
    Grenze{"geom", "tiefe_anker", 0, kGross, A::nichts, "m", "Tiefe des Ankers unter dem Wandkopf"},
    Grenze{"geom", "ankerneigung", -kWinkel, kWinkel, A::nichts, "°", "Neigung des Ankers"},
    Grenze{"geom", "ankerlaenge", 0, kGross, A::nichts, "m", "Länge des Ankers"},
    Grenze{"geom", "ankerspitze", 0, kGross, A::nichts, "m", "Länge der Ankerspitze"},
    Grenze{"geom", "ankertyp", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl des Ankertyps (nicht verwendet)"},
    Grenze{"geom", "ankerabstand", 0, kGross, A::nichts, "m", "Abstand der Anker"},
    // 0 a strut, 1 a ground anchor with the check of its deep slip line, above 1 a ground
    // anchor without it. Below 0 the Parts disagree: the sketch draws a ground anchor, the
    // report leaves its depth, inclination and length out as for a strut.
    Grenze{"geom", "anker", 0, kGanzMax, A::nichts, "", "0 Steife, 1 Anker mit Nachweis der tiefen Gleitfuge, sonst Anker"},
    Grenze{"geom", "eta_p", 0, kGross, A::nichts, "", "Anpassungsfaktor des Erdwiderstands"},
    Grenze{"geom", "gamma_p", -kBeliebig, kBeliebig, A::nichts, "", "Beiwert (nicht verwendet)"},
    // At or below the model's bottom a water level adds no boundary: no groundwater on that
    // side. Above the wall head the calculation's own check explains what is wrong.
    Grenze{"geom", "tgh", -kGross, kGross, A::nichts, "m", "Wasserspiegel hinter der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"geom", "tgv", -kGross, kGross, A::nichts, "m", "Wasserspiegel vor der Wand, Tiefe unter dem Wandkopf"},

    Grenze{"mate profil", "wely", kKlein, kGross, A::null, "cm³/m", "Widerstandsmoment des Profils"},
    Grenze{"mate profil", "Iy", kKlein, kSteifigkeit, A::null, "cm⁴/m", "Trägheitsmoment des Profils"},
    Grenze{"mate profil", "A", kKlein, kGross, A::null, "cm²/m", "Querschnittsfläche des Profils"},
    Grenze{"mate profil", "g", 0, kGross, A::nichts, "kg/m²", "Gewicht des Profils"},
    Grenze{"mate baustahl", "E", -kBeliebig, kBeliebig, A::nichts, "", "Elastizitätsmodul des Stahls (nicht verwendet)"},
    Grenze{"mate baustahl", "fyk", kKlein, kGross, A::null, "", "Streckgrenze des Stahls"},
    Grenze{"mate baustahl", "gamma_m", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert des Stahls"},
    Grenze{"mate baustahl", "gamma", -kBeliebig, kBeliebig, A::nichts, "kN/m³", "Wichte des Stahls (nicht verwendet)"},
    Grenze{"mate anker", "typ", kGanzMin, kGanzMax, A::nichts, "", "Ankertyp: 0 Verpressanker, sonst Rundstahlanker, 1 mit Ankertafel"},
    Grenze{"mate anker", "as_min", kKlein, kGross, A::null, "cm²", "Querschnitt des Ankers"},
    Grenze{"mate anker", "a_schaft", kKlein, kGross, A::null, "cm²", "Querschnitt des Ankerschafts"},
    Grenze{"mate anker", "a_kern", kKlein, kGross, A::null, "cm²", "Kernquerschnitt des Ankers"},
    Grenze{"mate anker", "d_vk", kKlein, kGross, A::null, "cm", "Durchmesser des Verpresskörpers"},
    Grenze{"mate anker", "da", -kBeliebig, kBeliebig, A::nichts, "", "Durchmesser (nicht verwendet)"},
    Grenze{"mate anker", "di", -kBeliebig, kBeliebig, A::nichts, "", "Durchmesser (nicht verwendet)"},
    Grenze{"mate anker", "ft01k", kKlein, kGross, A::null, "N/mm²", "Festigkeit des Ankerstahls"},
    Grenze{"mate anker", "fyk", kKlein, kGross, A::null, "N/mm²", "Streckgrenze des Ankerstahls"},
    Grenze{"mate anker", "fuak", kKlein, kGross, A::null, "N/mm²", "Zugfestigkeit des Ankerstahls"},
    Grenze{"mate anker", "kt", kKlein, kGross, A::null, "", "Beiwert des Kernquerschnitts"},
    Grenze{"mate anker", "gamma_m", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "gamma_m0", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "gamma_mb", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"mate anker", "qsk1", kKlein, kGross, A::null, "kN", "Widerstand des Ankers"},
    Grenze{"mate anker", "qsk", kKlein, kGross, A::null, "kN/m²", "Mantelreibung"},
    Grenze{"mate anker", "ankertafel_l", 0, kGross, A::nichts, "m", "Länge der Ankertafel"},
    Grenze{"mate anker", "ankertafel_b", 0, kGross, A::nichts, "m", "Breite der Ankertafel"},
    Grenze{"mate anker", "lv", kKlein, kGross, A::null, "m", "Verpresslänge"},

    Grenze{"bode", "in_grad", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 Wandreibung als Code, sonst in Grad"},
    Grenze{"bode gruppe", "nr", kGanzMin, kGanzMax, A::nichts, "", "Nummer der Schicht"},
    Grenze{"bode gruppe", "sd", 0, kGross, A::nichts, "m", "Schichtdicke"},
    Grenze{"bode gruppe", "deltax", -kVersatz, kVersatz, A::nichts, "cm", "Versatz der Wand in der Schicht"},
    Grenze{"bode gruppe", "gamma", 0, kGross, A::nichts, "kN/m³", "Wichte"},
    Grenze{"bode gruppe", "gamma_feucht", 0, kGross, A::nichts, "kN/m³", "Wichte unter Wasser"},
    Grenze{"bode gruppe", "phi", 0, kWinkel, A::nichts, "°", "Reibungswinkel"},
    Grenze{"bode gruppe", "delta", -kWinkel, kWinkel, A::nichts, "°", "Wandreibungswinkel"},
    Grenze{"bode gruppe", "deltp", -kWinkel, kWinkel, A::nichts, "°", "Wandreibungswinkel"},
    // Outside the table of fractions no Part gives the wall friction an angle.
    Grenze{"bode gruppe", "delta_phi", 0, kWandreibungscodeMax, A::nichts, "", "Code des Wandreibungswinkels"},
    Grenze{"bode gruppe", "deltp_phi", 0, kWandreibungscodeMax, A::nichts, "", "Code des Wandreibungswinkels"},
    Grenze{"bode gruppe", "coh", 0, kGross, A::nichts, "kN/m²", "Kohäsion"},

    // Of bome a run reads only the water levels and the compaction values (which replace
    // those of geom and steu); the others nothing reads.
    Grenze{"bome", "sohlreibung", -kBeliebig, kBeliebig, A::nichts, "", "Sohlreibung (nicht verwendet)"},
    Grenze{"bome", "nachweisart", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl (nicht verwendet)"},
    Grenze{"bome", "dinart", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl (nicht verwendet)"},
    Grenze{"bome", "gleitsicherheit", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl (nicht verwendet)"},
    Grenze{"bome", "miterdwiderstand", kGanzMin, kGanzMax, A::nichts, "", "Schalter (nicht verwendet)"},
    Grenze{"bome", "erdwiderstandprozent", kGanzMin, kGanzMax, A::nichts, "%", "Anteil des Erdwiderstands (nicht verwendet)"},
    Grenze{"bome", "boden", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl (nicht verwendet)"},
    Grenze{"bome", "erhoehung", kGanzMin, kGanzMax, A::nichts, "", "Erhöhung (nicht verwendet)"},
    Grenze{"bome", "abminderung", kGanzMin, kGanzMax, A::nichts, "", "Abminderung (nicht verwendet)"},
    Grenze{"bome", "faktor", -kBeliebig, kBeliebig, A::nichts, "", "Faktor (nicht verwendet)"},
    Grenze{"bome", "einbindetiefe", -kBeliebig, kBeliebig, A::nichts, "m", "Tiefe des Wandfußes (nicht verwendet)"},
    Grenze{"bome", "tgh", -kGross, kGross, A::nichts, "m", "Wasserspiegel hinter der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"bome", "tgv", -kGross, kGross, A::nichts, "m", "Wasserspiegel vor der Wand, Tiefe unter dem Wandkopf"},
    Grenze{"bome", "sigma0#", -kBeliebig, kBeliebig, A::nichts, "kN/m²", "Spannung (nicht verwendet)"},
    Grenze{"bome", "sigma1#", -kBeliebig, kBeliebig, A::nichts, "kN/m²", "Spannung (nicht verwendet)"},
    Grenze{"bome", "speze", -kBeliebig, kBeliebig, A::nichts, "kN/m³", "Wichte (nicht verwendet)"},
    Grenze{"bome", "spezu", -kBeliebig, kBeliebig, A::nichts, "kN/m³", "Wichte (nicht verwendet)"},
    Grenze{"bome", "phie", -kBeliebig, kBeliebig, A::nichts, "°", "Reibungswinkel (nicht verwendet)"},
    Grenze{"bome", "phiu", -kBeliebig, kBeliebig, A::nichts, "°", "Reibungswinkel (nicht verwendet)"},
    Grenze{"bome", "deltae", -kBeliebig, kBeliebig, A::nichts, "°", "Wandreibungswinkel (nicht verwendet)"},
    Grenze{"bome", "deltau", -kBeliebig, kBeliebig, A::nichts, "°", "Wandreibungswinkel (nicht verwendet)"},
    Grenze{"bome", "cohe", -kBeliebig, kBeliebig, A::nichts, "kN/m²", "Kohäsion (nicht verwendet)"},
    Grenze{"bome", "cohu", -kBeliebig, kBeliebig, A::nichts, "kN/m²", "Kohäsion (nicht verwendet)"},
    Grenze{"bome", "mitverd", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 Verdichtungserddruck, sonst keiner"},
    Grenze{"bome", "geraet", kGanzMin, kGanzMax, A::nichts, "", "Verdichtungsgerät: 0 Vibrationsplatte, 1 Vibrationswalze, sonst statische Walze"},
    Grenze{"bome", "bp", 0, kGross, A::nichts, "m", "Breite der Vibrationsplatte"},
    Grenze{"bome", "eg", 0, kGross, A::nichts, "kN/m", "Eigengewicht des Verdichtungsgeräts"},
    Grenze{"bome", "zk", -kGross, kGross, A::nichts, "kN/m", "Zentrifugalkraft des Verdichtungsgeräts"},

    // A group of another kind counts nowhere.
    Grenze{"last gruppe", "art", kGanzMin, kGanzMax, A::nichts, "", "Art der Last: 0 Kopflast, 1 Flächenlast, 2 Blocklast, 3 Linienlast, sonst keine"},
    // The calculation's check names a load case that lastUeberlagerung does not hold.
    Grenze{"last gruppe", "lf", kGanzMin, kGanzMax, A::nichts, "", "Nummer des Lastfalls"},
    Grenze{"last gruppe", "stelle", kGanzMin, kGanzMax, A::nichts, "", "Ort der Kopflast: 0 Wandkopf, sonst Anker"},
    Grenze{"last gruppe", "v", -kGross, kGross, A::nichts, "kN/m, kN/m² oder kNm/m", "Last"},
    Grenze{"last gruppe", "h", -kGross, kGross, A::nichts, "kN/m, kN/m² oder kNm/m", "Last"},
    Grenze{"last gruppe", "m", -kGross, kGross, A::nichts, "kN/m, kN/m² oder kNm/m", "Last"},
    // A load beyond the slip line, in front of the wall or below the last layer's top acts
    // on nothing; the sketch draws one out of reach at its edge with its position.
    Grenze{"last gruppe", "x", -kGross, kGross, A::nichts, "m", "Abstand der Last von der Wand"},
    Grenze{"last gruppe", "b", 0, kGross, A::nichts, "m", "Breite der Blocklast"},
    Grenze{"last gruppe", "y", -kGross, kGross, A::nichts, "m", "Tiefe der Last unter dem Wandkopf"},

    // Of the actions of einw a run reads nothing: lastUeberlagerung gives their kinds and
    // factors.
    Grenze{"einw einwirkung", "nr", kGanzMin, kGanzMax, A::nichts, "", "Nummer der Einwirkung (nicht verwendet)"},
    Grenze{"einw einwirkung", "art", kGanzMin, kGanzMax, A::nichts, "", "Kennzahl der Einwirkung (nicht verwendet)"},
    Grenze{"einw einwirkung", "psi0", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},
    Grenze{"einw einwirkung", "psi1", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},
    Grenze{"einw einwirkung", "psi2", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},

    Grenze{"teil", "gep#", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert des Erdwiderstands"},
    Grenze{"teil", "ggr#", -kBeliebig, kBeliebig, A::nichts, "", "Teilsicherheitsbeiwert (nicht verwendet)"},
    Grenze{"teil", "ggl#", -kBeliebig, kBeliebig, A::nichts, "", "Teilsicherheitsbeiwert (nicht verwendet)"},

    Grenze{"ausg", "txt_eingabe", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_teilsicherheit", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_druck_beiwerte", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_druck_ordinaten", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_wasserdruck", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_tragnachweise", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 aus, sonst ein"},
    Grenze{"ausg", "txt_profilwahl", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "alle_lastfaelle", kGanzMin, kGanzMax, A::nichts, "", "Schalter (nicht verwendet)"},
    Grenze{"ausg", "relevante_lastfaelle", kGanzMin, kGanzMax, A::nichts, "", "Schalter (nicht verwendet)"},
    Grenze{"ausg", "txt_tgf_druck_beiwerte", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_tgf_druck_ordinaten", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_tgf_materialversagen", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_tgf_herausziehen", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "txt_tgf_ankerkraft", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "grafik_tgf_darstellung", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 1 ein, sonst aus"},
    Grenze{"ausg", "grafik_system", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 aus, sonst ein"},
    Grenze{"ausg", "grafik_druck_beanspr", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 aus, sonst ein"},
    Grenze{"ausg", "grafik_schnittgroessen", kGanzMin, kGanzMax, A::nichts, "", "Schalter: 0 aus, sonst ein"},

    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_g_#", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_q_#", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_a_#", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    Grenze{"lastUeberlagerung sicherheitsbeiwerte", "gamma_e0g_#", kKlein, kGross, A::null, "", "Teilsicherheitsbeiwert"},
    // The combination factors of the sets go only into the actions, which nothing reads:
    // the combination rules carry their own factors.
    Grenze{"kombinationsbeiwerte", "psi0", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},
    Grenze{"kombinationsbeiwerte", "psi1", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},
    Grenze{"kombinationsbeiwerte", "psi2", -kBeliebig, kBeliebig, A::nichts, "", "Kombinationsbeiwert (nicht verwendet)"},
    Grenze{"lastfaelle lastfall", "lf", kGanzMin, kGanzMax, A::nichts, "", "Nummer des Lastfalls"},
    // Below 2 permanent, else variable.
    Grenze{"lastfaelle lastfall", "einw", kGanzMin, kGanzMax, A::nichts, "", "Nummer der Einwirkung: unter 2 ständig, sonst veränderlich"},
    Grenze{"einwirkungen einwirkung", "indexGruppe", kGanzMin, kGanzMax, A::nichts, "", "Gruppe der Einwirkung (nicht verwendet)"},
    // The reader refuses a category that names none of the sets read.
    Grenze{"einwirkungen einwirkung", "indexKategorie", kGanzMin, kGanzMax, A::nichts, "", "Satz der Kombinationsbeiwerte"},
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
    // The limits of each element in the table's order, gathered once: each of a
    // document's hundreds of numbers would otherwise run through the whole table.
    static const auto jeElement = [] {
        std::unordered_map<std::string_view, std::vector<const Grenze*>> m;
        for (const Grenze& g : kGrenzen) {
            m[g.element].push_back(&g);
        }
        return m;
    }();
    const auto eintraege = jeElement.find(element);
    if (eintraege == jeElement.end()) {
        return nullptr;
    }
    for (const Grenze* g : eintraege->second) {
        if (Passt(g->attribut, attribut)) {
            return g;
        }
    }
    return nullptr;
}

bool InnerhalbGrenze(const Grenze& grenze, double wert) {
    switch (grenze.ausserdem) {
    case Ausserdem::abgeschnitten:
        wert = std::trunc(wert);
        break;
    case Ausserdem::null:
        if (wert == 0.0) {
            return true;
        }
        break;
    case Ausserdem::nullOderKleiner:
        if (wert <= 0.0) {
            return true;
        }
        break;
    case Ausserdem::nichts:
        break;
    }
    return wert >= grenze.min && wert <= grenze.max;
}

bool OhneGrenze(const Grenze& grenze) {
    return (grenze.min == kGanzMin && grenze.max == kGanzMax) ||
           (grenze.min == -kBeliebig && grenze.max == kBeliebig);
}

} // namespace zirf_input
