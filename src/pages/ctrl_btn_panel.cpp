#include "pages/ctrl_btn_panel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "platform/dpi_scale.h"
#include "pages/button_pictures.h"

namespace {

constexpr int kLeft = 10;
constexpr int kTop = 10;
constexpr int kGap = 5;
constexpr int kControlWidth = 96;
constexpr int kCounterHeight = 21;
constexpr int kCaptionHeight = 16;
constexpr int kButtonHeight = 25;

bool HasPicture(const QAbstractButton* button)
{
    return button->property("hasPicture").toBool();
}

}  // namespace

void SetButtonCaption(QAbstractButton* button, const QString& caption)
{
    button->setProperty("caption", caption);
    button->setAccessibleName(caption);
    if (HasPicture(button))
        button->setToolTip(caption);
    else
        button->setText(caption);
}

QString ButtonCaption(const QAbstractButton* button)
{
    return button->property("caption").toString();
}

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CtrlBtnPanel"));

    lblCounter = new QLabel(QStringLiteral("0"), this);
    lblCounter->setObjectName(QStringLiteral("lblCounter"));
    lblCounter->setAlignment(Qt::AlignCenter);
    lblCounter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblCounter->installEventFilter(this);

    lblSamples = new QLabel(QStringLiteral("Samples"), this);
    lblSamples->setObjectName(QStringLiteral("lblSamples"));
    lblSamples->setAlignment(Qt::AlignCenter);
    lblSamples->installEventFilter(this);

    btnRefresh = AddButton("btnRefresh", QStringLiteral("Refresh"), "Get.bmp");
    btnEdit = AddButton("btnEdit", QStringLiteral("Edit"), "Set.bmp");
    btnSetChecked = AddButton("btnSetChecked", QStringLiteral("Set Checked"), "SetCheck.bmp");
    btnAdd = AddButton("btnAdd", QStringLiteral("Add"), "Add.bmp");
    btnDelete = AddButton("btnDelete", QStringLiteral("Delete"), "Delete.bmp");
    btnCheckAll = AddButton("btnCheckAll", QStringLiteral("Check All"), "SelectAll.bmp");
    btnClearChecks = AddButton("btnClearChecks", QStringLiteral("Clear Checks"), "SelectNone.bmp");
    btnClose = AddButton("btnClose", QStringLiteral("Close"), "Close.bmp");

    btnAdd->hide();
    btnDelete->hide();
    setFixedWidth(Scaled(kLeft + kControlWidth + kLeft));
    Arrange();
}

QPushButton* TCtrlBtnPanel::AddButton(const char* name, const QString& caption, const char* pictureFile)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    LoadButtonPicture(button, QLatin1String(pictureFile));
    SetButtonCaption(button, caption);
    button->installEventFilter(this);
    return button;
}

QList<QWidget*> TCtrlBtnPanel::Stack() const
{
    return {lblCounter, lblSamples, btnRefresh, btnEdit,        btnSetChecked,
            btnAdd,     btnDelete,  btnCheckAll, btnClearChecks, btnClose};
}

void TCtrlBtnPanel::Arrange()
{
    if (arranging_) return;
    arranging_ = true;
    int top = Scaled(kTop);
    int bottom = 0;
    for (QWidget* control : Stack()) {
        if (control->isHidden()) continue;
        int height = Scaled(kButtonHeight);
        if (control == lblCounter)
            height = Scaled(kCounterHeight);
        else if (control == lblSamples)
            height = Scaled(kCaptionHeight);
        else if (auto* button = qobject_cast<QAbstractButton*>(control); button && HasPicture(button))
            height = std::max(height, button->iconSize().height() + Scaled(8));
        control->setGeometry(Scaled(kLeft), top, Scaled(kControlWidth), height);
        bottom = top + height;
        top = bottom + Scaled(kGap);
    }
    preferredHeight_ = bottom + Scaled(kTop);
    setMinimumHeight(preferredHeight_);
    updateGeometry();
    arranging_ = false;
}

int TCtrlBtnPanel::PreferredHeight() const
{
    return preferredHeight_;
}

QSize TCtrlBtnPanel::sizeHint() const
{
    return {width(), preferredHeight_};
}

QSize TCtrlBtnPanel::minimumSizeHint() const
{
    return sizeHint();
}

bool TCtrlBtnPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) Arrange();
    return QWidget::eventFilter(watched, event);
}
