// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "LongValueStore.h"

#include <algorithm>

namespace tavrin::jet {

namespace {

constexpr std::uint32_t kInlineFlag = 0x80000000;
constexpr std::uint32_t kOneRowFlag = 0x40000000;
constexpr std::size_t kNextPointerSize = 4;
constexpr std::uint32_t kLengthLimit = 0x00FFFFFF;

} // namespace

LongValueStore::Part LongValueStore::place(std::size_t rowSize, Placed what) {
    if (packing_.empty() || !packing_.back().fits(rowSize)) {
        packing_.emplace_back(format_, kOwner);
        placement_.emplace_back();
    }
    Part part;
    part.page = static_cast<std::uint32_t>(packing_.size() - 1);
    part.row = static_cast<std::uint32_t>(packing_.back().add(Bytes(rowSize)));
    placement_.back().push_back(what);
    return part;
}

std::size_t LongValueStore::add(Bytes value) {
    if (value.size() > kLengthLimit)
        throw JetWriteError("a long value of " + std::to_string(value.size()) +
                            " bytes is longer than a Jet file holds");
    const std::size_t id = values_.size();
    Value stored;
    const std::size_t size = value.size();
    stored.data = std::move(value);
    if (size > kInlineLimit && size <= format_.maxRowSize()) {
        Part part = place(size, {id, 0});
        part.size = size;
        stored.parts.push_back(part);
        stored.oneRow = true;
    } else if (size > kInlineLimit) {
        const std::size_t chunk = format_.maxRowSize() - kNextPointerSize;
        for (std::size_t from = 0; from < size; from += chunk) {
            const std::size_t n = std::min(chunk, size - from);
            Part part = place(kNextPointerSize + n, {id, stored.parts.size()});
            part.from = from;
            part.size = n;
            stored.parts.push_back(part);
        }
    }
    values_.push_back(std::move(stored));
    return id;
}

Bytes LongValueStore::field(std::size_t id, std::uint32_t firstPage) const {
    const Value& value = values_.at(id);
    const auto length = static_cast<std::uint32_t>(value.data.size());
    ByteBuffer out;
    if (value.parts.empty()) {
        out.appendU32(length | kInlineFlag);
        out.appendU32(0);
        out.appendU32(0);
        out.append(value.data);
    } else {
        out.appendU32(value.oneRow ? length | kOneRowFlag : length);
        out.appendU32(pointer(value.parts.front(), firstPage));
        out.appendU32(0);
    }
    return std::move(out.bytes());
}

Bytes LongValueStore::partRow(const Value& value, std::size_t part, std::uint32_t firstPage) const {
    const Part& p = value.parts[part];
    const auto data = std::span(value.data).subspan(p.from, p.size);
    ByteBuffer row;
    if (!value.oneRow) {
        row.appendU32(part + 1 < value.parts.size() ? pointer(value.parts[part + 1], firstPage)
                                                    : 0);
    }
    row.append(data);
    return std::move(row.bytes());
}

std::vector<Bytes> LongValueStore::pages(std::uint32_t firstPage) const {
    std::vector<Bytes> out;
    for (const auto& rows : placement_) {
        DataPageBuilder page(format_, kOwner);
        for (const Placed& placed : rows)
            page.add(partRow(values_[placed.value], placed.part, firstPage));
        out.push_back(page.page());
    }
    return out;
}

} // namespace tavrin::jet
