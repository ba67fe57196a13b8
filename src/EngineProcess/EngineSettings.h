// The engine the user chose and its limits, kept for later runs in Qt's settings in the
// user's configuration folder. Nothing is written until the user sets something.
#pragma once

#include <QString>

#include "EngineProcess/EngineProcess.h"

namespace engine {

struct EngineSettings {
    QString program; // empty: no engine chosen
    EngineLimits limits;
};

// What was saved, with the defaults of EngineLimits for what never was.
EngineSettings LoadEngineSettings();
// Writes every field; called only when the user has chosen.
void SaveEngineSettings(const EngineSettings& settings);

} // namespace engine
