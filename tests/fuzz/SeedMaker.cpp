// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-fuzz-seeds DIR: writes the fuzzer's seeds that a CSV cannot give,
// Jet 3 and Jet 4 each: Memo and OLE values kept in their row, in one long
// value row and in chains over several pages; a table over several data
// pages; the same table with a type 1 usage map (a list of bitmap pages);
// and with a row that Jet moved, a lookup row in its place.

#include "JetImage.h"
#include "JetWriter.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using tavrin::JetColumn;
using tavrin::JetTable;
using tavrin::JetType;
using tavrin::JetVersion;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kUserDefinitionPage = tavrin::test::JetImage::kWrittenTablePage;
constexpr std::uint8_t kBitmapPage = 0x05;

JetTable longValueTable() {
    JetTable table;
    table.name = "Kelvor";
    table.columns = {
        {"A", JetType::Text}, {"M", JetType::Memo}, {"O", JetType::Ole}, {"D", JetType::Double}};
    table.rows = {
        {"inline", "短いメモ", "ole", "1.5"},
        {"one row", std::string(300, 'm') + "終", std::string(200, 'o'), "2"},
        {"chain", std::string(5000, 'c') + "チェーン", std::string(4500, 'p'), "-3"},
        {"null", std::nullopt, std::nullopt, std::nullopt},
    };
    return table;
}

JetTable manyPagesTable() {
    JetTable table;
    table.name = "Kelvor";
    for (const char* name : {"A", "B", "C", "D"})
        table.columns.push_back({name, JetType::Text});
    table.columns.push_back({"N", JetType::Single});
    for (int r = 0; r < 60; ++r) {
        const std::string n = std::to_string(r);
        table.rows.push_back(
            {n + "A", std::string(40, 'b') + n, "ｶﾞｽｹｯﾄ" + n, std::string(30, 'd') + n, n + ".5"});
    }
    return table;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Rewrites the table's used-pages map as a type 1 map naming one bitmap
// page, added at the end of the file.
Bytes withTypeOneMap(Bytes bytes) {
    const tavrin::test::JetImage image(bytes);
    const std::size_t mapOffset = image.isJet3() ? 35 : 55;
    const auto map = image.rowAt(image.u32(kUserDefinitionPage * image.pageSize() + mapOffset));
    if (!map)
        throw std::runtime_error("no usage map row");
    const std::vector<std::size_t> pages = image.dataPages(kUserDefinitionPage);
    const auto bitmapPage = static_cast<std::uint32_t>(image.pageCount());
    Bytes page(image.pageSize(), 0);
    page[0] = kBitmapPage;
    page[1] = 0x01;
    for (const std::size_t p : pages)
        page[4 + p / 8] |= static_cast<std::uint8_t>(1u << (p % 8));
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(map->start), map->size, 0);
    bytes[map->start] = 0x01;
    image.setU32(map->start + 1, bitmapPage);
    bytes.insert(bytes.end(), page.begin(), page.end());
    return bytes;
}

// Moves the first row of the table's last data page to a slot of its own at
// the end of that page, marked deleted, and leaves a lookup row naming it in
// its place.
Bytes withMovedRow(Bytes bytes) {
    using tavrin::test::JetImage;
    const JetImage image(bytes);
    const std::size_t page = image.dataPages(kUserDefinitionPage).back();
    std::vector<JetImage::PageRow> rows;
    for (std::size_t r = 0; r < image.rowCount(page); ++r)
        rows.push_back({image.rowBytes(page, r), 0});
    std::size_t used = (image.isJet3() ? 10 : 14) + 2 * rows.size();
    for (const auto& row : rows)
        used += row.bytes.size();
    if (rows.empty() || used + rows[0].bytes.size() + 6 > image.pageSize())
        throw std::runtime_error("no room to move a row");
    const std::size_t moved = rows.size();
    rows.push_back({rows[0].bytes, JetImage::kDeletedFlag});
    rows[0] = {{std::uint8_t(moved), std::uint8_t(page), std::uint8_t(page >> 8),
                std::uint8_t(page >> 16)},
               JetImage::kLookupFlag};
    image.setRows(page, rows);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrin-fuzz-seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    try {
        for (const auto& [version, suffix] :
             {std::pair{JetVersion::Jet3, "jet3"}, std::pair{JetVersion::Jet4, "jet4"}}) {
            const std::string tag = std::string("-") + suffix + ".mdb";
            tavrin::writeJetFile(dir + "/long-values" + tag, version, longValueTable());
            const std::string pages = dir + "/many-pages" + tag;
            tavrin::writeJetFile(pages, version, manyPagesTable());
            writeFile(dir + "/type-one-map" + tag, withTypeOneMap(readFile(pages)));
            // Fewer rows, so that the last data page has room for the moved one.
            JetTable shorter = manyPagesTable();
            shorter.rows.resize(50);
            const std::string moved = dir + "/moved-row" + tag;
            tavrin::writeJetFile(moved, version, shorter);
            writeFile(moved, withMovedRow(readFile(moved)));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavrin-fuzz-seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
