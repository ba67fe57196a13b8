// What the main window does with keys and dropped files, apart from the window itself.
#pragma once

#include <QString>
#include <Qt>
#include <string>

class QMimeData;

using NavigationHandler = void (*)();

// The click handler of the navigation button a key stands for: Left and Right one move,
// Home and End to the first and the last, Page Up and Page Down (or Shift with Left and
// Right) two moves. nullptr for every other key and modifier.
NavigationHandler NavigationHandlerForKey(int key, Qt::KeyboardModifiers modifiers);

// The local path of the one game record or position a drag carries (by extension, else
// by size, as opening from the command line decides), or an empty string.
QString DroppedFilePath(const QMimeData* data);
// The same path as its bytes, percent-decoded from the drag's URI list, so that a name that
// is not valid UTF-8 still names its file. Any readable kind of the format table counts.
std::string DroppedFileBytes(const QMimeData* data);
