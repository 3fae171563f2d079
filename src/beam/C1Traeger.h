#pragma once

#include "beam/C1Feld.h"
#include "beam/C1LastTr.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <vector>

// The continuous beam: nFeld spans laid end to end, supports 1..nFeld+1 (support i at the start
// of span i), beam coordinate x from 0 at support 1 to TL at support nFeld+1.
//
// Use: SetAnzFelder(n); per span GetFeld(i).SetL / SetIy / SetAuflagerAnf / SetAuflagerEnd
// (support kind 0 at the first span's start or the last span's end makes that end free);
// SetAufl_1 / SetAufl_n for clamped ends; loads into GetLasten(); Calc(); then GetMx, GetQx,
// GetNx, GetAuflagerkraft and GetAuflagermoment per load case (load cases from 1).
//
// End codes Aufl_1, Aufl_n: 0 hinged, 1 clamped, -1 free. An end is elastically restrained by
// a degree of fixity (percent, 0 hinged .. 100 clamped) or a rotational spring [kNm/rad].
class C1Traeger {
public:
    C1Traeger();
    explicit C1Traeger(int n);
    C1Traeger(const C1Traeger&) = default;
    // Copies the beam's data, spans 1..nFeld (each keeping its own E) and the loads.
    C1Traeger& operator=(const C1Traeger& other);
    virtual ~C1Traeger() = default;

    // Structure.
    int SetAnzFelder(int n);
    int Init();
    double CalcLaengen();
    int DelLasten();
    // Removes the first or the last span.
    void DeleteFeld(int k);
    int GetnFeld() const { return nFeld; }
    double GetTL() const { return TL; }
    C1Feld& GetFeld(int i) {
        return const_cast<C1Feld&>(static_cast<const C1Traeger&>(*this).GetFeld(i));
    }
    // Asked for every value anywhere on the beam: inline, its refusal out of line.
    const C1Feld& GetFeld(int i) const {
        if (i < 1 || i > nFeld) {
            FeldFehlt(i);
        }
        return Felder.at(static_cast<std::size_t>(i));
    }
    C1LastTr& GetLasten() { return Lasten; }
    const C1LastTr& GetLasten() const { return Lasten; }

    // End conditions and elastic restraint.
    int SetAufl_1();
    int SetAufl_n();
    int GetAufl_1() const { return Aufl_1; }
    int GetAufl_n() const { return Aufl_n; }
    void SetAufl1_Einspanngrad(double eta) { Aufl1_Einspanngrad = eta; }
    void SetAufln_Einspanngrad(double eta) { Aufln_Einspanngrad = eta; }
    double GetAufl1_Einspanngrad() const { return Aufl1_Einspanngrad; }
    double GetAufln_Einspanngrad() const { return Aufln_Einspanngrad; }
    void SetAufl1_cM(double cM) { Aufl1_cM = cM; }
    void SetAufln_cM(double cM) { Aufln_cM = cM; }
    double GetAufl1_cM() const { return Aufl1_cM; }
    double GetAufln_cM() const { return Aufln_cM; }
    void SetAlleEingespannt(bool alle) { AlleEingespannt = alle; }
    bool GetAlleEingespannt() const { return AlleEingespannt; }
    // Modulus [kN/cm²] handed to every span before the solution.
    void SetE(double E) { m_E = E; }
    double GetE() const { return m_E; }

    // Distribution of the beam's loads onto the spans.
    virtual int VerteileLasten(int& maxLf);
    int GetFeldAnteil(int i, double a, double b, double& xa, double& xb) const;
    int GetFeldTrapez(int i, double a, double b, double q1, double q2, double& qa,
                      double& qb) const;

    // Solution.
    int Calc();
    int CalcLastfall(int Lf);
    int CalcLastfallEingespannt(int Lf);
    double CalcErsatzfeldLaenge(bool first, double cM, double eta) const;
    double CalcCMFromEinspanngrad(bool first, double eta) const;
    double CalcEinspanngradFromCM(bool first, double cM) const;

    // Queries.
    int GetFeldX(double x, int& i, double& xl) const;
    int GetFeldNr(double x) const;
    int GetAnzLf() const;
    double GetMx(int Lf, double x) const;
    double GetQx(int Lf, double x) const;
    double GetNx(int Lf, double x) const;
    // A place x on the beam, for the values of many load cases there: the span, the place
    // in it and the number of load cases are found once, not for each load case.
    struct Stelle {
        int feld = 0; // 0: x is off the beam
        double xl = 0.0;
        int anzLf = 0;
    };
    Stelle StelleBei(double x) const;
    // The values GetMx and GetQx give at the place.
    double GetMx(const Stelle& s, int Lf) const;
    double GetQx(const Stelle& s, int Lf) const;
    // Both at once, in one pass over the span's loads.
    C1Feld::Schnitt GetMQx(const Stelle& s, int Lf) const;
    double GetAuflagerkraft(int Lf, int k) const;
    double GetAuflagermoment(int Lf, int k) const;
    double GetFeldLaenge(int i);
    double GetXAnf(int i) const;
    double GetXEnd(int i) const;
    double GetXAuflager(int k) const;
    int GetAuflagerArt(int k) const;
    double GetAuflagerWert(int k) const;
    int GetFeldAuflagerArt(int i, int end) const;
    double GetFeldAuflagerWert(int i, int end) const;
    double GetCM(int k) const;
    void AddLast(int type, int Lf, int Feld, double a, double b, double value1, double value2);
    int AddEinzelLast(int Lf, int Feld, double x);
    [[noreturn]] void Verformungen() const;

    void Dump(std::FILE* f) const;

private:
    // How an end enters the solution: its end code, and the length of the substitute span
    // that stands for an elastic restraint (0: none).
    struct Rand {
        int code = 0;
        double ersatzLaenge = 0.0;
    };
    using StreckenAdder =
        std::function<void(C1Feld&, double xa, double laenge, double wa, double wb)>;
    using PunktAdder = std::function<void(C1Feld&, double xa)>;

    void SetzeGroesse(int n);
    void BerechnePositionen();
    double EI(int k) const;
    Rand RandFuerLoesung(bool first) const;
    void AddErsatzfelder(const Rand& anf, const Rand& end);
    std::vector<double> Stuetzmomente(int Lf, int aufl1, int afln) const;
    double BalkenX(int feld, double position) const;
    void VerteileStrecke(int feld, double a, double b, double w1, double w2,
                         const StreckenAdder& add);
    void VerteilePunkt(int feld, double position, const PunktAdder& add);
    void VerteileSetzung(const C1StsLast& r);
    // wert(span, place in it) at the place s for load case Lf.
    template <class Wert> auto AnStelle(const Stelle& s, int Lf, const Wert& wert) const;
    [[noreturn]] void FeldFehlt(int i) const;
    void PruefeAuflager(int k, const char* wo) const;

    std::vector<C1Feld> Felder;
    C1LastTr Lasten;
    double TL = 0.0;
    int nFeld = 0;
    int Aufl_1 = 0;
    int Aufl_n = 0;
    double Aufl1_Einspanngrad = 0.0;
    double Aufln_Einspanngrad = 0.0;
    bool AlleEingespannt = false;
    double Aufl1_cM = 0.0;
    double Aufln_cM = 0.0;
    double m_E = 0.0;
    std::vector<double> FeldL;
    std::vector<double> FeldXAnf;
    std::vector<double> FeldXEnd;
};
