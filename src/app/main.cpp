// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ApplicationIdentity.h"
#include "CommandLine.h"
#include "DesktopShell.h"
#include "Form1.h"
#include "Form2.h"
#include "JetTableReader.h"
#include "LocalPath.h"
#include "QSettingsStore.h"
#include "QtMessageSink.h"
#include "QtProgramEnd.h"
#include "SessionEnd.h"
#include "SettingsStore.h"
#include "WindowManager.h"
#include "X11WindowManager.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto exitCode = tavrin::CommandLine::handle(argc, argv)) {
        return *exitCode; // --help, --version, a refused argument, or no display
    }
    tavrin::preferXcbOnWayland(argc, argv);
    QApplication application(argc, argv);
    tavrin::ApplicationIdentity::apply();
    // The working directory as the file system names it, read this once; the
    // data file in it is read in a process of its own while the windows are built.
    const QString workingDirectory = tavrin::LocalPath::workingDirectory();
    tavrin::JetTableReader reader;
    reader.readAhead(tavrin::Form1::dataFilePath(workingDirectory), tavrin::Form1::tableName());

    tavrin::QtMessageSink messages;
    tavrin::QtProgramEnd programEnd;
    tavrin::QSettingsStore settings;
    tavrin::X11WindowManager x11WindowManager;
    tavrin::NoWindowManager noWindowManager;
    tavrin::WindowManager& windowManager =
        QGuiApplication::platformName() == QLatin1String("xcb")
            ? static_cast<tavrin::WindowManager&>(x11WindowManager)
            : noWindowManager;

    tavrin::DesktopShell shell;
    tavrin::Form1 form1(tavrin::Form1Platform{settings, windowManager, messages, programEnd, reader,
                                              [&shell] { tavrin::Form2::showModal(shell); },
                                              [&workingDirectory] { return workingDirectory; }});
    messages.setParentWindow(&form1);
    form1.load();
    if (programEnd.requested()) {
        return programEnd.exitCode();
    }
    form1.show();
    // Logging off closes the window from its frame; what fails then is
    // reported on standard error, as nobody may be there to click a box.
    const tavrin::SessionEnd sessionEnd(form1, [&messages] { messages.setUnattended(); });
    return QApplication::exec();
}
