// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

// Answers of the reading program written word by word, as a reader that
// lies might write them.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <functional>

namespace tavrin::test {

inline constexpr quint32 kAnswerMagic = 0x54565231;

inline QByteArray handWrittenAnswer(const std::function<void(QDataStream&)>& write) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    write(out);
    return bytes;
}

} // namespace tavrin::test
