#pragma once
// The main menu and the port popup as data: every item in menu order with what it opens, and for
// generic pages the descriptor table and page settings. Plain data with no widget code, so the
// main window, ksw-sim and ksw-catalogue all read the same catalogue.

#include <cstdint>
#include <span>
#include <string_view>

#include "snmp/vardesc.h"

namespace ksw::catalogue {

enum class Opens : uint8_t { Submenu, Generic, HandBuilt, Sibling, Shell };
enum class PageShape : uint8_t { Scalar, Table };
enum class CaptionForm : uint8_t {
    Prefix,     // text, then the agent address ("Device Information: 10.0.0.5")
    Title,      // text, separator, then the agent address ("FDB Clear All State : 10.0.0.5")
    TitlePort,  // port popups: text, separator, address, then the suffix with the port number
};
enum class ShellAction : uint8_t { None, RefreshPanel, Help, About };
// How a page's list Instance is formed; only the port popups address one instance.
enum class InstanceRule : uint8_t {
    None,
    PortButtonHint,  // the port button's hint: port number, ".", medium type
};
// Main-window status objects that an entry reads around its page.
enum class StatusRefresh : uint8_t {
    None,
    RmonAfterClose,   // RMON State decides whether the RMON entries are enabled
    Dot1xAfterClose,  // 802.1X state decides whether "Authentication Mode Setting" is enabled
    StpBeforeOpen,    // the spanning-tree version is read before the page opens
};

// An input format (edit constraint) set on one descriptor position.
struct FormatAt {
    int position;
    const char* format;
};

struct Note {
    const char* text = nullptr;
    uint32_t colour = 0;  // 0x00BBGGRR
    const char* colourName = nullptr;
    int fontSize = 0;
};

// Extra layout settings of a generic page; 0 means "not set". "Dpi" values are multiplied by
// DpiScale, "Px" values are pixels.
struct PageExtras {
    int pageHeightDpi = 0;          // page height N x DpiScale
    int pageHeightIncreaseDpi = 0;  // height increased by N x DpiScale
    int pageWidthIncreaseDpi = 0;   // width increased by N x DpiScale
    int editWidthDpi = 0;           // value-field width N x DpiScale
    int editWidthIncreaseDpi = 0;   // value-field width increased by N x DpiScale
    int editWidthPx = 0;            // value-field width of the editor grid in the add and edit dialogs
    int editorGridHeightPx = 0;     // editor grid height
    Note note = {};                 // shown on the editor grid
};

// Row-status column and the value text written there to add or delete a row.
struct RowStatusAction {
    int position = -1;  // -1: no such button
    const char* text = nullptr;

    constexpr bool IsSet() const { return position >= 0; }
};

struct GenericPage {
    // The whole descriptor table, its terminating null-Oid record included; hand table.data() to
    // QxSNMPVarList. An empty Oid text is an ordinary record (an index column).
    std::span<const QxSNMPVarDesc> table = {};
    uint8_t kind = VarListKind::ScalarGroup;
    int32_t indexCount = 0;
    RowStatusAction add = {};
    RowStatusAction remove = {};
    bool editHidden = false;  // Edit button hidden and double-click on a row without effect
    std::span<const FormatAt> formats = {};
    PageExtras extras = {};
    InstanceRule instance = InstanceRule::None;

    // The list's kind decides the page: a scalar editor for the single-row kinds, a table page
    // for the walked ones.
    constexpr PageShape shape() const
    {
        return kind == VarListKind::Table || kind == VarListKind::TableU ? PageShape::Table : PageShape::Scalar;
    }
};

struct Caption {
    CaptionForm form = CaptionForm::Prefix;
    const char* text = nullptr;
    const char* separator = nullptr;
    const char* suffix = nullptr;  // TitlePort: "%1" stands for the port number
};

struct MenuItem {
    const char* id;       // stable identity; captions and paths may repeat
    int depth;            // 0 for top menus; a submenu's items follow it with depth + 1
    const char* caption;  // exactly as shown
    bool hidden = false;  // present but invisible
    Opens opens = Opens::Submenu;
    Caption pageCaption = {};                      // Generic and HandBuilt
    GenericPage page = {};                         // Generic
    const char* formClass = nullptr;               // HandBuilt
    const char* siblingSwitch = nullptr;           // Sibling: page switch for the sibling module
    ShellAction action = ShellAction::None;        // Shell
    const char* confirm = nullptr;                 // Shell: question asked first, if any
    StatusRefresh statusRefresh = StatusRefresh::None;
};

// Caption of the port popup in the dumped paths; the popup has no item of its own.
inline constexpr std::string_view kPortPopupMenuName = "Port popup menu";

// All items of the main menu in menu order; a submenu's items follow it with a greater depth.
// ("Bridge" is a top menu that is also a no-action entry.)
std::span<const MenuItem> MainMenu();
// The port popup's two entries, depth 0.
std::span<const MenuItem> PortPopupMenu();
// The item with this identity in either menu, or null.
const MenuItem* FindMenuItem(std::string_view id);

}  // namespace ksw::catalogue
