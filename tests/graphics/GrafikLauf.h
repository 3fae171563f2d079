#pragma once

// An example computed in the process, with an open report and the graphics object of the
// run, in a fresh folder that is also the temporary folder of the pictures. Pictures are
// read back as metafiles, and their world coordinates found again from the wall.

#include "../host/InputFixture.h"
#include "../support/EmfReader.h"
#include "../support/EnvGuard.h"
#include "../support/ScratchFolder.h"

#include "beam/C1Traeger.h"
#include "graphics/C1ZirfGrafik.h"
#include "model/C1ZirfCalc.h"
#include "platform/Kernel.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct GrafikLauf {
    using Aenderung = std::function<void(C1ZirfInput&)>;

    explicit GrafikLauf(const std::string& datei, const Aenderung& vorher = nullptr)
        : folder("grafik"), tmp("TMPDIR", folder.path().string().c_str()),
          f(InputFixture::FromFile(datei)) {
        f.ReadAll();
        if (vorher) {
            vorher(f.in);
        }
        calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        calc->CalcBodenmodell();
        calc->CalcWand();
        if (f.in.mitanker != 0 && f.in.anker == 1) {
            calc->CalcTiefeGleitfuge();
        }
        Oeffne();
    }
    // A calculation object filled by hand (no run).
    GrafikLauf()
        : folder("grafik"), tmp("TMPDIR", folder.path().string().c_str()),
          f(InputFixture::FromFile("examples/kragwand.xml")) {
        calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        Oeffne();
    }
    ~GrafikLauf() {
        grafik.reset();
        rtf.reset();
        if (QELRTFX_OpenDocument() != nullptr) {
            QELRTFX_Close(0);
        }
    }
    GrafikLauf(const GrafikLauf&) = delete;
    GrafikLauf& operator=(const GrafikLauf&) = delete;

    // A picture of the temporary folder, or a file of the current one.
    static emf::Reader Bild(const std::string& name) {
        return emf::Reader::FromFile(QEL_GetTempFolder() + name + ".emf");
    }
    // The report's RTF so far (closes the report).
    std::string BerichtText() {
        const std::string text = QELRTFX_OpenDocument()->Rtf();
        QELRTFX_Close(0);
        return text;
    }

    ScratchFolder folder;
    EnvGuard tmp;
    InputFixture f;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
    std::unique_ptr<C1RTFX> rtf;
    std::unique_ptr<C1ZirfGrafik> grafik;

private:
    void Oeffne() {
        f.qel.Filedpf = (folder.path() / "Pos").string();
        EXPECT_EQ(QELRTFX_Open("Pos.rtf", 0, 1, 1, ""), 1);
        rtf = std::make_unique<C1RTFX>(&f.qel);
        grafik =
            std::make_unique<C1ZirfGrafik>(4.0, 0.7, &f.qel, rtf.get(), nullptr, &f.in, calc.get());
    }
};

// How often a text occurs in another.
inline std::size_t Anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (std::size_t at = text.find(teil); at != std::string::npos; at = text.find(teil, at + 1)) {
        ++n;
    }
    return n;
}

// The picture's texts.
inline std::multiset<std::string> Texte(const emf::Reader& r) {
    std::multiset<std::string> out;
    for (const auto& t : r.Texts()) {
        out.insert(t.Utf8());
    }
    return out;
}

// Structure sound, every drawing record inside the header's bounds, and the drawing of
// a plausible size (an infinite or huge coordinate shows as an enormous extent).
inline void ErwarteGesund(const emf::Reader& r) {
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    ASSERT_FALSE(r.Extents().empty());
    const emf::Rect b = r.Bounds();
    for (const emf::Rect& e : r.Extents()) {
        EXPECT_TRUE(b.Contains(e))
            << e.left << "," << e.top << " " << e.right << "," << e.bottom << " outside " << b.left
            << "," << b.top << " " << b.right << "," << b.bottom;
    }
    constexpr int kGross = 100000; // device units: far beyond any page
    EXPECT_LT(b.right - b.left, kGross);
    EXPECT_LT(b.bottom - b.top, kGross);
}

// World metres from the metafile's units, found from the wall polygon (the first one:
// head (0, 0), foot (x, tiefe), then (x - 0.1, tiefe), (-0.1, 0)); pictures keep the
// proportions of the world.
struct Welt {
    explicit Welt(const emf::Reader& r, double tiefe) {
        const auto& w = r.Polygons().at(0);
        x0 = w.at(0).x;
        y0 = w.at(0).y;
        sy = (w.at(1).y - y0) / tiefe;
        sx = sy; // one scale for both axes
    }
    double X(const emf::Point& p) const { return (p.x - x0) / sx; }
    double Y(const emf::Point& p) const { return (p.y - y0) / sy; }
    double x0 = 0, y0 = 0, sx = 1, sy = 1;
};

// The picture's records cut at each text: a caption and the figures drawn after it,
// before the next text.
struct Abschnitt {
    std::string titel;
    emf::Text text;
    std::vector<std::vector<emf::Point>> figuren;
};
inline std::vector<Abschnitt> Abschnitte(const emf::Reader& r) {
    constexpr std::uint32_t kText = 84;
    constexpr std::uint32_t kPolygon16 = 86;
    constexpr std::uint32_t kPolygon = 3;
    std::vector<Abschnitt> out;
    std::size_t t = 0;
    std::size_t p = 0;
    for (const emf::Record& rec : r.Records()) {
        if (rec.type == kText && t < r.Texts().size()) {
            out.push_back({r.Texts()[t].Utf8(), r.Texts()[t], {}});
            ++t;
        } else if ((rec.type == kPolygon16 || rec.type == kPolygon) && p < r.Polygons().size()) {
            if (!out.empty()) {
                out.back().figuren.push_back(r.Polygons()[p]);
            }
            ++p;
        }
    }
    return out;
}

// Whether the next caption stands in the same row of diagrams; else it begins a row
// below.
inline bool GleicheZeile(const Abschnitt& a, const Abschnitt& naechster) {
    if (a.text.reference.y == naechster.text.reference.y) {
        return true;
    }
    EXPECT_GT(naechster.text.reference.y, a.text.reference.y) << naechster.titel;
    return false;
}

// Two block loads and two line loads with a horizontal part each beside the example's
// own; the second line load stands 12 m from the wall, beyond the slip line, so that
// its figures have no ordinate.
inline void VierLasten(C1ZirfInput& in) {
    in.blocklast.at(0).h = 5.0;
    in.blocklast.at(1) = {2, "Block 2", 30.0, -4.0, 1.0, 2.0, 0.0};
    in.blockArt.at(1) = 2;
    in.nBlocklast = 2;
    in.linienlast.at(1) = {1, 0.0, 40.0, 8.0, "Linie 2", 12.0, 0.0};
    in.nLinienlast = 2;
}
