// The file named on the command line, opened in the editor once it is up.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QObject;

// With one input, opens it as soon as the event loop runs (so after the window has been
// shown) exactly as the menu's open does for a chosen file: same checks, same error box.
// `window` owns the pending call, so nothing runs once it is gone.
void OpenAtStart(QObject* window, const QStringList& inputs);
// The same for names as bytes, which need not be valid UTF-8.
void OpenAtStart(QObject* window, const std::vector<std::string>& inputs);
