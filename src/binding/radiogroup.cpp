#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "guarded.h"

QxRadioGroup::QxRadioGroup(QWidget* parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)), layout_(new QVBoxLayout(this))
{
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int) { RunAndReport([this] { emit Clicked(); }); });
}

void QxRadioGroup::SetItems(const QStringList& items)
{
    items_ = items;
    Rebuild();
}

void QxRadioGroup::ClearItems()
{
    SetItems({});
}

void QxRadioGroup::AddItem(const QString& text)
{
    items_ << text;
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QStringLiteral("item%1").arg(items_.size() - 1));
    buttons_->addButton(button, static_cast<int>(items_.size() - 1));
    layout_->addWidget(button);
}

void QxRadioGroup::Rebuild()
{
    for (QAbstractButton* button : buttons_->buttons()) {
        buttons_->removeButton(button);
        delete button;
    }
    const QStringList items = std::move(items_);
    items_.clear();
    for (const QString& item : items) AddItem(item);
}

int QxRadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void QxRadioGroup::SetItemIndex(int index)
{
    if (index >= 0 && index < items_.size()) {
        buttons_->button(index)->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; no item means none.
    if (QAbstractButton* checked = buttons_->checkedButton()) {
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
    }
}

QString QxRadioGroup::SelectedText() const
{
    const int index = ItemIndex();
    return index >= 0 && index < items_.size() ? items_[index] : QString();
}
