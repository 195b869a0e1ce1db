#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Helpers of the DXF tests: expected file text written as lines and a reader of the entities of a
// written file.
namespace lineon::test {

/// The lines in code page 1250, each ended by CR LF, as a DXF file holds them.
std::string Radky(std::initializer_list<std::string> radky);

/// The fixed start of both drawings up to the extents (the HEADER section begun).
std::string OcekavanaHlavicka();

/// The extents of `DxfRozsah` as they are written, given the four written values.
std::string OcekavanyRozsah(const std::string& x1, const std::string& y1, const std::string& x2,
                            const std::string& y2);

/// The rest of the header and the tables, with the given layers (name, colour) in the LAYER table.
std::string OcekavaneTabulky(const std::vector<std::pair<std::string, int>>& vrstvy);

/// The layer tables of both drawings, typed from the format description.
std::vector<std::pair<std::string, int>> VrstvyProfilu();
std::vector<std::pair<std::string, int>> VrstvySituace();

/// The site plan's BLOCKS section.
std::string OcekavaneBloky();

/// How many times `co` stands in `text`.
std::size_t PocetVyskytu(const std::string& text, const std::string& co);

/// One entity of a written file: its groups in file order.
struct Entita {
    std::vector<std::pair<std::string, std::string>> skupiny;
    std::string Typ() const;
    std::string Vrstva() const;
    /// The value of the first group with that code ("" when there is none).
    std::string Hodnota(const std::string& kod) const;
    bool Ma(const std::string& kod) const;
};

/// The entities between "ENTITIES" and the end of the section of a file written by our writers,
/// their values read from code page 1250 into UTF-8.
std::vector<Entita> EntitySouboru(const std::string& cesta);

/// Only the entities of that type on that layer.
std::vector<Entita> Vyber(const std::vector<Entita>& entity, const std::string& typ, const std::string& vrstva);

} // namespace lineon::test
