// tavrin-mkdb: turns a UTF-8 CSV file into a Jet database holding the table
// "Kelvor".

#include "CsvTable.h"
#include "JetWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kTableName = "Kelvor";

int usage() {
    std::cerr << "usage: tavrin-mkdb [--jet3|--jet4] IN.csv OUT.mdb\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    tavrin::JetVersion version = tavrin::JetVersion::Jet4;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--jet3")
            version = tavrin::JetVersion::Jet3;
        else if (arg == "--jet4")
            version = tavrin::JetVersion::Jet4;
        else if (arg.size() > 1 && arg[0] == '-')
            return usage();
        else
            paths.push_back(arg);
    }
    if (paths.size() != 2)
        return usage();

    std::ifstream in(paths[0], std::ios::binary);
    if (!in) {
        std::cerr << "tavrin-mkdb: cannot open " << paths[0] << ": " << std::strerror(errno)
                  << "\n";
        return 1;
    }
    // A failed run leaves no file at OUT, not even an older one, so that a
    // stale database is never taken for the result.
    try {
        const tavrin::JetTable table = tavrin::readCsvTable(in, kTableName, version);
        tavrin::writeJetFile(paths[1], version, table);
        return 0;
    } catch (const tavrin::CsvError& e) {
        std::cerr << "tavrin-mkdb: " << paths[0] << ": " << e.what() << "\n";
    } catch (const tavrin::JetWriteError& e) {
        std::cerr << "tavrin-mkdb: " << paths[1] << ": " << e.what() << "\n";
    }
    std::remove(paths[1].c_str());
    return 1;
}
