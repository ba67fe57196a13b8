// Qt's own texts in the window's dialogs and menus are Japanese like the rest, and the
// file dialogs show each filter once, as written.
#include "test_main_window_fixture.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "app/QtTranslation.h"
#include "main/Files.h"

namespace {

class QtInJapanese : public MainWindowTest {
protected:
    static void SetUpTestSuite()
    {
        MainWindowTest::SetUpTestSuite();
        // As the program does at start.
        installed = InstallQtTranslation(*qApp);
    }
    static bool installed;
};
bool QtInJapanese::installed = false;

struct SeenFileDialog {
    QString title;
    QStringList buttons;
    QStringList labels;
    QStringList filters;
    QStringList listed;
};

// Records what the next file dialog shows and cancels it.
void LookAtNextFileDialog(SeenFileDialog& seen)
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        if (list == nullptr || list->model()->rowCount(list->rootIndex()) == 0) {
            return; // the folder is still being read
        }
        timer->stop();
        timer->deleteLater();
        seen.title = dialog->windowTitle();
        for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
            seen.buttons.append(button->text());
        }
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->text().isEmpty()) {
                seen.labels.append(label->text());
            }
        }
        seen.filters = dialog->nameFilters();
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
            seen.listed.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
        }
        dialog->reject();
    });
    timer->start(10);
}

TEST_F(QtInJapanese, FileDialogsSpeakJapaneseAndShowTheirFilterOnce)
{
    ASSERT_TRUE(installed) << "qtbase_ja is missing (qt6-translations-l10n)";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"game.kif", "board.dat", "notes.txt"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const std::string proposed = folder.filePath(QStringLiteral(".kif")).toStdString();
    for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
        SeenFileDialog seen;
        LookAtNextFileDialog(seen);
        std::string chosen;
        EXPECT_FALSE(window->RunFileDialog(kind, proposed, "棋譜データ(*.kif)|*.kif", chosen));
        const bool open = kind == FileDialogKind::Open;
        EXPECT_EQ(seen.title, open ? "開く" : "名前を付けて保存");
        EXPECT_EQ(seen.buttons, QStringList({open ? "開く(&O)" : "保存(&S)", "キャンセル"}));
        EXPECT_EQ(seen.labels, QStringList({"アドレス:", "ファイル名(&N):", "ファイルの種類:"}));
        EXPECT_EQ(seen.filters, QStringList({"棋譜データ(*.kif)"}));
        // The filter written once still filters.
        EXPECT_EQ(seen.listed, QStringList({"game.kif"}));
    }
}

TEST_F(QtInJapanese, TheEditFieldsContextMenuIsJapanese)
{
    std::unique_ptr<QMenu> menu(window->EditKuroKisi->createStandardContextMenu());
    QStringList items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            items.append(action->text().section(QLatin1Char('\t'), 0, 0));
        }
    }
    // Read-only fields offer copying and selecting only.
    EXPECT_EQ(items, QStringList({"コピー(&C)", "すべてを選択"}));
}

} // namespace
