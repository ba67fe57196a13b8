// A control whose face is laid out only when it is first shown must look exactly like
// one given the face at once, and answer the face before it is shown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "forms/Fonts.h"

namespace {

// A hidden holder with a text field and a drop-down list, given `face` at once or held
// back until shown; the holder is shown and pictured.
QImage Picture(bool heldBack, const QFont& face)
{
    QWidget holder;
    holder.resize(260, 80);
    auto* edit = new QLineEdit(QString::fromUtf8(" 珠型 ： 花月"), &holder);
    edit->setGeometry(10, 10, 180, 27);
    auto* combo = new QComboBox(&holder);
    combo->setGeometry(10, 45, 120, 24);
    combo->addItem(QString::fromUtf8("渓月"));
    if (heldBack)
        LayOutFontsWhenShown(&holder);
    holder.setFont(face);
    EXPECT_EQ(edit->font().family(), face.family());
    EXPECT_EQ(combo->font().pixelSize(), face.pixelSize());
    holder.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&holder));
    return holder.grab().toImage();
}

TEST(FontsWhenShown, AHeldBackFaceLooksTheSameOnceShown)
{
    InstallFontSubstitutions();
    for (const char* face : {FacePMincho, FacePGothic}) {
        SCOPED_TRACE(face);
        const QFont font = WindowFont(face, 19);
        const QImage atOnce = Picture(false, font);
        const QImage held = Picture(true, font);
        EXPECT_EQ(held, atOnce);
        // The face matters: the plain window face draws the same text differently.
        EXPECT_NE(Picture(false, WindowFont(FaceGothic, 12)), atOnce);
    }
}

} // namespace
