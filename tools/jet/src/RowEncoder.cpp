// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "RowEncoder.h"

#include "TextCodec.h"

#include <string>

namespace tavrin::jet {

Bytes RowEncoder::nullMask(const EncodedRow& cells) const {
    Bytes mask((layout_.size() + 7) / 8, 0);
    for (const auto& slot : layout_.columns())
        if (cells[slot.number])
            mask[slot.nullKey / 8] |= static_cast<std::uint8_t>(1u << (slot.nullKey % 8));
    return mask;
}

Bytes RowEncoder::encode(const EncodedRow& cells) const {
    const auto& slots = layout_.columns();
    const std::size_t count = format_.countSize;
    ByteBuffer row;
    if (format_.isJet3())
        row.appendU8(static_cast<std::uint8_t>(slots.size()));
    else
        row.appendU16(static_cast<std::uint16_t>(slots.size()));
    row.appendZeros(layout_.fixedSize());
    for (const auto& slot : slots)
        if (slot.isFixed() && cells[slot.number])
            row.put(count + slot.fixedOffset, *cells[slot.number]);

    const Bytes mask = nullMask(cells);
    Bytes out;
    if (layout_.varCount() == 0) {
        row.append(mask);
        out = std::move(row.bytes());
    } else if (format_.isJet3()) {
        out = encodeJet3(std::move(row), cells, mask);
    } else {
        std::vector<std::size_t> offsets(layout_.varCount() + 1);
        for (const auto& slot : slots) {
            if (slot.isFixed())
                continue;
            offsets[slot.varIndex] = row.size();
            if (cells[slot.number])
                row.append(*cells[slot.number]);
        }
        offsets.back() = row.size();
        appendJet4Offsets(row, offsets);
        row.append(mask);
        out = std::move(row.bytes());
    }
    if (out.size() > format_.maxRowSize())
        throw CellError("the row takes " + std::to_string(out.size()) +
                        " bytes; a data page holds rows of at most " +
                        std::to_string(format_.maxRowSize()));
    return out;
}

void RowEncoder::appendJet4Offsets(ByteBuffer& row, const std::vector<std::size_t>& offsets) const {
    // End of data first, then the offsets from the last column to the first.
    for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
        row.appendU16(static_cast<std::uint16_t>(*it));
    row.appendU16(static_cast<std::uint16_t>(offsets.size() - 1));
}

Bytes RowEncoder::encodeJet3(ByteBuffer fixed, const EncodedRow& cells, const Bytes& mask) const {
    // Jet 3 keeps only the low byte of each offset; the jump table lists, for
    // each multiple of 256, the first offset entry at or past it. The reader
    // expects (row length - 1) / 256 jump entries and ignores the last one
    // when the end of data lies below its multiple, so padding is added
    // before the variable data until that holds.
    const std::size_t n = layout_.varCount();
    std::vector<std::size_t> sizes(n, 0);
    std::vector<const Bytes*> data(n, nullptr);
    for (const auto& slot : layout_.columns()) {
        if (!slot.isFixed() && cells[slot.number]) {
            data[slot.varIndex] = &*cells[slot.number];
            sizes[slot.varIndex] = cells[slot.number]->size();
        }
    }
    std::size_t varBytes = 0;
    for (const std::size_t s : sizes)
        varBytes += s;

    for (std::size_t padding = 0;; ++padding) {
        const std::size_t start = fixed.size() + padding;
        const std::size_t eod = start + varBytes;
        const std::size_t base = eod + 1 + n + 1 + mask.size();
        std::size_t jumps = 0;
        while ((base + jumps - 1) / 256 != jumps)
            ++jumps;
        const std::size_t used = eod / 256 >= jumps ? jumps : jumps - 1;
        if (eod / 256 < used)
            continue;

        std::vector<std::size_t> offsets(n + 1);
        std::size_t at = start;
        for (std::size_t i = 0; i < n; ++i) {
            offsets[i] = at;
            at += sizes[i];
        }
        offsets[n] = eod;

        ByteBuffer row = fixed;
        row.appendZeros(padding);
        for (std::size_t i = 0; i < n; ++i)
            if (data[i])
                row.append(*data[i]);
        for (std::size_t i = n + 1; i-- > 0;)
            row.appendU8(static_cast<std::uint8_t>(offsets[i] & 0xFF));
        std::vector<std::uint8_t> jumpTable(jumps, 0xFF);
        for (std::size_t k = 0; k < used; ++k) {
            std::size_t first = 0;
            while (offsets[first] < 256 * (k + 1))
                ++first;
            jumpTable[k] = static_cast<std::uint8_t>(first);
        }
        for (std::size_t k = jumps; k-- > 0;)
            row.appendU8(jumpTable[k]);
        row.appendU8(static_cast<std::uint8_t>(n));
        row.append(mask);
        return std::move(row.bytes());
    }
}

} // namespace tavrin::jet
