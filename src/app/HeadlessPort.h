// The window of the commands that run without one: nothing is drawn or asked, and the
// error box's message goes to standard error, after the name of the file at hand.
#pragma once

#include <QString>
#include <string>

#include "main/NullPort.h"

class HeadlessPort : public NullPort {
public:
    void ShowErrorBox(const std::string& message) override;

    // The file that the next error is about.
    std::string currentFile; // as given, in bytes
};

// Makes a HeadlessPort the logic's window and starts the logic as the editor does.
HeadlessPort& StartHeadless();

// Opens INPUT (a .kif or .dat, by its extension, else its size) as the menu's open does,
// from a fresh start. False, with the message on standard error, when it is refused.
bool OpenInput(const std::string& path);
