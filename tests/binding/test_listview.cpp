// The report-style list view and the radio group: columns sized once from their captions,
// rows held at once and shown in batches, whole-row selection, and item indexes.

#include <QtTest>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QRadioButton>

#include "binding/listview.h"
#include "binding/radiogroup.h"

class TestListView : public QObject {
    Q_OBJECT

private slots:
    void reportStyle();
    void rowsAreHeldAndShownInBatches();
    void columnsKeepTheirWidths();
    void selection();
    void radioGroup();
};

void TestListView::reportStyle()
{
    QxListView view;
    QVERIFY(view.showGrid());
    QCOMPARE(view.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(view.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(view.verticalHeader()->isHidden());
    view.AddColumn(QStringLiteral("hidden"), 0);
    view.AddColumn(QStringLiteral("Port"));
    QVERIFY(view.isColumnHidden(0));
    QCOMPARE(view.ColumnCount(), 2);
    QCOMPARE(view.ColumnCaption(1), QStringLiteral("Port"));
    QCOMPARE(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Port"));
    view.ClearColumns();
    QCOMPARE(view.ColumnCount(), 0);
}

void TestListView::rowsAreHeldAndShownInBatches()
{
    QxListView view;
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    view.AddColumn(QStringLiteral("Port"));
    view.AddColumn(QStringLiteral("Name"));
    view.show();
    QSignalSpy inserted(view.model(), &QAbstractItemModel::rowsInserted);
    for (int k = 0; k < 500; ++k) view.AddRow({QString::number(k + 1), QStringLiteral("port %1").arg(k + 1)});
    // Held at once; the first row is shown at once, the rest together a little later.
    QCOMPARE(view.RowCount(), 500);
    QCOMPARE(view.RowTexts(499), (QStringList{"500", "port 500"}));
    QCOMPARE(view.Cell(41, 1), QStringLiteral("port 42"));
    QCOMPARE(view.model()->rowCount(), 1);
    QTRY_COMPARE(view.model()->rowCount(), 500);
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(view.model()->data(view.model()->index(41, 1)).toString(), QStringLiteral("port 42"));

    view.ClearRows();
    QCOMPARE(view.RowCount(), 0);
    QCOMPARE(view.model()->rowCount(), 0);
    QCOMPARE(view.RowTexts(0), QStringList{});
}

// Widths come from the captions, once: rows of any length never resize a column.
void TestListView::columnsKeepTheirWidths()
{
    QxListView view;
    view.AddColumn(QStringLiteral("Port"));
    view.AddColumn(QStringLiteral("A much longer caption"));
    view.AddColumn(QStringLiteral("Fixed"), 77);
    view.show();
    const int port = view.columnWidth(0);
    const int longer = view.columnWidth(1);
    QVERIFY(port >= view.horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("Port")));
    QVERIFY(longer > port);
    QCOMPARE(view.columnWidth(2), 77);
    for (int k = 0; k < 50; ++k) view.AddRow({QString(200, QLatin1Char('x')), QStringLiteral("y"), QStringLiteral("z")});
    QTRY_COMPARE(view.model()->rowCount(), 50);
    QCOMPARE(view.columnWidth(0), port);
    QCOMPARE(view.columnWidth(1), longer);
}

void TestListView::selection()
{
    QxListView view;
    view.AddColumn(QStringLiteral("Port"));
    for (int k = 0; k < 5; ++k) view.AddRow({QString::number(k)});
    QSignalSpy selected(&view, &QxListView::ItemSelected);
    QCOMPARE(view.SelectedRow(), -1);
    view.SelectRow(3);  // shows held rows first
    QCOMPARE(view.SelectedRow(), 3);
    view.SelectRow(1);
    QCOMPARE(view.SelectedRow(), 1);
    QCOMPARE(selected.size(), 3);
    QCOMPARE(selected[0], (QList<QVariant>{3, true}));
    QCOMPARE(selected[1], (QList<QVariant>{3, false}));
    QCOMPARE(selected[2], (QList<QVariant>{1, true}));
    view.ClearSelection();
    QCOMPARE(view.SelectedRow(), -1);
    QCOMPARE(selected.last(), (QList<QVariant>{1, false}));
}

void TestListView::radioGroup()
{
    QxRadioGroup group;
    group.SetItems({QStringLiteral("enabled"), QStringLiteral("disabled")});
    QCOMPARE(group.ItemIndex(), -1);
    QCOMPARE(group.SelectedText(), QString());
    group.SetItemIndex(1);
    QCOMPARE(group.SelectedText(), QStringLiteral("disabled"));
    group.SetItemIndex(-1);
    QCOMPARE(group.ItemIndex(), -1);
    group.AddItem(QStringLiteral("testing"));
    QCOMPARE(group.Items().size(), 3);

    QSignalSpy clicked(&group, &QxRadioGroup::Clicked);
    group.SetItemIndex(0);
    QCOMPARE(clicked.size(), 0);  // the program's choice is no click
    group.findChild<QRadioButton*>(QStringLiteral("item2"))->click();
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(group.ItemIndex(), 2);
    group.SetItems({QStringLiteral("one")});
    QCOMPARE(group.ItemIndex(), -1);
    QCOMPARE(group.findChildren<QRadioButton*>().size(), 1);
}

QTEST_MAIN(TestListView)
#include "test_listview.moc"
