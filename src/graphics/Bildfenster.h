#pragma once

#include <functional>
#include <optional>

// The window of a picture: what it draws, in metres. The drawing engine sizes its texts
// in proportion to the extents a picture is opened with, and the report shows a picture
// as large as its drawing fits into the page box; so a picture opened with extents far
// from what it draws shows texts too small or too large, and one drawn much longer than
// high (or the other way) shrinks to a sliver. The pictures keep their origin at (0, 0).
namespace bildfenster {

struct Fenster {
    double xMin = 0.0;
    double yMin = 0.0;
    double xMax = 0.0;
    double yMax = 0.0;
    bool leer = true;

    double Breite() const { return leer ? 0.0 : xMax - xMin; }
    double Hoehe() const { return leer ? 0.0 : yMax - yMin; }
    // Grows to take the point; a coordinate that is no number is not taken.
    void Nimm(double x, double y);
};

// Draws a picture whose window is what it draws: `oeffne` opens it with a window's
// extents, `zeichne` draws it. While the drawing would show its texts at a size other
// than a picture of its own extents gives them, the picture is opened anew with the
// window drawn and drawn again (a few times at most: the texts move the window a little
// each time). Returns with the picture open.
void Zeichne(const Fenster& schaetzung, double widthMm, double heightMm,
             const std::function<void(const Fenster&)>& oeffne,
             const std::function<void()>& zeichne);

// What the open picture has drawn so far; nothing when it has drawn nothing.
std::optional<Fenster> Gezeichnet();

// The invisible frame that sets the margins of the open picture (2 % left, right and at
// the bottom, 5 % at the top), widened across the drawing where it is too long and thin
// for the page box of widthMm × heightMm to show it at least 2 cm on each side and at
// most 20 times as long as high.
void Rahmen(double widthMm, double heightMm);

} // namespace bildfenster
