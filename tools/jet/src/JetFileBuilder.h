// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetWriter.h"

#include <vector>

namespace tavrin::jet {

// Lays out a whole database file holding one user table:
//   0 header, 1 usage maps, 2 MSysObjects definition, 3 MSysObjects rows,
//   4.. user table definition, then its data pages, then any bitmap pages.
class JetFileBuilder {
public:
    explicit JetFileBuilder(JetVersion version) : version_(version) {}

    // The file's pages. Throws JetWriteError. `when` is the creation time in
    // Jet's date form (days since 1899-12-30).
    std::vector<Bytes> build(const JetTable& table, double when) const;

    // Current time in Jet's date form; SOURCE_DATE_EPOCH, if set, takes the
    // place of the clock so that repeated builds give identical files.
    static double now();

private:
    JetVersion version_;
};

} // namespace tavrin::jet
