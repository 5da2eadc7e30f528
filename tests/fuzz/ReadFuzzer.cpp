// libFuzzer entry point: the bytes are a data file, read as the viewer reads
// it in the reading process (open, catalog, table "Kelvor", every row).

#include "JetFileReader.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

// One file per fuzzing process, in memory where the system has /dev/shm.
QString inputPath() {
    static const QString path = [] {
        const QString dir = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                      : QDir::tempPath();
        return QStringLiteral("%1/tavrin-fuzz-%2.mdb").arg(dir).arg(getpid());
    }();
    return path;
}

struct RemoveAtExit {
    ~RemoveAtExit() { QFile::remove(inputPath()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString& path = inputPath();
    static const RemoveAtExit cleanup; // built after the path, so gone before it
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const tavrin::JetReadResult result =
        tavrin::JetFileReader::read(path, QStringLiteral("Kelvor"));
    // An answer is either a table or a message, never both or neither.
    if (result.ok() == !result.message.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
