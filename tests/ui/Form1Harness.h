// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// A main window over recording fakes, started as the program starts it.

#include "DataControl.h"
#include "Fakes.h"
#include "Form1.h"
#include "JetFixture.h"
#include "JetTableReader.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace tavrin::test {

struct Form1Harness {
    explicit Form1Harness(QString directory) : directory_(std::move(directory)) {}

    // Loads and shows the window and, unless told not to, waits until the
    // data control has read: as long as the reader may take, so that a slow
    // build under a loaded machine still reads.
    Form1& start(bool waitForRead = true) {
        form = std::make_unique<Form1>(Form1Platform{settings, windowManager, messages, programEnd,
                                                     reader, [this] { ++informationShown; },
                                                     [this] { return directory_; }});
        form->load();
        QSignalSpy read(form->Data1(), &DataControl::readFinished);
        form->show();
        if (waitForRead && read.isEmpty()) {
            read.wait(JetTableReader::kTimeLimitMs + 5000);
        }
        QCoreApplication::processEvents();
        return *form;
    }

    QLabel* label(const QString& objectName) const { return form->findChild<QLabel*>(objectName); }

    MemorySettingsStore settings;
    RecordingWindowManager windowManager;
    RecordingMessages messages;
    RecordingProgramEnd programEnd;
    // The reading program of this build, unless a test sets another.
    JetTableReader reader{builtReader()};
    int informationShown = 0;
    std::unique_ptr<Form1> form;

private:
    QString directory_;
};

} // namespace tavrin::test
