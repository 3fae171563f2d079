#include "Lauf.h"

#include "../support/Prozessorzeit.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <regex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kName = "wand";
// A file of the user's own beside the input, which no run may touch.
constexpr const char* kNotiz = "notiz.txt";
constexpr const char* kNotizText = "eigene Notizen\n";
constexpr int kStatusZeitlimit = 124;
constexpr unsigned kHoechstensGleichzeitig = 8;

std::string Lies(const fs::path& datei) {
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Schreibe(const fs::path& datei, const std::string& text) {
    std::ofstream(datei, std::ios::binary) << text;
}

bool IstWortzeichen(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// Whether `wort` stands in `text` as a word of its own.
bool HatWort(const std::string& text, const std::string& wort) {
    for (std::size_t pos = text.find(wort); pos != std::string::npos;
         pos = text.find(wort, pos + 1)) {
        const bool links = pos == 0 || !IstWortzeichen(text[pos - 1]);
        const std::size_t ende = pos + wort.size();
        const bool rechts = ende >= text.size() || !IstWortzeichen(text[ende]);
        if (links && rechts) {
            return true;
        }
    }
    return false;
}

void SammleNamen(xmlNodePtr e, std::set<std::string>& elemente, std::set<std::string>& attribute) {
    for (; e != nullptr; e = e->next) {
        if (e->type != XML_ELEMENT_NODE) {
            continue;
        }
        elemente.insert(reinterpret_cast<const char*>(e->name));
        for (xmlAttrPtr a = e->properties; a != nullptr; a = a->next) {
            attribute.insert(reinterpret_cast<const char*>(a->name));
        }
        // The properties of profile and steel carry their names as values.
        if (xmlChar* kurzname = xmlGetProp(e, BAD_CAST "Kurzname")) {
            attribute.insert(reinterpret_cast<const char*>(kurzname));
            xmlFree(kurzname);
        }
        SammleNamen(e->children, elemente, attribute);
    }
}

// The element and attribute names of the input documents of the examples.
struct Namen {
    std::set<std::string> elemente;
    std::set<std::string> attribute;
};

const Namen& EingabeNamen() {
    static const Namen namen = [] {
        Namen n;
        for (const auto& datei : fs::directory_iterator(fs::path(ZIRF_SOURCE_DIR) / "examples")) {
            const std::string text = Lies(datei.path());
            xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "x.xml",
                                          nullptr, XML_PARSE_NONET);
            if (doc != nullptr) {
                SammleNamen(xmlDocGetRootElement(doc), n.elemente, n.attribute);
                xmlFreeDoc(doc);
            }
        }
        // The root carries the program's names, not the user's input.
        n.elemente.erase("zirf");
        return n;
    }();
    return namen;
}

// The attribute values and texts of the document's `result` tree, one per line.
std::string ErgebnisTexte(const std::string& ergebnis) {
    xmlDocPtr doc = xmlReadMemory(ergebnis.data(), static_cast<int>(ergebnis.size()), "r.xml",
                                  nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR);
    if (doc == nullptr) {
        return "nan (result file cannot be parsed)";
    }
    std::string texte;
    const std::function<void(xmlNodePtr)> sammle = [&](xmlNodePtr n) {
        for (; n != nullptr; n = n->next) {
            if (n->type == XML_TEXT_NODE && n->content != nullptr) {
                texte += reinterpret_cast<const char*>(n->content) + std::string("\n");
            }
            if (n->type == XML_ELEMENT_NODE) {
                for (xmlAttrPtr a = n->properties; a != nullptr; a = a->next) {
                    xmlChar* v = xmlNodeListGetString(doc, a->children, 1);
                    texte += std::string(reinterpret_cast<const char*>(a->name)) + "=" +
                             (v != nullptr ? reinterpret_cast<const char*>(v) : "") + "\n";
                    xmlFree(v);
                }
                sammle(n->children);
            }
        }
    };
    for (xmlNodePtr c = xmlDocGetRootElement(doc)->children; c != nullptr; c = c->next) {
        if (c->type == XML_ELEMENT_NODE && xmlStrEqual(c->name, BAD_CAST "result")) {
            sammle(c->children);
            for (xmlAttrPtr a = c->properties; a != nullptr; a = a->next) {
                texte += std::string(reinterpret_cast<const char*>(a->name)) + "\n";
            }
        }
    }
    xmlFreeDoc(doc);
    return texte;
}

std::string ErsteZeilen(const std::string& text, std::size_t zeilen) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < zeilen && pos != std::string::npos; ++i) {
        pos = text.find('\n', pos == 0 ? 0 : pos + 1);
    }
    return pos == std::string::npos ? text : text.substr(0, pos);
}

std::string Urteil(const fs::path& ordner, const Mutant& m, const Befund& b) {
    const std::string ergebnisDatei = std::string(kName) + ".result.xml";
    if (b.meldungen.find("Sanitizer") != std::string::npos ||
        b.meldungen.find("runtime error") != std::string::npos) {
        return "Sanitizer";
    }
    if (b.status == kStatusZeitlimit) {
        return "Zeitlimit";
    }
    if (Lies(ordner / (std::string(kName) + ".xml")) != m.dokument) {
        return "Eingabedatei verändert oder gelöscht";
    }
    if (Lies(ordner / kNotiz) != kNotizText) {
        return "Datei des Benutzers verändert oder gelöscht";
    }
    if (b.meldungen.find("Calculation aborted") != std::string::npos) {
        return "Calculation aborted";
    }
    switch (b.status) {
    case 0:
    case 3: {
        if (!fs::exists(ordner / ergebnisDatei)) {
            return "abgeschlossen ohne " + ergebnisDatei;
        }
        if (HatNanOderInf(ErgebnisTexte(Lies(ordner / ergebnisDatei)))) {
            return "NaN/inf in " + ergebnisDatei;
        }
        const std::string bericht = Lies(ordner / (std::string(kName) + ".rtf"));
        if (HatNanOderInf(bericht)) {
            return "NaN/inf im Bericht";
        }
        return "";
    }
    case 1:
        if (fs::exists(ordner / ergebnisDatei)) {
            return "Fehler, aber " + ergebnisDatei + " geschrieben";
        }
        if (!NenntElementUndAttribut(b.meldungen, m.nenntAttribut)) {
            return "Meldung nennt Element und Attribut nicht";
        }
        return "";
    case 2:
        return "Status 2 bei lesbarem Dokument";
    default:
        return "Absturz (Status " + std::to_string(b.status) + ")";
    }
}

// The environment of a run: the caller's, without the developer switch, with the
// sanitizers stopping at their first report.
std::vector<std::string> Umgebung() {
    std::vector<std::string> umgebung;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        if (v.rfind("QELUSER=", 0) != 0 && v.rfind("ASAN_OPTIONS=", 0) != 0 &&
            v.rfind("UBSAN_OPTIONS=", 0) != 0) {
            umgebung.push_back(v);
        }
    }
    umgebung.push_back("ASAN_OPTIONS=detect_leaks=1:abort_on_error=1");
    umgebung.push_back("UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1");
    return umgebung;
}

// Runs zirf on the input file, its messages going to the file `fehler`; the exit status,
// or kStatusZeitlimit when it spent its processor time (a hang), or -1 for another signal.
int StarteZirf(const fs::path& eingabe, const fs::path& fehler) {
    static const std::vector<std::string> umgebung = Umgebung();
    std::vector<char*> envp;
    for (const std::string& v : umgebung) {
        envp.push_back(const_cast<char*>(v.c_str()));
    }
    envp.push_back(nullptr);
    const std::string programm = std::string(ZIRF_BINARY_DIR) + "/zirf";
    const std::string datei = eingabe.string();
    char* argv[] = {const_cast<char*>(programm.c_str()), const_cast<char*>("-q"),
                    const_cast<char*>(datei.c_str()), nullptr};
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&aktionen);
    if (rc != 0) {
        return -1;
    }
    // Processor time, not the clock: a busy machine slows a run down but adds nothing to
    // the processor time it spends.
    BegrenzeProzessorzeit(pid, kProzessorzeitSekunden);
    int roh = 0;
    while (waitpid(pid, &roh, 0) < 0 && errno == EINTR) {
    }
    if (WIFSIGNALED(roh) && (WTERMSIG(roh) == SIGXCPU || WTERMSIG(roh) == SIGKILL)) {
        return kStatusZeitlimit;
    }
    return WIFEXITED(roh) ? WEXITSTATUS(roh) : -1;
}

Befund Pruefe(const fs::path& ordner, const Mutant& m) {
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const fs::path eingabe = ordner / (std::string(kName) + ".xml");
    Schreibe(eingabe, m.dokument);
    Schreibe(ordner / kNotiz, kNotizText);
    Befund b;
    b.beispiel = m.beispiel;
    b.beschreibung = m.beschreibung;
    b.status = StarteZirf(eingabe, ordner / "zirf.err");
    b.meldungen = Lies(ordner / "zirf.err");
    b.fehler = Urteil(ordner, m, b);
    fs::remove_all(ordner);
    return b;
}

} // namespace

bool HatNanOderInf(const std::string& text) {
    static const std::regex muster("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
    return std::regex_search(text, muster);
}

bool NenntElementUndAttribut(const std::string& meldung, bool mitAttribut) {
    const Namen& namen = EingabeNamen();
    const bool element = std::any_of(namen.elemente.begin(), namen.elemente.end(),
                                     [&](const std::string& e) { return HatWort(meldung, e); });
    // A name of one letter is a word in any sentence; it counts only quoted or as "b =".
    const bool attribut =
        std::any_of(namen.attribute.begin(), namen.attribute.end(), [&](const std::string& a) {
            return a.size() > 1 ? HatWort(meldung, a)
                                : meldung.find("'" + a + "'") != std::string::npos ||
                                      meldung.find(" " + a + " =") != std::string::npos;
        });
    return element && (attribut || !mitAttribut);
}

std::vector<Befund> PruefeAlle(const std::vector<Mutant>& mutanten) {
    const fs::path wurzel = fs::temp_directory_path() / ("zirf_robust_" + std::to_string(getpid()));
    std::vector<Befund> befunde(mutanten.size());
    std::atomic<std::size_t> naechster{0};
    const auto arbeite = [&](unsigned nr) {
        for (std::size_t i = naechster++; i < mutanten.size(); i = naechster++) {
            befunde[i] = Pruefe(wurzel / std::to_string(nr), mutanten[i]);
        }
    };
    const unsigned n = std::clamp(std::thread::hardware_concurrency(), 1u, kHoechstensGleichzeitig);
    std::vector<std::thread> arbeiter;
    for (unsigned nr = 0; nr < n; ++nr) {
        arbeiter.emplace_back(arbeite, nr);
    }
    for (std::thread& t : arbeiter) {
        t.join();
    }
    fs::remove_all(wurzel);
    return befunde;
}

std::string Fehlerliste(const std::vector<Befund>& befunde) {
    std::string liste;
    for (const Befund& b : befunde) {
        if (!b.fehler.empty()) {
            liste += b.beispiel + " | " + b.beschreibung + " | " + b.fehler + " | status " +
                     std::to_string(b.status) + " | " + ErsteZeilen(b.meldungen, 2) + "\n";
        }
    }
    return liste;
}
