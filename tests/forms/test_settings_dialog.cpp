// The settings dialog as a window: its layout, fonts and texts, what showing it
// loads, and how Enter, Esc, the buttons and the close box end it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>

#include "StTaikyoku/StTaikyoku.h"

namespace {

TEST(SettingsDialog, HasItsCaptionSizeAndFont)
{
    TSet_Taikyoku dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "対局設定");
    EXPECT_EQ(dialog.size(), QSize(386, 212));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "fixed border";
    EXPECT_EQ(dialog.font().family().toStdString(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(dialog.font().pixelSize(), 12);
}

TEST(SettingsDialog, ControlsStandWhereTheyBelongWithTheirFontsAndTexts)
{
    TSet_Taikyoku d;
    const struct {
        QWidget* widget;
        const char* name;
        QRect rect;
        const char* family;
        int pixels;
        const char* text;
    } cases[] = {
        {d.Label1, "Label1", {38, 30, 51, 19}, "ＭＳ Ｐ明朝", 19, "珠　型"},
        {d.ComboSyukei, "ComboSyukei", {32, 55, 78, 24}, "ＭＳ Ｐ明朝", 16, ""},
        {d.Label2, "Label2", {145, 57, 19, 19}, "ＭＳ Ｐゴシック", 19, "黒"},
        {d.Edit_Kuro, "Edit_Kuro", {175, 55, 161, 24}, "ＭＳ Ｐゴシック", 16, ""},
        {d.Label3, "Label3", {145, 102, 19, 19}, "ＭＳ Ｐゴシック", 19, "白"},
        {d.Edit_Siro, "Edit_Siro", {175, 100, 161, 24}, "ＭＳ Ｐゴシック", 16, ""},
        {d.OKBtn, "OKBtn", {175, 145, 75, 25}, "ＭＳ Ｐゴシック", 12, "OK"},
        {d.CancelBtn, "CancelBtn", {262, 145, 75, 25}, "ＭＳ Ｐゴシック", 12, "ｷｬﾝｾﾙ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.widget->objectName().toStdString(), c.name);
        EXPECT_EQ(c.widget->geometry(), c.rect);
        EXPECT_EQ(c.widget->font().family().toStdString(), c.family);
        EXPECT_EQ(c.widget->font().pixelSize(), c.pixels);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(c.widget))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(c.widget))
            text = button->text();
        EXPECT_EQ(text.toStdString(), c.text);
    }
    EXPECT_EQ(d.Edit_Kuro->maxLength(), 30);
    EXPECT_EQ(d.Edit_Siro->maxLength(), 30);
    EXPECT_TRUE(d.OKBtn->isDefault());
    EXPECT_FALSE(d.CancelBtn->isDefault());
}

TEST(SettingsDialog, ListHoldsTheTwentySixNamesWithNothingSelected)
{
    TSet_Taikyoku d;
    const char* const names[26] = {"寒星", "渓月", "疎星", "花月", "残月", "雨月", "金星",
                                   "松月", "丘月", "新月", "瑞星", "山月", "長星", "峡月",
                                   "恒星", "水月", "流星", "雲月", "浦月", "嵐月", "銀月",
                                   "明星", "斜月", "名月", "遊星", "彗星"};
    ASSERT_EQ(d.ComboSyukei->count(), 26);
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(d.ComboSyukei->itemText(i).toStdString(), names[i]) << i;
    EXPECT_FALSE(d.ComboSyukei->isEditable());
    EXPECT_EQ(d.ComboSyukei->currentIndex(), -1);
}

TEST(SettingsDialog, TabOrderRunsListBlackWhiteOkCancel)
{
    TSet_Taikyoku d;
    QWidget* expected[] = {d.ComboSyukei, d.Edit_Kuro, d.Edit_Siro, d.OKBtn, d.CancelBtn};
    for (int i = 0; i + 1 < 5; ++i) {
        QWidget* next = expected[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, expected[i + 1]) << i;
    }
}

// Showing loads the game information: the opening's entry and both names.
TEST(SettingsDialog, ShowingPreloadsTheGameInformationAndCentres)
{
    TSet_Taikyoku d;
    d.Preload({5, "黒田", "White"});
    d.show();
    EXPECT_EQ(d.ComboSyukei->currentIndex(), 4);
    EXPECT_EQ(d.Edit_Kuro->text().toStdString(), "黒田");
    EXPECT_EQ(d.Edit_Siro->text().toStdString(), "White");
    const QPoint screenCentre = d.screen()->availableGeometry().center();
    EXPECT_LE((d.frameGeometry().center() - screenCentre).manhattanLength(), 2);
    d.hide();

    // Without an opening the list keeps what it showed last time.
    d.Preload({0, "", ""});
    d.ComboSyukei->setCurrentIndex(9);
    d.show();
    EXPECT_EQ(d.ComboSyukei->currentIndex(), 9);
    d.hide();
}

struct Ending {
    const char* name;
    std::function<void(TSet_Taikyoku&)> act;
    bool confirmed;
    int accepted;
};

// Enter and OK confirm with what the dialog shows; Esc, Cancel and the close box give
// nothing back, even after an earlier confirmation.
TEST(SettingsDialog, EndsByItsButtonsKeysAndCloseBox)
{
    const Ending cases[] = {
        {"Enter", [](TSet_Taikyoku& d) { QTest::keyClick(&d, Qt::Key_Return); }, true,
         QDialog::Accepted},
        {"OK", [](TSet_Taikyoku& d) { QTest::mouseClick(d.OKBtn, Qt::LeftButton); }, true,
         QDialog::Accepted},
        {"Esc", [](TSet_Taikyoku& d) { QTest::keyClick(&d, Qt::Key_Escape); }, false,
         QDialog::Rejected},
        {"Cancel", [](TSet_Taikyoku& d) { QTest::mouseClick(d.CancelBtn, Qt::LeftButton); }, false,
         QDialog::Rejected},
        {"close box", [](TSet_Taikyoku& d) { d.close(); }, false, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TSet_Taikyoku d;
        QTimer::singleShot(0, &d, [&] { QTest::mouseClick(d.OKBtn, Qt::LeftButton); });
        ASSERT_TRUE(d.Ask({3, "Old", ""})); // an earlier confirmation
        d.ComboSyukei->setCurrentIndex(-1);
        QTimer::singleShot(0, &d, [&] {
            d.ComboSyukei->setCurrentIndex(6);
            d.Edit_Kuro->setText("Kuro");
            c.act(d);
        });
        const std::optional<GameSettings> got = d.Ask({});
        EXPECT_EQ(d.result(), c.accepted);
        ASSERT_EQ(got.has_value(), c.confirmed);
        if (got) {
            EXPECT_EQ(got->opening, 7);
            EXPECT_EQ(got->blackName, "Kuro");
            EXPECT_EQ(got->whiteName, "");
        }
    }
}

} // namespace
