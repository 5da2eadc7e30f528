#pragma once

#include <cstdint>

#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

namespace tavrin {

// libmdb follows the offsets and counts a file holds without asking whether
// they make sense, and a damaged file can send it out of bounds. These checks
// look at the structures before libmdb walks them, reading the pages through
// libmdb itself (so an encoded Jet 4 file is decoded as libmdb decodes it).
// A check may move libmdb's current page; run it before the step it guards.
class JetStructureCheck {
public:
    JetStructureCheck(MdbHandle* mdb, std::uint64_t fileSize);

    // The table definition at `page`: the usage map it names, which libmdb
    // walks to find the table's data pages, and its columns, whose sizes
    // libmdb trusts when it reads a value.
    bool tableDefinitionSound(std::uint32_t page) const;

private:
    // Both look at the table definition's first page, libmdb's current page.
    bool usageMapSound() const;
    bool columnsSound() const;

    MdbHandle* mdb_;
    std::uint64_t fileSize_;
};

} // namespace tavrin
