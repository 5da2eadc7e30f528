#include "MdbReadBack.h"

#include "CsvTable.h"

#include <cstdio>
#include <mdbtools.h>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace tavrin::test {

namespace {

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

std::optional<double> storedNumber(MdbHandle* mdb, const MdbColumn* col) {
    if (col->cur_value_len == 0)
        return std::nullopt;
    const int at = col->cur_value_start;
    switch (col->col_type) {
    case MDB_INT:
        return static_cast<short>(mdb_get_int16(mdb->pg_buf, at));
    case MDB_LONGINT:
        return static_cast<int>(mdb_get_int32(mdb->pg_buf, at));
    case MDB_FLOAT:
        return mdb_get_single(mdb->pg_buf, at);
    case MDB_DOUBLE:
        return mdb_get_double(mdb->pg_buf, at);
    default:
        return std::nullopt;
    }
}

} // namespace

LibmdbTable readWithLibmdb(const std::string& path, const std::string& tableName) {
    std::unique_ptr<MdbHandle, HandleCloser> mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb)
        throw std::runtime_error("libmdb cannot open " + path);
    std::string name = tableName;
    std::unique_ptr<MdbTableDef, TableFreer> table(
        mdb_read_table_by_name(mdb.get(), name.data(), MDB_TABLE));
    if (!table)
        throw std::runtime_error("libmdb finds no table " + tableName);
    mdb_read_columns(table.get());

    LibmdbTable out;
    out.codePage = mdb->f->code_page;
    const unsigned count = table->num_cols;
    std::vector<std::string> buffers(count, std::string(MDB_BIND_SIZE, '\0'));
    std::vector<int> lengths(count, 0);
    std::vector<MdbColumn*> columns(count);
    for (unsigned i = 0; i < count; ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        out.columnNames.emplace_back(col->name);
    }
    for (unsigned i = 0; i < count; ++i) {
        std::string colName = out.columnNames[i];
        const int bound =
            mdb_bind_column_by_name(table.get(), colName.data(), buffers[i].data(), &lengths[i]);
        if (bound < 1)
            throw std::runtime_error("libmdb cannot bind column " + colName);
        columns[i] = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, bound - 1));
    }
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        std::vector<std::optional<std::string>> row;
        std::vector<std::optional<double>> numbers;
        for (unsigned i = 0; i < count; ++i) {
            if (lengths[i] == 0)
                row.emplace_back(std::nullopt);
            else
                row.emplace_back(
                    std::string(buffers[i].data(), static_cast<std::size_t>(lengths[i])));
            numbers.push_back(storedNumber(mdb.get(), columns[i]));
        }
        out.rows.push_back(std::move(row));
        out.numbers.push_back(std::move(numbers));
    }
    return out;
}

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

Rows exportedRows(const std::string& path, const std::string& table) {
    const CommandResult exported = runCommand("mdb-export '" + path + "' '" + table + "'");
    if (exported.status != 0)
        throw std::runtime_error("mdb-export failed: " + exported.output);
    std::istringstream in(exported.output);
    // mdb-export writes names bare and quotes text, so every column reads as Text.
    const JetTable parsed = readCsvTable(in, table);
    Rows rows;
    std::vector<std::optional<std::string>> header;
    for (const auto& column : parsed.columns)
        header.emplace_back(column.name);
    rows.push_back(std::move(header));
    rows.insert(rows.end(), parsed.rows.begin(), parsed.rows.end());
    return rows;
}

} // namespace tavrin::test
