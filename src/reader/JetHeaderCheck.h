// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetReadResult.h"

#include <QString>

#include <cstdint>

namespace tavrin {

// The first bytes of a data file, before libmdb is given it: the Jet
// signature (without it the file is NotJet, whatever its size), a version
// libmdb reads, a size that is a whole number of pages (Truncated otherwise)
// reaching at least the catalog's table definition, which must be one.
struct JetHeaderCheck {
    JetReadError error = JetReadError::None;
    int pageSize = 0;
    std::uint32_t pageCount = 0;

    static JetHeaderCheck of(const QString& path, qint64 size);
};

} // namespace tavrin
