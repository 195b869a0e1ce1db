#pragma once

#include "dxf/DxfPomoc.h"
#include "calc/Linie.h"

#include <string>
#include <vector>

// Helpers of the profile tests: hand-made lines computed and drawn with a chosen plane, the
// drawing read back in profile coordinates.
namespace lineon::test {

/// A sewer manhole `staniceni` metres along a straight line (the line runs along X), with its
/// bottom and cover levels; inlet and outlet are those of the bottom.
TBod SachtaNaLinii(const std::string& oznaceni, double staniceni, double zDna, double zPoklopu, int prumer = 300);

/// A fresh state holding the rows, with the profile placed at the base point (0, 0), so that the
/// file holds the profile coordinates (u, v) themselves; scales 1:200 and 1:100, network kind
/// `druh`; only the profile among the outputs.
std::unique_ptr<TStav> LinieProProfil(const std::vector<TBod>& body, const std::vector<TPripojka>& pripojky = {},
                                      int druh = 1);

/// The same, after a calculation that reported nothing.
std::unique_ptr<TStav> VypoctenaLinie(const std::vector<TBod>& body, const std::vector<TPripojka>& pripojky = {},
                                      int druh = 1);

/// Runs the calculation again after the test changed settings that it reads.
void Vypocitat(TStav& stav);

/// Confirms the comparison-plane dialog with the plane `rovina`, the shift `posun` and exactly
/// the points `body` checked, which draws the profile into "profil-<nazev>.dxf" under the test
/// output directory (beside it the entity counts for the ezdxf reader), and reads its entities.
std::vector<Entita> Nakreslit(TStav& stav, const std::string& nazev, int rovina, int posun = 0,
                              const std::vector<int>& body = {});

/// The lines on a layer, each as "u1,v1 u2,v2" in the file's three decimals.
std::vector<std::string> Cary(const std::vector<Entita>& entity, const std::string& vrstva);

/// The texts on a layer, each as "text u,v".
std::vector<std::string> Texty(const std::vector<Entita>& entity, const std::string& vrstva);

/// The texts on a layer, each as "text u,v" followed by its angle (when it has one) and alignment,
/// e.g. "245.30 1.000,3.000 a90 z4".
std::vector<std::string> TextySPolohou(const std::vector<Entita>& entity, const std::string& vrstva);

} // namespace lineon::test
