// Reader of the material section mate: profile, structural steel and anchor.

#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"

#include <initializer_list>
#include <string>

namespace {

using Property = zirf_input::Attr<C1ZirfInput, double>;

// Walks the `Eigenschaft` children of an `objekt` and sets the member named by each
// child's `Kurzname` from its `Wert01`. Names compare exactly, case included; other
// names are skipped.
void ReadEigenschaften(const zirf_input::Element& objekt, C1ZirfInput& input,
                       std::initializer_list<Property> properties) {
    for (QEDOM_HANDLE e = QEDOM_FindFirstChild(objekt.Handle(), "Eigenschaft"); e != 0;
         e = QEDOM_FindNextChild(e, "Eigenschaft")) {
        const std::string kurzname = zirf_input::ReadText(e, "Kurzname", C1ZirfInput::kLenKurzname);
        for (const Property& p : properties) {
            if (kurzname == p.name) {
                input.*(p.member) = objekt.Eigenschaft(e, kurzname);
            }
        }
    }
}

} // namespace

int C1ZirfInput::ReadMate() {
    const QEDOM_HANDLE mate = FindSection("mate");
    if (mate == 0) {
        return 0;
    }
    // Missing sub-elements reach the lookups as element 0, which reads as empty.
    const zirf_input::Element profil(
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(mate, "profil"), "objekt"), "mate profil",
        zahlen);
    profilName = zirf_input::ReadText(profil.Handle(), "Name", kLenProfilName);
    ReadEigenschaften(profil, *this,
                      {{"wely", &C1ZirfInput::wely},
                       {"g", &C1ZirfInput::g},
                       {"A", &C1ZirfInput::A},
                       {"Iy", &C1ZirfInput::Iy}});

    const zirf_input::Element stahl(
        QEDOM_FindFirstChild(QEDOM_FindFirstChild(mate, "baustahl"), "objekt"), "mate baustahl",
        zahlen);
    stahlName = zirf_input::ReadText(stahl.Handle(), "Name", kLenStahlName);
    ReadEigenschaften(stahl, *this,
                      {{"E", &C1ZirfInput::E},
                       {"fyk", &C1ZirfInput::stahl_fyk},
                       {"gamma_m", &C1ZirfInput::stahl_gamma_m},
                       {"gamma", &C1ZirfInput::gamma}});

    const zirf_input::Element ankerMat(QEDOM_FindFirstChild(mate, "anker"), "mate anker", zahlen);
    ankerName = zirf_input::ReadText(ankerMat.Handle(), "Name", kLenAnkerName);
    typ = ankerMat.Int("typ");
    ankerMat.Doubles<C1ZirfInput>(*this, {{"as_min", &C1ZirfInput::as_min},
                                          {"a_schaft", &C1ZirfInput::a_schaft},
                                          {"a_kern", &C1ZirfInput::a_kern},
                                          {"d_vk", &C1ZirfInput::d_vk},
                                          {"da", &C1ZirfInput::da},
                                          {"di", &C1ZirfInput::di},
                                          {"ft01k", &C1ZirfInput::ft01k},
                                          {"fyk", &C1ZirfInput::fyk},
                                          {"fuak", &C1ZirfInput::fuak},
                                          {"kt", &C1ZirfInput::kt},
                                          {"gamma_m", &C1ZirfInput::gamma_m},
                                          {"gamma_m0", &C1ZirfInput::gamma_m0},
                                          {"gamma_mb", &C1ZirfInput::gamma_mb},
                                          {"qsk1", &C1ZirfInput::qsk1},
                                          {"qsk", &C1ZirfInput::qsk},
                                          {"ankertafel_l", &C1ZirfInput::ankertafel_l},
                                          {"ankertafel_b", &C1ZirfInput::ankertafel_b},
                                          {"lv", &C1ZirfInput::lv}});
    return 1;
}
