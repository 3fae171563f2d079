#pragma once

#include <vector>

// Where the report may turn its page. Each part of the body (a paragraph, a table row,
// an inserted fragment) either keeps with the part after it or lets a page break fall
// behind it. A reader sees no heading and no table head alone at the foot of a page, no
// table's last row alone at the top of one, and a short table whole:
// - a heading keeps with what it heads, and so does a blank paragraph that stands
//   between a heading and its text or table;
// - the lines of text right under a heading that introduce a table (a few, blank
//   paragraphs between them) keep with each other and with the table;
// - a table head row keeps with the row after it, so a heading, the table head and the
//   first row (or the row of pictures under a row of captions) share a page;
// - a short table keeps all its rows together;
// - the last row of a table keeps with the row before it, with a line of text right
//   after the table (the verdict of a check; it keeps with a second verdict line that
//   closes the section under it) and with a table of a row or two right under it (rows
//   of other columns that close the table above);
// - a row of pictures that ends its table keeps with a heading right under it: the
//   diagrams share a page with the table of their values.
enum class UmbruchArt {
    Ueberschrift, // a heading or a table heading paragraph
    Text,         // a body paragraph with text
    Leer,         // a body paragraph without text
    Sonstiges,    // a picture, an annotation, an inserted fragment
    Kopfzeile,    // a table row in the table head style
    Zeile,        // any other table row
    Bildzeile,    // a table row holding pictures
};

// Whether the part is a row of a table.
inline bool IstTabellenzeile(UmbruchArt art) {
    return art == UmbruchArt::Kopfzeile || art == UmbruchArt::Zeile || art == UmbruchArt::Bildzeile;
}

struct UmbruchTeil {
    UmbruchArt art = UmbruchArt::Sonstiges;
    int tabelle = 0; // rows that share this number and stand together form one table
};

// A table of at most this many rows, about a third of a page, is kept on one page: the
// longest check of the report (the anchor's material, 17 rows) stays whole.
inline constexpr int kKurzeTabelle = 18;

// A table right under another one of at most this many rows keeps with the one above.
inline constexpr int kFortsetzung = 2;

// At most this many lines of text between a heading and its table keep with the table:
// the system's description (its support, the earth pressures on either side and a note
// on compaction) stays with its results.
inline constexpr int kEinleitung = 5;

// At most this many lines of text right under a table that close its section (its verdict,
// a formula, a second verdict, what the symbols mean) keep with each other and the table:
// the check of a given depth ends with four.
inline constexpr int kSchlusszeilen = 4;

// Per part, whether it keeps with the next one.
std::vector<bool> KeepWithNext(const std::vector<UmbruchTeil>& teile);
