#include "JetFileReader.h"

#include "JetStructureCheck.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <memory>
#include <vector>

extern "C" {
#include <mdbtools.h>
}

namespace tavrin {
namespace {

constexpr int kJet3PageSize = 2048;
constexpr int kJet4PageSize = 4096;
constexpr int kHeaderSize = 0x20;
constexpr unsigned char kVersionOffset = 0x14;
constexpr std::uint16_t kJapaneseCodePage = 932;
constexpr int kTableDefPage = 2; // the catalog's table definition
constexpr unsigned char kTableDefPageType = 0x02;

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableDefFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFreer>;

// Shortest text that reads back as the same number, in plain decimal notation.
template <typename T> QString numberText(T value) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return QString::number(static_cast<double>(value), 'g', 17);
    }
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}

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

struct HeaderCheck {
    JetReadError error = JetReadError::None;
    int pageSize = 0;
};

// Checks the bytes libmdb trusts before it is given the file.
HeaderCheck checkHeader(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {JetReadError::Unreadable, 0};
    }
    const QByteArray head = file.read(kHeaderSize);
    if (head.size() < kHeaderSize) {
        return {JetReadError::Truncated, 0};
    }
    static constexpr char kMagic[] = {0x00, 0x01, 0x00, 0x00};
    const bool jetMagic = std::memcmp(head.constData(), kMagic, sizeof kMagic) == 0 &&
                          (std::memcmp(head.constData() + 4, "Standard Jet DB", 16) == 0 ||
                           std::memcmp(head.constData() + 4, "Standard ACE DB", 16) == 0);
    if (!jetMagic) {
        return {JetReadError::NotJet, 0};
    }
    const unsigned char version = static_cast<unsigned char>(head.at(kVersionOffset));
    if (version > MDB_VER_ACCDB_2019) {
        return {JetReadError::NotJet, 0};
    }
    const int pageSize = version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
    if (size < static_cast<qint64>(pageSize) * (kTableDefPage + 1)) {
        return {JetReadError::Truncated, pageSize};
    }
    if (!file.seek(static_cast<qint64>(pageSize) * kTableDefPage)) {
        return {JetReadError::Unreadable, pageSize};
    }
    const QByteArray catalogPage = file.read(2);
    if (catalogPage.size() < 2 ||
        static_cast<unsigned char>(catalogPage.at(0)) != kTableDefPageType) {
        return {JetReadError::Corrupt, pageSize};
    }
    return {JetReadError::None, pageSize};
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

QString cellText(MdbHandle* mdb, const MdbColumn* column, const char* bound) {
    switch (column->col_type) {
    case MDB_FLOAT:
        if (column->cur_value_len == 0) {
            return {};
        }
        return numberText(mdb_get_single(mdb->pg_buf, column->cur_value_start));
    case MDB_DOUBLE:
        if (column->cur_value_len == 0) {
            return {};
        }
        return numberText(mdb_get_double(mdb->pg_buf, column->cur_value_start));
    case MDB_OLE:
        return {};
    default:
        return QString::fromUtf8(bound);
    }
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
    const HeaderCheck header = checkHeader(path, size);
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

    const JetStructureCheck check(mdb.get(), static_cast<std::uint64_t>(size));
    if (!check.tableDefinitionSound(kTableDefPage) ||
        mdb_read_catalog(mdb.get(), MDB_TABLE) == nullptr) {
        return fail(JetReadError::Corrupt);
    }
    MdbCatalogEntry* entry = findTable(mdb.get(), tableName.toUtf8());
    if (entry == nullptr) {
        return fail(JetReadError::NoTable);
    }
    if (!check.tableDefinitionSound(static_cast<std::uint32_t>(entry->table_pg))) {
        return fail(JetReadError::Corrupt);
    }
    TableDefPtr table(mdb_read_table(entry));
    if (!table || table->num_cols == 0 || mdb_read_columns(table.get()) == nullptr) {
        return fail(JetReadError::Corrupt);
    }

    const unsigned int columnCount = table->num_cols;
    const std::size_t bindSize = mdb->bind_size;
    std::vector<std::vector<char>> buffers(columnCount, std::vector<char>(bindSize + 1, '\0'));
    std::vector<const MdbColumn*> columns(columnCount);
    for (unsigned int i = 0; i < columnCount; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        columns[i] = column;
        result.table.fields.push_back(QString::fromUtf8(column->name));
        mdb_bind_column(table.get(), static_cast<int>(i) + 1, buffers[i].data(), nullptr);
    }

    // A page holds at most this many rows; a table that claims more is damaged
    // and must not keep the reader going round.
    const qint64 pageCount = size / header.pageSize;
    const qint64 rowLimit = pageCount * (header.pageSize / 2);
    mdb_rewind_table(table.get());
    qint64 fetched = 0;
    while (mdb_fetch_row(table.get())) {
        if (++fetched > rowLimit) {
            return fail(JetReadError::Corrupt);
        }
        std::vector<QString> row;
        row.reserve(columnCount);
        for (unsigned int i = 0; i < columnCount; ++i) {
            row.push_back(cellText(mdb.get(), columns[i], buffers[i].data()));
        }
        result.table.rows.push_back(std::move(row));
    }
    if (result.table.rows.empty()) {
        return fail(JetReadError::NoRows);
    }
    return result;
}

} // namespace tavrin
