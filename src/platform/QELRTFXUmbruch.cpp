#include "platform/QELRTFXUmbruch.h"

#include <cstddef>

namespace {

bool GleicheTabelle(const UmbruchTeil& a, const UmbruchTeil& b) {
    return IstTabellenzeile(a.art) && IstTabellenzeile(b.art) && a.tabelle == b.tabelle;
}

// Whether the text paragraphs from `ab` on, blank ones between them, lead straight to a
// table row within kEinleitung of them.
bool LeitetTabelleEin(const std::vector<UmbruchTeil>& teile, std::size_t ab) {
    int texte = 0;
    for (std::size_t i = ab; i < teile.size(); ++i) {
        const UmbruchArt art = teile[i].art;
        if (IstTabellenzeile(art)) {
            return true;
        }
        if (art == UmbruchArt::Text) {
            ++texte;
        } else if (art != UmbruchArt::Leer) {
            return false;
        }
        if (texte > kEinleitung) {
            return false;
        }
    }
    return false;
}

// Past the lines of text from `ab` on (blank paragraphs between them).
std::size_t SchlussEnde(const std::vector<UmbruchTeil>& teile, std::size_t ab) {
    std::size_t i = ab;
    while (i < teile.size() &&
           (teile[i].art == UmbruchArt::Text || teile[i].art == UmbruchArt::Leer)) {
        ++i;
    }
    return i;
}

// The last row of the table that starts at `anfang`.
std::size_t TabellenEnde(const std::vector<UmbruchTeil>& teile, std::size_t anfang) {
    std::size_t ende = anfang;
    while (ende + 1 < teile.size() && GleicheTabelle(teile[anfang], teile[ende + 1])) {
        ++ende;
    }
    return ende;
}

// Whether what follows the table ending at `ende` keeps with its last row: a line of
// text (the verdict of a check), a table of a row or two right under it, which reads
// as the table's own last rows, or, under a row of pictures, a heading.
bool HaeltMitLetzterZeile(const std::vector<UmbruchTeil>& teile, std::size_t ende) {
    const std::size_t danach = ende + 1;
    if (danach >= teile.size()) {
        return false;
    }
    if (teile[danach].art == UmbruchArt::Text || (teile[ende].art == UmbruchArt::Bildzeile &&
                                                  teile[danach].art == UmbruchArt::Ueberschrift)) {
        return true;
    }
    return IstTabellenzeile(teile[danach].art) &&
           TabellenEnde(teile, danach) - danach < static_cast<std::size_t>(kFortsetzung);
}

// The rows from `anfang` to `ende` (inclusive) of one table.
void KeepTabelle(const std::vector<UmbruchTeil>& teile, std::size_t anfang, std::size_t ende,
                 std::vector<bool>& keep) {
    const bool kurz = ende - anfang + 1 <= static_cast<std::size_t>(kKurzeTabelle);
    for (std::size_t i = anfang; i < ende; ++i) {
        keep[i] = kurz || teile[i].art == UmbruchArt::Kopfzeile || i + 1 == ende;
    }
    keep[ende] = HaeltMitLetzterZeile(teile, ende);
}

} // namespace

std::vector<bool> KeepWithNext(const std::vector<UmbruchTeil>& teile) {
    std::vector<bool> keep(teile.size(), false);
    for (std::size_t i = 0; i < teile.size(); ++i) {
        const UmbruchArt art = teile[i].art;
        if (IstTabellenzeile(art)) {
            const std::size_t ende = TabellenEnde(teile, i);
            KeepTabelle(teile, i, ende, keep);
            i = ende;
            continue;
        }
        const bool vorherHaelt = i > 0 && keep[i - 1];
        if (art == UmbruchArt::Ueberschrift) {
            keep[i] = true;
        } else if (art == UmbruchArt::Leer) {
            keep[i] = vorherHaelt;
        } else if (art == UmbruchArt::Text) {
            const UmbruchArt vorher = i > 0 ? teile[i - 1].art : UmbruchArt::Sonstiges;
            if (vorherHaelt && IstTabellenzeile(vorher)) {
                // The verdict of a check keeps with the few lines under it that close the
                // section (a formula, a second verdict, what a symbol means): a heading or
                // the end after them.
                const std::size_t schluss = SchlussEnde(teile, i);
                std::size_t letzte = i;
                int zeilen = 0;
                for (std::size_t j = i; j < schluss; ++j) {
                    if (teile[j].art == UmbruchArt::Text) {
                        letzte = j;
                        ++zeilen;
                    }
                }
                if (zeilen <= kSchlusszeilen &&
                    (schluss == teile.size() || teile[schluss].art == UmbruchArt::Ueberschrift)) {
                    // Under a row of pictures the lines (what the pictures label) keep with
                    // the heading after them too: the diagrams and their table share a page.
                    const bool bilder = vorher == UmbruchArt::Bildzeile && schluss < teile.size();
                    const std::size_t bis = bilder ? schluss : letzte;
                    for (; i < bis; ++i) {
                        keep[i] = true;
                    }
                    if (bilder) {
                        --i;
                    }
                }
            } else {
                // The chain from a heading runs on through its introducing lines.
                keep[i] = vorherHaelt && LeitetTabelleEin(teile, i);
            }
        }
    }
    return keep;
}
