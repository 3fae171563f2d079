#include "Mutanten.h"

#include <libxml/parser.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

const xmlChar* X(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

const char* C(const xmlChar* text) {
    return reinterpret_cast<const char*>(text);
}

std::vector<xmlNodePtr> Kinder(xmlNodePtr e, const std::string& name = "") {
    std::vector<xmlNodePtr> kinder;
    for (xmlNodePtr c = e != nullptr ? e->children : nullptr; c != nullptr; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && (name.empty() || name == C(c->name))) {
            kinder.push_back(c);
        }
    }
    return kinder;
}

std::string Attribut(xmlNodePtr e, const char* name) {
    xmlChar* v = xmlGetProp(e, X(name));
    if (v == nullptr) {
        return std::string();
    }
    std::string text(C(v));
    xmlFree(v);
    return text;
}

xmlNodePtr Input(xmlDocPtr doc) {
    for (xmlNodePtr c : Kinder(xmlDocGetRootElement(doc), "input")) {
        return c;
    }
    throw std::invalid_argument("no element input");
}

// The segment of one element in a path: its name, with the `Kurzname` of a property or
// its place among its namesakes where the name alone is not unique.
std::string Segment(xmlNodePtr e) {
    const std::string name = C(e->name);
    if (name == "Eigenschaft") {
        return name + "[" + Attribut(e, "Kurzname") + "]";
    }
    const std::vector<xmlNodePtr> namensvettern = Kinder(e->parent, name);
    if (namensvettern.size() < 2) {
        return name;
    }
    for (std::size_t i = 0; i < namensvettern.size(); ++i) {
        if (namensvettern[i] == e) {
            return name + "[" + std::to_string(i + 1) + "]";
        }
    }
    return name;
}

// The element at a path below `input`; a path the document does not have is a fault of
// the change, which is then left out.
xmlNodePtr Finde(xmlDocPtr doc, const std::string& pfad) {
    xmlNodePtr e = Input(doc);
    std::size_t anfang = 0;
    while (anfang < pfad.size()) {
        std::size_t ende = pfad.find('/', anfang);
        if (ende == std::string::npos) {
            ende = pfad.size();
        }
        const std::string segment = pfad.substr(anfang, ende - anfang);
        xmlNodePtr gefunden = nullptr;
        for (xmlNodePtr c : Kinder(e)) {
            if (Segment(c) == segment) {
                gefunden = c;
                break;
            }
        }
        if (gefunden == nullptr) {
            throw std::invalid_argument("no element " + pfad);
        }
        e = gefunden;
        anfang = ende + 1;
    }
    return e;
}

bool IstZahl(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    char* ende = nullptr;
    const double v = std::strtod(text.c_str(), &ende);
    return *ende == '\0' && std::isfinite(v);
}

void Setze(xmlNodePtr e, const char* name, const std::string& wert) {
    xmlSetProp(e, X(name), X(wert.c_str()));
}

// Sets the attribute only where the element already has it.
void SetzeWennDa(xmlDocPtr doc, const std::string& pfad, const char* name,
                 const std::string& wert) {
    xmlNodePtr e = Finde(doc, pfad);
    if (xmlHasProp(e, X(name)) != nullptr) {
        Setze(e, name, wert);
    }
}

void Entferne(xmlNodePtr e) {
    xmlUnlinkNode(e);
    xmlFreeNode(e);
}

// Appends copies of the element's children until it holds `anzahl` of them.
void FuelleAuf(xmlNodePtr e, std::size_t anzahl) {
    const std::vector<xmlNodePtr> vorlage = Kinder(e);
    if (vorlage.empty()) {
        throw std::invalid_argument("empty list");
    }
    for (std::size_t i = vorlage.size(); i < anzahl; ++i) {
        xmlAddChild(e, xmlCopyNode(vorlage[i % vorlage.size()], 1));
    }
}

void FuerJedeSchicht(xmlDocPtr doc, const char* name, const std::string& wert) {
    for (xmlNodePtr g : Kinder(Finde(doc, "bode"), "gruppe")) {
        Setze(g, name, wert);
    }
}

double Zahl(xmlDocPtr doc, const std::string& pfad, const char* name) {
    return std::strtod(Attribut(Finde(doc, pfad), name).c_str(), nullptr);
}

std::string Text(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", v);
    return text;
}

void SammleZahlen(xmlNodePtr e, const std::string& pfad, std::vector<ZahlAttribut>& attribute) {
    for (xmlAttrPtr a = e->properties; a != nullptr; a = a->next) {
        const std::string wert = Attribut(e, C(a->name));
        if (IstZahl(wert)) {
            attribute.push_back({pfad, C(a->name), wert});
        }
    }
    for (xmlNodePtr c : Kinder(e)) {
        SammleZahlen(c, pfad.empty() ? Segment(c) : pfad + "/" + Segment(c), attribute);
    }
}

using Dokument = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

Dokument Lies(const std::string& text) {
    Dokument doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), "mutant.xml", nullptr,
                               XML_PARSE_NONET),
                 xmlFreeDoc);
    if (!doc) {
        throw std::invalid_argument("document cannot be parsed");
    }
    return doc;
}

Aenderung Struktur(const std::string& beschreibung, std::function<void(xmlDocPtr)> f,
                   bool nenntAttribut = true) {
    return {beschreibung, std::move(f), nenntAttribut};
}

} // namespace

std::vector<std::string> FalscheZahlen(const std::string& original) {
    const double v = std::strtod(original.c_str(), nullptr);
    const std::string negativ = v > 0.0 ? "-" + original : (v < 0.0 ? Text(10.0 * v) : "-1");
    return {"0", negativ, "1e9", "1e-9"};
}

std::vector<std::string> KeineZahlen() {
    return {"", "nan", "inf", "abc"};
}

std::vector<ZahlAttribut> ZahlAttribute(const std::string& dokument) {
    const Dokument doc = Lies(dokument);
    std::vector<ZahlAttribut> attribute;
    SammleZahlen(Input(doc.get()), "", attribute);
    return attribute;
}

Aenderung SetzeAttribut(const std::string& pfad, const std::string& attribut,
                        const std::string& wert) {
    return {pfad + "@" + attribut + "=\"" + wert + "\"",
            [=](xmlDocPtr doc) { Setze(Finde(doc, pfad), attribut.c_str(), wert); }};
}

std::vector<Aenderung> StrukturAenderungen() {
    std::vector<Aenderung> a;
    // Sections missing, and written twice (the reader takes neither of two).
    for (const char* s : {"allg", "steu", "geom", "mate", "bode", "bome", "last", "einw", "teil",
                          "ausg", "lastUeberlagerung", "mate/profil", "mate/baustahl", "mate/anker",
                          "lastUeberlagerung/sicherheitsbeiwerte", "lastUeberlagerung/lastfaelle",
                          "lastUeberlagerung/einwirkungen", "lastUeberlagerung/results"}) {
        const std::string pfad = s;
        a.push_back(Struktur(
            "ohne " + pfad, [pfad](xmlDocPtr d) { Entferne(Finde(d, pfad)); }, false));
    }
    a.push_back(Struktur(
        "ohne input", [](xmlDocPtr d) { Entferne(Input(d)); }, false));
    a.push_back(Struktur(
        "ohne info",
        [](xmlDocPtr d) {
            for (xmlNodePtr e : Kinder(xmlDocGetRootElement(d), "info")) {
                Entferne(e);
            }
        },
        false));
    for (const char* s :
         {"steu", "geom", "mate", "bode", "bome", "last", "teil", "lastUeberlagerung"}) {
        const std::string pfad = s;
        a.push_back(Struktur(
            pfad + " doppelt",
            [pfad](xmlDocPtr d) {
                xmlAddNextSibling(Finde(d, pfad), xmlCopyNode(Finde(d, pfad), 1));
            },
            false));
    }
    // Lists emptied, doubled and filled past the model's limits.
    struct Liste {
        const char* pfad;
        std::size_t uebervoll;
    };
    for (const Liste& l :
         {Liste{"bode", 11}, Liste{"last", 51}, Liste{"einw", 101},
          Liste{"lastUeberlagerung/sicherheitsbeiwerte", 56},
          Liste{"lastUeberlagerung/lastfaelle", 21}, Liste{"lastUeberlagerung/einwirkungen", 101},
          Liste{"lastUeberlagerung/results", 60}, Liste{"mate/profil/objekt", 0}}) {
        const std::string pfad = l.pfad;
        a.push_back(Struktur(
            pfad + " leer",
            [pfad](xmlDocPtr d) {
                for (xmlNodePtr c : Kinder(Finde(d, pfad))) {
                    Entferne(c);
                }
            },
            false));
        a.push_back(Struktur(pfad + " doppelt gelistet", [pfad](xmlDocPtr d) {
            xmlNodePtr e = Finde(d, pfad);
            FuelleAuf(e, 2 * Kinder(e).size());
        }));
        if (l.uebervoll > 0) {
            const std::size_t n = l.uebervoll;
            a.push_back(Struktur(
                pfad + " mit " + std::to_string(n) + " Einträgen",
                [pfad, n](xmlDocPtr d) { FuelleAuf(Finde(d, pfad), n); }, false));
        }
    }
    // Layers: one or all without thickness, all without weight, extreme friction angles.
    a.push_back(Struktur("erste Schicht sd=0", [](xmlDocPtr d) {
        Setze(Kinder(Finde(d, "bode"), "gruppe").at(0), "sd", "0");
    }));
    a.push_back(Struktur("letzte Schicht sd=0", [](xmlDocPtr d) {
        Setze(Kinder(Finde(d, "bode"), "gruppe").back(), "sd", "0");
    }));
    a.push_back(
        Struktur("alle Schichten sd=0", [](xmlDocPtr d) { FuerJedeSchicht(d, "sd", "0"); }));
    a.push_back(Struktur("alle Schichten ohne Wichte", [](xmlDocPtr d) {
        FuerJedeSchicht(d, "gamma", "0");
        FuerJedeSchicht(d, "gamma_feucht", "0");
    }));
    a.push_back(Struktur("alle Schichten nur unter Wasser gewichtlos",
                         [](xmlDocPtr d) { FuerJedeSchicht(d, "gamma_feucht", "0"); }));
    for (const char* phi : {"0", "89", "89.999"}) {
        const std::string p = phi;
        a.push_back(Struktur("alle Schichten phi=" + p,
                             [p](xmlDocPtr d) { FuerJedeSchicht(d, "phi", p); }));
        a.push_back(Struktur("alle Schichten phi=" + p + " ohne Wandreibung und Kohäsion",
                             [p](xmlDocPtr d) {
                                 FuerJedeSchicht(d, "phi", p);
                                 FuerJedeSchicht(d, "delta", "0");
                                 FuerJedeSchicht(d, "deltp", "0");
                                 FuerJedeSchicht(d, "coh", "0");
                             }));
    }
    a.push_back(Struktur("alle Schichten delta=phi", [](xmlDocPtr d) {
        for (xmlNodePtr g : Kinder(Finde(d, "bode"), "gruppe")) {
            Setze(g, "delta", Attribut(g, "phi"));
            Setze(g, "deltp", "-" + Attribut(g, "phi"));
        }
    }));
    // Water levels above the head, at the excavation, far below the model; the bome
    // section carries them again and wins.
    const auto wasser = [](const std::string& name, std::function<std::string(xmlDocPtr)> tgh,
                           std::function<std::string(xmlDocPtr)> tgv) {
        return Struktur("Wasser " + name, [tgh, tgv](xmlDocPtr d) {
            const std::string h = tgh(d);
            const std::string v = tgv(d);
            for (const char* s : {"geom", "bome"}) {
                SetzeWennDa(d, s, "tgh", h);
                SetzeWennDa(d, s, "tgv", v);
            }
        });
    };
    const auto fest = [](const char* w) { return [w](xmlDocPtr) { return std::string(w); }; };
    const auto sohle = [](double plus) {
        return [plus](xmlDocPtr d) { return Text(Zahl(d, "geom", "wand_hw") + plus); };
    };
    a.push_back(wasser("über dem Kopf", fest("-5"), fest("-5")));
    a.push_back(wasser("hinten über dem Kopf", fest("-5"), sohle(0.5)));
    a.push_back(wasser("weit unten", fest("1000"), fest("1000")));
    a.push_back(wasser("vorn höher als hinten", sohle(1.0), fest("0")));
    a.push_back(wasser("an der Sohle", sohle(0.0), sohle(0.0)));
    a.push_back(wasser("am Kopf", fest("0"), fest("0")));
    // Anchor at, below and above the wall.
    for (double plus : {1.0, 0.0, -1e-6, -0.0005, -0.01}) {
        a.push_back(Struktur("Anker bei wand_hw" + Text(plus), [plus](xmlDocPtr d) {
            Setze(Finde(d, "geom"), "tiefe_anker", Text(Zahl(d, "geom", "wand_hw") + plus));
        }));
    }
    a.push_back(SetzeAttribut("geom", "tiefe_anker", "-1"));
    a.push_back(SetzeAttribut("geom", "tiefe_anker", "0.0005"));
    a.push_back(SetzeAttribut("geom", "mitanker", "1"));
    a.push_back(SetzeAttribut("geom", "mitanker", "0"));
    // Foot supports, fixity and check mode.
    for (const char* system : {"0", "1", "2", "3", "7"}) {
        a.push_back(SetzeAttribut("steu", "system", system));
    }
    for (const char* e : {"50", "150", "-10"}) {
        a.push_back(Struktur(std::string("teilweise eingespannt ") + e, [e](xmlDocPtr d) {
            Setze(Finde(d, "steu"), "system", "2");
            Setze(Finde(d, "geom"), "einspannung", e);
        }));
    }
    a.push_back(Struktur("Nachweis mit Fuß über der Sohle", [](xmlDocPtr d) {
        Setze(Finde(d, "steu"), "berart", "1");
        Setze(Finde(d, "geom"), "einbindetiefe", Text(Zahl(d, "geom", "wand_hw") / 2.0));
    }));
    a.push_back(Struktur("Nachweis mit tiefem Fuß", [](xmlDocPtr d) {
        Setze(Finde(d, "steu"), "berart", "1");
        Setze(Finde(d, "geom"), "einbindetiefe", Text(Zahl(d, "geom", "wand_hw") + 20.0));
    }));
    // Combination rules that no one can compute, and combinations without a kind.
    for (const char* regel :
         {"",          "*",         "1.35*(99)",        "1.35*(0)",   "1.35*(-1)",
          "(",         "1.35*(1",   "1.35**(1)",        "abc",        "1e308*(1)",
          "-1.35*(1)", "0*(1)",     "1.35*(1)+1.5*(1)", "1.35*(1+1)", "1.35*()",
          "+",         "1.35*(1)+", "1.35(1)",          "nan*(1)",    "inf*(1)",
          "1.35*(1.5)"}) {
        const std::string r = regel;
        a.push_back(Struktur("regel=\"" + r + "\"", [r](xmlDocPtr d) {
            for (xmlNodePtr e : Kinder(Finde(d, "lastUeberlagerung/results"), "result")) {
                Setze(e, "regel", r);
            }
        }));
    }
    for (const char* art : {"", "STR,GEO", "SLS"}) {
        const std::string s = art;
        a.push_back(Struktur("art=\"" + s + "\"", [s](xmlDocPtr d) {
            for (xmlNodePtr e : Kinder(Finde(d, "lastUeberlagerung/results"), "result")) {
                Setze(e, "art", s);
            }
        }));
    }
    // Sketch files that are the user's own files, or outside the output folder.
    for (const char* datei : {"wand.xml", "../wand.xml", "notiz.txt", ".", "..", "/dev/null"}) {
        const std::string f = datei;
        a.push_back(Struktur("skizze2d_datei=\"" + f + "\"", [f](xmlDocPtr d) {
            Setze(Finde(d, "steu"), "skizze2d", "1");
            Setze(Finde(d, "steu"), "skizze2d_datei", f);
        }));
    }
    return a;
}

Aenderung StrukturAenderung(const std::string& beschreibung) {
    for (Aenderung& a : StrukturAenderungen()) {
        if (a.beschreibung == beschreibung) {
            return std::move(a);
        }
    }
    throw std::invalid_argument("no change " + beschreibung);
}

std::string Anwenden(const std::string& dokument, const Aenderung& aenderung) {
    const Dokument doc = Lies(dokument);
    aenderung.anwenden(doc.get());
    xmlChar* text = nullptr;
    int laenge = 0;
    xmlDocDumpMemoryEnc(doc.get(), &text, &laenge, "UTF-8");
    std::string ergebnis(C(text), static_cast<std::size_t>(laenge));
    xmlFree(text);
    return ergebnis;
}
