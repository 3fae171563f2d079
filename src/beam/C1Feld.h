#pragma once

#include "beam/C1Auflager.h"
#include "beam/C1Last.h"
#include "beam/C1Stuetzkraft.h"

#include <algorithm>
#include <cstdio>
#include <vector>

// One span of the continuous beam: length, stiffness, the supports at its ends, its own loads
// (positions from the span's start) and, per load case, the support moments and end shears
// that the beam's solution stores in it.
//
// Signs: a positive load acts in the positive direction and gives positive load terms, a
// sagging (positive) span moment and hogging (negative) support moments.
// End types handed to the computations: 1 the moment at this end is solved for (continuous or
// clamped), 0 hinged, -1 free.
class C1Feld {
public:
    // Spans shorter than this count as no span.
    static constexpr double kMinLaenge = 0.0001;
    static constexpr int kStartMaxLf = 20;

    C1Feld();
    explicit C1Feld(double L);
    C1Feld(const C1Feld&) = default;
    // Copies loads, length, supports, Iy and results; the target keeps its own E, which the
    // beam hands to every span before it solves.
    C1Feld& operator=(const C1Feld& other);
    ~C1Feld() = default;

    C1Last& GetLasten() { return m_Lasten; }
    const C1Last& GetLasten() const { return m_Lasten; }

    void SetL(double newL) { L = newL; }
    double GetL() const { return L; }
    int SetE(double newE);
    double GetE() const { return E; }
    int SetIy(double newIy);
    // An unset (or tiny) Iy counts as 1.0, so that reduced lengths stay defined.
    double GetIy() const;
    void SetAuflagerAnf(int Art, double Wert) { m_AuflagerAnf = {.Wert = Wert, .Art = Art}; }
    void SetAuflagerEnd(int Art, double Wert) { m_AuflagerEnd = {.Wert = Wert, .Art = Art}; }
    void GetAuflagerAnf(int& Art, double& Wert) const;
    void GetAuflagerEnd(int& Art, double& Wert) const;
    int GetMaxLf() const { return m_maxLf; }
    int GetAnzLf() const { return anzLf; }

    // Results per load case; type 1 is the span's start, 2 its end.
    int SetMB(int Lf, int type, double value);
    double GetMB(int Lf, int type) const;
    int SetQ0(int Lf, int type, double value);
    double GetQ0(int Lf, int type) const;
    int DelSchnittkraefte();

    // Load terms of the three-moment equations at the span's start and end.
    int Lastglieder(int Lf, int typeAnf, int typeEnd, double& termAnf, double& termEnd) const;
    // End load term of a linear load from a (ordinate q1) to e (ordinate q2); the start term
    // is the same expression for the load mirrored about the span's centre.
    double TrapezLastglied(double a, double e, double q1, double q2) const;

    // End shears of the simply supported span: QAnf just right of the start, QEnd just left
    // of the end. Returns 0.
    int Q0(int Lf, double& QAnf, double& QEnd) const;
    double Mx(int Lf, double MAnf, double MEnd, double x) const;
    // Shear at x, the value just left of a point load standing at x. QEnd is not used.
    double qx(int Lf, double QAnf, double QEnd, double x) const;
    // The values Mx and qx give at x, in one pass over the loads.
    struct Schnitt {
        double M = 0.0;
        double Q = 0.0;
    };
    Schnitt MQx(int Lf, double MAnf, double MEnd, double QAnf, double x) const;
    double Nx(int Lf, double x) const;
    // Support moments of the span on its own with clamped (1) or hinged (0) ends.
    int EinspM(int Lf, int typeAnf, int typeEnd, double& MAnf, double& MEnd) const;
    // Moment at the supported end of a cantilever span: type 1 free start, type 2 free end.
    double KragMoment(int Lf, int type) const;

    // Simple-span moment of the part [a, t] of a trapezoid piece lying left of x, and of the
    // part [s, e] lying right of x; l = 6 L (a - e), m = a q2 - e q1, dq = q1 - q2.
    double TrapezMomentLinks(double x, double a, double t, double l, double m, double dq) const;
    double TrapezMomentRechts(double x, double s, double e, double l, double m, double dq) const;

    int SetMomente(int Lf, double MAnf, double MEnd, double& Mmax, double& xmax);
    // Largest positive span moment, searched at the points of zero shear.
    int MaxFeldMoment(int Lf, double MAnf, double MEnd, double QAnf, double QEnd, double& Mmax,
                      double& xmax) const;
    // A point of zero shear in [x0, x1] by subdivision into n steps, refined to depth
    // maxDepth and finished with a secant step; -1 when none lies on the span.
    double QNullstelle(int Lf, double QAnf, double QEnd, double x0, double x1, int n, int depth,
                       int maxDepth) const;

    void Dump(std::FILE* f) const;

private:
    // A trapezoid load cut back to the span: from a to e (> a), ordinates q1 at a and q2 at e.
    struct Trapez {
        double a, e, q1, q2;
    };

    // Calls visit with every load of load case Lf that is not negligible, index by index, in
    // the kind order trapezoid, temperature, settlement, point load, moment, normal force.
    // Trapezoids arrive cut back to the span; records without extent carry no load and are
    // left out, so no computation divides by a zero length.
    template <class Visitor> void ForEachLast(int Lf, Visitor&& visit) const;
    // The moment (mitM) and the shear (mitQ) at x; a value not asked for is 0.
    template <bool mitM, bool mitQ>
    Schnitt Schnittkraefte(int Lf, double MAnf, double MEnd, double QAnf, double x,
                           const char* text) const;

    void PruefeLaenge(const char* text) const;
    void PruefeLaengeEinschliesslich(const char* text) const;
    void PruefeSteifigkeit() const;
    double Lies(const std::vector<C1Stuetzkraft>& werte, int Lf, int type) const;
    int Speichere(std::vector<C1Stuetzkraft>& werte, int Lf, int type, double value);

    C1Last m_Lasten;
    std::vector<C1Stuetzkraft> m_MB;
    std::vector<C1Stuetzkraft> m_Q0;
    int m_maxLf = kStartMaxLf;
    int anzLf = 0;
    double Iy = 0.0;
    double E = 0.0;
    double L = 0.0;
    C1Auflager m_AuflagerAnf;
    C1Auflager m_AuflagerEnd;
};

template <class Visitor> void C1Feld::ForEachLast(int Lf, Visitor&& visit) const {
    using Art = C1Last::Art;
    for (const auto& [i, art] : m_Lasten.RecordsOf(Lf)) {
        switch (art) {
        case Art::Trapez: {
            const C1TrapezLast& t = m_Lasten.Gelistet<C1TrapezLast>(i);
            const double e = std::min(t.a + t.b, L);
            if (e > t.a) {
                visit(Trapez{t.a, e, t.q1, t.q2});
            }
            break;
        }
        case Art::Temp:
            visit(m_Lasten.Gelistet<C1TempLast>(i));
            break;
        case Art::Sts:
            visit(m_Lasten.Gelistet<C1StsLast>(i));
            break;
        case Art::Einzel:
            visit(m_Lasten.Gelistet<C1EinzelLast>(i));
            break;
        case Art::Moment:
            visit(m_Lasten.Gelistet<C1MomentLast>(i));
            break;
        case Art::Normal: {
            const C1NormalKraft& k = m_Lasten.Gelistet<C1NormalKraft>(i);
            if (k.b > 0.0) {
                visit(k);
            }
            break;
        }
        }
    }
}
