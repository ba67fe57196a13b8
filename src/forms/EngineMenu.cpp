#include "forms/EngineMenu.h"

#include <QAction>

#include "forms/EngineAnalysis.h"
#include "forms/FomKifu.h"

void MnuEngineSetteiClick()
{
    FomKifu->Analysis().ChooseEngine();
}

void MnuKentouSuruClick()
{
    // The item ticks itself when chosen; the analysis follows the tick, and takes it back
    // when no engine can be started.
    FomKifu->Analysis().SetAnalysing(FomKifu->MnuKentouSuru->isChecked());
}

void MnuAiUtasuClick()
{
    FomKifu->Analysis().AskMove();
}

void MnuEngineLogClick()
{
    FomKifu->Analysis().ShowLog();
}
