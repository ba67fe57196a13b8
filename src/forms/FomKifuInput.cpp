// The main window's keyboard, wheel and drop handling, and the fit of its frame: each only runs
// what a control of the window already runs (a navigation button's handler, the menu's open).
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <string>
#include <vector>

#include "forms/FomKifu.h"
#include "forms/ImageBox.h"
#include "forms/WindowInput.h"
#include "main/Files.h"
#include "main/Moves.h"
#include "main/Variations.h"

NavigationHandler NavigationHandlerForKey(int key, Qt::KeyboardModifiers modifiers)
{
    // The arrows of the number pad carry the keypad flag; it changes nothing.
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Left:
            return BitBack1Click;
        case Qt::Key_Right:
            return BitGo1Click;
        case Qt::Key_Home:
            return BitBackAllClick;
        case Qt::Key_End:
            return BitGoAllClick;
        case Qt::Key_PageUp:
            return BitBack2Click;
        case Qt::Key_PageDown:
            return BitGo2Click;
        case Qt::Key_Up:
            return MnuPrevVariationClick;
        case Qt::Key_Down:
            return MnuNextVariationClick;
        default:
            return nullptr;
        }
    }
    if (modifiers == Qt::ShiftModifier) {
        if (key == Qt::Key_Left) {
            return BitBack2Click;
        }
        if (key == Qt::Key_Right) {
            return BitGo2Click;
        }
    }
    return nullptr;
}

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The path of a local file:// URI as bytes; empty for any other URI or a bad escape.
std::string LocalPathOf(const QByteArray& uri)
{
    QByteArray rest;
    if (uri.startsWith("file:///"))
        rest = uri.mid(7);
    else if (uri.startsWith("file://localhost/"))
        rest = uri.mid(16);
    else
        return std::string();
    std::string path;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            path += rest[i];
            continue;
        }
        const int high = i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(rest[i + 2]) : -1;
        if (low < 0 || (high == 0 && low == 0))
            return std::string();
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
}

} // namespace

std::string DroppedFileBytes(const QMimeData* data)
{
    // The URI list itself, decoded here: QUrl would turn a name that is not UTF-8 into
    // other bytes than the file has.
    if (data == nullptr || !data->hasFormat(QStringLiteral("text/uri-list")))
        return std::string();
    std::vector<QByteArray> uris;
    for (QByteArray line : data->data(QStringLiteral("text/uri-list")).split('\n')) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            uris.push_back(line);
    }
    if (uris.size() != 1)
        return std::string();
    const std::string path = LocalPathOf(uris.front());
    if (path.empty() || KindOfFile(path) == OpenedKind::Unknown)
        return std::string();
    return path;
}

QString DroppedFilePath(const QMimeData* data)
{
    return QFile::decodeName(QByteArray::fromStdString(DroppedFileBytes(data)));
}

namespace {

// Widgets that use these keys themselves keep them: the edit fields move their cursor,
// the letter chooser its letter, the menu bar its highlight.
bool KeepsNavigationKeys(const QObject* receiver)
{
    return qobject_cast<const QLineEdit*>(receiver) != nullptr ||
           qobject_cast<const QAbstractSlider*>(receiver) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(receiver) != nullptr ||
           qobject_cast<const QComboBox*>(receiver) != nullptr ||
           qobject_cast<const QMenuBar*>(receiver) != nullptr;
}

} // namespace

void TFomKifu::SetUpInput()
{
    // Keys and drops may land on any control of the window (the status box takes both
    // for itself otherwise), so the window looks at them before the control does.
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    connect(ImgBan, &ImageBox::WheelSteps, this, [](int steps) {
        for (; steps > 0; --steps) {
            BitBack1Click();
        }
        for (; steps < 0; ++steps) {
            BitGo1Click();
        }
    });
}

bool TFomKifu::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Expose:
        // A window manager has framed the window by its first expose and told its
        // extents; only now can the client be fitted to the outer size.
        if (watched == windowHandle() && !frameFitted_) {
            QTimer::singleShot(0, this, [this] { FitOuterSize(); });
        }
        return false;
    case QEvent::KeyPress:
        return KeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return DragOrDrop(watched, event);
    default:
        return false;
    }
}

bool TFomKifu::KeyPress(QObject* receiver, QKeyEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != this || KeepsNavigationKeys(receiver)) {
        return false;
    }
    const NavigationHandler handler = NavigationHandlerForKey(event->key(), event->modifiers());
    if (handler == nullptr) {
        return false;
    }
    handler();
    event->accept();
    return true;
}

bool TFomKifu::DragOrDrop(QObject* receiver, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    auto* drop = static_cast<QDropEvent*>(event); // DragEnter and DragMove derive from it
    const std::string path = DroppedFileBytes(drop->mimeData());
    if (path.empty()) {
        return false;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        // After the drop has finished, so an error box does not hold up the file manager.
        QTimer::singleShot(0, this, [path] {
            bool asked = false;
            if (KeepAnalysis(asked))
                OpenPath(path);
        });
    }
    return true;
}
