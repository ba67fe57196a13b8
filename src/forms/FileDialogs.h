// The shared file-open and file-save dialogs of the main window.
#pragma once

#include <QString>
#include <string>

#include "main/Port.h"

class QFileDialog;
class QWidget;

// "desc|*.ext" (pairs may repeat: "a|*.x|b|*.y") becomes Qt's "desc (*.ext)" list.
QString QtNameFilters(const std::string& filter);

// A non-native dialog of the kind: no default extension, the open dialog takes names of
// files that do not exist yet, the save dialog never asks about replacing (the command
// asks that question itself).
QFileDialog* CreateFileDialog(QWidget* parent, FileDialogKind kind);

// Proposes the name, sets the filter and runs the dialog; false on cancel.
bool RunFileDialog(QFileDialog& dialog, const std::string& fileName, const std::string& filter,
                   std::string& chosen);
