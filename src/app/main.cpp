#include "DesktopShell.h"
#include "Form1.h"
#include "Form2.h"
#include "JetTableReader.h"
#include "QSettingsStore.h"
#include "QtMessageSink.h"
#include "QtProgramEnd.h"
#include "SessionEnd.h"
#include "SettingsStore.h"
#include "WindowManager.h"
#include "X11WindowManager.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    tavrin::preferXcbOnWayland(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    // The data file is read in a process of its own while the windows are built.
    const tavrin::JetTableReader::ReadAhead readAhead(
        tavrin::Form1::dataFilePath(QDir::currentPath()), tavrin::Form1::tableName());

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
    tavrin::Form1 form1(tavrin::Form1Platform{settings, windowManager, messages, programEnd,
                                              [&shell] { tavrin::Form2::showModal(shell); },
                                              [] { return QDir::currentPath(); }});
    messages.setParentWindow(&form1);
    form1.load();
    if (programEnd.requested()) {
        return programEnd.exitCode();
    }
    form1.show();
    // Logging off closes the window from its frame.
    const tavrin::SessionEnd sessionEnd(form1);
    return QApplication::exec();
}
