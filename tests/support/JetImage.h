// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

// A Jet file's bytes seen as pages and rows, for building damaged files
// from sound ones (tests, fuzzing seeds and the fuzzer's mutator).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrin::test {

class JetImage {
public:
    static constexpr std::uint32_t kLongValueOwner = 0x4C41564C; // "LVAL"
    static constexpr std::uint8_t kDataPage = 0x01;
    // Where tavrin-mkdb puts the user table's definition.
    static constexpr std::uint32_t kWrittenTablePage = 4;

    struct Row {
        std::size_t start = 0; // offset in the file
        std::size_t size = 0;
    };
    // A Memo or OLE header in a data row: where it is and what it names.
    // A row of a data page as setRows writes it: its bytes and the flags of
    // its offset word (0x8000 deleted, 0x4000 lookup).
    struct PageRow {
        std::vector<std::uint8_t> bytes;
        std::uint16_t flags = 0;
    };
    static constexpr std::uint16_t kDeletedFlag = 0x8000;
    static constexpr std::uint16_t kLookupFlag = 0x4000;
    struct LongValueField {
        std::size_t at = 0; // offset of the 12-byte header in the file
        std::uint32_t pointer = 0;
    };

    explicit JetImage(std::span<std::uint8_t> bytes);

    bool isJet3() const { return jet3_; }
    std::size_t pageSize() const { return pageSize_; }
    std::size_t pageCount() const { return bytes_.size() / pageSize_; }
    std::span<std::uint8_t> bytes() const { return bytes_; }

    std::uint8_t pageType(std::size_t page) const;
    std::uint32_t owner(std::size_t page) const; // offset 4 of a data page
    std::size_t rowCount(std::size_t page) const;
    std::optional<Row> row(std::size_t page, std::size_t row) const;
    std::optional<Row> rowAt(std::uint32_t pointer) const;
    std::vector<std::uint8_t> rowBytes(std::size_t page, std::size_t row) const;
    // Writes `rows` as the whole of data page `page`, packed from its end as
    // Jet packs them, with its row count and free space.
    void setRows(std::size_t page, const std::vector<PageRow>& rows) const;

    // Data pages of the table whose definition is at `definitionPage`.
    std::vector<std::size_t> dataPages(std::uint32_t definitionPage) const;
    std::vector<std::size_t> longValuePages() const { return dataPages(kLongValueOwner); }
    // Every long value header of the data rows on `pages` whose pointer
    // names a row of a long value page.
    std::vector<LongValueField> longValueFields(const std::vector<std::size_t>& pages) const;

    std::uint32_t u32(std::size_t at) const;
    void setU32(std::size_t at, std::uint32_t value) const;
    std::uint16_t u16(std::size_t at) const;
    void setU16(std::size_t at, std::uint16_t value) const;

private:
    std::span<std::uint8_t> bytes_;
    bool jet3_ = false;
    std::size_t pageSize_ = 4096;
    std::size_t rowCountOffset_ = 12;
};

} // namespace tavrin::test
