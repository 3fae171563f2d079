// Loads chapter of the input: surcharges, block loads, line loads, head loads and the
// compaction; the host's fragments of actions and combinations.

#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportFragment.h"
#include "report/ReportSicht.h"

#include <cstdio>

namespace {

// The words of the sides and of the head-load places stand in their template lines at
// fixed positions of eight characters each.
constexpr std::size_t kWortBreite = 8;
constexpr int kSeitenZeile = 2; // "vorne   hinten"
constexpr int kSeiteVorne = 0;
constexpr int kSeiteHinten = 1;
constexpr int kOrtZeile = 5; // "Kopf    Anker   Steife"
constexpr int kAnzahlOrte = 3;

// Rows of each load table: heading, two table heads, one row per load.
constexpr int kTitel = 1;
constexpr int kKopf1 = 2;
constexpr int kKopf2 = 3;
constexpr int kLastZeile = 4;

// Rows of the compaction block.
constexpr int kWalze = 4;
constexpr int kStatischeWalze = 5;
constexpr int kPlatte = 6;
enum Geraet { kGeraetPlatte = 0, kGeraetWalze = 1, kGeraetStatisch = 2 };

// Rows of the combinations block.
constexpr int kRelevanteTitel = 1;
constexpr int kKombiKopf = 3;
constexpr int kKombiZeile = 4;

constexpr int kFragmentStil = 3;

// Word `index` of a line of fixed-width words; empty when the line has no such word.
std::string Wort(const std::string& zeile, int index) {
    const std::size_t anfang = static_cast<std::size_t>(index) * kWortBreite;
    if (index < 0 || anfang >= zeile.size()) {
        return {};
    }
    return zeile.substr(anfang, kWortBreite);
}

void Tabellenkopf(C1RTFX& rtf) {
    rtf.WriteZeile(kTitel);
    rtf.WriteZeile(kKopf1);
    rtf.WriteZeile(kKopf2);
}

} // namespace

int C1ZirfReport::WriteBelastung() {
    const C1ZirfInput& in = *pInput;
    C1RTFX& rtf = *pRTF;
    const int nVorne = ReportSicht::NAuflastVorne(in);
    const int nHinten = ReportSicht::NAuflast(in);
    // Compaction acts for 1 only, as the calculation takes it.
    const bool mitVerdichtung = in.mitverd == 1;
    if (nVorne + nHinten + in.nBlocklast + in.nLinienlast + in.nKopflast == 0 && !mitVerdichtung) {
        return 0;
    }

    rtf.ReadTemplate(ReportBlocks::kLastSeiten);
    const std::string seiten = rtf.m_Wert.at(kSeitenZeile);
    const std::string vorne = Wort(seiten, kSeiteVorne);
    const std::string hinten = Wort(seiten, kSeiteHinten);

    rtf.ReadTemplate(ReportBlocks::kBelastungTitel);
    rtf.WriteZeile(1);

    if (nVorne + nHinten > 0) {
        rtf.WriteAnnotation("flast", 1, 1);
        rtf.ReadTemplate(ReportBlocks::kAuflast);
        Tabellenkopf(rtf);
        for (int k = 0; k < nVorne; ++k) {
            const auto& last = ReportSicht::AuflastVorne(in, k);
            rtf.WriteZeile(kLastZeile, {k + 1, vorne, last.bez, last.lf, last.v});
        }
        for (int k = 0; k < nHinten; ++k) {
            const auto& last = ReportSicht::Auflast(in, k);
            rtf.WriteZeile(kLastZeile, {k + 1, hinten, last.bez, last.lf, last.v});
        }
        rtf.EndRow();
    }

    if (in.nBlocklast > 0) {
        rtf.WriteAnnotation("tlast", 1, 1);
        rtf.ReadTemplate(ReportBlocks::kBlocklast);
        Tabellenkopf(rtf);
        for (int k = 0; k < in.nBlocklast; ++k) {
            const auto& last = in.blocklast.at(static_cast<std::size_t>(k));
            rtf.WriteZeile(kLastZeile,
                           {k + 1, last.x, last.b, last.y, last.bez, last.lf, last.v, last.h});
        }
        rtf.EndRow();
    }

    if (in.nLinienlast > 0) {
        rtf.WriteAnnotation("llast", 1, 1);
        rtf.ReadTemplate(ReportBlocks::kLinienlast);
        Tabellenkopf(rtf);
        for (int k = 0; k < in.nLinienlast; ++k) {
            const auto& last = in.linienlast.at(static_cast<std::size_t>(k));
            rtf.WriteZeile(kLastZeile,
                           {k + 1, last.x, last.y, last.bez, last.lf, last.v, last.h, last.m});
        }
        rtf.EndRow();
    }

    if (in.nKopflast > 0) {
        rtf.WriteAnnotation("klast", 1, 1);
        rtf.ReadTemplate(ReportBlocks::kKopflast);
        const std::string orte = rtf.m_Wert.at(kOrtZeile);
        Tabellenkopf(rtf);
        for (int k = 0; k < in.nKopflast; ++k) {
            const auto& last = in.kopflast.at(static_cast<std::size_t>(k));
            // Only the three places have a word; any other value leaves the cell empty.
            const std::string ort =
                last.stelle >= 0 && last.stelle < kAnzahlOrte ? Wort(orte, last.stelle) : "";
            rtf.WriteZeile(kLastZeile, {k + 1, ort, last.bez, last.lf, last.v, last.h, last.m});
        }
        rtf.EndRow();
    }

    if (mitVerdichtung) {
        rtf.ReadTemplate(ReportBlocks::kVerdichtung);
        Tabellenkopf(rtf);
        std::string name;
        switch (in.geraet) {
        case kGeraetPlatte:
            rtf.WriteZeile(kPlatte, {pQEL->LOC_TranslateX(name, "Vibrationsplatte"), in.bp});
            break;
        case kGeraetWalze:
            rtf.WriteZeile(kWalze, {pQEL->LOC_TranslateX(name, "Vibrationswalze"), in.eg, in.zk});
            break;
        case kGeraetStatisch:
            rtf.WriteZeile(kStatischeWalze, {pQEL->LOC_TranslateX(name, "statische Walze"), in.eg});
            break;
        default:
            break;
        }
        rtf.EndRow();
    }
    return 1;
}

void C1ZirfReport::InsertFragment(const char* attribute, const char* heading) {
    std::string titel;
    pQEL->LOC_TranslateX(titel, heading);
    InsertRtfFragment(pQEL->hDoc, attribute, titel, kFragmentStil);
}

int C1ZirfReport::WriteEinwirkungen() {
    InsertFragment("lastueberlagerung_gammaPsi", "Definition der Einwirkungen");
    return 1;
}

int C1ZirfReport::WriteKombinationen(int mode) {
    C1RTFX& rtf = *pRTF;
    rtf.ReadTemplate(ReportBlocks::kKombinationen);
    if (mode == 0) {
        InsertFragment("lastueberlagerung_kombRegeln", "Alle Lastfallkombinationen");
        rtf.EndRow();
        return 1;
    }
    // The governing combination is the one the analysis records.
    C1ZirfCalc& calc = *pCalc;
    const C1ZirfInput& in = *pInput;
    calc.kombiRelevant.assign(in.kombi.size(), 0);
    if (calc.iMassgebend >= 0 && calc.iMassgebend < static_cast<int>(in.kombi.size())) {
        calc.kombiRelevant.at(static_cast<std::size_t>(calc.iMassgebend)) = 1;
    }
    rtf.WriteZeile(kRelevanteTitel);
    rtf.WriteZeile(kKombiKopf);
    for (std::size_t k = 0; k < in.kombi.size(); ++k) {
        if (calc.kombiRelevant.at(k) != 0) {
            const auto& kombi = in.kombi.at(k);
            rtf.WriteZeile(kKombiZeile, {kombi.index + 1, kombi.art, kombi.regel});
        }
    }
    rtf.EndRow();
    return 1;
}
