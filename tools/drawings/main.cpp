// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-drawings: writes the sheet drawings sheet0.png, sheet12.png,
// sheet3.png and sheet4.png into the folder given as the only argument.

#include "SheetDrawings.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStringList>

#include <iostream>

namespace {

constexpr const char* kUsage = "usage: tavrin-drawings FOLDER\n";

int usageError(const QString& what) {
    std::cerr << "tavrin-drawings: " << what.toLocal8Bit().constData() << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())
            return usageError(parser.errorText());
        const QString& name = unknown.constFirst();
        return usageError(
            QStringLiteral("unknown option: %1%2")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    if (parser.isSet(help)) {
        std::cout << kUsage
                  << "Writes the sheet drawings sheet0.png, sheet12.png, sheet3.png and\n"
                     "sheet4.png into FOLDER, which is made if it does not exist\n"
                     "(assets/drawings holds the program's own).\n"
                     "\n"
                     "  -h, --help     show this help and exit\n"
                     "  -v, --version  show the version and exit\n";
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "tavrin-drawings " TAVRIN_VERSION "\n";
        return 0;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1)
        return usageError(QStringLiteral("give one FOLDER"));
    const QString& folder = folders.constFirst();
    const QByteArray name = folder.toLocal8Bit();
    if (!QDir().mkpath(folder)) {
        std::cerr << "tavrin-drawings: cannot create " << name.constData() << "\n";
        return 1;
    }
    if (!tavrin::drawings::writeSheetDrawings(folder)) {
        std::cerr << "tavrin-drawings: cannot write into " << name.constData() << "\n";
        return 1;
    }
    return 0;
}
