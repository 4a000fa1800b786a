#include "pages/snmp_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/dpi_scale.h"
#include "platform/window_placement.h"
#include "binding/request2edits.h"
#include "pages/ctrl_btn_panel.h"
#include "pages/edits_panel.h"
#include "pages/msg_panel.h"
#include "pages/page_guard.h"
#include "platform/message_box.h"

namespace {
constexpr int kSeparator = 3;
constexpr int kFrameExtra = 3;
constexpr int kMaxFormWidth = 800;
constexpr int kMaxFormHeight = 550;
}  // namespace

int SeparatorWidth()
{
    return Scaled(kSeparator);
}

TSNMPPanel::TSNMPPanel(QWidget* parent, QxSNMPRequest2Edits* binding, TMsgPanel* msgPanel)
    : QWidget(parent), binding_(binding)
{
    setObjectName(QStringLiteral("SNMPPanel"));
    clientSplitter_ = new QSplitter(Qt::Vertical, this);
    clientSplitter_->setObjectName(QStringLiteral("BottomSplitter"));
    clientSplitter_->setHandleWidth(SeparatorWidth());
    clientSplitter_->setChildrenCollapsible(false);
    clientPanel_ = new QWidget(clientSplitter_);
    clientPanel_->setObjectName(QStringLiteral("ClientPanel"));
    clientLayout_ = new QVBoxLayout(clientPanel_);
    clientLayout_->setContentsMargins(0, 0, 0, 0);
    clientSplitter_->addWidget(clientPanel_);
    clientSplitter_->setStretchFactor(0, 1);
    SetMsgPanel(msgPanel ? msgPanel : new TMsgPanel);

    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("RightSeparator"));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedWidth(SeparatorWidth());

    buttons_ = new TCtrlBtnPanel(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(clientSplitter_, 1);
    layout->addWidget(separator);
    layout->addWidget(buttons_, 0, Qt::AlignTop);

    connect(buttons_->btnClose, &QPushButton::clicked, this, Guarded([this] { btnCloseClick(); }));
}

QxSNMPRequest2Edits* TSNMPPanel::Binding() const
{
    return binding_;
}

void TSNMPPanel::SetMsgPanel(TMsgPanel* msgPanel)
{
    msgPanel_ = msgPanel;
    clientSplitter_->addWidget(msgPanel_);
    clientSplitter_->setStretchFactor(1, 0);
    msgPanel_->show();
    const int total = std::max(clientSplitter_->height(), 2 * msgPanel_->sizeHint().height());
    clientSplitter_->setSizes({total - msgPanel_->sizeHint().height(), msgPanel_->sizeHint().height()});
}

void TSNMPPanel::SetContent(QWidget* content)
{
    if (content_ && content_ != content) {
        if (auto* grid = qobject_cast<TEditsPanel*>(content_.data())) disconnect(grid, nullptr, this, nullptr);
        clientLayout_->removeWidget(content_);
        content_->hide();
    }
    content_ = content;
    if (content->parentWidget() != clientPanel_) content->setParent(clientPanel_);
    clientLayout_->addWidget(content);
    content->show();
    if (auto* grid = qobject_cast<TEditsPanel*>(content))
        connect(grid, &TEditsPanel::SizeChanged, this, [this] { UpdatePageSize(); });
    UpdatePageSize();
}

void TSNMPPanel::Keep(QWidget* control)
{
    control->hide();
    control->setParent(clientPanel_);
    control->hide();
}

void TSNMPPanel::UpdatePageSize()
{
    if (!content_) return;
    const QSize content = content_->sizeHint();
    const int width = content.width() + buttons_->width() + SeparatorWidth() + Scaled(kFrameExtra);
    const int height = std::max(content.height() + msgPanel_->sizeHint().height() + SeparatorWidth(),
                                buttons_->PreferredHeight());
    pageSize_ = QSize(width, height);
    resize(pageSize_);
    FitForm();
}

void TSNMPPanel::AttachToForm(QWidget* form)
{
    form_ = form;
    if (form->layout() == nullptr) {
        auto* layout = new QVBoxLayout(form);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    if (form->layout()->indexOf(this) < 0) form->layout()->addWidget(this);
    FitForm();
    CentreOnMainWindow(form);
}

void TSNMPPanel::FitForm()
{
    if (!form_) return;
    const QSize grown = form_->size().expandedTo(pageSize_);
    form_->resize(grown.boundedTo(QSize(Scaled(kMaxFormWidth), Scaled(kMaxFormHeight))));
    const int message = msgPanel_->sizeHint().height();
    clientSplitter_->setSizes({std::max(0, form_->height() - message - SeparatorWidth()), message});
}

void TSNMPPanel::btnCloseClick()
{
    if (!window()->close()) ShowMessage(window(), QStringLiteral("Please initial close form"));
}
