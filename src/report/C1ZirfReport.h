#pragma once

namespace ReportSicht {
struct TiefeGleitfuge;
}

class C1QEL;
class C1RTFX;
class C1ZirfCalc;
class C1ZirfInput;

// The report object of a run: it knows the host context, the report writer, the
// calculation object and the input, and its chapter writers turn them into report
// rows and result elements. It owns none of them.
class C1ZirfReport {
public:
    C1ZirfReport(C1QEL* pQEL, C1RTFX* pRTF, C1ZirfCalc* pCalc, C1ZirfInput* pInput)
        : pQEL(pQEL), pRTF(pRTF), pCalc(pCalc), pInput(pInput) {}

    // Opens the report and writes its head: the design codes, the calculation mode and
    // the annotation "var".
    int WriteKopf();
    // The heading of the input chapters.
    int WriteSystemUndBelastung();

    // Terrain, berm, groundwater and the soil layers.
    int WriteGelaende();
    // The loads of the four kinds and the compaction; 0 (and nothing written) when the
    // input has none.
    int WriteBelastung();
    // The host's definition of the actions, partial and combination factors.
    int WriteEinwirkungen();
    // The load combinations: mode 0 the host's table of all, otherwise the governing.
    int WriteKombinationen(int mode);
    // The load states the report names, each with its load cases and factors; 0 (and
    // nothing written) when it names none.
    int WriteLastzustaende();
    // Earth-pressure coefficients and the characteristic earth- and water-pressure
    // tables of the wall.
    int WriteEinwirkungenUndWiderstaende();
    // The same tables of the deep slip line's run on the equivalent wall.
    int WriteErsatzwand();
    // The wall system and the embedment result; starts the result tree (`geometrie`,
    // and `nachweise` in the verification mode). The argument is not used.
    int WriteEinbindetiefe(int);
    // The support checks: 0 the passive earth support and 1 the vertical component of
    // the support force of the anchored wall, 2 the vertical forces of the wall without
    // anchor; any other type writes nothing.
    int WriteAuflagerNachweis(int typ);
    // The check of the vertical forces of the anchored wall (its heading "Vertikalkomponente
    // der Auflagerkraft") or of the wall without anchor, in its governing load state.
    int WriteVertikalnachweis(bool anker);
    // The checks of the anchor in the deep slip line, against material failure and
    // against pull-out, from the calculation's deep slip line check, or from the given
    // results.
    int WriteAnkerkraft();
    int WriteMaterialversagen();
    int WriteHerausziehen();
    int WriteAnkerkraft(const ReportSicht::TiefeGleitfuge& tgf);
    int WriteMaterialversagen(const ReportSicht::TiefeGleitfuge& tgf);
    int WriteHerausziehen(const ReportSicht::TiefeGleitfuge& tgf);
    // The design of the steel profile and its result element `profil`.
    int WriteProfilNachweis();
    // An older chapter of the system settings that the run does not write: the head
    // loads and how earth pressure is applied on either side (`nwstand` with `erhstand`,
    // `miterdwiderstand` with `erdwiderstandprozent`). Returns 1.
    int WriteKopflasten();

    C1QEL* pQEL;
    C1RTFX* pRTF;
    C1ZirfCalc* pCalc;
    C1ZirfInput* pInput;

private:
    // Inserts the RTF fragment stored in `rtfFiles` under the attribute, with the
    // translated heading in style 3; nothing when the document has none.
    void InsertFragment(const char* attribute, const char* heading);
};
