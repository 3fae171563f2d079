#pragma once

#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

// An input model filled in code, and the calculation object over it. The defaults: an
// excavation of 3 m, no water within the model, active and full passive pressure, one
// load case of a permanent action.
class CalcFixture {
public:
    static constexpr double kGrad = 57.29577950560105;

    CalcFixture() {
        in.wand_hw = 3.0;
        in.tgh = in.tgv = 100.0;
        in.erhwand = 100;
        in.iLetzterLastfall = 0;
        in.lastfallLf[0] = 1;
        in.lastfallEinw[0] = 1;
    }

    // Appends a soil layer; gammaUnter 0 takes gamma − 10.
    C1ZirfInput::SBodenschicht& Schicht(double sd, double gamma, double phi, double delta = 0.0,
                                        double deltp = 0.0, double coh = 0.0,
                                        double gammaUnter = 0.0) {
        auto& s = in.schicht.at(static_cast<std::size_t>(in.nSchicht));
        s.nr = in.nSchicht + 1;
        s.bez = "Schicht " + std::to_string(in.nSchicht + 1);
        s.sd = sd;
        s.gamma = gamma;
        s.gamma_feucht = gammaUnter;
        s.phi = phi;
        s.delta = delta;
        s.deltp = deltp;
        s.coh = coh;
        ++in.nSchicht;
        return s;
    }

    // Declares load cases 1 ... n with their action numbers.
    void Lastfaelle(std::initializer_list<int> einwirkungen) {
        int k = 0;
        for (const int e : einwirkungen) {
            in.lastfallLf.at(static_cast<std::size_t>(k)) = k + 1;
            in.lastfallEinw.at(static_cast<std::size_t>(k)) = e;
            ++k;
        }
        in.iLetzterLastfall = k - 1;
    }

    void Flaechenlast(int lf, double v) {
        auto& f = in.flaechenlast.at(static_cast<std::size_t>(in.nFlaechenlast++));
        f.lf = lf;
        f.v = v;
        f.bez = "q" + std::to_string(in.nFlaechenlast);
        in.CollectLastfaelle();
    }

    C1ZirfCalc& Run() {
        calc = std::make_unique<C1ZirfCalc>(&in, nullptr);
        calc->CalcBodenmodell();
        return *calc;
    }

    // The text of the shown error that the run ends with; "" when it runs through.
    std::string Meldung() {
        try {
            Run();
        } catch (const C1Exception& e) {
            EXPECT_EQ(e.code, 1);
            return e.text;
        }
        return "";
    }

    // The layer whose top lies at depth y (within 1 mm); fails the test when none does.
    int SchichtAb(double y) const {
        for (int i = 0; i <= calc->iLetzteSchicht; ++i) {
            if (std::fabs(calc->Schicht[i].yo - y) < 0.001) {
                return i;
            }
        }
        ADD_FAILURE() << "no layer starts at " << y;
        return 0;
    }

    C1QEL qel;
    C1ZirfInput in{&qel};
    std::unique_ptr<C1ZirfCalc> calc;
};
