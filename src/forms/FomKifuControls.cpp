#include "forms/FomKifuControls.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <cstring>
#include <type_traits>

#include "forms/EditMenu.h"
#include "forms/EngineMenu.h"
#include "forms/FomKifu.h"
#include "forms/Fonts.h"
#include "forms/ImageBox.h"
#include "forms/TreePanel.h"
#include "main/Export.h"
#include "main/Files.h"
#include "main/ForbiddenMarks.h"
#include "main/FourChaseSearch.h"
#include "main/Geometry.h"
#include "main/Modes.h"
#include "main/Moves.h"
#include "main/RecordFiles.h"
#include "main/Settings.h"
#include "main/Variations.h"

namespace {

template <auto Member> void Bind(TFomKifu& window, QObject* object)
{
    using Pointer = std::remove_reference_t<decltype(window.*Member)>;
    window.*Member = qobject_cast<Pointer>(object);
}

using K = ControlKind;
using S = Start;
using C = Check;
using G = Ground;
constexpr Face Gothic19{FaceGothic, 19, false};
constexpr Face Gothic21Bold{FaceGothic, 21, true};
constexpr Face Gothic15{FaceGothic, 15, false};
constexpr Face PMincho19{FacePMincho, 19, false};
constexpr Face WindowFace{};
constexpr PortId None{};
constexpr Handlers Nothing{};
constexpr Place Nowhere{};

// clang-format off
constexpr FomKifuControl Table[] = {
// name                 kind              parent               text (UTF-8)                  left, top, w, h       start        check     port id                        calls                                                     face          ground              member
{"ClientArea",          K::ClientArea,    "FomKifu",           "",                           Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"ImgBan",              K::BoardView,     "ClientArea",        "",                           {ViewLeft, ViewTop, ViewSize, ViewSize}, S::Plain,    C::None,  None,                          Calls(&ImgBanMouseDown, &ImgBanMouseMove, &ImgBanMouseUp), WindowFace,  G::Parent,          &Bind<&TFomKifu::ImgBan>},
{"PanelSyujun",         K::Panel,         "ClientArea",        "",                           {197, 525, 156, 27},  S::Shown,    C::None,  PanelId::PanelSyujun,          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::PanelSyujun>},
{"BitBackAll",          K::PictureButton, "PanelSyujun",       "一手目に戻す",               {0, 0, 26, 26},       S::Disabled, C::None,  NavButton::BitBackAll,         Calls(&BitBackAllClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::BitBackAll>},
{"BitBack2",            K::PictureButton, "PanelSyujun",       "二手戻す",                   {26, 0, 26, 26},      S::Disabled, C::None,  NavButton::BitBack2,           Calls(&BitBack2Click),                                    WindowFace,   G::Parent,          &Bind<&TFomKifu::BitBack2>},
{"BitBack1",            K::PictureButton, "PanelSyujun",       "一手戻す",                   {52, 0, 26, 26},      S::Disabled, C::None,  NavButton::BitBack1,           Calls(&BitBack1Click),                                    WindowFace,   G::Parent,          &Bind<&TFomKifu::BitBack1>},
{"BitGo1",              K::PictureButton, "PanelSyujun",       "一手進める",                 {78, 0, 26, 26},      S::Disabled, C::None,  NavButton::BitGo1,             Calls(&BitGo1Click),                                      WindowFace,   G::Parent,          &Bind<&TFomKifu::BitGo1>},
{"BitGo2",              K::PictureButton, "PanelSyujun",       "二手進める",                 {104, 0, 26, 26},     S::Disabled, C::None,  NavButton::BitGo2,             Calls(&BitGo2Click),                                      WindowFace,   G::Parent,          &Bind<&TFomKifu::BitGo2>},
{"BitGoAll",            K::PictureButton, "PanelSyujun",       "最終手まで進める",           {130, 0, 26, 26},     S::Disabled, C::None,  NavButton::BitGoAll,           Calls(&BitGoAllClick),                                    WindowFace,   G::Parent,          &Bind<&TFomKifu::BitGoAll>},
{"Memo1",               K::StatusBox,     "ClientArea",        "",                           {560, 10, 153, 63},   S::Plain,    C::None,  None,                          Nothing,                                                  Gothic19,     G::Parent,          &Bind<&TFomKifu::Memo1>},
{"PanelMoji",           K::Panel,         "ClientArea",        "",                           {20, 525, 170, 27},   S::Hidden,   C::None,  PanelId::PanelMoji,            Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::PanelMoji>},
{"ScrollMoji",          K::ScrollBar,     "PanelMoji",         "",                           {0, 0, 144, 26},      S::Plain,    C::None,  None,                          Calls(&ScrollMojiChange),                                 WindowFace,   G::Parent,          &Bind<&TFomKifu::ScrollMoji>},
{"LabelMoji",           K::LetterLabel,   "PanelMoji",         "A",                          {144, 0, 26, 26},     S::Plain,    C::None,  TextId::LabelMoji,             Nothing,                                                  Gothic21Bold, G::ButtonHighlight, &Bind<&TFomKifu::LabelMoji>},
{"PanelTaikyokuData",   K::Panel,         "ClientArea",        "",                           {560, 88, 209, 130},  S::Hidden,   C::None,  PanelId::PanelTaikyokuData,    Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::PanelTaikyokuData>},
{"EditSyukei",          K::ReadOnlyEdit,  "PanelTaikyokuData", " 珠型 ： ",                  {10, 10, 115, 27},    S::Plain,    C::None,  TextId::EditSyukei,            Nothing,                                                  PMincho19,    G::Parent,          &Bind<&TFomKifu::EditSyukei>},
{"EditKuroKisi",        K::ReadOnlyEdit,  "PanelTaikyokuData", " 黒",                        {10, 50, 186, 27},    S::Plain,    C::None,  TextId::EditKuroKisi,          Nothing,                                                  PMincho19,    G::Parent,          &Bind<&TFomKifu::EditKuroKisi>},
{"EditSiroKisi",        K::ReadOnlyEdit,  "PanelTaikyokuData", " 白",                        {10, 90, 186, 27},    S::Plain,    C::None,  TextId::EditSiroKisi,          Nothing,                                                  PMincho19,    G::Parent,          &Bind<&TFomKifu::EditSiroKisi>},
{"PanelHaiseki",        K::Panel,         "ClientArea",        "",                           {360, 525, 280, 27},  S::Hidden,   C::None,  PanelId::PanelHaiseki,         Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::PanelHaiseki>},
{"LabelLeftClick",      K::Label,         "PanelHaiseki",      "左ｸﾘｯｸ-黒",                  {3, 3, 88, 19},       S::Plain,    C::None,  TextId::LabelLeftClick,        Nothing,                                                  Gothic19,     G::HighlightText,   &Bind<&TFomKifu::LabelLeftClick>},
{"BtnkoutaiMouse",      K::Button,        "PanelHaiseki",      "左右交替",                   {94, 3, 90, 22},      S::Plain,    C::None,  None,                          Calls(&BtnkoutaiMouseClick),                              Gothic19,     G::Parent,          &Bind<&TFomKifu::BtnkoutaiMouse>},
{"LabelRightClick",     K::Label,         "PanelHaiseki",      "右ｸﾘｯｸ-白",                  {188, 4, 88, 19},     S::Plain,    C::None,  TextId::LabelRightClick,       Nothing,                                                  Gothic19,     G::HighlightText,   &Bind<&TFomKifu::LabelRightClick>},
// Shown with the coordinates only: the opening the first three moves form, named.
{"LabelSyukeiMei",      K::Label,         "ClientArea",        "",                           {560, 228, 209, 27},  S::Hidden,   C::None,  TextId::LabelSyukeiMei,        Nothing,                                                  PMincho19,    G::Parent,          &Bind<&TFomKifu::LabelSyukeiMei>},
// Shown while the engine analyses: its best move, evaluation, depth, speed and main line.
{"LabelKentou",         K::Label,         "ClientArea",        "",                           {560, 265, 220, 250}, S::Hidden,   C::None,  None,                          Nothing,                                                  Gothic15,     G::Parent,          &Bind<&TFomKifu::LabelKentou>},
// Lies over the board view, so the picture being saved is seen while the file dialog is open.
{"ImgGazouBan",         K::ExportView,    "ClientArea",        "",                           {ExportViewLeft, ExportViewTop, ExportBoardSize, ExportBoardSize}, S::Hidden,   C::None,  PanelId::ImgGazouBan,          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::ImgGazouBan>},

{"MainMenu1",           K::MenuBar,       "FomKifu",           "",                           Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"MnuFile",             K::Menu,          "MainMenu1",         "ファイル(&F)",               Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuFile>},
{"MnuOpen",             K::MenuItem,      "MnuFile",           "棋譜を開く(&O)",             Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuOpenClick),                                     WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuOpen>},
{"MnuSaveAs",           K::MenuItem,      "MnuFile",           "棋譜に名前を付けて保存(&A)", Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuSaveAsClick),                                   WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSaveAs>},
{"MnuHaisekiOpen",      K::MenuItem,      "MnuFile",           "配石データを開く(&H)",       Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuHaisekiOpenClick),                              WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHaisekiOpen>},
{"MnuHaisekiSave",      K::MenuItem,      "MnuFile",           "配石に名前を付けて保存(&B)", Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuHaisekiSaveClick),                              WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHaisekiSave>},
{"N1",                  K::Separator,     "MnuFile",           "-",                          Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::N1>},
{"MnuExit",             K::MenuItem,      "MnuFile",           "終了(&X)",                   Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuExitClick),                                     WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuExit>},
{"N2",                  K::Separator,     "MnuFile",           "-",                          Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::N2>},
{"MnuOpenOther",        K::MenuItem,      "MnuFile",           "他の形式を開く(&I)...",      Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuOpenOtherClick),                                WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuOpenOther>},
{"MnuSaveOther",        K::MenuItem,      "MnuFile",           "他の形式で保存(&E)...",      Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuSaveOtherClick),                                WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSaveOther>},
{"MnuHozon",            K::Menu,          "MainMenu1",         "棋譜画像保存(&G)",           Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHozon>},
{"MnuWBHozon",          K::MenuItem,      "MnuHozon",          "盤全体を保存(&W)",           Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuWBHozonClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuWBHozon>},
{"MnuWBHaniSetei",      K::MenuItem,      "MnuHozon",          "範囲を指定して保存(&X)",     Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuWBHaniSeteiClick),                              WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuWBHaniSetei>},
{"MnuTaikyoku",         K::Menu,          "MainMenu1",         "対局(&P)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuTaikyoku>},
{"MnuSetTaikyoku",      K::MenuItem,      "MnuTaikyoku",       "設定(&T)",                   Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuSetTaikyokuClick),                              WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSetTaikyoku>},
{"MnuKyokumen",         K::Menu,          "MainMenu1",         "局面(&K)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuKyokumen>},
{"MnuClear",            K::MenuItem,      "MnuKyokumen",       "盤クリア(&C)",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuClearClick),                                    WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuClear>},
{"MnuSettei",           K::Menu,          "MnuKyokumen",       "設定(&S)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSettei>},
{"MnuSetTe",            K::MenuItem,      "MnuSettei",         "珠順設定(&T)",               Nowhere,              S::Ticked,   C::Radio, MenuTick::MnuSetTe,            Calls(&MnuSetTeClick),                                    WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSetTe>},
{"MnuSetMoji",          K::MenuItem,      "MnuSettei",         "文字配置(&M)",               Nowhere,              S::Unticked, C::Radio, MenuTick::MnuSetMoji,          Calls(&MnuSetMojiClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSetMoji>},
{"MnuSetIsi",           K::MenuItem,      "MnuSettei",         "石の配置(&H)",               Nowhere,              S::Unticked, C::Radio, MenuTick::MnuSetIsi,           Calls(&MnuSetIsiClick),                                   WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSetIsi>},
{"MnuSetSioi",          K::MenuItem,      "MnuSettei",         "四追順設定(&F)",             Nowhere,              S::Unticked, C::Radio, MenuTick::MnuSetSioi,          Calls(&MnuSetSioiClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSetSioi>},
{"MnuSioiSagasu",       K::MenuItem,      "MnuKyokumen",       "四追いを探す(&V)",           Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuSioiSagasuClick),                               WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSioiSagasu>},
{"MnuTool",             K::Menu,          "MainMenu1",         "各種設定(&T)",               Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuTool>},
{"MnuSyujyun",          K::MenuItem,      "MnuTool",           "珠順表示(&H)",               Nowhere,              S::Ticked,   C::Tick,  MenuTick::MnuSyujyun,          Calls(&MnuSyujyunClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSyujyun>},
{"MnuSiTome",           K::MenuItem,      "MnuTool",           "四を自動的に止める(&D)",     Nowhere,              S::Unticked, C::Tick,  MenuTick::MnuSiTome,           Calls(&MnuSiTomeClick),                                   WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuSiTome>},
{"MnuKinsyu",           K::MenuItem,      "MnuTool",           "禁手点を表示(&K)",           Nowhere,              S::Unticked, C::Tick,  MenuTick::MnuKinsyu,           Calls(&MnuKinsyuClick),                                   WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuKinsyu>},
{"MnuZahyou",           K::MenuItem,      "MnuTool",           "座標を表示(&Z)",             Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuZahyouClick),                                   WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuZahyou>},
{"MnuHensyu",           K::Menu,          "MainMenu1",         "編集(&E)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHensyu>},
{"MnuKifuCopy",         K::MenuItem,      "MnuHensyu",         "棋譜をコピー(&C)",           Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuKifuCopyClick),                                 WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuKifuCopy>},
{"MnuBanCopy",          K::MenuItem,      "MnuHensyu",         "盤面画像をコピー(&P)",       Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuBanCopyClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuBanCopy>},
{"MnuHarituke",         K::MenuItem,      "MnuHensyu",         "貼り付け(&V)",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuHaritukeClick),                                 WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHarituke>},
{"MnuKentou",           K::Menu,          "MainMenu1",         "検討(&A)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuKentou>},
{"MnuEngineSettei",     K::MenuItem,      "MnuKentou",         "エンジンの設定(&S)...",      Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuEngineSetteiClick),                             WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuEngineSettei>},
{"MnuKentouSuru",       K::MenuItem,      "MnuKentou",         "検討",                       Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuKentouSuruClick),                               WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuKentouSuru>},
{"MnuAiUtasu",          K::MenuItem,      "MnuKentou",         "AIに打たせる",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuAiUtasuClick),                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuAiUtasu>},
{"MnuEngineLog",        K::MenuItem,      "MnuKentou",         "エンジンのログ(&L)",         Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuEngineLogClick),                                WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuEngineLog>},
// Added after the editor's own menus: the analysis tree.
{"MnuHenka",            K::Menu,          "MainMenu1",         "変化(&V)",                   Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          &Bind<&TFomKifu::MnuHenka>},
{"MnuLibOpen",          K::MenuItem,      "MnuHenka",          "ライブラリを開く(&O)...",    Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuLibraryOpenClick),                              WindowFace,   G::Parent,          nullptr},
{"MnuLibSave",          K::MenuItem,      "MnuHenka",          "ライブラリを保存(&S)...",    Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuLibrarySaveClick),                              WindowFace,   G::Parent,          nullptr},
{"N3",                  K::Separator,     "MnuHenka",          "-",                          Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"MnuTreePanel",        K::MenuItem,      "MnuHenka",          "変化ツリーを表示(&T)",       Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuTreePanelClick),                                WindowFace,   G::Parent,          nullptr},
{"MnuHenkaHyouji",      K::MenuItem,      "MnuHenka",          "変化を盤に表示(&B)",         Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuHenkaHyoujiClick),                              WindowFace,   G::Parent,          nullptr},
{"N4",                  K::Separator,     "MnuHenka",          "-",                          Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"MnuPrevVar",          K::MenuItem,      "MnuHenka",          "前の変化(&P)",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuPrevVariationClick),                            WindowFace,   G::Parent,          nullptr},
{"MnuNextVar",          K::MenuItem,      "MnuHenka",          "次の変化(&N)",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuNextVariationClick),                            WindowFace,   G::Parent,          nullptr},
{"MnuPromote",          K::MenuItem,      "MnuHenka",          "本線にする(&M)",             Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuPromoteClick),                                  WindowFace,   G::Parent,          nullptr},
{"MnuDeleteVar",        K::MenuItem,      "MnuHenka",          "変化を削除(&D)",             Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuDeleteVariationClick),                          WindowFace,   G::Parent,          nullptr},
{"N5",                  K::Separator,     "MnuHenka",          "-",                          Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"MnuMojiCode",         K::Menu,          "MnuHenka",          "ライブラリの文字コード(&C)", Nowhere,              S::Plain,    C::None,  None,                          Nothing,                                                  WindowFace,   G::Parent,          nullptr},
{"MnuCodeAuto",         K::MenuItem,      "MnuMojiCode",       "自動判定(&A)",               Nowhere,              S::Plain,    C::None,  None,                          Calls(&MnuCodeAutoClick),                                 WindowFace,   G::Parent,          nullptr},
{"MnuCodeCp932",        K::MenuItem,      "MnuMojiCode",       "CP932 (日本語)(&J)",         Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuCodeCp932Click),                                WindowFace,   G::Parent,          nullptr},
{"MnuCodeGbk",          K::MenuItem,      "MnuMojiCode",       "GBK (中国語)(&G)",           Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuCodeGbkClick),                                  WindowFace,   G::Parent,          nullptr},
{"MnuCodeCp1252",       K::MenuItem,      "MnuMojiCode",       "CP1252 (西欧)(&W)",          Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuCodeCp1252Click),                               WindowFace,   G::Parent,          nullptr},
{"MnuCodeUtf8",         K::MenuItem,      "MnuMojiCode",       "UTF-8(&U)",                  Nowhere,              S::Unticked, C::Tick,  None,                          Calls(&MnuCodeUtf8Click),                                 WindowFace,   G::Parent,          nullptr},
};
// clang-format on

} // namespace

FomKifuControlTable FomKifuControls()
{
    return {std::begin(Table), std::end(Table)};
}

const FomKifuControl* FindControl(const char* name)
{
    for (const FomKifuControl& row : Table) {
        if (std::strcmp(row.name, name) == 0) {
            return &row;
        }
    }
    return nullptr;
}

const FomKifuControl* FindControl(PortId id)
{
    if (id == PortId{}) {
        return nullptr;
    }
    for (const FomKifuControl& row : Table) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}
