// The checks of the anchor: stability in the deep slip line, material failure and
// pull-out, with their result elements under `tgf`.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"
#include "report/C1ErgebnisBaum.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"
#include "report/ReportPruefung.h"
#include "report/ReportSicht.h"

#include <algorithm>
#include <cmath>

namespace {

// Rows of the slip body by their string-table entry.
constexpr int kGleitkoerper = 348;
constexpr int kFusspunkt = 349;
constexpr int kAbstandErsatzwand = 350;
constexpr int kTiefpunkt = 351;
constexpr int kTrennfuge = 352;
constexpr int kGleitwinkel = 353;
constexpr int kKraefteTitel = 357;
constexpr int kEahWand = 358;
constexpr int kEavWand = 359;
constexpr int kE1gh = 360;
constexpr int kE1qh = 361;
constexpr int kGewichtErstes = 362;
constexpr int kKohaesionErstes = 363;
constexpr int kKohaesionHorizontal = 364;
constexpr int kReibungErstes = 365;
constexpr int kGewicht = 366;
constexpr int kKohaesion = 367;
constexpr int kReibung = 368;
// Rows of the anchor force check.
constexpr int kAnkerkraftTitel = 398;
constexpr int kNachweisformat = 382;
constexpr int kAgd = 385;
constexpr int kAqd = 388;
constexpr int kAGgErfuellt = 389;
constexpr int kAGgNicht = 390;
// Decimals of the utilisations the verdict rows print (@F.FFF).
constexpr int kStellenAusnutzung = 3;
constexpr int kAGqErfuellt = 391;
constexpr int kAGqNicht = 392;
constexpr int kAmgk = 393;
constexpr int kGammaEp = 394;
constexpr int kAmgd = 395;
constexpr int kAmqk = 396;
constexpr int kAmqd = 397;
// Rows of the material check.
constexpr int kMaterialTitel = 268;
constexpr int kMaterialFormat = 269;
constexpr int kVerpressanker = 270;
constexpr int kRundstahlanker = 271;
constexpr int kAd = 272;
constexpr int kAnkerabstand = 273;
constexpr int kEd = 274;
constexpr int kAs = 275;
constexpr int kFt01k = 276;
constexpr int kGammaM = 277;
constexpr int kBezeichnung = 278;
constexpr int kRmd = 279;
constexpr int kMaterialErfuellt = 280;
constexpr int kMaterialNicht = 281;
constexpr int kASchaft = 285;
constexpr int kAKern = 286;
constexpr int kFyk = 287;
constexpr int kFuak = 288;
constexpr int kGammaM0 = 289;
constexpr int kGammaMb = 290;
constexpr int kKt = 291;
constexpr int kFtgRd = 292;
constexpr int kFttRd = 293;
// Rows of the pull-out check.
constexpr int kHerausziehenTitel = 301;
constexpr int kQsk = 302;
constexpr int kDv = 303;
constexpr int kLvMin = 304;
constexpr int kLvReicht = 305;
constexpr int kLvZuKurz = 306;
constexpr int kAdAnker = 307;
constexpr int kTk = 308;
constexpr int kTd = 309;
constexpr int kHerausziehenErfuellt = 310;
constexpr int kHerausziehenNicht = 311;

constexpr int kVerpressankerTyp = 0;
// cm² times N/mm² to kN.
constexpr double kKnJeCm2Nmm2 = 10.0;

constexpr const char* kTgf = "tgf";

// The segment's row: the labelled first row for the first segment, else the plain one.
int Segmentzeile(int i, int erste, int weitere) {
    return i == 0 ? erste : weitere;
}

// Checked access to a value of segment i.
double Segment(const std::array<double, ReportSicht::TiefeGleitfuge::kMaxSegmente>& werte, int i) {
    return werte.at(static_cast<std::size_t>(i));
}

} // namespace

int C1ZirfReport::WriteAnkerkraft(const ReportSicht::TiefeGleitfuge& tgf) {
    C1RTFX& rtf = *pRTF;
    const C1ZirfCalc& calc = *pCalc;
    if (tgf.nSegmente < 0 || tgf.nSegmente > ReportSicht::TiefeGleitfuge::kMaxSegmente) {
        throw C1Exception("Nachweis in der tiefen Gleitfuge: " + std::to_string(tgf.nSegmente) +
                              " Segmente (höchstens " +
                              std::to_string(ReportSicht::TiefeGleitfuge::kMaxSegmente) + ")",
                          "C1ZirfReport::WriteAnkerkraft");
    }
    rtf.ReadTemplate(ReportBlocks::kTiefeGleitfuge);
    rtf.WriteEintrag(kGleitkoerper);
    rtf.WriteEintrag(kFusspunkt, {tgf.yF});
    rtf.WriteEintrag(kAbstandErsatzwand, {tgf.xD});
    rtf.WriteEintrag(kTiefpunkt, {tgf.yD});
    for (int i = 0; i + 1 < tgf.nSegmente; ++i) {
        rtf.WriteEintrag(kTrennfuge, {i + 1, Segment(tgf.xSegment, i)});
    }
    rtf.WriteEintrag(kGleitwinkel, {tgf.thetaGleit * calc.GradFaktor});
    rtf.EndRow();

    rtf.ReadTemplate(ReportBlocks::kGleitkoerperKraefte);
    rtf.WriteEintrag(kKraefteTitel);
    rtf.WriteEintrag(kEahWand, {tgf.Eah_kWand});
    rtf.WriteEintrag(kEavWand, {tgf.Eav_kWand});
    rtf.WriteEintrag(kE1gh, {tgf.E1gh_k});
    rtf.WriteEintrag(kE1qh, {tgf.E1qh_k});
    for (int i = 0; i < tgf.nSegmente; ++i) {
        rtf.WriteEintrag(Segmentzeile(i, kGewichtErstes, kGewicht),
                         {i + 1, Segment(tgf.GkSegment, i)});
    }
    for (int i = 0; i < tgf.nSegmente; ++i) {
        const double cvk = Segment(tgf.CvkSegment, i);
        if (cvk > 0.0) {
            rtf.WriteEintrag(Segmentzeile(i, kKohaesionErstes, kKohaesion), {i + 1, cvk});
            rtf.WriteEintrag(kKohaesionHorizontal, {i + 1, cvk / std::tan(tgf.thetaGleit)});
        }
    }
    for (int i = 0; i < tgf.nSegmente; ++i) {
        rtf.WriteEintrag(Segmentzeile(i, kReibungErstes, kReibung),
                         {i + 1, Segment(tgf.QhkSegment, i)});
    }
    rtf.EndRow();

    const C1ErgebnisBaum baum(pInput->hRoot);
    const C1ErgebnisBaum::Pfad ankerkraft = {kTgf, "ankerkraft"};
    rtf.ReadTemplate(ReportBlocks::kAnkerkraft);
    rtf.WriteEintrag(kAnkerkraftTitel);
    rtf.WriteEintrag(kNachweisformat);
    rtf.WriteEintrag(kAgd, {tgf.Ag_d});
    rtf.WriteEintrag(kAmgk, {tgf.Amg_k});
    rtf.WriteEintrag(kGammaEp, {tgf.gammaEp});
    rtf.WriteEintrag(kAmgd, {tgf.Amg_d});
    const std::optional<double> agg = Ausnutzung(tgf.Ag_d, tgf.Amg_d);
    WriteAusnutzung(rtf,
                    EingehaltenWieAusnutzung(tgf.Ag_d, tgf.Amg_d, kStellenAusnutzung) ? kAGgErfuellt
                                                                                      : kAGgNicht,
                    agg);
    rtf.WriteBlankCells(1);
    baum.SetText(ankerkraft, "lastzustand", ReportSicht::ZustandAd(*pCalc));
    baum.SetWert(ankerkraft, "agd", Endlich(tgf.Ag_d));
    baum.SetWert(ankerkraft, "amgd", Endlich(tgf.Amg_d));
    baum.SetWert(ankerkraft, "ausnutzung_g", agg);

    rtf.WriteEintrag(kAqd, {tgf.Aq_d});
    rtf.WriteEintrag(kAmqk, {tgf.Amq_k});
    rtf.WriteEintrag(kAmqd, {tgf.Amq_d});
    const std::optional<double> agq = Ausnutzung(tgf.Aq_d, tgf.Amq_d);
    WriteAusnutzung(rtf,
                    EingehaltenWieAusnutzung(tgf.Aq_d, tgf.Amq_d, kStellenAusnutzung) ? kAGqErfuellt
                                                                                      : kAGqNicht,
                    agq);
    rtf.EndRow();
    baum.SetWert(ankerkraft, "aqd", Endlich(tgf.Aq_d));
    baum.SetWert(ankerkraft, "amqd", Endlich(tgf.Amq_d));
    baum.SetWert(ankerkraft, "ausnutzung_q", agq);
    return 1;
}

int C1ZirfReport::WriteMaterialversagen(const ReportSicht::TiefeGleitfuge& tgf) {
    const C1ZirfInput& in = *pInput;
    C1RTFX& rtf = *pRTF;
    const bool verpressanker = in.typ == kVerpressankerTyp;
    // The resistance divides the action; it is built from these.
    if (verpressanker) {
        PruefePositiv(in.as_min, "mate/anker", "as_min");
        PruefePositiv(in.ft01k, "mate/anker", "ft01k");
        PruefePositiv(in.gamma_m, "mate/anker", "gamma_m");
    } else {
        PruefePositiv(in.a_schaft, "mate/anker", "a_schaft");
        PruefePositiv(in.fyk, "mate/anker", "fyk");
        PruefePositiv(in.gamma_m0, "mate/anker", "gamma_m0");
        PruefePositiv(in.a_kern, "mate/anker", "a_kern");
        PruefePositiv(in.fuak, "mate/anker", "fuak");
        PruefePositiv(in.gamma_mb, "mate/anker", "gamma_mb");
        PruefePositiv(in.kt, "mate/anker", "kt");
    }

    rtf.ReadTemplate(ReportBlocks::kMaterialversagen);
    rtf.WriteEintrag(kMaterialTitel);
    rtf.WriteEintrag(kMaterialFormat);
    rtf.WriteEintrag(verpressanker ? kVerpressanker : kRundstahlanker);
    rtf.WriteEintrag(kBezeichnung, {in.ankerName});
    // The axial anchor force, the basis of the deep slip line check.
    const double ad = std::max(tgf.Ag_d, tgf.Aq_d);
    rtf.WriteEintrag(kAd, {ad});
    rtf.WriteEintrag(kAnkerabstand, {in.ankerabstand});
    const double ed = ad * in.ankerabstand;
    rtf.WriteEintrag(kEd, {ed});
    double rmd = 0.0;
    if (verpressanker) {
        rtf.WriteEintrag(kAs, {in.as_min});
        rtf.WriteEintrag(kFt01k, {in.ft01k});
        rtf.WriteEintrag(kGammaM, {in.gamma_m});
        rmd = in.as_min * in.ft01k / (kKnJeCm2Nmm2 * in.gamma_m);
    } else {
        rtf.ReadTemplate(ReportBlocks::kRundstahlanker);
        const double ftgRd = in.a_schaft * in.fyk / (kKnJeCm2Nmm2 * in.gamma_m0);
        const double fttRd = in.kt * in.a_kern * in.fuak / (kKnJeCm2Nmm2 * in.gamma_mb);
        rtf.WriteEintrag(kASchaft, {in.a_schaft});
        rtf.WriteEintrag(kFyk, {in.fyk});
        rtf.WriteEintrag(kGammaM0, {in.gamma_m0});
        rtf.WriteEintrag(kFtgRd, {ftgRd});
        rtf.WriteEintrag(kAKern, {in.a_kern});
        rtf.WriteEintrag(kFuak, {in.fuak});
        rtf.WriteEintrag(kGammaMb, {in.gamma_mb});
        rtf.WriteEintrag(kKt, {in.kt});
        rtf.WriteEintrag(kFttRd, {fttRd});
        rmd = std::min(ftgRd, fttRd);
        rtf.ReadTemplate(ReportBlocks::kMaterialversagen);
    }
    rtf.WriteEintrag(kRmd, {rmd});
    const std::optional<double> ag = Ausnutzung(ed, rmd);
    WriteAusnutzung(rtf,
                    EingehaltenWieAusnutzung(ed, rmd, kStellenAusnutzung) ? kMaterialErfuellt
                                                                          : kMaterialNicht,
                    ag);
    rtf.EndRow();

    const C1ErgebnisBaum baum(in.hRoot);
    const C1ErgebnisBaum::Pfad material = {kTgf, "materialversagen"};
    baum.SetText(material, "lastzustand", ReportSicht::ZustandAd(*pCalc));
    baum.SetWert(material, "ed", Endlich(ed));
    baum.SetWert(material, "rmd", Endlich(rmd));
    baum.SetWert(material, "ausnutzung", ag);
    return 1;
}

int C1ZirfReport::WriteHerausziehen(const ReportSicht::TiefeGleitfuge& tgf) {
    const C1ZirfInput& in = *pInput;
    C1RTFX& rtf = *pRTF;
    rtf.ReadTemplate(ReportBlocks::kHerausziehen);
    rtf.WriteEintrag(kHerausziehenTitel);
    if (in.typ == kVerpressankerTyp) {
        rtf.WriteEintrag(kQsk, {in.qsk});
        rtf.WriteEintrag(kDv, {in.d_vk});
        rtf.WriteEintrag(kLvMin, {tgf.lv_min});
        const bool reicht = SindZahlen({tgf.lv_min}) && in.lv >= tgf.lv_min;
        rtf.WriteEintrag(reicht ? kLvReicht : kLvZuKurz, {in.lv});
    }
    rtf.WriteEintrag(kAdAnker, {tgf.AdAnker});
    rtf.WriteEintrag(kTk, {tgf.Td * tgf.gammaEp});
    rtf.WriteEintrag(kTd, {tgf.Td});
    const std::optional<double> ag = Ausnutzung(tgf.AdAnker, tgf.Td);
    // The verdict follows the resistance, not the rounded utilisation.
    const bool haelt = SindZahlen({tgf.Td, tgf.AdAnker}) && tgf.Td >= tgf.AdAnker;
    WriteAusnutzung(rtf, haelt ? kHerausziehenErfuellt : kHerausziehenNicht, ag);
    rtf.EndRow();

    const C1ErgebnisBaum baum(in.hRoot);
    const C1ErgebnisBaum::Pfad herausziehen = {kTgf, "herausziehen"};
    baum.SetText(herausziehen, "lastzustand", ReportSicht::ZustandAd(*pCalc));
    baum.SetWert(herausziehen, "ad", Endlich(tgf.AdAnker));
    baum.SetWert(herausziehen, "td", Endlich(tgf.Td));
    baum.SetWert(herausziehen, "ausnutzung", ag);
    return 1;
}

namespace {

// The deep slip line check of the run; a requested anchor chapter without it is an
// error, never a table of numbers that were not computed.
ReportSicht::TiefeGleitfuge GleitfugeDesLaufs(const C1ZirfCalc& calc, const char* kapitel) {
    const std::optional<ReportSicht::TiefeGleitfuge> tgf = ReportSicht::Gleitfuge(calc);
    if (!tgf) {
        throw C1Exception("Der Nachweis in der tiefen Gleitfuge ist nicht berechnet.", kapitel);
    }
    return *tgf;
}

} // namespace

int C1ZirfReport::WriteAnkerkraft() {
    return WriteAnkerkraft(GleitfugeDesLaufs(*pCalc, "C1ZirfReport::WriteAnkerkraft"));
}

int C1ZirfReport::WriteMaterialversagen() {
    return WriteMaterialversagen(GleitfugeDesLaufs(*pCalc, "C1ZirfReport::WriteMaterialversagen"));
}

int C1ZirfReport::WriteHerausziehen() {
    return WriteHerausziehen(GleitfugeDesLaufs(*pCalc, "C1ZirfReport::WriteHerausziehen"));
}
