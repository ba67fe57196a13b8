// Guards the bitmap export while it moves onto the diagram description: over the
// corpus, the bitmap rendered from the description is byte for byte the file that the
// picture export has always written.
#include <gtest/gtest.h>

#include "ExportCorpus.h"
#include "drawing/DiagramBitmap.h"
#include "drawing/ExportPicture.h"
#include "drawing/MonoBmp.h"
#include "main/Diagram.h"

namespace {

TEST(ExportBmpCorpus, TheDiagramsBitmapIsTodaysFileByteForByte)
{
    for (const ExportCase& c : ExportCorpus()) {
        for (const ExportRange& r : ExportRanges()) {
            SCOPED_TRACE(testing::Message() << c.name << ", range " << r.left << "," << r.top << ","
                                            << r.right << "," << r.bottom);
            ClearBoardState();
            c.setUp();
            ExportPicture today;
            today.Build(r.left, r.top, r.right, r.bottom);
            Diagram diagram;
            DescribeExport(r.left, r.top, r.right, r.bottom, diagram);
            QImage image;
            RenderDiagramBitmap(diagram, image);
            ASSERT_EQ(EncodeMonoBmp(image), EncodeMonoBmp(today.Image()));
        }
    }
}

} // namespace
