// The modal boxes of the main window: the two kinds of question and the error box.
#pragma once

#include <QString>

#include "main/Port.h"

class QWidget;

// Information: "情報", information icon, "OK" / "キャンセル".
// Confirmation: "確認", question icon, "はい(&Y)" / "いいえ(&N)".
// Escape and the close box answer Cancel, in both kinds.
Answer RunQuestionBox(QWidget* parent, QuestionKind kind, const QString& text);

// "情報", information icon, one "OK" button: a notice, not a question.
void RunInformationBox(QWidget* parent, const QString& text);

// Error icon, caption "Korvane", one OK button.
void RunErrorBox(QWidget* parent, const QString& text);
