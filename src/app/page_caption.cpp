#include "app/page_caption.h"

namespace ksw::app {

QString PageCaptionOf(const catalogue::Caption& caption, const QString& agentAddress)
{
    const QString text = QString::fromUtf8(caption.text ? caption.text : "");
    return caption.form == catalogue::CaptionForm::Prefix ? text + agentAddress : text;
}

}  // namespace ksw::app
