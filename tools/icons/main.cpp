// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-icon <source image> <size> <output.png>: writes the source image
// (the program's XPM icon) as a size x size PNG for the desktop's icon theme.
// Each output pixel takes the source pixel it falls on, so the picture keeps
// its hard edges, its palette and its fully transparent ground at any size,
// and the same source always gives the same bytes.

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tavrin-icon <source image> <size> <output.png>\n");
        return 2;
    }
    char* end = nullptr;
    const long size = std::strtol(argv[2], &end, 10);
    if (*argv[2] == '\0' || *end != '\0' || size < 1 || size > 1024) {
        std::fprintf(stderr, "tavrin-icon: size %s is not a number from 1 to 1024\n", argv[2]);
        return 2;
    }
    const QImage source =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    if (source.isNull()) {
        std::fprintf(stderr, "tavrin-icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const int side = static_cast<int>(size);
    QImage icon(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            icon.setPixel(x, y,
                          source.pixel(x * source.width() / side, y * source.height() / side));
        }
    }
    if (!icon.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "tavrin-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
