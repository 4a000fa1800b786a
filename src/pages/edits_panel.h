#pragma once
// The editor grid: one row per variable of a binding's list (check box, label, value field),
// in a scroll box. Rows of read-only variables and index columns are shown but cannot be
// edited or ticked; the ticked rows are the ones a set writes.

#include <QColor>
#include <QPointer>
#include <QSize>
#include <QString>
#include <vector>

#include "pages/content_panel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QxSNMPRequest2Edits;

class TEditsPanel : public TContentPanel {
    Q_OBJECT
public:
    enum RowKind {
        ReadOnlyEdit = 1,    // read-only, no option list: edit field with the type's format
        WritableEdit = 2,    // written, no option list: edit field with the type's format
        WritableCombo = 3,   // written, option list: drop-down list
        ReadOnlyLabels = 4,  // read-only, option list: edit field showing the label
    };

    TEditsPanel(QWidget* parent, QxSNMPRequest2Edits* binding);

    // Shows "Refresh", "Set Checked" (or "Set"), "Check All", "Clear Checks" and "Close" as the
    // rows allow; raises when the panel has no binding.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;

    QSize sizeHint() const override;
    int EditWidth() const { return editWidth_; }
    void SetEditWidth(int width);
    // Height of the grid when it should be taller than its rows need (room for a note).
    void SetGridHeight(int height);
    // Binds the row's edit field again with another format; raises for combo-box rows.
    void SetVarFormat(int row, const QString& format);
    // A note below the rows, 20 pixels from the left and 15 above the grid's bottom.
    void SetNote(const QString& text, const QColor& colour, int fontSize);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    RowKind Kind(int row) const;
    QString Format(int row) const;
    QCheckBox* CheckBox(int row) const;
    QLabel* Label(int row) const;
    QWidget* ValueControl(int row) const;
    QComboBox* ComboBox(int row) const;  // null unless the row is a combo-box row
    bool IsIndexRow(int row) const;
    bool IsReadOnlyRow(int row) const;
    // At least one row the user may write (writable and not an index column).
    bool HasWritableRow() const;

    // Rows enabled and disabled as they were built: read-only and index rows disabled,
    // every other row enabled with its check box shown and clear.
    void EnableRows();
    void SetRowEnabled(int row, bool enabled);
    // Makes a row editable with its check box ticked and locked, so it is always sent.
    void ForceRow(int row);
    // Shows the row's check box ticked and locked, leaving its value control as it is.
    void LockCheck(int row);
    // Shows or hides a whole row; a hidden row keeps the AccessHidden bit of its variable.
    void SetRowHidden(int row, bool hidden);
    // Lays the rows out again (after rows were hidden or shown).
    void Layout();

    void CheckAll();
    void ClearChecks();
    bool AnyVisibleCheckTicked() const;
    // The button column whose "Set Checked" follows the row check boxes.
    void SetButtonPanel(TCtrlBtnPanel* buttons);
    void UpdateSetButton();

    // Empties every field, deselects every combo box and empties every descriptor's Value.
    void Clear();
    // Whether the value control of the row shows no text.
    bool IsRowEmpty(int row) const;
    void ScrollHome();

    QxSNMPRequest2Edits* Binding() const;

signals:
    // The preferred size changed (value width, grid height, rows shown or hidden).
    void SizeChanged();

private:
    struct Row {
        RowKind kind = ReadOnlyEdit;
        QString format;
        QWidget* value = nullptr;
        QCheckBox* check = nullptr;
        QLabel* label = nullptr;
        bool checkShown = false;
    };

    void BuildRows();
    void SetCheckShown(Row& row, int index, bool shown);
    bool IsRowVisible(int row) const;
    void PlaceNote();

    QPointer<QxSNMPRequest2Edits> binding_;
    QScrollArea* scrollBox_;
    QWidget* rowsArea_;
    QLabel* note_;
    std::vector<Row> rows_;
    int editWidth_;
    int gridHeight_ = 0;
    QSize preferred_;
    QPointer<TCtrlBtnPanel> buttons_;
};
