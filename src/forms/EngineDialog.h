// The engine dialog of 検討 → エンジンの設定: the engine's program, its time per move,
// threads and memory. A program can be tried from the dialog (started, asked START and
// ABOUT, ended), which shows the engine's name or why it would not start. The dialog only
// returns what the user confirmed; the caller keeps it.
#pragma once

#include <QDialog>
#include <optional>

#include "EngineProcess/EngineSettings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class EngineDialog : public QDialog {
    Q_OBJECT
public:
    EngineDialog(QWidget* parent, const engine::EngineSettings& current);

    // Shows the dialog modally; what OK confirmed with a program named, else nothing.
    static std::optional<engine::EngineSettings> Ask(QWidget* parent,
                                                     const engine::EngineSettings& current);

    engine::EngineSettings Chosen() const;
    // Starts the program named in the field once; the answer comes into the status label.
    void TryEngine();

    QLineEdit* EditProgram;
    QPushButton* BtnBrowse;
    QSpinBox* SpinTime;    // ms a move
    QSpinBox* SpinThreads; // 0: the engine's own choice
    QSpinBox* SpinMemory;  // MB; 0: the engine's own choice
    QPushButton* BtnTry;
    QLabel* LabelStatus;

private:
    void Browse();

    engine::EngineLimits limits_; // the parts the dialog does not show are kept
    engine::EngineProcess* trial_ = nullptr;
};
