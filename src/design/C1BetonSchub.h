#pragma once

#include <string>

// Records of the shear design of the concrete class. Units: forces in kN, moments in
// kNm, lengths in cm, link areas in cm²/m. Axial force: tension positive.

// Input of the shear design (the caller's). The number after a field is its place in
// the record as the design's callers know it.
struct C1SchubEingabe {
    double V = 0.0;        // [0] design shear force VEd
    double T = 0.0;        // [8] design torsional moment TEd (the library designs none)
    double wert16 = 0.0;   // [16] handed through
    double wert24 = 0.0;   // [24] handed through
    double wert32 = 0.0;   // [32] handed through
    double N = 0.0;        // [40] axial force
    double M = 0.0;        // [48] bending moment
    double z = 0.0;        // [56] inner lever arm; 0 takes 0.9·d
    double wert64 = 0.0;   // [64] handed through
    int situation = 1;     // [72] 1 persistent, 2 accidental, 3 to 5 further, 6
    int platte = 0;        // [76] 1: a slab, which needs no links where VEd ≤ VRd,c
    double As[6] = {};     // [80] .. [120]: [80] anchored tension reinforcement AsL,
                           // [88] the compression reinforcement, the rest handed through
    int achse = 1;         // [128] 2: the section about z (its covers about z)
    double cotTheta = 0.0; // [136] strut angle asked for as cot θ; 0 the largest admissible
};

// Result of the shear design. w[k] is the value at place 8·k.
struct C1SchubErg {
    // w[0] VRd,c; w[1] VRd,max; w[2] cot θ; w[3] required links asw; w[4] additional
    // longitudinal reinforcement; w[5] code minimum of the links; w[6] diameter of
    // the minimum links (mm); w[7] their spacing; w[8] VRd,s; w[9] lever arm;
    // w[12] effective depth; w[13] ρl (%); w[14] cot θ asked for; w[15] upper
    // limit of cot θ.
    double w[16] = {};
    int bibliothek = 0; // status of the library's main field
    int status = 0;     // designed: 1 links by calculation, 2 none needed by calculation,
                        // 4 the code minimum governs, 0 the minimum links of the
                        // section (in place of 2 and 4); 11 .. 14 the old DIN 1045;
                        // 99 no equivalent rectangle; 20 and above a failure the text names
    int hinweis = 0;    // 1: cot θ lowered below its limit to keep VEd ≤ VRd,max
    std::string text;
};

// Prestress record of the shear design: kept and copied, read by no calculation.
struct C1SchubVors {
    double w[15] = {};
    int i1 = 1;
    int i2 = 1;
};

// The four shear settings that SetSchubAllg sets.
struct C1SchubAllg {
    int s1 = 1;
    double winkel = 90.0; // angle of the links to the member axis, degrees
    int s3 = 1;
    int s5 = 1;
};
