#include "menu_reference.h"

#include <QStringList>
#include <algorithm>
#include <span>
#include <vector>

#include "catalogue/menu_catalogue.h"
#include "html.h"
#include "object_text.h"

using namespace ksw::catalogue;

namespace manual {
namespace {

// Between the captions of a menu path.
constexpr QStringView kPathSeparator = u" \u203A ";

QString Utf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One entry with where it sits in its menu.
struct Entry {
    const MenuItem* item;
    QStringList path;     // captions from below the top menu down to the entry
    bool hidden;          // the entry or one of the submenus above it is hidden
    bool hiddenByParent;  // hidden only because a submenu above it is
    bool submenu;         // has entries of its own
};

struct TopMenu {
    QString caption;  // as the section heading shows it
    QString anchor;
    const MenuItem* item;  // null for the port popup, which has no item of its own
    std::vector<Entry> entries;
};

std::vector<TopMenu> TopMenus()
{
    std::vector<TopMenu> menus;
    const auto collect = [](TopMenu& menu, std::span<const MenuItem> items, int topDepth) {
        const bool topHidden = menu.item && menu.item->hidden;
        std::vector<bool> ancestorsHidden;  // per submenu above the current entry, top down
        QStringList path;
        for (size_t i = 0; i < items.size(); ++i) {
            const MenuItem& item = items[i];
            const int level = item.depth - topDepth;  // 1 for the entries of the top menu
            while (path.size() >= level) path.removeLast();
            ancestorsHidden.resize(static_cast<size_t>(std::max(0, level - 1)));
            const bool parentHidden = ancestorsHidden.empty() ? topHidden : bool(ancestorsHidden.back());
            const bool hidden = item.hidden || parentHidden;
            ancestorsHidden.push_back(hidden);
            path.append(Utf8(item.caption));
            const bool submenu = i + 1 < items.size() && items[i + 1].depth > item.depth;
            menu.entries.push_back({&item, path, hidden, parentHidden && !item.hidden, submenu});
        }
    };

    const std::span<const MenuItem> main = MainMenu();
    size_t i = 0;
    while (i < main.size()) {
        const MenuItem& top = main[i];
        size_t end = i + 1;
        while (end < main.size() && main[end].depth > top.depth) ++end;
        TopMenu menu{Utf8(top.caption) + QStringLiteral(" menu"), MenuSectionAnchor(top.id), &top, {}};
        collect(menu, main.subspan(i + 1, end - i - 1), top.depth);
        menus.push_back(std::move(menu));
        i = end;
    }

    TopMenu popup{Utf8(kPortPopupMenuName), MenuSectionAnchor(kPortPopupId), nullptr, {}};
    collect(popup, PortPopupMenu(), -1);
    menus.push_back(std::move(popup));
    return menus;
}

QString AgentAddress()
{
    return QStringLiteral("<i>agent address</i>");
}

// The window caption the entry's page gets.
QString PageCaption(const Caption& caption)
{
    const QString text = Escape(Utf8(caption.text));
    switch (caption.form) {
    case CaptionForm::Prefix:
        return text + AgentAddress();
    case CaptionForm::Title:
        return text + Escape(Utf8(caption.separator)) + AgentAddress();
    case CaptionForm::TitlePort:
        return text + Escape(Utf8(caption.separator)) + AgentAddress() +
               Escape(Utf8(caption.suffix)).replace(QLatin1String("%1"), QLatin1String("<i>port</i>"));
    }
    return text;
}

QString ModuleOfSwitch(const QString& pageSwitch)
{
    const qsizetype underscore = pageSwitch.indexOf(u'_');
    return pageSwitch.mid(2, underscore < 0 ? -1 : underscore - 2);
}

// A few words for the tree: what the entry is.
QString Kind(const Entry& entry)
{
    const MenuItem& item = *entry.item;
    switch (item.opens) {
    case Opens::Submenu:
        return entry.submenu ? QString() : QStringLiteral("no action");
    case Opens::Generic:
        return item.page.shape() == PageShape::Table ? QStringLiteral("table page") : QStringLiteral("scalar page");
    case Opens::HandBuilt:
        return QStringLiteral("own page");
    case Opens::Sibling:
        return QStringLiteral("sibling module ") + Escape(ModuleOfSwitch(Utf8(item.siblingSwitch)));
    case Opens::Shell:
        return item.action == ShellAction::None ? QStringLiteral("no action") : QStringLiteral("action");
    }
    return {};
}

QString Anchor(const MenuItem& item)
{
    return Escape(Utf8(item.id));
}

QString HiddenMark(const Entry& entry)
{
    return entry.hidden ? QStringLiteral(" <span class=\"hidden\">[hidden]</span>") : QString();
}

QString TreeLine(const Entry& entry)
{
    const QString caption = Escape(entry.path.back());
    QString line = entry.submenu ? QStringLiteral("<b>%1</b>").arg(caption)
                                 : QStringLiteral("<a href=\"#%1\">%2</a>").arg(Anchor(*entry.item), caption);
    const QString kind = Kind(entry);
    if (!kind.isEmpty()) line += QStringLiteral(" \u2013 ") + kind;
    return line + HiddenMark(entry);
}

// The entries from 'i' on that share the level of entries[i], each with its submenu's entries.
QString Tree(const std::vector<Entry>& entries, size_t& i)
{
    const qsizetype level = entries[i].path.size();
    QString html = QStringLiteral("<ul>\n");
    while (i < entries.size() && entries[i].path.size() == level) {
        const Entry& entry = entries[i++];
        html += QStringLiteral("<li>") + TreeLine(entry);
        if (i < entries.size() && entries[i].path.size() > level) html += u'\n' + Tree(entries, i);
        html += QStringLiteral("</li>\n");
    }
    return html + QStringLiteral("</ul>\n");
}

QString ObjectsTable(const GenericPage& page)
{
    const bool table = page.shape() == PageShape::Table;
    Table objects({QStringLiteral("Label"), QStringLiteral("Object identifier"), QStringLiteral("Type"),
                   QStringLiteral("Access"), QStringLiteral("Values")});
    objects.KeepOnOneLine(1);
    const int count = CountVarDescs(page.table.data());
    for (int position = 0; position < count; ++position) {
        const QxSNMPVarDesc& d = page.table[static_cast<size_t>(position)];
        QString access = AccessText(d.Access);
        if (table && position < page.indexCount) access = QStringLiteral("row index; ") + access;
        objects.AddRow({Escape(Utf8(d.Label)), Code(Utf8(d.Oid)), Escape(TypeText(d.Type)), Escape(access),
                        Escape(OptionsText(d.Options))});
    }
    return objects.Html();
}

QString LabelAt(const GenericPage& page, int position)
{
    if (position < 0 || position >= CountVarDescs(page.table.data())) return QString::number(position);
    return Utf8(page.table[static_cast<size_t>(position)].Label);
}

QString GenericDescription(const MenuItem& item)
{
    const GenericPage& page = item.page;
    QString html;
    if (page.shape() == PageShape::Scalar) {
        html = QStringLiteral("<p>Opens a scalar page captioned &quot;%1&quot;").arg(PageCaption(item.pageCaption));
        if (page.instance == InstanceRule::PortButtonHint)
            html += QStringLiteral(" with the objects of the port whose button you clicked");
        html += QStringLiteral(".");
    } else {
        html = QStringLiteral("<p>Opens a table page captioned &quot;%1&quot;, one row per table row.")
                   .arg(PageCaption(item.pageCaption));
        if (page.add.IsSet())
            html += QStringLiteral(" &quot;Add&quot; creates a row by writing %1 to %2.")
                        .arg(Quoted(Utf8(page.add.text)), Quoted(LabelAt(page, page.add.position)));
        if (page.remove.IsSet())
            html += QStringLiteral(" &quot;Delete&quot; removes a row by writing %1 to %2.")
                        .arg(Quoted(Utf8(page.remove.text)), Quoted(LabelAt(page, page.remove.position)));
        if (!page.add.IsSet() && !page.remove.IsSet())
            html += QStringLiteral(" Rows cannot be added or deleted here.");
        if (page.editHidden) html += QStringLiteral(" Rows cannot be edited here (no &quot;Edit&quot; button).");
    }
    html += QStringLiteral("</p>\n");

    switch (item.statusRefresh) {
    case StatusRefresh::None:
        break;
    case StatusRefresh::RmonAfterClose:
        html += QStringLiteral("<p>When the page closes, the module reads the RMON state again and enables or "
                               "disables the RMON entries that depend on it.</p>\n");
        break;
    case StatusRefresh::Dot1xAfterClose:
        html += QStringLiteral("<p>When the page closes, the module reads the 802.1X state again and enables or "
                               "disables &quot;Authentication Mode Setting&quot;.</p>\n");
        break;
    case StatusRefresh::StpBeforeOpen:
        html += QStringLiteral("<p>The module reads the spanning-tree version before the page opens.</p>\n");
        break;
    }
    if (page.extras.note.text)
        html += QStringLiteral("<p>The page notes: %1</p>\n").arg(Quoted(Utf8(page.extras.note.text)));

    html += ObjectsTable(page);

    if (!page.formats.empty()) {
        QStringList checks;
        for (const FormatAt& format : page.formats)
            checks << Quoted(LabelAt(page, format.position)) + QStringLiteral(": ") +
                          Escape(FormatText(Utf8(format.format)));
        html += QStringLiteral("<p>Input checks: %1.</p>\n").arg(checks.join(QStringLiteral("; ")));
    }
    return html;
}

QString ShellDescription(const MenuItem& item)
{
    switch (item.action) {
    case ShellAction::None:
        return QStringLiteral("<p>No action.</p>\n");
    case ShellAction::RefreshPanel:
        return QStringLiteral("<p>Asks %1; on &quot;OK&quot; the front panel is built again and the status "
                              "objects are read again (see <a href=\"#panel\">Main window and front panel</a>).</p>\n")
            .arg(Quoted(Utf8(item.confirm)));
    case ShellAction::Help:
        return QStringLiteral("<p>Opens this manual.</p>\n");
    case ShellAction::About:
        return QStringLiteral("<p>Shows the About box with the module's version.</p>\n");
    }
    return {};
}

QString Description(const Entry& entry)
{
    const MenuItem& item = *entry.item;
    QString html;
    if (entry.hiddenByParent)
        html += QStringLiteral("<p class=\"hidden\">Hidden: the submenu above this entry is not shown.</p>\n");
    else if (entry.hidden)
        html += QStringLiteral("<p class=\"hidden\">Hidden: this entry is not shown in the menu.</p>\n");

    switch (item.opens) {
    case Opens::Submenu:
        return html + QStringLiteral("<p>No action: the entry opens nothing.</p>\n");
    case Opens::Generic:
        return html + GenericDescription(item);
    case Opens::HandBuilt:
        return html + QStringLiteral("<p>Opens its own page captioned &quot;%1&quot;.</p>\n")
                          .arg(PageCaption(item.pageCaption));
    case Opens::Sibling: {
        const QString pageSwitch = Utf8(item.siblingSwitch);
        return html + QStringLiteral("<p>Starts the sibling module %1 on its page %2 for the same switch (see "
                                     "<a href=\"#siblings\">Sibling modules</a>).</p>\n")
                          .arg(Code(ModuleOfSwitch(pageSwitch)), Code(pageSwitch));
    }
    case Opens::Shell:
        return html + ShellDescription(item);
    }
    return html;
}

QString Section(const TopMenu& menu)
{
    QString html = QStringLiteral("<h2 id=\"%1\">%2</h2>\n").arg(menu.anchor, Escape(menu.caption));
    if (menu.item && menu.item->hidden)
        html += QStringLiteral("<p class=\"hidden\">This top menu is hidden.</p>\n");
    if (menu.entries.empty()) return html + QStringLiteral("<p>This menu has no entries.</p>\n");

    size_t i = 0;
    html += Tree(menu.entries, i);
    for (const Entry& entry : menu.entries) {
        if (entry.submenu) continue;
        html += QStringLiteral("<h3 id=\"%1\">%2%3</h3>\n")
                    .arg(Anchor(*entry.item), Escape(entry.path.join(kPathSeparator)), HiddenMark(entry));
        html += Description(entry);
    }
    return html;
}

}  // namespace

QString MenuSectionAnchor(std::string_view topMenuId)
{
    return QStringLiteral("menu-") + Utf8(topMenuId);
}

QString MenuReference()
{
    QString html;
    for (const TopMenu& menu : TopMenus()) html += Section(menu);
    return html;
}

QString SiblingEntries()
{
    Table table({QStringLiteral("Menu entry"), QStringLiteral("Module"), QStringLiteral("Page switch")});
    for (const TopMenu& menu : TopMenus()) {
        const QString top = menu.item ? Utf8(menu.item->caption) : menu.caption;
        for (const Entry& entry : menu.entries) {
            if (entry.item->opens != Opens::Sibling) continue;
            const QString pageSwitch = Utf8(entry.item->siblingSwitch);
            const QString path = (QStringList{top} + entry.path).join(kPathSeparator);
            table.AddRow({QStringLiteral("<a href=\"#%1\">%2</a>%3").arg(Anchor(*entry.item), Escape(path), HiddenMark(entry)),
                          Code(ModuleOfSwitch(pageSwitch)), Code(pageSwitch)});
        }
    }
    return table.Html();
}

}  // namespace manual
