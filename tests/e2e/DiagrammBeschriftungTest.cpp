// The labels of the internal-force and deflection diagrams as a checker reads them, over
// every kind of report: a label at a point the table of internal forces prints carries the
// table's value as printed, no two labels run together or hide under a support's symbol,
// and no diagram is left empty without a word. Then the anchor: the shear steps there by
// the anchor force, the normal force by the anchor's vertical component, both sides
// labelled.

#include "Bericht.h"
#include "Berichtsarten.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include "../support/BildPruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The four diagrams of the chapter, in the order of their captions.
enum Diagramm { kMomente = 0, kQuerkraefte = 1, kNormalkraefte = 2, kVerformungen = 3 };

// A row of the table of internal forces: its name, depth, M,d and N,d as printed.
struct Tabellenzeile {
    std::string stelle;
    double y = 0.0;
    std::string m;
    std::string n;
};

// The report of one kind of wall with what the checks read of it.
struct Gelesen {
    std::string name;
    ZirfLauf lauf;
    std::vector<emf::Reader> diagramme; // moments, shear, normal force, deflection
    std::vector<emf::Reader> alle;      // every picture of the report
    std::vector<Tabellenzeile> tabelle;
    double laenge = 0.0; // the member's length as drawn (m)
    bool anker = false;
    double ankerneigungGrad = 0.0;
};

std::vector<Tabellenzeile> TabelleDerSchnittgroessen(const std::string& rtf) {
    std::vector<Tabellenzeile> zeilen;
    std::istringstream text(rtfcheck::BodyText(rtf));
    bool inTabelle = false;
    for (std::string zeile; std::getline(text, zeile);) {
        const std::vector<std::string> z = Zellen(zeile);
        if (!z.empty() && z[0] == "Stelle") {
            inTabelle = true;
            continue;
        }
        if (!inTabelle || z.size() < 4) {
            continue;
        }
        const auto y = ZahlInZelle(z, 1);
        if (y && ZahlInZelle(z, 2) && ZahlInZelle(z, 3)) {
            const auto ohneBlanks = [](std::string s) {
                s.erase(0, s.find_first_not_of(' '));
                s.erase(s.find_last_not_of(' ') + 1);
                return s;
            };
            zeilen.push_back({z[0], *y, ohneBlanks(z[2]), ohneBlanks(z[3])});
        } else if (z[0] == "Stahl") {
            break;
        }
    }
    return zeilen;
}

Gelesen Lies(const Berichtsart& art) {
    Gelesen g;
    g.name = art.name;
    g.lauf = RunZirf(art.dokument);
    const std::string& rtf = g.lauf.bericht;
    const std::size_t kapitel = rtf.find("Momente [kNm/m]");
    for (const bildpruefung::Bild& b : bildpruefung::Bilder(rtf)) {
        g.alle.emplace_back(b.bytes);
        if (kapitel != std::string::npos && b.stelle > kapitel && g.diagramme.size() < 4) {
            g.diagramme.emplace_back(b.bytes);
        }
    }
    g.tabelle = TabelleDerSchnittgroessen(rtf);
    const std::size_t neigung = art.dokument.find(" ankerneigung=\"");
    if (neigung != std::string::npos) {
        g.ankerneigungGrad = std::stod(art.dokument.substr(neigung + 15));
    }
    const ErgebnisXml xml(g.lauf.ergebnis);
    g.anker = !BerichtsZeile(rtf, "Anker").empty() &&
              std::any_of(g.tabelle.begin(), g.tabelle.end(),
                          [](const Tabellenzeile& z) { return z.stelle == "Anker"; });
    // The design beam: the whole wall of an anchored wall, the calculated depth of a
    // cantilever.
    g.laenge = xml.Wert({"geometrie"}, g.anker ? "t_ges" : "t_cal").value_or(0.0);
    return g;
}

// Besides the review's kinds, a wall whose labels crowd at the anchor: fixed at its foot,
// with a head pull that relieves it as a variable load, so that the shear above the anchor
// takes its larger magnitude from the state without the pull, beside the other line's.
std::vector<Berichtsart> WeitereArten() {
    const std::string frei = ExampleText("anker_frei.xml");
    return {
        {"einspannung_100_kopfzug",
         berichtsarten::MitLasten(
             berichtsarten::Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", "100"}}),
             "      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" v=\"10\"/>\n"
             "      <gruppe art=\"0\" lf=\"2\" stelle=\"0\" bez=\"Trossenzug\" "
             "v=\"0\" h=\"-30\" m=\"0\"/>")}};
}

// Every kind of report, run once for all the tests of this file.
const std::vector<Gelesen>& Berichte() {
    static const std::vector<Gelesen> berichte = [] {
        std::vector<Gelesen> out;
        for (const std::vector<Berichtsart>& arten : {Berichtsarten(), WeitereArten()}) {
            for (const Berichtsart& art : arten) {
                out.push_back(Lies(art));
            }
        }
        return out;
    }();
    return berichte;
}

const Gelesen& Bericht(const std::string& name) {
    for (const Gelesen& g : Berichte()) {
        if (g.name == name) {
            return g;
        }
    }
    throw std::invalid_argument("no kind of report " + name);
}

// The member of a diagram in the picture's units: the head and the foot on the axis, as
// the filled line starts and ends there.
struct Stab {
    double kopfY = 0.0;
    double fussY = 0.0;
    double achseX = 0.0;
    double laenge = 0.0; // m

    double Y(double tiefe) const { return kopfY + tiefe / laenge * (fussY - kopfY); }
    double Toleranz() const { return std::max(3.0, 0.01 * std::fabs(fussY - kopfY)); }
};

std::optional<Stab> StabVon(const emf::Reader& r, double laenge) {
    if (r.Polygons().empty() || r.Polygons().front().size() < 2 || laenge <= 0.0) {
        return std::nullopt;
    }
    const auto& p = r.Polygons().front();
    const auto [kopf, fuss] = std::minmax(p.front().y, p.back().y);
    return Stab{double(kopf), double(fuss), double(p.front().x), laenge};
}

// The numbers a picture labels, with their boxes.
struct Label {
    std::string text;
    double wert = 0.0;
    emf::Rect box;
};

std::vector<Label> Labels(const emf::Reader& r) {
    std::vector<Label> out;
    for (const emf::Text& t : r.Texts()) {
        const std::string s = t.Utf8();
        if (const auto v = ZahlAusText(s)) {
            out.push_back({s, *v, t.box});
        }
    }
    return out;
}

// A label stands at the point it labels with one end (it runs from there up or down the
// member) or with its middle.
bool LabelBei(const Label& l, double y, double toleranz) {
    const double mitte = (l.box.top + l.box.bottom) / 2.0;
    return std::fabs(l.box.top - y) <= toleranz || std::fabs(l.box.bottom - y) <= toleranz ||
           std::fabs(mitte - y) <= toleranz;
}

// The labels at a depth of the wall.
std::vector<Label> LabelsBei(const emf::Reader& r, const Stab& s, double tiefe) {
    std::vector<Label> out;
    for (const Label& l : Labels(r)) {
        if (LabelBei(l, s.Y(tiefe), s.Toleranz())) {
            out.push_back(l);
        }
    }
    return out;
}

// Whether two boxes share an area once each is widened along its text by a quarter of its
// line height: texts that touch end to end run together for a reader.
bool LaufenZusammen(const emf::Rect& a, const emf::Rect& b) {
    const auto weit = [](emf::Rect k) {
        const int w = k.right - k.left;
        const int h = k.bottom - k.top;
        if (w >= h) {
            k.left -= h / 4;
            k.right += h / 4;
        } else {
            k.top -= w / 4;
            k.bottom += w / 4;
        }
        return k;
    };
    const emf::Rect p = weit(a);
    const emf::Rect q = weit(b);
    return p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom;
}

bool Ueberdeckt(const emf::Rect& a, const emf::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(DiagrammBeschriftung, EveryReportHasItsFourDiagramsAndItsTable) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.lauf.status, 0) << g.lauf.meldungen;
        EXPECT_EQ(g.diagramme.size(), 4u);
        EXPECT_GE(g.tabelle.size(), 2u);
        EXPECT_GT(g.laenge, 0.0);
    }
}

// Where a diagram labels a point that the table prints (the anchor, the fixing moment,
// the excavation level, the greatest moment), the label is the table's value as printed:
// M,d in the moment diagram, N,d in the normal-force diagram.
TEST(DiagrammBeschriftung, LabelsAtTheTablesPointsAreTheTablesValues) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.diagramme.size(), 4u);
        for (const auto& [bild, spalte] : {std::pair{kMomente, &Tabellenzeile::m},
                                           std::pair{kNormalkraefte, &Tabellenzeile::n}}) {
            const emf::Reader& r = g.diagramme[std::size_t(bild)];
            const std::optional<Stab> stab = StabVon(r, g.laenge);
            ASSERT_TRUE(stab);
            for (const Tabellenzeile& z : g.tabelle) {
                const std::vector<Label> dort = LabelsBei(r, *stab, z.y);
                if (dort.empty()) {
                    continue;
                }
                // The table's value is among them; where two rows lie as close as a label's
                // place tells (the excavation level beside the greatest moment), either's.
                std::vector<std::string> werte;
                for (const Tabellenzeile& nah : g.tabelle) {
                    if (std::fabs(stab->Y(nah.y) - stab->Y(z.y)) <= 2.0 * stab->Toleranz()) {
                        werte.push_back(nah.*spalte);
                    }
                }
                const bool gleich = std::any_of(dort.begin(), dort.end(), [&](const Label& l) {
                    return std::find(werte.begin(), werte.end(), l.text) != werte.end();
                });
                std::string gelesen;
                for (const Label& l : dort) {
                    gelesen += " \"" + l.text + "\"";
                }
                EXPECT_TRUE(gleich) << z.stelle << " at " << z.y << " m: the table prints "
                                    << z.*spalte << ", the diagram" << gelesen;
            }
        }
    }
}

// No two texts of a picture of the report (the sketches as well as the diagrams) run
// together or print over one another, and none lies on a support's symbol.
TEST(DiagrammBeschriftung, NoLabelRunsIntoAnotherOrHidesUnderASymbol) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_GE(g.alle.size(), 5u);
        for (std::size_t k = 0; k < g.alle.size(); ++k) {
            SCOPED_TRACE("picture " + std::to_string(k));
            const emf::Reader& r = g.alle[k];
            const auto& texte = r.Texts();
            for (std::size_t i = 0; i < texte.size(); ++i) {
                for (std::size_t j = i + 1; j < texte.size(); ++j) {
                    EXPECT_FALSE(LaufenZusammen(texte[i].box, texte[j].box))
                        << "\"" << texte[i].Utf8() << "\" and \"" << texte[j].Utf8() << "\"";
                }
                for (const emf::Rect& symbol : r.Bitmaps()) {
                    EXPECT_FALSE(Ueberdeckt(texte[i].box, symbol))
                        << "\"" << texte[i].Utf8() << "\" on a symbol";
                }
            }
        }
    }
}

// A diagram shows its line and a value to read off, or says in words why it has none.
TEST(DiagrammBeschriftung, NoDiagramIsEmptyWithoutAWord) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        for (std::size_t k = 0; k < g.diagramme.size(); ++k) {
            SCOPED_TRACE("diagram " + std::to_string(k));
            const emf::Reader& r = g.diagramme[k];
            bool hinweis = false;
            for (const emf::Text& t : r.Texts()) {
                hinweis = hinweis || t.Utf8().rfind("alle Werte", 0) == 0;
            }
            const bool linie = !r.Polygons().empty();
            EXPECT_TRUE(hinweis || (linie && !Labels(r).empty()));
        }
    }
}

// The 1.5 m anchored excavation deflects by about a hundredth of a millimetre: its
// diagram draws the line to its own scale and labels its greatest value.
TEST(DiagrammBeschriftung, ATinyDeflectionIsDrawnAndLabelled) {
    const Gelesen& g = Bericht("anker_flach");
    ASSERT_EQ(g.diagramme.size(), 4u);
    const emf::Reader& w = g.diagramme[kVerformungen];
    ASSERT_FALSE(w.Polygons().empty());
    const std::vector<Label> labels = Labels(w);
    ASSERT_FALSE(labels.empty());
    double groesster = 0.0;
    for (const Label& l : labels) {
        groesster = std::max(groesster, std::fabs(l.wert));
    }
    EXPECT_GT(groesster, 0.0);
    EXPECT_LT(groesster, 0.01);
}

// Three values, each rounded to at most a tenth.
constexpr double kRundung = 0.15;

// The labels on either side of the anchor in the shear and the normal-force diagrams: of
// those that run up from it and of those that run down, the one of the larger magnitude
// (beside it the envelope's other line may have its own).
struct AmAnker {
    std::optional<Label> oben;  // runs up from the anchor
    std::optional<Label> unten; // runs down from it
};

// The labels of a picture with the depths their ends stand at, for a failure's message.
std::string Beschreibung(const emf::Reader& r, const Stab& s) {
    std::string out;
    for (const Label& l : Labels(r)) {
        const auto tiefe = [&](int y) { return (y - s.kopfY) / (s.fussY - s.kopfY) * s.laenge; };
        out += " \"" + l.text + "\" " + std::to_string(tiefe(l.box.top)) + ".." +
               std::to_string(tiefe(l.box.bottom)) + " m";
    }
    return out;
}

AmAnker AnkerLabels(const emf::Reader& r, const Stab& s, double tiefe) {
    AmAnker a;
    const double y = s.Y(tiefe);
    const auto groesser = [](std::optional<Label>& bisher, const Label& l) {
        if (!bisher || std::fabs(l.wert) > std::fabs(bisher->wert)) {
            bisher = l;
        }
    };
    for (const Label& l : Labels(r)) {
        if (std::fabs(l.box.bottom - y) <= s.Toleranz()) {
            groesser(a.oben, l);
        } else if (std::fabs(l.box.top - y) <= s.Toleranz()) {
            groesser(a.unten, l);
        }
    }
    return a;
}

// The anchor takes the anchor force horizontally and its vertical component: the shear
// labels above and below the anchor differ by Ad as the report prints it, the normal-force
// labels by Ad·tan(inclination); of the two normal forces the upper is the table's "Anker"
// row. By hand: Ad is the report's horizontal design anchor force.
TEST(DiagrammBeschriftung, BothSidesOfTheAnchorLabelledAndTheirStepsAreTheAnchors) {
    for (const char* art : {"anker_frei", "einspannung_100", "anker_30", "anker_flach"}) {
        SCOPED_TRACE(art);
        const Gelesen& g = Bericht(art);
        ASSERT_EQ(g.diagramme.size(), 4u);
        const auto ad = ZahlInZelle(BerichtsZeile(g.lauf.bericht, "Ankerkraft horizontal"), 2);
        const auto anker = std::find_if(g.tabelle.begin(), g.tabelle.end(),
                                        [](const Tabellenzeile& z) { return z.stelle == "Anker"; });
        ASSERT_TRUE(ad.has_value());
        ASSERT_NE(anker, g.tabelle.end());

        const emf::Reader& q = g.diagramme[kQuerkraefte];
        const AmAnker qa = AnkerLabels(q, *StabVon(q, g.laenge), anker->y);
        ASSERT_TRUE(qa.oben && qa.unten);
        // Each label and Ad round to at most a tenth.
        EXPECT_NEAR(std::fabs(qa.unten->wert - qa.oben->wert), *ad, kRundung);

        const emf::Reader& n = g.diagramme[kNormalkraefte];
        const AmAnker na = AnkerLabels(n, *StabVon(n, g.laenge), anker->y);
        ASSERT_TRUE(na.oben && na.unten) << Beschreibung(n, *StabVon(n, g.laenge));
        EXPECT_EQ(na.oben->text, anker->n);
        const double vertikal = *ad * std::tan(g.ankerneigungGrad * M_PI / 180.0);
        EXPECT_GT(vertikal, 1.0);
        EXPECT_NEAR(na.unten->wert - na.oben->wert, vertikal, kRundung);
    }
}

} // namespace

namespace {

// How far the filled line of a diagram stands from the member at the head, and at a
// twentieth of the member below it.
TEST(DiagrammBeschriftung, AnAnchorAtTheHeadStepsTheNormalForceThere) {
    const Gelesen& g = Bericht("anker_kopf");
    ASSERT_EQ(g.diagramme.size(), 4u);
    const emf::Reader& n = g.diagramme[kNormalkraefte];
    const std::optional<Stab> s = StabVon(n, g.laenge);
    ASSERT_TRUE(s);
    double amKopf = 0.0;
    double darunter = 0.0;
    double naechster = 1e30;
    const double y20 = s->Y(0.05 * s->laenge);
    for (const emf::Point& p : n.Polygons().front()) {
        const double ausschlag = std::fabs(p.x - s->achseX);
        if (std::fabs(p.y - s->kopfY) <= 1.0) {
            amKopf = std::max(amKopf, ausschlag);
        }
        if (std::fabs(p.y - y20) < naechster) {
            naechster = std::fabs(p.y - y20);
            darunter = ausschlag;
        }
    }
    // A ramp would start at the head load alone and reach the anchor's component only a
    // twentieth further down.
    EXPECT_GT(darunter, 0.0);
    EXPECT_GE(amKopf, 0.9 * darunter);
}

// The moment and the shear line are drawn with points at most a hundredth of the member
// apart (a millimetre of the picture): a line that bends shows no kinks.
TEST(DiagrammBeschriftung, LinesAreDrawnWithEnoughPoints) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.diagramme.size(), 4u);
        for (const Diagramm d : {kMomente, kQuerkraefte}) {
            const emf::Reader& r = g.diagramme[std::size_t(d)];
            const std::optional<Stab> s = StabVon(r, g.laenge);
            ASSERT_TRUE(s);
            const double grenze = 0.01 * std::fabs(s->fussY - s->kopfY) + 1.0;
            int groessteLuecke = 0;
            for (const auto& polygon : r.Polygons()) {
                for (std::size_t i = 1; i < polygon.size(); ++i) {
                    groessteLuecke =
                        std::max(groessteLuecke, std::abs(polygon[i].y - polygon[i - 1].y));
                }
            }
            EXPECT_LE(groessteLuecke, grenze) << "diagram " << int(d);
        }
    }
}

} // namespace

namespace {

// However its labels are placed, the four diagrams of a report keep one depth scale: the
// head and the foot stand at one height in all four, within 1 % of a picture's height.
TEST(DiagrammBeschriftung, TheFourDiagramsKeepOneDepthScale) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.diagramme.size(), 4u);
        std::vector<std::pair<double, double>> hoehen;
        for (const emf::Reader& r : g.diagramme) {
            const std::optional<Stab> s = StabVon(r, g.laenge);
            ASSERT_TRUE(s);
            const emf::Rect b = r.Bounds();
            const double hoehe = b.bottom - b.top;
            hoehen.emplace_back((s->kopfY - b.top) / hoehe, (s->fussY - b.top) / hoehe);
        }
        for (std::size_t k = 1; k < hoehen.size(); ++k) {
            EXPECT_NEAR(hoehen[k].first, hoehen[0].first, 0.01) << "diagram " << k;
            EXPECT_NEAR(hoehen[k].second, hoehen[0].second, 0.01) << "diagram " << k;
        }
    }
}

} // namespace

namespace {

// The lines of a diagram as drawn: each a polygon that runs down the member once (from
// the axis through the line's points back to the axis), each drawn line once.
std::vector<std::vector<emf::Point>> Linien(const emf::Reader& r) {
    std::vector<std::vector<emf::Point>> out;
    for (const auto& p : r.Polygons()) {
        if (p.size() < 3) {
            continue;
        }
        bool ab = true;
        bool auf = true;
        for (std::size_t i = 1; i < p.size(); ++i) {
            ab = ab && p[i].y >= p[i - 1].y;
            auf = auf && p[i].y <= p[i - 1].y;
        }
        if ((ab || auf) && std::find(out.begin(), out.end(), p) == out.end()) {
            out.push_back(p);
        }
    }
    return out;
}

// The least and the greatest ordinate (from the member's axis) a line takes within
// [y0, y1] of the picture, the points there and the line between them at both ends.
std::pair<double, double> Spanne(const std::vector<emf::Point>& linie, double achse, double y0,
                                 double y1) {
    double lo = 1e30;
    double hi = -1e30;
    const auto nimm = [&](double o) {
        lo = std::min(lo, o);
        hi = std::max(hi, o);
    };
    for (std::size_t i = 1; i < linie.size(); ++i) {
        const emf::Point a = linie[i - 1];
        const emf::Point b = linie[i];
        const double ya = std::min(a.y, b.y);
        const double yb = std::max(a.y, b.y);
        if (yb < y0 || ya > y1) {
            continue;
        }
        if (a.y == b.y) {
            nimm(a.x - achse);
            nimm(b.x - achse);
            continue;
        }
        for (const double y : {std::max(ya, y0), std::min(yb, y1)}) {
            nimm(a.x + (b.x - a.x) * (y - a.y) / double(b.y - a.y) - achse);
        }
    }
    return {lo, hi};
}

// The rule of the labels: where the load states give two lines, a label other than the
// table's values is the value of the line that reaches further at its point; the
// other line, the favourable bound of the states, is drawn without labels. A label stands
// at its point with one end or with its middle; at one of the three its value, to the
// picture's scale, is the ordinate of the line that reaches further there. The scale is
// read off the picture: the one that puts the most labels on a line.
TEST(DiagrammBeschriftung, EachLabelIsTheValueOfTheLineThatReachesFurther) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.diagramme.size(), 4u);
        bool zweiLinien = false;
        for (const Diagramm d : {kMomente, kQuerkraefte, kNormalkraefte}) {
            zweiLinien = zweiLinien || Linien(g.diagramme[std::size_t(d)]).size() >= 2;
        }
        // The line under the diagrams says which line the labels belong to.
        EXPECT_EQ(g.lauf.bericht.find("Beschriftet ist je Stelle der Wert gr") != std::string::npos,
                  zweiLinien);
        for (const Diagramm d : {kMomente, kQuerkraefte, kNormalkraefte}) {
            const emf::Reader& r = g.diagramme[std::size_t(d)];
            const std::optional<Stab> s = StabVon(r, g.laenge);
            ASSERT_TRUE(s);
            const std::vector<std::vector<emf::Point>> linien = Linien(r);
            const std::vector<Label> labels = Labels(r);
            if (linien.size() < 2 || labels.empty()) {
                continue;
            }
            double grossOrdinate = 0.0;
            for (const auto& linie : linien) {
                for (const emf::Point& p : linie) {
                    const double o = p.x - s->achseX;
                    grossOrdinate = std::max(grossOrdinate, std::fabs(o));
                }
            }
            const double toleranz = 0.015 * grossOrdinate + 2.0;
            const auto stellen = [](const Label& l) {
                return std::array{double(l.box.top), double(l.box.bottom),
                                  (l.box.top + l.box.bottom) / 2.0};
            };
            // Whether a label, to the scale (with its sign), stands on a line at one of its
            // places and no line reaches further throughout it.
            const auto passt = [&](const Label& l, double skala) {
                const double o = l.wert * skala;
                for (const double y : stellen(l)) {
                    bool aufEiner = false;
                    bool andereWeiter = false;
                    for (const auto& linie : linien) {
                        const auto [lo, hi] =
                            Spanne(linie, s->achseX, y - s->Toleranz(), y + s->Toleranz());
                        if (lo > hi) {
                            continue;
                        }
                        aufEiner = aufEiner || (o >= lo - toleranz && o <= hi + toleranz);
                        const double weniger =
                            lo * hi > 0.0 ? std::min(std::fabs(lo), std::fabs(hi)) : 0.0;
                        andereWeiter = andereWeiter || weniger > std::fabs(o) + toleranz;
                    }
                    if (aufEiner && !andereWeiter) {
                        return true;
                    }
                }
                return false;
            };
            // The picture's scale: of the scales that put a label on a line at one of its
            // places, the one most labels agree with.
            double skala = 0.0;
            int einig = -1;
            for (const Label& l : labels) {
                for (const double y : stellen(l)) {
                    for (const auto& linie : linien) {
                        const auto [lo, hi] = Spanne(linie, s->achseX, y, y);
                        if (lo > hi || l.wert == 0.0) {
                            continue;
                        }
                        for (const double o : {lo, hi}) {
                            const int n = static_cast<int>(
                                std::count_if(labels.begin(), labels.end(), [&](const Label& m) {
                                    return passt(m, o / l.wert);
                                }));
                            if (n > einig) {
                                einig = n;
                                skala = o / l.wert;
                            }
                        }
                    }
                }
            }
            ASSERT_NE(skala, 0.0);
            for (const Label& l : labels) {
                // A value the table prints stands at its point as printed (checked above).
                const bool tabellenwert =
                    d != kQuerkraefte &&
                    std::any_of(g.tabelle.begin(), g.tabelle.end(), [&](const Tabellenzeile& z) {
                        return (d == kMomente ? z.m : z.n) == l.text;
                    });
                // The least line's value at the foot of the wall without anchor: the sum of
                // the governing state's check of the vertical forces.
                const std::optional<double> summe =
                    ErgebnisXml(g.lauf.ergebnis).Wert({"trag", "vertikal"}, "summe");
                const bool vertikalSumme =
                    d == kNormalkraefte && !g.anker && summe && std::fabs(l.wert - *summe) < 0.006;
                if (tabellenwert || vertikalSumme) {
                    continue;
                }
                EXPECT_TRUE(passt(l, skala))
                    << "diagram " << int(d) << ": \"" << l.text
                    << "\" is no value of the line that reaches further;" << Beschreibung(r, *s);
            }
        }
    }
}

// The shear steps at the anchor by the anchor force, and both of its sides are labelled
// however the labels crowd there: a reader finds Ad as the step. By hand: Ad is the
// report's horizontal design anchor force.
TEST(DiagrammBeschriftung, TheShearStepAtTheAnchorIsLabelledOnBothSides) {
    int verankert = 0;
    for (const Gelesen& g : Berichte()) {
        const auto anker = std::find_if(g.tabelle.begin(), g.tabelle.end(),
                                        [](const Tabellenzeile& z) { return z.stelle == "Anker"; });
        if (anker == g.tabelle.end() || anker->y <= 0.0) {
            continue;
        }
        SCOPED_TRACE(g.name);
        ++verankert;
        ASSERT_EQ(g.diagramme.size(), 4u);
        const auto ad = ZahlInZelle(BerichtsZeile(g.lauf.bericht, "Ankerkraft horizontal"), 2);
        ASSERT_TRUE(ad.has_value());
        const emf::Reader& q = g.diagramme[kQuerkraefte];
        const Stab s = *StabVon(q, g.laenge);
        const AmAnker qa = AnkerLabels(q, s, anker->y);
        ASSERT_TRUE(qa.oben && qa.unten) << Beschreibung(q, s);
        EXPECT_NEAR(std::fabs(qa.unten->wert - qa.oben->wert), *ad, kRundung);
    }
    EXPECT_GE(verankert, 15);
}

// Whether the line from a to b runs through a text's box (its line height by its advance)
// where its digits stand: more than 15 % of the line height in from its long edges (the
// digits leave about a sixth of it free above and below them, and the text's own point
// stands in that margin) and 5 % from its ends, and a unit more for the rounding to the
// picture's units.
bool DurchBox(emf::Point a, emf::Point b, const emf::Rect& box) {
    const int breite = std::abs(box.right - box.left);
    const int hoehe = std::abs(box.bottom - box.top);
    const bool quer = breite < hoehe; // the text runs down the picture
    const double zeile = std::min(breite, hoehe);
    const double randX = (quer ? 0.15 : 0.05) * zeile + 1.0;
    const double randY = (quer ? 0.05 : 0.15) * zeile + 1.0;
    const double l = box.left + randX;
    const double r = box.right - randX;
    const double o = box.top + randY;
    const double u = box.bottom - randY;
    if (l >= r || o >= u) {
        return false;
    }
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    for (const auto& [p, q] : {std::pair{-dx, a.x - l}, std::pair{dx, r - a.x},
                               std::pair{-dy, a.y - o}, std::pair{dy, u - a.y}}) {
        if (p == 0.0) {
            if (q <= 0.0) {
                return false;
            }
            continue;
        }
        const double t = q / p;
        if (p < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 >= t1) {
            return false;
        }
    }
    return true;
}

// No drawn line of a diagram (its lines, their outlines, the leader lines of the labels)
// runs through a label: a number crossed by a line is misread.
TEST(DiagrammBeschriftung, NoLineRunsThroughALabel) {
    for (const Gelesen& g : Berichte()) {
        SCOPED_TRACE(g.name);
        ASSERT_EQ(g.diagramme.size(), 4u);
        for (std::size_t k = 0; k < g.diagramme.size(); ++k) {
            const emf::Reader& r = g.diagramme[k];
            std::vector<std::pair<emf::Point, emf::Point>> strecken = r.Lines();
            for (const auto& p : r.Polygons()) {
                for (std::size_t i = 0; i < p.size(); ++i) {
                    strecken.emplace_back(p[i], p[(i + 1) % p.size()]);
                }
            }
            for (const Label& l : Labels(r)) {
                const bool gekreuzt =
                    std::any_of(strecken.begin(), strecken.end(), [&](const auto& st) {
                        return DurchBox(st.first, st.second, l.box);
                    });
                EXPECT_FALSE(gekreuzt) << "diagram " << k << ": \"" << l.text << "\"";
            }
        }
    }
}

} // namespace
