#pragma once

// PROVISIONAL: the wall analysis's view of the calculation object until the soil model's
// class arrives; only the members and operations the wall analysis reads or calls.

#include "analysis/C1WandDaten.h"
#include "earthpressure/C1Schicht.h"
#include "earthpressure/C1SchichtErgebnis.h"
#include "earthpressure/C1Tabelle.h"
#include "earthpressure/C1Trapez.h"

#include <array>
#include <string>

class C1ZirfInput;
class C1Traeger;

class C1ZirfCalc : public C1WandDaten {
public:
    C1ZirfCalc(C1ZirfInput* input, C1Traeger* traeger);

    // Soil model.
    int ExtendLetzteSchicht();
    int CalcWasserdruckFuss(int);
    int CalcGleitlinie();
    int CalcReibungslinie();
    int CalcBlocklast(int j);
    int CalcLinienlast(int j);
    int CalcUmlagerung(int variante);
    int CalcUmlagerungBlock(int);

    // Wall analysis.
    int CalcWand();
    int CalcEinbindetiefe(int kombi);
    int CalcEinbindetiefeAnker(int einspannung, int kombi);
    int CalcKombi(int art);
    double CalcVerdrehung(int type, double a, double b, double c, double d);
    int CalcDurchbiegung();
    int CalcDurchbiegungAnker();
    void CalcTraegerLasten();
    void CalcTraegerLastenZusatz();
    int CalcSchnittgroessen();
    int CalcSchnittgroessenAnker();
    void ClearSchnittgroessen();
    void TestTraeger();

    // Evaluation of the wall loads at a trial depth (wall analysis).
    bool MitAnker() const;
    // The design factor with which the iteration takes every load of load case lf.
    double FaktorLastfall(int lf) const;
    // Whether the input load case of this number belongs to a permanent action.
    bool IstStaendigerLastfall(int lfNummer) const;
    // Wall x at depth y inside layer i, and an ordinate pair of layer i carried to depth y.
    double WandX(int i, double y) const;
    double AufTiefe(int i, double eOben, double eUnten, double y) const;
    // The figure of the foot layer F from (y1, e1) to (y2, e2): resultant and its depth.
    void FussFigur(int F, double y1, double y2, double e1, double e2, double& Eh, double& yE);
    void ResetWandSummen();
    void AddWandBeitrag(const WandBeitrag& b);
    void CalcWandlastenAktiv();
    void CalcWandlastenPassiv();
    void CalcWandlasten();
    void SetBeiwerteIteration();
    void UmlagerungAnker();
    void PruefeEingabeWand() const;
    // Internal forces (wall analysis).
    double PunktX(int p) const;
    bool IstStaendigerBalkenLastfall(int j) const;
    double FaktorBalkenLastfall(int j) const;
    double FaktorVertikal(int lc) const;
    void SchnittgroessenAktiv(int s1, int s2);
    void Umhuellende(const char* format);
    void SchnittgroessenPassiv(int s1, int s2, bool traceJePunkt);
    double NullQuerkraft(int p) const;

    C1ZirfInput* pInput = nullptr;
    C1Traeger* pTraeger = nullptr;
    C1Trapez trapez;

    double tMax = 0.0;
    int iMassgebend = 0;
    int nTrapezLast = 0;
    int nTrapezLast2 = 0;
    int nTrapezLast3 = 0;
    int einspannArt = 0;
    int einspannArtGemerkt = 0;
    int zweiterLauf = 0;
    double Zielverdrehung = 0.0;
    double verdrehungFrei = 0.0;
    int iKombi = 0;
    int status = 0;
    double tgv = 0.0;
    double tgh = 0.0;
    int iSchichtAushub = 0;
    int iSchichtUnten = 0;
    int iLetzteSchicht = 0;
    int iErsteSchicht = 0;
    int iSchichtFuss = 0;
    int iSchichtFussAktiv = 0;
    int iSchichtFussPassiv = 0;
    double xGelaende = 0.0;
    double yGelaende = 0.0;
    double yAnker = 0.0;
    double GradFaktor = 57.29577950560105;
    double ggl = 0.0, gep = 0.0, ggr = 0.0, gammaA = 0.0, gammaG = 0.0, gammaQ = 0.0,
           gammaE0g = 0.0;
    double NAnker = 0.0, NHw = 0.0, NFuss = 0.0, NXm = 0.0, xm = 0.0, xm1 = 0.0;
    double tGes = 0.0;
    double deltaTZuschlag = 0.0;
    int nLastfaelle = 0;

    C1Tabelle<C1Schicht, zirf::kMaxSchichten> Schicht{"Schicht"};
    C1Tabelle<C1SchichtErgebnis, 21> ErgPassiv{"ErgPassiv"};
    C1Tabelle<C1SchichtErgebnis, 21> ErgSchicht{"ErgSchicht"};
    C1Tabelle<C1SchichtErgebnis, 100> ErgAktiv{"ErgAktiv"};
    C1Tabelle<C1SchichtErgebnis, 20> ErgBerme{"ErgBerme"};
    C1Tabelle<C1SchichtErgebnis, 20> ErgBermeUnten{"ErgBermeUnten"};
    C1Tabelle<C1SchichtErgebnis, 100> ErgBlockOben{"ErgBlockOben"};
    C1Tabelle<C1SchichtErgebnis, 100> ErgBlockUnten{"ErgBlockUnten"};
    C1Tabelle<C1SchichtErgebnis, 10> ErgLastfall{"ErgLastfall"};
    C1Tabelle<C1SchichtErgebnis, 100> ErgLinie{"ErgLinie"};
    C1Tabelle<std::array<double, 8>, 20> Verdichtung{"Verdichtung"};
    C1Tabelle<std::array<double, 10>, 100> BlockSchicht{"BlockSchicht"};
    C1Tabelle<std::array<double, 10>, 100> LinieSchicht{"LinieSchicht"};

    int richtung = 0;
    int iter = 0;
    double SM = 0.0;
    double t = 0.0;
    double tAlt = 0.0;
    double delta_t = 0.0;
    double SC = 0.0, SMA = 0.0, SMP = 0.0;
    double SummeQuerkraefte_aktiv = 0.0, SummeQuerkraefte_passiv = 0.0;

    Linie MDesign{}, MChar{}, QDesign{}, Durchbiegung{}, MDesignG{}, QDesignG{};
    Linie RAktiv1{}, RAktiv2{}, MRAktiv1{}, MRAktiv2{}, RPassiv1{}, RPassiv2{}, MRPassiv1{},
        MRPassiv2{};
    double MHw = 0.0, Mxm = 0.0, MA = 0.0, MF = 0.0, MuA = 0.0, QuA = 0.0, QA = 0.0;
    double Ausnutzung = 0.0, ausnutzungMax = 0.0, summeAktiv = 0.0, summePassiv = 0.0;
};
