// Structural checks of an Access 2000 (Jet 4) file, run before mdbtools sees it: the engine
// trusts what it reads and can crash on a damaged file, so everything it will follow for one
// table (definition, usage map, data rows, long values) is bounds-checked here first.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui::jet {

constexpr std::size_t kPageSize = 4096;
constexpr std::uint32_t kCatalogPage = 2;

class Damaged : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Signature, version and whole pages; throws Damaged.
void CheckHeader(const std::vector<std::uint8_t>& file);

// The table whose definition is on `definitionPage`, with every row it holds; throws Damaged.
void CheckTable(const std::vector<std::uint8_t>& file, std::uint32_t definitionPage);

} // namespace ui::jet
