// The menu 編集 (the clipboard) and the coordinates item of 各種設定: the handlers the control
// table connects. The clipboard is reached here; what its text means is the logic's.
#pragma once

class QMimeData;

void MnuZahyouClick();
void MnuKifuCopyClick();
void MnuBanCopyClick();
void MnuHaritukeClick();

// The whole board's export figure, as the picture export describes it now, in PNG and SVG.
QMimeData* BoardPictureData();
