#pragma once

#include "model/C1Tabelle.h"
#include "model/ZirfGrenzen.h"

// The members of the calculation object that the deep slip line check of the anchored
// wall writes: the slip line and its segments, the forces on the soil wedge, the earth
// pressure on the wall and on the substitute anchor wall, the existing and the possible
// anchor force and the pull-out check. C1ZirfCalc derives from this record, so every
// member is read as a member of the calculation object.
//
// Every anchor force of the check (AvorhG, AvorhQ, AmoeglG, AmoeglQ, their design values
// and Ad) is the axial force of the anchor: its horizontal value divided by the cosine of
// the anchor inclination, so that existing and possible forces compare like with like and
// the steel and the grouted length are checked for the force they carry.
struct C1TGFDaten {
    // Segments of the slip line: one per run of layers of equal friction and cohesion.
    static constexpr int kMaxAbschnitte = 10;
    using Abschnitte = C1Tabelle<double, kMaxAbschnitte>;

    // --- Geometry (m; angles in radians) -------------------------------------------------
    double xAnkerkopf = 0.0; // anchor head on the wall
    double yAnkerkopf = 0.0;
    double xFussTGF = 0.0; // lower end of the slip line, on the wall
    double yFussTGF = 0.0;
    double tafelLichtweite = 0.0; // clear distance of the anchor slabs
    double lvAnker = 0.0;         // grouted length of a grouted anchor
    double thetaTGF = 0.0;        // rise of the slip line from its lower to its upper end
    double xErsatzwand = 0.0;     // the substitute anchor wall: its x and its top (ground)
    double yErsatzwandOben = 0.0;

    // --- Segments, from the upper end of the line downwards (kN/m, m, degrees) ----------
    int nAbschnitte = 0;
    Abschnitte GBoden{"GBoden"};                 // soil and berm above the segment
    Abschnitte GStaendig{"GStaendig"};           // plus the permanent loads
    Abschnitte GVeraenderlich{"GVeraenderlich"}; // plus the loads where they act unfavourably
    Abschnitte Kohaesion{"Kohaesion"};           // vertical cohesion force c·dy
    Abschnitte phiAbschnitt{"phiAbschnitt"};
    Abschnitte xAbschnitt{"xAbschnitt"}; // lower end of the segment
    Abschnitte yAbschnitt{"yAbschnitt"};
    Abschnitte dAG{"dAG"}; // horizontal anchor force terms, permanent and variable set
    Abschnitte dAQ{"dAQ"};

    // --- Earth pressure, characteristic (kN/m) ---------------------------------------------
    // On the wall down to the lower end of the line: permanent (load case 1, berm, water),
    // and the variable components, berm and water; vertical of all load cases.
    double sumEhG = 0.0;
    double sumEvG = 0.0;
    double sumEhQ = 0.0;
    double sumEvQ = 0.0;
    // On the substitute anchor wall: permanent and all load cases.
    double E1hG = 0.0;
    double E1hQ = 0.0;
    double E1vG = 0.0;
    double E1vQ = 0.0;
    C1Tabelle<double, zirf::kMaxLastfaelle> EhLfTGF{"EhLfTGF"}; // per load case

    // --- Anchor force (axial, kN/m) ------------------------------------------------------------
    double sumdAG = 0.0;
    double sumdAQ = 0.0;
    double sumC = 0.0; // horizontal cohesion force Σ c·dy / tan θ
    double AmoeglG = 0.0;
    double AmoeglQ = 0.0;
    double AmoeglGd = 0.0; // divided by gep
    double AmoeglQd = 0.0;
    double AvorhG = 0.0; // design anchor force of the wall: permanent share, and all
    double AvorhQ = 0.0;
    double ausnutzungG = 0.0; // AvorhG / AmoeglGd (infinite when nothing is possible)
    double ausnutzungQ = 0.0;

    // --- One anchor: design force and pull-out (kN, kN/m, m) -------------------------------
    double Ad = 0.0;     // max(AvorhG, AvorhQ)·ankerabstand
    double Tgrenz = 0.0; // design skin friction per metre of grouted length
    double Rd = 0.0;     // design pull-out resistance
    double ausnutzungAnker = 0.0;
    double lErforderlich = 0.0; // grouted length needed

    // --- The alternative anchor force check (not part of a run) -----------------------------
    // Skin friction and diameter of its resistance: no input fills them.
    double qsAnker2 = 0.0;
    double dAnker2 = 0.0;
    double abstandsFaktor = 0.0;
};
