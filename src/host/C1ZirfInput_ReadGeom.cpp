// Readers of the geometry (geom) and of the soil and compaction values of bome, which
// replace some values of steu and geom.

#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"

#include <string>

namespace {

// `system` codes of the foot support and the fixity they force.
constexpr int kSystemFrei = 1;
constexpr int kSystemEingespannt = 3;
constexpr int kEinspannungFrei = 0;
constexpr int kEinspannungVoll = 100;

// The rounding step is given in cm; none (0 or less) means 1 cm.
constexpr double kRundungStandardCm = 1.0;
constexpr double kCmProM = 100.0;

} // namespace

int C1ZirfInput::ReadGeom() {
    const QEDOM_HANDLE handle = FindSection("geom");
    if (handle == 0) {
        return 0;
    }
    const zirf_input::Element geom(handle, "geom", zahlen);
    wand_hw = geom.Double("wand_hw");
    wand_hw2 = wand_hw;
    einbindetiefe = geom.Double("einbindetiefe");

    double rundungCm = geom.Double("rundung");
    if (rundungCm <= 0.0) {
        rundungCm = kRundungStandardCm;
    }
    rundung = rundungCm / kCmProM;

    geom.Doubles<C1ZirfInput>(*this, {{"gela_neigung", &C1ZirfInput::gela_neigung},
                                      {"wand_neigung", &C1ZirfInput::wand_neigung},
                                      {"ersatz_neigung", &C1ZirfInput::ersatz_neigung},
                                      {"berme_abstand", &C1ZirfInput::berme_abstand},
                                      {"berme_neigung", &C1ZirfInput::berme_neigung},
                                      {"berme_dicke", &C1ZirfInput::berme_dicke},
                                      {"berme_gamma", &C1ZirfInput::berme_gamma},
                                      {"hoehenkote", &C1ZirfInput::hoehenkote},
                                      {"tiefe_anker", &C1ZirfInput::tiefe_anker},
                                      {"ankerneigung", &C1ZirfInput::ankerneigung},
                                      {"ankerlaenge", &C1ZirfInput::ankerlaenge},
                                      {"ankerspitze", &C1ZirfInput::ankerspitze},
                                      {"ankerabstand", &C1ZirfInput::ankerabstand},
                                      {"eta_p", &C1ZirfInput::eta_p},
                                      {"gamma_p", &C1ZirfInput::gamma_p},
                                      {"tgh", &C1ZirfInput::tgh},
                                      {"tgv", &C1ZirfInput::tgv}});
    geom.Ints<C1ZirfInput>(*this, {{"mitberme", &C1ZirfInput::mitberme},
                                   {"einspannung", &C1ZirfInput::einspannung},
                                   {"mitanker", &C1ZirfInput::mitanker},
                                   {"ankertyp", &C1ZirfInput::ankertyp},
                                   {"anker", &C1ZirfInput::anker}});

    // The foot support chosen in `steu` decides the fixity of a free or fixed foot.
    if (system == kSystemFrei) {
        einspannung = kEinspannungFrei;
    } else if (system == kSystemEingespannt) {
        einspannung = kEinspannungVoll;
    }
    return 1;
}

int C1ZirfInput::ReadBome() {
    const QEDOM_HANDLE handle = FindSection("bome");
    if (handle == 0) {
        return 0;
    }
    const zirf_input::Element bome(handle, "bome", zahlen);
    bome.Ints<C1ZirfInput>(*this, {{"nachweisart", &C1ZirfInput::nachweisart},
                                   {"dinart", &C1ZirfInput::dinart},
                                   {"gleitsicherheit", &C1ZirfInput::gleitsicherheit},
                                   {"miterdwiderstand", &C1ZirfInput::miterdwiderstand},
                                   {"erdwiderstandprozent", &C1ZirfInput::erdwiderstandprozent},
                                   {"boden", &C1ZirfInput::boden},
                                   {"erhoehung", &C1ZirfInput::erhoehung},
                                   {"abminderung", &C1ZirfInput::abminderung},
                                   {"mitverd", &C1ZirfInput::mitverd},
                                   {"geraet", &C1ZirfInput::geraet}});
    bome.Doubles<C1ZirfInput>(*this, {{"sohlreibung", &C1ZirfInput::sohlreibung},
                                      {"faktor", &C1ZirfInput::faktor},
                                      {"einbindetiefe", &C1ZirfInput::bome_einbindetiefe},
                                      {"tgh", &C1ZirfInput::tgh},
                                      {"tgv", &C1ZirfInput::tgv},
                                      {"speze", &C1ZirfInput::speze},
                                      {"phie", &C1ZirfInput::phie},
                                      {"deltae", &C1ZirfInput::deltae},
                                      {"cohe", &C1ZirfInput::cohe},
                                      {"spezu", &C1ZirfInput::spezu},
                                      {"phiu", &C1ZirfInput::phiu},
                                      {"deltau", &C1ZirfInput::deltau},
                                      {"cohu", &C1ZirfInput::cohu},
                                      {"bp", &C1ZirfInput::bp},
                                      {"eg", &C1ZirfInput::eg},
                                      {"zk", &C1ZirfInput::zk}});
    for (std::size_t i = 0; i < sigma0.size(); ++i) {
        sigma0.at(i) = bome.Double(("sigma0" + std::to_string(i)).c_str());
    }
    for (std::size_t i = 0; i < sigma1.size(); ++i) {
        sigma1.at(i) = bome.Double(("sigma1" + std::to_string(i)).c_str());
    }
    return 1;
}
