// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetWriter.h"
#include "TextCodec.h"

#include <string_view>

namespace tavrin::jet {

// Parses one cell's text into the bytes stored for its column type.
// Throws CellError naming what is wrong with the value.
class CellEncoder {
public:
    explicit CellEncoder(JetVersion version) : text_(version) {}

    Bytes encode(JetType type, std::string_view value) const;
    const TextCodec& text() const { return text_; }

    static const char* typeName(JetType type);

private:
    TextCodec text_;
};

} // namespace tavrin::jet
