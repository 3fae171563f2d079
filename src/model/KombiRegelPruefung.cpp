// The check that a combination rule reads exactly as written. The parser skips what it
// does not know and drops a number without its bracket, so a rule it would misread must
// be refused before any figure rests on it.

#include "model/KombiRegel.h"

#include <charconv>
#include <cstddef>
#include <set>
#include <string>

namespace {

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}
bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Reads "factor*(case+case...)+factor*(...)" and stops at the first fault.
class Leser {
public:
    explicit Leser(const std::string& r) : regel(r) {}

    std::string Fehler() {
        if (regel.size() > kKombiRegelLaenge) {
            return "ist länger als " + std::to_string(kKombiRegelLaenge) + " Zeichen";
        }
        Leerzeichen();
        if (Ende()) {
            return "nennt keinen Lastfall; sie braucht mindestens den Lastfall 1 mit einem Faktor, "
                   "z. B. 1.35*(1)+1.5*(2)";
        }
        for (;;) {
            if (const std::string f = Term(); !f.empty()) {
                return f;
            }
            Leerzeichen();
            if (Ende()) {
                return {};
            }
            if (regel[pos] != '+') {
                return Unerwartet("nach der schließenden Klammer ein '+' oder das Ende");
            }
            ++pos;
            Leerzeichen();
            if (Ende()) {
                return "endet mit '+' ohne folgende Gruppe";
            }
        }
    }

private:
    // factor '*' '(' case ('+' case)* ')'
    std::string Term() {
        if (regel[pos] == '(') {
            return "hat eine Gruppe ohne Faktor; erwartet wird Faktor*(Lastfälle)";
        }
        std::string zahl;
        if (const std::string f = Zahl(zahl, true, "ein Faktor"); !f.empty()) {
            return f;
        }
        Leerzeichen();
        if (Ende() || regel[pos] != '*') {
            return Unerwartet("nach dem Faktor " + zahl + " ein '*'");
        }
        ++pos;
        Leerzeichen();
        if (Ende() || regel[pos] != '(') {
            return Unerwartet("nach '*' eine Klammer mit Lastfällen, z. B. " + zahl + "*(2)");
        }
        ++pos;
        for (;;) {
            Leerzeichen();
            if (!Ende() && regel[pos] == ')') {
                return "hat eine Klammer ohne Lastfall (oder ein '+' ohne Lastfall davor)";
            }
            if (!Ende() && regel[pos] == '(') {
                return "schachtelt Klammern";
            }
            std::string lf;
            if (const std::string f = Zahl(lf, false, "eine Lastfallnummer"); !f.empty()) {
                return f;
            }
            if (const std::string f = Lastfall(lf); !f.empty()) {
                return f;
            }
            Leerzeichen();
            if (Ende()) {
                return "schließt eine Gruppe nicht mit ')'";
            }
            if (regel[pos] == ')') {
                ++pos;
                return {};
            }
            if (regel[pos] != '+') {
                return Unerwartet("nach dem Lastfall " + lf + " ein '+' oder ')'");
            }
            ++pos;
        }
    }

    // A number without blanks; a factor may carry one decimal point or comma.
    std::string Zahl(std::string& text, bool mitKomma, const std::string& was) {
        const std::size_t anfang = pos;
        bool komma = false;
        while (!Ende() && (IstZiffer(regel[pos]) ||
                           (mitKomma && !komma && (regel[pos] == '.' || regel[pos] == ',')))) {
            komma = komma || !IstZiffer(regel[pos]);
            ++pos;
        }
        text = regel.substr(anfang, pos - anfang);
        if (text.find_first_of("0123456789") == std::string::npos) {
            pos = anfang;
            return Unerwartet(was);
        }
        if (text.size() > static_cast<std::size_t>(kKombiZahlLaenge)) {
            return "hat die Zahl " + text + ", länger als " + std::to_string(kKombiZahlLaenge) +
                   " Zeichen";
        }
        return {};
    }

    std::string Lastfall(const std::string& text) {
        int n = 0;
        std::from_chars(text.data(), text.data() + text.size(), n);
        if (n < 1 || n > kKombiLastfaelle) {
            return "nennt den Lastfall " + text + "; Lastfälle sind 1 bis " +
                   std::to_string(kKombiLastfaelle);
        }
        if (!genannt.insert(n).second) {
            return "nennt den Lastfall " + text +
                   " zweimal; jeder Lastfall steht mit einem einzigen Faktor in der Regel";
        }
        return {};
    }

    std::string Unerwartet(const std::string& erwartet) const {
        if (Ende()) {
            return "endet, wo " + erwartet + " erwartet wird";
        }
        const char c = regel[pos];
        std::string was = std::string("'") + c + "'";
        if ((IstZiffer(c) || c == '.' || c == ',') && pos > 0 && IstLeer(regel[pos - 1])) {
            was = "das durch ein Leerzeichen abgetrennte Zeichen '" + std::string(1, c) +
                  "' (eine Zahl wird ohne Leerzeichen geschrieben)";
        } else if (c == '-') {
            was = "das Zeichen '-' (negative Faktoren und Differenzen sind nicht vorgesehen)";
        } else if (IstZiffer(c)) {
            was = "die Zahl ab '" + std::string(1, c) + "'";
        }
        return "hat an Stelle " + std::to_string(pos + 1) + " " + was + ", wo " + erwartet +
               " erwartet wird";
    }

    void Leerzeichen() {
        while (!Ende() && IstLeer(regel[pos])) {
            ++pos;
        }
    }
    bool Ende() const { return pos >= regel.size(); }

    const std::string& regel;
    std::size_t pos = 0;
    std::set<int> genannt;
};

} // namespace

std::string KombiRegelFehler(const std::string& regel) {
    return Leser(regel).Fehler();
}
