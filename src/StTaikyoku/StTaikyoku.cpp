#include "StTaikyoku/StTaikyoku.h"

#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "forms/Fonts.h"

TSet_Taikyoku* Set_Taikyoku = nullptr;

namespace {

// The list writes the second name "渓月"; the main window's field keeps "溪月".
const char* const kListNames[26] = {"寒星", "渓月", "疎星", "花月", "残月", "雨月", "金星",
                                    "松月", "丘月", "新月", "瑞星", "山月", "長星", "峡月",
                                    "恒星", "水月", "流星", "雲月", "浦月", "嵐月", "銀月",
                                    "明星", "斜月", "名月", "遊星", "彗星"};

constexpr int NameEditLength = 30;

QFont Face(const char* family, int pixels)
{
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixels);
    return font;
}

QFont DialogFace(int pixels)
{
    return Face("ＭＳ Ｐゴシック", pixels);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, const QRect& rect)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(rect);
    return label;
}

QLineEdit* MakeNameEdit(QWidget* parent, const char* name, const QRect& rect)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(rect);
    edit->setMaxLength(NameEditLength);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* text, const QRect& rect)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect);
    return button;
}

} // namespace

TSet_Taikyoku::TSet_Taikyoku(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Set_Taikyoku"));
    setWindowTitle(QString::fromUtf8("対局設定"));
    // A fixed dialog border: title and close box only, no resizing, no help button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(386, 212);

    Label1 = MakeLabel(this, "Label1", "珠　型", QRect(38, 30, 51, 19));

    ComboSyukei = new QComboBox(this);
    ComboSyukei->setObjectName(QStringLiteral("ComboSyukei"));
    ComboSyukei->setGeometry(32, 55, 78, 24);
    ComboSyukei->setEditable(false);
    for (const char* name : kListNames)
        ComboSyukei->addItem(QString::fromUtf8(name));
    ComboSyukei->setCurrentIndex(-1);

    Label2 = MakeLabel(this, "Label2", "黒", QRect(145, 57, 19, 19));
    Edit_Kuro = MakeNameEdit(this, "Edit_Kuro", QRect(175, 55, 161, 24));
    Label3 = MakeLabel(this, "Label3", "白", QRect(145, 102, 19, 19));
    Edit_Siro = MakeNameEdit(this, "Edit_Siro", QRect(175, 100, 161, 24));

    OKBtn = MakeButton(this, "OKBtn", "OK", QRect(175, 145, 75, 25));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", "ｷｬﾝｾﾙ", QRect(262, 145, 75, 25));
    CancelBtn->setAutoDefault(false);

    setTabOrder(ComboSyukei, Edit_Kuro);
    setTabOrder(Edit_Kuro, Edit_Siro);
    setTabOrder(Edit_Siro, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    // The faces are given once every control stands, and laid out when the dialog is
    // first shown: most runs never show it, and nothing else at start-up uses its faces.
    LayOutFontsWhenShown(this);
    setFont(DialogFace(12));
    Label1->setFont(Face("ＭＳ Ｐ明朝", 19));
    ComboSyukei->setFont(Face("ＭＳ Ｐ明朝", 16));
    Label2->setFont(DialogFace(19));
    Label3->setFont(DialogFace(19));
    Edit_Kuro->setFont(DialogFace(16));
    Edit_Siro->setFont(DialogFace(16));

    connect(OKBtn, &QPushButton::clicked, this, &TSet_Taikyoku::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSet_Taikyoku::CancelBtnClick);
}

void TSet_Taikyoku::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system re-showing it is no new activation
    CentreOnScreen();
    if (windowHandle() != nullptr && !centreWhenFramed_) {
        centreWhenFramed_ = true;
        windowHandle()->installEventFilter(this);
    }
    ComboSyukei->setFocus();
    FormActivate();
}

void TSet_Taikyoku::CentreOnScreen()
{
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        if (frame.topLeft() != pos())
            move(frame.topLeft());
    }
}

bool TSet_Taikyoku::eventFilter(QObject* watched, QEvent* event)
{
    // The first expose comes after a window manager has put its frame round the dialog
    // and told its extents; without one the frame is the dialog and nothing moves.
    if (watched == windowHandle() && event->type() == QEvent::Expose && centreWhenFramed_) {
        centreWhenFramed_ = false;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { CentreOnScreen(); });
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<GameSettings> TSet_Taikyoku::Ask(const GameSettings& current)
{
    Preload(current);
    result_.reset();
    exec();
    return result_;
}

void TSet_Taikyoku::FormActivate()
{
    // Without an opening the list keeps whatever it showed when it last closed.
    if (current_.opening > 0 && current_.opening <= ComboSyukei->count())
        ComboSyukei->setCurrentIndex(current_.opening - 1);
    Edit_Kuro->setText(QString::fromStdString(current_.blackName));
    Edit_Siro->setText(QString::fromStdString(current_.whiteName));
}

void TSet_Taikyoku::OKBtnClick()
{
    // No selection is index −1: no opening.
    result_ = GameSettings{ComboSyukei->currentIndex() + 1, Edit_Kuro->text().toStdString(),
                           Edit_Siro->text().toStdString()};
    accept();
}

void TSet_Taikyoku::CancelBtnClick()
{
    reject();
}

void TSet_Taikyoku::reject()
{
    result_.reset();
    QDialog::reject();
}
