// The viewer as it starts for a user, ending as soon as its first frame with
// the table open has been painted; it prints its peak memory. Started by
// tavrin-bench, which times it from process start.

#include "DataControl.h"
#include "Form1.h"
#include "QtMessageSink.h"
#include "QtProgramEnd.h"
#include "SettingsStore.h"
#include "WindowManager.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(tavrin::Form1& form) : form_(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && form_.Data1()->isOpen() && !done_) {
            done_ = true;
            // Quit once this paint has reached the screen.
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown maxrss_kb=%ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    tavrin::Form1& form_;
    bool done_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tavrin::QtMessageSink messages;
    tavrin::QtProgramEnd programEnd;
    tavrin::EmptySettingsStore settings;
    tavrin::NoWindowManager windowManager;
    tavrin::Form1 form(tavrin::Form1Platform{
        settings, windowManager, messages, programEnd, {}, [] { return QDir::currentPath(); }});
    FirstFrame firstFrame(form);
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        widget->installEventFilter(&firstFrame);
    }
    form.load();
    form.show();
    return QApplication::exec();
}
