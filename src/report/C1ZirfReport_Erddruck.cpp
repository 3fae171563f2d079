// The characteristic earth-pressure tables: of the wall (actions and resistances) and
// of the equivalent wall of the deep slip line. Both chapters are one writer driven by
// the run's tables and by the few rules in which the equivalent wall differs.

#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1RTFX.h"
#include "report/C1ZeilenFormat.h"
#include "report/C1ZirfReport.h"
#include "report/ReportSicht.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Rows by their string-table entry.
constexpr int kBeiwerteTitel = 114;
constexpr int kBeiwerteKopf = 115;
constexpr int kBeiwerteKopfRuhe = 120;
constexpr int kBeiwerteEinheiten = 116;
constexpr int kBeiwerteZeile = 118;
constexpr int kStaendigTitel = 88;
constexpr int kStaendigKopf = 85;
constexpr int kStaendigEinheiten = 86;
constexpr int kStaendigZeile = 87;
constexpr int kPassivTitel = 89;
constexpr int kPassivKopf = 90;
constexpr int kPassivEinheiten = 91;
constexpr int kPassivZeile = 92;
constexpr int kVeraenderlichTitel = 96;
constexpr int kVeraenderlichKopf = 97;
constexpr int kVeraenderlichEinheiten = 98;
constexpr int kVeraenderlichZeile = 99;
constexpr int kBermeTitel = 132;
constexpr int kBermeAbschnitte = 137;
constexpr std::array kBermeKopf = {133, 134, 135};
constexpr int kBermeZeile = 136;
constexpr std::array kBlockVertikalKopf = {138, 139, 140, 141};
constexpr int kBlockVertikalZeile = 142;
constexpr std::array kBlockHorizontalKopf = {144, 145, 146, 150};
constexpr int kBlockHorizontalZeile = 147;
constexpr std::array kLinieKopf = {153, 154, 155, 156};
constexpr int kLinieZeile = 157;
constexpr std::array kVerdichtungKopf = {415, 416};
constexpr int kVerdichtungZeile = 417;
constexpr std::array kWasserKopf = {206, 207, 208};
constexpr int kWasserZeile = 209;

// Modes of the earth pressure on the passive side: from 2 on, at rest.
constexpr int kErdruhedruck = 2;
// Water levels closer than this make no excess water pressure.
constexpr double kWasserToleranz = 0.01;
// A part of a figure that does not exist shows blanks in its cells.
constexpr const char* kLeer = "     ";

// The rules in which the equivalent wall's chapter differs from the wall's.
struct Kapitel {
    ReportSicht::ErddruckLauf lauf;
    int schalterBeiwerte;
    int schalterOrdinaten;
    C1TemplateBlock titelBlock;
    C1TemplateBlock beiwerteBlock;
    bool ersatzwand;
};

// A depth printed as a level, and a pressure printed with its sign changed; a zero
// stays a plain zero.
double Negativ(double value) {
    return 0.0 - value;
}

std::string Zelle(double value) {
    const C1Wert wert(value);
    return FormatZeile("%6.2f", std::span<const C1Wert>(&wert, 1));
}

void Zeilen(C1RTFX& rtf, std::span<const int> ids) {
    for (const int id : ids) {
        rtf.WriteEintrag(id);
    }
}

class ErddruckTabellen {
public:
    ErddruckTabellen(C1QEL& qel, C1RTFX& rtf, const C1ZirfCalc& calc, const C1ZirfInput& in,
                     const Kapitel& kapitel)
        : qel(qel), rtf(rtf), calc(calc), in(in), k(kapitel), nL(ReportSicht::iLetzte(calc) + 1),
          iLetzte(ReportSicht::iLetzte(calc)), iGammaPos(ReportSicht::iGammaPos(calc)) {}

    void Schreiben() {
        if (k.schalterBeiwerte == 1) {
            Beiwerte();
        }
        if (k.schalterOrdinaten == 1) {
            Ordinaten();
        }
        // The water pressure has a switch of its own; it acts on the wall only.
        if (!k.ersatzwand) {
            Wasser();
        }
    }

private:
    const C1Schicht& S(int i) const { return ReportSicht::Schicht(calc, i); }
    const C1SchichtErgebnis& Aktiv(int fall, int i) const { return (*k.lauf.aktiv)[fall * nL + i]; }

    // The earth-pressure tables of the switch of ordinates.
    void Ordinaten() {
        Staendig();
        Veraenderlich();
        if (in.mitberme == 1) {
            Berme();
        }
        BlockVertikal();
        BlockHorizontal();
        Linien();
        if (k.ersatzwand) {
            return;
        }
        if (in.mitverd == 1) {
            Verdichtung();
        }
        Passiv();
    }

    void Beiwerte() {
        rtf.ReadTemplate(k.titelBlock);
        rtf.WriteZeile(1);
        rtf.ReadTemplate(k.beiwerteBlock);
        rtf.WriteEintrag(kBeiwerteTitel);
        const bool ruhe = k.ersatzwand && calc.nwwand >= kErdruhedruck;
        rtf.WriteEintrag(ruhe ? kBeiwerteKopfRuhe : kBeiwerteKopf);
        rtf.WriteEintrag(kBeiwerteEinheiten);
        const ReportSicht::ErddruckLauf& l = k.lauf;
        for (int i = 0; i < iLetzte; ++i) {
            const C1Schicht& s = S(i);
            // A layer without soil has no coefficients.
            if (s.gammaEff == 0.0) {
                continue;
            }
            rtf.WriteEintrag(kBeiwerteZeile,
                             {i + 1, s.*l.theta, s.*l.kagh, s.*l.kaph, s.*l.kach, s.*l.kahm,
                              s.*l.k0gh, s.*l.k0ph, s.*l.kpgh, s.*l.kpph, s.*l.kpch});
        }
        rtf.EndRow();
    }

    void Staendig() {
        rtf.ReadTemplate(ReportBlocks::kStaendigeLasten);
        rtf.WriteEintrag(kStaendigTitel);
        rtf.WriteEintrag(kStaendigKopf);
        rtf.WriteEintrag(kStaendigEinheiten);
        // The permanent surcharge: the records of the first surcharge load case.
        const int lfStaendig = ReportSicht::LastfallAuflast(in, 0);
        double q = 0.0;
        for (int j = 0; j < ReportSicht::NAuflast(in); ++j) {
            const auto& last = ReportSicht::Auflast(in, j);
            q += last.lf == lfStaendig ? last.v : 0.0;
        }
        // The equivalent wall stands where the inclined ground lies higher or lower.
        const double zuschlag =
            k.ersatzwand ? ReportSicht::xD(calc) * std::tan(in.gela_neigung / calc.GradFaktor)
                         : 0.0;
        double z = -zuschlag;
        double sigma = q;
        for (int i = 0; i < iLetzte; ++i) {
            const C1Schicht& s = S(i);
            const C1SchichtErgebnis& a = Aktiv(0, i);
            const C1SchichtErgebnis& b = Aktiv(1, i);
            const double ech = ReportSicht::Ech(s);
            rtf.WriteEintrag(kStaendigZeile,
                             {i + 1, Negativ(z), sigma, a.eohAktiv + b.eohAktiv,
                              a.eohRuhe + b.eohRuhe, Negativ(ech), a.eohMin + b.eohMin, a.eoh});
            z += s.dicke + (i == iGammaPos ? zuschlag : 0.0);
            sigma = q + s.sigmaA;
            rtf.WriteEintrag(kStaendigZeile,
                             {i + 1, Negativ(z), sigma, a.euhAktiv + b.euhAktiv,
                              a.euhRuhe + b.euhRuhe, Negativ(ech), a.euhMin + b.euhMin, a.euh});
        }
        rtf.EndRow();
    }

    void Veraenderlich() {
        const int nFaelle = ReportSicht::NLastfallAuflast(in);
        if (nFaelle <= 1) {
            return;
        }
        // Only the load cases that the calculation holds are listed.
        const int letzterFall = std::min(nFaelle, ReportSicht::NLastfall(in));
        rtf.ReadTemplate(ReportBlocks::kVeraenderlicheLasten);
        rtf.WriteEintrag(kVeraenderlichTitel);
        rtf.WriteEintrag(kVeraenderlichKopf);
        rtf.WriteEintrag(kVeraenderlichEinheiten);
        double z = 0.0;
        for (int j = 0; j < iLetzte; ++j) {
            for (int fall = 2; fall <= letzterFall; ++fall) {
                const C1SchichtErgebnis& r = Aktiv(fall, j);
                rtf.WriteEintrag(kVeraenderlichZeile,
                                 {j + 1, Negativ(z), fall, ReportSicht::QFlaeche(calc, fall),
                                  r.eohAktiv, r.eohRuhe, k.ersatzwand ? r.eohAktiv : r.eoh});
            }
            z += S(j).dicke;
            for (int fall = 2; fall <= letzterFall; ++fall) {
                const C1SchichtErgebnis& r = Aktiv(fall, j);
                rtf.WriteEintrag(kVeraenderlichZeile,
                                 {j + 1, Negativ(z), fall, ReportSicht::QFlaeche(calc, fall),
                                  r.euhAktiv, r.euhRuhe, k.ersatzwand ? r.euhAktiv : r.euh});
            }
        }
        rtf.EndRow();
    }

    void Berme() {
        rtf.ReadTemplate(ReportBlocks::kBerme);
        rtf.WriteEintrag(kBermeTitel);
        const double a = ReportSicht::BermeA(calc);
        const double x = ReportSicht::BermeX(calc);
        // Beyond the equivalent wall's distance the berm acts as a uniform surcharge.
        const bool figur = !k.ersatzwand || ReportSicht::xBermeEcke(calc) > ReportSicht::xD(calc);
        if (figur) {
            rtf.WriteEintrag(kBermeAbschnitte, {a, x, ReportSicht::BermeY(calc)});
        }
        Zeilen(rtf, kBermeKopf);
        for (int i = iGammaPos; i < iLetzte; ++i) {
            const C1Schicht& s = S(i);
            if (figur && a + x > s.yu) {
                continue;
            }
            const C1SchichtErgebnis& d = (*k.lauf.bermeDreieck)[i];
            const C1SchichtErgebnis& e = (*k.lauf.bermeRechteck)[i];
            std::array<std::string, 7> zellen;
            zellen.fill(kLeer);
            auto rechteck = [&zellen](const C1SchichtErgebnis& r) {
                zellen[4] = Zelle(r.abt);
                zellen[5] = Zelle(r.bist);
                zellen[6] = Zelle(r.eoh);
            };
            if (figur && d.eoh != d.euh) {
                zellen[0] = Zelle(d.abt);
                zellen[1] = Zelle(d.bist);
                zellen[2] = Zelle(d.eoh);
                zellen[3] = Zelle(d.euh);
                if (e.eoh != 0.0) {
                    rechteck(e);
                }
            } else {
                rechteck(d);
            }
            rtf.WriteEintrag(kBermeZeile, {i + 1, Negativ(s.yu), zellen[0], zellen[1], zellen[2],
                                           zellen[3], zellen[4], zellen[5], zellen[6]});
        }
        rtf.EndRow();
    }

    // Sum of a value over every load of a kind and the layers of the soil, the last one
    // included: a table is written only when its loads reach the wall.
    template <class Tabelle, class Wert>
    double Summe(const Tabelle& tabelle, int nLasten, Wert wert) const {
        double summe = 0.0;
        for (int j = 0; j < nLasten; ++j) {
            for (int i = iGammaPos; i <= iLetzte; ++i) {
                summe += wert(tabelle[j * nL + i]);
            }
        }
        return summe;
    }

    void BlockVertikal() {
        const auto& oben = *k.lauf.blockOben;
        const auto& unten = *k.lauf.blockUnten;
        const auto eh = [](const C1SchichtErgebnis& r) { return r.Eh; };
        if (Summe(oben, in.nBlocklast, eh) + Summe(unten, in.nBlocklast, eh) <= 0.0) {
            return;
        }
        rtf.ReadTemplate(ReportBlocks::kVertikaleBlocklasten);
        Zeilen(rtf, kBlockVertikalKopf);
        for (int j = 0; j < in.nBlocklast; ++j) {
            for (int i = iGammaPos; i <= iLetzte; ++i) {
                const C1SchichtErgebnis& o = oben[j * nL + i];
                const C1SchichtErgebnis& u = unten[j * nL + i];
                std::array<std::string, 8> zellen;
                zellen.fill(kLeer);
                if (o.euh > o.eoh) {
                    Figur(zellen, 0, o.abt, o.bist, o.eoh, o.euh);
                }
                if (u.Eh != 0.0) {
                    Figur(zellen, 4, u.abt, u.bist, u.eoh, u.euh);
                }
                if (o.eoh + o.euh + u.eoh + u.euh > 0.0) {
                    ZeileMitZellen(kBlockVertikalZeile, j, i, zellen);
                }
            }
        }
        rtf.EndRow();
    }

    void BlockHorizontal() {
        const auto& horizontal = *k.lauf.blockHorizontal;
        if (Summe(horizontal, in.nBlocklast, [](const C1Spreizung& r) { return r.E; }) <= 0.0) {
            return;
        }
        rtf.ReadTemplate(ReportBlocks::kHorizontaleBlocklasten);
        Zeilen(rtf, kBlockHorizontalKopf);
        for (int j = 0; j < in.nBlocklast; ++j) {
            for (int i = iGammaPos; i <= iLetzte; ++i) {
                const C1Spreizung& h = horizontal[j * nL + i];
                if (h.eo > h.eu) {
                    rtf.WriteEintrag(kBlockHorizontalZeile,
                                     {j + 1, i + 1, Negativ(S(i).yu), Zelle(h.von), Zelle(h.bis),
                                      Zelle(h.eo), Zelle(h.eu)});
                }
            }
        }
        rtf.EndRow();
    }

    void Linien() {
        const auto& vertikal = *k.lauf.linieVertikal;
        const auto& horizontal = *k.lauf.linieHorizontal;
        if (Summe(vertikal, in.nLinienlast, [](const C1SchichtErgebnis& r) { return r.Eh; }) <=
            0.0) {
            return;
        }
        rtf.ReadTemplate(ReportBlocks::kLinienlasten);
        Zeilen(rtf, kLinieKopf);
        for (int j = 0; j < in.nLinienlast; ++j) {
            for (int i = iGammaPos; i <= iLetzte; ++i) {
                const C1SchichtErgebnis& v = vertikal[j * nL + i];
                const C1Spreizung& h = horizontal[j * nL + i];
                std::array<std::string, 8> zellen;
                zellen.fill(kLeer);
                if (v.eoh > v.euh) {
                    Figur(zellen, 0, v.abt, v.bist, v.eoh, v.euh);
                }
                if (h.eo > h.eu) {
                    Figur(zellen, 4, h.von, h.bis, h.eo, h.eu);
                }
                if (v.eoh + v.euh + h.eo + h.eu > 0.0) {
                    ZeileMitZellen(kLinieZeile, j, i, zellen);
                }
            }
        }
        rtf.EndRow();
    }

    static void Figur(std::array<std::string, 8>& zellen, std::size_t ab, double von, double bis,
                      double eo, double eu) {
        zellen[ab] = Zelle(von);
        zellen[ab + 1] = Zelle(bis);
        zellen[ab + 2] = Zelle(eo);
        zellen[ab + 3] = Zelle(eu);
    }

    void ZeileMitZellen(int id, int last, int i, const std::array<std::string, 8>& z) {
        rtf.WriteEintrag(id, {last + 1, i + 1, Negativ(S(i).yu), z[0], z[1], z[2], z[3], z[4], z[5],
                              z[6], z[7]});
    }

    void Verdichtung() {
        rtf.ReadTemplate(ReportBlocks::kVerdichtungTitel);
        rtf.WriteZeile(1);
        rtf.ReadTemplate(ReportBlocks::kVerdichtungTabelle);
        Zeilen(rtf, kVerdichtungKopf);
        const bool ruhe = in.nwwand >= kErdruhedruck;
        std::string art;
        qel.LOC_TranslateX(art, ruhe ? "Ruhedruck" : "aktiver Erddruck");
        for (int i = iGammaPos; i <= ReportSicht::iAushub(calc); ++i) {
            const ReportSicht::Verdichtungsfigur v = ruhe ? ReportSicht::VerdichtungRuhe(calc, i)
                                                          : ReportSicht::VerdichtungAktiv(calc, i);
            if (v.Eh > 0.0) {
                rtf.WriteEintrag(kVerdichtungZeile, {i + 1, art, S(i).yu, v.eo, v.eu, v.Eh, v.yE});
            }
        }
        rtf.EndRow();
    }

    void Passiv() {
        rtf.ReadTemplate(ReportBlocks::kStaendigeLasten);
        rtf.WriteEintrag(kPassivTitel);
        rtf.WriteEintrag(kPassivKopf);
        rtf.WriteEintrag(kPassivEinheiten);
        const int iUnter = ReportSicht::iUnterAushub(calc);
        // The excavation side carries no surcharge in the input model.
        double qp = 0.0;
        if (ReportSicht::NLastfallAuflastVorne(in) > 0) {
            const int lf = ReportSicht::LastfallAuflastVorne(in, 0);
            for (int j = 0; j < ReportSicht::NAuflastVorne(in); ++j) {
                const auto& last = ReportSicht::AuflastVorne(in, j);
                qp += last.lf == lf ? last.v : 0.0;
            }
        }
        double z = S(ReportSicht::iAushub(calc)).yu;
        double sigma = qp;
        for (int i = iUnter; i < iLetzte; ++i) {
            const C1Schicht& s = S(i);
            const C1SchichtErgebnis& p = calc.ErgPassiv[i - iUnter];
            const C1SchichtErgebnis& a = Aktiv(0, i);
            const C1SchichtErgebnis& b = Aktiv(1, i);
            const double epch = ReportSicht::Epch(s);
            rtf.WriteEintrag(kPassivZeile, {i + 1, Negativ(z), sigma, p.epoh - epch,
                                            a.eohRuhe + b.eohRuhe, epch, p.epoh});
            z += s.dicke;
            sigma = qp + s.sigmaP;
            rtf.WriteEintrag(kPassivZeile, {i + 1, Negativ(z), sigma, p.epuh - epch,
                                            a.euhRuhe + b.euhRuhe, epch, p.epuh});
        }
        rtf.EndRow();
    }

    void Wasser() {
        const double wasser = std::min(in.tgh, in.tgv);
        if (in.txt_wasserdruck != 1 || std::abs(in.tgh - in.tgv) <= kWasserToleranz ||
            calc.tGes <= wasser) {
            return;
        }
        rtf.ReadTemplate(ReportBlocks::kWasserdruck);
        Zeilen(rtf, kWasserKopf);
        for (int i = 0; i < iLetzte; ++i) {
            const C1Schicht& s = S(i);
            if (s.yo >= wasser) {
                rtf.WriteEintrag(kWasserZeile, {i + 1, Negativ(s.yu), s.yo, s.yu, s.wo, s.wu});
            }
        }
        rtf.EndRow();
    }

    C1QEL& qel;
    C1RTFX& rtf;
    const C1ZirfCalc& calc;
    const C1ZirfInput& in;
    const Kapitel& k;
    const int nL;
    const int iLetzte;
    const int iGammaPos;
};

} // namespace

int C1ZirfReport::WriteEinwirkungenUndWiderstaende() {
    const Kapitel kapitel{ReportSicht::Wandlauf(*pCalc), pInput->txt_druck_beiwerte,
                          pInput->txt_druck_ordinaten,   ReportBlocks::kEinwirkungen,
                          ReportBlocks::kBeiwerte,       false};
    ErddruckTabellen(*pQEL, *pRTF, *pCalc, *pInput, kapitel).Schreiben();
    return 1;
}

int C1ZirfReport::WriteErsatzwand() {
    const Kapitel kapitel{ReportSicht::Ersatzwandlauf(*pCalc), pInput->txt_tgf_druck_beiwerte,
                          pInput->txt_tgf_druck_ordinaten,     ReportBlocks::kErsatzwand,
                          ReportBlocks::kBeiwerteErsatzwand,   true};
    ErddruckTabellen(*pQEL, *pRTF, *pCalc, *pInput, kapitel).Schreiben();
    return 1;
}
