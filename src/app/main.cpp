// Program entry: the application, the main window, the settings dialog, the event loop.
#include <QApplication>

#include "StTaikyoku/StTaikyoku.h"
#include "app/QuitAfterFirstPaint.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "main/State.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Only the name: a display name would also be appended to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    InstallFontSubstitutions();

    auto* mainWindow = new TFomKifu;
    Set_Taikyoku = new TSet_Taikyoku(mainWindow);

    QuitAfterFirstPaint quitter;
    quitter.WatchIfAsked(mainWindow);

    mainWindow->show();
    const int result = application.exec();
    delete mainWindow; // the dialog with it
    Set_Taikyoku = nullptr;
    return result;
}
