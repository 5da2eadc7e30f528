// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CsvReader.h"

#include "CsvTable.h"

namespace tavrin::jet {

CsvReader::CsvReader(std::istream& in) : in_(in) {}

int CsvReader::get() {
    return in_.get();
}

int CsvReader::peek() {
    return in_.peek();
}

std::optional<CsvReader::Record> CsvReader::next() {
    if (!started_) {
        started_ = true;
        // A UTF-8 byte order mark is not part of the first field.
        if (peek() == 0xEF) {
            const std::string bom = "\xEF\xBB\xBF";
            std::string got;
            for (std::size_t i = 0; i < 3 && peek() == static_cast<unsigned char>(bom[i]); ++i)
                got.push_back(static_cast<char>(get()));
            if (got != bom)
                for (auto it = got.rbegin(); it != got.rend(); ++it)
                    in_.putback(*it);
        }
    }
    if (peek() == std::char_traits<char>::eof())
        return std::nullopt;

    Record record;
    record.line = line_;
    Field field;
    bool fieldStarted = false; // anything read for the current field
    for (;;) {
        int c = get();
        if (c == std::char_traits<char>::eof() || c == '\n' || c == '\r') {
            if (c == '\r' && peek() == '\n')
                get();
            record.fields.push_back(std::move(field));
            if (c != std::char_traits<char>::eof())
                ++line_;
            return record;
        }
        if (c == ',') {
            record.fields.push_back(std::move(field));
            field = Field();
            fieldStarted = false;
            continue;
        }
        if (c == '"') {
            if (fieldStarted)
                throw CsvError(line_, "a quote inside an unquoted field");
            const std::size_t quoteLine = line_;
            field.quoted = true;
            for (;;) {
                c = get();
                if (c == std::char_traits<char>::eof())
                    throw CsvError(quoteLine, "a quoted field is not closed");
                if (c == '"') {
                    if (peek() == '"') {
                        get();
                        field.text.push_back('"');
                        continue;
                    }
                    break;
                }
                if (c == '\n' || (c == '\r' && peek() != '\n'))
                    ++line_;
                field.text.push_back(static_cast<char>(c));
            }
            const int after = peek();
            if (after != ',' && after != '\n' && after != '\r' &&
                after != std::char_traits<char>::eof())
                throw CsvError(line_, "text after a closing quote");
            fieldStarted = true;
            continue;
        }
        fieldStarted = true;
        field.text.push_back(static_cast<char>(c));
    }
}

} // namespace tavrin::jet
