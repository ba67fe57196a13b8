// The game-settings dialog Set_Taikyoku: opening and players' names.
#pragma once

#include <QDialog>

class TSet_Taikyoku : public QDialog {
    Q_OBJECT
public:
    explicit TSet_Taikyoku(QWidget* parent = nullptr);
};

extern TSet_Taikyoku* Set_Taikyoku;
