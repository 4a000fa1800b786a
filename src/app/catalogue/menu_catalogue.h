#pragma once
// The main menu as data: every item in menu order with what it opens. Plain data with no
// widget code, so tools (ksw-catalogue) and the simulator link it.

#include <cstdint>
#include <span>

#include "snmp/vardesc.h"

namespace ksw::catalogue {

enum class Opens : uint8_t { Submenu, Generic, HandBuilt, Sibling, Shell };
enum class PageShape : uint8_t { Scalar, Table };
enum class CaptionForm : uint8_t {
    Prefix,     // caption text, then the agent address
    Title,      // title, separator, then the agent address
    TitlePort,  // the port popups: title, " : ", address, " / Port <n>"
};
enum class ShellAction : uint8_t { None, RefreshPanel, Help, About };

struct FormatAt {
    int position;
    const char* format;
};

struct Note {
    const char* text = nullptr;
    uint32_t colour = 0;  // 0x00BBGGRR
    int fontSize = 0;
};

// Extra settings of a generic page; 0 means "not set".
struct PageExtras {
    bool pageHeightDpi = false;       // page height 450 x DpiScale
    int pageHeightIncreaseDpi = 0;    // height increased by N x DpiScale
    int pageWidthIncreaseDpi = 0;     // width increased by N x DpiScale
    int editWidthDpi = 0;             // value-field width N x DpiScale
    int editWidthIncreaseDpi = 0;     // value-field width increased by N x DpiScale
    int editWidthPx = 0;              // value-field width in pixels
    int editorGridHeightPx = 0;       // editor grid height in pixels
    Note note;
};

struct GenericPage {
    const QxSNMPVarDesc* table;  // ends with a null Oid
    PageShape shape;
    uint8_t kind;
    int32_t indexCount;
    int addPosition = -1;  // row-status column for Add, -1 for none
    const char* addText = nullptr;
    int deletePosition = -1;
    const char* deleteText = nullptr;
    bool editHidden = false;  // Edit hidden and double-click without effect
    std::span<const FormatAt> formats = {};
    PageExtras extras = {};
    const char* instance = nullptr;  // port popups: how the list Instance is formed
};

struct Caption {
    CaptionForm form = CaptionForm::Prefix;
    const char* text = nullptr;
    const char* separator = nullptr;
    const char* suffix = nullptr;
};

struct MenuItem {
    const char* id;       // stable identity; captions and paths may repeat
    int depth;            // 0 for top menus
    const char* caption;  // exactly as shown, trailing blanks included
    bool hidden;
    Opens opens;
    const GenericPage* page = nullptr;  // Generic
    Caption pageCaption = {};           // Generic and HandBuilt
    const char* formClass = nullptr;    // HandBuilt
    const char* siblingSwitch = nullptr;  // Sibling
    ShellAction action = ShellAction::None;  // Shell
    const char* confirm = nullptr;           // Shell: confirmation text
};

// All items in menu order; a submenu's items follow it with a greater depth.
std::span<const MenuItem> MainMenu();
// The port popup's two entries.
std::span<const MenuItem> PortPopupMenu();
const MenuItem* FindMenuItem(const char* id);

}  // namespace ksw::catalogue
