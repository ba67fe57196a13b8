#include "drawing/ExportPicture.h"

#include "drawing/DiagramBitmap.h"
#include "drawing/MonoBmp.h"

void ExportPicture::Build(const Diagram& figure)
{
    diagram_ = figure;
    RenderDiagramBitmap(diagram_, image_);
}

bool ExportPicture::Encode(PictureFormat format, std::vector<std::uint8_t>& bytes,
                           const FigureSize& size) const
{
    // The bitmap is already drawn for the window.
    bytes = format == PictureFormat::Bmp ? EncodeMonoBmp(image_)
                                         : EncodeDiagram(diagram_, format, size);
    return true;
}

const QFont& ExportPicture::LetterFont() const
{
    return DiagramLetterFont();
}
