#pragma once

// Faulty variants of a sound input document: one attribute of the `input` element
// set to a value the user should not have written, a section removed or written
// twice, a list emptied, doubled or overfull, and the cases an engineer gets wrong
// (a layer without thickness, soil without weight, water above the head, the anchor
// below the excavation, broken combination rules). Each variant keeps everything else
// of the document, so a fault it shows belongs to the one change it names.

#include <functional>
#include <string>
#include <vector>

#include <libxml/tree.h>

struct Mutant {
    std::string beispiel;      // file name of the sound document
    std::string beschreibung;  // what was changed, e.g. "geom@wand_hw=0"
    std::string dokument;      // the changed document
    bool nenntAttribut = true; // an error about it must name an attribute, not only an element
};

// One change of a document; it may throw std::invalid_argument when the document has
// nothing it can change (the mutant is then left out).
struct Aenderung {
    std::string beschreibung;
    std::function<void(xmlDocPtr)> anwenden;
    bool nenntAttribut = true; // false for a section or list removed or doubled
};

// A numeric attribute of a document: the path of its element below `input`, its name and
// its sound value.
struct ZahlAttribut {
    std::string pfad;
    std::string name;
    std::string wert;
};

// Every attribute below `input` whose value is a finite number.
std::vector<ZahlAttribut> ZahlAttribute(const std::string& dokument);

// Numbers a user should not have written in place of `original`: zero, a negative, a
// huge and a tiny one.
std::vector<std::string> FalscheZahlen(const std::string& original);

// Texts that are no number: empty, "nan", "inf" and a word.
std::vector<std::string> KeineZahlen();

// The structural and engineering changes alone (sections, lists, layers, water, anchor,
// rules), without the attribute sweep.
std::vector<Aenderung> StrukturAenderungen();

// The structural or engineering change of that description; std::invalid_argument when
// there is none.
Aenderung StrukturAenderung(const std::string& beschreibung);

// A change of one attribute, addressed by the path of its element below `input`
// ("geom", "bode/gruppe[2]", "mate/profil/objekt/Eigenschaft[Iy]").
Aenderung SetzeAttribut(const std::string& pfad, const std::string& attribut,
                        const std::string& wert);

// The document with the change applied, as text.
std::string Anwenden(const std::string& dokument, const Aenderung& aenderung);
