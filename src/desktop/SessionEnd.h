// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace tavrin {

// The end of the desktop session, as the user logging off: SIGTERM and SIGHUP,
// with which a session ends the programs in it, SIGINT (Ctrl+C in the
// terminal that started the program), and the session manager's request to
// save before the session ends. Each closes the main window as a close from
// its frame does (its unload runs), after any modal window above it; the
// program then ends as it does once its last window is closed.
//
// Nobody may be there to answer a message box while a session ends: before
// the closing, `unattended` is called, to report on standard error what would
// wait for a click. A second signal ends the program at once, by that
// signal's own action, whatever the first one's closing is doing.
//
// The signals are taken through a pipe: the handler only writes the signal's
// number to it, and the closing runs from the event loop. One instance at a
// time; the signals go back to their earlier handling when it goes.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    explicit SessionEnd(QWidget& mainWindow, std::function<void()> unattended = {},
                        QObject* parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

    // Whether the signals are being watched (the pipe could be made).
    bool watching() const { return notifier_ != nullptr; }

    // Closes the modal windows, then the main window; once only.
    void end();

private:
    void readSignals();

    QPointer<QWidget> mainWindow_;
    std::function<void()> unattended_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool ended_ = false;
};

} // namespace tavrin
