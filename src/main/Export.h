// Picture export commands: the whole board or a dragged range as a .bmp diagram.
#pragma once

void MnuWBHozonClick();
void MnuWBHaniSeteiClick();
void ImgBanMouseMove(bool leftButtonHeld, int x, int y);
void ImgBanMouseUp(int x, int y);
void SaveExportPicture();
