#include "pages/msg_panel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/dpi_scale.h"

namespace {
constexpr int kHeight = 50;
constexpr int kMinimumHeight = 20;
}

TMsgPanel::TMsgPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MsgPanel"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    // A memo would ask for more than the area's 50 pixels; its lines scroll instead.
    Memo1->setMinimumHeight(Scaled(kMinimumHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Memo1);
    resize(width(), Scaled(kHeight));
}

QSize TMsgPanel::sizeHint() const
{
    return {QWidget::sizeHint().width(), Scaled(kHeight)};
}
