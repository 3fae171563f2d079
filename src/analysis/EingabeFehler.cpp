#include "analysis/EingabeFehler.h"

#include "platform/C1Exception.h"

void EingabeFehler(const std::string& element, const std::string& attribut,
                   const std::string& grund, const std::string& modul) {
    throw C1Exception(
        "xml-Eingabedatei, Element '" + element + "': Attribut '" + attribut + "' " + grund, modul);
}
