// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CopyControl.h"

#include "DataControl.h"
#include "Form1.h"
#include "WindowPositionMemory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace tavrin {

CopyControl::CopyControl(QObject* application) : QObject(application) {
    application->installEventFilter(this);
}

bool CopyControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (const auto* box = qobject_cast<QMessageBox*>(watched)) {
            report({QStringLiteral("error"), box->text()});
        } else if (auto* form = qobject_cast<Form1*>(watched); form && !form_) {
            attach(*form);
        }
        break;
    case QEvent::Close:
        if (watched == form_ && !closing_) {
            closing_ = true;
            report({QStringLiteral("closing")});
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CopyControl::attach(Form1& form) {
    form_ = &form;
    input_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
    connect(input_.get(), &QSocketNotifier::activated, this, &CopyControl::readCommands);
    connect(form.Data1(), &DataControl::currentRowChanged, this, &CopyControl::reportShown);
    if (form.Data1()->isOpen()) {
        reportShown();
    }
}

void CopyControl::reportShown() {
    if (shown_ || !form_) {
        return;
    }
    shown_ = true;
    const auto text = [this](const char* name) {
        const auto* label = form_->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("(none)");
    };
    const QPoint frame = form_->frameGeometry().topLeft();
    report({QStringLiteral("shown"), QString::number(form_->Data1()->currentRow()),
            QString::number(form_->Data1()->rowCount()), text("Label1(0)"), text("Label2(0)"),
            QString::number(frame.x()), QString::number(frame.y()),
            QString::number(form_->winId())});
}

void CopyControl::reportWhere() {
    const QPoint frame = form_->frameGeometry().topLeft();
    report({QStringLiteral("at"),
            WindowPositionMemory::toText(static_cast<float>(form_->leftTwips())),
            WindowPositionMemory::toText(static_cast<float>(form_->topTwips())),
            QString::number(frame.x()), QString::number(frame.y())});
}

void CopyControl::readCommands() {
    char buffer[256];
    const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (count <= 0) {
        // The test that started this copy is gone.
        input_->setEnabled(false);
        QCoreApplication::exit(3);
        return;
    }
    pending_.append(buffer, count);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end).trimmed();
        pending_.remove(0, end + 1);
        runCommand(line);
    }
}

void CopyControl::runCommand(const QByteArray& line) {
    const QList<QByteArray> words = line.split(' ');
    if (words.value(0) == "move" && words.size() == 3 && form_) {
        form_->move(words[1].toInt(), words[2].toInt());
        QCoreApplication::processEvents();
        reportWhere();
    } else if (words.value(0) == "where" && form_) {
        reportWhere();
    } else if (words.value(0) == "close" && form_) {
        form_->windowHandle()->close();
    } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
               words.value(0) == "dismiss" && box != nullptr) {
        box->done(QMessageBox::Ok);
    } else {
        report({QStringLiteral("unknown"), QString::fromUtf8(line)});
    }
}

void CopyControl::report(const QStringList& fields) {
    std::fputs(fields.join(QLatin1Char('\t')).toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

} // namespace tavrin

namespace {

// Runs while the application object is being made, before main() goes on.
void startCopyControl() {
    new tavrin::CopyControl(QCoreApplication::instance());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startCopyControl)
