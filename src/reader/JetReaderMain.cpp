// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-read PATH TABLE: reads one table of a Jet database file and writes
// it to standard output for the viewer. It runs apart from the viewer so
// that a damaged file cannot take the viewer down with it, and within the
// limits of ReaderLimits so that it cannot grow or run without end.

#include "JetFileReader.h"
#include "ReaderAnswer.h"
#include "ReaderLimits.h"

#include <QCoreApplication>
#include <QFile>

#include <new>

int main(int argc, char* argv[]) {
    if (!tavrin::ReaderLimits::apply()) {
        fprintf(stderr, "tavrin-read: cannot limit its own resources\n");
        return 3;
    }
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        fprintf(stderr, "usage: tavrin-read PATH TABLE\n");
        return 2;
    }
    tavrin::JetReadResult result;
    try {
        result = tavrin::JetFileReader::read(arguments[1], arguments[2]);
    } catch (const std::bad_alloc&) {
        // A file that needs more memory than the reader allows is damaged.
        result = {};
        result.error = tavrin::JetReadError::Corrupt;
        result.message =
            tavrin::JetReadResult::messageFor(result.error, arguments[1], arguments[2]);
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        return 3;
    }
    const QByteArray bytes = tavrin::ReaderAnswer::encode(result);
    return out.write(bytes) == bytes.size() && out.flush() ? 0 : 3;
}
