// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetFixture.h"

#include "JetTableReader.h"
#include "SheetDefinitions.h"

#include <QFile>
#include <stdexcept>

namespace tavrin::test {

QString builtReader() {
    return QStringLiteral(TAVRIN_READER_PROGRAM);
}

JetReadResult readTable(const QString& path, const QString& tableName) {
    return JetTableReader(builtReader()).read(path, tableName);
}

JetTable textTable(const std::vector<std::string>& columns,
                   const std::vector<std::vector<Cell>>& rows, const std::string& name) {
    JetTable table;
    table.name = name;
    for (const std::string& column : columns) {
        table.columns.push_back({column, JetType::Text});
    }
    table.rows = rows;
    return table;
}

QString writeFixture(const QString& path, JetVersion version, const JetTable& table) {
    writeJetFile(path.toStdString(), version, table);
    return path;
}

JetTable dimensionTable(int rowCount) {
    const std::vector<std::string>& fields = dimensionFields();
    std::vector<std::vector<Cell>> rows;
    for (int r = 0; r < rowCount; ++r) {
        std::vector<Cell> row;
        for (const std::string& field : fields) {
            row.emplace_back(field + "#" + std::to_string(r));
        }
        rows.push_back(std::move(row));
    }
    return textTable(fields, rows);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace tavrin::test
