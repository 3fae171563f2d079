#include "plot/section/QuerAusArgumenten.h"

#include "platform/TextMetrics.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kSectionDimensions = 80;
constexpr int kGivenDimensions = 79;

bool OneOf(int v, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), v) != values.end();
}

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

std::string QuerNameGereinigt(const std::string& name) {
    std::string out;
    for (const char32_t c : TextCodePoints(name)) {
        out += (c < 32 || c > 127) ? ' ' : static_cast<char>(c);
    }
    const std::size_t first = out.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return out.substr(first, out.find_last_not_of(" \t") - first + 1);
}

bool IsQuerformZulaessig(int designType, int shape) {
    if (OneOf(designType, {1, 4, 7, 11, 21})) {
        return OneOf(shape, {1, 2, 3, 4, 5, 7, 11});
    }
    if (OneOf(designType, {2, 5, 8, 12, 22})) {
        return OneOf(shape, {1, 3});
    }
    if (OneOf(designType, {3, 6, 9, 13, 23})) {
        return OneOf(shape, {1, 2});
    }
    return false;
}
