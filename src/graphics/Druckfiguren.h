#pragma once

#include <string>
#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

// The pressure figures of the loading diagram and of the deep-slip-line picture, drawn
// by one routine from data: every diagram is a caption and a list of figures.
namespace druckfiguren {

// One pressure figure along the wall: its depth range y1..y2 (m) and its horizontal and
// vertical ordinates at the top and the bottom (kN/m²).
struct Figur {
    double y1 = 0.0;
    double y2 = 0.0;
    double h1 = 0.0;
    double v1 = 0.0;
    double h2 = 0.0;
    double v2 = 0.0;
};

// A diagram: its caption and figures, drawn on the wall line or on a vertical base line
// at the cursor. `versatz` (kN/m²) shifts the base line away from the wall side.
struct Diagramm {
    std::string titel;
    std::vector<Figur> figuren;
    bool aufWand = true;
    double versatz = 0.0;
};

// Which tables of the calculation: the run on the wall or the deep slip line's run on the
// equivalent wall.
enum class Lauf { Wand, Ersatzwand };

// Captions of the figures, translated by the caller.
struct Titel {
    std::string erde;   // "aus Erde"
    std::string erde10; // "aus Erde/10"
    std::string berme;  // "aus Berme"
    std::string wasser; // "aus Wasser"
};

// The figure cut at the depth yBis with the ordinates interpolated there; false when
// nothing of it lies above yBis or it has no height.
bool BisTiefe(Figur& f, double yBis);

// The retained side's diagrams of one run in the order of the picture: earth pressure
// per load case (0, then the surcharge load cases 2 onward), berm, the vertical part of
// every block load, the horizontal part of every block load that has one, then the
// same for the line loads. Every diagram keeps its caption, also where none of its
// figures has an ordinate.
std::vector<Diagramm> Erddruckdiagramme(const C1ZirfCalc& c, const C1ZirfInput& in, Lauf lauf,
                                        const Titel& titel);
// The passive earth pressure of the excavation side, load case 0.
Diagramm Erdwiderstand(const C1ZirfCalc& c, const std::string& titel);
// The excess water pressure between the two water levels tgh and tgv: its width grows by
// 10 kN/m² per metre below the upper level and stays constant below the lower one. Empty
// when the levels are equal or both at or below yBis.
Diagramm Wasser(double tgh, double tgv, double yBis, const std::string& titel);
// The compaction earth pressure (active or at rest) of the layers down to t.
Diagramm Verdichtung(const C1ZirfCalc& c, const C1ZirfInput& in, const std::string& titel);

// Width (m) of a caption as the diagrams write it.
double TitelBreite(const std::string& titel);

// Largest ordinate, horizontal or vertical, of the diagrams above the depth yBis, as
// they are drawn (0 when none; values that are no numbers do not count).
double GroessteOrdinate(const std::vector<Diagramm>& diagramme, double yBis);

// The ordinate scale (kN/m² per metre drawn) at which the largest ordinate drawn is
// drawn 3 m wide, whatever the calculation's own largest ordinate is; a picture without
// an ordinate takes 10 kN/m² for it.
double Massstab(double groessteOrdinate);

// Diagrams in one row at most; more go into rows below.
inline constexpr int kJeZeile = 10;
// The distance between two rows of diagrams that reach `hoehe` (m) deep: room for the
// captions of the next row in between.
double Zeilenabstand(double hoehe);

// Draws diagrams side by side through the open picture. seite +1 draws to the right of
// the cursor (horizontal ordinates to the right, vertical ones upward), -1 mirrored to
// the left (vertical ones downward, the wall's inclination mirrored).
class Reihe {
public:
    Reihe(double scale, double tanWand, int seite, double yBis, double yTitel);
    // Breaks the row after every `jeZeile` diagrams: the next ones stand `abstand` (m)
    // lower, from where the row began. A row of many diagrams side by side would make a
    // picture too long for its texts to be read.
    void Umbruch(int jeZeile, double abstand);
    // Draws each diagram with its caption at the cursor, then moves the cursor 1 m past
    // what it drew. Returns the cursor after the last diagram.
    double Zeichne(const std::vector<Diagramm>& diagramme, double xCursor);
    // Draws the figures of one diagram with the base at xCursor (no caption); returns
    // the outermost x drawn.
    double Figuren(const Diagramm& d, double xCursor, double vSeite, double wandSeite);
    // The outermost x drawn so far (largest for seite +1, smallest for -1).
    double Aussen() const { return aussen; }
    int Polygone() const { return polygone; }

private:
    double scale;
    double tanWand;
    int seite;
    double yBis;
    double yTitel;
    double aussen = 0.0;
    int polygone = 0;
    int jeZeile = 0; // 0: one row
    double zeilenabstand = 0.0;
    int gezeichnet = 0;       // diagrams drawn by Zeichne so far
    double zeilenStart = 0.0; // cursor where the rows begin
    double yVersatz = 0.0;    // depth added to the current row
};

} // namespace druckfiguren
