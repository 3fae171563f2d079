#include "design/C1BemessungBeton.h"

#include "base/Numerik.h"
#include "host/C1QEL.h"
#include "platform/C1Exception.h"
#include "sectionlib/Beton.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int kDin1045 = 1;
constexpr int kDin1045_1 = 3;
constexpr int kSia = 4;
constexpr int kNorm5 = 5;
constexpr int kEn1992 = 6;
constexpr int kNichtVerfuegbar = 50;
constexpr double kOhneKraft = 0.0001;
constexpr double kE1OhneAufruf = 99.0;

bool Aussergewoehnlich(int situation) {
    return situation >= 2 && situation <= 5;
}

// The section's places 1 .. 9 as the library records hold them; a host may give the
// object more dimension places than the shapes use.
void Abmessungen(C1Bemessung& b, float (&d)[9]) {
    std::vector<float> alle(static_cast<std::size_t>(std::max(b.nDim, 10)), 0.0f);
    b.CopyDimensionenF(alle.data(), 1);
    std::copy_n(alle.begin(), 9, d);
}

// Every input of the strain-plane call, in one key.
std::vector<double> Schluessel(const MasqueEingabe& e, bool mauerwerk) {
    std::vector<double> k = {static_cast<double>(e.iNorm),
                             static_cast<double>(e.NormVariante),
                             static_cast<double>(e.Modus),
                             static_cast<double>(e.iKurven),
                             e.faktor,
                             e.fcd,
                             e.epsC2,
                             e.epsCu,
                             e.betonWert,
                             e.nPar,
                             e.fyd,
                             e.epsSu,
                             e.epsYd,
                             e.stahlWert,
                             e.stahlFaktor,
                             e.N,
                             e.My,
                             e.Mz,
                             static_cast<double>(e.iQuer),
                             static_cast<double>(e.iAnordnung),
                             static_cast<double>(e.iAnordnung1),
                             static_cast<double>(e.iAnordnung2),
                             e.dAnordnung1,
                             e.dAnordnung2,
                             e.d2y,
                             e.d1y,
                             e.d1z,
                             e.d2z,
                             e.c1,
                             e.c2,
                             e.schritt,
                             e.grenze,
                             static_cast<double>(e.iFlag),
                             mauerwerk ? 1.0 : 0.0};
    for (float v : e.d) {
        k.push_back(v);
    }
    for (const auto& kurve : e.kurven) {
        for (float v : kurve) {
            k.push_back(v);
        }
    }
    return k;
}

// The width of the web that the beam's minimum reinforcement is measured on: a
// rectangle's own width (its third dimension is its depth), for the other shapes the
// narrower part of the section that its third dimension gives.
double Stegbreite(const C1Quer& q) {
    return q.iQuer == 1 || q.iQuer == 11 ? q.GetBreite() : q.GetDimension3();
}

} // namespace

int C1BemessungBeton::CalcBiegung(const C1BiegeLast& last, C1BiegeErg& erg, int mit) {
    erg = C1BiegeErg{};
    const int s = last.situation;
    double N = last.N;
    double M = last.M;
    if (Modus != 0) {
        C1MasqueLast ml;
        ml.N = N;
        (last.achse == 1 ? ml.My : ml.Mz) = M;
        ml.situation = s;
        ml.grenze = 9.0;
        C1MasqueErg me;
        const int status = CalcBiegungNormalkraft(ml, me, mit);
        erg.w[1] = me.As;
        erg.w[2] = erg.w[3] = me.As / 2.0;
        if (iNorm != kSia) {
            erg.w[5] = me.e[3];
            erg.w[6] = me.e[4];
            erg.w[9] = me.e[5];
        }
        erg.w[10] = me.ratio;
        erg.status = status;
        if (iNorm != kDin1045) {
            erg.w[13] = std::fabs(last.achse == 1 ? me.e[1] : me.e[2]) * 0.001;
        }
        const char* key = iNorm == kDin1045     ? "DIN1045Masque"
                          : iNorm == kDin1045_1 ? "DIN1045_1Masque"
                          : iNorm == kSia       ? "SIABetonMasque"
                          : iNorm == kNorm5     ? "SCBetonMasque"
                                                : "EC2";
        erg.text = GetReportText(key, status);
        if (erg.text.empty() && status != 0) {
            erg.text = me.text;
        }
        return status;
    }

    if (last.achse == 2 && Quer.iQuer == 2) {
        // Only the rectangle turns by exchanging its sides; the routine knows the T-section
        // about its y axis alone and would answer for the wrong axis.
        erg.status = beton::kFormNicht;
        erg.text = "Biegebemessung: ein Plattenbalken wird nur um die y-Achse bemessen; um die "
                   "z-Achse mit der Bemessung mit Längskraft";
        return erg.status;
    }
    BiegeEingabe ein;
    ein.iNorm = iNorm;
    ein.NormVariante = NormVariante;
    double f = 0.0;
    if (iNorm == kDin1045) {
        f = BetonSorte.fck;
    } else if (iNorm == kSia) {
        f = BetonSorte.fck;
        N *= BetonSorte.gammaC;
        M *= BetonSorte.gammaC;
    } else if (bMauerwerk) {
        f = BetonSorte.fck / (Aussergewoehnlich(s) ? BetonSorte.gammaCA : BetonSorte.gammaC);
    } else {
        f = fcd(s == 2);
    }
    ein.M = static_cast<float>(M);
    ein.N = static_cast<float>(N);
    ein.Typ = iNorm == kDin1045 ? BetonSorte.Typ : 'N';
    ein.f = static_cast<float>(f);
    ein.fyk = static_cast<float>(StahlBiegung.fyk);
    if (iNorm != kDin1045) {
        ein.Es = static_cast<float>(StahlBiegung.Es);
        ein.epsYd = static_cast<float>(StahlBiegung.epsYd);
        ein.epsSu = static_cast<float>(StahlBiegung.epsSu);
        ein.epsCu = (bMauerwerk || iNorm == kSia || iNorm == kNorm5)
                        ? 3.5f
                        : static_cast<float>(BetonSorte.epsCu);
    }
    ein.iQuer = Quer.iQuer;
    float d[9] = {};
    Abmessungen(*this, d);
    if (last.achse == 2 && Quer.iQuer == 1) {
        std::swap(d[0], d[1]);
    }
    std::memcpy(ein.d, d, sizeof d);
    if (iNorm == kDin1045) {
        ein.iRiss1 = Riss.i1;
    }
    ein.iRiss2 = Riss.i2;
    ein.d1 = static_cast<float>(last.achse == 2 ? Quer.d1z : Quer.d1y);
    ein.d2 = static_cast<float>(last.achse == 2 ? Quer.d2z : Quer.d2y);

    BiegeAusgabe aus;
    const int status = BiegeCalc(ein, aus);
    double As1 = aus.As1;
    double As2 = aus.As2;
    if (iNorm == kSia && (Quer.iAnordnung == 1 || Quer.iAnordnung == 2) &&
        0.006 * Quer.A > As1 + As2) {
        As1 = As2 = 0.003 * Quer.A;
    }
    erg.w[0] = aus.w;
    erg.w[1] = As1 + As2;
    erg.w[2] = As1;
    erg.w[3] = As2;
    if (iNorm == kDin1045) {
        erg.w[4] = aus.r2;
        erg.w[7] = aus.r5;
    } else {
        erg.w[5] = aus.r2;
        erg.w[6] = aus.r3;
        erg.w[8] = aus.r4;
        erg.w[9] = aus.r5;
        erg.w[11] = aus.r7;
    }
    erg.w[10] = aus.r6;
    if (iNorm == kDin1045_1) {
        erg.w[12] = aus.r8;
    }
    erg.status = status;
    if (iNorm == kSia) {
        erg.Lohse = 0;
    }
    const char* key = iNorm == kDin1045  ? "DIN1045Biege"
                      : iNorm == kEn1992 ? "EC2_Biege"
                                         : "DIN1045_1Biege";
    erg.text = GetReportText(key, status);
    if (erg.text.empty() && status != 0) {
        erg.text = aus.text;
    }
    return status;
}

int C1BemessungBeton::CalcBiegungWerte(double N, double M, int situation, int achse, double& As1,
                                       double& As2, double& w10, double& w11) {
    BiegeLast.N = N;
    BiegeLast.M = M;
    BiegeLast.situation = situation;
    BiegeLast.achse = achse;
    const int status = CalcBiegung(BiegeLast, BiegeErg, 1);
    As1 = BiegeErg.w[2];
    As2 = BiegeErg.w[3];
    w10 = BiegeErg.w[10];
    w11 = BiegeErg.w[11];
    return status;
}

int C1BemessungBeton::CalcBiegungNormalkraft(const C1MasqueLast& last, C1MasqueErg& erg, int mit) {
    erg = C1MasqueErg{};
    if (Quer.A <= 0.0) {
        // The minimum and maximum rules and the ratio need the area of the section.
        CalcQuerschnitt();
    }
    const int s = last.situation;
    // 1. Strains.
    double epsC2 = BetonSorte.epsC2;
    if (iNorm == kDin1045) {
        epsC2 = -2.0;
    }
    if (bMauerwerk || iNorm == kSia) {
        epsC2 = -2.2;
    }
    if ((iNorm == kDin1045_1 || iNorm == kSia) && BetonSorte.fck > 60.0) {
        epsC2 = -2.0;
    }
    const double epsCu = BetonSorte.epsCu;
    // 2. Strengths.
    double fc = 0.0;
    double fy = 0.0;
    if (iNorm == kDin1045 || iNorm == kSia || bMauerwerk) {
        const double alpha = iNorm == kDin1045 ? 1.0 : 0.85;
        fc = alpha * BetonSorte.fck / BetonSorte.gammaC;
        fy = StahlBiegung.fyk / StahlBiegung.gammaS;
        if (Aussergewoehnlich(s)) {
            fc = BetonSorte.fck / BetonSorte.gammaCA;
            fy = StahlBiegung.fyk / StahlBiegung.gammaSA;
        }
    } else {
        fc = fcd(s == 2);
        fy = StahlBiegung.fyk / (s == 2 ? StahlBiegung.gammaSA : StahlBiegung.gammaS);
    }
    double N = last.N, My = last.My, Mz = last.Mz;
    if (iNorm == kSia) {
        fy = StahlBiegung.fyk;
        fc = BetonSorte.fck;
        N *= BetonSorte.gammaC;
        My *= BetonSorte.gammaC;
        Mz *= BetonSorte.gammaC;
    }
    double grenze = last.grenze;
    if (iNorm == kSia || iNorm == kNorm5) {
        grenze = 20.0;
    }
    const bool code3ohne = iNorm == kDin1045_1 && !bMauerwerk;

    // 4. The record of the strain-plane routine.
    MasqueEingabe ein;
    ein.iNorm = iNorm;
    if (iNorm == kEn1992) {
        ein.NormVariante = NormVariante;
    }
    ein.Modus = Modus;
    const bool kurven = pKurve[0] != nullptr || pKurve[1] != nullptr || pKurve[2] != nullptr ||
                        pKurve[3] != nullptr;
    ein.iKurven = (iNorm == kEn1992 && kurven) ? 1 : 0;
    ein.faktor = Modus != 1 ? 0.0f : iNorm == kDin1045 ? 1.001f : iNorm == kSia ? 1.0f : 1.0001f;
    ein.fcd = static_cast<float>(fc);
    ein.epsC2 = static_cast<float>(epsC2);
    ein.epsCu = static_cast<float>(epsCu);
    if (code3ohne || iNorm == kEn1992) {
        ein.betonWert =
            static_cast<float>(iNorm == kDin1045_1 ? last.betonWert : BetonSorte.biegeWert);
        ein.nPar = static_cast<float>(iNorm == kEn1992 ? BetonSorte.nPar : 2.0);
    }
    ein.fyd = static_cast<float>(fy);
    ein.epsYdNeg = static_cast<float>(-StahlBiegung.epsYd);
    ein.epsSu = static_cast<float>(StahlBiegung.epsSu);
    ein.epsYd = static_cast<float>(StahlBiegung.epsYd);
    ein.stahlWert = static_cast<float>(iNorm == kDin1045_1 ? last.stahlWert : StahlBiegung.wert);
    ein.stahlFaktor = 1.0f;
    if (ein.iKurven == 1) {
        const double bezug = s == 2 ? pKurve[0]->w[9] : pKurve[0]->w[8];
        for (int k = 0; k < 4; ++k) {
            const C1Werkstoffkurve* c = pKurve[k];
            if (c == nullptr) {
                continue;
            }
            const C1Werkstoffkurve* ref = k == 0 ? pKurve[0] : pKurve[1];
            const double r = ref != nullptr ? (s == 2 ? ref->w[9] : ref->w[8]) : bezug;
            const double werte[6] = {c->w[1] / r, c->w[4], c->w[5], c->w[4], c->w[6], c->w[10]};
            for (int j = 0; j < 6; ++j) {
                ein.kurven[k][j] = static_cast<float>(werte[j]);
            }
        }
    }
    ein.N = static_cast<float>(N);
    ein.My = static_cast<float>(My);
    ein.Mz = static_cast<float>(Mz);
    ein.iQuer = Quer.iQuer;
    ein.iAnordnung = Quer.iAnordnung;
    ein.iAnordnung1 = Quer.iAnordnung1;
    ein.iAnordnung2 = Quer.iAnordnung2;
    ein.dAnordnung1 = static_cast<float>(Quer.dAnordnung1);
    ein.dAnordnung2 = static_cast<float>(Quer.dAnordnung2);
    Abmessungen(*this, ein.d);
    ein.d2y = static_cast<float>(Quer.d2y);
    ein.d1y = static_cast<float>(Quer.d1y);
    ein.d1z = static_cast<float>(Quer.d1z);
    ein.d2z = static_cast<float>(Quer.d2z);
    ein.c1 = static_cast<float>(last.c1);
    ein.c2 = static_cast<float>(last.c2);
    if (code3ohne || iNorm == kNorm5 || iNorm == kEn1992) {
        ein.schritt = 0.01f;
    } else if (iNorm == kDin1045) {
        ein.schritt = 0.5f;
    } else if (bMauerwerk) {
        ein.schritt = N >= 0.0 ? 0.5f : 0.2f;
    } else {
        ein.schritt = 0.1f;
    }
    ein.grenze = static_cast<float>(grenze);
    ein.iFlag = (code3ohne || iNorm == kNorm5 || iNorm == kEn1992) ? 1 : 0;

    // 3., 5., 6. The call, or the result kept for the same inputs.
    C1MasqueEintrag eintrag;
    if (std::fabs(N) + std::fabs(My) + std::fabs(Mz) > kOhneKraft) {
        const std::vector<double> key = Schluessel(ein, bMauerwerk);
        const auto gefunden = Ergebnisse.find(key);
        if (gefunden != Ergebnisse.end()) {
            eintrag = gefunden->second;
        } else {
            MasqueAusgabe aus;
            const int trace = C1QEL::IsDeveloper() ? 10 : 0;
            const int sia = (iNorm == kSia || iNorm == kNorm5) ? 1 : 0;
            int status = CalcBEMEMASQUE(trace, sia, ein, aus);
            if (Modus == 1) {
                const double limit = iNorm == kDin1045 ? 1.5 : ein.grenze;
                while (status == beton::kNichtKonvergiert && limit > ein.schritt + 0.1f) {
                    ein.schritt += 0.1f;
                    status = CalcBEMEMASQUE(trace, sia, ein, aus);
                }
            }
            eintrag.As = aus.As;
            eintrag.wert2 = aus.wert2;
            for (int i = 0; i < 7; ++i) {
                eintrag.e[i] = aus.e[i];
            }
            if (bMauerwerk) {
                eintrag.e[6] = 0.0;
            }
            eintrag.status = status;
            eintrag.text = aus.text;
            Ergebnisse[key] = eintrag;
        }
    } else {
        eintrag.e[0] = kE1OhneAufruf;
    }

    double As = eintrag.As;
    int status = eintrag.status;
    // 7. Minimum and maximum reinforcement of a design. A design that failed keeps its
    // area of 0: a minimum area beside a failure would read like a result.
    if (Modus == 1 && status == beton::kOk) {
        const double A = Quer.A;
        const double Nabs = std::fabs(N);
        const bool stuetze =
            Quer.bMindestBew != 0 && (Quer.iAnordnung != 0 || (iNorm != kDin1045 && !bMauerwerk));
        if (stuetze) {
            double maximum = 0.0;
            const bool d3 = Quer.iQuer == 1 && Quer.D(3) == 1.0;
            if (iNorm == kDin1045) {
                As = MaxDouble(3, As, 0.15 * Nabs / (fy * 0.1), 0.003 * A);
                maximum = 0.08 * A;
            } else if (iNorm == kDin1045_1) {
                double minimum = 0.0;
                if (d3) {
                    minimum = Nabs > 0.3 * A * fc * 0.1 ? 0.003 * A : 0.0015 * A;
                    maximum = 0.04 * A;
                } else {
                    minimum = 0.15 * Nabs / (fy * 0.1);
                    maximum = 0.09 * A;
                }
                if (mit == 0) {
                    minimum = 0.0;
                }
                if (status == 0 && minimum > As) {
                    status = 52;
                }
                As = std::max(minimum, As);
            } else if (iNorm == kSia || iNorm == kNorm5) {
                double minimum = 0.006 * A;
                if (iNorm == kNorm5) {
                    minimum = d3 ? Nabs * fcd(false) * 0.1 * 0.006 : minimum;
                    if (mit == 0) {
                        minimum = 0.0;
                    }
                }
                As = MaxDouble(2, As, minimum);
                maximum = 0.08 * A;
                if (As > maximum) {
                    status = 51;
                }
            } else if (iNorm == kEn1992) {
                maximum = NormVariante == 1 ? 0.09 * A : 0.08 * A;
                double minKraft = NormVariante == 1 ? 0.15 * Nabs / (fy * 0.1) : Nabs / fy;
                double minFlaeche = 0.002 * A;
                if (mit == 0) {
                    minKraft = minFlaeche = 0.0;
                }
                As = MaxDouble(3, As, minKraft, minFlaeche);
            }
            if (status == 0 && As > 0.99 * maximum) {
                status = 3;
            }
        } else {
            const bool ohneMasse =
                iNorm == kDin1045 || iNorm == kSia || iNorm == kNorm5 || bMauerwerk;
            const double w = ohneMasse ? 0.0 : Stegbreite(Quer);
            const double h = ohneMasse ? 0.0 : Quer.GetHoehe();
            const double maximum = iNorm == kEn1992 ? 0.08 * A : 0.04 * A;
            double min1 = 0.0015 * w * h;
            double min2 = 0.6 * w / StahlBiegung.fyk;
            if (iNorm == kEn1992) {
                min1 = 0.0013 * w * h;
                min2 = 0.26 * w * h * BetonSorte.fctm / StahlBiegung.fyk;
            }
            if (mit == 0 && iNorm != kDin1045 && iNorm != kSia) {
                min1 = min2 = 0.0;
            }
            As = MaxDouble(3, As, min1, min2);
            if (status == 0 && As > maximum) {
                status = (iNorm == kSia || iNorm == kNorm5) ? 51 : 3;
            }
        }
    }

    // 8. The result.
    erg.status = status;
    erg.As = As;
    erg.ratio = static_cast<float>(Quer.A > 0.0 ? As * 100.0 / Quer.A : 0.0);
    for (int i = 0; i < 7; ++i) {
        erg.e[i] = eintrag.e[i];
    }
    const char* key = iNorm == kDin1045  ? "DIN1045Masque"
                      : iNorm == kEn1992 ? "EC2Masque"
                                         : "DIN1045_1Masque";
    erg.text = GetReportText(key, status);
    if (erg.text.empty() && eintrag.status != 0) {
        erg.text = eintrag.text;
    }
    return status;
}

int C1BemessungBeton::LohseCalc(const C1BiegeLast&, C1BiegeErg& erg) {
    Verweigern("LohseCalc", true, true);
    // The method's factor is not at hand: no design, never a zero area.
    erg.status = kNichtVerfuegbar;
    erg.text = GetReportText(iNorm == kEn1992 ? "EC2Biege" : "DIN1045_1Biege",
                             iNorm == kEn1992 ? kNichtVerfuegbar : 0);
    if (erg.text.empty()) {
        erg.text = "Bemessung nach Lohse nicht verfügbar";
    }
    return kNichtVerfuegbar;
}
