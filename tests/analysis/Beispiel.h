#pragma once

#include "../host/InputFixture.h"

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"

#include <functional>
#include <memory>
#include <string>

// An example document read and its soil model built, ready for the wall analysis.
// The input may be changed before the soil model is built.
struct Beispiel {
    explicit Beispiel(const std::string& datei,
                      const std::function<void(C1ZirfInput&)>& aendern = nullptr)
        : f(InputFixture::FromFile(datei)) {
        f.ReadAll();
        if (aendern) {
            aendern(f.in);
        }
        calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        calc->CalcBodenmodell();
    }
    InputFixture f;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
};

// The example documents.
inline constexpr const char* kBeispielDateien[] = {
    "examples/kragwand.xml",   "examples/kragwand_sand.xml", "examples/kragwand_sand_lasten.xml",
    "examples/anker_frei.xml", "examples/anker_sand.xml",    "examples/anker_eingespannt.xml",
};
