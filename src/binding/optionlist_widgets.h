#pragma once
// Option lists on item controls: a combo box or radio group lists an option list's labels in
// list order, so an option's position is also its item index.

class QComboBox;
class QxOptionList;
class QxRadioGroup;
class QString;

void FillComboBox(const QxOptionList& list, QComboBox* comboBox);
void FillRadioGroup(const QxOptionList& list, QxRadioGroup* radioGroup);
// Selects the item of the option the text names, by label first, else by value; nothing is
// selected when the list holds neither.
void SelectInComboBox(const QxOptionList& list, QComboBox* comboBox, const QString& text);
void SelectInRadioGroup(const QxOptionList& list, QxRadioGroup* radioGroup, const QString& text);
