// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetPageCheck.h"

namespace tavrin {
namespace {

constexpr int kNextPageOffset = 4;
constexpr unsigned char kBitmapList = 1; // usage map type 1

} // namespace

JetReadError JetPageCheck::definitionChain(std::uint32_t first) const {
    std::uint32_t page = first;
    // A chain that visits more pages than the file holds goes round.
    for (std::uint32_t steps = 0; page != 0; ++steps) {
        if (!inFile(page)) {
            return JetReadError::Truncated;
        }
        if (steps >= pageCount_ ||
            mdb_read_alt_pg(mdb_, page) != static_cast<ssize_t>(mdb_->fmt->pg_size)) {
            return JetReadError::Corrupt;
        }
        page = static_cast<std::uint32_t>(mdb_get_int32(mdb_->alt_pg_buf, kNextPageOffset));
    }
    return JetReadError::None;
}

JetReadError JetPageCheck::usageMap(MdbTableDef* table) const {
    auto* map = static_cast<unsigned char*>(table->usage_map);
    const unsigned int size = table->map_sz;
    if (map == nullptr || size == 0) {
        return JetReadError::Corrupt;
    }
    if (map[0] == kBitmapList) {
        for (unsigned int at = 1; at + 4 <= size; at += 4) {
            const auto bitmapPage =
                static_cast<std::uint32_t>(mdb_get_int32(map, static_cast<int>(at)));
            if (bitmapPage != 0 && !inFile(bitmapPage)) {
                return JetReadError::Truncated;
            }
        }
    }
    guint32 page = 0;
    for (;;) {
        const gint32 next = mdb_map_find_next(mdb_, map, size, page);
        if (next <= 0 || static_cast<guint32>(next) <= page) {
            return next < 0 ? JetReadError::Corrupt : JetReadError::None;
        }
        if (!inFile(static_cast<std::uint32_t>(next))) {
            return JetReadError::Truncated;
        }
        page = static_cast<guint32>(next);
    }
}

} // namespace tavrin
