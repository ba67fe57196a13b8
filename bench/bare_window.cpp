// The yardstick of the start-up benchmark: an empty Qt window of the main window's size,
// started and ended the same way as the editor (KORVANE_QUIT_AFTER_SHOW=1 ends it after
// its first paint).
#include <QApplication>
#include <QWidget>

#include "app/QuitAfterFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(800, 600);
    QuitAfterFirstPaint quitter;
    quitter.WatchIfAsked(&window);
    window.show();
    return application.exec();
}
