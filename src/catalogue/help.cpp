// The "Help" menu.

#include "catalogue/menu_parts.h"

namespace ksw::catalogue {
namespace {

constexpr MenuItem kItems[] = {
    {.id = "help", .depth = 0, .caption = "Help"},
    {.id = "help.help", .depth = 1, .caption = "Help",
     .opens = Opens::Shell, .action = ShellAction::Help},
    {.id = "help.about", .depth = 1, .caption = "About",
     .opens = Opens::Shell, .action = ShellAction::About},
    {.id = "help.test", .depth = 1, .caption = "Test", .hidden = true},
};

}  // namespace

std::span<const MenuItem> HelpMenu()
{
    return kItems;
}

}  // namespace ksw::catalogue
