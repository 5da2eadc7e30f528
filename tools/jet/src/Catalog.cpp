// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Catalog.h"

#include <bit>

namespace tavrin::jet {

namespace {

enum class Field {
    Id,
    ParentId,
    Name,
    Type,
    DateCreate,
    DateUpdate,
    Flags,
    LvProp,
    Database,
    Connect,
    ForeignName
};

struct CatalogColumn {
    const char* name;
    std::uint8_t typeCode;
    std::uint16_t fixedSize;
};

// In column order; Field indexes this table.
constexpr CatalogColumn kColumns[] = {
    {"Id", 0x04, 4},         {"ParentId", 0x04, 4},   {"Name", 0x0A, 0},        {"Type", 0x03, 2},
    {"DateCreate", 0x08, 8}, {"DateUpdate", 0x08, 8}, {"Flags", 0x04, 4},       {"LvProp", 0x0B, 0},
    {"Database", 0x0C, 0},   {"Connect", 0x0C, 0},    {"ForeignName", 0x0A, 0},
};

constexpr std::uint32_t kDatabasesContainer = 0x0F000000;
constexpr std::uint32_t kTablesContainer = 0x0F000001;
constexpr std::uint32_t kRelationshipsContainer = 0x0F000002;
constexpr std::int16_t kTableType = 1;
constexpr std::int16_t kContainerType = 3;
constexpr std::uint32_t kSystemFlag = 0x80000000;

std::vector<ColumnDef> catalogColumns(const JetFormat& format, const TextCodec& text) {
    std::vector<ColumnDef> defs;
    for (const auto& c : kColumns) {
        ColumnDef def;
        def.name = text.encodeName(c.name, 64);
        def.typeCode = c.typeCode;
        def.fixedSize = c.fixedSize;
        def.length =
            c.fixedSize != 0 ? c.fixedSize : (c.typeCode == 0x0A ? format.textColumnLength : 0);
        defs.push_back(std::move(def));
    }
    return defs;
}

Bytes u32(std::uint32_t v) {
    ByteBuffer b;
    b.appendU32(v);
    return std::move(b.bytes());
}

Bytes u16(std::uint16_t v) {
    ByteBuffer b;
    b.appendU16(v);
    return std::move(b.bytes());
}

Bytes f64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    ByteBuffer b;
    b.appendU32(static_cast<std::uint32_t>(bits));
    b.appendU32(static_cast<std::uint32_t>(bits >> 32));
    return std::move(b.bytes());
}

} // namespace

Catalog::Catalog(const JetFormat& format, const TextCodec& text)
    : text_(text), layout_(catalogColumns(format, text)) {}

std::vector<EncodedRow> Catalog::rows(const std::string& userTable, std::uint32_t userTablePage,
                                      double when) const {
    struct Object {
        std::uint32_t id;
        std::uint32_t parent;
        std::string name;
        std::int16_t type;
        std::uint32_t flags;
    };
    const Object objects[] = {
        {kDatabasesContainer, kDatabasesContainer, "Databases", kContainerType, 0},
        {kTablesContainer, kDatabasesContainer, "Tables", kContainerType, 0},
        {kRelationshipsContainer, kDatabasesContainer, "Relationships", kContainerType, 0},
        {kDefinitionPage, kTablesContainer, "MSysObjects", kTableType, kSystemFlag},
        {userTablePage, kTablesContainer, userTable, kTableType, 0},
    };
    std::vector<EncodedRow> rows;
    for (const auto& o : objects) {
        EncodedRow row(std::size(kColumns));
        auto set = [&row](Field f, Bytes b) { row[static_cast<std::size_t>(f)] = std::move(b); };
        set(Field::Id, u32(o.id));
        set(Field::ParentId, u32(o.parent));
        set(Field::Name, text_.encodeValue(o.name));
        set(Field::Type, u16(static_cast<std::uint16_t>(o.type)));
        set(Field::DateCreate, f64(when));
        set(Field::DateUpdate, f64(when));
        set(Field::Flags, u32(o.flags));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tavrin::jet
