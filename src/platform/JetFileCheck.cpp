#include "platform/JetFileCheck.h"

#include <set>
#include <span>

namespace ui::jet {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint8_t kPageData = 0x01;
constexpr std::uint8_t kPageTableDef = 0x02;
constexpr std::uint8_t kPageUsageMap = 0x05;
constexpr std::uint8_t kTypeText = 0x0A;
constexpr std::uint8_t kTypeOle = 0x0B;
constexpr std::uint8_t kTypeMemo = 0x0C;

constexpr std::size_t kRowCountOffset = 12;
constexpr std::size_t kRowTableOffset = 14;
constexpr std::uint16_t kOffsetMask = 0x1FFF;
constexpr std::uint16_t kDeletedRow = 0x4000;
constexpr std::size_t kMaxTableDefPages = 16;
constexpr std::size_t kLongValueHeader = 12;

std::uint16_t U16(Bytes b, std::size_t at) {
    if (at + 2 > b.size()) {
        throw Damaged("structure runs past its end");
    }
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t U32(Bytes b, std::size_t at) {
    return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

void Require(bool condition, const char* what) {
    if (!condition) {
        throw Damaged(what);
    }
}

Bytes Page(const std::vector<std::uint8_t>& file, std::uint32_t page) {
    Require(page < file.size() / kPageSize, "page number past the end of the file");
    return Bytes(file).subspan(page * kPageSize, kPageSize);
}

// Row `row` of a data-like page, as the engine delimits it.
Bytes Row(Bytes page, std::size_t row) {
    const std::size_t rows = U16(page, kRowCountOffset);
    Require(row < rows && kRowTableOffset + 2 * rows <= kPageSize, "row number out of range");
    const std::size_t start = U16(page, kRowTableOffset + 2 * row) & kOffsetMask;
    const std::size_t end =
        row == 0 ? kPageSize : U16(page, kRowTableOffset + 2 * (row - 1)) & kOffsetMask;
    Require(start >= kRowTableOffset + 2 * rows && start < end && end <= kPageSize,
            "row outside its page");
    return page.subspan(start, end - start);
}

Bytes PageRow(const std::vector<std::uint8_t>& file, std::uint32_t pointer) {
    return Row(Page(file, pointer >> 8), pointer & 0xFF);
}

struct Column {
    std::uint8_t type;
    std::size_t number;
    std::size_t varIndex;
    bool fixed;
    std::size_t fixedOffset;
    std::size_t size;
};

struct TableDef {
    std::size_t columnCount;
    std::size_t varCount;
    std::uint32_t usedMap;
    std::vector<Column> columns;
};

// The definition with its continuation pages joined, as the engine reads it.
std::vector<std::uint8_t> JoinedDefinition(const std::vector<std::uint8_t>& file,
                                           std::uint32_t page) {
    std::vector<std::uint8_t> joined;
    for (std::size_t n = 0; n < kMaxTableDefPages; ++n) {
        Bytes p = Page(file, page);
        Require(p[0] == kPageTableDef, "table definition page of the wrong type");
        joined.insert(joined.end(), p.begin() + (n == 0 ? 0 : 8), p.end());
        page = U32(p, 4);
        if (page == 0) {
            return joined;
        }
    }
    throw Damaged("table definition chain too long");
}

TableDef ReadTableDef(const std::vector<std::uint8_t>& file, std::uint32_t page) {
    const std::vector<std::uint8_t> joined = JoinedDefinition(file, page);
    Bytes d(joined);
    TableDef t{U16(d, 45), U16(d, 43), U32(d, 55), {}};
    const std::size_t indexes = U32(d, 47);
    const std::size_t realIndexes = U32(d, 51);
    Require(t.columnCount > 0 && t.varCount <= t.columnCount, "bad column counts");
    Require(indexes < 256 && realIndexes < 256, "bad index counts");
    std::size_t pos = 63 + realIndexes * 12;
    for (std::size_t i = 0; i < t.columnCount; ++i, pos += 25) {
        Require(pos + 25 <= d.size(), "column entries run past their pages");
        Column c{d[pos],           U16(d, pos + 5), U16(d, pos + 7), (d[pos + 15] & 0x01) != 0,
                 U16(d, pos + 21), U16(d, pos + 23)};
        Require(c.number < t.columnCount && (c.fixed || c.varIndex < t.varCount),
                "bad column entry");
        t.columns.push_back(c);
    }
    for (std::size_t i = 0; i < t.columnCount; ++i) {
        pos += 2 + U16(d, pos);
    }
    pos += realIndexes * 52 + indexes * 28;
    for (std::size_t i = 0; i < indexes; ++i) {
        pos += 2 + U16(d, pos);
    }
    Require(pos <= d.size(), "table definition runs past its pages");
    return t;
}

void CheckUsageMap(const std::vector<std::uint8_t>& file, std::uint32_t pointer) {
    Bytes map = PageRow(file, pointer);
    Require(map.size() >= 5 && map[0] <= 1, "bad usage map");
    if (map[0] == 1) {
        for (std::size_t at = 1; at + 4 <= map.size(); at += 4) {
            const std::uint32_t page = U32(map, at);
            Require(page == 0 || Page(file, page)[0] == kPageUsageMap, "bad usage map page");
        }
    }
}

// A long value kept outside its row: one row, or a chain of rows each naming the next.
void CheckLongValue(const std::vector<std::uint8_t>& file, Bytes header) {
    const std::uint32_t flags = U32(header, 0) >> 24;
    std::uint32_t pointer = U32(header, 4);
    if ((flags & 0x80) != 0) {
        return;
    }
    Require(flags == 0x40 || flags == 0, "bad long value flags");
    if (flags == 0x40) {
        PageRow(file, pointer);
        return;
    }
    std::set<std::uint32_t> seen;
    while (pointer != 0) {
        Require(seen.insert(pointer).second, "long value chain loops");
        Bytes part = PageRow(file, pointer);
        Require(part.size() > 4, "empty long value part");
        pointer = U32(part, 0);
    }
}

// Start offsets of the variable columns and the end of their data, read backwards from the
// null mask as mdbtools cracks a Jet 4 row; a table without variable columns keeps none.
std::vector<std::size_t> VariableOffsets(const TableDef& t, Bytes row, std::size_t mask) {
    if (t.varCount == 0) {
        return {row.size() - mask};
    }
    Require(row.size() >= mask + 4, "row too short");
    const std::size_t varCount = U16(row, row.size() - mask - 2);
    Require(varCount == t.varCount && row.size() >= mask + 6 + 2 * varCount,
            "row does not match its table");
    const std::size_t table = row.size() - mask - 4 - 2 * varCount;
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i <= varCount; ++i) {
        offsets.push_back(U16(row, row.size() - mask - 4 - 2 * i));
        Require(offsets[i] >= 2 && offsets[i] <= table && (i == 0 || offsets[i - 1] <= offsets[i]),
                "bad variable column offsets");
    }
    return offsets;
}

void CheckRow(const std::vector<std::uint8_t>& file, const TableDef& t, Bytes row,
              std::size_t maxText) {
    const std::size_t cols = U16(row, 0);
    const std::size_t mask = (cols + 7) / 8;
    Require(cols == t.columnCount && row.size() > mask + 2, "row does not match its table");
    const std::vector<std::size_t> offsets = VariableOffsets(t, row, mask);
    for (const Column& c : t.columns) {
        const bool null = (row[row.size() - mask + c.number / 8] >> (c.number % 8) & 1) == 0;
        if (c.fixed) {
            Require(2 + c.fixedOffset + c.size <= offsets.front(), "fixed column outside its row");
            continue;
        }
        const std::size_t size = offsets[c.varIndex + 1] - offsets[c.varIndex];
        Require(c.type != kTypeText || size <= maxText, "text too long");
        if (!null && (c.type == kTypeMemo || c.type == kTypeOle) && size >= kLongValueHeader) {
            CheckLongValue(file, row.subspan(offsets[c.varIndex], kLongValueHeader));
        }
    }
}

} // namespace

void CheckHeader(const std::vector<std::uint8_t>& file) {
    static const std::string magic("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24);
    Require(!file.empty() && file.size() % kPageSize == 0 &&
                std::equal(magic.begin(), magic.end(), file.begin()),
            "not an Access 2000 file");
}

void CheckTable(const std::vector<std::uint8_t>& file, std::uint32_t definitionPage) {
    const TableDef t = ReadTableDef(file, definitionPage);
    // The engine reads catalog names into 256-byte buffers; 128 bytes of UCS-2 (or of its
    // compressed form) always fit once converted to UTF-8.
    const std::size_t maxText = definitionPage == kCatalogPage ? 128 : 0x1FFF;
    CheckUsageMap(file, t.usedMap);
    CheckUsageMap(file, U32(Page(file, definitionPage), 59));
    // Every page the engine could take for this table's data, by map or by scanning.
    for (std::uint32_t p = 1; p < file.size() / kPageSize; ++p) {
        Bytes page = Page(file, p);
        if (page[0] != kPageData || U32(page, 4) != definitionPage) {
            continue;
        }
        const std::size_t rows = U16(page, kRowCountOffset);
        for (std::size_t r = 0; r < rows; ++r) {
            Bytes row = Row(page, r);
            if ((U16(page, kRowTableOffset + 2 * r) & kDeletedRow) == 0) {
                CheckRow(file, t, row, maxText);
            }
        }
    }
}

} // namespace ui::jet
