// Internal forces of the wall without anchor: a beam clamped at the foot, loaded with the
// retained-side and the passive-side pressures of the found depth; and what both walls
// share: the tables per load case, the design lines of every load state and their
// envelope.

#include "model/C1ZirfCalc.h"

#include "base/Trace.h"
#include "beam/C1Traeger.h"
#include "model/Bemessungslinie.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kPunkte = C1WandDaten::kPunkte;
constexpr int kSegmente = kPunkte - 1;
enum Tabelle { kMAktiv = 0, kQAktiv = 1, kMPassiv = 2, kQPassiv = 3 };
// A designed wall: every state holds with the design share of the passive side in the
// sums of the iteration; the beam takes the loads' terms a little otherwise (the factor 1/3
// as 0.3333), so that the state of the deepest wall may ask up to some 1e-4 more of it.
constexpr double kEntwurfGenauigkeit = 1e-3;
// A state whose passive share (or ground anchor's force) lies below 0 by more than this
// cannot stand.
constexpr double kGueltig = 1e-9;

// Sign class of a shear value: positive, negative or exactly zero.
int Vorzeichen(double q) {
    return (q > 0.0) - (q < 0.0);
}

} // namespace

double C1ZirfCalc::PunktX(int p) const {
    return p * pTraeger->GetTL() / kSegmente;
}

void C1ZirfCalc::ClearSchnittgroessen() {
    for (auto& tabelle : Schnittgroessen) {
        for (auto& linie : tabelle) {
            linie.fill(0.0);
        }
    }
    for (Linie* l : {&MDesign, &QDesign, &MDesignMax, &MDesignMin, &QDesignMax, &QDesignMin, &MChar,
                     &Durchbiegung, &RAktiv1, &RAktiv2, &MRAktiv1, &MRAktiv2, &RPassiv1, &RPassiv2,
                     &MRPassiv1, &MRPassiv2}) {
        l->fill(0.0);
    }
}

void C1ZirfCalc::SchnittgroessenAktiv(int s1, int s2) {
    for (int j = 1; j <= nLastfaelle + 1; ++j) {
        const auto J = static_cast<std::size_t>(j);
        RAktiv1[j] = pTraeger->GetAuflagerkraft(j, s1);
        RAktiv2[j] = pTraeger->GetAuflagerkraft(j, s2);
        MRAktiv1[j] = pTraeger->GetAuflagermoment(j, s1);
        MRAktiv2[j] = pTraeger->GetAuflagermoment(j, s2);
        for (int p = 0; p < kPunkte; ++p) {
            const auto P = static_cast<std::size_t>(p);
            const double M = pTraeger->GetMx(j, PunktX(p));
            Schnittgroessen[kMAktiv].at(J)[P] = M;
            Schnittgroessen[kQAktiv].at(J)[P] = pTraeger->GetQx(j, PunktX(p));
            MChar[P] += M;
        }
    }
}

void C1ZirfCalc::SchnittgroessenPassiv(int s1, int s2, bool traceJePunkt) {
    for (int j = 1; j <= nLastfaelle; ++j) {
        const auto J = static_cast<std::size_t>(j);
        RPassiv1[j] = pTraeger->GetAuflagerkraft(j, s1);
        RPassiv2[j] = pTraeger->GetAuflagerkraft(j, s2);
        MRPassiv1[j] = pTraeger->GetAuflagermoment(j, s1);
        MRPassiv2[j] = pTraeger->GetAuflagermoment(j, s2);
        for (int p = 0; p < kPunkte; ++p) {
            const auto P = static_cast<std::size_t>(p);
            const double M = pTraeger->GetMx(j, PunktX(p));
            const double Q = pTraeger->GetQx(j, PunktX(p));
            Schnittgroessen[kMPassiv].at(J)[P] = M;
            Schnittgroessen[kQPassiv].at(J)[P] = Q;
            if (traceJePunkt) {
                TracePrintf("\nTdesign passiv: i %2d  j %2d  x %6.3f  Q %6.3f  M %6.3f", p + 1, j,
                            PunktX(p), Q, M);
            }
        }
    }
}

std::vector<std::vector<double>> C1ZirfCalc::KoeffizientenJeZustand() {
    std::vector<std::vector<double>> koeff(zustaende.size());
    linearKombiniert.assign(bemessungsKombinationen.size(), false);
    Fortschritt(zustaende.size());
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        const C1Bemessungskombination& kombination = bemessungsKombinationen[k];
        const std::size_t nv = kombination.veraenderlich.size();
        const std::uint64_t alleOhne = kombination.AlleOhne();
        const auto koeffizienten = [&](std::uint64_t ohne) {
            kombiFaktoren = FaktorenVon(kombination, {k, ohne});
            KombiniereWandlasten();
            return Koeffizienten();
        };
        const bool gleich = GleicheVerdichtungswahl(k);
        if (!alleAufgezaehlt && !gleich) {
            ZuVieleZustaende("in einer Schicht ist der Verdichtungserddruck nur in einigen "
                             "Lastzuständen größer als die veränderlichen Lasten, die Zustände "
                             "wären einzeln zu rechnen");
        }
        if ((alleAufgezaehlt && zustaende.size() <= linearAb) || !gleich) {
            for (std::size_t z = 0; z < zustaende.size(); ++z) {
                if (zustaende[z].kombination == k) {
                    koeff[z] = koeffizienten(zustaende[z].ohne);
                }
            }
            continue;
        }
        // Every layer takes the same of the variable loads and the compaction in every
        // state: a state's factors are the permanent loads' plus those of each variable
        // load case present.
        linearKombiniert[k] = true;
        const std::vector<double> basis = koeffizienten(alleOhne);
        std::vector<std::vector<double>> einzeln;
        for (std::size_t j = 0; j < nv; ++j) {
            einzeln.push_back(koeffizienten(alleOhne ^ (std::uint64_t{1} << j)));
        }
        for (std::size_t z = 0; z < zustaende.size(); ++z) {
            if (zustaende[z].kombination != k) {
                continue;
            }
            koeff[z] = basis;
            for (std::size_t j = 0; j < nv; ++j) {
                if ((zustaende[z].ohne >> j & 1U) == 0) {
                    for (std::size_t c = 0; c < basis.size(); ++c) {
                        koeff[z][c] += einzeln[j][c] - basis[c];
                    }
                }
            }
        }
    }
    SetzeZustand(static_cast<std::size_t>(iZustand));
    KombiniereWandlasten();
    return koeff;
}

void C1ZirfCalc::SetzeBemessungJeZustand(const C1Traeger& bemessung,
                                         const std::vector<std::vector<double>>& koeff,
                                         const std::vector<double>& anteil, const char* format,
                                         int ankerAuflager, bool linear) {
    bemessungsBalken = std::make_shared<const C1Traeger>(bemessung);
    passivBalken = std::make_shared<const C1Traeger>(*pTraeger);
    bemessungsSchar = wand::Schar(bemessungsBalken, passivBalken, nLastfaelle, koeff, anteil);
    const std::vector<double> ankerkraft =
        ankerAuflager > 0 ? bemessungsSchar.Auflagerkraft(ankerAuflager) : std::vector<double>{};
    ZustaendeGueltig(ankerkraft);
    // Where a combination's states are linear in its variable load cases, and none of them
    // mobilises the passive side beyond its bounds, its envelope is found from the shares
    // of the permanent loads and of each variable load case.
    const double f = AnteilGrenze();
    familien.clear();
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        const C1Bemessungskombination& kombination = bemessungsKombinationen[k];
        if (k >= linearKombiniert.size() || !linearKombiniert[k] || !linear ||
            kombination.veraenderlich.empty()) {
            continue;
        }
        const std::size_t nv = kombination.veraenderlich.size();
        const std::uint64_t alleOhne = kombination.AlleOhne();
        Familie familie{k, kombination.zustand.at(alleOhne), {}};
        const std::size_t basis = familie.basis;
        double tief = anteil.at(basis);
        double hoch = anteil.at(basis);
        double ankerTief = ankerkraft.empty() ? 0.0 : ankerkraft.at(basis);
        std::uint64_t ohneTief = alleOhne;
        for (std::size_t j = 0; j < nv; ++j) {
            familie.einzeln.push_back(kombination.zustand.at(alleOhne ^ (std::uint64_t{1} << j)));
            const double d =
                anteilPassivNoetig.at(familie.einzeln.back()) - anteilPassivNoetig.at(basis);
            tief += std::min(d, 0.0);
            hoch += std::max(d, 0.0);
            ohneTief ^= d < 0.0 ? std::uint64_t{1} << j : 0;
            if (!ankerkraft.empty()) {
                ankerTief +=
                    std::min(ankerkraft.at(familie.einzeln.back()) - ankerkraft.at(basis), 0.0);
            }
        }
        // Every state of the family must stand: a ground anchor must not push either.
        const bool zuganker = !ankerkraft.empty() && pInput->anker != 0;
        if (tief >= 0.0 && hoch <= f && !(zuganker && ankerTief < -kGueltig)) {
            std::vector<std::size_t> mitglieder;
            for (const auto& [ohne, z] : kombination.zustand) {
                mitglieder.push_back(z);
            }
            bemessungsSchar.SetzeFamilie(mitglieder, basis, familie.einzeln);
            familien.push_back(std::move(familie));
        } else if (!alleAufgezaehlt) {
            // Its states are not listed: those beyond the bounds cannot be told apart.
            ZuVieleZustaende(
                tief < 0.0 ? "im Lastzustand " +
                                 NamenNachFaktoren(FaktorenSchluessel(k, ohneTief)).front() +
                                 " müsste der Erdwiderstand ziehen, die Zustände wären "
                                 "einzeln zu rechnen"
                : hoch > f ? std::string("die Wand ist für einige Lastzustände zu kurz "
                                         "(erforderlicher Anteil des Erdwiderstands über "
                                         "ηp/γEp), die Zustände wären einzeln zu rechnen")
                           : std::string("in einigen Lastzuständen müsste der Anker drücken, "
                                         "die Zustände wären einzeln zu rechnen"));
        }
    }
    // The state that needs the most of the passive side, which the earth support's check
    // names.
    ZustandsGrenzen([this](std::size_t z) { return anteilPassivNoetig.at(z); });
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = static_cast<std::size_t>(p);
        const auto [m, q] = MQHuelle(PunktX(p));
        MDesignMax[P] = m.max;
        MDesignMin[P] = m.min;
        QDesignMax[P] = q.max;
        QDesignMin[P] = q.min;
        // Of the two extremes the one of the larger magnitude; the greatest on equal ones.
        MDesign[P] = std::fabs(m.min) > std::fabs(m.max) ? m.min : m.max;
        QDesign[P] = std::fabs(q.min) > std::fabs(q.max) ? q.min : q.max;
        TracePrintf(format, p + 1, PunktX(p), QDesign[P], MDesign[P]);
    }
}

namespace {

// Above this many load states the exact search along the beam is made only for the states
// whose estimate from the points comes within kKandidatenAnteil of the greatest estimate:
// between two points a moment line is nearly straight, so that an estimate lies within a
// per cent of the state's extreme.
constexpr std::size_t kAlleGenau = 64;
constexpr double kKandidatenAnteil = 0.97;

} // namespace

C1ZirfCalc::Huelle C1ZirfCalc::MHuelle(double x) const {
    const wand::Schar::Grenzen g = bemessungsSchar.MGrenzen(x);
    return {g.max, g.min};
}

C1ZirfCalc::Huelle C1ZirfCalc::QHuelle(double x) const {
    const wand::Schar::Grenzen g = bemessungsSchar.QGrenzen(x);
    return {g.max, g.min};
}

std::pair<C1ZirfCalc::Huelle, C1ZirfCalc::Huelle> C1ZirfCalc::MQHuelle(double x) const {
    const auto [m, q] = bemessungsSchar.MQGrenzen(x);
    return {{m.max, m.min}, {q.max, q.min}};
}

C1ZirfCalc::Huelle C1ZirfCalc::QEndeHuelle(int feld) const {
    const std::vector<double> q = bemessungsSchar.QEnde(feld);
    const Zustandsgrenzen g = ZustandsGrenzen([&q](std::size_t z) { return q.at(z); }, false);
    return {g.max, g.min};
}

wand::Huellwert C1ZirfCalc::GroessterDerZustaende(const std::vector<double>& werte) const {
    return ZustandsGrenzen([&werte](std::size_t z) { return werte.at(z); }).Groesster();
}

void C1ZirfCalc::MerkeExtremeDerFamilien(const std::vector<Linie>& linien) const {
    // The states of families whose value is the greatest or the least at a point: the run
    // holds them for the search along the beam, which goes state by state.
    if (familien.empty()) {
        return;
    }
    for (std::size_t p = 0; p < static_cast<std::size_t>(kPunkte); ++p) {
        ZustandsGrenzen([&](std::size_t z) { return linien.at(z)[p]; });
    }
}

void C1ZirfCalc::ZustaendeGueltig(const std::vector<double>& ankerkraft) {
    // A state stands where the passive side need not pull and a ground anchor need not
    // push: the model has no other support.
    const bool zuganker = MitAnker() && pInput->anker != 0;
    zustandGueltig.assign(zustaende.size(), true);
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        const bool ziehen = z < anteilPassivNoetig.size() && anteilPassivNoetig[z] < -kGueltig;
        const bool druecken = zuganker && z < ankerkraft.size() && ankerkraft[z] < -kGueltig;
        zustandGueltig[z] = !ziehen && !druecken;
    }
    bemessungsSchar.SetzeGueltig(zustandGueltig);
}

bool C1ZirfCalc::NimmFehlendeZustaende() {
    // The internal forces found values of states of families that the run does not hold:
    // it takes them and forms the internal forces again, which finds the same states.
    if (fehlendeZustaende.empty() || weitererDurchgang) {
        fehlendeZustaende.clear();
        weitererDurchgang = false;
        return false;
    }
    const auto fehlend = fehlendeZustaende;
    fehlendeZustaende.clear();
    for (const auto& [k, ohne] : fehlend) {
        Materialisiere(k, ohne);
    }
    weitererDurchgang = true;
    return true;
}

std::vector<C1ZirfCalc::Linie> C1ZirfCalc::PunkteJeZustand(bool moment) const {
    const wand::Schar& s = bemessungsSchar;
    std::vector<Linie> linien(s.Anzahl(), Linie{});
    for (int p = 0; p < kPunkte; ++p) {
        const std::vector<double> w = moment ? s.M(PunktX(p)) : s.Q(PunktX(p));
        for (std::size_t z = 0; z < w.size(); ++z) {
            linien[z][static_cast<std::size_t>(p)] = w[z];
        }
    }
    return linien;
}

wand::Huellwert C1ZirfCalc::GroesstesExtremumDerZustaende(
    const std::function<double(std::size_t)>& geschaetzt,
    const std::function<wand::Extremum(std::size_t)>& genau) const {
    const std::size_t n = bemessungsSchar.Anzahl();
    std::vector<double> schaetzung(n);
    double groesste = 0.0;
    for (std::size_t z = 0; z < n; ++z) {
        schaetzung[z] = ZustandGueltig(z) ? std::fabs(geschaetzt(z)) : 0.0;
        groesste = std::max(groesste, schaetzung[z]);
    }
    wand::Huellwert h;
    bool gesetzt = false;
    for (std::size_t z = 0; z < n; ++z) {
        if (!ZustandGueltig(z) ||
            (n > kAlleGenau && schaetzung[z] < kKandidatenAnteil * groesste)) {
            continue;
        }
        const wand::Extremum e = genau(z);
        if (!gesetzt || std::fabs(e.M) > std::fabs(h.wert)) {
            h = {e.M, z, e.x};
            gesetzt = true;
        }
    }
    return h;
}

wand::Huellwert C1ZirfCalc::GroesstesFeldmoment(double ab) const {
    const double TL = pTraeger->GetTL();
    const std::vector<Linie> q = PunkteJeZustand(false);
    const std::vector<Linie> m = PunkteJeZustand(true);
    MerkeExtremeDerFamilien(m);
    // Each state's zero of the shear below `ab`, from its line at the points.
    std::vector<double> x(q.size());
    for (std::size_t z = 0; z < q.size(); ++z) {
        x[z] = TL - TiefeNullQuerkraft(q[z], ab, q.size() == 1);
    }
    return GroesstesExtremumDerZustaende(
        [&](std::size_t z) {
            // The moment at the zero of the shear, straight between the points beside it.
            const double s = x[z] * kSegmente / TL;
            const int p = std::clamp(static_cast<int>(s), 0, kSegmente - 1);
            const double r = s - p;
            const auto P = static_cast<std::size_t>(p);
            return (1.0 - r) * m[z][P] + r * m[z][P + 1];
        },
        [&](std::size_t z) {
            return wand::Extremum{x[z], bemessungsSchar.Zustand(z).M(x[z])};
        });
}

wand::Huellwert C1ZirfCalc::GroesstesMoment() const {
    const double TL = pTraeger->GetTL();
    const std::vector<Linie> m = PunkteJeZustand(true);
    MerkeExtremeDerFamilien(m);
    return GroesstesExtremumDerZustaende(
        [&](std::size_t z) {
            double g = 0.0;
            for (const double v : m[z]) {
                g = std::max(g, std::fabs(v));
            }
            return g;
        },
        [&](std::size_t z) { return bemessungsSchar.Zustand(z).GroesstesMoment(0.0, TL); });
}

bool C1ZirfCalc::WirktInZustand(std::size_t z, int lc) const {
    return IstVorhanden(KombinationVon(z), zustaende.at(z), lc);
}

void C1ZirfCalc::MCharZustand(std::size_t z, double anteil) {
    MChar.fill(0.0);
    for (int j = 1; j <= nLastfaelleAktiv + 1; ++j) {
        if (!WirktInZustand(z, j - 1)) {
            continue;
        }
        for (int p = 0; p < kPunkte; ++p) {
            const auto P = static_cast<std::size_t>(p);
            MChar[P] += Schnittgroessen[kMAktiv].at(static_cast<std::size_t>(j))[P];
        }
    }
    MCharMitPassiv(anteil);
}

double C1ZirfCalc::MPassivChar(int p) const {
    double m = 0.0;
    for (int j = 1; j <= nLastfaellePassiv; ++j) {
        m += Schnittgroessen[kMPassiv]
                 .at(static_cast<std::size_t>(j))
                 .at(static_cast<std::size_t>(p));
    }
    return m;
}

void C1ZirfCalc::MCharMitPassiv(double anteil) {
    // A share that is no number or not positive would turn the passive side around.
    if (!(anteil > 0.0) || !std::isfinite(anteil)) {
        return;
    }
    for (int p = 0; p < kPunkte; ++p) {
        MChar[static_cast<std::size_t>(p)] += anteil * MPassivChar(p);
    }
}

double C1ZirfCalc::Auflagerkraft(int bis, int s) const {
    double r = 0.0;
    for (int j = 1; j <= bis; ++j) {
        r += pTraeger->GetAuflagerkraft(j, s);
    }
    return r;
}

double C1ZirfCalc::NullQuerkraft(const Linie& q, int pa, int pb) const {
    const double qa = q.at(static_cast<std::size_t>(pa));
    const double qb = q.at(static_cast<std::size_t>(pb));
    const double r = std::fabs(qa) / (std::fabs(qb) + std::fabs(qa));
    return PunktX(pa) + r * (PunktX(pb) - PunktX(pa));
}

double C1ZirfCalc::TiefeNullQuerkraft(const Linie& q, double ab, bool trace) const {
    const double TL = pTraeger->GetTL();
    // The points lie at the depths TL - x_p: the point one step deeper than p + 1 is p.
    for (int p = kSegmente - 1; p >= 0; --p) {
        const double tiefe = TL - PunktX(p);
        if (tiefe <= ab) {
            continue;
        }
        const auto P = static_cast<std::size_t>(p);
        if (trace) {
            TracePrintf("\nT: i %2d  x %6.3f  Ql %6.3f Qr %6.3f", kPunkte - p, tiefe, q[P + 1],
                        q[P]);
        }
        if (Vorzeichen(q[P + 1]) != Vorzeichen(q[P])) {
            return TL - NullQuerkraft(q, p + 1, p);
        }
    }
    return t;
}

double C1ZirfCalc::AnteilGrenze() const {
    const double f = pInput->eta_p / gep;
    return gegebeneTiefe ? f : f * (1.0 + kEntwurfGenauigkeit);
}

int C1ZirfCalc::CalcSchnittgroessen() {
    const C1ZirfInput& in = *pInput;
    C1Traeger& tr = *pTraeger;
    tr.Init();
    tr.DelLasten();
    tr.SetAnzFelder(1);
    tr.GetFeld(1).SetL(t);
    tr.GetFeld(1).SetAuflagerAnf(1, 0.0);
    tr.GetFeld(1).SetAuflagerEnd(0, 0.0);
    tr.SetAufl_1();
    const double TL = tr.CalcLaengen();

    ClearSchnittgroessen();
    const C1Traeger bemessung = BemessungsTraeger();
    const std::vector<std::vector<double>> koeff = KoeffizientenJeZustand();
    CalcTraegerLasten();
    tr.Calc();
    nLastfaelleAktiv = nLastfaelle;
    SchnittgroessenAktiv(1, 2);

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    nLastfaellePassiv = nLastfaelle;
    SchnittgroessenPassiv(1, 2, true);
    // Each state mobilises the passive side as far as it needs it to stand without a
    // clamping moment at its foot, at most by its design share; the state that needs the
    // deepest wall needs all of that share at the designed depth.
    const double f = AnteilGrenze();
    double fussPassiv = 0.0;
    for (int j = 1; j <= nLastfaelle; ++j) {
        fussPassiv += tr.GetMx(j, 0.0);
    }
    const std::size_t n = zustaende.size();
    anteilPassivNoetig.assign(n, f);
    anteilPassivZustand.assign(n, f);
    // The retained side's foot moment of each component; a state's the sum with its factors.
    std::vector<double> fussKomponente(komponenten.size());
    for (std::size_t c = 0; c < fussKomponente.size(); ++c) {
        fussKomponente[c] = bemessung.GetMx(static_cast<int>(c) + 1, 0.0);
    }
    for (std::size_t z = 0; z < n; ++z) {
        double fussAktiv = 0.0;
        for (std::size_t c = 0; c < fussKomponente.size(); ++c) {
            fussAktiv += koeff[z][c] * fussKomponente[c];
        }
        if (fussPassiv != 0.0) {
            anteilPassivNoetig[z] = -fussAktiv / fussPassiv;
        }
        anteilPassivZustand[z] =
            std::clamp(std::isfinite(anteilPassivNoetig[z]) ? anteilPassivNoetig[z] : f, 0.0, f);
    }
    SetzeBemessungJeZustand(bemessung, koeff, anteilPassivZustand,
                            "\nTdesign: i %2d  x %6.3f  Q %6.3f M %6.3f");
    const wand::Schar& b = bemessungsSchar;

    // The design values at the characteristic points: of the states the one of the
    // largest magnitude. The greatest moment is the greatest in magnitude anywhere along
    // the wall: a head load pulling towards the soil turns the shear near the head, where
    // the moment is small, before the field below reaches its extreme.
    const wand::Huellwert groesstes = GroesstesMoment();
    xm = TL - groesstes.x;
    Mxm = groesstes.wert;
    massgebend.Mxm = groesstes.zustand;
    TracePrintf("\nT:  xm %6.3f  maxM %6.3f", xm, Mxm);
    const wand::Huellwert hw = GroessterDerZustaende(b.M(TL - in.wand_hw));
    MHw = hw.wert;
    massgebend.MHw = hw.zustand;
    MA = 0.0;
    const wand::Huellwert fuss = GroessterDerZustaende(b.M(0.0));
    MF = fuss.wert;
    massgebend.MF = fuss.zustand;
    TracePrintf("\nTFuss:  t %6.3f  MF %6.3f", t, MF);

    // The characteristic wall of the state of the greatest moment stands without a
    // clamping moment at its foot: the passive side takes the share of its pressure that
    // brings the foot moment to 0.
    massgebend.Durchbiegung = massgebend.Mxm;
    MCharZustand(massgebend.Durchbiegung, 0.0);
    MCharMitPassiv(fussPassiv != 0.0 ? -MChar[0] / fussPassiv : 0.0);
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();

    // Design vertical forces at the excavation level, the greatest moment and the foot.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    ankerkraftZustand.assign(n, 0.0);
    VertikalJeZustand();
    const auto normal = [&](double y, std::size_t& zustand, std::size_t zustandM) {
        return NormalkraftHuelle(y, true, &zustand, zustandM);
    };
    NHw = normal(in.wand_hw, massgebend.NHw, massgebend.MHw);
    NXm = normal(xm, massgebend.NXm, massgebend.Mxm);
    NFuss = normal(t, massgebend.NFuss, massgebend.MF);
    yMF = t;
    NMF = NFuss;
    massgebend.NMF = massgebend.NFuss;
    if (NimmFehlendeZustaende()) {
        return CalcSchnittgroessen();
    }
    status = CalcDurchbiegung();
    return 1;
}
