// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The viewer as it starts for a user, ending as soon as its first frame with
// the table open has been painted; it prints its peak memory. Started by
// tavrin-bench, which times it from process start.

#include "DataControl.h"
#include "FirstFrameReport.h"
#include "Form1.h"
#include "JetTableReader.h"
#include "QtMessageSink.h"
#include "QtProgramEnd.h"
#include "SettingsStore.h"
#include "WindowManager.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tavrin::JetTableReader reader;
    reader.readAhead(tavrin::Form1::dataFilePath(QDir::currentPath()), tavrin::Form1::tableName());
    tavrin::QtMessageSink messages;
    tavrin::QtProgramEnd programEnd;
    tavrin::EmptySettingsStore settings;
    tavrin::NoWindowManager windowManager;
    tavrin::Form1 form(
        tavrin::Form1Platform{settings, windowManager, messages, programEnd, reader, {}, [] {
                                  return QDir::currentPath();
                              }});
    const FirstFrame firstFrame(
        form, [&form] { return form.Data1()->isOpen(); }, reportFirstFrameAndQuit);
    form.load();
    form.show();
    return QApplication::exec();
}
