#include "model/KombiRegel.h"

#include "platform/C1Exception.h"

#include <charconv>
#include <cstring>

namespace {

constexpr int kKombiGruppen = 50;
constexpr int kTokenPlaetze = kKombiZahlLaenge + 1;

[[noreturn]] void RegelFehler(const std::string& regel, const std::string& grund) {
    throw C1Exception("Lastfallkombination mit der Regel \"" + regel + "\" ist ungültig: " + grund,
                      "ParseKombiRegel");
}

// The number being read; a single blank stands for "no number yet".
struct Token {
    char text[kTokenPlaetze] = " ";
    int pos = 0;

    bool Leer() const { return text[0] == ' '; }
    void Reset() {
        std::strcpy(text, " ");
        pos = 0;
    }
};

struct Gruppe {
    std::array<int, kKombiLastfaelle> lastfall{};
    int anzahl = 0;
    double faktor = 0.0;
    bool mitFaktor = false;
};

class Parser {
public:
    explicit Parser(const std::string& r) : regel(r) {}

    int Run(double* faktor, int* lastfall) {
        if (regel.size() > kKombiRegelLaenge) {
            RegelFehler(regel,
                        "sie ist länger als " + std::to_string(kKombiRegelLaenge) + " Zeichen");
        }
        for (const char c : regel) {
            Lies(c);
        }
        return Trage(faktor, lastfall);
    }

private:
    void Lies(char c) {
        switch (c) {
        case ')':
            AktuelleGruppe();
            NimmLastfall();
            ++g;
            return;
        case '*':
            AktuelleGruppe();
            gruppen[g].faktor = Faktor();
            gruppen[g].mitFaktor = true;
            token.Reset();
            return;
        case '+':
            if (!token.Leer()) {
                AktuelleGruppe();
                NimmLastfall();
            }
            return;
        case '-':
            RegelFehler(regel, "negative Faktoren und Differenzen sind nicht vorgesehen");
        case ',':
            c = '.';
            [[fallthrough]];
        default:
            if ((c >= '0' && c <= '9') || c == '.') {
                AppendNumber(c);
            }
            // Parentheses, blanks and any other character carry no meaning.
            return;
        }
    }

    void AppendNumber(char c) {
        try {
            AppendKombiZeichen(token.text, c, &token.pos);
        } catch (const C1Exception&) {
            RegelFehler(regel, "eine Zahl ist länger als " + std::to_string(kKombiZahlLaenge) +
                                   " Zeichen");
        }
    }

    void AktuelleGruppe() const {
        if (g >= kKombiGruppen) {
            RegelFehler(regel, "sie hat mehr als " + std::to_string(kKombiGruppen) + " Gruppen");
        }
    }

    double Faktor() const {
        if (token.Leer()) {
            RegelFehler(regel, "vor einem '*' fehlt der Faktor");
        }
        double wert = 0.0;
        const char* ende = token.text + std::strlen(token.text);
        const auto [p, ec] = std::from_chars(token.text, ende, wert);
        if (ec != std::errc() || p != ende) {
            RegelFehler(regel, "der Faktor \"" + std::string(token.text) + "\" ist keine Zahl");
        }
        return wert;
    }

    // Enters the number read as the next load case of group g; a blank token (as after
    // "+)" ) enters nothing.
    void NimmLastfall() {
        if (!token.Leer()) {
            Gruppe& gr = gruppen[g];
            if (gr.anzahl >= kKombiLastfaelle) {
                RegelFehler(regel, "eine Gruppe nennt mehr als " +
                                       std::to_string(kKombiLastfaelle) + " Lastfälle");
            }
            gr.lastfall[gr.anzahl++] = Lastfallnummer();
        }
        token.Reset();
    }

    int Lastfallnummer() const {
        int n = 0;
        const char* ende = token.text + std::strlen(token.text);
        const auto [p, ec] = std::from_chars(token.text, ende, n);
        if (ec != std::errc() || p != ende || n < 1 || n > kKombiLastfaelle) {
            RegelFehler(regel, "die Lastfallnummer \"" + std::string(token.text) +
                                   "\" liegt nicht zwischen 1 und " +
                                   std::to_string(kKombiLastfaelle));
        }
        return n;
    }

    int Trage(double* faktor, int* lastfall) const {
        for (int n = 0; n < kKombiLastfaelle; ++n) {
            faktor[n] = 0.0;
            lastfall[n] = 0;
        }
        int paare = 0;
        for (int k = 0; k < kKombiGruppen; ++k) {
            const Gruppe& gr = gruppen[k];
            if (gr.anzahl > 0 && !gr.mitFaktor) {
                RegelFehler(regel, "eine Gruppe von Lastfällen hat keinen Faktor");
            }
            for (int e = 0; e < gr.anzahl; ++e) {
                const int n = gr.lastfall[e];
                faktor[n - 1] = gr.faktor;
                lastfall[n - 1] = n;
                ++paare;
            }
        }
        return paare;
    }

    const std::string& regel;
    Token token;
    std::array<Gruppe, kKombiGruppen> gruppen{};
    int g = 0;
};

} // namespace

int AppendKombiZeichen(char* token, int zeichen, int* pos) {
    if (*pos < 0 || *pos >= kKombiZahlLaenge) {
        throw C1Exception("Zahl länger als " + std::to_string(kKombiZahlLaenge) + " Zeichen",
                          "AppendKombiZeichen");
    }
    token[*pos] = static_cast<char>(zeichen);
    token[*pos + 1] = '\0';
    ++*pos;
    return 0;
}

int ParseKombiRegel(const std::string& regel, double* faktor, int* lastfall) {
    return Parser(regel).Run(faktor, lastfall);
}

KombiFaktoren KombiFaktoren::Parse(const std::string& regel) {
    KombiFaktoren k;
    k.anzahl = ParseKombiRegel(regel, k.faktor.data(), k.lastfall.data());
    return k;
}

double KombiFaktoren::F(int lf) const {
    const int index = lf <= 1 ? 0 : lf - 1;
    return index < static_cast<int>(faktor.size()) ? faktor[static_cast<std::size_t>(index)] : 0.0;
}
