#include "forms/Fonts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>
#include <cstring>
#include <iterator>

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

constexpr const char* Faces[] = {FaceGothic, FacePGothic, FacePMincho};

// The installed face each of Faces maps to, once InstallFontSubstitutions has run.
QString Installed[std::size(Faces)];

int IndexOf(const char* face)
{
    for (std::size_t i = 0; i < std::size(Faces); ++i)
        if (std::strcmp(Faces[i], face) == 0)
            return static_cast<int>(i);
    return -1;
}

void Substitute(const char* face, const QStringList& preferred, const QStringList& anyJapanese,
                const QStringList& installed)
{
    QStringList list = preferred;
    for (const QString& family : anyJapanese) {
        if (!list.contains(family)) {
            list.append(family);
        }
    }
    QFont::insertSubstitutions(QString::fromUtf8(face), list);
    // The face Qt would settle on for the name. An installed name is taken as it is;
    // only when none of them is installed is fontconfig asked whether it aliases one,
    // which runs the whole configuration's rules, more than a millisecond at start-up.
    const QStringList candidates = QStringList{QString::fromUtf8(face)} + list;
    for (const QString& family : candidates) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            Installed[IndexOf(face)] = family;
            return;
        }
    }
    for (const QString& family : candidates) {
        if (QFontDatabase::hasFamily(family)) {
            Installed[IndexOf(face)] = family;
            return;
        }
    }
}

} // namespace

void InstallFontSubstitutions()
{
    // Any face that can show Japanese is better than a fallback drawing empty boxes.
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    const QStringList installed = QFontDatabase::families();
    Substitute(FaceGothic, {"IPAGothic", "Noto Sans CJK JP"}, japanese, installed);
    Substitute(FacePGothic, {"IPAPGothic", "Noto Sans CJK JP"}, japanese, installed);
    Substitute(FacePMincho, {"IPAPMincho", "Noto Serif CJK JP"}, japanese, installed);
}

QFont WindowFont(const char* face, int pixelHeight, bool bold)
{
    const int known = IndexOf(face);
    QFont font(known >= 0 && !Installed[known].isEmpty() ? Installed[known]
                                                         : QString::fromUtf8(face));
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
