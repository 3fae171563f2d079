#pragma once

#include "model/KombiRegel.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A load combination that the design takes ("STR,GEO"): its factors and its variable load
// cases, each of which a load state of it may leave out.
struct C1Bemessungskombination {
    int kombi = 0;                  // 0-based index of the combination in the input
    KombiFaktoren faktoren;         // the rule's factors
    std::vector<int> veraenderlich; // its variable load cases, by number
    // The run's load state of each subset the run holds (by the bits of the absent cases):
    // every subset where the states are listed one by one, else its permanent loads, each
    // variable load case alone and the states found to govern a value. A state whose
    // factors equal an earlier one's stands for it.
    std::map<std::uint64_t, std::size_t> zustand;

    // The bits of every variable load case: the state of the permanent loads alone.
    std::uint64_t AlleOhne() const { return (std::uint64_t{1} << veraenderlich.size()) - 1; }
};

// One load state of the wall: the permanent loads of a design combination with each of its
// variable load cases either present, with its factor from the rule, or absent. A
// variable action counts only where it is unfavourable, so the wall must hold in every
// state of every design combination.
struct C1Lastzustand {
    std::size_t kombination = 0; // the design combination (index into the run's list)
    std::uint64_t ohne = 0;      // bit i set: its variable load case i is absent

    // The iteration's target rotation sum of a partly fixed foot: its share of the
    // rotation that this state shows at its own free foot (found by a first pass); that free
    // foot's depth and rotation.
    double zielVerdrehung = 0.0;
    double tFrei = 0.0;
    double verdrehungFrei = 0.0;
};

// The factors of a state: the combination's, 0 for its absent load cases.
KombiFaktoren FaktorenVon(const C1Bemessungskombination& k, const C1Lastzustand& z);
// Whether none of the combination's variable load cases is present.
bool IstStaendig(const C1Bemessungskombination& k, const C1Lastzustand& z);
// How the report names a state: "LK 1" (every variable load case present), "LK 1
// ständig" (none) or "LK 1 ohne Lf 3" (the absent ones listed).
std::string TextVon(const C1Bemessungskombination& k, const C1Lastzustand& z);
// Whether load case lf is present in the state (permanent ones always are).
bool IstVorhanden(const C1Bemessungskombination& k, const C1Lastzustand& z, int lf);
