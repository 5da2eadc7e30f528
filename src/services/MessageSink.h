// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace tavrin {

// Where the program's own reports to the user go: the data control's report
// of a file it cannot open (the program keeps running), and the error box of
// a handler that failed (the program ends after it).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showDataError(const QString& text) = 0;
    virtual void showHandlerError(const QString& text) = 0;
};

} // namespace tavrin
