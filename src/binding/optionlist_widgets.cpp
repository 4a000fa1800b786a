#include "optionlist_widgets.h"

#include <QComboBox>

#include "radiogroup.h"
#include "values/optionlist.h"

namespace {

int OptionOf(const QxOptionList& list, const QString& text)
{
    const int byLabel = list.FindByLabel(text);
    return byLabel >= 0 ? byLabel : list.FindByValue(text);
}

QStringList Labels(const QxOptionList& list)
{
    QStringList labels;
    for (int i = 0; i < list.Count(); ++i) labels << list.Option(i).label;
    return labels;
}

}  // namespace

void FillComboBox(const QxOptionList& list, QComboBox* comboBox)
{
    comboBox->clear();
    comboBox->addItems(Labels(list));
}

void FillRadioGroup(const QxOptionList& list, QxRadioGroup* radioGroup)
{
    radioGroup->SetItems(Labels(list));
}

void SelectInComboBox(const QxOptionList& list, QComboBox* comboBox, const QString& text)
{
    comboBox->setCurrentIndex(OptionOf(list, text));
}

void SelectInRadioGroup(const QxOptionList& list, QxRadioGroup* radioGroup, const QString& text)
{
    radioGroup->SetItemIndex(OptionOf(list, text));
}
