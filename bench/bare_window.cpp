// The yardstick of the start-up benchmark: an empty Qt window of the main window's size,
// started and ended the same way as the editor (KORVANE_QUIT_AFTER_SHOW=1 ends it after
// its first paint).
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            // exit(), not quit(): quit() would close the windows first and ask.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(800, 600);
    QuitAfterFirstPaint quitter;
    const char* quitAfterShow = std::getenv("KORVANE_QUIT_AFTER_SHOW");
    if (quitAfterShow != nullptr && *quitAfterShow != '\0' && *quitAfterShow != '0') {
        window.installEventFilter(&quitter);
    }
    window.show();
    return application.exec();
}
