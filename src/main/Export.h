// Picture export commands: the whole board or a dragged range as a diagram, a .bmp as
// always or a figure for print (.svg, .pdf, .png) by the chosen name's extension.
#pragma once

#include <string>

#include "main/Port.h"

// By the extension of the name, in any case; any other name is a BMP.
PictureFormat PictureFormatOfName(const std::string& path);

void MnuWBHozonClick();
void MnuWBHaniSeteiClick();
void ImgBanMouseMove(bool leftButtonHeld, int x, int y);
void ImgBanMouseUp(int x, int y);
void SaveExportPicture();
