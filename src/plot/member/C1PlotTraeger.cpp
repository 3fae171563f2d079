#include "plot/member/C1PlotTraeger.h"

#include "plot/engine/C1Plot.h"

#include <algorithm>

C1PlotTraeger::C1PlotTraeger() = default;

const C1PlotAufl* C1PlotTraeger::Aufl(int n) const {
    return n >= 1 && n <= kLastNumber ? &supports[static_cast<std::size_t>(n)] : nullptr;
}

std::string C1PlotTraeger::GetAuflText(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->text : std::string();
}
int C1PlotTraeger::GetAuflCode1(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->code1 : 0;
}
int C1PlotTraeger::GetAuflCode2(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->code2 : 0;
}
int C1PlotTraeger::GetAuflCode3(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->code3 : 0;
}
double C1PlotTraeger::GetAuflX(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->x : 0.0;
}
double C1PlotTraeger::GetAuflValue1(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->value1 : 0.0;
}
double C1PlotTraeger::GetAuflValue2(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->value2 : 0.0;
}
double C1PlotTraeger::GetAuflValue3(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->value3 : 0.0;
}
double C1PlotTraeger::GetAuflValue4(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->value4 : 0.0;
}
double C1PlotTraeger::GetAuflValue5(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->value5 : 0.0;
}
int C1PlotTraeger::GetAuflI1(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->i1 : 0;
}
int C1PlotTraeger::GetAuflI2(int n) const {
    return Aufl(n) != nullptr ? Aufl(n)->i2 : 0;
}
double C1PlotTraeger::GetGele(int i) const {
    return i >= 1 && i <= kLastNumber ? gele[static_cast<std::size_t>(i)] : 0.0;
}
C1PlotBettung C1PlotTraeger::GetBettung(int i) const {
    return i >= 1 && i <= kLastNumber ? bettung[static_cast<std::size_t>(i)] : C1PlotBettung{};
}
C1PlotLoch C1PlotTraeger::GetLoch(int i) const {
    return i >= 1 && i <= kLastNumber ? holes[static_cast<std::size_t>(i)] : C1PlotLoch{};
}
C1PlotLastText C1PlotTraeger::GetLastText(int i) const {
    return i >= 0 && i <= kLastNumber ? labels[static_cast<std::size_t>(i)] : C1PlotLastText{};
}

bool C1PlotTraeger::GetQuer(int i, C1Quer& out) const {
    if (i < 1 || i > highestSection || i > kLastSection) {
        return false;
    }
    out.Copy(sections[static_cast<std::size_t>(i)]);
    return true;
}

int C1PlotTraeger::GetHighestLabel() const {
    for (int i = kLastNumber; i > 0; --i) {
        if (labels[static_cast<std::size_t>(i)].used != 0) {
            return i;
        }
    }
    return 0;
}

bool C1PlotTraeger::SetLastText(int i, int used, int second, char letter, const std::string& text) {
    if (i < 0 || i > kLastNumber) {
        return false;
    }
    labels[static_cast<std::size_t>(i)] = {used, second, letter, text};
    return true;
}

int C1PlotTraeger::SetAufl(int number, const std::string& text, double x, int code1, int code2,
                           int code3, double value1, double value2, double value3, double value4,
                           double value5, int i1, int i2, double spring1, double spring2) {
    if (number < 1 || number > kLastNumber) {
        return 0;
    }
    if (value2 >= maxCutUpper) {
        maxCutUpper = value2;
    }
    if (value3 >= maxCutLower) {
        maxCutLower = value3;
    }
    supports[static_cast<std::size_t>(number)] = {text,   code1,  code2,   code3,  x,
                                                  value1, value2, value3,  value4, value5,
                                                  i1,     i2,     spring1, spring2};
    return 1;
}

int C1PlotTraeger::SetBettung(double start, double len, double value) {
    if (start < 0.0 || start + len > length || bettungCount >= kLastNumber) {
        return 0;
    }
    bettung[static_cast<std::size_t>(++bettungCount)] = {start, len, value};
    return 1;
}

int C1PlotTraeger::SetGele(double x) {
    if (x < 0.0 || x > length || geleCount >= kLastNumber) {
        return 0;
    }
    gele[static_cast<std::size_t>(++geleCount)] = x;
    return 1;
}

int C1PlotTraeger::SetLoch(int number, int kind, double position, double len, double size,
                           double offset) {
    if (number < 1 || number > kLastNumber || (kind != 1 && kind != 2)) {
        return 0;
    }
    highestHole = std::max(highestHole, number);
    holes[static_cast<std::size_t>(number)] = {kind, position, len, size, offset};
    return 1;
}

int C1PlotTraeger::SetQuer(int index, const C1Quer& section) {
    if (index < 1 || index > kLastSection || section.iQuer < 1) {
        return 0;
    }
    // The stored copy is trimmed; the caller's record stays as it is.
    C1Quer copy;
    copy.Copy(section);
    const std::size_t first = copy.Name.find_first_not_of(" \t\r\n");
    copy.Name = first == std::string::npos
                    ? std::string()
                    : copy.Name.substr(first, copy.Name.find_last_not_of(" \t\r\n") - first + 1);
    sections[static_cast<std::size_t>(index)].Copy(copy);
    highestSection = std::max(highestSection, index);
    return 1;
}

C1Punkt C1PlotTraeger::AxisPoint(C1Punkt start, C1Punkt end, double x) const {
    const double t = length > 0.0 ? x / length : 0.0;
    return {C1Plot::WorldInt(start.x + (end.x - start.x) * t),
            C1Plot::WorldInt(start.y + (end.y - start.y) * t)};
}
