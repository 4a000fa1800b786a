#pragma once
// The text kept in PageCaption while a menu entry opens its page.

#include <QString>

#include "catalogue/menu_catalogue.h"

namespace ksw::app {

// Prefix form: the text and the agent address ("Device Information: 10.0.0.5", also the caption
// of a hand-built page); the title forms: the text alone ("FDB Clear All State").
QString PageCaptionOf(const catalogue::Caption& caption, const QString& agentAddress);

}  // namespace ksw::app
