#include "pages/listview_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/dpi_scale.h"
#include "binding/listview.h"
#include "binding/request2edits.h"
#include "pages/ctrl_btn_panel.h"

namespace {
constexpr int kPixelsPerCaptionCharacter = 8;
constexpr int kMaxWidth = 450;
constexpr int kHeight = 350;
}  // namespace

TListViewPanel::TListViewPanel(QWidget* parent, QxSNMPRequest2Edits* binding)
    : TContentPanel(parent), binding_(binding)
{
    setObjectName(QStringLiteral("ListViewPanel"));
    ListView1 = new QxListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListView1);
    if (binding_) binding_->SetListView(ListView1, false);

    int characters = 0;
    for (int column = 0; column < ListView1->ColumnCount(); ++column)
        characters += ListView1->ColumnCaption(column).size();
    const int width = Scaled(kPixelsPerCaptionCharacter) * characters + 2 * ListView1->frameWidth();
    preferred_ = QSize(std::min(width, Scaled(kMaxWidth)), Scaled(kHeight));
    resize(preferred_);
}

QSize TListViewPanel::sizeHint() const
{
    return preferred_;
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    buttons->lblCounter->show();
    buttons->lblSamples->show();
    buttons->btnRefresh->show();
    buttons->btnEdit->show();
    buttons->btnEdit->setEnabled(false);
    buttons->btnClose->show();
    buttons->btnAdd->setVisible(AddStatusVar >= 0);
    buttons->btnDelete->setVisible(DeleteStatusVar >= 0);
    buttons->btnDelete->setEnabled(false);
    buttons->btnSetChecked->hide();
    buttons->btnCheckAll->hide();
    buttons->btnClearChecks->hide();
}

QString TListViewPanel::RowHint(int row) const
{
    qsizetype longest = 0;
    for (int column = 0; column < ListView1->ColumnCount(); ++column)
        longest = std::max(longest, ListView1->ColumnCaption(column).size());
    QString hint;
    for (int column = 0; column < ListView1->ColumnCount(); ++column) {
        const QString caption = ListView1->ColumnCaption(column);
        hint += caption + QString(longest - caption.size(), QLatin1Char('\t')) + QStringLiteral("  ") +
                ListView1->Cell(row, column) + QLatin1Char('\n');
    }
    return hint;
}
