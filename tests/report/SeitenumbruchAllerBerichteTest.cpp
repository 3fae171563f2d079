// Every kind of report a checker reads, as LibreOffice lays out its pages: no page ends
// with a heading, a table head row or the lines under a heading that lead to a table
// (the table would start the next page without them), and the chapter of the
// internal-force diagrams has its captions and the table of their values on its heading's
// page. All the reports go through one start of LibreOffice.

#include "../e2e/Berichtsarten.h"
#include "../support/ScratchFolder.h"
#include "LibreOfficeCheck.h"
#include "Seitenbild.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string kDiagrammKapitel = "Schnittgrößen (design) und Durchbiegung (char.)";
const std::string kErsteBeschriftung = "Momente [kNm/m]";
const std::string kWerteTabelle = "Schnittgrößen";
// Processor time of the host program over all the kinds, sanitizers on.
constexpr int kZirfCpuSekunden = 600;

TEST(SeitenumbruchAllerBerichte, NothingThatLeadsToATableEndsAPage) {
    const std::string why = libreoffice::Unavailable();
    if (!why.empty()) {
        GTEST_SKIP() << "LibreOffice check skipped: " << why;
    }
    namespace fs = std::filesystem;
    const ScratchFolder folder("seitenumbruch_alle");
    const std::vector<Berichtsart> arten = Berichtsarten();
    std::string eingaben;
    for (const Berichtsart& art : arten) {
        ScratchFolder::Write(art.name + ".xml", art.dokument);
        eingaben += " '" + art.name + ".xml'";
    }
    // A wall that fails a check still has its report; each report is asked for below.
    const std::string zirf = "ulimit -c 0; ulimit -t " + std::to_string(kZirfCpuSekunden) +
                             "; env QELUSER= TMPDIR='" + folder.path().string() + "' " +
                             std::string(ZIRF_BINARY_DIR) + "/zirf -q" + eingaben +
                             " >zirf.out 2>&1 </dev/null";
    [[maybe_unused]] const int status = std::system(zirf.c_str());
    std::vector<fs::path> berichte;
    for (const Berichtsart& art : arten) {
        const fs::path rtf = folder.path() / (art.name + ".rtf");
        ASSERT_TRUE(fs::exists(rtf)) << art.name << ": " << ScratchFolder::Read("zirf.out");
        berichte.push_back(rtf);
    }
    std::string log;
    const auto texte = libreoffice::PdfTexte(berichte, log, libreoffice::Anordnung::Seitenbild);
    ASSERT_TRUE(texte) << log;

    for (std::size_t i = 0; i < arten.size(); ++i) {
        SCOPED_TRACE(arten[i].name);
        const std::vector<seitenbild::Seite> seiten = seitenbild::SeitenVon(texte->at(i));
        ASSERT_GE(seiten.size(), 2u) << texte->at(i);
        const seitenbild::Koepfe koepfe = seitenbild::KoepfeVon(ScratchFolder::Read(berichte[i]));
        // Every report describes its system in lines under a heading above a table.
        EXPECT_FALSE(koepfe.einleitungen.empty());
        for (const std::string& fehler : seitenbild::SeitenendenOhneTabelle(seiten, koepfe)) {
            ADD_FAILURE() << arten[i].name << ": " << fehler;
        }
        const std::size_t kapitel = seitenbild::SeiteMit(seiten, kDiagrammKapitel);
        ASSERT_NE(kapitel, 0u);
        EXPECT_EQ(seitenbild::SeiteMit(seiten, kErsteBeschriftung), kapitel);
        // The table of the diagrams' values under them, on their page.
        bool tabelle = false;
        for (const std::string& zeile : seiten.at(kapitel - 1)) {
            tabelle = tabelle || seitenbild::WorteVon(zeile) == seitenbild::Worte{kWerteTabelle};
        }
        EXPECT_TRUE(tabelle) << "the table \"" << kWerteTabelle << "\" is not on page " << kapitel;
    }
}

} // namespace
