#pragma once
// The binding every page uses: variables, or parts of variables, bound to labels, edit fields,
// check boxes, combo boxes and radio groups, and optionally a list view with one row per table row.

#include <QList>
#include <QPointer>
#include <memory>
#include <vector>

#include "request2controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QxEditConstraint;
class QxListView;
class QxOptionList;
class QxRadioGroup;

class QxSNMPRequest2Edits : public QxSNMPRequest2Controls {
    Q_OBJECT
public:
    explicit QxSNMPRequest2Edits(QWidget* owner);
    ~QxSNMPRequest2Edits() override;

    // Loads a descriptor table into the request's list (Assign keeps the list's Instance).
    void SetVarList(const QxSNMPVarList& list);

    void SetListView(QxListView* listView, bool enableOnSelect = true);
    QxListView* ListView() const { return listView_; }

    // Whole values. A QLabel serves as label and static text; QLineEdit as one edit field;
    // QCheckBox, QComboBox (drop-down list) and QxRadioGroup as their kinds.
    void BindControl(int var, QWidget* control);
    void BindComboBox(int var, QComboBox* comboBox);
    void BindPartComboBox(int var, int offset, uint32_t partType, const QxOptionList* options, QComboBox* comboBox);
    // The number of edits is the number of conversions in the format ("%" followed by s,h,i,u,f,n).
    void BindEdits(int var, const QString& format, const QList<QLineEdit*>& edits);
    void BindPartEdits(int var, int offset, uint32_t partType, const QxOptionList* options, const QString& format,
                       const QList<QLineEdit*>& edits);
    // One bit index per check box, separated by "," ("0,1,2,...").
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

    // Copies the selected list-view row into the descriptors' Value texts (false: no selection).
    bool CopySelectedRowToValues();

protected:
    void BeforeGet() override;
    void RowReceived() override;
    void CollectValues() override;
    void GetDone() override;
    virtual void ListItemSelected(int row, bool selected);

private:
    struct Binding;
    void SetUpColumns();
    std::vector<std::unique_ptr<Binding>> bindings_;
    QPointer<QxListView> listView_;
    std::unique_ptr<QxEditConstraint> constraint_;
};
