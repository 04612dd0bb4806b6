// The data control: runs a query on an Access (Jet) database through mdbtools and walks its
// record set. Failures raise ui::RuntimeError naming the problem and the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ui {

class DataControl {
  public:
    std::string DatabaseName; // path of the database file
    std::string RecordSource; // SQL text of the query

    // Opens the database, runs RecordSource and stands on the first row (or at the end when
    // the query gives none). Each call reads the file anew.
    void Refresh();

    long RecordCount() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    // True once the position has passed the last row (and at once for an empty record set).
    bool EOF_() const;

    // Field values of the current row by field name, matched without regard to case.
    std::string FieldText(const std::string& name) const;
    long FieldInt(const std::string& name) const;

  private:
    using Row = std::vector<std::optional<std::string>>; // nullopt: the field holds no value

    const std::string& Field(const std::string& name) const;
    void RequireRows() const;

    std::string file_; // the file of the last refresh, for messages
    std::vector<std::string> columns_;
    std::vector<Row> rows_;
    std::size_t current_ = 0;
};

} // namespace ui
