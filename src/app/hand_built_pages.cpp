#include "app/hand_built_pages.h"

#include <vector>

namespace ksw::app {

namespace {

struct HandBuiltPage {
    std::string_view formClass;
    HandBuiltPageFactory create;
};

// Pages join this table as they are built.
const std::vector<HandBuiltPage>& HandBuiltPages()
{
    static const std::vector<HandBuiltPage> pages;
    return pages;
}

}  // namespace

HandBuiltPageFactory FindHandBuiltPage(std::string_view formClass)
{
    for (const HandBuiltPage& page : HandBuiltPages())
        if (page.formClass == formClass) return page.create;
    return nullptr;
}

}  // namespace ksw::app
