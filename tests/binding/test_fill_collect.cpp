// Filling controls from values and collecting them back: edit fields that split a value, check
// boxes bound to bits, combo boxes (with the companion edit of a prefix list), radio groups,
// check boxes with option lists, parts of values, and the errors of the bind calls and fills.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "values/optionlist.h"
#include "binding/radiogroup.h"
#include "binding/request2edits.h"
#include "values/valuetext.h"
#include "snmp/errors.h"

namespace {

const QxIntPair kStatusPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QxOptionList kStatus(kStatusPairs);
const QxIntPair kOnOffPairs[] = {{2, "off"}, {1, "on"}, {0, nullptr}};
const QxOptionList kOnOff(kOnOffPairs);
const QxStrPair kMibPairs[] = {{"1.3.6.1.2.1", "mib-2"}, {"1.3.6.1.4.1", "enterprises"}, {nullptr, nullptr}};
const QxOptionList kMibPrefixes(kMibPairs, OptionKind::Prefix);

// A page with one writable variable of the given type (and option list) and its binding.
struct Page {
    explicit Page(uint32_t type, const QString& value, const QxOptionList* options = nullptr)
    {
        desc[0] = {"1.3.6.1.4.1.58126.1", "value", type, AccessRead | AccessWrite, options};
        binding = new QxSNMPRequest2Edits(&widget);
        binding->SetVarList(QxSNMPVarList(desc, VarListKind::ScalarGroup, 0));
        binding->Vars().Get(0).Value = value;
    }
    QList<QLineEdit*> Edits(int count)
    {
        QList<QLineEdit*> edits;
        for (int k = 0; k < count; ++k) edits << new QLineEdit(QString::number(k + 1), &widget);
        return edits;
    }
    QString Collected()
    {
        binding->CollectControls(-1);
        return binding->Vars().Get(0).Value;
    }

    QWidget widget;
    QxSNMPVarDesc desc[2] = {};
    QxSNMPRequest2Edits* binding;
};

QStringList Texts(const QList<QLineEdit*>& edits)
{
    QStringList texts;
    for (const QLineEdit* edit : edits) texts << edit->text();
    return texts;
}

int CodeOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const AppException& e) {
        return e.code();
    }
    return 0;
}

}  // namespace

class TestFillCollect : public QObject {
    Q_OBJECT

private slots:
    void editFields_data();
    void editFields();
    void bitCheckBoxes_data();
    void bitCheckBoxes();
    void itemControls_data();
    void itemControls();
    void prefixListWithCompanion();
    void unknownValueStaysWhenCollected();
    void partOfValue();
    void wholeValueIsReplaced();
    void notDoneIsNotCollected_data();
    void notDoneIsNotCollected();
    void notDoneThenTypedIsCollected();
    void excludedIsNotFilled();
    void errors_data();
    void errors();
};

void TestFillCollect::editFields_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("fields");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("edited");  // field changed before collecting
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("collected");

    QTest::newRow("MAC address, cleared field counts as 00")
        << uint(VarType::MacAddress) << "0011223344AA" << 6 << QStringList{"00", "11", "22", "33", "44", "AA"} << 3
        << "" << "0011220044AA";
    QTest::newRow("IP address") << uint(VarType::IpAddress) << "10.0.0.1" << 4 << QStringList{"10", "0", "0", "1"} << 2
                                << "7" << "10.0.7.1";
    QTest::newRow("IP address (NULL) leaves the fields")
        << uint(VarType::IpAddress) << "(NULL)" << 4 << QStringList{"1", "2", "3", "4"} << -1 << "" << "1.2.3.4";
    QTest::newRow("MAC address (NULL) leaves the fields")
        << uint(VarType::MacAddress) << "(NULL)" << 6 << QStringList{"1", "2", "3", "4", "5", "6"} << -1 << ""
        << "010203040506";
    QTest::newRow("port list in octets, one digit gets a 0")
        << uint(VarType::BitString) << "C0000001" << 4 << QStringList{"C0", "00", "00", "01"} << 1 << "F"
        << "C00F0001";
    QTest::newRow("octet string shorter than its fields")
        << uint(VarType::OctetString) << "ABCD" << 4 << QStringList{"AB", "CD", "", ""} << -1 << "" << "ABCD0000";
    QTest::newRow("object identifier") << uint(VarType::ObjectId) << "1.3.6.1" << 6
                                       << QStringList{"1", "3", "6", "1", "", ""} << 4 << "9" << "1.3.6.1.9";
    QTest::newRow("time ticks") << uint(VarType::TimeTicks) << TimeTicksText(8640000 + 2 * 360000 + 3 * 6000 + 405)
                                << 5 << QStringList{"1", "2", "3", "4", "5"} << 1 << "23"
                                << TimeTicksText(8640000 + 23 * 360000 + 3 * 6000 + 405);
    QTest::newRow("date and time") << uint(VarType::DateTime) << "2024-3-5,13:45:30.7,+2:0" << 10
                                   << QStringList{"2024", "3", "5", "13", "45", "30", "7", "+", "2", "0"} << 7 << "-"
                                   << "2024-3-5,13:45:30.7,-2:0";
    QTest::newRow("one field shows the text") << uint(VarType::Integer) << "42" << 1 << QStringList{"42"} << 0 << "43"
                                              << "43";
}

void TestFillCollect::editFields()
{
    QFETCH(uint, type);
    QFETCH(QString, value);
    QFETCH(int, fields);
    QFETCH(QStringList, shown);
    QFETCH(int, edited);
    QFETCH(QString, newText);
    QFETCH(QString, collected);
    Page page(type, value);
    const QList<QLineEdit*> edits = page.Edits(fields);
    page.binding->BindEdits(0, QStringLiteral("%s").repeated(fields), edits);
    page.binding->FillControls(-1);
    QCOMPARE(Texts(edits), shown);
    if (edited >= 0) edits[edited]->setText(newText);
    QCOMPARE(page.Collected(), collected);
}

// Bit k of a port list is port k + 1: the most significant bit of the first octet is port 1.
// Agents send lists of any length, empty included; the ports past the octets sent are not
// members, and the list goes back with at least four octets and never fewer than were read.
void TestFillCollect::bitCheckBoxes_data()
{
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("boxCount");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("written");  // after ticking port 10 and unticking port 1
    QTest::newRow("0 octets, 32 boxes") << "" << 32 << QList<int>{} << "00400000";
    QTest::newRow("0 octets, 16 boxes") << "" << 16 << QList<int>{} << "00400000";
    QTest::newRow("2 octets, 16 boxes") << "80FF" << 16 << QList<int>{0, 8, 9, 10, 11, 12, 13, 14, 15} << "00FF0000";
    QTest::newRow("2 octets, 32 boxes") << "80FF" << 32 << QList<int>{0, 8, 9, 10, 11, 12, 13, 14, 15} << "00FF0000";
    QTest::newRow("4 octets, 16 boxes") << "8000FF01" << 16 << QList<int>{0} << "0040FF01";
    QTest::newRow("4 octets, 32 boxes") << "8000FF01" << 32 << QList<int>{0, 16, 17, 18, 19, 20, 21, 22, 23, 31} << "0040FF01";
    QTest::newRow("8 octets, 32 boxes") << "80000000FFFFFFFF" << 32 << QList<int>{0} << "00400000FFFFFFFF";
}

void TestFillCollect::bitCheckBoxes()
{
    QFETCH(QString, read);
    QFETCH(int, boxCount);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, written);
    Page page(VarType::BitString, read);
    QList<QCheckBox*> boxes;
    QStringList bits;
    for (int k = 0; k < boxCount; ++k) {
        boxes << new QCheckBox(&page.widget);
        bits << QString::number(k);
    }
    page.binding->BindBitList(0, bits.join(QLatin1Char(',')), boxes);
    page.binding->FillControls(-1);
    QList<int> shown;
    for (int k = 0; k < boxCount; ++k)
        if (boxes[k]->isChecked()) shown << k;
    QCOMPARE(shown, ticked);
    boxes[0]->setChecked(false);
    boxes[9]->setChecked(true);
    QCOMPARE(page.Collected(), written);
}

void TestFillCollect::itemControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");   // selected item, or "checked"/"unchecked"
    QTest::addColumn<QString>("collected");  // after choosing the other state or item
    QTest::newRow("combo box by value") << "combo" << "2" << "disabled" << "enabled";
    QTest::newRow("combo box by label") << "combo" << "enabled" << "enabled" << "disabled";
    QTest::newRow("radio group") << "radio" << "disabled" << "disabled" << "enabled";
    QTest::newRow("check box, option 1 checks") << "check" << "disabled" << "checked" << "enabled";
    QTest::newRow("check box, option 0 leaves it") << "check" << "1" << "unchecked" << "disabled";
}

void TestFillCollect::itemControls()
{
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, collected);
    Page page(VarType::Integer, value, &kStatus);
    auto* comboBox = new QComboBox(&page.widget);
    auto* radioGroup = new QxRadioGroup(&page.widget);
    auto* checkBox = new QCheckBox(&page.widget);
    if (control == QLatin1String("combo")) {
        comboBox->setEditable(true);
        page.binding->BindComboBox(0, comboBox);
        QVERIFY(!comboBox->isEditable());
        QCOMPARE(comboBox->count(), 2);
    } else if (control == QLatin1String("radio")) {
        page.binding->BindControl(0, radioGroup);
        QCOMPARE(radioGroup->Items(), (QStringList{"enabled", "disabled"}));
    } else {
        page.binding->BindControl(0, checkBox);
    }
    page.binding->FillControls(-1);
    if (control == QLatin1String("combo")) {
        QCOMPARE(comboBox->currentText(), shown);
        comboBox->setCurrentIndex(1 - comboBox->currentIndex());
    } else if (control == QLatin1String("radio")) {
        QCOMPARE(radioGroup->SelectedText(), shown);
        radioGroup->SetItemIndex(1 - radioGroup->ItemIndex());
    } else {
        QCOMPARE(checkBox->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"), shown);
        checkBox->setChecked(!checkBox->isChecked());
    }
    QCOMPARE(page.Collected(), collected);
}

// A prefix list shows the prefix in the combo box and the rest of the value in the edit.
void TestFillCollect::prefixListWithCompanion()
{
    Page page(VarType::ObjectId, QStringLiteral("1.3.6.1.4.1.58126.10"), &kMibPrefixes);
    auto* comboBox = new QComboBox(&page.widget);
    auto* rest = new QLineEdit(&page.widget);
    page.binding->BindComboBox(0, comboBox, rest);
    page.binding->FillControls(-1);
    QCOMPARE(comboBox->currentText(), QStringLiteral("enterprises"));
    QCOMPARE(rest->text(), QStringLiteral("58126.10"));
    comboBox->setCurrentIndex(0);
    rest->setText(QStringLiteral("1.5"));
    // Values are held in their label form; the request turns them back when it sends them.
    QCOMPARE(page.Collected(), QStringLiteral("mib-2.1.5"));
}

// A value the list does not know selects nothing; collecting gives it back as it was read.
void TestFillCollect::unknownValueStaysWhenCollected()
{
    Page page(VarType::Integer, QStringLiteral("7"), &kStatus);
    auto* comboBox = new QComboBox(&page.widget);
    auto* radioGroup = new QxRadioGroup(&page.widget);
    page.binding->BindComboBox(0, comboBox);
    page.binding->BindControl(0, radioGroup);
    page.binding->FillControls(-1);
    QCOMPARE(comboBox->currentIndex(), -1);
    QCOMPARE(radioGroup->ItemIndex(), -1);
    page.binding->Vars().Get(0).Value.clear();  // as a set's collect step starts
    QCOMPARE(page.Collected(), QStringLiteral("7"));
}

// Octets 2 and 3 of a value as a 16-bit number in one edit, and octet 0 as a combo box.
void TestFillCollect::partOfValue()
{
    Page page(VarType::OctetString, QStringLiteral("0100FFFE"));
    auto* number = new QLineEdit(&page.widget);
    auto* state = new QComboBox(&page.widget);
    page.binding->BindPart(0, 2, VarType::UInt16, nullptr, number);
    page.binding->BindPartComboBox(0, 0, VarType::UInt8, &kOnOff, state);
    page.binding->FillControls(-1);
    QCOMPARE(number->text(), QStringLiteral("65534"));
    QCOMPARE(state->currentText(), QStringLiteral("on"));
    number->setText(QStringLiteral("258"));
    state->setCurrentIndex(0);
    QCOMPARE(page.Collected(), QStringLiteral("02000102"));
}

// A whole value collected from a field replaces the old one: a shorter text keeps no tail.
void TestFillCollect::wholeValueIsReplaced()
{
    Page page(VarType::OctetString, QStringLiteral("AABBCCDD"));
    auto* edit = new QLineEdit(&page.widget);
    page.binding->BindControl(0, edit);
    page.binding->FillControls(-1);
    edit->setText(QStringLiteral("11"));
    QCOMPARE(page.Collected(), QStringLiteral("11"));
}

// A row without a value in this column shows "(NOTDONE)". Controls left as that fill made them
// give the marker back (the request leaves such a variable out), never a value made of the
// marker's letters, a 0, or the previous row's value kept in the fields.
enum class Layout { IpFields, MacFields, HexEdit, NumberEdit, ComboBox, CheckBoxWithOptions, PortBits, PartEdit };
Q_DECLARE_METATYPE(Layout)

void TestFillCollect::notDoneIsNotCollected_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("previousRow");
    QTest::newRow("ip address in four fields") << 64u << Layout::IpFields << "10.0.0.1";
    QTest::newRow("mac address in six fields") << 73u << Layout::MacFields << "001122334455";
    QTest::newRow("octet string in one hex field") << 4u << Layout::HexEdit << "0D0E";
    QTest::newRow("integer in one field") << 2u << Layout::NumberEdit << "5";
    QTest::newRow("integer in a combo box") << 2u << Layout::ComboBox << "enabled";
    QTest::newRow("integer in a check box") << 2u << Layout::CheckBoxWithOptions << "on";
    QTest::newRow("port list in check boxes") << 3u << Layout::PortBits << "C0";
    QTest::newRow("part of an octet string") << 4u << Layout::PartEdit << "0001";
}

void TestFillCollect::notDoneIsNotCollected()
{
    QFETCH(uint, type);
    QFETCH(Layout, layout);
    QFETCH(QString, previousRow);
    const QxOptionList* options = layout == Layout::ComboBox              ? &kStatus
                                  : layout == Layout::CheckBoxWithOptions ? &kOnOff
                                                                          : nullptr;
    Page page(type, previousRow, options);
    QList<QLineEdit*> edits;
    switch (layout) {
    case Layout::IpFields: page.binding->BindEdits(0, QStringLiteral("%i%i%i%i"), edits = page.Edits(4)); break;
    case Layout::MacFields: page.binding->BindEdits(0, QStringLiteral("%h%h%h%h%h%h"), edits = page.Edits(6)); break;
    case Layout::HexEdit: page.binding->BindEdits(0, QStringLiteral("%h"), edits = page.Edits(1)); break;
    case Layout::NumberEdit: page.binding->BindEdits(0, QStringLiteral("%i"), edits = page.Edits(1)); break;
    case Layout::ComboBox: page.binding->BindComboBox(0, new QComboBox(&page.widget)); break;
    case Layout::CheckBoxWithOptions: page.binding->BindControl(0, new QCheckBox(&page.widget)); break;
    case Layout::PortBits:
        page.binding->BindBitList(0, QStringLiteral("0,1"), {new QCheckBox(&page.widget), new QCheckBox(&page.widget)});
        break;
    case Layout::PartEdit:
        page.binding->BindPartEdits(0, 0, VarType::UInt16, nullptr, QStringLiteral("%u"), edits = page.Edits(1));
        break;
    }
    page.binding->FillControls(-1);
    page.binding->Vars().Get(0).Value = QStringLiteral("(NOTDONE)");
    page.binding->FillControls(-1);
    if (edits.size() > 1) QCOMPARE(Texts(edits), QStringList(edits.size()));  // no other row's value
    page.binding->Vars().Get(0).Value.clear();  // as a set's collect step starts
    QCOMPARE(page.Collected(), QStringLiteral("(NOTDONE)"));
}

void TestFillCollect::notDoneThenTypedIsCollected()
{
    Page page(VarType::IpAddress, QStringLiteral("(NOTDONE)"));
    const QList<QLineEdit*> edits = page.Edits(4);
    page.binding->BindEdits(0, QStringLiteral("%i%i%i%i"), edits);
    page.binding->FillControls(-1);
    const QStringList typed = {"192", "168", "1", "254"};
    for (int k = 0; k < 4; ++k) edits[k]->setText(typed[k]);
    QCOMPARE(page.Collected(), QStringLiteral("192.168.1.254"));

    Page combo(VarType::Integer, QStringLiteral("(NOTDONE)"), &kStatus);
    auto* comboBox = new QComboBox(&combo.widget);
    combo.binding->BindComboBox(0, comboBox);
    combo.binding->FillControls(-1);
    comboBox->setCurrentIndex(1);
    QCOMPARE(combo.Collected(), QStringLiteral("disabled"));
}

void TestFillCollect::excludedIsNotFilled()
{
    Page page(VarType::Integer, QStringLiteral("5"));
    auto* label = new QLabel(QStringLiteral("before"), &page.widget);
    page.binding->BindControl(0, label);
    page.binding->Vars().Get(0).Access |= AccessExcluded;
    page.binding->FillControls(-1);
    QCOMPARE(label->text(), QStringLiteral("before"));
    page.binding->Vars().Get(0).Access &= ~AccessExcluded;
    page.binding->FillControls(0);
    QCOMPARE(label->text(), QStringLiteral("5"));
}

void TestFillCollect::errors_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("atBind");
    QTest::addColumn<int>("code");
    QTest::newRow("combo box without option list") << "combo" << true << int(LibErr::NoOptionList);
    QTest::newRow("radio group without option list") << "radio" << true << int(LibErr::NoOptionList);
    QTest::newRow("prefix list without companion") << "prefix" << true << int(LibErr::TooFewControls);
    QTest::newRow("IP address in three edits") << "ip3" << false << int(LibErr::TooFewControls);
    QTest::newRow("check box on an integer without list") << "check" << false << int(LibErr::PartSyntax);
    QTest::newRow("a control of no supported class") << "spin" << false << int(LibErr::BadControl);
}

void TestFillCollect::errors()
{
    QFETCH(QString, setup);
    QFETCH(bool, atBind);
    QFETCH(int, code);
    const uint32_t type = setup == QLatin1String("ip3")      ? VarType::IpAddress
                          : setup == QLatin1String("prefix") ? VarType::ObjectId
                                                             : VarType::Integer;
    Page page(type, QStringLiteral("10.0.0.1"), setup == QLatin1String("prefix") ? &kMibPrefixes : nullptr);
    const auto bind = [&] {
        if (setup == QLatin1String("combo") || setup == QLatin1String("prefix"))
            page.binding->BindComboBox(0, new QComboBox(&page.widget));
        else if (setup == QLatin1String("radio"))
            page.binding->BindControl(0, new QxRadioGroup(&page.widget));
        else if (setup == QLatin1String("ip3"))
            page.binding->BindEdits(0, QStringLiteral("%i%i%i"), page.Edits(3));
        else if (setup == QLatin1String("check"))
            page.binding->BindControl(0, new QCheckBox(&page.widget));
        else
            page.binding->BindControl(0, new QSpinBox(&page.widget));
    };
    if (atBind) {
        QCOMPARE(CodeOf(bind), code);
        return;
    }
    bind();
    QCOMPARE(CodeOf([&] { page.binding->FillControls(-1); }), code);
    QCOMPARE(CodeOf([&] { page.binding->CollectControls(-1); }), code);
}

QTEST_MAIN(TestFillCollect)
#include "test_fill_collect.moc"
