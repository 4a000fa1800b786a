// The generic page's layout and button rules without an agent: the editor grid, the button
// column, the window's size, the errors its set-up raises, and the table page's dialogs as far
// as they need no answer. The page's own first read goes to a loopback port that never answers.

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>

#include "catalogue/menu_catalogue.h"
#include "platform/dpi_scale.h"
#include "page_fixture.h"
#include "pages/button_pictures.h"
#include "pages/generic_page.h"
#include "pages/listview_panel.h"
#include "pages/msg_panel.h"
#include "platform/message_box.h"
#include "silent_port.h"
#include "snmp/errors.h"
#include "snmp/session.h"

using namespace pagetest;

namespace {

const QxOptionList kOnOff{{1, "on"}, {2, "off"}};

const QxSNMPVarDesc kMixed[] = {
    {"1.3.6.1.4.1.58126.99.1.1", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.99.1.2", "Host Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.4.1.58126.99.1.3", "State", VarType::Integer, AccessRead | AccessWrite, &kOnOff},
    {"1.3.6.1.4.1.58126.99.1.4", "Link", VarType::Integer, AccessRead, &kOnOff},
    {"1.3.6.1.4.1.58126.99.1.5", "Secret", VarType::DisplayString, AccessRead | AccessWrite | AccessHidden},
    {"1.3.6.1.4.1.58126.99.1.6", "Default Gateway Address", VarType::IpAddress, AccessRead | AccessWrite},
    {},
};

const QxSNMPVarDesc kOneWritable[] = {
    {"1.3.6.1.4.1.58126.99.2.1", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.99.2.2", "Host Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.4.1.58126.99.2.3", "Link", VarType::Integer, AccessRead, &kOnOff},
    {},
};

const QxSNMPVarDesc kReadOnly[] = {
    {"1.3.6.1.4.1.58126.99.3.1", "Description", VarType::DisplayString, AccessRead},
    {"1.3.6.1.4.1.58126.99.3.2", "Up Time", VarType::TimeTicks, AccessRead},
    {},
};

// A table with an index, two columns and a row status.
const QxSNMPVarDesc kRows[] = {
    {"1.3.6.1.4.1.58126.99.4.1.1", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.99.4.1.2", "State", VarType::Integer, AccessRead | AccessWrite, &kOnOff},
    {"1.3.6.1.4.1.58126.99.4.1.3", "Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.4.1.58126.99.4.1.4", "Status", VarType::Integer, AccessRead | AccessWrite, &kRowStatus},
    {},
};

// A row status whose only labels are the ones that add and delete rows.
const QxSNMPVarDesc kTrapManagers[] = {
    {"1.3.6.1.4.1.58126.99.5.1.1", "Manager", VarType::IpAddress, AccessIndex},
    {"1.3.6.1.4.1.58126.99.5.1.2", "Community", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.4.1.58126.99.5.1.3", "Manager State", VarType::Integer, AccessRead | AccessWrite, &kEnabledDisabled},
    {},
};

const QxSNMPVarDesc kReadOnlyRows[] = {
    {"1.3.6.1.4.1.58126.99.6.1.1", "Port", VarType::Integer, AccessIndex},
    {"1.3.6.1.4.1.58126.99.6.1.2", "Speed", VarType::Gauge, AccessRead},
    {},
};

// A scalar group of `count` writable rows; the texts live as long as the test program.
std::vector<QxSNMPVarDesc> ManyRows(int count)
{
    static std::deque<QByteArray> texts;
    std::vector<QxSNMPVarDesc> table;
    for (int i = 1; i <= count; ++i) {
        const char* oid = texts.emplace_back("1.3.6.1.4.1.58126.99.7." + QByteArray::number(i)).constData();
        const char* label = texts.emplace_back("Setting " + QByteArray::number(i)).constData();
        table.push_back({oid, label, VarType::DisplayString, AccessRead | AccessWrite});
    }
    table.push_back({});
    return table;
}

// The controls of the button column that are shown, top to bottom.
QStringList ShownButtons(const TCtrlBtnPanel* buttons)
{
    QList<QWidget*> shown;
    for (QWidget* control : buttons->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!control->isHidden()) shown << control;
    std::sort(shown.begin(), shown.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    QStringList names;
    for (QWidget* control : shown) names << control->objectName();
    return names;
}

}  // namespace

class TestPageLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editorGridGeometry_data();
    void editorGridGeometry();
    void rowKindsAndReadOnlyFields();
    void buttonColumn_data();
    void buttonColumn();
    void tickingRowsEnablesSetChecked();
    void oneWritableRowIsSetWithoutCheckBoxes();
    void setUpErrors_data();
    void setUpErrors();
    void longGroupIsCutAndScrolls();
    void pageGrowsToItsContent();
    void editWidthWidensGridAndPage();
    void buttonPictures();
    void hintLinesAndCounter();
    void clickingEmptySpaceClearsGrid();
    void editDialogTakesStatusTextsOut_data();
    void editDialogTakesStatusTextsOut();
    void addDialogForcesIndexAndStatus();
    void doubleClickOpensRowDialogOnRowsOnly_data();
    void doubleClickOpensRowDialogOnRowsOnly();
    void closeThatFailsIsReported();
    void catalogueEntries_data();
    void catalogueEntries();
    void everyGenericEntryBuilds();

private:
    QTemporaryDir sessionDir_;
    SilentPort silent_;
    QStringList messages_;
};

void TestPageLayout::initTestCase()
{
    QVERIFY(silent_.Port() != 0);
    CreateSession(sessionDir_.path());
}

void TestPageLayout::init()
{
    SetDpiScale(1.0);
    QxSNMPProfile& profile = DefaultProfile();
    profile.Device = {QStringLiteral("127.0.0.1"), silent_.Port()};
    profile.Timeout = 5;
    messages_.clear();
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        messages_ << request.text;
        return true;
    });
}

void TestPageLayout::cleanup()
{
    SetMessageBoxHook({});
    QApplication::setFont(QFont());
}

void TestPageLayout::editorGridGeometry_data()
{
    QTest::addColumn<int>("fontPixels");  // 0: the default font
    QTest::addColumn<double>("scale");
    QTest::newRow("default font") << 0 << 1.0;
    QTest::newRow("tiny font: low controls are made 21 high") << 6 << 1.0;
    QTest::newRow("scaled 1.25") << 0 << 1.25;
}

void TestPageLayout::editorGridGeometry()
{
    QFETCH(int, fontPixels);
    QFETCH(double, scale);
    if (fontPixels) {
        QFont font = QApplication::font();
        font.setPixelSize(fontPixels);
        QApplication::setFont(font);
    }
    SetDpiScale(scale);
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kMixed, &editor);
    TEditsPanel* grid = editor->EditsPanel();

    int widest = 0;
    for (int row : {0, 1, 2, 3, 5}) widest = std::max(widest, grid->Label(row)->sizeHint().width());
    const int valueLeft = Scaled(45) + widest + Scaled(5);

    int expectedTop = Scaled(20);
    int lowest = 0;
    for (int row : {0, 1, 2, 3, 5}) {
        const QRect value = grid->ValueControl(row)->geometry();
        QCOMPARE(value.top(), expectedTop);
        QCOMPARE(value.left(), valueLeft);
        QCOMPARE(value.width(), Scaled(121));
        const int natural = grid->ValueControl(row)->sizeHint().height();
        QCOMPARE(value.height(), natural < Scaled(20) ? Scaled(21) : natural);
        if (fontPixels) QVERIFY(value.height() >= Scaled(21));

        const QRect check = grid->CheckBox(row)->geometry();
        QCOMPARE(check.left(), Scaled(20));
        QCOMPARE(check.width(), Scaled(20));
        QVERIFY(qAbs(check.center().y() - value.center().y()) <= 1);
        const QRect label = grid->Label(row)->geometry();
        QCOMPARE(label.left(), Scaled(45));
        QVERIFY(qAbs(label.center().y() - value.center().y()) <= 1);

        lowest = value.top() + value.height();
        expectedTop = lowest + Scaled(5);
    }
    // The hidden variable takes no row.
    QVERIFY(grid->Label(4)->isHidden() && grid->ValueControl(4)->isHidden() && grid->CheckBox(4)->isHidden());
    QCOMPARE(grid->sizeHint(), QSize(valueLeft + Scaled(121) + Scaled(40), lowest + Scaled(40)));
}

void TestPageLayout::rowKindsAndReadOnlyFields()
{
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kMixed, &editor);
    TEditsPanel* grid = editor->EditsPanel();

    QCOMPARE(grid->Kind(0), TEditsPanel::ReadOnlyEdit);
    QCOMPARE(grid->Kind(1), TEditsPanel::WritableEdit);
    QCOMPARE(grid->Kind(2), TEditsPanel::WritableCombo);
    QCOMPARE(grid->Kind(3), TEditsPanel::ReadOnlyLabels);
    QCOMPARE(grid->Format(5), QStringLiteral("%s{I}"));
    QCOMPARE(grid->Format(1), QStringLiteral("%s"));
    QCOMPARE(grid->ComboBox(2)->count(), 2);
    QVERIFY(!grid->ComboBox(2)->isEditable());
    QCOMPARE(grid->ValueControl(2)->objectName(), QStringLiteral("cbxRow2"));
    QCOMPARE(grid->ValueControl(1)->objectName(), QStringLiteral("edtRow1"));

    for (int row : {0, 3}) {
        auto* edit = qobject_cast<QLineEdit*>(grid->ValueControl(row));
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->focusPolicy() & Qt::TabFocus, 0);
        QCOMPARE(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Button));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(grid->CheckBox(row)->isHidden() && !grid->CheckBox(row)->isEnabled());
    }
    auto* writable = qobject_cast<QLineEdit*>(grid->ValueControl(1));
    QVERIFY(!writable->isReadOnly());
    QVERIFY(writable->focusPolicy() & Qt::TabFocus);
    QCOMPARE(writable->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(grid->CheckBox(1)->property("tag").toInt(), 1);
    QVERIFY(!grid->CheckBox(1)->isHidden() && grid->CheckBox(1)->isEnabled() && !grid->CheckBox(1)->isChecked());

    // In a table, index rows cannot be edited on the page.
    TSNMPListViewPanel* table = nullptr;
    auto tableForm = TablePage(kRows, 1, 3, QStringLiteral("createAndGo"), 3, QStringLiteral("destroy"), &table);
    auto* index = qobject_cast<QLineEdit*>(table->EditsPanel()->ValueControl(0));
    QVERIFY(index->isReadOnly());
    QVERIFY(table->EditsPanel()->CheckBox(0)->isHidden());
}

void TestPageLayout::buttonColumn_data()
{
    QTest::addColumn<int>("page");  // 0 mixed, 1 one writable, 2 read-only, 3.. tables
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("enabled");
    const QString set = QStringLiteral("btnSetChecked");
    QTest::newRow("several writable rows")
        << 0 << QStringList{"btnRefresh", set, "btnCheckAll", "btnClearChecks", "btnClose"}
        << QStringList{"btnRefresh", "btnCheckAll", "btnClearChecks", "btnClose"};
    QTest::newRow("one writable row") << 1 << QStringList{"btnRefresh", set, "btnClose"}
                                      << QStringList{"btnRefresh", set, "btnClose"};
    QTest::newRow("read-only group") << 2 << QStringList{"btnRefresh", "btnClose"}
                                     << QStringList{"btnRefresh", "btnClose"};
    QTest::newRow("table with add and delete")
        << 3 << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnEdit", "btnAdd", "btnDelete", "btnClose"}
        << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnAdd", "btnClose"};
    QTest::newRow("table without status column")
        << 4 << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnEdit", "btnClose"}
        << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnClose"};
    QTest::newRow("read-only table") << 5 << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnClose"}
                                     << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnClose"};
    QTest::newRow("table with Edit hidden")
        << 6 << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnAdd", "btnDelete", "btnClose"}
        << QStringList{"lblCounter", "lblSamples", "btnRefresh", "btnAdd", "btnClose"};
}

void TestPageLayout::buttonColumn()
{
    QFETCH(int, page);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, enabled);
    std::unique_ptr<TConfigForm> form;
    TSNMPEditorPanel* editor = nullptr;
    TSNMPListViewPanel* table = nullptr;
    switch (page) {
    case 0: form = ScalarPage(kMixed, &editor); break;
    case 1: form = ScalarPage(kOneWritable, &editor); break;
    case 2: form = ScalarPage(kReadOnly, &editor); break;
    case 3: form = TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table); break;
    case 4: form = TablePage(kRows, 1, -1, {}, -1, {}, &table); break;
    case 5: form = TablePage(kReadOnlyRows, 1, -1, {}, -1, {}, &table); break;
    case 6:
        form = TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table);
        table->SetEditHidden(true);
        break;
    }
    TCtrlBtnPanel* buttons = (table ? table : editor)->CtrlBtnPanel();
    QCOMPARE(ShownButtons(buttons), shown);
    for (const QString& name : shown)
        QVERIFY2(Find(buttons, name)->isEnabled() == enabled.contains(name), qPrintable(name));

    // Stacked from the top: 96 wide at left 10, 5 pixels apart; the column is 116 wide.
    QCOMPARE(buttons->width(), 116);
    int top = 10;
    for (const QString& name : shown) {
        const QRect geometry = Find(buttons, name)->geometry();
        QCOMPARE(geometry.left(), 10);
        QCOMPARE(geometry.width(), 96);
        QCOMPARE(geometry.top(), top);
        top = geometry.bottom() + 1 + 5;
    }
    if (page == 1) QCOMPARE(buttons->btnSetChecked->text(), QStringLiteral("Set"));
    if (page == 0) QCOMPARE(buttons->btnSetChecked->text(), QStringLiteral("Set Checked"));
}

void TestPageLayout::tickingRowsEnablesSetChecked()
{
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kMixed, &editor);
    TEditsPanel* grid = editor->EditsPanel();
    TCtrlBtnPanel* buttons = editor->CtrlBtnPanel();

    QVERIFY(!buttons->btnSetChecked->isEnabled());
    grid->CheckBox(2)->click();
    QVERIFY(buttons->btnSetChecked->isEnabled());
    grid->CheckBox(2)->click();
    QVERIFY(!buttons->btnSetChecked->isEnabled());

    buttons->btnCheckAll->click();
    QVERIFY(buttons->btnSetChecked->isEnabled());
    for (int row : {1, 2, 5}) QVERIFY(grid->CheckBox(row)->isChecked());
    for (int row : {0, 3}) QVERIFY(!grid->CheckBox(row)->isChecked());  // read-only rows stay clear

    buttons->btnClearChecks->click();
    QVERIFY(!buttons->btnSetChecked->isEnabled());
    for (int row = 0; row < grid->RowCount(); ++row) QVERIFY(!grid->CheckBox(row)->isChecked());
}

void TestPageLayout::oneWritableRowIsSetWithoutCheckBoxes()
{
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kOneWritable, &editor);
    TEditsPanel* grid = editor->EditsPanel();
    for (int row = 0; row < grid->RowCount(); ++row) QVERIFY(grid->CheckBox(row)->isHidden());
    QVERIFY(grid->CheckBox(1)->isChecked());  // the row "Set" writes
    QVERIFY(!qobject_cast<QLineEdit*>(grid->ValueControl(1))->isReadOnly());
}

void TestPageLayout::setUpErrors_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("message");
    QTest::newRow("second page on a form") << 0 << "Can not change Type of a Config Form!";
    QTest::newRow("format on a combo box") << 1 << "Can not set Var format to a ComboBox!";
    QTest::newRow("format on a row that is not there") << 2 << "Unknow UI Control type!";
    QTest::newRow("add text not in the combo box") << 3 << "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:create";
    QTest::newRow("delete status on a column without options")
        << 4 << "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy";
    QTest::newRow("buttons for a grid without binding") << 5 << "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!";
}

void TestPageLayout::setUpErrors()
{
    QFETCH(int, step);
    QFETCH(QString, message);
    QString raised;
    try {
        switch (step) {
        case 0: {
            auto form = ScalarPage(kMixed);
            auto second = std::make_unique<QxSNMPRequest2Edits>(form.get());
            second->SetVarList(QxSNMPVarList(kReadOnly, VarListKind::ScalarGroup, 0));
            form->SetTable(std::move(second), -1, {}, -1, {});
            break;
        }
        case 1:
        case 2: {
            TSNMPEditorPanel* editor = nullptr;
            auto form = ScalarPage(kMixed, &editor);
            editor->SetVarFormat(step == 1 ? 2 : 17, QStringLiteral("%s{l4}"));
            break;
        }
        case 3: TablePage(kRows, 1, 3, "create", -1, {}); break;
        case 4: TablePage(kRows, 1, -1, {}, 2, "destroy"); break;
        case 5: {
            TEditsPanel grid(nullptr, nullptr);
            TCtrlBtnPanel buttons;
            grid.ArrangeCtrlBtn(&buttons);
            break;
        }
        }
    } catch (const AppException& error) {
        raised = error.message();
    }
    QCOMPARE(raised, message);
}

void TestPageLayout::longGroupIsCutAndScrolls()
{
    const std::vector<QxSNMPVarDesc> table = ManyRows(20);
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(table.data(), &editor);
    QCOMPARE(form->height(), 550);
    QVERIFY(form->width() <= 800);
    form->show();
    auto* scroll = Find<QScrollArea>(editor, QStringLiteral("ScrollBox1"));
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    QCOMPARE(editor->MsgPanel()->height(), 50);

    editor->SetEditWidth(900);
    QCOMPARE(form->width(), 800);
    QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
    form->hide();
}

void TestPageLayout::pageGrowsToItsContent()
{
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kMixed, &editor);
    const QSize grid = editor->EditsPanel()->sizeHint();
    const int expectedWidth = grid.width() + 116 + 3 + 3;
    const int expectedHeight = std::max(grid.height() + 50 + 3, editor->CtrlBtnPanel()->PreferredHeight());
    QCOMPARE(editor->PageSize(), QSize(expectedWidth, expectedHeight));
    QCOMPARE(form->size(), QSize(expectedWidth, expectedHeight));

    form->show();
    QCOMPARE(editor->MsgPanel()->height(), 50);
    QCOMPARE(editor->EditsPanel()->width(), form->width() - 116 - 3);
    form->hide();
}

void TestPageLayout::editWidthWidensGridAndPage()
{
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kMixed, &editor);
    const int before = form->width();
    editor->SetEditWidth(200);
    QCOMPARE(editor->EditsPanel()->ValueControl(1)->width(), 200);
    QCOMPARE(form->width(), before + 200 - 121);
}

void TestPageLayout::buttonPictures()
{
    QTemporaryDir pictures;
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(pictures.filePath("Get.bmp"), "BMP"));
    QFile broken(pictures.filePath("Add.bmp"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();

    SetButtonPictureDirectory(pictures.path());
    TCtrlBtnPanel buttons;
    SetButtonPictureDirectory(QString());

    QVERIFY(buttons.btnRefresh->text().isEmpty());
    QVERIFY(!buttons.btnRefresh->icon().isNull());
    QCOMPARE(buttons.btnRefresh->toolTip(), QStringLiteral("Refresh"));
    QCOMPARE(buttons.btnAdd->text(), QStringLiteral("Add"));  // the broken file is ignored
    QVERIFY(buttons.btnAdd->icon().isNull());
    QCOMPARE(buttons.btnClose->text(), QStringLiteral("Close"));
}

void TestPageLayout::hintLinesAndCounter()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kRows, 1, -1, {}, -1, {}, &table);
    QxListView* list = Find<QxListView>(table, QStringLiteral("ListView1"));
    QVERIFY(list);
    QCOMPARE(list->ColumnCount(), 4);
    list->AddRow({"1", "on", "uplink", "active"});
    list->AddRow({"2", "off", "", "active"});
    QTRY_COMPARE(Find<QLabel>(table, QStringLiteral("lblCounter"))->text(), QStringLiteral("2"));

    emit list->MouseMoved(0);
    QCOMPARE(list->toolTip(), QStringLiteral("Port\t\t  1\nState\t  on\nName\t\t  uplink\nStatus  active\n"));
    emit list->MouseMoved(-1);
    QVERIFY(list->toolTip().isEmpty());

    // The list's width follows its captions: 8 pixels a character.
    const int captions = QStringLiteral("PortStateNameStatus").size();
    QCOMPARE(table->ListViewPanel()->sizeHint(), QSize(8 * captions + 2 * list->frameWidth(), 350));
}

void TestPageLayout::clickingEmptySpaceClearsGrid()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table);
    form->resize(600, 400);
    form->show();
    QxListView* list = table->ListView();
    list->AddRow({"1", "on", "uplink", "active"});
    QTRY_COMPARE(list->model()->rowCount(), 1);  // appended rows are shown in batches
    TCtrlBtnPanel* buttons = table->CtrlBtnPanel();

    const QRect row = list->visualRect(list->model()->index(0, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(list->SelectedRow(), 0);
    QVERIFY(buttons->btnEdit->isEnabled() && buttons->btnDelete->isEnabled());
    QCOMPARE(qobject_cast<QLineEdit*>(table->EditsPanel()->ValueControl(2))->text(), QStringLiteral("uplink"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(row.center().x(), list->viewport()->height() - 5));
    QCOMPARE(list->SelectedRow(), -1);
    QVERIFY(!buttons->btnEdit->isEnabled() && !buttons->btnDelete->isEnabled());
    QVERIFY(qobject_cast<QLineEdit*>(table->EditsPanel()->ValueControl(2))->text().isEmpty());
    QCOMPARE(table->EditsPanel()->ComboBox(3)->currentIndex(), -1);
    form->hide();
}

void TestPageLayout::editDialogTakesStatusTextsOut_data()
{
    QTest::addColumn<bool>("onlyStatusTexts");
    QTest::newRow("row status with six labels") << false;
    QTest::newRow("row status of only the add and delete texts") << true;
}

void TestPageLayout::editDialogTakesStatusTextsOut()
{
    QFETCH(bool, onlyStatusTexts);
    TSNMPListViewPanel* table = nullptr;
    const int status = onlyStatusTexts ? 2 : 3;
    auto form = onlyStatusTexts ? TablePage(kTrapManagers, 1, 2, "enabled", 2, "disabled", &table)
                                : TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table);
    form->show();
    QxListView* list = table->ListView();
    if (onlyStatusTexts)
        list->AddRow({"10.0.0.9", "public", "enabled"});
    else
        list->AddRow({"7", "on", "lab", "active"});
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QComboBox* combo = table->EditsPanel()->ComboBox(status);
    QStringList before;
    for (int i = 0; i < combo->count(); ++i) before << combo->itemText(i);
    const QString selectedBefore = combo->currentText();

    bool inspected = false;
    WhenDialogOpens(QStringLiteral("dlgEdit"), [&](QDialog* dialog) {
        inspected = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Table Page: 127.0.0.1 (Edit)"));
        QVERIFY(dialog->isModal());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        if (onlyStatusTexts) {
            QVERIFY(items.isEmpty());
            QVERIFY(combo->isHidden() && table->EditsPanel()->Label(status)->isHidden());
            QVERIFY(table->Binding()->Vars().Get(status).Access & AccessHidden);
        } else {
            QCOMPARE(items, (QStringList{"active", "notInService", "notReady", "createAndWait"}));
        }
        auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
        QVERIFY(buttons->btnRefresh->isHidden());
        if (onlyStatusTexts) {
            // The community is the one row left to write.
            QCOMPARE(buttons->btnSetChecked->text(), QStringLiteral("Set"));
            QVERIFY(buttons->btnSetChecked->isEnabled());
        } else {
            QCOMPARE(buttons->btnSetChecked->text(), QStringLiteral("Set Checked"));
            QVERIFY(!buttons->btnSetChecked->isEnabled());
        }
        QVERIFY(dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")));  // the page's message area
        QVERIFY(qobject_cast<QLineEdit*>(table->EditsPanel()->ValueControl(0))->isReadOnly());  // no new index
    });
    table->CtrlBtnPanel()->btnEdit->click();
    QVERIFY(inspected);

    QStringList after;
    for (int i = 0; i < combo->count(); ++i) after << combo->itemText(i);
    QCOMPARE(after, before);
    QCOMPARE(combo->currentText(), selectedBefore);
    QVERIFY(!(table->Binding()->Vars().Get(status).Access & AccessHidden));
    QVERIFY(!table->EditsPanel()->Label(status)->isHidden());
    QVERIFY(table->EditsPanel()->isHidden());
    QCOMPARE(table->EditsPanel()->parentWidget()->window(), form.get());
    QCOMPARE(table->MsgPanel()->window(), form.get());
    form->hide();
}

void TestPageLayout::addDialogForcesIndexAndStatus()
{
    TSNMPListViewPanel* table = nullptr;
    auto form = TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table);
    form->show();
    QxListView* list = table->ListView();
    list->AddRow({"7", "on", "lab", "active"});
    QTRY_COMPARE(list->model()->rowCount(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    TEditsPanel* grid = table->EditsPanel();
    // The page's first read (never answered) must be over: a write during a read is refused.
    QTRY_VERIFY_WITH_TIMEOUT(!table->MsgPanel()->Memo1->toPlainText().isEmpty() && !table->Binding()->Busy(), 5000);

    bool inspected = false;
    WhenDialogOpens(QStringLiteral("dlgAdd"), [&](QDialog* dialog) {
        inspected = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Table Page: 127.0.0.1 (Add)"));
        QCOMPARE(list->SelectedRow(), -1);
        QVERIFY(!table->CtrlBtnPanel()->btnEdit->isEnabled());
        // Cleared by the page's before-add hook.
        QVERIFY(qobject_cast<QLineEdit*>(grid->ValueControl(2))->text().isEmpty());
        auto* index = qobject_cast<QLineEdit*>(grid->ValueControl(0));
        QVERIFY(!index->isReadOnly());
        QVERIFY(grid->CheckBox(0)->isChecked() && !grid->CheckBox(0)->isEnabled() && !grid->CheckBox(0)->isHidden());
        QCOMPARE(grid->ComboBox(3)->currentText(), QStringLiteral("createAndGo"));
        QVERIFY(!grid->ComboBox(3)->isEnabled());
        QVERIFY(grid->CheckBox(3)->isChecked() && !grid->CheckBox(3)->isEnabled());

        auto* buttons = dialog->findChild<TCtrlBtnPanel*>();
        QCOMPARE(buttons->btnSetChecked->property("tag").toInt(), 1);
        QVERIFY(buttons->btnSetChecked->isEnabled());
        // An empty index keeps the dialog open and sends nothing.
        buttons->btnSetChecked->click();
        QCOMPARE(messages_, QStringList{"Some items are empty!"});
        QVERIFY(dialog->isVisible());
        for (int i = 0; i < table->Binding()->Vars().GetCount(); ++i)
            QVERIFY(!(table->Binding()->Vars().Get(i).Access & AccessExcluded));
    });
    table->CtrlBtnPanel()->btnAdd->click();
    QVERIFY(inspected);
    QVERIFY(grid->isHidden());
    form->hide();
}

void TestPageLayout::doubleClickOpensRowDialogOnRowsOnly_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("editHidden");  // by the page, as catalogue entries do
    QTest::addColumn<bool>("opens");
    QTest::newRow("writable columns") << true << false << true;
    QTest::newRow("read-only columns: the row is shown, nothing to set") << false << false << true;
    QTest::newRow("Edit hidden by the page") << true << true << false;
}

void TestPageLayout::doubleClickOpensRowDialogOnRowsOnly()
{
    QFETCH(bool, writable);
    QFETCH(bool, editHidden);
    QFETCH(bool, opens);
    TSNMPListViewPanel* table = nullptr;
    auto form = writable ? TablePage(kRows, 1, 3, "createAndGo", 3, "destroy", &table)
                         : TablePage(kReadOnlyRows, 1, -1, {}, -1, {}, &table);
    if (editHidden) table->SetEditHidden(true);
    form->resize(600, 400);
    form->show();
    QxListView* list = table->ListView();
    const QStringList cells = writable ? QStringList{"7", "on", "lab", "active"} : QStringList{"7", "1000"};
    const QString shownRow = writable ? QStringLiteral("edtRow2") : QStringLiteral("edtRow1");
    list->AddRow(cells);
    QTRY_COMPARE(list->model()->rowCount(), 1);

    QString shown;
    bool readOnly = false;
    bool setShown = false;
    int opened = 0;
    WhenDialogOpens(QStringLiteral("dlgEdit"), [&](QDialog* dialog) {
        ++opened;
        auto* edit = Find<QLineEdit>(dialog, shownRow);
        shown = edit->text();
        readOnly = edit->isReadOnly();
        setShown = !dialog->findChild<TCtrlBtnPanel*>()->btnSetChecked->isHidden();
    }, 1500);
    const QPoint row = list->visualRect(list->model()->index(0, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    if (!opens) QTest::qWait(1600);
    QCOMPARE(opened, opens ? 1 : 0);
    if (opens) {
        QCOMPARE(shown, writable ? QStringLiteral("lab") : QStringLiteral("1000"));
        QCOMPARE(readOnly, !writable);
        QCOMPARE(setShown, writable);
    }

    if (opens) {
        // After the dialog the page reads its table again (the agent here never answers).
        QTRY_VERIFY_WITH_TIMEOUT(!table->Binding()->Busy(), 5000);
        list->AddRow(cells);
        QTRY_COMPARE(list->model()->rowCount(), 1);
    }
    WhenDialogOpens(QStringLiteral("dlgEdit"), [&](QDialog*) { ++opened; }, 500);
    const QPoint below(row.x(), list->viewport()->height() - 5);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
    QTest::qWait(600);
    QCOMPARE(opened, opens ? 1 : 0);
    form->hide();
}

// Something that refuses the window's close (here a filter) leaves it open and says so.
void TestPageLayout::closeThatFailsIsReported()
{
    class RefuseClose : public QObject {
    protected:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() != QEvent::Close) return false;
            event->ignore();
            return true;
        }
    } refuse;
    TSNMPEditorPanel* editor = nullptr;
    auto form = ScalarPage(kReadOnly, &editor);
    form->show();
    form->installEventFilter(&refuse);
    editor->CtrlBtnPanel()->btnClose->click();
    QVERIFY(form->isVisible());
    QCOMPARE(messages_, QStringList{"Please initial close form"});
    form->removeEventFilter(&refuse);
    editor->CtrlBtnPanel()->btnClose->click();
    QVERIFY(!form->isVisible());
}

void TestPageLayout::catalogueEntries_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("formType");
    QTest::newRow("prefix caption") << "basic_configuration.agent_management.basic_information" << QString() << 1.0
                                    << "Basic Information: 10.0.0.5" << int(TConfigForm::FormEditor);
    QTest::newRow("title caption, Edit hidden")
        << "basic_configuration.agent_management.agent_trust_host_management.trust_host_table" << QString() << 1.0
        << "Trust Host Table : 10.0.0.5" << int(TConfigForm::FormTable);
    QTest::newRow("page height 450 x scale")
        << "basic_configuration.agent_management.mib_capabilities" << QString() << 1.25 << "MIB Capabilities: 10.0.0.5"
        << int(TConfigForm::FormTable);
    QTest::newRow("value width increased") << "snmp_v3.snmp_engine" << QString() << 1.0 << "SNMP Engine: 10.0.0.5"
                                           << int(TConfigForm::FormEditor);
    QTest::newRow("port popup, copper") << "port_popup.port_configuration" << "3.1" << 1.0
                                        << "Port Configuration : 10.0.0.5 / Port 3" << int(TConfigForm::FormEditor);
    QTest::newRow("port popup, other medium") << "port_popup.port_configuration" << "3.7" << 1.0
                                              << "Port Configuration : 10.0.0.5" << int(TConfigForm::FormEditor);
}

void TestPageLayout::catalogueEntries()
{
    QFETCH(QString, id);
    QFETCH(QString, instance);
    QFETCH(double, scale);
    QFETCH(QString, caption);
    QFETCH(int, formType);
    SetDpiScale(scale);
    const ksw::catalogue::MenuItem* item = ksw::catalogue::FindMenuItem(id.toStdString());
    QVERIFY(item);
    auto form = CreateGenericPage(*item, QStringLiteral("10.0.0.5"), nullptr, instance);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->FormType(), formType);
    QCOMPARE(form->Binding()->Vars().GetCount(), int(item->page.table.size()) - 1);
    QCOMPARE(form->Binding()->Vars().Instance, item->page.instance == ksw::catalogue::InstanceRule::None ? QString() : instance);
    TSNMPEditorPanel* editor = form->Panel();
    if (item->page.editHidden) {
        QVERIFY(editor->CtrlBtnPanel()->btnEdit->isHidden());
        QVERIFY(!editor->CtrlBtnPanel()->btnAdd->isHidden() && !editor->CtrlBtnPanel()->btnDelete->isHidden());
    }
    if (item->page.extras.pageHeightDpi) QCOMPARE(form->height(), qRound(item->page.extras.pageHeightDpi * scale));
    if (item->page.extras.editWidthIncreaseDpi)
        QCOMPARE(editor->EditsPanel()->EditWidth(), Scaled(121) + qRound(item->page.extras.editWidthIncreaseDpi * scale));
}

// Every entry of the catalogue that opens a generic page can be set up: its row-status texts are
// items of their combo boxes and its formats sit on edit fields.
void TestPageLayout::everyGenericEntryBuilds()
{
    int built = 0;
    for (const auto& menu : {ksw::catalogue::MainMenu(), ksw::catalogue::PortPopupMenu()}) {
        for (const ksw::catalogue::MenuItem& item : menu) {
            if (item.opens != ksw::catalogue::Opens::Generic) continue;
            try {
                auto form = CreateGenericPage(item, QStringLiteral("10.0.0.5"), nullptr, QStringLiteral("1.1"));
                QVERIFY(form->Panel());
                ++built;
            } catch (const AppException& error) {
                QFAIL(qPrintable(QString::fromUtf8(item.id) + ": " + error.message()));
            }
        }
    }
    QVERIFY(built > 150);
}

QTEST_MAIN(TestPageLayout)
#include "test_page_layout.moc"
