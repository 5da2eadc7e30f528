// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetFileBuilder.h"

#include "Catalog.h"
#include "DataPageBuilder.h"
#include "HeaderPage.h"
#include "LongValueStore.h"
#include "TableDefinitionWriter.h"
#include "TableEncoder.h"
#include "UsageMap.h"

#include <cstdlib>
#include <ctime>
#include <numeric>

namespace tavrin::jet {

namespace {

constexpr std::uint32_t kMapPage = 1;
constexpr std::uint32_t kCatalogDataPage = 3;
constexpr std::uint32_t kUserDefinitionPage = 4;

enum MapRow : std::uint32_t { GlobalMap, CatalogUsed, CatalogFree, UserUsed, UserFree };

constexpr std::uint32_t mapPointer(MapRow row) {
    return kMapPage << 8 | row;
}

struct DataPages {
    std::vector<Bytes> pages;
    std::vector<std::uint32_t> withRoom; // page numbers with room for another row
};

DataPages packRows(const JetFormat& format, const std::vector<Bytes>& rows,
                   std::uint32_t definitionPage, std::uint32_t firstPage, std::size_t smallestRow) {
    DataPages out;
    std::optional<DataPageBuilder> page;
    auto flush = [&] {
        const auto number = firstPage + static_cast<std::uint32_t>(out.pages.size());
        if (page->fits(smallestRow))
            out.withRoom.push_back(number);
        out.pages.push_back(page->page());
    };
    for (const Bytes& row : rows) {
        if (page && !page->fits(row.size())) {
            flush();
            page.reset();
        }
        if (!page)
            page.emplace(format, definitionPage);
        page->add(row);
    }
    if (page)
        flush();
    return out;
}

} // namespace

double JetFileBuilder::now() {
    std::time_t t = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"))
        t = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    return static_cast<double>(t) / 86400.0 + 25569.0;
}

std::vector<Bytes> JetFileBuilder::build(const JetTable& table, double when) const {
    const TableEncoder encoder(version_, table.name, table.columns);
    const JetFormat& format = encoder.format();

    std::vector<EncodedRow> cells;
    cells.reserve(table.rows.size());
    std::vector<std::vector<bool>> present;
    LongValueStore longValues(format);
    std::vector<std::vector<std::pair<std::size_t, std::size_t>>> longCells(table.rows.size());
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        cells.push_back(encoder.encodeCells(table.rows[r], r));
        std::vector<bool> p(cells.back().size());
        for (std::size_t c = 0; c < p.size(); ++c) {
            p[c] = cells.back()[c].has_value();
            if (p[c] && LongValueStore::isLong(table.columns[c].type))
                longCells[r].emplace_back(c, longValues.add(std::move(*cells.back()[c])));
        }
        present.push_back(std::move(p));
    }
    ColumnLayout layout = encoder.layout();
    layout.shareNullKeys(present);
    // Long value pages follow the data pages, whose count does not depend on
    // where the long values are.
    const auto encodeRows = [&](std::uint32_t firstLongValuePage) {
        std::vector<Bytes> rows;
        rows.reserve(cells.size());
        for (std::size_t r = 0; r < cells.size(); ++r) {
            for (const auto& [column, id] : longCells[r])
                cells[r][column] = longValues.field(id, firstLongValuePage);
            rows.push_back(encoder.encodeRow(cells[r], layout, r));
        }
        return rows;
    };
    const std::size_t smallestRow = encoder.encodeRow(EncodedRow(layout.size()), layout, 0).size();

    const TableDefinitionWriter definitions(format);
    const auto userDefinitionPages = static_cast<std::uint32_t>(definitions.pageCount(layout));
    const std::uint32_t firstDataPage = kUserDefinitionPage + userDefinitionPages;
    const auto firstLongValuePage = static_cast<std::uint32_t>(
        firstDataPage +
        packRows(format, encodeRows(0), kUserDefinitionPage, firstDataPage, smallestRow)
            .pages.size());
    const std::vector<Bytes> rows = encodeRows(firstLongValuePage);
    const DataPages data = packRows(format, rows, kUserDefinitionPage, firstDataPage, smallestRow);

    const Catalog catalog(format, encoder.cells().text());
    std::vector<Bytes> catalogRows;
    for (const auto& row : catalog.rows(table.name, kUserDefinitionPage, when))
        catalogRows.push_back(encoder.encodeRow(row, catalog.layout(), 0));
    const DataPages catalogData = packRows(format, catalogRows, Catalog::kDefinitionPage,
                                           kCatalogDataPage, catalogRows.front().size());
    if (catalogData.pages.size() != 1 || definitions.pageCount(catalog.layout()) != 1)
        throw JetWriteError("the system catalog does not fit its pages");

    // Usage maps; those too large to keep inline point to bitmap pages at the end.
    std::vector<std::uint32_t> dataPageNumbers(data.pages.size());
    std::iota(dataPageNumbers.begin(), dataPageNumbers.end(), firstDataPage);
    const UsageMap userUsed(format, dataPageNumbers);
    const UsageMap userFree(format, data.withRoom);
    const UsageMap catalogUsed(format, {kCatalogDataPage});
    const UsageMap catalogFree(format, catalogData.withRoom);
    const auto userUsedBitmaps =
        firstLongValuePage + static_cast<std::uint32_t>(longValues.pageCount());
    const auto userFreeBitmaps =
        userUsedBitmaps + static_cast<std::uint32_t>(userUsed.bitmapPageCount());
    const auto globalBitmaps =
        userFreeBitmaps + static_cast<std::uint32_t>(userFree.bitmapPageCount());
    std::size_t globalBitmapCount = 0;
    std::vector<std::uint32_t> allPages;
    for (;;) {
        allPages.resize(globalBitmaps + globalBitmapCount);
        std::iota(allPages.begin(), allPages.end(), 0u);
        const UsageMap probe(format, allPages);
        if (probe.bitmapPageCount() == globalBitmapCount)
            break;
        globalBitmapCount = probe.bitmapPageCount();
    }
    const UsageMap global(format, allPages);

    std::vector<Bytes> pages(allPages.size());
    pages[0] = HeaderPage(format).page();

    DataPageBuilder maps(format, 0);
    maps.add(global.row(globalBitmaps));
    maps.add(catalogUsed.row(0));
    maps.add(catalogFree.row(0));
    maps.add(userUsed.row(userUsedBitmaps));
    maps.add(userFree.row(userFreeBitmaps));
    pages[kMapPage] = maps.page();

    TableDefinitionWriter::Table catalogTable{&catalog.layout(), true,
                                              static_cast<std::uint32_t>(catalogRows.size()),
                                              mapPointer(CatalogUsed), mapPointer(CatalogFree)};
    pages[Catalog::kDefinitionPage] =
        definitions.pages(catalogTable, Catalog::kDefinitionPage).front();
    pages[kCatalogDataPage] = catalogData.pages.front();

    TableDefinitionWriter::Table userTable{&layout, false, static_cast<std::uint32_t>(rows.size()),
                                           mapPointer(UserUsed), mapPointer(UserFree)};
    auto place = [&pages](std::uint32_t first, std::vector<Bytes> list) {
        for (std::size_t i = 0; i < list.size(); ++i)
            pages[first + i] = std::move(list[i]);
    };
    place(kUserDefinitionPage, definitions.pages(userTable, kUserDefinitionPage));
    place(firstDataPage, data.pages);
    place(firstLongValuePage, longValues.pages(firstLongValuePage));
    place(userUsedBitmaps, userUsed.bitmapPages());
    place(userFreeBitmaps, userFree.bitmapPages());
    place(globalBitmaps, global.bitmapPages());
    return pages;
}

} // namespace tavrin::jet
