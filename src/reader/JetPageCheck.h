// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetReadResult.h"

#include <cstdint>

#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

namespace tavrin {

// Whether the pages a read needs are in the file. libmdb reads a page that
// starts at the end of the file, or runs past it, as if the missing bytes
// were zeros, so a cut file would show blank values as if they were data;
// a page that is not wholly in the file makes it Truncated.
class JetPageCheck {
public:
    JetPageCheck(MdbHandle* mdb, std::uint32_t pageCount) : mdb_(mdb), pageCount_(pageCount) {}

    bool inFile(std::uint32_t page) const { return page < pageCount_; }
    std::uint32_t pageCount() const { return pageCount_; }

    // The pages of the table definition starting at `first`, each naming
    // the next at offset 4: in the file and without a loop.
    JetReadError definitionChain(std::uint32_t first) const;
    // The table's data pages, as its usage map names them, and a type 1
    // map's own bitmap pages.
    JetReadError usageMap(MdbTableDef* table) const;

private:
    MdbHandle* mdb_;
    std::uint32_t pageCount_;
};

} // namespace tavrin
