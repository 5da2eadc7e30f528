// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-mkdb: turns a UTF-8 CSV file into a Jet database holding the table
// "Kelvor".

#include "CsvTable.h"
#include "JetWriter.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr const char* kTableName = "Kelvor";
constexpr const char* kUsage = "usage: tavrin-mkdb [--jet3|--jet4] IN.csv OUT.mdb\n";

int usageError(const QString& what) {
    std::cerr << "tavrin-mkdb: " << what.toLocal8Bit().constData() << "\n" << kUsage;
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    const QCommandLineOption jet3(QStringLiteral("jet3"));
    const QCommandLineOption jet4(QStringLiteral("jet4"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({jet3, jet4, help, version});
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::cout << kUsage
                  << "Writes the table \"Kelvor\" of a Jet 4 (Access 2000) or, with --jet3, a\n"
                     "Jet 3 (Access 97) database OUT.mdb from the UTF-8 CSV file IN.csv.\n"
                     "OUT.mdb is replaced only when the whole file is written.\n"
                     "\n"
                     "  --jet3         write a Jet 3 file (text in code page 932)\n"
                     "  --jet4         write a Jet 4 file (the default)\n"
                     "  -h, --help     show this help and exit\n"
                     "  -v, --version  show the version and exit\n";
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "tavrin-mkdb " TAVRIN_VERSION "\n";
        return 0;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 2)
        return usageError(QStringLiteral("give one IN.csv and one OUT.mdb"));
    // The last of --jet3 and --jet4 counts.
    tavrin::JetVersion jetVersion = tavrin::JetVersion::Jet4;
    for (const QString& name : parser.optionNames())
        jetVersion =
            name == QLatin1String("jet3") ? tavrin::JetVersion::Jet3 : tavrin::JetVersion::Jet4;
    const std::string in = paths[0].toLocal8Bit().toStdString();
    const std::string out = paths[1].toLocal8Bit().toStdString();

    std::ifstream input(in, std::ios::binary);
    if (!input) {
        std::cerr << "tavrin-mkdb: cannot open " << in << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    // A failed run leaves OUT as it was: the file is written beside it and
    // renamed into place only when complete.
    try {
        const tavrin::JetTable table = tavrin::readCsvTable(input, kTableName, jetVersion);
        tavrin::writeJetFile(out, jetVersion, table);
        return 0;
    } catch (const tavrin::CsvError& e) {
        std::cerr << "tavrin-mkdb: " << in << ": " << e.what() << "\n";
    } catch (const tavrin::JetWriteError& e) {
        std::cerr << "tavrin-mkdb: " << out << ": " << e.what() << "\n";
    }
    return 1;
}
