// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-drawings: writes the sheet drawings sheet0.png, sheet12.png,
// sheet3.png and sheet4.png into the folder given as the only argument.

#include "SheetDrawings.h"

#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tavrin-drawings <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "tavrin-drawings: cannot create %s\n", argv[1]);
        return 1;
    }
    if (!tavrin::drawings::writeSheetDrawings(folder)) {
        std::fprintf(stderr, "tavrin-drawings: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
