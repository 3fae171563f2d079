#pragma once

// Runs the host program zirf on faulty documents, each in a folder of its own and
// under a limit of processor time, and judges what it did: a completed run with finite numbers in
// its report and results, or an error that names the element and the attribute, is
// sound; a crash, a sanitizer report, a hang, an unclear or catch-all message, a NaN or
// infinity in the output, or a user's file lost or changed is a fault.

#include "Mutanten.h"

#include <string>
#include <vector>

struct Befund {
    std::string beispiel;
    std::string beschreibung;
    int status = -1;       // exit status of zirf; 124 when it spent its processor time
    std::string meldungen; // what it wrote to stderr
    std::string fehler;    // empty when the run was sound, else what was wrong
};

// Processor time of one run in seconds. A run takes well under one; one that spends this
// much hangs. The clock is no measure: on a busy machine a sound run waits for its turn.
constexpr int kProzessorzeitSekunden = 60;

// Runs zirf on every mutant, several at once, and judges each run.
std::vector<Befund> PruefeAlle(const std::vector<Mutant>& mutanten);

// Text of the faults among the findings, one line each; "" when there is none.
std::string Fehlerliste(const std::vector<Befund>& befunde);

// Whether the text shows a number that is none: "nan", "-nan", "inf" or "-inf" standing
// alone (not inside a word such as "Einfluss").
bool HatNanOderInf(const std::string& text);

// Whether an error message names an element of the input and, when `attribut`, one of
// the attributes (or properties, `Kurzname`) of the input documents.
bool NenntElementUndAttribut(const std::string& meldung, bool attribut = true);
