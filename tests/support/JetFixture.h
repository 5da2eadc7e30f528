// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Writes small Jet database files for tests, with the project's own writer.

#include "JetReadResult.h"
#include "JetWriter.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::test {

using Cell = std::optional<std::string>;

// A table "Kelvor" of Text columns with the given names and rows.
JetTable textTable(const std::vector<std::string>& columns,
                   const std::vector<std::vector<Cell>>& rows, const std::string& name = "Kelvor");

// Writes `table` to `path`; returns the path.
QString writeFixture(const QString& path, JetVersion version, const JetTable& table);

// A table with every field of the dimension record and `rowCount` rows; the
// cell of field f in row r reads "<f>#<r>".
JetTable dimensionTable(int rowCount);

// The reading program of this build.
QString builtReader();
// Reads `tableName` of `path` through the reading program of this build,
// waiting for its answer.
JetReadResult readTable(const QString& path, const QString& tableName);

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace tavrin::test
