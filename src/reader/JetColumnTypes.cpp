// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetColumnTypes.h"

#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

#include <algorithm>
#include <array>

namespace tavrin {
namespace {

using Kind = JetValueKind;

constexpr std::array<JetColumnType, 15> kTypes{{
    {MDB_BOOL, Kind::Boolean, 0},
    {MDB_BYTE, Kind::Formatted, 1},
    {MDB_INT, Kind::Formatted, 2},
    {MDB_LONGINT, Kind::Formatted, 4},
    {MDB_MONEY, Kind::Formatted, 8},
    {MDB_FLOAT, Kind::Single, 4},
    {MDB_DOUBLE, Kind::Double, 8},
    {MDB_DATETIME, Kind::Formatted, 8},
    {MDB_BINARY, Kind::Binary, 0},
    {MDB_TEXT, Kind::Text, 0},
    {MDB_OLE, Kind::Ole, 0},
    {MDB_MEMO, Kind::Memo, 0},
    {MDB_REPID, Kind::Formatted, 16},
    {MDB_NUMERIC, Kind::Numeric, 17},
    {MDB_COMPLEX, Kind::Formatted, 4},
}};

} // namespace

const JetColumnType* jetColumnType(std::uint8_t code) {
    const auto* found = std::find_if(kTypes.begin(), kTypes.end(),
                                     [code](const JetColumnType& t) { return t.code == code; });
    return found == kTypes.end() ? nullptr : found;
}

} // namespace tavrin
