// The floor: a bare Qt window showing one label, ending after its first frame.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Kelvor"));
    struct Watch : QObject {
        bool done = false;
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint && !done) {
                done = true;
                QTimer::singleShot(0, [] {
                    rusage usage{};
                    getrusage(RUSAGE_SELF, &usage);
                    std::printf("shown maxrss_kb=%ld\n", usage.ru_maxrss);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            }
            return QObject::eventFilter(o, e);
        }
    } watch;
    label.installEventFilter(&watch);
    label.show();
    return QApplication::exec();
}
