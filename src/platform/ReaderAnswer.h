#pragma once

#include "JetReadResult.h"

#include <QByteArray>

namespace tavrin {

// A read's result as the reading program hands it to the viewer, and back.
class ReaderAnswer {
public:
    static QByteArray encode(const JetReadResult& result);
    static bool decode(const QByteArray& bytes, JetReadResult& result);
};

} // namespace tavrin
