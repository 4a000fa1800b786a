#include "pages/generic_page.h"

#include <QColor>
#include <cmath>

#include "catalogue/menu_catalogue.h"
#include "platform/dpi_scale.h"
#include "binding/request2edits.h"
#include "pages/config_form.h"
#include "pages/edits_panel.h"
#include "pages/snmp_editor_panel.h"
#include "pages/snmp_listview_panel.h"

using namespace ksw::catalogue;

namespace {

int ScaledBy(int units)
{
    return static_cast<int>(std::lround(units * DpiScale()));
}

QColor NoteColour(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The port button's hint is "<port>.<medium>"; the caption names the port for media 1 and 2.
bool PortOfInstance(const QString& instance, QString& port)
{
    const int dot = instance.indexOf(QLatin1Char('.'));
    if (dot <= 0 || dot + 1 >= instance.size()) return false;
    const QChar medium = instance.at(dot + 1);
    if (medium != QLatin1Char('1') && medium != QLatin1Char('2')) return false;
    port = instance.left(dot);
    return true;
}

void ApplyExtras(const GenericPage& page, TConfigForm& form, TSNMPEditorPanel& editor)
{
    for (const FormatAt& format : page.formats) editor.SetVarFormat(format.position, QString::fromUtf8(format.format));

    const PageExtras& extras = page.extras;
    if (extras.editWidthDpi) editor.SetEditWidth(ScaledBy(extras.editWidthDpi));
    if (extras.editWidthIncreaseDpi) editor.SetEditWidth(editor.EditsPanel()->EditWidth() + ScaledBy(extras.editWidthIncreaseDpi));
    if (extras.editWidthPx) editor.SetEditWidth(extras.editWidthPx);
    if (extras.editorGridHeightPx) editor.EditsPanel()->SetGridHeight(extras.editorGridHeightPx);
    if (extras.note.text)
        editor.EditsPanel()->SetNote(QString::fromUtf8(extras.note.text), NoteColour(extras.note.colour),
                                     extras.note.fontSize);

    QSize size = form.size();
    if (extras.pageHeightDpi) size.setHeight(ScaledBy(extras.pageHeightDpi));
    if (extras.pageHeightIncreaseDpi) size.setHeight(size.height() + ScaledBy(extras.pageHeightIncreaseDpi));
    if (extras.pageWidthIncreaseDpi) size.setWidth(size.width() + ScaledBy(extras.pageWidthIncreaseDpi));
    form.resize(size);
}

}  // namespace

QString GenericPageCaption(const MenuItem& item, const QString& agentAddress, const QString& instance)
{
    const Caption& caption = item.pageCaption;
    const QString text = QString::fromUtf8(caption.text ? caption.text : item.caption);
    const QString separator = QString::fromUtf8(caption.separator ? caption.separator : " : ");
    switch (caption.form) {
    case CaptionForm::Prefix: return text + agentAddress;
    case CaptionForm::Title: return text + separator + agentAddress;
    case CaptionForm::TitlePort: {
        QString result = text + separator + agentAddress;
        QString port;
        if (caption.suffix && PortOfInstance(instance, port)) result += QString::fromUtf8(caption.suffix).arg(port);
        return result;
    }
    }
    return text + agentAddress;
}

std::unique_ptr<TConfigForm> CreateGenericPage(const MenuItem& item, const QString& agentAddress, QWidget* parent,
                                               const QString& instance)
{
    const GenericPage& page = item.page;
    auto form = std::make_unique<TConfigForm>(parent);
    auto binding = std::make_unique<QxSNMPRequest2Edits>(form.get());
    binding->SetVarList(QxSNMPVarList(page.table.data(), page.kind, page.indexCount));
    if (page.instance != InstanceRule::None) binding->Vars().Instance = instance;

    TSNMPEditorPanel* editor = nullptr;
    if (page.shape() == PageShape::Table) {
        TSNMPListViewPanel* table = form->SetTable(
            std::move(binding), page.add.position, QString::fromUtf8(page.add.text ? page.add.text : ""),
            page.remove.position, QString::fromUtf8(page.remove.text ? page.remove.text : ""));
        if (page.editHidden) table->SetEditHidden(true);
        editor = table;
    } else {
        editor = form->SetEditor(std::move(binding));
    }
    ApplyExtras(page, *form, *editor);
    form->setWindowTitle(GenericPageCaption(item, agentAddress, instance));
    return form;
}

void OpenGenericPage(const MenuItem& item, const QString& agentAddress, QWidget* parent, const QString& instance)
{
    std::unique_ptr<TConfigForm> form = CreateGenericPage(item, agentAddress, parent, instance);
    form->exec();
}
