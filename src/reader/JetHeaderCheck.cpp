// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetHeaderCheck.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cstring>

#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

namespace tavrin {
namespace {

constexpr int kJet3PageSize = 2048;
constexpr int kJet4PageSize = 4096;
constexpr int kHeaderSize = 0x20;
constexpr int kVersionOffset = 0x14;
constexpr int kTableDefPage = 2; // the catalog's table definition
constexpr unsigned char kTableDefPageType = 0x02;
// libmdb numbers pages with 24 bits in a row pointer.
constexpr qint64 kMaxPages = qint64{1} << 24;

// Whether `head` begins as a Jet or ACE database does, as far as it goes.
bool jetSignature(const QByteArray& head) {
    static constexpr char kMagic[] = {0x00, 0x01, 0x00, 0x00};
    const auto matches = [&head](int at, const char* expected, int length) {
        const int n = std::clamp(static_cast<int>(head.size()) - at, 0, length);
        return std::memcmp(head.constData() + at, expected, static_cast<std::size_t>(n)) == 0;
    };
    return matches(0, kMagic, sizeof kMagic) &&
           (matches(4, "Standard Jet DB", 16) || matches(4, "Standard ACE DB", 16));
}

} // namespace

JetHeaderCheck JetHeaderCheck::of(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {JetReadError::Unreadable};
    }
    const QByteArray head = file.read(kHeaderSize);
    if (!jetSignature(head)) {
        return {JetReadError::NotJet};
    }
    if (head.size() < kHeaderSize) {
        return {JetReadError::Truncated};
    }
    const auto version = static_cast<unsigned char>(head.at(kVersionOffset));
    if (version > MDB_VER_ACCDB_2019) {
        return {JetReadError::NotJet};
    }
    const int pageSize = version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
    if (size % pageSize != 0 || size < qint64{pageSize} * (kTableDefPage + 1)) {
        return {JetReadError::Truncated, pageSize};
    }
    if (size / pageSize > kMaxPages) {
        return {JetReadError::Corrupt, pageSize};
    }
    const auto pageCount = static_cast<std::uint32_t>(size / pageSize);
    if (!file.seek(qint64{pageSize} * kTableDefPage)) {
        return {JetReadError::Unreadable, pageSize, pageCount};
    }
    const QByteArray catalogPage = file.read(2);
    if (catalogPage.size() < 2 ||
        static_cast<unsigned char>(catalogPage.at(0)) != kTableDefPageType) {
        return {JetReadError::Corrupt, pageSize, pageCount};
    }
    return {JetReadError::None, pageSize, pageCount};
}

} // namespace tavrin
