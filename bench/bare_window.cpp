// A yardstick of the start-up benchmark: an empty Qt window of the main window's size,
// ended after its first paint as the benchmark's build of the editor is.
#include <QApplication>
#include <QWidget>

#include "QuitAfterFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(800, 600);
    QuitAfterFirstPaint quitter(&window);
    window.show();
    return application.exec();
}
