#pragma once

// Rows of the report as a reader sees them: the body text of the RTF split into table
// rows, each a list of its cells.

#include "../platform/RtfStructureCheck.h"
#include "Zahl.h"

#include <optional>
#include <sstream>
#include <string>
#include <vector>

// The cells of one line of the body text; none for a paragraph.
inline std::vector<std::string> Zellen(const std::string& zeile) {
    std::vector<std::string> zellen;
    std::size_t start = 0;
    std::size_t trenner = 0;
    while ((trenner = zeile.find(" | ", start)) != std::string::npos) {
        zellen.push_back(zeile.substr(start, trenner - start));
        start = trenner + 3;
    }
    return zellen;
}

// The cells of the first row of the report whose first cell is `titel` (and, when given,
// whose second cell is `symbol`); empty when there is none.
inline std::vector<std::string> BerichtsZeile(const std::string& rtf, const std::string& titel,
                                              const std::string& symbol = "") {
    std::istringstream zeilen(rtfcheck::BodyText(rtf));
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        const std::vector<std::string> zellen = Zellen(zeile);
        if (zellen.size() >= 2 && zellen[0] == titel && (symbol.empty() || zellen[1] == symbol)) {
            return zellen;
        }
    }
    return {};
}

// The number in cell k of a report row; nothing when the row is shorter or the cell holds
// no number as a whole.
inline std::optional<double> ZahlInZelle(const std::vector<std::string>& zellen, std::size_t k) {
    return k < zellen.size() ? ZahlAusText(zellen[k]) : std::nullopt;
}
