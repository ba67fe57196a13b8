#include "app/OpenAtStart.h"

#include <QFile>
#include <QTimer>
#include <string>

#include "main/Files.h"

void OpenAtStart(QObject* window, const QStringList& inputs)
{
    if (inputs.size() != 1) {
        return;
    }
    const std::string path = QFile::encodeName(inputs.first()).toStdString();
    QTimer::singleShot(0, window, [path] { OpenPath(path); });
}

void OpenAtStart(QObject* window, const std::vector<std::string>& inputs)
{
    if (inputs.size() != 1)
        return;
    const std::string path = inputs.front();
    QTimer::singleShot(0, window, [path] { OpenPath(path); });
}
