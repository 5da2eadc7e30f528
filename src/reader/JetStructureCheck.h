// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "JetPageCheck.h"
#include "JetReadResult.h"

#include <cstdint>

namespace tavrin {

// libmdb follows the offsets and counts a file holds without asking whether
// they make sense, and a damaged file can send it out of bounds. These checks
// look at the structures before libmdb walks them, reading the pages through
// libmdb itself (so an encoded Jet 4 file is decoded as libmdb decodes it).
// A check may move libmdb's current page; run it before the step it guards.
class JetStructureCheck {
public:
    JetStructureCheck(MdbHandle* mdb, const JetPageCheck& pages);

    // The table definition at `page`: its pages, the usage map it names,
    // which libmdb walks to find the table's data pages, and its columns,
    // whose types must be ones the reader knows and whose sizes libmdb trusts
    // when it reads a value. Corrupt, or Truncated where a page is missing.
    JetReadError tableDefinition(std::uint32_t page) const;

private:
    // Both look at the table definition's first page, libmdb's current page.
    JetReadError usageMap() const;
    bool columnsSound() const;

    MdbHandle* mdb_;
    const JetPageCheck& pages_;
};

} // namespace tavrin
