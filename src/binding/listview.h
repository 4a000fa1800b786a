#pragma once
// A report-style list view: columns with captions, rows of texts (the first is the item's
// caption, the others its sub-items), grid lines, whole-row selection, read-only. Rows are
// appended cheaply so that long table walks fill it without stalling the window: an appended
// row is held at once (RowCount, RowTexts and Cell see it) and shown with the rows appended
// after it a few tens of milliseconds later, so the view lays out and repaints once per batch
// rather than once per row.

#include <QStringList>
#include <QTableView>

class QTimer;
class QxListViewModel;

class QxListView : public QTableView {
    Q_OBJECT
public:
    explicit QxListView(QWidget* parent = nullptr);

    int ColumnCount() const;
    void ClearColumns();
    // Width 0 hides the column; -1 fits the header text.
    void AddColumn(const QString& caption, int width = -1);
    QString ColumnCaption(int column) const;

    int RowCount() const;
    void ClearRows();
    void AddRow(const QStringList& texts);
    QStringList RowTexts(int row) const;
    QString Cell(int row, int column) const;
    // Rows appended and not shown yet; ShowHeldRows shows them now (at the end of a walk).
    bool HasHeldRows() const;
    void ShowHeldRows();

    // -1 when no row is selected.
    int SelectedRow() const;
    void SelectRow(int row);
    void ClearSelection();

signals:
    // A row became selected or unselected.
    void ItemSelected(int row, bool selected);
    void Clicked();
    void DoubleClicked();
    // The number of rows changed.
    void Changed();
    // Held rows became visible: what depends on the rows on the screen follows them here,
    // once per batch rather than once per appended row.
    void RowsShown();
    // The mouse moved; row -1 when it is not over a row.
    void MouseMoved(int row);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QxListViewModel* model_;
    QTimer* showRowsTimer_;
};
