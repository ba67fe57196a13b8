#include "StTaikyoku/StTaikyoku.h"

TSet_Taikyoku* Set_Taikyoku = nullptr;

TSet_Taikyoku::TSet_Taikyoku(QWidget* parent) : QDialog(parent) {}
