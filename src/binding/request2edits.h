#pragma once
// The binding every page uses: variables, or parts of variables, bound to labels, edit fields,
// check boxes, combo boxes and radio groups, and optionally a list view with one row per table row.

#include <QList>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "listview.h"
#include "request2controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QxEditConstraint;
class QxOptionList;
class QxRadioGroup;

class QxSNMPRequest2Edits : public QxSNMPRequest2Controls {
    Q_OBJECT
public:
    explicit QxSNMPRequest2Edits(QWidget* owner);
    ~QxSNMPRequest2Edits() override;

    // Loads a descriptor table into the request's list (Assign keeps the list's Instance).
    void SetVarList(const QxSNMPVarList& list);

    // The list view shows one row per table row; selecting a row copies it into the values and
    // fills the bound controls. Handlers the page connected to the view's signals stay and run
    // before the binding's own.
    void SetListView(QxListView* listView, bool enableOnSelect = true);
    QxListView* ListView() const { return listView_; }

    // Whole values. A QLabel serves as label and static text; QLineEdit as one edit field;
    // QCheckBox, QComboBox (drop-down list) and QxRadioGroup as their kinds. Bind calls raise
    // -520 (a combo box or radio group without option list) and -522 (a prefix list without
    // its companion edit); the kind of control is checked when it is filled or collected (-521).
    void BindControl(int var, QWidget* control);
    void BindComboBox(int var, QComboBox* comboBox, QLineEdit* companion = nullptr);
    void BindPartComboBox(int var, int offset, uint32_t partType, const QxOptionList* options, QComboBox* comboBox,
                          QLineEdit* companion = nullptr);
    // The number of edits is the number of conversions in the format ("%" followed by s,h,i,u,f,n).
    void BindEdits(int var, const QString& format, const QList<QLineEdit*>& edits);
    void BindPartEdits(int var, int offset, uint32_t partType, const QxOptionList* options, const QString& format,
                       const QList<QLineEdit*>& edits);
    // One bit index per check box, separated by "," ("0,1,2,..."): check box k shows bit k of
    // the value, bit 0 being the most significant bit of the first octet (port 1 of a port list).
    void BindBitList(int var, const QString& bitIndexes, const QList<QCheckBox*>& checkBoxes);
    void BindPart(int var, int offset, uint32_t partType, const QxOptionList* options, QWidget* control,
                  QWidget* companion = nullptr);
    void Unbind(int var);
    void SetConstraintOwner(QWidget* owner);
    QxEditConstraint& Constraint() { return *constraint_; }

    void FillControls(int var = -1);
    void CollectControls(int var = -1);
    void EnableControls(bool enable);

    bool EnableOnSelect = true;

    // Copies the selected list-view row into the descriptors' Value texts, with what they were
    // decoded from (false: no selection, and nothing counts as received).
    bool CopySelectedRowToValues();
    // The list-view column of each variable (-1 for a variable without one).
    std::vector<int> ColumnsOfVars() const;

protected:
    void BeforeGet() override;
    void RowReceived() override;
    void CollectValues() override;
    void GetDone() override;
    virtual void ListItemSelected(int row, bool selected);

public:
    // One bind call (control_binding.h).
    struct Binding;

private:
    Binding& NewBinding(int var, int offset, uint32_t partType, const QxOptionList* options);
    void SetUpColumns();
    QStringList RowTexts() const;
    bool CopyRowToValues(int row);
    void FillBinding(Binding& binding);
    void CollectVariable(int var);

    std::vector<std::unique_ptr<Binding>> bindings_;
    QPointer<QxListView> listView_;
    QMetaObject::Connection listViewConnection_;
    std::unique_ptr<QxEditConstraint> constraint_;
    // Per list-view row, per variable: what its texts were decoded from.
    std::vector<std::vector<std::optional<QxSNMPReceived>>> rowsReceived_;
};
