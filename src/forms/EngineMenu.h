// The menu 検討 (an engine's analysis and play): the handlers the control table connects.
#pragma once

void MnuEngineSetteiClick();
void MnuKentouSuruClick();
void MnuAiUtasuClick();
void MnuEngineLogClick();
