#include "plot/section/QuerAusArgumenten.h"

#include "plot/engine/TextReinigung.h"

namespace {

constexpr int kSectionDimensions = 80;
constexpr int kGivenDimensions = 79;

} // namespace

C1Quer QuerAusArgumenten(float xa, float xe, const std::string& name, int designType, int shape,
                         int iProf, int axis, const float* dims, float hz, float w1, float w2,
                         float w3, float w4) {
    C1Quer section(kSectionDimensions);
    section.xa = xa;
    section.xe = xe;
    section.Name = QuerNameGereinigt(name);
    section.Bemetyp = designType;
    section.iQuer = shape;
    section.iProf = iProf;
    section.ProfAchse = axis;
    section.hz = hz;
    section.d1y = w1;
    section.d2y = w2;
    section.d1z = w3;
    section.d2z = w4;
    if (dims != nullptr) {
        for (int k = 0; k < kGivenDimensions; ++k) {
            section.d.at(static_cast<std::size_t>(k)) = dims[k];
        }
    }
    return section;
}
