// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "MdbReadBack.h"

#include "CsvTable.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <mdbtools.h>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

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

// Collects what is written to stderr while it lives.
class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = dup(2);
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() {
        restore();
        std::fclose(file_);
    }
    std::string text() {
        restore();
        std::string out;
        std::rewind(file_);
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            out.append(buffer, n);
        return out;
    }

private:
    void restore() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_ = -1;
};

LibmdbTable readTable(const std::string& path, const std::string& tableName);

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

LibmdbTable readWithLibmdb(const std::string& path, const std::string& tableName) {
    StderrCapture capture;
    LibmdbTable out = readTable(path, tableName);
    out.warnings = capture.text();
    return out;
}

namespace {

LibmdbTable readTable(const std::string& path, const std::string& tableName) {
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
    out.sortOrder = mdb->f->lang_id;
    for (gint32 pg = 0; (pg = mdb_map_find_next(mdb.get(), table->usage_map, table->map_sz,
                                                static_cast<guint32>(pg))) > 0;)
        out.mappedPages.push_back(pg);
    const auto pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    const std::string bytes = readFile(path);
    for (std::size_t pg = 1; (pg + 1) * pageSize <= bytes.size(); ++pg) {
        const auto* page = reinterpret_cast<const unsigned char*>(bytes.data() + pg * pageSize);
        if (page[0] == 0x01 && static_cast<unsigned long>(mdb_get_int32(
                                   const_cast<unsigned char*>(page), 4)) == table->entry->table_pg)
            out.dataPages.push_back(static_cast<long>(pg));
    }
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

} // namespace

CommandResult runCommand(const std::string& command) {
    CommandResult result;
    std::FILE* errors = std::tmpfile();
    FILE* pipe = popen((command + " 2>/dev/fd/" + std::to_string(fileno(errors))).c_str(), "r");
    if (!pipe)
        return result;
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::rewind(errors);
    while ((n = std::fread(buffer, 1, sizeof buffer, errors)) > 0)
        result.errors.append(buffer, n);
    std::fclose(errors);
    return result;
}

Rows exportedRows(const std::string& path, const std::string& table) {
    const CommandResult exported = runCommand("mdb-export '" + path + "' '" + table + "'");
    if (exported.status != 0 || !exported.errors.empty())
        throw std::runtime_error("mdb-export: " + exported.errors);
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
