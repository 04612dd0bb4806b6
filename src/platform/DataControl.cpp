#include "platform/DataControl.h"

#include "platform/Files.h"

#include "platform/Error.h"
#include "platform/JetFileCheck.h"

#include <mdbsql.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <strings.h>

namespace ui {
namespace {

constexpr std::size_t kRowOffsetMask = 0x1FFF;

// The engine moves a query's condition tree into its table, where nothing frees it; handing
// it back lets the reset free it with the rest.
struct SqlDeleter {
    void operator()(MdbSQL* sql) const {
        if (sql->cur_table != nullptr && sql->sarg_tree == nullptr) {
            std::swap(sql->sarg_tree, sql->cur_table->sarg_tree);
        }
        mdb_sql_reset(sql);
        mdb_sql_exit(sql);
    }
};
using SqlHandle = std::unique_ptr<MdbSQL, SqlDeleter>;

[[noreturn]] void Fail(ErrorNumber number, const std::string& what, const std::string& file) {
    throw RuntimeError(number, what + ": " + file);
}

// Reads the whole file and keeps anything that is not an intact Jet 4 database away from the
// engine. The question database holds some thousands of short rows.
std::vector<std::uint8_t> ReadDatabaseFile(const std::string& path) {
    constexpr std::size_t MAX_BYTES = 64u << 20;
    using Status = FileContent::Status;
    const FileContent read = ReadRegularFile(path, MAX_BYTES);
    if (read.status == Status::Missing) {
        Fail(ERR_FILE_NOT_FOUND, "Banco de dados não encontrado", path);
    }
    if (read.status == Status::TooLarge) {
        Fail(ERR_DATABASE, "Banco de dados danificado (grande demais)", path);
    }
    if (!read) {
        Fail(ERR_FILE_ACCESS, "Não foi possível ler o banco de dados", path);
    }
    std::vector<std::uint8_t> file(read.bytes.begin(), read.bytes.end());
    try {
        jet::CheckHeader(file);
    } catch (const jet::Damaged&) {
        Fail(ERR_DATABASE, "Formato de banco de dados não reconhecido (não é Access 2000)", path);
    }
    return file;
}

void CheckTable(const std::vector<std::uint8_t>& file, unsigned long page,
                const std::string& path) {
    try {
        jet::CheckTable(file, static_cast<std::uint32_t>(page));
    } catch (const jet::Damaged& e) {
        Fail(ERR_DATABASE, std::string("Banco de dados danificado (") + e.what() + ")", path);
    }
}

// The engine skips a condition on a field that the table lacks instead of failing.
void CheckConditionFields(const MdbSargNode* node, const std::string& file) {
    if (node == nullptr) {
        return;
    }
    if (node->op >= MDB_EQUAL && node->parent != nullptr && node->col == nullptr) {
        Fail(ERR_ITEM_NOT_FOUND,
             std::string("Campo '") + static_cast<const char*>(node->parent) + "' não encontrado",
             file);
    }
    CheckConditionFields(node->left, file);
    CheckConditionFields(node->right, file);
}

// Null flags of the row that the last fetch read, by table column.
std::vector<bool> NullFlags(MdbTableDef* table) {
    MdbHandle* mdb = table->entry->mdb;
    int start = 0;
    std::size_t size = 0;
    std::vector<bool> nulls(table->num_cols, true);
    if (table->cur_row == 0 ||
        mdb_find_row(mdb, static_cast<int>(table->cur_row - 1), &start, &size) != 0) {
        return nulls;
    }
    std::array<MdbField, MDB_MAX_COLS> fields{};
    if (mdb_crack_row(table, static_cast<int>(start & kRowOffsetMask), size, fields.data()) < 0) {
        return nulls;
    }
    for (unsigned i = 0; i < table->num_cols && i < fields.size(); ++i) {
        nulls[i] = fields[i].is_null != 0;
    }
    return nulls;
}

// The table after FROM, or "" when the query names none.
std::string QueryTable(const std::string& query) {
    std::istringstream words(query);
    std::string word;
    while (words >> word) {
        if (strcasecmp(word.c_str(), "FROM") == 0) {
            words >> word;
            return word;
        }
    }
    return "";
}

int TableColumnIndex(MdbTableDef* table, const char* name) {
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (strcasecmp(col->name, name) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

void DataControl::Refresh() {
    // The program folder is upper-cased; the file is found without regard to case.
    file_ = ResolvePath(DatabaseName);
    columns_.clear();
    rows_.clear();
    current_ = 0;
    const std::vector<std::uint8_t> file = ReadDatabaseFile(file_);
    CheckTable(file, jet::kCatalogPage, file_);

    SqlHandle sql(mdb_sql_init());
    sql->mdb = mdb_open(file_.c_str(), MDB_NOFLAGS);
    if (sql->mdb == nullptr || mdb_read_catalog(sql->mdb, MDB_ANY) == nullptr) {
        Fail(ERR_DATABASE, "Banco de dados danificado ou ilegível", file_);
    }
    const std::string tableName = QueryTable(RecordSource);
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(sql->mdb, tableName.c_str());
    if (!tableName.empty() && (entry == nullptr || entry->object_type != MDB_TABLE)) {
        Fail(ERR_TABLE_NOT_FOUND, "Tabela '" + tableName + "' não encontrada", file_);
    }
    if (entry != nullptr) {
        CheckTable(file, entry->table_pg, file_);
    }
    if (mdb_sql_run_query(sql.get(), RecordSource.c_str()) == nullptr) {
        Fail(ERR_QUERY,
             "Consulta '" + RecordSource + "' falhou (" + mdb_sql_last_error(sql.get()) + ")",
             file_);
    }
    MdbTableDef* table = sql->cur_table;
    CheckConditionFields(table->sarg_tree, file_);

    std::vector<int> tableIndex;
    for (unsigned i = 0; i < sql->num_columns; ++i) {
        auto* col = static_cast<MdbSQLColumn*>(g_ptr_array_index(sql->columns, i));
        columns_.emplace_back(col->name);
        tableIndex.push_back(TableColumnIndex(table, col->name));
    }
    while (mdb_fetch_row(table)) {
        const std::vector<bool> nulls = NullFlags(table);
        Row row;
        for (unsigned i = 0; i < sql->num_columns; ++i) {
            const int t = tableIndex[i];
            if (t < 0 || nulls[static_cast<std::size_t>(t)]) {
                row.emplace_back(std::nullopt);
            } else {
                row.emplace_back(static_cast<const char*>(g_ptr_array_index(sql->bound_values, i)));
            }
        }
        rows_.push_back(std::move(row));
    }
}

long DataControl::RecordCount() const {
    return static_cast<long>(rows_.size());
}

void DataControl::MoveFirst() {
    RequireRows();
    current_ = 0;
}

void DataControl::MoveLast() {
    RequireRows();
    current_ = rows_.size() - 1;
}

void DataControl::MoveNext() {
    if (EOF_()) {
        Fail(ERR_NO_CURRENT_RECORD, "Nenhum registro atual", file_);
    }
    ++current_;
}

bool DataControl::EOF_() const {
    return current_ >= rows_.size();
}

void DataControl::RequireRows() const {
    if (rows_.empty()) {
        Fail(ERR_NO_CURRENT_RECORD, "Nenhum registro atual", file_);
    }
}

const std::string& DataControl::Field(const std::string& name) const {
    std::size_t i = 0;
    while (i < columns_.size() && strcasecmp(columns_[i].c_str(), name.c_str()) != 0) {
        ++i;
    }
    if (i == columns_.size()) {
        Fail(ERR_ITEM_NOT_FOUND, "Campo '" + name + "' não encontrado", file_);
    }
    if (EOF_()) {
        Fail(ERR_NO_CURRENT_RECORD, "Nenhum registro atual", file_);
    }
    const std::optional<std::string>& value = rows_[current_][i];
    if (!value) {
        Fail(ERR_INVALID_USE_OF_NULL, "Campo '" + name + "' sem valor", file_);
    }
    return *value;
}

std::string DataControl::FieldText(const std::string& name) const {
    return Field(name);
}

long DataControl::FieldInt(const std::string& name) const {
    const std::string& text = Field(name);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE) {
        Fail(ERR_TYPE_MISMATCH, "Campo '" + name + "' não é um número inteiro", file_);
    }
    return value;
}

} // namespace ui
