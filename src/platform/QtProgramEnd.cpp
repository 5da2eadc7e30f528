#include "QtProgramEnd.h"

#include <QCoreApplication>

namespace tavrin {

void QtProgramEnd::endNow(int exitCode) {
    requested_ = true;
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

} // namespace tavrin
