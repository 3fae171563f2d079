#include "model/C1Tabelle.h"

#include "platform/C1Exception.h"

void ThrowTabellenGrenze(const char* tabelle, long long index, std::size_t plaetze) {
    throw C1Exception("Die Eingabe überschreitet die Grenzen der Berechnung: Tabelle " +
                          std::string(tabelle) + " hat " + std::to_string(plaetze) +
                          " Plätze, benötigt wird Platz " + std::to_string(index + 1) + ".",
                      "C1ZirfCalc");
}
