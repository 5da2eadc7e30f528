// tavrin-read PATH TABLE: reads one table of a Jet database file and writes
// it to standard output for the viewer. It runs apart from the viewer so
// that a damaged file cannot take the viewer down with it.

#include "JetFileReader.h"
#include "ReaderAnswer.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        fprintf(stderr, "usage: tavrin-read PATH TABLE\n");
        return 2;
    }
    const tavrin::JetReadResult result = tavrin::JetFileReader::read(arguments[1], arguments[2]);
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly)) {
        return 3;
    }
    const QByteArray bytes = tavrin::ReaderAnswer::encode(result);
    return out.write(bytes) == bytes.size() && out.flush() ? 0 : 3;
}
