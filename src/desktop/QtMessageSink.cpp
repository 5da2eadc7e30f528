// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "QtMessageSink.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

namespace tavrin {

namespace {

// For a user who started the program from a terminal: the text on one line.
void writeLine(const QString& text) {
    QString line = text;
    line.replace(u'\n', u' ');
    std::fprintf(stderr, "tavrin: %s\n", line.toLocal8Bit().constData());
}

} // namespace

void QtMessageSink::showDataError(const QString& text) {
    writeLine(text);
    auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, window_);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void QtMessageSink::showHandlerError(const QString& text) {
    if (unattended_) {
        writeLine(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tavrin
