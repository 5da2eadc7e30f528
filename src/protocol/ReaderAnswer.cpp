// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ReaderAnswer.h"

#include <QDataStream>
#include <QIODevice>

namespace tavrin {
namespace {

constexpr quint32 kWireMagic = 0x54565231; // "TVR1"

// The least a text takes on the wire: its length word.
constexpr qint64 kMinTextBytes = 4;

bool decodeInto(const QByteArray& bytes, JetReadResult& result) {
    if (bytes.size() > ReaderAnswer::kMaxBytes) {
        return false;
    }
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    const auto left = [&] { return in.device()->bytesAvailable(); };
    quint32 magic = 0;
    qint32 error = 0;
    quint32 fieldCount = 0;
    quint32 rowCount = 0;
    in >> magic >> error >> result.message >> fieldCount;
    if (in.status() != QDataStream::Ok || magic != kWireMagic || error < 0 ||
        error > static_cast<qint32>(JetReadError::TooLarge) ||
        qint64(fieldCount) * kMinTextBytes > left()) {
        return false;
    }
    result.error = static_cast<JetReadError>(error);
    result.table.fields.resize(fieldCount);
    for (QString& field : result.table.fields) {
        in >> field;
    }
    in >> rowCount;
    if (in.status() != QDataStream::Ok) {
        return false;
    }
    // A table has fields and rows, an error has neither.
    const bool table = fieldCount > 0 && rowCount > 0;
    const bool none = fieldCount == 0 && rowCount == 0;
    if (result.ok() ? !table : !none) {
        return false;
    }
    const qint64 cells = qint64(rowCount) * fieldCount;
    if (cells > ReaderAnswer::kMaxCells || cells * kMinTextBytes > left()) {
        return false;
    }
    result.table.rows.reserve(rowCount);
    for (quint32 r = 0; r < rowCount && in.status() == QDataStream::Ok; ++r) {
        std::vector<QString> row(fieldCount);
        for (QString& cell : row) {
            in >> cell;
        }
        result.table.rows.push_back(std::move(row));
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

} // namespace

QByteArray ReaderAnswer::encode(const JetReadResult& result) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kWireMagic << static_cast<qint32>(result.error) << result.message;
    out << static_cast<quint32>(result.table.fields.size());
    for (const QString& field : result.table.fields) {
        out << field;
    }
    out << static_cast<quint32>(result.table.rows.size());
    for (const std::vector<QString>& row : result.table.rows) {
        for (const QString& cell : row) {
            out << cell;
        }
    }
    return bytes;
}

bool ReaderAnswer::decode(const QByteArray& bytes, JetReadResult& result) {
    if (!decodeInto(bytes, result)) {
        result = {};
        return false;
    }
    return true;
}

} // namespace tavrin
