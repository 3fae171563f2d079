#pragma once

#include "platform/QEDOM.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class C1QEL;
namespace zirf_input {
class Element;
}

// Input model of one calculation run: a flat record filled once from the host's
// document by the readers below, then only read by the calculation, the report and
// the pictures. Members carry the document's attribute names. Every member starts
// zero or empty, except the design situation `lastfall` (1) and `rundung` (0.01 m).
//
// The fixed table sizes are the model's limits; a reader that meets more records than
// a table holds ends the run with an error naming the element and the limit. Text
// fields keep at most their capacity less one (the place of the terminating zero of
// the document format) in characters, never cut inside a character. Every number the
// document gives must lie within the input's limits (Eingabegrenzen.h): ReadAll ends
// the run at the first that does not, naming its element and attribute.
class C1ZirfInput {
public:
    // --- Limits of the tables --------------------------------------------------
    static constexpr int kMaxSchicht = 10;         // soil layers
    static constexpr int kMaxKopflast = 10;        // head loads
    static constexpr int kMaxBlocklast = 10;       // block loads
    static constexpr int kMaxLinienlast = 10;      // line loads
    static constexpr int kMaxFlaechenlast = 50;    // surcharges (each side)
    static constexpr int kMaxLfFlaeche = 10;       // distinct surcharge load-case numbers
    static constexpr int kMaxEinwirkung = 100;     // actions
    static constexpr int kMaxLastfall = 20;        // `lastfall` entries of lastUeberlagerung
    static constexpr int kMaxKombiBeiwerte = 55;   // combination-factor sets
    static constexpr int kMaxGrafikDatei = 6;      // companions of the picture switches
    static constexpr int kMaxGrafik = 3;           // picture switches
    static constexpr int kMaxSigma0 = 6;           // sigma00 ... sigma05
    static constexpr int kMaxSigma1 = 4;           // sigma10 ... sigma13
    static constexpr int kMaxLastZusatz = 4;       // load values only reset by the load reader
    static constexpr int kMinLastfallAttribut = 0; // `steu` `lastfall`: design situation - 1
    static constexpr int kMaxLastfallAttribut = 2;

    // --- Capacities of the text fields in characters, terminating zero included --
    static constexpr int kLenBez = 25;
    static constexpr int kLenKurz = 11;
    static constexpr int kLenEinwirkungName = 50;
    static constexpr int kLenEinwirkungLastfaelle = 25;
    static constexpr int kLenProfilName = 31;
    static constexpr int kLenAnkerName = 28;
    static constexpr int kLenStahlName = 35;
    static constexpr int kLenKombiName = 32;
    static constexpr int kLenFreeText = 76;
    static constexpr int kLenKurzname = 24;

    // Indices of the picture switches `grafik` and their companions `grafikDatei`.
    static constexpr int kGrafikSystem = 0;
    static constexpr int kGrafikDruckBeanspr = 1;
    static constexpr int kGrafikSchnittgroessen = 2;

    // --- Nested records ---------------------------------------------------------
    // Head load (`last` group with `art` 0).
    struct SKopflast {
        int lf = 0;
        int stelle = 0; // 0 wall head, 1 anchor, 2 strut
        std::string bez;
        double v = 0.0; // kN/m
        double h = 0.0; // kN/m
        double m = 0.0; // kNm/m
    };

    // Block load (`art` 2).
    struct SBlocklast {
        int lf = 0;
        std::string bez;
        double v = 0.0;
        double h = 0.0;
        double x = 0.0; // horizontal offset from the wall (m)
        double b = 0.0; // width (m)
        double y = 0.0; // depth (m)
    };

    // Line load (`art` 3).
    struct SLinienlast {
        int lf = 0;
        double m = 0.0;
        double v = 0.0;
        double h = 0.0;
        std::string bez;
        double x = 0.0; // m
        double y = 0.0; // m
    };

    // Uniform surcharge (`art` 1 behind the wall).
    struct SFlaechenlast {
        int lf = 0;
        std::string bez;
        double v = 0.0; // kN/m²
    };

    // Soil layer (`bode` group).
    struct SBodenschicht {
        int nr = 0;
        std::string bez;
        std::string kurz;
        double sd = 0.0;           // thickness (m)
        double gamma = 0.0;        // unit weight above water (kN/m³)
        double gamma_feucht = 0.0; // unit weight below water (kN/m³)
        double phi = 0.0;          // friction angle (degrees)
        double delta = 0.0;        // wall friction, active side (degrees)
        double deltp = 0.0;        // wall friction, passive side (degrees)
        double coh = 0.0;          // cohesion (kN/m²)
        double deltax = 0.0;       // cm
    };

    // Action: `einw` fills it first, `lastUeberlagerung` overwrites `art` and the psi.
    struct SEinwirkung {
        int nr = 0;
        std::string name;       // name of the chosen combination-factor set
        std::string lastfaelle; // text of `lastUeberlagerung`
        int art = 0;            // `art` of einw, then `indexGruppe`
        int indexKategorie = 0;
        double psi0 = 0.0;
        double psi1 = 0.0;
        double psi2 = 0.0;
    };

    // Combination-factor set.
    struct SKombiBeiwerte {
        std::string name;
        double psi0 = 0.0;
        double psi1 = 0.0;
        double psi2 = 0.0;
    };

    // Partial factors: seven kinds by design situation 1 to 3.
    struct Teilsicherheitsbeiwerte {
        enum Art { gamma_g = 0, gamma_e0g, gamma_q, gep, ggr, ggl, gamma_a };
        static constexpr int kAnzahlArten = 7;
        static constexpr int kAnzahlSituationen = 3;

        // situation is the design situation 1 to 3; out of range throws C1Exception.
        double Get(int art, int situation) const;
        void Set(int art, int situation, double value);

        std::array<std::array<double, kAnzahlSituationen>, kAnzahlArten> wert{};
    };

    // A number the document gives, with where it stands, for the check against the
    // input's limits.
    // The attribute of a property (`Eigenschaft`) that holds its value.
    static constexpr const char* kEigenschaftWert = "Wert01";
    struct SZahl {
        std::string element;      // as the limits name it: "geom", "bode gruppe", "mate profil"
        std::string attribut;     // the attribute, or the `Kurzname` of a property
        std::string ort;          // the record as a message names it; empty for the element
        bool eigenschaft = false; // the value `Wert01` of a property named by its Kurzname
        double wert = 0.0;
        // Element, record and attribute as a message names them: made only for a message.
        std::string Wo() const;
    };

    // One load combination: running index, action kind and combination rule.
    struct LFKombi {
        int index = 0;
        std::string art;   // e.g. "STR,GEO ..."
        std::string regel; // e.g. "1.35*(1)+1.5*(2)"
    };

    explicit C1ZirfInput(C1QEL* pQEL);

    // --- Readers, called in this order by the entry ----------------------------
    int ReadInfo();
    int ReadAllg();
    int ReadSteu();
    int ReadGeom();
    int ReadMate();
    int ReadBode();
    int ReadBome();
    int ReadLast();
    int ReadEinw();
    int ReadTeil();
    int ReadAusg();
    int CollectLastfaelle();
    int ReadLastUeberlagerung();
    // Every reader in the fixed order of a run (later readers overwrite fields that
    // earlier ones set), then the check of every number read against the input's limits;
    // returns the result of the last reader, ReadLastUeberlagerung.
    int ReadAll();
    // Ends the run with a shown error at the first number read that lies outside the
    // input's limits, naming its element, attribute, value and limits.
    void PruefeGrenzen() const;

    // --- Text input of older versions -------------------------------------------------
    // The input module reads only documents; these operations are the line layer of the
    // older text input (chapters of keyword lines followed by their data lines).
    static constexpr int kTextKapitel = 1; // ReadTextInput: a keyword line
    static constexpr int kTextDaten = 0;   // a data line
    static constexpr int kTextEnde = -1;   // the end of the file
    // Finds the keyword line whose first word is keyword (from the file's start) and
    // reads the line after it into zeile: 1; 0 when there is none.
    int FindTextKeyword(const std::string& keyword);
    // Reads the next line into zeile: kTextKapitel, kTextDaten or kTextEnde.
    int ReadTextInput();

    // Auxiliary object of the text input: one, made on first use, owned by the input.
    struct SHelper {};
    int CreateHelper();
    SHelper* GetHelper();
    // The two flags of the text input, which hold nothing.
    struct SFlag {};
    SFlag* GetFlag1() { return &flag1; }
    SFlag* GetFlag2() { return &flag2; }

    // --- Bookkeeping ------------------------------------------------------------
    std::vector<SZahl> zahlen;        // the numbers the readers took, in document order
    std::unique_ptr<SHelper> pHelper; // a run never makes one
    C1QEL* pQEL = nullptr;
    std::string zeile; // line buffer of the text input: the whole line with its line end
    SFlag flag1;
    SFlag flag2;
    int normKind = 0;
    QEDOM_HANDLE hRoot = 0;
    QEDOM_HANDLE hInput = 0;
    int berart = 0;
    int nBlocklast = 0;
    int nLinienlast = 0;
    int nKopflast = 0;
    int nSchicht = 0;
    int iLetzteEinwirkung = 0;
    int iLetzterLastfall = 0;
    int iLetzteKombi = 0;
    int nEinwirkungQ = 0;
    std::array<int, kMaxBlocklast> blockArt{};

    // --- Load tables ------------------------------------------------------------
    std::array<SBlocklast, kMaxBlocklast> blocklast{};
    std::array<SLinienlast, kMaxLinienlast> linienlast{};
    std::array<SKopflast, kMaxKopflast> kopflast{};
    int nFlaechenlastVorn = 0;
    int nFlaechenlast = 0;
    int nLfFlaeche = 0;
    int nLfFlaecheVorn = 0;
    std::array<int, kMaxLfFlaeche> lfFlaeche{};
    std::array<int, kMaxLfFlaeche> lfFlaecheVorn{};

    // --- Strings and sketches -----------------------------------------------------
    std::string freeText;
    std::string skizze2d_datei;
    std::string skizze3d_datei;
    int nPage = 0;
    int skizze2d = 0;
    int skizze3d = 0;

    // --- Surcharges -----------------------------------------------------------------
    std::array<SFlaechenlast, kMaxFlaechenlast> flaechenlastVorn{}; // never filled
    std::array<SFlaechenlast, kMaxFlaechenlast> flaechenlast{};

    // --- Output switches of `ausg` (1 = on) -------------------------------------------
    int relevante_lastfaelle = 0;
    int alle_lastfaelle = 0;
    int txt_teilsicherheit = 0;
    int txt_druck_ordinaten = 0;
    int txt_tgf_druck_ordinaten = 0;
    int txt_druck_beiwerte = 0;
    int txt_tgf_druck_beiwerte = 0;
    int txt_eingabe = 0;
    int txt_wasserdruck = 0;
    int txt_tragnachweise = 0;
    int txt_tgf_materialversagen = 0;
    int txt_tgf_herausziehen = 0;
    int txt_tgf_ankerkraft = 0;
    int grafik_tgf_darstellung = 0;
    int txt_profilwahl = 0;
    std::array<int, kMaxGrafikDatei> grafikDatei{};
    // grafik_system, grafik_druck_beanspr, grafik_schnittgroessen
    std::array<int, kMaxGrafik> grafik{};

    // --- Actions, partial factors, combinations -----------------------------------------
    std::array<SEinwirkung, kMaxEinwirkung> einwirkung{};
    Teilsicherheitsbeiwerte teilsicherheit{};

    // --- Material (`mate`) ------------------------------------------------------------------
    std::string profilName;
    double wely = 0.0; // cm³/m
    double Iy = 0.0;   // cm⁴/m
    double A = 0.0;    // cm²/m
    double g = 0.0;    // weight of the profile
    std::string ankerName;
    int typ = 0; // anchor type
    double as_min = 0.0;
    double ft01k = 0.0;
    double da = 0.0;
    double di = 0.0;
    double d_vk = 0.0;
    double gamma_m = 0.0; // anchor
    double a_schaft = 0.0;
    double a_kern = 0.0;
    double fyk = 0.0; // anchor
    double fuak = 0.0;
    double gamma_m0 = 0.0;
    double gamma_mb = 0.0;
    double kt = 0.0;
    double qsk1 = 0.0;
    double qsk = 0.0;
    std::string stahlName;
    double stahl_fyk = 0.0;     // `fyk` of the structural steel
    double E = 0.0;             // `E` of the structural steel
    double stahl_gamma_m = 0.0; // `gamma_m` of the structural steel
    double gamma = 0.0;         // `gamma` of the structural steel

    // --- Soil layers ---------------------------------------------------------------------
    std::array<SBodenschicht, kMaxSchicht> schicht{};

    // --- Load combinations and combination-factor sets ---------------------------------
    std::vector<LFKombi> kombi;
    std::array<SKombiBeiwerte, kMaxKombiBeiwerte> kombiBeiwerte{};

    // --- Geometry, soil and control values -------------------------------------------------
    double einbindetiefe = 0.0; // given foot depth below the wall head (m)
    double wand_hw2 = 0.0;      // second copy of wand_hw, read by the report and the pictures
    double speze = 0.0;
    double phie = 0.0;
    double deltae = 0.0;
    double cohe = 0.0;
    double spezu = 0.0;
    double phiu = 0.0;
    double deltau = 0.0;
    double cohu = 0.0;
    double wand_hw = 0.0;  // depth of the excavation level below the wall head (m)
    double rundung = 0.01; // rounding step of the embedment depth (m)
    int system = 0;        // foot support: 1 free, 3 fixed, else partial
    int mitanker = 0;
    int anker = 0;
    int einspannung = 0; // fixity at the foot (%)
    int in_grad = 0;     // 1: wall friction given in degrees
    double sohlreibung = 0.0;
    double eta_p = 0.0;
    double gela_neigung = 0.0;
    double wand_neigung = 0.0;
    double ersatz_neigung = 0.0;
    int mitberme = 0;
    int miterdwiderstand = 0;
    int erdwiderstandprozent = 0;
    int erhoehung = 0;
    int abminderung = 0;
    int mitverd = 0;
    int geraet = 0;
    double berme_abstand = 0.0;
    double berme_neigung = 0.0;
    double berme_dicke = 0.0;
    double berme_gamma = 0.0;
    double faktor = 0.0;
    double bp = 0.0;
    double eg = 0.0;
    double zk = 0.0;
    int nachweisart = 0;
    int boden = 0;
    int dinart = 0;
    std::array<double, kMaxSigma0> sigma0{}; // sigma00 ... sigma05
    std::array<double, kMaxSigma1> sigma1{}; // sigma10 ... sigma13
    double bome_einbindetiefe = 0.0;         // `einbindetiefe` of `bome`
    double ankerspitze = 0.0;
    double ankertafel_l = 0.0;
    double ankertafel_b = 0.0;
    double lv = 0.0;
    double tgh = 0.0; // water level behind the wall (m below the wall head)
    double tgv = 0.0; // water level in front of the wall
    double tiefe_anker = 0.0;
    double ankerneigung = 0.0;
    double ankerlaenge = 0.0;
    double ankerabstand = 0.0;
    double hoehenkote = 0.0;
    double gamma_p = 0.0;
    int ankertyp = 0;
    std::array<double, kMaxLastZusatz> lastZusatz{}; // reset by the load reader only
    double maxLast = 0.0;
    std::array<int, kMaxLastfall> lastfallLf{};
    std::array<int, kMaxLastfall> lastfallEinw{};
    int lastfall = 1; // design situation 1 to 3
    int gleitsicherheit = 0;
    int nwstand = 0;
    int nwwand = 0;
    int kumlag = 0;
    int druck_nach = 0;
    int druck_bau = 0;
    int erhstand = 0; // whole percent
    int erhwand = 0;  // whole percent

private:
    // The one element of that name under hInput; 0 when there is none or more than one
    // (a duplicated section is ignored as a whole).
    QEDOM_HANDLE FindSection(const char* name) const;
    void ReadWandreibung(const zirf_input::Element& gruppe, SBodenschicht& schicht) const;
    void ReadKopflast(const zirf_input::Element& gruppe);
    void ReadFlaechenlast(const zirf_input::Element& gruppe);
    void ReadBlocklast(const zirf_input::Element& gruppe);
    void ReadLinienlast(const zirf_input::Element& gruppe);
    // Returns the number of combination-factor sets read.
    int ReadSicherheitsbeiwerte(QEDOM_HANDLE sicherheitsbeiwerte);
    void ReadLastfaelle(QEDOM_HANDLE lastfaelle);
    void ReadEinwirkungen(QEDOM_HANDLE einwirkungen, int nKombiBeiwerte);
    void ReadKombinationen(QEDOM_HANDLE results);
};
