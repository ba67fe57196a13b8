// The one table of the main window: every control and menu item with its kind, caption,
// place, tick, handler and the id by which the logic reaches it. TFomKifu is built from
// it, the port's ids find their widgets through it, and the scripted test window takes
// its start-up state from it. A new menu item at the end of a menu is one more row
// after that menu's last row.
#pragma once

#include <cstddef>
#include <cstdint>

#include "main/Port.h"

class QObject;
class TFomKifu;

enum class ControlKind {
    ClientArea,    // the client area below the menu bar; holds the controls
    BoardView,     // image component showing the board view (ImgBan)
    ExportView,    // image component showing the export picture (ImgGazouBan)
    Panel,         // raised panel that holds controls
    StatusBox,     // read-only multi-line text box (Memo1)
    PictureButton, // button with a picture and a hint, no caption
    Label,
    LetterLabel, // centred label of fixed size: the chosen letter
    Button,
    ReadOnlyEdit, // single-line, read-only
    ScrollBar,    // horizontal; the letter chooser's range
    MenuBar,
    Menu, // a menu of the menu bar or a submenu
    MenuItem,
    Separator,
};

// What a control is at start-up, where it differs from visible and enabled.
enum class Start { Plain, Shown, Hidden, Enabled, Disabled, Ticked, Unticked };

enum class Check { None, Tick, Radio }; // the four radio items form one group

// The id of a control in the logic's port, of whichever of the port's id types.
struct PortId {
    enum class Kind : std::uint8_t { None, Button, Panel, Tick, Text };
    Kind kind = Kind::None;
    int value = 0;

    constexpr PortId() = default;
    constexpr PortId(NavButton id) : kind(Kind::Button), value(static_cast<int>(id)) {}
    constexpr PortId(PanelId id) : kind(Kind::Panel), value(static_cast<int>(id)) {}
    constexpr PortId(MenuTick id) : kind(Kind::Tick), value(static_cast<int>(id)) {}
    constexpr PortId(TextId id) : kind(Kind::Text), value(static_cast<int>(id)) {}
    constexpr bool operator==(const PortId& other) const
    {
        return kind == other.kind && value == other.value;
    }
    constexpr bool operator!=(const PortId& other) const { return !(*this == other); }
};

// The logic the control calls: `click` for a menu item or button and for a change of the
// scroll bar; the three mouse handlers for the board view.
struct Handlers {
    void (*click)() = nullptr;
    void (*press)(MouseButton, int, int) = nullptr;
    void (*move)(bool, int, int) = nullptr;
    void (*release)(int, int) = nullptr;
};
constexpr Handlers Calls(void (*click)())
{
    return {click, nullptr, nullptr, nullptr};
}
constexpr Handlers Calls(void (*press)(MouseButton, int, int), void (*move)(bool, int, int),
                         void (*release)(int, int))
{
    return {nullptr, press, move, release};
}

// A face of the layout; no face: the window's own font.
struct Face {
    const char* family = nullptr;
    int pixels = 0;
    bool bold = false;
};

enum class Ground { Parent, ButtonHighlight, HighlightText };

struct Place {
    int left = 0, top = 0, width = 0, height = 0;
};

struct FomKifuControl {
    const char* name;
    ControlKind kind;
    const char* parent; // the row that holds it
    const char* text;   // caption, text or, for a picture button, its hint (UTF-8)
    Place place;        // relative to the parent's client area
    Start start;
    Check check;
    PortId id;
    Handlers calls;
    Face face;
    Ground ground;
    // Stores the built object in its named member of the window; null for rows that
    // have none.
    void (*bind)(TFomKifu&, QObject*);
};

struct FomKifuControlTable {
    const FomKifuControl* first;
    const FomKifuControl* last;
    const FomKifuControl* begin() const { return first; }
    const FomKifuControl* end() const { return last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};

// In the order the window builds them: parents before their children, each parent's
// children in their order on screen, menu or tab chain.
FomKifuControlTable FomKifuControls();

// The row of a control, by name or by port id; null when there is none.
const FomKifuControl* FindControl(const char* name);
const FomKifuControl* FindControl(PortId id);
