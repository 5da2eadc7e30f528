#include "QtMessageSink.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tavrin {

void QtMessageSink::showDataError(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, window_);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void QtMessageSink::showHandlerError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace tavrin
