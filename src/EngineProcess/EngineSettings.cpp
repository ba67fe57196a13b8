#include "EngineProcess/EngineSettings.h"

#include <QSettings>

namespace engine {

EngineSettings LoadEngineSettings()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvane"),
                          QStringLiteral("Korvane"));
    EngineSettings settings;
    const EngineLimits defaults;
    settings.program = store.value("engine/program").toString();
    settings.limits.turnMs = store.value("engine/turnMs", defaults.turnMs).toInt();
    settings.limits.threads = store.value("engine/threads", defaults.threads).toInt();
    settings.limits.memoryBytes =
        store.value("engine/memoryBytes", defaults.memoryBytes).toLongLong();
    return settings;
}

void SaveEngineSettings(const EngineSettings& settings)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvane"),
                    QStringLiteral("Korvane"));
    store.setValue("engine/program", settings.program);
    store.setValue("engine/turnMs", settings.limits.turnMs);
    store.setValue("engine/threads", settings.limits.threads);
    store.setValue("engine/memoryBytes", settings.limits.memoryBytes);
}

} // namespace engine
