#pragma once

// The load states a report names and how their list prints them.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

namespace lastzustandsliste {

// The states the report's chapters name (the embedment's, the anchor force's, those the
// wall cannot stand in, the checks' and the profile rows'), each once, in that order.
std::vector<std::size_t> GenannteZustaende(const C1ZirfCalc& calc, const C1ZirfInput& in);
// "1.35 · Lf 1 + 1.50 · Lf 2".
std::string FaktorenText(const std::vector<std::pair<int, double>>& faktoren);
// The other names of a state, separated by commas.
std::string GleichText(const std::vector<std::string>& namen);

} // namespace lastzustandsliste
