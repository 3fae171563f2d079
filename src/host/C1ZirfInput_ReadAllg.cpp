// Readers of the document's head and of the general sections: info, input, allg, steu,
// teil and ausg.

#include "host/C1QEL.h"
#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"
#include "report/C1RTFX.h"

#include <limits>
#include <string>
#include <utility>

namespace {

// `norm` values with a design-code kind of their own; every other value gives norm + 2.
constexpr int kNormDin1054 = 7;
constexpr int kNormEc7 = 8;
constexpr int kNormEc7NationalerAnhang = 31;
constexpr int kNormKindDin1054 = 1;
constexpr int kNormKindEc7 = 2;
constexpr int kNormKindNationalerAnhang = 3; // plus `laendercode`

// A kind past the int range has no code line, as every kind but 1 to 3.
constexpr int kNormKindOhneZeile = 0;

int NormKind(int norm, int laendercode) {
    long long kind = 0;
    switch (norm) {
    case kNormDin1054:
        return kNormKindDin1054;
    case kNormEc7:
        return kNormKindEc7;
    case kNormEc7NationalerAnhang:
        kind = static_cast<long long>(kNormKindNationalerAnhang) + laendercode;
        break;
    default:
        kind = static_cast<long long>(norm) + 2;
        break;
    }
    return kind > std::numeric_limits<int>::max() ? kNormKindOhneZeile : static_cast<int>(kind);
}

// `nwwand` 2 mobilises the earth resistance in a way that needs the redistribution
// switch `kumlag`.
constexpr int kNwwandKumlag = 2;

} // namespace

int C1ZirfInput::ReadInfo() {
    if (pQEL == nullptr) {
        throw C1Exception("xml-Eingabedatei nicht vorhanden");
    }
    if (pQEL->hDoc == 0) {
        pQEL->FatalError("xml-Eingabedatei nicht vorhanden");
    }
    hRoot = QEDOM_GetRootElement(pQEL->hDoc);
    if (hRoot == 0) {
        pQEL->FatalError("In xml-Eingabedatei root-Knoten nicht vorhanden");
    }
    // The report's head holds the names; one too long is refused before the calculation.
    for (const auto& [attribut, wo] : {std::pair{"progname", C1RTFX::kWoProgname},
                                       std::pair{"modulename", C1RTFX::kWoModulename}}) {
        const std::string fehler = C1RTFX::KopfFeldZuLang(zirf_input::ReadString(hRoot, attribut),
                                                          wo, C1RTFX::kMaxNameZeichen);
        if (!fehler.empty()) {
            pQEL->FatalError(fehler);
        }
    }
    hInput = QEDOM_FindFirstChild(hRoot, "info");
    if (hInput != 0) {
        const zirf_input::Element info(hInput, "info", zahlen);
        const int norm = info.Int("norm");
        normKind = NormKind(norm, info.Int("laendercode"));
    }
    hInput = QEDOM_FindFirstChild(hRoot, "input");
    if (hInput == 0) {
        pQEL->FatalError("In xml-Eingabedatei input-Knoten nicht vorhanden");
    }
    freeText = zirf_input::ReadText(hInput, "freeText", kLenFreeText);
    nPage = zirf_input::Element(hInput, "input", zahlen).Int("nPage");
    return 1;
}

int C1ZirfInput::ReadAllg() {
    const QEDOM_HANDLE allg = FindSection("allg");
    if (allg == 0) {
        return 0;
    }
    freeText = zirf_input::ReadText(allg, "allgtext", kLenFreeText);
    nPage = zirf_input::Element(allg, "allg", zahlen).Int("nrseite");
    return 1;
}

int C1ZirfInput::ReadSteu() {
    static constexpr const char* kModule = "C1ZirfInput::ReadSteu";
    const QEDOM_HANDLE handle = FindSection("steu");
    if (handle == 0) {
        return 0;
    }
    const zirf_input::Element steu(handle, "steu", zahlen);
    steu.Ints<C1ZirfInput>(
        *this, {{"skizze2d", &C1ZirfInput::skizze2d}, {"skizze3d", &C1ZirfInput::skizze3d}});
    skizze2d_datei = zirf_input::ReadString(handle, "skizze2d_datei");
    skizze3d_datei = zirf_input::ReadString(handle, "skizze3d_datei");
    steu.Ints<C1ZirfInput>(*this, {{"berart", &C1ZirfInput::berart},
                                   {"system", &C1ZirfInput::system},
                                   {"nwstand", &C1ZirfInput::nwstand},
                                   {"nwwand", &C1ZirfInput::nwwand},
                                   {"kumlag", &C1ZirfInput::kumlag},
                                   {"druck_nach", &C1ZirfInput::druck_nach},
                                   {"druck_bau", &C1ZirfInput::druck_bau}});

    // The attribute counts design situations from 0 and indexes the partial-factor
    // table: a value outside it would select factors that do not exist.
    const int situation = steu.Int("lastfall");
    if (situation < kMinLastfallAttribut || situation > kMaxLastfallAttribut) {
        throw C1Exception(
            "xml-Eingabedatei, Element 'steu': Attribut 'lastfall' = " + std::to_string(situation) +
                " liegt nicht zwischen " + std::to_string(kMinLastfallAttribut) + " und " +
                std::to_string(kMaxLastfallAttribut),
            kModule);
    }
    lastfall = situation + 1;

    erhstand = steu.Truncated("erhstand", kModule);
    erhwand = steu.Truncated("erhwand", kModule);
    if (nwwand == kNwwandKumlag) {
        kumlag = 1;
    }
    // Compaction values; `bome` reads them again and wins.
    steu.Ints<C1ZirfInput>(*this,
                           {{"mitverd", &C1ZirfInput::mitverd}, {"geraet", &C1ZirfInput::geraet}});
    steu.Doubles<C1ZirfInput>(
        *this, {{"bp", &C1ZirfInput::bp}, {"eg", &C1ZirfInput::eg}, {"zk", &C1ZirfInput::zk}});
    return 1;
}

int C1ZirfInput::ReadTeil() {
    const QEDOM_HANDLE handle = FindSection("teil");
    if (handle == 0) {
        return 0;
    }
    const zirf_input::Element teil(handle, "teil", zahlen);
    struct Kind {
        int art;
        const char* prefix;
    };
    static constexpr Kind kKinds[] = {{Teilsicherheitsbeiwerte::gep, "gep"},
                                      {Teilsicherheitsbeiwerte::ggr, "ggr"},
                                      {Teilsicherheitsbeiwerte::ggl, "ggl"}};
    for (const Kind& kind : kKinds) {
        for (int situation = 1; situation <= Teilsicherheitsbeiwerte::kAnzahlSituationen;
             ++situation) {
            const std::string name = kind.prefix + std::to_string(situation);
            teilsicherheit.Set(kind.art, situation, teil.Double(name.c_str()));
        }
    }
    return 1;
}

int C1ZirfInput::ReadAusg() {
    const QEDOM_HANDLE handle = FindSection("ausg");
    if (handle == 0) {
        return 0;
    }
    const zirf_input::Element ausg(handle, "ausg", zahlen);
    ausg.Ints<C1ZirfInput>(*this,
                           {{"txt_eingabe", &C1ZirfInput::txt_eingabe},
                            {"txt_teilsicherheit", &C1ZirfInput::txt_teilsicherheit},
                            {"txt_druck_beiwerte", &C1ZirfInput::txt_druck_beiwerte},
                            {"txt_druck_ordinaten", &C1ZirfInput::txt_druck_ordinaten},
                            {"txt_wasserdruck", &C1ZirfInput::txt_wasserdruck},
                            {"txt_tragnachweise", &C1ZirfInput::txt_tragnachweise},
                            {"txt_profilwahl", &C1ZirfInput::txt_profilwahl},
                            {"alle_lastfaelle", &C1ZirfInput::alle_lastfaelle},
                            {"relevante_lastfaelle", &C1ZirfInput::relevante_lastfaelle},
                            {"txt_tgf_druck_beiwerte", &C1ZirfInput::txt_tgf_druck_beiwerte},
                            {"txt_tgf_druck_ordinaten", &C1ZirfInput::txt_tgf_druck_ordinaten},
                            {"txt_tgf_materialversagen", &C1ZirfInput::txt_tgf_materialversagen},
                            {"txt_tgf_herausziehen", &C1ZirfInput::txt_tgf_herausziehen},
                            {"txt_tgf_ankerkraft", &C1ZirfInput::txt_tgf_ankerkraft},
                            {"grafik_tgf_darstellung", &C1ZirfInput::grafik_tgf_darstellung}});
    static constexpr const char* kGrafik[kMaxGrafik] = {"grafik_system", "grafik_druck_beanspr",
                                                        "grafik_schnittgroessen"};
    for (std::size_t i = 0; i < grafik.size(); ++i) {
        grafik.at(i) = ausg.Int(kGrafik[i]);
        grafikDatei.at(i) = 0;
    }
    return 1;
}
