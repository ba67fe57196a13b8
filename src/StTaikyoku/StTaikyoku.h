// The game-settings dialog Set_Taikyoku: opening and players' names. Created once
// after the main window and shown modally again and again, so its controls keep
// their contents between showings.
#pragma once

#include <QDialog>
#include <optional>

#include "main/Port.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TSet_Taikyoku : public QDialog {
    Q_OBJECT
public:
    explicit TSet_Taikyoku(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* ComboSyukei;
    QLabel* Label2;
    QLineEdit* Edit_Kuro;
    QLabel* Label3;
    QLineEdit* Edit_Siro;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Shows the dialog modally, loaded with `current`; what OK confirmed, else nothing.
    std::optional<GameSettings> Ask(const GameSettings& current);
    // What the next showing loads, and what the last closing gave.
    void Preload(const GameSettings& current) { current_ = current; }
    const std::optional<GameSettings>& Result() const { return result_; }

    // Preloads the controls from the game information; runs on every showing.
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();

    // Esc and the title-bar close box end here: both count as Cancel.
    void reject() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Centred by its outer frame: at once, and again once a window manager has framed it.
    void CentreOnScreen();
    bool centreWhenFramed_ = false;
    GameSettings current_;
    std::optional<GameSettings> result_;
};

extern TSet_Taikyoku* Set_Taikyoku;
