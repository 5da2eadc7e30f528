// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QStringList>
#include <memory>

namespace tavrin {

class Form1;

// Lets a test drive one running copy of the viewer through its standard input
// and output. tavrin-copy is the viewer's own main.cpp with this file beside
// it: the control starts with the application object and takes the main
// window once it is shown. One line each, the fields separated by tabs:
//
// Reports:
//   shown <row> <rows> <Label1(0)> <Label2(0)> <frame x> <frame y> <window>
//       once the data control has made its first row current; the position is
//       where the window stands then, in pixels, and the last field the
//       window's id on the window system (its X window on xcb)
//   error <text>
//       a message box was shown (a data error or a handler error)
//   at <X1> <Y1> <frame x> <frame y>
//       the answer to "move" and "where": the texts a frame close would save
//       now, and where the window's frame stands, in pixels
//   closing
//       the window got its close event (reported once)
//
// Commands:
//   move <x> <y>   moves the window's frame to x, y in pixels
//   where          asks where the window stands (as the window system last
//                  told it, when something else moved it)
//   close          closes the window through its platform window, the way the
//                  window system delivers the close button on its frame (Qt
//                  marks such a close as not spontaneous, as it came from the
//                  program); the program then ends as it does for a user, its
//                  last window closed
//   dismiss        closes the modal message box that is open, as its OK does
// At the end of the standard input the program ends at once, saving nothing.
class CopyControl : public QObject {
    Q_OBJECT
public:
    // Watches every event of the application for message boxes and the main
    // window.
    explicit CopyControl(QObject* application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void attach(Form1& form);
    void reportShown();
    void reportWhere();
    void readCommands();
    void runCommand(const QByteArray& line);
    static void report(const QStringList& fields);

    QPointer<Form1> form_;
    std::unique_ptr<QSocketNotifier> input_;
    QByteArray pending_;
    bool shown_ = false;
    bool closing_ = false;
};

} // namespace tavrin
