#include "drawing/DiagramFormats.h"

#include <QImage>

#include "drawing/DiagramBitmap.h"
#include "drawing/DiagramPaint.h"
#include "drawing/DiagramSvg.h"
#include "drawing/MonoBmp.h"

std::vector<std::uint8_t> EncodeDiagram(const Diagram& diagram, PictureFormat format,
                                        const FigureSize& size)
{
    switch (format) {
    case PictureFormat::Svg: {
        const std::string svg = EncodeDiagramSvg(diagram, size.cellMm);
        return {svg.begin(), svg.end()};
    }
    case PictureFormat::Pdf:
        return EncodeDiagramPdf(diagram, size.cellMm);
    case PictureFormat::Png:
        return EncodeDiagramPng(diagram, size.cellPx, size.cellMm);
    case PictureFormat::Bmp:
        break;
    }
    QImage image;
    RenderDiagramBitmap(diagram, image);
    return EncodeMonoBmp(image);
}
