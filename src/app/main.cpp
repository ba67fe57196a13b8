// Program entry: with no arguments the editor (application, main window,
// event loop); with a file the editor opening it; with a command its work and no window.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "CollectionWindow/CollectionWindow.h"
#include "StTaikyoku/StTaikyoku.h"
#include "app/AnalyseCommand.h"
#include "app/CommandLine.h"
#include "app/Commands.h"
#include "app/OpenAtStart.h"
#include "app/QtTranslation.h"
#include "app/SearchCommand.h"
#include "forms/EngineAnalysis.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "main/State.h"
#ifdef KORVANE_QUIT_AFTER_FIRST_PAINT
#include "QuitAfterFirstPaint.h" // the start-up benchmark's build of the editor only
#endif

namespace {

// As the bytes the system gave: a file name need not be valid text.
std::vector<std::string> ArgumentsOf(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

// Parses; on help or a bad argument prints and sets the exit status.
bool Parse(int argc, char** argv, CommandLine& line, int& status)
{
    QString message;
    switch (ParseCommandLineBytes(ArgumentsOf(argc, argv), line, message)) {
    case ParseResult::Run:
        return true;
    case ParseResult::Help:
        std::fputs(message.toLocal8Bit().constData(), stdout);
        status = 0;
        return false;
    case ParseResult::Error:
        std::fprintf(stderr, "korvane: %s\n", message.toLocal8Bit().constData());
        status = 2;
        return false;
    }
    return false;
}

int RunCommand(int argc, char** argv)
{
    CommandLine line;
    int status = 0;
    if (!Parse(argc, argv, line, status))
        return status;
    // Fonts and pictures need a GUI application, but no display: the offscreen platform.
    std::vector<char*> qtArguments{argv[0], const_cast<char*>("-platform"),
                                   const_cast<char*>("offscreen")};
    int qtArgc = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QGuiApplication application(qtArgc, qtArguments.data());
    QGuiApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    InstallFontSubstitutions();
    switch (line.command) {
    case CommandLine::Command::Export:
    case CommandLine::Command::ExportDir:
        return RunExportCommand(line);
    case CommandLine::Command::Forbidden:
        return RunForbiddenCommand(line);
    case CommandLine::Command::Vcf:
        return RunVcfCommand(line);
    case CommandLine::Command::Analyse:
        return RunAnalyseCommand(line);
    case CommandLine::Command::Convert:
        return RunConvertCommand(line);
    case CommandLine::Command::PrintMoves:
        return RunPrintMovesCommand(line);
    case CommandLine::Command::Search:
        return RunSearchCommand(line);
    case CommandLine::Command::Window:
        break;
    }
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (WantsNoWindow(argc, argv))
        return RunCommand(argc, argv);

    // Arguments are checked before anything is shown.
    CommandLine line;
    int status = 0;
    if (argc > 1 && !Parse(argc, argv, line, status))
        return status;

    QApplication application(argc, argv);
    // Only the name: a display name would also be appended to every window's caption.
    QApplication::setApplicationName(QString::fromUtf8(ApplicationTitle));
    // Ties the windows to the installed desktop entry (task bar icon under Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvane.Korvane"));
    InstallQtTranslation(application);
    InstallFontSubstitutions();

    // The game-settings dialog is built, as the window's child, when first asked for.
    auto* mainWindow = new TFomKifu;
    // After the window's own menus; it reads or writes nothing until a collection is opened.
    InstallCollectionMenu(mainWindow);
    if (!line.enginePath.isEmpty())
        mainWindow->Analysis().SetProgramForThisRun(line.enginePath);

#ifdef KORVANE_QUIT_AFTER_FIRST_PAINT
    QuitAfterFirstPaint quitter(mainWindow);
#endif

    mainWindow->show();
    OpenAtStart(mainWindow, line.inputPaths);
    const int result = application.exec();
    delete mainWindow; // the dialog with it
    Set_Taikyoku = nullptr;
    return result;
}
