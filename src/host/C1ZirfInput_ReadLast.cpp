// Readers of the loads (last) and the actions (einw), and the collection of the
// surcharge load-case numbers.

#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr const char* kModuleLast = "C1ZirfInput::ReadLast";

// `art` of a `last` group.
constexpr int kArtKopflast = 0;
constexpr int kArtFlaechenlast = 1;
constexpr int kArtBlocklast = 2;
constexpr int kArtLinienlast = 3;

// Distinct load-case numbers of a surcharge table in order of first appearance.
void Collect(const std::array<C1ZirfInput::SFlaechenlast, C1ZirfInput::kMaxFlaechenlast>& table,
             int count, std::array<int, C1ZirfInput::kMaxLfFlaeche>& lf, int& nLf,
             const char* what) {
    nLf = 0;
    lf.fill(0);
    for (int i = 0; i < count; ++i) {
        const int number = table.at(static_cast<std::size_t>(i)).lf;
        const auto known = lf.begin() + nLf;
        if (std::find(lf.begin(), known, number) != known) {
            continue;
        }
        zirf_input::CheckTableLimit(nLf, C1ZirfInput::kMaxLfFlaeche, "last", what,
                                    "C1ZirfInput::CollectLastfaelle");
        lf.at(static_cast<std::size_t>(nLf)) = number;
        ++nLf;
    }
}

// The part that every load group shares, read into a new record: the table's limit is
// checked first, then the load case, the name and the listed values are read. The
// caller adds what is its own kind's and stores the record.
template <class Last>
Last ReadLastRecord(const zirf_input::Element& gruppe, int anzahl, int limit, const char* what,
                    std::initializer_list<zirf_input::Attr<Last, double>> werte) {
    zirf_input::CheckTableLimit(anzahl, limit, "last", what, kModuleLast);
    Last last;
    last.lf = gruppe.Int("lf");
    last.bez = zirf_input::ReadText(gruppe.Handle(), "bez", C1ZirfInput::kLenBez);
    gruppe.Doubles<Last>(last, werte);
    return last;
}

} // namespace

void C1ZirfInput::ReadKopflast(const zirf_input::Element& gruppe) {
    SKopflast k = ReadLastRecord<SKopflast>(
        gruppe, nKopflast, kMaxKopflast, "Kopflasten ('gruppe' mit art 0)",
        {{"v", &SKopflast::v}, {"h", &SKopflast::h}, {"m", &SKopflast::m}});
    k.stelle = gruppe.Int("stelle");
    // Head loads count by magnitude; the other kinds by their signed values.
    maxLast = std::max({maxLast, std::fabs(k.v), std::fabs(k.h)});
    kopflast.at(static_cast<std::size_t>(nKopflast)) = k;
    ++nKopflast;
}

void C1ZirfInput::ReadFlaechenlast(const zirf_input::Element& gruppe) {
    const SFlaechenlast f = ReadLastRecord<SFlaechenlast>(gruppe, nFlaechenlast, kMaxFlaechenlast,
                                                          "Flächenlasten ('gruppe' mit art 1)",
                                                          {{"v", &SFlaechenlast::v}});
    maxLast = std::max(maxLast, f.v);
    flaechenlast.at(static_cast<std::size_t>(nFlaechenlast)) = f;
    ++nFlaechenlast;
}

void C1ZirfInput::ReadBlocklast(const zirf_input::Element& gruppe) {
    const SBlocklast b = ReadLastRecord<SBlocklast>(gruppe, nBlocklast, kMaxBlocklast,
                                                    "Blocklasten ('gruppe' mit art 2)",
                                                    {{"v", &SBlocklast::v},
                                                     {"h", &SBlocklast::h},
                                                     {"x", &SBlocklast::x},
                                                     {"b", &SBlocklast::b},
                                                     {"y", &SBlocklast::y}});
    maxLast = std::max({maxLast, b.v, b.h});
    const auto i = static_cast<std::size_t>(nBlocklast);
    blockArt.at(i) = kArtBlocklast;
    blocklast.at(i) = b;
    ++nBlocklast;
}

void C1ZirfInput::ReadLinienlast(const zirf_input::Element& gruppe) {
    const SLinienlast l = ReadLastRecord<SLinienlast>(gruppe, nLinienlast, kMaxLinienlast,
                                                      "Linienlasten ('gruppe' mit art 3)",
                                                      {{"m", &SLinienlast::m},
                                                       {"v", &SLinienlast::v},
                                                       {"h", &SLinienlast::h},
                                                       {"x", &SLinienlast::x},
                                                       {"y", &SLinienlast::y}});
    maxLast = std::max({maxLast, l.v, l.h, l.m});
    linienlast.at(static_cast<std::size_t>(nLinienlast)) = l;
    ++nLinienlast;
}

int C1ZirfInput::ReadLast() {
    // The counts start afresh whether or not the section is there.
    maxLast = 0.0;
    nFlaechenlastVorn = 0;
    nFlaechenlast = 0;
    nBlocklast = 0;
    nLinienlast = 0;
    nKopflast = 0;
    lastZusatz.fill(0.0);

    const QEDOM_HANDLE last = FindSection("last");
    if (last == 0) {
        return 0;
    }
    for (QEDOM_HANDLE handle = QEDOM_FindFirstChild(last, "gruppe"); handle != 0;
         handle = QEDOM_FindNextChild(handle, "gruppe")) {
        // The messages name a group by its kind and its name.
        const zirf_input::Element gruppe(handle, "last gruppe", zahlen,
                                         " art " + std::to_string(QEDOM_GetInt(handle, "art")) +
                                             " (\"" + zirf_input::ReadText(handle, "bez", kLenBez) +
                                             "\")");
        switch (gruppe.Int("art")) {
        case kArtKopflast:
            ReadKopflast(gruppe);
            break;
        case kArtFlaechenlast:
            ReadFlaechenlast(gruppe);
            break;
        case kArtBlocklast:
            ReadBlocklast(gruppe);
            break;
        case kArtLinienlast:
            ReadLinienlast(gruppe);
            break;
        default:
            break; // no load of this system
        }
    }
    return 1;
}

int C1ZirfInput::ReadEinw() {
    const QEDOM_HANDLE einw = FindSection("einw");
    if (einw == 0) {
        return 0;
    }
    int count = 0;
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(einw, "einwirkung"); e != 0;
         e = QEDOM_FindNextChild(e, "einwirkung")) {
        zirf_input::CheckTableLimit(count, kMaxEinwirkung, "einw", "Einwirkungen ('einwirkung')",
                                    "C1ZirfInput::ReadEinw");
        const zirf_input::Element element(e, "einw einwirkung", zahlen,
                                          " Nr. " + std::to_string(count + 1));
        SEinwirkung& a = einwirkung.at(static_cast<std::size_t>(count));
        element.Ints<SEinwirkung>(a, {{"nr", &SEinwirkung::nr}, {"art", &SEinwirkung::art}});
        element.Doubles<SEinwirkung>(a, {{"psi0", &SEinwirkung::psi0},
                                         {"psi1", &SEinwirkung::psi1},
                                         {"psi2", &SEinwirkung::psi2}});
        ++count;
    }
    return count;
}

int C1ZirfInput::CollectLastfaelle() {
    Collect(flaechenlast, nFlaechenlast, lfFlaeche, nLfFlaeche,
            "Lastfallnummern der Flächenlasten");
    Collect(flaechenlastVorn, nFlaechenlastVorn, lfFlaecheVorn, nLfFlaecheVorn,
            "Lastfallnummern der Flächenlasten vor der Wand");
    return 1;
}
