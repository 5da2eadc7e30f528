// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// libFuzzer entry point: the bytes are a data file, read as the viewer reads
// it in the reading process (open, catalog, table "Kelvor", every row). Its
// mutator knows the structures a read follows: besides libFuzzer's own byte
// changes it cuts the file, points long values elsewhere, changes their
// flags and lengths, links long value rows into loops, and moves rows.

#include "JetFileReader.h"
#include "JetImage.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <random>
#include <unistd.h>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// One file per fuzzing process, in memory where the system has /dev/shm.
QString inputPath() {
    static const QString path = [] {
        const QString dir = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                      : QDir::tempPath();
        return QStringLiteral("%1/tavrin-fuzz-%2.mdb").arg(dir).arg(getpid());
    }();
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() { QFile::remove(inputPath()); }
};

using tavrin::test::JetImage;
using Random = std::minstd_rand;

std::uint32_t pick(Random& random, std::uint32_t bound) {
    return bound == 0 ? 0 : static_cast<std::uint32_t>(random() % bound);
}

// A pointer to a row of a long value page, or to something that is not one.
std::uint32_t somePointer(const JetImage& image, Random& random) {
    const auto pages = image.longValuePages();
    const auto count = static_cast<std::uint32_t>(image.pageCount());
    switch (pick(random, 6)) {
    case 0:
        return 0;
    case 1: // past the end
        return (count + pick(random, 3)) << 8 | pick(random, 4);
    case 2: // a row the page does not have
        return pages.empty() ? 0 : std::uint32_t(pages[pick(random, pages.size())]) << 8 | 0xFF;
    case 3:
        return static_cast<std::uint32_t>(random());
    default: {
        if (pages.empty())
            return pick(random, count) << 8;
        const std::size_t page = pages[pick(random, pages.size())];
        return std::uint32_t(page) << 8 | pick(random, std::uint32_t(image.rowCount(page)) + 1);
    }
    }
}

std::uint32_t someLength(Random& random, std::uint32_t length) {
    static constexpr std::uint32_t kFlags[] = {0x80, 0x40, 0x00, 0xC0, 0x20, 0x01};
    const std::uint32_t flags = pick(random, 8) < 6 ? kFlags[pick(random, 6)] : pick(random, 256);
    std::uint32_t size = length & 0xFFFFFF;
    switch (pick(random, 4)) {
    case 0:
        size = pick(random, 16);
        break;
    case 1:
        size = 0xFFFFFF - pick(random, 4);
        break;
    case 2:
        size = size * (1 + pick(random, 8));
        break;
    default:
        break;
    }
    return flags << 24 | (size & 0xFFFFFF);
}

std::size_t mutateStructure(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                            Random& random) {
    const JetImage image(std::span(data, size));
    const std::size_t pageSize = image.pageSize();
    std::vector<std::size_t> tablePages;
    for (std::size_t page = 1; page < image.pageCount(); ++page)
        if (image.pageType(page) == JetImage::kDataPage &&
            image.owner(page) != JetImage::kLongValueOwner)
            tablePages.push_back(page);
    const auto fields = image.longValueFields(tablePages);
    const auto longPages = image.longValuePages();
    switch (pick(random, 6)) {
    case 0: { // cut: anywhere, or near a page boundary
        if (size == 0)
            return 0;
        if (pick(random, 2) == 0)
            return pick(random, static_cast<std::uint32_t>(size));
        const std::size_t boundary =
            pageSize * pick(random, static_cast<std::uint32_t>(size / pageSize) + 1);
        const std::size_t cut = boundary + pick(random, 3) - 1;
        return cut > 0 && cut < size ? cut : size;
    }
    case 1: // a long value names another row
        if (fields.empty())
            break;
        image.setU32(fields[pick(random, fields.size())].at + 4, somePointer(image, random));
        return size;
    case 2: { // a long value's flags and declared length
        if (fields.empty())
            break;
        const auto& field = fields[pick(random, fields.size())];
        image.setU32(field.at, someLength(random, image.u32(field.at)));
        return size;
    }
    case 3: { // a chain part names another part, itself, or nothing
        if (longPages.empty())
            break;
        const std::size_t page = longPages[pick(random, longPages.size())];
        const auto row = image.row(page, pick(random, std::uint32_t(image.rowCount(page))));
        if (!row)
            break;
        const std::uint32_t self = std::uint32_t(page) << 8 | pick(random, 4);
        image.setU32(row->start, pick(random, 2) == 0 ? self : somePointer(image, random));
        return size;
    }
    case 4: { // a row's offset or a page's row count
        const std::size_t page = pick(random, static_cast<std::uint32_t>(image.pageCount()));
        const std::size_t offsets = page * pageSize + (image.isJet3() ? 8 : 12);
        const std::size_t rows = image.rowCount(page);
        if (pick(random, 3) == 0)
            image.setU16(offsets,
                         static_cast<std::uint16_t>(pick(random, 2) ? rows + 1 : random()));
        else
            image.setU16(offsets + 2 + 2 * pick(random, std::uint32_t(rows) + 1),
                         static_cast<std::uint16_t>(pick(random, std::uint32_t(pageSize) + 2)));
        return size;
    }
    default: { // a whole page more or less
        if (pick(random, 2) == 0 && size >= pageSize)
            return size - pageSize;
        if (size + pageSize <= maxSize) {
            std::fill_n(data + size, pageSize, std::uint8_t(pick(random, 2) ? 0 : 0xFF));
            return size + pageSize;
        }
        break;
    }
    }
    return LLVMFuzzerMutate(data, size, maxSize);
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    Random random(seed);
    if (pick(random, 2) == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    return std::min(mutateStructure(data, size, maxSize, random), maxSize);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString& path = inputPath();
    static const RemoveAtExit cleanup; // built after the path, so gone before it
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const tavrin::JetReadResult result =
        tavrin::JetFileReader::read(path, QStringLiteral("Kelvor"));
    // An answer is either a table or a message, never both or neither.
    if (result.ok() == !result.message.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
