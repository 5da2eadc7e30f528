#pragma once

#include <cstdint>
#include <vector>

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
    bool usageMapSound(const std::vector<unsigned char>& definition) const;
    bool columnsSound(const std::vector<unsigned char>& definition) const;
    bool readDefinition(std::vector<unsigned char>& definition, std::size_t length) const;
    bool readPage(std::uint32_t page, std::vector<unsigned char>& bytes) const;
    bool findRow(const std::vector<unsigned char>& page, unsigned int row, unsigned int& start,
                 unsigned int& length) const;

    MdbHandle* mdb_;
    unsigned int pageSize_;
    std::uint64_t pageCount_;
};

} // namespace tavrin
