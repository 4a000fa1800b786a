#pragma once
// The list of a table page: one list-view row per table row, one column per variable. It also
// keeps which variable is the table's row-status column and the texts that add and delete rows.

#include <QPointer>
#include <QSize>
#include <QString>

#include "pages/content_panel.h"

class QxListView;
class QxSNMPRequest2Edits;

class TListViewPanel : public TContentPanel {
    Q_OBJECT
public:
    TListViewPanel(QWidget* parent, QxSNMPRequest2Edits* binding);

    // Counter, "Samples", "Refresh", "Edit" (disabled), "Close"; "Add" and "Delete" (disabled)
    // only for a table with those status texts.
    void ArrangeCtrlBtn(TCtrlBtnPanel* buttons) override;
    QSize sizeHint() const override;

    QxListView* ListView1;
    int AddStatusVar = -1;
    QString AddStatusText;
    int DeleteStatusVar = -1;
    QString DeleteStatusText;

    // The hint for a row: per column, the caption padded with tabs to the longest caption,
    // two blanks and the cell, each line ended by a line feed.
    QString RowHint(int row) const;

private:
    QPointer<QxSNMPRequest2Edits> binding_;
    QSize preferred_;
};
