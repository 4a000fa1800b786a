// ksw-catalogue: prints the main menu and the port popup, in menu order, as JSON (one object per
// item with its path, what it opens and, for generic pages, the descriptor table).

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <vector>

#include "catalogue/menu_catalogue.h"
#include "values/optionlist.h"

using namespace ksw::catalogue;

namespace {

QJsonValue Text(const char* text)
{
    return text ? QJsonValue(QString::fromUtf8(text)) : QJsonValue(QJsonValue::Null);
}

QJsonValue RowStatus(const RowStatusAction& action)
{
    if (!action.IsSet()) return QJsonValue(QJsonValue::Null);
    return QJsonObject{{"position", action.position}, {"text", Text(action.text)}};
}

QJsonArray Options(const QxOptionList* list)
{
    QJsonArray pairs;
    if (!list) return pairs;
    for (int i = 0; i < list->Count(); ++i) {
        const QxOption& option = list->Option(i);
        const QJsonValue value = list->Kind() == OptionKind::Integer ? QJsonValue(option.intValue)
                                                                     : QJsonValue(option.strValue);
        pairs.append(QJsonArray{value, option.label});
    }
    return pairs;
}

QJsonArray Descriptors(const GenericPage& page)
{
    QJsonArray rows;
    const int count = CountVarDescs(page.table.data());
    for (int i = 0; i < count; ++i) {
        const QxSNMPVarDesc& d = page.table[static_cast<size_t>(i)];
        rows.append(QJsonObject{{"position", i},
                                {"oid", Text(d.Oid)},
                                {"label", Text(d.Label)},
                                {"type", static_cast<qint64>(d.Type)},
                                {"access", static_cast<qint64>(d.Access)},
                                {"options", Options(d.Options)}});
    }
    return rows;
}

QJsonObject Extras(const PageExtras& e)
{
    QJsonObject o;
    const auto put = [&o](const char* key, int value) {
        if (value) o.insert(QLatin1String(key), value);
    };
    put("page_height_dpi", e.pageHeightDpi);
    put("page_height_increase_dpi", e.pageHeightIncreaseDpi);
    put("page_width_increase_dpi", e.pageWidthIncreaseDpi);
    put("edit_width_dpi", e.editWidthDpi);
    put("edit_width_increase_dpi", e.editWidthIncreaseDpi);
    put("edit_width_px", e.editWidthPx);
    put("editor_grid_height_px", e.editorGridHeightPx);
    if (e.note.text)
        o.insert("note", QJsonObject{{"text", Text(e.note.text)},
                                     {"colour", static_cast<qint64>(e.note.colour)},
                                     {"colour_name", Text(e.note.colourName)},
                                     {"font_size", e.note.fontSize}});
    return o;
}

QJsonObject CaptionJson(const Caption& c)
{
    static const char* const forms[] = {"prefix", "title", "title_port"};
    QJsonObject o{{"form", forms[static_cast<int>(c.form)]}, {"text", Text(c.text)}};
    if (c.separator) o.insert("separator", Text(c.separator));
    if (c.suffix) o.insert("suffix", QString::fromUtf8(c.suffix).replace(QLatin1String("%1"), QLatin1String("<port>")));
    return o;
}

const char* StatusRefreshName(StatusRefresh s)
{
    switch (s) {
    case StatusRefresh::None: return nullptr;
    case StatusRefresh::RmonAfterClose: return "rmon_after_close";
    case StatusRefresh::Dot1xAfterClose: return "dot1x_after_close";
    case StatusRefresh::StpBeforeOpen: return "stp_before_open";
    }
    return nullptr;
}

QJsonObject OpensJson(const MenuItem& item)
{
    QJsonObject o;
    switch (item.opens) {
    case Opens::Submenu:
        o.insert("type", "submenu");
        break;
    case Opens::Generic: {
        const GenericPage& p = item.page;
        o.insert("type", "generic");
        o.insert("page", p.shape() == PageShape::Scalar ? "scalar" : "table");
        o.insert("kind", p.kind);
        o.insert("index_count", p.indexCount);
        o.insert("add", RowStatus(p.add));
        o.insert("delete", RowStatus(p.remove));
        o.insert("edit_hidden", p.editHidden);
        QJsonArray formats;
        for (const FormatAt& f : p.formats)
            formats.append(QJsonObject{{"position", f.position}, {"format", Text(f.format)}});
        o.insert("formats", formats);
        if (p.instance == InstanceRule::PortButtonHint) o.insert("instance", "port button hint");
        break;
    }
    case Opens::HandBuilt:
        o.insert("type", "hand_built");
        o.insert("form_class", Text(item.formClass));
        break;
    case Opens::Sibling:
        o.insert("type", "sibling");
        o.insert("switch", Text(item.siblingSwitch));
        break;
    case Opens::Shell: {
        static const char* const actions[] = {"none", "refresh_panel", "help", "about"};
        o.insert("type", "shell");
        o.insert("action", actions[static_cast<int>(item.action)]);
        if (item.confirm) o.insert("confirm", Text(item.confirm));
        break;
    }
    }
    if (const char* refresh = StatusRefreshName(item.statusRefresh)) o.insert("status_refresh", refresh);
    return o;
}

QJsonObject ItemJson(const MenuItem& item, const QStringList& path)
{
    QJsonObject o{{"id", Text(item.id)},
                  {"path", QJsonArray::fromStringList(path)},
                  {"hidden", item.hidden},
                  {"opens", OpensJson(item)}};
    if (item.opens == Opens::Generic || item.opens == Opens::HandBuilt) o.insert("caption", CaptionJson(item.pageCaption));
    if (item.opens == Opens::Generic) {
        const QJsonObject extras = Extras(item.page.extras);
        if (!extras.isEmpty()) o.insert("extras", extras);
        o.insert("descriptors", Descriptors(item.page));
    }
    return o;
}

void AppendMenu(QJsonArray& out, std::span<const MenuItem> items, const QStringList& root)
{
    QStringList path;  // captions of the current item's ancestors
    for (const MenuItem& item : items) {
        while (path.size() > item.depth) path.removeLast();
        out.append(ItemJson(item, root + path + QStringList{QString::fromUtf8(item.caption)}));
        path.append(QString::fromUtf8(item.caption));
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
        std::fprintf(help ? stdout : stderr,
                     "Usage: ksw-catalogue\nPrints every menu item, in menu order, as JSON on standard output.\n");
        return help ? 0 : 2;
    }
    QJsonArray items;
    AppendMenu(items, MainMenu(), {});
    AppendMenu(items, PortPopupMenu(), {QString::fromUtf8(kPortPopupMenuName.data(), kPortPopupMenuName.size())});
    const QByteArray json = QJsonDocument(items).toJson(QJsonDocument::Indented);
    return std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout) == static_cast<size_t>(json.size()) ? 0 : 1;
}
