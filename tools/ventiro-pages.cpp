// SPDX-License-Identifier: GPL-3.0-or-later
// ventiro-pages: prints every page description as tab-separated text, one control
// per line in stored order, so the layout tables can be reviewed at a glance.
// Columns: page, position, kind, name, index, rectangle (twips), caption or picture,
// font, colours, alignment, tab index, state (visible/enabled, the page a menu
// command or picture button opens, or a label read as a title or heading), container.
#include "MainFrameDescription.h"
#include "PageRegistry.h"

#include <QTextStream>

namespace {

QTextStream out(stdout);

QString hex(ColourValue value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0')).toUpper().replace(u'X', u'x');
}

QString rect(const TwipRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.left).arg(r.top).arg(r.width).arg(r.height);
}

QString font(const std::optional<FontSpec> &described)
{
    if (!described)
        return QStringLiteral("(default)");
    return QStringLiteral("%1 %2 %3%4").arg(described->face).arg(described->points).arg(described->weight)
        .arg(described->italic ? QStringLiteral(" italic") : QString());
}

QString index(std::optional<qint16> i)
{
    return i ? QString::number(*i) : QString();
}

QString alignment(Alignment a)
{
    switch (a) {
    case Alignment::Left: return QStringLiteral("left");
    case Alignment::Right: return QStringLiteral("right");
    case Alignment::Centre: return QStringLiteral("centre");
    }
    return {};
}

// The state column of a menu command or a picture button: the page it opens.
QString opens(const QString &target)
{
    return target.isEmpty() ? QString() : "opens " + target;
}

// The state column of a label: whether it is read as the page's title or a heading.
QString kind(TextKind k)
{
    switch (k) {
    case TextKind::Text: return {};
    case TextKind::Title: return QStringLiteral("title");
    case TextKind::Heading: return QStringLiteral("heading");
    }
    return {};
}

void row(const QStringList &columns)
{
    out << columns.join(u'\t') << '\n';
}

void printLabel(const QString &page, const QString &position, const LabelRecord &l, const QString &container)
{
    row({page, position, "label", l.name, index(l.index), rect(l.rect), '"' + l.caption + '"',
         font(l.font), hex(l.background) + "/" + hex(l.foreground), alignment(l.alignment),
         QString::number(l.tabIndex), kind(l.kind), container});
}

void printPage(const PageDescription &d)
{
    row({d.name, "0", "page", d.name, "", rect(d.clientRect), '"' + d.caption + '"', "", hex(d.background), "", "",
         d.windowState == 2 ? "maximized" : "normal", d.icon});
    int position = 1;
    for (const ControlRecord &record : d.controls) {
        std::visit([&](const auto &r) {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, LabelRecord>) {
                printLabel(d.name, QString::number(position), r, "");
            } else if constexpr (std::is_same_v<T, ButtonRecord>) {
                row({d.name, QString::number(position), "button", r.name, "", rect(r.rect), '"' + r.caption + '"',
                     "(default)", r.maskColour ? "mask " + hex(*r.maskColour) : "", "centre",
                     QString::number(r.tabIndex), "", ""});
            } else if constexpr (std::is_same_v<T, PictureBoxRecord>) {
                row({d.name, QString::number(position), "picturebox", r.name, index(r.index), rect(r.rect), r.picture,
                     "", hex(r.background) + "/" + hex(r.foreground), "", QString::number(r.tabIndex),
                     r.visible ? "visible" : "hidden", ""});
                int childPosition = 1;
                for (const LabelRecord &child : r.children)
                    printLabel(d.name, QStringLiteral("%1.%2").arg(position).arg(childPosition++), child,
                               r.name + "(" + index(r.index) + ")");
            } else if constexpr (std::is_same_v<T, ImageRecord>) {
                row({d.name, QString::number(position), "image", r.name, "", rect(r.rect), r.picture, "", "", "", "",
                     opens(r.target), ""});
            } else if constexpr (std::is_same_v<T, TimerRecord>) {
                row({d.name, QString::number(position), "timer", r.name, "", "", QString::number(r.interval) + " ms",
                     "", "", "", "", r.enabled ? "enabled" : "disabled", ""});
            } else if constexpr (std::is_same_v<T, LineRecord>) {
                row({d.name, QString::number(position), "line", r.name, "",
                     QStringLiteral("%1,%2-%3,%4").arg(r.x1).arg(r.y1).arg(r.x2).arg(r.y2), "", "",
                     hex(r.colour), QString::number(r.width) + " px", "", "", ""});
            }
        }, record);
        ++position;
    }
}

void printMenu(const QString &frame, const QList<MenuItemRecord> &items, const QString &parent, int &position)
{
    for (const MenuItemRecord &item : items) {
        row({frame, QString::number(position++), item.children.isEmpty() ? "menu command" : "menu heading",
             item.name, "", "", '"' + item.caption + '"', "", "", "", "", opens(item.target), parent});
        printMenu(frame, item.children, item.name, position);
    }
}

} // namespace

int main()
{
    out << "page\tposition\tkind\tname\tindex\trectangle\tcaption or picture\tfont\tcolours\talignment\ttab\tstate\tcontainer\n";
    const MainFrameDescription frame = mainFrameDescription();
    row({frame.name, "0", "main frame", frame.name, "", rect(frame.clientRect), '"' + frame.caption + '"', "",
         hex(frame.background), "", "", "start-up position " + QString::number(frame.startUpPosition), ""});
    int position = 1;
    printMenu(frame.name, frame.menu, "", position);
    for (const RegistryEntry &entry : pageRegistry())
        if (entry.content)
            printPage(entry.content().description);
    return 0;
}
