// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "LocalPath.h"

#include <QByteArrayView>

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace tavrin {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscapedByte(QChar c) {
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

// Length of the valid UTF-8 sequence at `i`, or 0.
int sequenceLength(const QByteArray& bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    int length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < min || code > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

QString LocalPath::fromBytes(const QByteArray& bytes) {
    if (QByteArrayView(bytes).isValidUtf8()) {
        return QString::fromUtf8(bytes);
    }
    QString path;
    path.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length == 0) {
            path +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            path += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return path;
}

QByteArray LocalPath::toBytes(const QString& path) {
    if (std::none_of(path.begin(), path.end(), isEscapedByte)) {
        return path.toUtf8();
    }
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapedByte(path[i])) {
            bytes += QStringView(path).mid(runStart, i - runStart).toUtf8();
            bytes += static_cast<char>(path[i].unicode() - kEscapeBase);
            runStart = i + 1;
        }
    }
    bytes += QStringView(path).mid(runStart).toUtf8();
    return bytes;
}

QString LocalPath::forDisplay(const QString& path) {
    QString shown = path;
    std::replace_if(shown.begin(), shown.end(), isEscapedByte, QChar(QChar::ReplacementCharacter));
    return shown;
}

QString LocalPath::workingDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            // Deleted: the kernel still names the folder the process stands in.
            const ssize_t length = readlink("/proc/self/cwd", buffer.data(), buffer.size());
            if (length <= 0) {
                return QStringLiteral("(deleted)");
            }
            return fromBytes(QByteArray(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
    return fromBytes(QByteArray(buffer.data()));
}

} // namespace tavrin
