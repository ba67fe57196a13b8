#include "forms/EditMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

#include "drawing/DiagramFormats.h"
#include "forms/FomKifu.h"
#include "main/Clipboard.h"
#include "main/Diagram.h"

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

} // namespace

void MnuZahyouClick()
{
    // The item ticks itself when chosen; the layout follows the tick.
    FomKifu->ShowCoordinates(FomKifu->MnuZahyou->isChecked());
}

void MnuKifuCopyClick()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(GameAsText()));
}

QMimeData* BoardPictureData()
{
    // The figure the whole-board export saves; the description is worked out once.
    auto diagram = std::make_unique<Diagram>();
    DescribeExport(1, 1, BoardLines, BoardLines, *diagram);
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), Bytes(EncodeDiagram(*diagram, PictureFormat::Png)));
    data->setData(QStringLiteral("image/svg+xml"),
                  Bytes(EncodeDiagram(*diagram, PictureFormat::Svg)));
    return data;
}

void MnuBanCopyClick()
{
    QGuiApplication::clipboard()->setMimeData(BoardPictureData());
}

void MnuHaritukeClick()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        FomKifu->ShowErrorBox("クリップボードに貼り付ける棋譜がありません");
        return;
    }
    const PasteResult result = EnterGameText(text.toStdString());
    if (!result.entered && !result.message.empty())
        FomKifu->ShowErrorBox(result.message);
}
