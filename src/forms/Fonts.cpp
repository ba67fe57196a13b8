#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

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
