// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetWriter.h"

#include "src/JetFileBuilder.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

namespace tavrin {

void checkJetTable(JetVersion version, const JetTable& table) {
    jet::JetFileBuilder(version).build(table, 0.0);
}

void writeJetFile(const std::string& path, JetVersion version, const JetTable& table) {
    const auto pages = jet::JetFileBuilder(version).build(table, jet::JetFileBuilder::now());
    // QSaveFile writes a temporary file beside `path` and renames it into
    // place only when every byte is written; until then `path` is untouched.
    QSaveFile file(QFile::decodeName(path.c_str()));
    const auto fail = [&file, &path](const char* what) {
        throw JetWriteError(std::string(what) + " " + path + ": " +
                            file.errorString().toStdString());
    };
    if (!file.open(QIODevice::WriteOnly))
        fail("cannot create a file beside");
    for (const auto& page : pages) {
        const auto size = static_cast<qint64>(page.size());
        if (file.write(reinterpret_cast<const char*>(page.data()), size) != size)
            fail("cannot write");
    }
    if (!file.commit())
        fail("cannot write");
}

} // namespace tavrin
