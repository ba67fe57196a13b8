// Program entry: the application, the main window, the settings dialog, the event loop.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdlib>

#include "StTaikyoku/StTaikyoku.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "main/State.h"

namespace {

// For start-up measurements: ends the run once the main window has first been painted.
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
    // Only the name: a display name would also be appended to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    InstallFontSubstitutions();

    auto* mainWindow = new TFomKifu;
    Set_Taikyoku = new TSet_Taikyoku(mainWindow);

    QuitAfterFirstPaint quitter;
    const char* quitAfterShow = std::getenv("KORVANE_QUIT_AFTER_SHOW");
    if (quitAfterShow != nullptr && *quitAfterShow != '\0' && *quitAfterShow != '0') {
        mainWindow->installEventFilter(&quitter);
    }

    mainWindow->show();
    const int result = application.exec();
    delete mainWindow; // the dialog with it
    Set_Taikyoku = nullptr;
    return result;
}
