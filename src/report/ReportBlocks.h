#pragma once

#include <array>

// The template blocks of the report: first string-table entry and number of lines.
// Every writer loads its blocks by these names, so the catalogue test walks exactly
// what the report reads.
struct C1TemplateBlock {
    int iAnf;
    int nZeilen;
};

namespace ReportBlocks {

inline constexpr C1TemplateBlock kModus{1, 2};
inline constexpr C1TemplateBlock kSystemUndBelastung{5, 1};
inline constexpr C1TemplateBlock kGelaendeTitel{8, 1};
inline constexpr C1TemplateBlock kGelaende{10, 11};
inline constexpr C1TemplateBlock kBodenschichten{23, 12};
inline constexpr C1TemplateBlock kBelastungTitel{48, 1};
inline constexpr C1TemplateBlock kAuflast{49, 4};
inline constexpr C1TemplateBlock kBlocklast{54, 4};
inline constexpr C1TemplateBlock kLinienlast{60, 4};
inline constexpr C1TemplateBlock kLastSeiten{64, 2};
inline constexpr C1TemplateBlock kVerdichtungHinweis{67, 1};
inline constexpr C1TemplateBlock kKopflast{68, 5};
// The older settings chapter's block. It starts inside the head-load block, so its
// lines' tags do not count its own lines: it is written line by line with each
// line's own row (C1RTFX::WriteEigeneZeile) and stays out of kAlle.
inline constexpr C1TemplateBlock kKopflastenAnsatz{69, 15};
inline constexpr C1TemplateBlock kErddruckAnsatz{76, 6};
inline constexpr C1TemplateBlock kStaendigeLasten{85, 8};
inline constexpr C1TemplateBlock kVeraenderlicheLasten{96, 4};
inline constexpr C1TemplateBlock kBeiwerte{113, 10};
inline constexpr C1TemplateBlock kBeiwerteErsatzwand{113, 8};
inline constexpr C1TemplateBlock kBerme{132, 6};
inline constexpr C1TemplateBlock kVertikaleBlocklasten{138, 5};
inline constexpr C1TemplateBlock kHorizontaleBlocklasten{144, 7};
inline constexpr C1TemplateBlock kLinienlasten{153, 5};
inline constexpr C1TemplateBlock kErsatzkraftNeigung{164, 1};
inline constexpr C1TemplateBlock kMassgebend{175, 9};
inline constexpr C1TemplateBlock kSystem{191, 15};
inline constexpr C1TemplateBlock kSystemOhneAnker{191, 13};
inline constexpr C1TemplateBlock kWasserdruck{206, 4};
inline constexpr C1TemplateBlock kDivergiert{210, 1};
// In place of the depth and what depends on it when the iteration diverged.
inline constexpr C1TemplateBlock kEinbindungDivergiert{480, 1};
// Under the soil-layer table: which unit weight each side takes.
inline constexpr C1TemplateBlock kWichteJeSeite{481, 1};
inline constexpr C1TemplateBlock kTragsicherheit{211, 13};
inline constexpr C1TemplateBlock kProfil{211, 14};
inline constexpr C1TemplateBlock kErdwiderlager{225, 9};
inline constexpr C1TemplateBlock kSchnittgroessen{235, 1};
inline constexpr C1TemplateBlock kVertikalkraefte{236, 1};
inline constexpr C1TemplateBlock kEinwirkungen{247, 1};
inline constexpr C1TemplateBlock kMaterialversagen{268, 14};
inline constexpr C1TemplateBlock kRundstahlanker{285, 9};
inline constexpr C1TemplateBlock kErsatzwand{297, 1};
inline constexpr C1TemplateBlock kHerausziehen{301, 11};
inline constexpr C1TemplateBlock kBeanspruchungen{315, 1};
inline constexpr C1TemplateBlock kVertikalkomponente{333, 1};
inline constexpr C1TemplateBlock kTiefeGleitfuge{347, 7};
inline constexpr C1TemplateBlock kGleitkoerperKraefte{357, 12};
inline constexpr C1TemplateBlock kKombinationen{375, 4};
inline constexpr C1TemplateBlock kAnkerkraft{382, 17};
inline constexpr C1TemplateBlock kVerdichtungTitel{408, 1};
inline constexpr C1TemplateBlock kVerdichtung{408, 6};
inline constexpr C1TemplateBlock kVerdichtungTabelle{415, 3};
inline constexpr C1TemplateBlock kNorm{421, 3};
// The rows of the vertical-force check of either wall in its governing load state.
inline constexpr C1TemplateBlock kVertikalnachweis{436, 10};
// A load state the wall cannot stand in.
inline constexpr C1TemplateBlock kUngueltigerZustand{454, 1};
inline constexpr C1TemplateBlock kProfilUrteil{470, 2};
inline constexpr C1TemplateBlock kLastzustand{472, 5};
// The earth-support rows of the layers' larger-of share and the marks that point to them.
inline constexpr C1TemplateBlock kErdwiderlagerVerkehr{490, 5};
// A checked depth: the system computed, the input's, the verdict and the depths' meaning.
inline constexpr C1TemplateBlock kNachweisTiefe{500, 12};
// The load states a report names, each with its load cases and factors.
inline constexpr C1TemplateBlock kLastzustaende{520, 7};
// What the diagrams of internal forces label where the load states give two lines.
inline constexpr C1TemplateBlock kSchnittgroessenLinien{540, 1};

inline constexpr std::array kAlle = {kModus,
                                     kSystemUndBelastung,
                                     kGelaendeTitel,
                                     kGelaende,
                                     kBodenschichten,
                                     kBelastungTitel,
                                     kAuflast,
                                     kBlocklast,
                                     kLinienlast,
                                     kLastSeiten,
                                     kVerdichtungHinweis,
                                     kKopflast,
                                     kErddruckAnsatz,
                                     kStaendigeLasten,
                                     kVeraenderlicheLasten,
                                     kBeiwerte,
                                     kBeiwerteErsatzwand,
                                     kBerme,
                                     kVertikaleBlocklasten,
                                     kHorizontaleBlocklasten,
                                     kLinienlasten,
                                     kErsatzkraftNeigung,
                                     kMassgebend,
                                     kSystem,
                                     kSystemOhneAnker,
                                     kWasserdruck,
                                     kDivergiert,
                                     kEinbindungDivergiert,
                                     kWichteJeSeite,
                                     kTragsicherheit,
                                     kProfil,
                                     kErdwiderlager,
                                     kSchnittgroessen,
                                     kVertikalkraefte,
                                     kEinwirkungen,
                                     kMaterialversagen,
                                     kRundstahlanker,
                                     kErsatzwand,
                                     kHerausziehen,
                                     kBeanspruchungen,
                                     kVertikalkomponente,
                                     kTiefeGleitfuge,
                                     kGleitkoerperKraefte,
                                     kKombinationen,
                                     kAnkerkraft,
                                     kVerdichtungTitel,
                                     kVerdichtung,
                                     kVerdichtungTabelle,
                                     kNorm,
                                     kVertikalnachweis,
                                     kUngueltigerZustand,
                                     kProfilUrteil,
                                     kLastzustand,
                                     kErdwiderlagerVerkehr,
                                     kNachweisTiefe,
                                     kLastzustaende,
                                     kSchnittgroessenLinien};

} // namespace ReportBlocks
