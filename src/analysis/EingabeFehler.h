#pragma once

#include <string>

// Ends the run with a shown error about one attribute of the input document, e.g.
// "xml-Eingabedatei, Element 'geom': Attribut 'rundung' muss positiv sein".
[[noreturn]] void EingabeFehler(const std::string& element, const std::string& attribut,
                                const std::string& grund, const std::string& modul);
