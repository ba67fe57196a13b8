#include "forms/Fonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

namespace {

// Swallows the font changes sent to one widget until its first showing, then sends it
// one font change for them all, before anything is painted.
class FontChangeOnShow : public QObject {
public:
    explicit FontChangeOnShow(QWidget* widget) : QObject(widget)
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange) {
            held_ = true;
            return true;
        }
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            if (held_) {
                QEvent change(QEvent::FontChange);
                QCoreApplication::sendEvent(watched, &change);
            }
            deleteLater();
        }
        return false;
    }

private:
    bool held_ = false;
};

void Substitute(const char* face, const QStringList& preferred, const QStringList& anyJapanese)
{
    QStringList list = preferred;
    for (const QString& family : anyJapanese) {
        if (!list.contains(family)) {
            list.append(family);
        }
    }
    QFont::insertSubstitutions(QString::fromUtf8(face), list);
}

} // namespace

void InstallFontSubstitutions()
{
    // Any face that can show Japanese is better than a fallback drawing empty boxes.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    Substitute(FaceGothic, {"IPAGothic", "Noto Sans CJK JP"}, japanese);
    Substitute(FacePGothic, {"IPAPGothic", "Noto Sans CJK JP"}, japanese);
    Substitute(FacePMincho, {"IPAPMincho", "Noto Serif CJK JP"}, japanese);
}

QFont WindowFont(const char* face, int pixelHeight, bool bold)
{
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void LayOutFontsWhenShown(QWidget* widget)
{
    new FontChangeOnShow(widget);
    for (QWidget* child : widget->findChildren<QWidget*>())
        new FontChangeOnShow(child);
}
