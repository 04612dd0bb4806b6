#include "JetWriter.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>

namespace mdbwrite {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Page numbers of the fixed part of the file; the question rows follow from kFirstDataPage.
constexpr std::uint32_t kMapsPage = 1;
constexpr std::uint32_t kCatalogDefPage = 2; // where readers look for the object catalog
constexpr std::uint32_t kTableDefPage = 3;
constexpr std::uint32_t kCatalogDataPage = 4;
constexpr std::uint32_t kFirstDataPage = 5;

constexpr std::uint8_t kPageData = 0x01;
constexpr std::uint8_t kPageTableDef = 0x02;
constexpr std::uint8_t kPageUsageMap = 0x05;

constexpr std::uint8_t kTypeInt = 0x03;
constexpr std::uint8_t kTypeLong = 0x04;
constexpr std::uint8_t kTypeText = 0x0A;
constexpr std::uint8_t kTypeOle = 0x0B;

constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::int32_t kSystemObjectFlags = static_cast<std::int32_t>(0x80000002u);
constexpr std::int16_t kObjectTable = 1;

constexpr std::uint16_t kGeneralSortOrder = 0x0409;
constexpr std::uint16_t kMaxTextBytes = 2 * kMaxTextUnits;

// Data pages: row count at 12, the row offset table from 14, rows packed down from the end.
constexpr std::size_t kRowCountOffset = 12;
constexpr std::size_t kRowTableOffset = 14;

// Table usage maps are 64-byte rows: type 0 holds a bitmap of pages from a start page, type 1
// points to whole pages of bitmap.
constexpr std::size_t kUsageMapSize = 64;
constexpr std::size_t kInlineMapHeader = 5;
constexpr std::size_t kInlineMapPages = (kUsageMapSize - kInlineMapHeader) * 8;
constexpr std::size_t kMapPageHeader = 4;
constexpr std::size_t kMapPagePages = (kPageSize - kMapPageHeader) * 8;

// Table definition layout.
constexpr std::size_t kColumnsOffset = 63;
constexpr std::size_t kColumnEntrySize = 25;

void Put16(std::span<std::uint8_t> at, std::size_t offset, std::uint16_t value) {
    at[offset] = static_cast<std::uint8_t>(value);
    at[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::span<std::uint8_t> at, std::size_t offset, std::uint32_t value) {
    Put16(at, offset, static_cast<std::uint16_t>(value));
    Put16(at, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

void Append16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(Bytes& out, std::uint32_t value) {
    Append16(out, static_cast<std::uint16_t>(value));
    Append16(out, static_cast<std::uint16_t>(value >> 16));
}

Bytes Ucs2(std::u16string_view text) {
    Bytes out;
    for (char16_t unit : text) {
        Append16(out, unit);
    }
    return out;
}

// A row pointer: page number in the upper three bytes, row number in the lowest.
std::uint32_t PageRow(std::uint32_t page, std::uint8_t row) {
    return page << 8 | row;
}

struct Column {
    std::u16string name;
    std::uint8_t type;
    std::uint16_t length; // bytes; 0 for long values
    bool fixed;
};

// One stored value: its bytes, or nothing for a null.
struct Field {
    Bytes bytes;
    bool null = false;
};

Field Int16Field(std::int16_t v) {
    Bytes b;
    Append16(b, static_cast<std::uint16_t>(v));
    return {b};
}

Field Int32Field(std::int32_t v) {
    Bytes b;
    Append32(b, static_cast<std::uint32_t>(v));
    return {b};
}

// Jet 4 row: column count, fixed values, variable values, then (read backwards from the end)
// the null mask, the variable column count, their start offsets and the end of their data.
Bytes EncodeRow(const std::vector<Column>& columns, const std::vector<Field>& fields) {
    Bytes row;
    Append16(row, static_cast<std::uint16_t>(columns.size()));
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].fixed) {
            row.insert(row.end(), fields[i].bytes.begin(), fields[i].bytes.end());
        }
    }
    std::vector<std::uint16_t> starts;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].fixed) {
            starts.push_back(static_cast<std::uint16_t>(row.size()));
            row.insert(row.end(), fields[i].bytes.begin(), fields[i].bytes.end());
        }
    }
    Append16(row, static_cast<std::uint16_t>(row.size()));
    for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
        Append16(row, *it);
    }
    Append16(row, static_cast<std::uint16_t>(starts.size()));
    Bytes mask((columns.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!fields[i].null) {
            mask[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
        }
    }
    row.insert(row.end(), mask.begin(), mask.end());
    return row;
}

// Fills data pages of one table in row order, opening a new page when a row does not fit.
class DataPages {
  public:
    explicit DataPages(std::uint32_t tableDefPage) : tableDefPage_(tableDefPage) {}

    void Add(const Bytes& row) {
        if (pages_.empty() || !Fits(row.size())) {
            Open();
        }
        Bytes& page = pages_.back();
        low_ -= row.size();
        std::copy(row.begin(), row.end(), page.begin() + static_cast<std::ptrdiff_t>(low_));
        Put16(page, kRowTableOffset + 2 * rows_, static_cast<std::uint16_t>(low_));
        ++rows_;
        Put16(page, kRowCountOffset, static_cast<std::uint16_t>(rows_));
        Put16(page, 2, static_cast<std::uint16_t>(low_ - kRowTableOffset - 2 * rows_));
    }

    // At least one page, so that a table without rows still owns a data page.
    std::vector<Bytes> Take() {
        if (pages_.empty()) {
            Open();
        }
        return std::move(pages_);
    }

  private:
    bool Fits(std::size_t size) const { return low_ >= size + kRowTableOffset + 2 * (rows_ + 1); }

    void Open() {
        Bytes page(kPageSize, 0);
        page[0] = kPageData;
        page[1] = 0x01;
        Put16(page, 2, static_cast<std::uint16_t>(kPageSize - kRowTableOffset));
        Put32(page, 4, tableDefPage_);
        pages_.push_back(std::move(page));
        rows_ = 0;
        low_ = kPageSize;
    }

    std::uint32_t tableDefPage_;
    std::vector<Bytes> pages_;
    std::size_t rows_ = 0;
    std::size_t low_ = kPageSize;
};

// The table definition: header, counts, usage map pointers, column entries, column names.
Bytes EncodeTableDef(const std::vector<Column>& columns, std::uint32_t rowCount,
                     std::uint8_t tableType, std::uint32_t usedMap, std::uint32_t freeMap) {
    Bytes page(kPageSize, 0);
    page[0] = kPageTableDef;
    page[1] = 0x01;
    auto varCount = static_cast<std::uint16_t>(
        std::count_if(columns.begin(), columns.end(), [](const Column& c) { return !c.fixed; }));
    Put32(page, 16, rowCount);
    page[40] = tableType;
    Put16(page, 41, static_cast<std::uint16_t>(columns.size()));
    Put16(page, 43, varCount);
    Put16(page, 45, static_cast<std::uint16_t>(columns.size()));
    Put32(page, 55, usedMap);
    Put32(page, 59, freeMap);

    std::size_t pos = kColumnsOffset;
    std::uint16_t fixedOffset = 0;
    std::uint16_t varIndex = 0;
    for (std::size_t i = 0; i < columns.size(); ++i, pos += kColumnEntrySize) {
        const Column& c = columns[i];
        page[pos] = c.type;
        Put16(page, pos + 5, static_cast<std::uint16_t>(i));
        Put16(page, pos + 7, c.fixed ? 0 : varIndex++);
        Put16(page, pos + 9, static_cast<std::uint16_t>(i));
        if (c.type == kTypeText) {
            Put16(page, pos + 11, kGeneralSortOrder);
        }
        page[pos + 15] = c.fixed ? 0x03 : 0x02;
        Put16(page, pos + 21, c.fixed ? fixedOffset : 0);
        Put16(page, pos + 23, c.length);
        if (c.fixed) {
            fixedOffset = static_cast<std::uint16_t>(fixedOffset + c.length);
        }
    }
    for (const Column& c : columns) {
        Bytes name = Ucs2(c.name);
        Put16(page, pos, static_cast<std::uint16_t>(name.size()));
        std::copy(name.begin(), name.end(), page.begin() + static_cast<std::ptrdiff_t>(pos + 2));
        pos += 2 + name.size();
    }
    Put16(page, pos, 0xFFFF); // no variable columns with long-value maps
    pos += 2;
    Put32(page, 8, static_cast<std::uint32_t>(pos - 8));
    Put16(page, 2, static_cast<std::uint16_t>(kPageSize - pos));
    return page;
}

// Type 0 map of the pages first .. first + count - 1.
Bytes InlineUsageMap(std::uint32_t first, std::size_t count) {
    Bytes map(kUsageMapSize, 0);
    Put32(map, 1, first);
    for (std::size_t i = 0; i < count; ++i) {
        map[kInlineMapHeader + i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    }
    return map;
}

// Type 1 map whose single bitmap page `mapPage` covers pages 0 .. kMapPagePages - 1.
Bytes PagedUsageMap(std::uint32_t mapPage) {
    Bytes map(kUsageMapSize, 0);
    map[0] = 0x01;
    Put32(map, 1, mapPage);
    return map;
}

Bytes BitmapPage(std::uint32_t first, std::size_t count) {
    Bytes page(kPageSize, 0);
    page[0] = kPageUsageMap;
    page[1] = 0x01;
    for (std::size_t p = first; p < first + count; ++p) {
        page[kMapPageHeader + p / 8] |= static_cast<std::uint8_t>(1u << (p % 8));
    }
    return page;
}

// RC4 keystream, with which Jet scrambles part of the header page.
void Rc4Xor(std::span<const std::uint8_t> key, std::span<std::uint8_t> data) {
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = static_cast<std::uint8_t>(i);
    }
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    for (std::uint8_t& byte : data) {
        x = static_cast<std::uint8_t>(x + 1);
        y = static_cast<std::uint8_t>(y + s[x]);
        std::swap(s[x], s[y]);
        byte ^= s[static_cast<std::uint8_t>(s[x] + s[y])];
    }
}

// Header page: signature, Jet 4 version, and the scrambled block (no key, no password, the
// General sort order, no creation date so that output stays the same from run to run).
Bytes HeaderPage() {
    Bytes page(kPageSize, 0);
    page[1] = 0x01;
    const std::string signature = "Standard Jet DB";
    std::copy(signature.begin(), signature.end(), page.begin() + 4);
    Put32(page, 0x14, 1);
    constexpr std::size_t kScrambledStart = 0x18;
    constexpr std::size_t kScrambledSize = 128;
    Put16(page, 0x6E, kGeneralSortOrder);
    const std::array<std::uint8_t, 4> key = {0xC7, 0xDA, 0x39, 0x6B};
    Rc4Xor(key, std::span(page).subspan(kScrambledStart, kScrambledSize));
    return page;
}

std::vector<Column> CatalogColumns() {
    return {{u"Id", kTypeLong, 4, true},
            {u"Name", kTypeText, kMaxTextBytes, false},
            {u"Type", kTypeInt, 2, true},
            {u"Flags", kTypeLong, 4, true},
            {u"LvProp", kTypeOle, 0, false}};
}

Bytes CatalogRow(std::uint32_t defPage, std::u16string_view name, std::int32_t flags) {
    return EncodeRow(CatalogColumns(), {Int32Field(static_cast<std::int32_t>(defPage)),
                                        {Ucs2(name)},
                                        Int16Field(kObjectTable),
                                        Int32Field(flags),
                                        {{}, true}});
}

std::vector<Column> QuestionColumns() {
    return {{u"nivel", kTypeLong, 4, true},
            {u"cod", kTypeInt, 2, true},
            {u"pergunta", kTypeText, kMaxTextBytes, false},
            {u"resp1", kTypeText, kMaxTextBytes, false},
            {u"resp2", kTypeText, kMaxTextBytes, false},
            {u"resp3", kTypeText, kMaxTextBytes, false},
            {u"resp4", kTypeText, kMaxTextBytes, false}};
}

Bytes QuestionRow(const Question& q) {
    std::vector<Field> fields = {Int32Field(q.level), Int16Field(q.code)};
    for (const std::u16string& text : q.texts) {
        fields.push_back({Ucs2(text)});
    }
    return EncodeRow(QuestionColumns(), fields);
}

void AppendPage(Bytes& image, const Bytes& page) {
    image.insert(image.end(), page.begin(), page.end());
}

} // namespace

std::vector<std::uint8_t> BuildDatabase(const std::vector<Question>& questions) {
    DataPages catalog(kCatalogDefPage);
    catalog.Add(CatalogRow(kCatalogDefPage, u"MSysObjects", kSystemObjectFlags));
    catalog.Add(CatalogRow(kTableDefPage, u"dados", 0));

    DataPages data(kTableDefPage);
    for (const Question& q : questions) {
        data.Add(QuestionRow(q));
    }
    std::vector<Bytes> dataPages = data.Take();
    const std::size_t dataCount = dataPages.size();
    const bool inlineMap = dataCount <= kInlineMapPages;
    const auto bitmapPage = static_cast<std::uint32_t>(kFirstDataPage + dataCount);
    if (!inlineMap && bitmapPage >= kMapPagePages) {
        throw std::length_error("too many data pages for one usage bitmap page");
    }

    // Rows of the maps page: 0 and 1 the catalog's used and free maps, 2 and 3 the table's.
    DataPages maps(0);
    maps.Add(InlineUsageMap(kCatalogDataPage, 1));
    maps.Add(InlineUsageMap(kCatalogDataPage, 0));
    maps.Add(inlineMap ? InlineUsageMap(kFirstDataPage, dataCount) : PagedUsageMap(bitmapPage));
    maps.Add(InlineUsageMap(kFirstDataPage, 0));

    Bytes image;
    AppendPage(image, HeaderPage());
    AppendPage(image, maps.Take().front());
    AppendPage(image, EncodeTableDef(CatalogColumns(), 2, kSystemTable, PageRow(kMapsPage, 0),
                                     PageRow(kMapsPage, 1)));
    AppendPage(image,
               EncodeTableDef(QuestionColumns(), static_cast<std::uint32_t>(questions.size()),
                              kUserTable, PageRow(kMapsPage, 2), PageRow(kMapsPage, 3)));
    AppendPage(image, catalog.Take().front());
    for (const Bytes& page : dataPages) {
        AppendPage(image, page);
    }
    if (!inlineMap) {
        AppendPage(image, BitmapPage(kFirstDataPage, dataCount));
    }
    return image;
}

} // namespace mdbwrite
