// Guards the bitmap export on the diagram description: over the corpus, the file is
// byte for byte what the picture export wrote when it drew straight from the state.
#include <gtest/gtest.h>

#include "ExportCorpus.h"
#include "LegacyExportPicture.h"
#include "drawing/DiagramBitmap.h"
#include "drawing/DiagramFormats.h"
#include "drawing/ExportPicture.h"
#include "drawing/MonoBmp.h"
#include "main/Diagram.h"

#include <QCryptographicHash>
#include <map>

namespace {

TEST(ExportBmpCorpus, TheDiagramsBitmapIsTodaysFileByteForByte)
{
    for (const ExportCase& c : ExportCorpus()) {
        for (const ExportRange& r : ExportRanges()) {
            SCOPED_TRACE(testing::Message() << c.name << ", range " << r.left << "," << r.top << ","
                                            << r.right << "," << r.bottom);
            ClearBoardState();
            c.setUp();
            LegacyExportPicture before;
            before.Build(r.left, r.top, r.right, r.bottom);
            Diagram diagram;
            DescribeExport(r.left, r.top, r.right, r.bottom, diagram);
            QImage image;
            RenderDiagramBitmap(diagram, image);
            const std::vector<std::uint8_t> file = EncodeMonoBmp(before.Image());
            ASSERT_EQ(EncodeMonoBmp(image), file);
            // The window's export picture is the same figure.
            ExportPicture window;
            window.Build(Described(r.left, r.top, r.right, r.bottom));
            ASSERT_EQ(EncodeMonoBmp(window.Image()), file);
        }
    }
}

} // namespace

namespace {

// Guards the pictures the bitmap is made of (blank board, stones, digit strips), which
// the reference above shares: the files of the positions without letters, whose bytes
// depend on no installed face, are fixed.
TEST(ExportBmpCorpus, FilesWithoutLettersKeepTheirBytes)
{
    const std::map<std::string, std::string> expected = {
        {"empty", "5852d769d2e2c6be75fadfee6e51653ea321e485"},
        {"numbers 1 to 225", "268c7699d609dc3444c94513b23842ac68303b2c"},
        {"game of 150", "6d4b3decfa6eb85ca3921e517bf1ab7b31e51129"},
        {"four-chase black", "73839d0a7fd324f90a5a82fdd7179b832341a675"},
        {"four-chase white from 5", "97576234484e8b2b0e489ef444c8b10f17d3f1ff"},
        {"first number 100, numbering off", "98a65cdd1353dac29da19e532f2ffcafadbb5ae6"},
        {"placed stones", "cdd773f163166f56384b449bf1922b3d863717ae"},
    };
    for (const ExportCase& c : ExportCorpus()) {
        if (c.name == "letters")
            continue;
        ClearBoardState();
        c.setUp();
        Diagram diagram;
        DescribeExport(1, 1, 15, 15, diagram);
        const std::vector<std::uint8_t> file = EncodeDiagram(diagram, PictureFormat::Bmp);
        const QByteArray sha1 = QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<int>(file.size())),
            QCryptographicHash::Sha1);
        EXPECT_EQ(sha1.toHex().toStdString(), expected.at(c.name)) << c.name;
    }
}

} // namespace
