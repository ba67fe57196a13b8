#include "drawing/ExportPicture.h"

#include "drawing/DiagramBitmap.h"

void ExportPicture::Build(const Diagram& figure)
{
    diagram_ = figure;
    RenderDiagramBitmap(diagram_, image_);
}

const QFont& ExportPicture::LetterFont() const
{
    return DiagramLetterFont();
}
