// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetFileReader.h"

#include "JetColumnTypes.h"
#include "JetHeaderCheck.h"
#include "JetLongValueReader.h"
#include "JetPageCheck.h"
#include "JetRowWalk.h"
#include "JetStructureCheck.h"
#include "JetValueText.h"
#include "ReaderAnswer.h"

#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <iconv.h>
#include <memory>
#include <vector>

extern "C" {
#include <mdbtools.h>
}

namespace tavrin {
namespace {

constexpr std::uint16_t kJapaneseCodePage = 932;
constexpr int kTableDefPage = 2; // the catalog's table definition

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableDefFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFreer>;

bool iconvKnows(std::uint16_t codePage) {
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t probe = iconv_open("UTF-8", name.c_str());
    if (probe == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    iconv_close(probe);
    return true;
}

// Jet 3 text is in the writer's code page, which the header records. libmdb
// decodes code page 932 as plain Shift_JIS, which turns "～" into "〜" and
// loses Windows' extra characters, so that code page is decoded as Windows
// writes it; a header that names no code page that can be decoded belongs to
// one of our own files, which are Japanese.
void settleJet3CodePage(MdbHandle* mdb) {
    if (!IS_JET3(mdb) || std::getenv("MDB_JET3_CHARSET") != nullptr) {
        return;
    }
    const std::uint16_t recorded = mdb->f->code_page;
    if (recorded != kJapaneseCodePage && recorded != 0 && iconvKnows(recorded)) {
        return;
    }
    mdb->f->code_page = kJapaneseCodePage;
    setenv("MDB_JET3_CHARSET", "CP932", 1);
    mdb_iconv_close(mdb);
    mdb_iconv_init(mdb);
    unsetenv("MDB_JET3_CHARSET");
}

MdbCatalogEntry* findTable(MdbHandle* mdb, const QByteArray& name) {
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE &&
            g_ascii_strcasecmp(entry->object_name, name.constData()) == 0) {
            return entry;
        }
    }
    return nullptr;
}

// A page holds at most this many rows; a table that claims more is damaged
// and must not keep the reader going round.
qint64 rowLimit(const JetPageCheck& pages, MdbHandle* mdb) {
    return qint64{pages.pageCount()} * (mdb->fmt->pg_size / 2);
}

// The catalog's long values that libmdb follows when it reads the catalog,
// those of its LvProp column, checked before it does.
JetReadError checkCatalogLongValues(MdbHandle* mdb, const JetPageCheck& pages,
                                    JetLongValueReader& longValues) {
    MdbCatalogEntry catalog{};
    catalog.mdb = mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = kTableDefPage;
    TableDefPtr table(mdb_read_table(&catalog));
    if (!table || mdb_read_columns(table.get()) == nullptr) {
        return JetReadError::Corrupt;
    }
    const JetReadError map = pages.usageMap(table.get());
    if (map != JetReadError::None) {
        return map;
    }
    mdb_rewind_table(table.get());
    for (qint64 fetched = 0; mdb_fetch_row(table.get());) {
        if (++fetched > rowLimit(pages, mdb)) {
            return JetReadError::Corrupt;
        }
        for (unsigned int i = 0; i < table->num_cols; ++i) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
            if (column->col_type != MDB_OLE || g_ascii_strcasecmp(column->name, "LvProp") != 0) {
                continue;
            }
            const JetReadError error =
                longValues.read(column->cur_value_start, column->cur_value_len).error;
            if (error != JetReadError::None) {
                return error;
            }
        }
    }
    return JetReadError::None;
}

} // namespace

JetReadResult JetFileReader::read(const QString& path, const QString& tableName) {
    JetReadResult result;
    const auto fail = [&](JetReadError error) {
        result.table = {};
        result.error = error;
        result.message = JetReadResult::messageFor(error, path, tableName);
        return result;
    };

    const QFileInfo info(path);
    if (!info.exists()) {
        return fail(JetReadError::Missing);
    }
    if (!info.isFile()) {
        return fail(JetReadError::NotAFile);
    }
    if (!info.isReadable()) {
        return fail(JetReadError::Unreadable);
    }
    const qint64 size = info.size();
    if (size == 0) {
        return fail(JetReadError::Empty);
    }
    const JetHeaderCheck header = JetHeaderCheck::of(path, size);
    if (header.error != JetReadError::None) {
        return fail(header.error);
    }

    // libmdb converts text to the charset named here; we want UTF-8.
    unsetenv("MDBICONV");
    const QByteArray nativePath = QFile::encodeName(path);
    MdbPtr mdb(mdb_open(nativePath.constData(), MDB_NOFLAGS));
    if (!mdb) {
        return fail(JetReadError::Corrupt);
    }
    settleJet3CodePage(mdb.get());

    const JetPageCheck pages(mdb.get(), header.pageCount);
    const JetStructureCheck check(mdb.get(), pages);
    JetLongValueReader longValues(mdb.get(), pages, JetValueText::kLongValueBytes);
    JetReadError error = check.tableDefinition(kTableDefPage);
    if (error == JetReadError::None) {
        error = checkCatalogLongValues(mdb.get(), pages, longValues);
    }
    if (error != JetReadError::None) {
        return fail(error);
    }
    if (mdb_read_catalog(mdb.get(), MDB_TABLE) == nullptr) {
        return fail(JetReadError::Corrupt);
    }
    MdbCatalogEntry* entry = findTable(mdb.get(), tableName.toUtf8());
    if (entry == nullptr) {
        return fail(JetReadError::NoTable);
    }
    error = check.tableDefinition(static_cast<std::uint32_t>(entry->table_pg));
    if (error != JetReadError::None) {
        return fail(error);
    }
    TableDefPtr table(mdb_read_table(entry));
    if (!table || table->num_cols == 0 || mdb_read_columns(table.get()) == nullptr) {
        return fail(JetReadError::Corrupt);
    }
    error = pages.usageMap(table.get());
    if (error != JetReadError::None) {
        return fail(error);
    }

    // No column is bound: libmdb only finds each value, and the reader reads
    // it from the page itself.
    const unsigned int columnCount = table->num_cols;
    std::vector<const MdbColumn*> columns(columnCount);
    std::vector<const JetColumnType*> types(columnCount);
    for (unsigned int i = 0; i < columnCount; ++i) {
        columns[i] = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        types[i] = jetColumnType(static_cast<std::uint8_t>(columns[i]->col_type));
        if (types[i] == nullptr) {
            return fail(JetReadError::Corrupt);
        }
        result.table.fields.push_back(QString::fromUtf8(columns[i]->name));
    }

    const JetValueText values(mdb.get(), longValues);
    JetRowWalk rows(mdb.get(), table.get(), pages);
    qint64 fetched = 0;
    qint64 answerLeft = ReaderAnswer::kMaxBytes - ReaderAnswer::kHeadBytes;
    for (const QString& field : result.table.fields) {
        answerLeft -= ReaderAnswer::textBytes(field.size());
    }
    qint64 cellsLeft = ReaderAnswer::kMaxCells;
    while (rows.next()) {
        if (++fetched > rowLimit(pages, mdb.get())) {
            return fail(JetReadError::Corrupt);
        }
        std::vector<QString> row;
        row.reserve(columnCount);
        for (unsigned int i = 0; i < columnCount; ++i) {
            JetValueText::Cell cell = values.text(*columns[i], *types[i]);
            if (cell.error != JetReadError::None) {
                return fail(cell.error);
            }
            answerLeft -= ReaderAnswer::textBytes(cell.text.size());
            if (answerLeft < 0 || --cellsLeft < 0) {
                return fail(JetReadError::TooLarge);
            }
            row.push_back(std::move(cell.text));
        }
        result.table.rows.push_back(std::move(row));
    }
    if (rows.error() != JetReadError::None) {
        return fail(rows.error());
    }
    if (result.table.rows.empty()) {
        return fail(JetReadError::NoRows);
    }
    return result;
}

} // namespace tavrin
