#include "listview.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <vector>

#include "guarded.h"

namespace {

// How long appended rows are held before the view shows them together.
constexpr int kShowRowsDelayMs = 40;

}  // namespace

// Captions and rows of texts. The view sees only the rows shown so far; rows appended since
// are held until ShowHeldRows, which inserts them in one step.
class QxListViewModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : shown_;
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(captions_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return Cell(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return captions_.value(section);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    QString Cell(int row, int column) const
    {
        if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
        return rows_[static_cast<size_t>(row)].value(column);
    }
    const QStringList& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
    int HeldRowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return static_cast<int>(captions_.size()); }
    QString Caption(int column) const { return captions_.value(column); }

    void SetCaptions(const QStringList& captions)
    {
        beginResetModel();
        captions_ = captions;
        endResetModel();
    }
    void AddCaption(const QString& caption)
    {
        const int column = static_cast<int>(captions_.size());
        beginInsertColumns(QModelIndex(), column, column);
        captions_ << caption;
        endInsertColumns();
    }
    void Hold(const QStringList& row) { rows_.push_back(row); }
    void ShowHeld()
    {
        const int held = HeldRowCount();
        if (held == shown_) return;
        beginInsertRows(QModelIndex(), shown_, held - 1);
        shown_ = held;
        endInsertRows();
    }
    void ClearRows()
    {
        beginResetModel();
        rows_.clear();
        shown_ = 0;
        endResetModel();
    }

private:
    QStringList captions_;
    std::vector<QStringList> rows_;
    int shown_ = 0;
};

QxListView::QxListView(QWidget* parent)
    : QTableView(parent), model_(new QxListViewModel(this)), showRowsTimer_(new QTimer(this))
{
    setModel(model_);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Fixed rows and columns: appending a row never measures the others.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The selected row stays marked while another control has the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    showRowsTimer_->setSingleShot(true);
    showRowsTimer_->setInterval(kShowRowsDelayMs);
    connect(showRowsTimer_, &QTimer::timeout, this, [this] { RunAndReport([this] { ShowHeldRows(); }); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                RunAndReport([&] {
                    for (const QModelIndex& index : deselected.indexes())
                        if (index.column() == 0) emit ItemSelected(index.row(), false);
                    for (const QModelIndex& index : selected.indexes())
                        if (index.column() == 0) emit ItemSelected(index.row(), true);
                });
            });
}

int QxListView::ColumnCount() const
{
    return model_->ColumnCount();
}

void QxListView::ClearColumns()
{
    model_->SetCaptions({});
}

void QxListView::AddColumn(const QString& caption, int width)
{
    model_->AddCaption(caption);
    const int column = model_->ColumnCount() - 1;
    if (width == 0) {
        setColumnHidden(column, true);
        return;
    }
    setColumnHidden(column, false);
    if (width < 0) {
        // Fits the caption once; rows never resize the columns.
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
        width = horizontalHeader()->fontMetrics().horizontalAdvance(caption) + 4 * margin + 8;
    }
    setColumnWidth(column, width);
}

QString QxListView::ColumnCaption(int column) const
{
    return model_->Caption(column);
}

int QxListView::RowCount() const
{
    return model_->HeldRowCount();
}

void QxListView::ClearRows()
{
    showRowsTimer_->stop();
    const bool hadRows = model_->HeldRowCount() > 0;
    model_->ClearRows();
    if (hadRows) emit Changed();
}

void QxListView::AddRow(const QStringList& texts)
{
    model_->Hold(texts);
    if (model_->rowCount() == 0 && isVisible())
        ShowHeldRows();  // the first row at once: the user sees the walk has started
    else if (!showRowsTimer_->isActive())
        showRowsTimer_->start();
    emit Changed();
}

bool QxListView::HasHeldRows() const
{
    return model_->HeldRowCount() > model_->rowCount();
}

void QxListView::ShowHeldRows()
{
    showRowsTimer_->stop();
    if (!HasHeldRows()) return;
    model_->ShowHeld();
    emit RowsShown();
}

void QxListView::showEvent(QShowEvent* event)
{
    ShowHeldRows();
    QTableView::showEvent(event);
}

QStringList QxListView::RowTexts(int row) const
{
    if (row < 0 || row >= model_->HeldRowCount()) return {};
    return model_->Row(row);
}

QString QxListView::Cell(int row, int column) const
{
    return model_->Cell(row, column);
}

int QxListView::SelectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void QxListView::SelectRow(int row)
{
    ShowHeldRows();
    if (row < 0 || row >= model_->rowCount()) {
        ClearSelection();
        return;
    }
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void QxListView::ClearSelection()
{
    selectionModel()->clearSelection();
}

void QxListView::mouseMoveEvent(QMouseEvent* event)
{
    QTableView::mouseMoveEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    RunAndReport([&] { emit MouseMoved(index.isValid() ? index.row() : -1); });
}

void QxListView::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    RunAndReport([&] { emit Clicked(); });
}

void QxListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    RunAndReport([&] { emit DoubleClicked(); });
}
