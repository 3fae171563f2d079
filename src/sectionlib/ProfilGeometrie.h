#pragma once

// Section values of rolled and hollow steel profiles, computed from their nominal
// dimensions: the outline is traced as a polygon (roots and corners rounded with many
// short chords) and integrated; torsion and warping constants follow the closed forms
// that the steel makers' tables use.

#include <string>
#include <vector>

// The kinds of profile the database knows. The codes are those the steel design
// functions report as the profile type; 41 and 51 are the hollow sections, which never
// buckle laterally.
enum class ProfilArt { IProfil = 11, UProfil = 21, Rechteckrohr = 41, Rundrohr = 51 };

// Nominal dimensions in mm, as the table holds them. For hollow sections tw = tf = the
// wall thickness and r the outer corner radius (0: 1.5 t, hot-finished); a round tube has
// h = b = the outside diameter. r2 and the flange slope in % describe tapered channels.
struct ProfilMasse {
    ProfilArt art = ProfilArt::IProfil;
    double h = 0.0, b = 0.0, tw = 0.0, tf = 0.0, r = 0.0;
    double r2 = 0.0;      // toe radius of tapered flanges
    double neigung = 0.0; // slope of the flanges' inner faces in %
};

// Section values in cm units. Axes: y horizontal, z vertical (the profile standing as
// rolled); coordinates from the top-left corner of the bounding box, z downward.
struct ProfilWerte {
    double A = 0.0;                       // cm²
    double Iy = 0.0, Iz = 0.0;            // cm⁴ about the centroid's y and z axes
    double Iyz = 0.0;                     // cm⁴, product of inertia
    double alpha = 0.0;                   // angle of the principal axes to y/z, rad
    double I1 = 0.0, I2 = 0.0;            // cm⁴ principal second moments (I1 >= I2)
    double ys = 0.0, zs = 0.0;            // cm, centroid from the left and the top
    double WyOben = 0.0, WyUnten = 0.0;   // cm³ elastic moduli to the top and bottom fibre
    double WzLinks = 0.0, WzRechts = 0.0; // cm³ elastic moduli to the left and right fibre
    double Wply = 0.0, Wplz = 0.0;        // cm³ plastic moduli
    double It = 0.0;                      // cm⁴ torsion constant
    double Iw = 0.0;                      // cm⁶ warping constant about the shear centre
    double yM = 0.0;                      // cm, shear centre from the left (back of a channel)
    double hoehe = 0.0, breite = 0.0;     // cm, bounding box
};

struct ProfilPunkt {
    double y = 0.0, z = 0.0;
};
using ProfilPolygon = std::vector<ProfilPunkt>;

// The outline (first polygon) and the hole (second, hollow sections only), in mm.
std::vector<ProfilPolygon> ProfilUmriss(const ProfilMasse& m);

// Checks the dimensions for a shape that can be drawn; the reason when not, else "".
std::string ProfilMassePruefen(const ProfilMasse& m);

// All section values of the profile (the dimensions must have passed the check).
ProfilWerte ProfilWerteBerechnen(const ProfilMasse& m);
