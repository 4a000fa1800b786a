#pragma once
// The scalar page: the editor grid with its button column and message area. The user ticks
// the rows to write and presses "Set Checked" ("Set" when there is one writable row).

#include "pages/snmp_panel.h"

class QAbstractButton;
class TEditsPanel;

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* parent, QxSNMPRequest2Edits* binding);

    TEditsPanel* EditsPanel() const { return grid_; }
    // Value-field width in pixels (the caller scales it); the grid and the page follow.
    void SetEditWidth(int width);
    void SetVarFormat(int row, const QString& format);

    // The write of the ticked rows, for the page's "Set Checked" and for the add and edit
    // dialogs' (whose button has tag 1: its dialog closes after a write that went through).
    // True when the set was sent and accepted.
    bool SetCheckedRows(QAbstractButton* button);

public slots:
    virtual void btnRefreshClick();
    void btnSetCheckedClick();
    void btnCheckAllClick();
    void btnClearChecksClick();

protected:
    // Enables the request and reads unless a read or write runs; errors become status lines.
    void RefreshPage();

    TEditsPanel* grid_;
};
