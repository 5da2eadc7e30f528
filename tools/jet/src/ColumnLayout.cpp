// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ColumnLayout.h"

#include <algorithm>
#include <string>

namespace tavrin::jet {

ColumnLayout::ColumnLayout(std::vector<ColumnDef> defs) {
    slots_.reserve(defs.size());
    for (auto& def : defs) {
        ColumnSlot slot;
        slot.number = static_cast<std::uint16_t>(slots_.size());
        slot.nullKey = static_cast<std::uint16_t>(std::min(slots_.size(), kDistinctKeys - 1));
        if (def.fixedSize != 0) {
            slot.fixedOffset = static_cast<std::uint16_t>(fixedSize_);
            fixedSize_ += def.fixedSize;
        } else {
            slot.varIndex = static_cast<std::uint16_t>(varCount_++);
        }
        slot.def = std::move(def);
        slots_.push_back(std::move(slot));
    }
}

void ColumnLayout::shareNullKeys(const std::vector<std::vector<bool>>& present) {
    if (slots_.size() <= kDistinctKeys) {
        for (auto& slot : slots_)
            slot.nullKey = slot.number;
        return;
    }
    std::size_t merges = slots_.size() - kDistinctKeys;
    const std::size_t rows = present.size();
    // Per row: does the current group hold a non-Null cell / a Null fixed cell?
    std::vector<bool> anyValue(rows), anyNullFixed(rows);
    std::uint16_t key = 0;
    for (std::size_t c = 0; c < slots_.size(); ++c) {
        const bool fixed = slots_[c].isFixed();
        bool joins = c > 0 && merges > 0;
        for (std::size_t r = 0; joins && r < rows; ++r) {
            const bool value = anyValue[r] || present[r][c];
            const bool nullFixed = anyNullFixed[r] || (fixed && !present[r][c]);
            joins = !(value && nullFixed);
        }
        if (joins) {
            --merges;
        } else {
            if (c > 0)
                ++key;
            std::fill(anyValue.begin(), anyValue.end(), false);
            std::fill(anyNullFixed.begin(), anyNullFixed.end(), false);
        }
        for (std::size_t r = 0; r < rows; ++r) {
            anyValue[r] = anyValue[r] || present[r][c];
            anyNullFixed[r] = anyNullFixed[r] || (fixed && !present[r][c]);
        }
        slots_[c].nullKey = key;
    }
    if (merges > 0)
        throw JetWriteError(
            "the table has " + std::to_string(slots_.size()) +
            " columns; mdbtools reads Null flags for 256 of them, and the Null numeric cells "
            "of these rows leave too few neighbouring columns that can share a flag");
}

} // namespace tavrin::jet
