// Layer table, excavation geometry, extension of the last layer and clearing of the
// result tables.
#include "model/C1ZirfCalc.h"

#include "base/Trace.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Layer boundaries closer than this merge.
constexpr double kMergeTol = 0.001;
// The layer sort takes depths closer than this as equal.
constexpr double kSortTol = 0.0001;
// An input layer this thin or thinner would not carry the wall line.
constexpr double kMinDicke = 0.0001;
// The model reaches this far below the last input layer.
constexpr double kModellZuschlag = 10.0;

const C1ZirfInput::SBodenschicht& Eingabeschicht(const C1ZirfInput& in, int k) {
    return in.schicht.at(static_cast<std::size_t>(k));
}

double GammaUnter(const C1ZirfInput::SBodenschicht& s) {
    return (s.gamma_feucht >= 0.001 || s.gamma <= 0.0) ? s.gamma_feucht
                                                       : s.gamma - C1ZirfCalc::GammaWasser;
}

// Removes boundaries that lie within the merge tolerance of the one before, with the
// trace lines of the layer sort. yu holds n boundaries and one place past them.
int MergeGrenzen(std::vector<double>& yu, int n) {
    int i = 0;
    while (i < n) {
        TracePrintf("\nvor : i %d  j %d  yi %6.2f  yi+1 %6.2f", i, n, yu[i], yu[i + 1]);
        bool entfernt = false;
        if (i + 1 < n && std::fabs(yu[i + 1] - yu[i]) < kMergeTol) {
            for (int jj = i + 2; jj < n; ++jj) {
                yu[jj - 1] = yu[jj];
                TracePrintf("\njj-1 %d  yu %6.2f", jj - 1, yu[jj - 1]);
            }
            yu[n - 1] = 0.0;
            --n;
            entfernt = true;
            TracePrintf("\nnach:i %d  j %d  yi %6.2f  yi+1 %6.2f", i, n, yu[i], yu[i + 1]);
        }
        if (!entfernt || yu[i + 1] - yu[i] > kMergeTol || n == i + 1) {
            ++i;
        }
    }
    return n;
}

} // namespace

int C1ZirfCalc::CompareSchichtTiefe(const void* a, const void* b) {
    const double ya = static_cast<const C1Schicht*>(a)->yu;
    const double yb = static_cast<const C1Schicht*>(b)->yu;
    if (std::fabs(ya - yb) < kSortTol) {
        return 0;
    }
    return ya < yb ? -1 : 1;
}

int C1ZirfCalc::ClearSchichten() {
    for (std::size_t i = 0; i < Schicht.Plaetze(); ++i) {
        C1Schicht& s = Schicht[static_cast<long long>(i)];
        std::string bez = s.bez;
        std::string kurz = s.kurz;
        s = C1Schicht{};
        s.bez = bez;
        s.kurz = kurz;
    }
    return 1;
}

int C1ZirfCalc::InitSchichten() {
    const C1ZirfInput& in = *pInput;
    PruefeEingabe();
    kombiRelevant.assign(in.kombi.size(), 0);
    nwwand = in.nwwand;
    status = ClearSchichten();
    iErsteSchicht = -1;

    // Boundaries: the bottoms of the input layers, the extra boundaries, the anchor and the
    // compaction breakpoints.
    std::vector<double> grenzen;
    double summe = 0.0;
    for (int k = 0; k < in.nSchicht; ++k) {
        const auto& s = Eingabeschicht(in, k);
        summe += s.sd;
        grenzen.push_back(summe);
        if (iErsteSchicht < 0 && (s.gamma > 0.0 || s.gamma_feucht > 0.0)) {
            iErsteSchicht = k;
            yGelaende = summe - s.sd;
        }
    }
    yModellUnten = summe + kModellZuschlag;
    nZusatzGrenzen = 0;
    zusatzGrenze = {};
    zusatzGrenze[nZusatzGrenzen++] = in.wand_hw;
    zusatzGrenze[nZusatzGrenzen++] = in.wand_hw / 2.0;
    zusatzGrenze[nZusatzGrenzen++] = yModellUnten;
    for (const double w : {in.tgh, in.tgv}) {
        if (w < yModellUnten) {
            zusatzGrenze[nZusatzGrenzen++] = w;
        }
    }
    // The redistributed earth pressure of an anchored wall changes half way down the
    // retained soil, which begins at the ground.
    if (yGelaende > 0.0 && yGelaende < in.wand_hw) {
        zusatzGrenze[nZusatzGrenzen++] = (yGelaende + in.wand_hw) / 2.0;
    }
    for (int k = 0; k < nZusatzGrenzen; ++k) {
        grenzen.push_back(zusatzGrenze[k]);
    }
    if (in.mitanker > 0) {
        grenzen.push_back(in.tiefe_anker);
        yAnker = in.tiefe_anker;
    }
    ClearVerdichtung();
    if (in.mitverd == 1) {
        status = CalcVerdichtung();
        std::vector<double> knicke;
        if (in.geraet == 0) {
            knicke = {verdTiefe[1], verdTiefe[2], verdTiefe[3]};
        }
        if (mitVerdichtung2) {
            knicke.push_back(verdTiefe2[1]);
            knicke.push_back(verdTiefe2[2]);
        }
        for (const double y : knicke) {
            grenzen.push_back(y);
            yModellUnten = std::max(yModellUnten, y);
        }
    }
    tgh = in.tgh;
    tgv = in.tgv;
    tgMax = tgh >= tgv ? tgh : tgv;

    // The wall head is a boundary too: one at or within the merge tolerance below it (a
    // water level there, or a single soil layer without thickness) would open a layer
    // without height.
    std::erase_if(grenzen, [](double y) { return y <= kMergeTol; });
    std::sort(grenzen.begin(), grenzen.end());
    int n = static_cast<int>(grenzen.size());
    for (int i = 0; i < n; ++i) {
        TracePrintf("\nSort: i %d  yo %6.2f  yu %6.2f", i, 0.0,
                    grenzen[static_cast<std::size_t>(i)]);
    }
    grenzen.push_back(0.0);
    n = MergeGrenzen(grenzen, n);
    if (n + 1 > static_cast<int>(zirf::kMaxSchichten)) {
        throw C1Exception("Die Eingabe ergibt " + std::to_string(n + 1) +
                              " Berechnungsschichten; die Berechnung hat höchstens " +
                              std::to_string(zirf::kMaxSchichten) +
                              " (Bodenschichten, Aushubsohle, Wasserstände, Anker und "
                              "Verdichtungstiefen zusammen).",
                          "C1ZirfCalc::InitSchichten");
    }
    for (int j = 0; j < n; ++j) {
        C1Schicht& s = Schicht[j];
        s.yu = grenzen[static_cast<std::size_t>(j)];
        s.yo = j == 0 ? 0.0 : Schicht[j - 1].yu;
        TracePrintf("\njj %d  yo %6.2f  yu %6.2f", j, s.yo, s.yu);
    }

    // Wall line and soil data: the wall runs through the points (Σ deltax/100, Σ sd).
    int c = 0;
    double xAlt = 0.0, yAlt = 0.0;
    double xP = Eingabeschicht(in, 0).deltax / 100.0;
    double yP = Eingabeschicht(in, 0).sd <= kMinDicke ? yModellUnten : Eingabeschicht(in, 0).sd;
    gerade.SetPunkte(xAlt, yAlt, xP, yP);
    for (int j = 0; j < n; ++j) {
        C1Schicht& s = Schicht[j];
        while (s.yu > yP) {
            if (c < in.nSchicht - 1) {
                ++c;
                xAlt = xP;
                yAlt = yP;
                xP += Eingabeschicht(in, c).deltax / 100.0;
                yP += Eingabeschicht(in, c).sd;
                gerade.SetPunkte(xAlt, yAlt, xP, yP);
            } else {
                yP = std::max(yModellUnten, s.yu);
            }
        }
        const auto& e = Eingabeschicht(in, c);
        s.bez = e.bez;
        s.kurz = e.kurz;
        s.gamma = e.gamma;
        s.gammaUnter = GammaUnter(e);
        s.phi = e.phi;
        s.delta = e.delta;
        s.deltp = e.deltp;
        s.coh = e.coh;
        C1Schicht& naechste = Schicht[j + 1];
        naechste.phi = e.phi;
        naechste.coh = e.coh;
        naechste.bez = e.bez;
        schnittpunkt.Calc(gerade.GetA(), gerade.GetB(), gerade.GetC(), 0.0, -1.0, s.yu);
        s.xu = schnittpunkt.GetX();
        naechste.xo = s.xu;
        naechste.yo = s.yu;
        s.dicke = s.yu - s.yo;
        s.dx = s.xu - s.xo;
        s.alphaRad = std::atan2(s.xo - s.xu, s.dicke);
        s.alphaGrad = s.alphaRad * GradFaktor;
        s.xWand = s.xu;
        s.yWand = s.yu;
    }

    // The extension layer below the model bottom: no height until the foot reaches it.
    iLetzteSchicht = n;
    C1Schicht& letzte = Schicht[n];
    letzte.yu = letzte.yo;
    letzte.xu = letzte.xo;
    letzte.xWand = letzte.xo;
    letzte.yWand = letzte.yo;

    if (in.mitverd == 1) {
        status = CalcVerdichtungSchichten();
    }
    return 1;
}

void C1ZirfCalc::InitGeometrie() {
    const C1ZirfInput& in = *pInput;
    iErsteSchicht = -1;
    iSchichtAushub = -1;
    double y = 0.0;
    while (y + kMergeTol < in.wand_hw && iSchichtAushub < iLetzteSchicht) {
        ++iSchichtAushub;
        C1Schicht& s = Schicht[iSchichtAushub];
        y += s.dicke;
        s.gammaEff = tgh < y ? s.gammaUnter : s.gamma;
        if (iErsteSchicht < 0 && s.gammaEff > 0.0) {
            iErsteSchicht = iSchichtAushub;
        }
    }
    if (iErsteSchicht < 0) {
        throw C1Exception("Oberhalb der Aushubsohle (geom wand_hw = " + std::to_string(in.wand_hw) +
                              " m) liegt keine Bodenschicht mit einer Wichte größer als 0 "
                              "(bode gruppe gamma, gamma_feucht).",
                          "C1ZirfCalc::InitGeometrie");
    }
    const double tanWand = std::tan(in.wand_neigung / GradFaktor);
    if (iErsteSchicht == 0) {
        xGelaende = yGelaende = 0.0;
    } else {
        yGelaende = Schicht[iErsteSchicht].yo;
        xGelaende = tanWand * yGelaende;
    }
    if (in.mitberme == 1) {
        const double tanGelaende = std::tan(in.gela_neigung / GradFaktor);
        xBerme = in.berme_abstand;
        yBerme = yGelaende - (in.berme_abstand - xGelaende) * tanGelaende;
        yBermeOben = yBerme - in.berme_dicke;
        C1Gerade oben, boeschung;
        oben.SetSteigungPunkt(-tanGelaende, xBerme, yBermeOben);
        boeschung.SetSteigungPunkt(-std::tan(in.berme_neigung / GradFaktor), xBerme, yBerme);
        schnittpunkt.Calc(oben.GetA(), oben.GetB(), oben.GetC(), boeschung.GetA(), boeschung.GetB(),
                          boeschung.GetC());
        xBermeFuss = schnittpunkt.GetX();
        yBermeFuss = schnittpunkt.GetY();
    }
    // Below the excavation level the soil lies on both sides of the wall: behind it its
    // weight follows the water level behind the wall, as above, in front of it the level
    // in front.
    iSchichtUnten = iSchichtAushub + 1;
    for (int i = iSchichtUnten; i <= iLetzteSchicht; ++i) {
        C1Schicht& s = Schicht[i];
        y += s.dicke;
        s.gammaEff = tgh < y ? s.gammaUnter : s.gamma;
        s.gammaEffVorn = tgv < y ? s.gammaUnter : s.gamma;
    }
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1Schicht& s = Schicht[i];
        s.xo = tanWand * s.yo;
        s.xoVorn = s.xo - 0.1;
        s.xu = tanWand * s.yu;
        s.xuVorn = s.xu - 0.1;
    }
    PruefeWichten();
}

int C1ZirfCalc::ExtendLetzteSchicht() {
    C1Schicht& s = Schicht[iLetzteSchicht];
    if (t > s.yu) {
        s.yu = t + 1.0;
        s.dicke = s.yu - s.yo;
        s.xu = std::tan(pInput->wand_neigung / GradFaktor) * s.dicke + s.xo;
        s.xWand = s.xu;
        s.yWand = s.yu;
    }
    return 1;
}

int C1ZirfCalc::ClearErgebnisse() {
    aktivVorUmlagerung.clear();
    lastAktiv.Clear();
    lastPassiv.Clear();
    ErgLastfall.Clear();
    ErgAktiv.Clear();
    ErgBerme.Clear();
    ErgBermeUnten.Clear();
    Blocklast.Clear();
    Ausbreitung.Clear();
    ErgBlockOben.Clear();
    ErgBlockUnten.Clear();
    BlockSchicht.Clear();
    ErgLinie.Clear();
    LinieSchicht.Clear();
    ErgPassiv.Clear();
    ErgSchicht.Clear();
    return 1;
}

int C1ZirfCalc::ClearErgebnisseTGF() {
    ErgLastfallTGF.Clear();
    ErgAktivTGF.Clear();
    ErgBermeTGF.Clear();
    ErgBermeUntenTGF.Clear();
    BlocklastTGF.Clear();
    AusbreitungTGF.Clear();
    ErgBlockObenTGF.Clear();
    ErgBlockUntenTGF.Clear();
    BlockSchichtTGF.Clear();
    ErgLinieTGF.Clear();
    LinieSchichtTGF.Clear();
    return 1;
}
