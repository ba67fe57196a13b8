// The start-up floor of a Japanese interface: a window of the main window's size with a
// menu bar and one Japanese label, ended after its first paint as the benchmark's build
// of the editor is. Its text needs a Japanese face found through the system's fonts,
// which no Japanese window can avoid.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "QuitAfterFirstPaint.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QString::fromUtf8("ファイル(&F)"));
    window.setCentralWidget(new QLabel(QString::fromUtf8("　1 手目  黒")));
    window.resize(800, 600);
    QuitAfterFirstPaint quitter(&window);
    window.show();
    return application.exec();
}
