// The chapter of the load states: every state the report names, with its load cases and
// factors and the other names the same state has, so that a reader can tell what each
// "LK …" of the later chapters stands for.

#include "report/Lastzustandsliste.h"

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/Profilbemessung.h"
#include "report/ReportBlocks.h"
#include "report/ReportSicht.h"
#include "report/Vertikalnachweis.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>

namespace {

// Rows by their string-table entry.
constexpr int kTitel = 520;
constexpr int kRegel = 521; // then the names (522) and the equal states (523)
constexpr int kRegelZeilen = 3;
constexpr int kKopf = 524;
constexpr int kZeile = 525;

} // namespace

namespace lastzustandsliste {

std::vector<std::size_t> GenannteZustaende(const C1ZirfCalc& calc, const C1ZirfInput& in) {
    std::vector<std::size_t> z;
    const std::size_t n = calc.zustaende.size();
    const auto nimm = [&z, n](std::size_t k) {
        if (k < n && std::find(z.begin(), z.end(), k) == z.end()) {
            z.push_back(k);
        }
    };
    nimm(static_cast<std::size_t>(calc.iZustand));
    if (in.mitanker > 0) {
        nimm(calc.massgebend.AK);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (!calc.ZustandGueltig(k)) {
            nimm(k);
        }
    }
    if (ReportSicht::IterationDivergiert(calc)) {
        return z;
    }
    if (in.txt_tragnachweise != 0) {
        const ReportSicht::Anteilsbedarf bedarf = ReportSicht::GroessterAnteilsbedarf(calc);
        if (in.mitanker != 0 && !bedarf.Haelt()) {
            nimm(bedarf.zustand);
        }
        nimm(vertikalnachweis::Massgebend(calc, in).zustand);
    }
    if (in.txt_profilwahl == 1) {
        for (const profilnachweis::Zeile& zeile : profilnachweis::Zeilen(calc, in)) {
            nimm(zeile.zustandM);
            nimm(zeile.zustandN);
            for (const std::size_t k : zeile.zustandNGleich) {
                nimm(k);
            }
        }
    }
    return z;
}

std::string FaktorenText(const std::vector<std::pair<int, double>>& faktoren) {
    std::string text;
    for (const auto& [lf, faktor] : faktoren) {
        char teil[48];
        std::snprintf(teil, sizeof teil, "%s%.2f · Lf %d", text.empty() ? "" : " + ", faktor, lf);
        text += teil;
    }
    return text;
}

std::string GleichText(const std::vector<std::string>& namen) {
    std::string text;
    for (const std::string& name : namen) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

} // namespace lastzustandsliste

int C1ZirfReport::WriteLastzustaende() {
    const C1ZirfCalc& calc = *pCalc;
    const std::vector<std::size_t> genannt = lastzustandsliste::GenannteZustaende(calc, *pInput);
    if (genannt.empty()) {
        return 0;
    }
    // Sorted by their names' combination and then as the names read.
    std::vector<std::pair<std::string, std::size_t>> zeilen;
    for (const std::size_t z : genannt) {
        zeilen.emplace_back(calc.ZustandText(z), z);
    }
    std::sort(zeilen.begin(), zeilen.end(), [](const auto& a, const auto& b) {
        const auto nummer = [](const std::string& s) { return std::atoi(s.c_str() + 3); };
        return nummer(a.first) != nummer(b.first) ? nummer(a.first) < nummer(b.first)
                                                  : a.first < b.first;
    });
    C1RTFX& rtf = *pRTF;
    rtf.ReadTemplate(ReportBlocks::kLastzustaende);
    rtf.WriteEintrag(kTitel);
    for (int k = 0; k < kRegelZeilen; ++k) {
        rtf.WriteEintrag(kRegel + k);
    }
    rtf.WriteEintrag(kKopf);
    for (const auto& [name, z] : zeilen) {
        rtf.WriteEintrag(kZeile, {name, lastzustandsliste::FaktorenText(calc.ZustandFaktoren(z)),
                                  lastzustandsliste::GleichText(calc.ZustandGleichNamen(z))});
    }
    rtf.EndRow();
    return 1;
}
