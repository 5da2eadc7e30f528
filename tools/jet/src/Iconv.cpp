// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Iconv.h"

#include "JetWriter.h"

#include <cerrno>
#include <vector>

namespace tavrin::jet {

Iconv::Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
        throw JetWriteError(std::string("iconv cannot convert from ") + from + " to " + to);
}

Iconv::~Iconv() {
    iconv_close(cd_);
}

std::optional<std::string> Iconv::convert(std::string_view in) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> input(in.begin(), in.end());
    std::string out;
    char* inPtr = input.data();
    std::size_t inLeft = input.size();
    std::vector<char> buffer(4 * input.size() + 16);
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), outPtr);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
            return std::nullopt;
    }
    return out;
}

} // namespace tavrin::jet
