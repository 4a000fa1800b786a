#include "stacking_port_unit_form.h"

#include <algorithm>

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A DeviceInfo.ini in the working directory asks for ten ports a row on every sheet added.
constexpr int kDeviceInfoColumns = 10;

int FontPoints(const QWidget* widget)
{
    const QFont font = widget->font();
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF() > 0 ? font.pointSizeF() : 9.0);
}

}  // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner)
    : QWidget(owner, Qt::FramelessWindowHint), unitPageControl_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Form"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(unitPageControl_);
}

void TStackingPortUitForm::AddUnitSheet(const QString& caption, int firstPort, int boxCount, int columnCount)
{
    if (QFileInfo::exists(QStringLiteral("DeviceInfo.ini"))) columnCount = kDeviceInfoColumns;
    columnCount = std::max(columnCount, 1);

    auto* sheet = new QWidget;
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    auto* scrollBox = new QScrollArea(sheet);
    scrollBox->setFrameShape(QFrame::NoFrame);
    sheetLayout->addWidget(scrollBox);
    auto* boxes = new QWidget;

    firstBoxOfSheet_ << static_cast<int>(checkBoxes_.size());
    boxCountOfSheet_ << boxCount;
    QRect extent;
    for (int k = 0; k < boxCount; ++k) {
        auto* box = new QCheckBox(QString::number(k + 1), boxes);
        box->setChecked(false);
        box->hide();
        const int points = FontPoints(box);
        const int height = box->sizeHint().height();
        const QRect place((k % columnCount) * points * 5 + 20, (k / columnCount) * height + 4,
                          static_cast<int>(box->text().size()) * points + 3 * points, height);
        box->setGeometry(place);
        extent |= place;
        checkBoxes_ << box;
    }
    boxes->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
    scrollBox->setWidget(boxes);
    scrollBox->setWidgetResizable(true);

    const int index = unitPageControl_->addTab(sheet, caption);
    unitPageControl_->setTabVisible(index, false);
    sheets_ << sheet;
    firstPorts_ << firstPort;
    captions_ << caption;
}

void TStackingPortUitForm::ShowUnit(const QString& unit, const QString& modelName, int portCount, int /*columnCount*/)
{
    bool ok = false;
    const int sheet = unit.toInt(&ok) - 1;
    if (!ok || sheet < 0 || sheet >= sheets_.size()) return;
    const int index = unitPageControl_->indexOf(sheets_[sheet]);
    unitPageControl_->setTabText(index, captions_[sheet] + QLatin1Char(' ') + modelName);
    unitPageControl_->setTabVisible(index, false);
    unitPageControl_->setCurrentIndex(index);
    sheets_[sheet]->setVisible(true);
    const int shown = std::min(portCount, boxCountOfSheet_[sheet]);
    for (int k = 0; k < shown; ++k) checkBoxes_[firstBoxOfSheet_[sheet] + k]->show();
}

void TStackingPortUitForm::Clear()
{
    for (QCheckBox* box : checkBoxes_) box->setChecked(false);
}

void TStackingPortUitForm::DisableAll()
{
    for (QCheckBox* box : checkBoxes_) box->setEnabled(false);
}

void TStackingPortUitForm::EnableAll()
{
    for (QCheckBox* box : checkBoxes_) box->setEnabled(true);
}

QString StackingPortBitList(int count)
{
    QStringList bits;
    for (int k = 0; k < count; ++k) bits << QString::number(k);
    return bits.join(QLatin1Char(','));
}
