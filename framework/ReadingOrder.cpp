// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingOrder.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Columns are told apart by a clear strip at least this wide (3 pixels).
constexpr int ColumnGap = 45;
// Rows may overlap by this much (2 pixels) and still be read one after the other:
// a heading and the text under it often share their edge pixel.
constexpr int RowOverlap = 30;
// A label this close beside an animation (10 pixels) names a part of it, such as
// where the air enters, and is read with it.
constexpr int BesideDistance = 150;

int right(const TwipRect &r) { return r.left + r.width; }
int bottom(const TwipRect &r) { return r.top + r.height; }

TwipRect united(const TwipRect &a, const TwipRect &b)
{
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(right(a), right(b)) - left, std::max(bottom(a), bottom(b)) - top};
}

bool isBeside(const TwipRect &label, const TwipRect &animation)
{
    const bool besideRows = label.top < bottom(animation) && animation.top < bottom(label);
    const int apart = std::max(label.left - right(animation), animation.left - right(label));
    return besideRows && apart < BesideDistance;
}

using Items = QList<ReadingItem>;

// Items read one after the other, placed as one: an animation with the labels
// beside it, or a single item.
struct Unit {
    TwipRect rect;
    Items items;
};
using Units = QList<Unit>;

// Reading order of a part of the page, by cutting it along clear strips: into
// columns where there are any, otherwise the first row off the top; what cannot
// be cut is read by its tops, then its left edges.
void readPart(Units part, Items &out)
{
    if (part.size() <= 1) {
        for (const Unit &unit : std::as_const(part))
            out += unit.items;
        return;
    }
    std::stable_sort(part.begin(), part.end(), [](const Unit &a, const Unit &b) { return a.rect.left < b.rect.left; });
    QList<Units> columns{{part.first()}};
    int columnRight = right(part.first().rect);
    for (qsizetype i = 1; i < part.size(); ++i) {
        if (part[i].rect.left - columnRight >= ColumnGap)
            columns.append(Units());
        columns.last().append(part[i]);
        columnRight = std::max(columnRight, right(part[i].rect));
    }
    if (columns.size() > 1) {
        for (const Units &column : std::as_const(columns))
            readPart(column, out);
        return;
    }

    std::stable_sort(part.begin(), part.end(), [](const Unit &a, const Unit &b) { return a.rect.top < b.rect.top; });
    int rowBottom = bottom(part.first().rect);
    for (qsizetype i = 1; i < part.size(); ++i) {
        if (part[i].rect.top >= rowBottom - RowOverlap) {
            readPart(part.first(i), out);
            readPart(part.sliced(i), out);
            return;
        }
        rowBottom = std::max(rowBottom, bottom(part[i].rect));
    }
    std::stable_sort(part.begin(), part.end(), [](const Unit &a, const Unit &b) {
        return std::pair(a.rect.top, a.rect.left) < std::pair(b.rect.top, b.rect.left);
    });
    for (const Unit &unit : std::as_const(part))
        out += unit.items;
}

// The animations, each with the labels beside it (by their tops), and every
// other item on its own.
Units unitsOf(const Items &items)
{
    Units units;
    QList<bool> taken(items.size(), false);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].kind != ReadingItem::Kind::Animation)
            continue;
        Unit unit{items[i].rect, {items[i]}};
        Items beside;
        for (qsizetype j = 0; j < items.size(); ++j) {
            const ReadingItem &item = items[j];
            if (!taken[j] && item.label && item.label->kind == TextKind::Text && isBeside(item.rect, items[i].rect)) {
                taken[j] = true;
                beside.append(item);
                unit.rect = united(unit.rect, item.rect);
            }
        }
        std::stable_sort(beside.begin(), beside.end(), [](const ReadingItem &a, const ReadingItem &b) {
            return std::pair(a.rect.top, a.rect.left) < std::pair(b.rect.top, b.rect.left);
        });
        unit.items += beside;
        taken[i] = true;
        units.append(unit);
    }
    for (qsizetype i = 0; i < items.size(); ++i)
        if (!taken[i])
            units.append({items[i].rect, {items[i]}});
    return units;
}

// The x of each vertical line that runs (almost) the page's whole height, left to right.
QList<int> dividingLines(const PageDescription &description)
{
    QList<int> lines;
    for (const ControlRecord &record : description.controls)
        if (const auto *line = std::get_if<LineRecord>(&record))
            if (line->x1 == line->x2 && std::abs(line->y2 - line->y1) * 4 >= description.clientRect.height * 3)
                lines.append(line->x1);
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool isChannelButton(const PageDescription &description, const QString &button)
{
    return !channelOfButton(description, button).isEmpty();
}

}  // namespace

QString channelOfButton(const PageDescription &description, const QString &button)
{
    for (const ChannelRecord &channel : description.channels)
        if (!button.isEmpty() && (channel.startButton == button || channel.stopButton == button))
            return channel.frameArray;
    return {};
}

QList<ReadingItem> readingOrder(const PageDescription &description)
{
    using enum ReadingItem::Kind;
    Items items;
    QHash<QString, qsizetype> animations;
    int position = 0;
    for (const ControlRecord &record : description.controls) {
        if (const auto *label = std::get_if<LabelRecord>(&record)) {
            items.append({.kind = Label, .name = label->name, .label = label, .rect = label->rect,
                          .storedPosition = position});
        } else if (const auto *image = std::get_if<ImageRecord>(&record)) {
            items.append({.kind = Image, .name = image->name, .image = image, .rect = image->rect,
                          .storedPosition = position});
        } else if (const auto *button = std::get_if<ButtonRecord>(&record)) {
            items.append({.kind = Button, .name = button->name, .button = button, .rect = button->rect,
                          .storedPosition = position});
        } else if (const auto *box = std::get_if<PictureBoxRecord>(&record)) {
            if (const qsizetype at = animations.value(box->name, -1); at >= 0) {
                items[at].rect = united(items[at].rect, box->rect);
            } else {
                animations.insert(box->name, items.size());
                items.append({.kind = Animation, .name = box->name, .rect = box->rect, .storedPosition = position});
            }
        }
        ++position;
    }

    Items first;
    Items last;
    const bool hasChannelButtons = std::any_of(description.channels.cbegin(), description.channels.cend(),
                                               [](const ChannelRecord &c) { return !c.startButton.isEmpty(); });
    const QList<int> lines = dividingLines(description);
    QList<Items> halves(lines.size() + 1);
    for (const ReadingItem &item : std::as_const(items)) {
        if (item.label && item.label->kind == TextKind::Title) {
            first.append(item);
        } else if (item.button && hasChannelButtons && !isChannelButton(description, item.name)) {
            last.append(item);
        } else {
            const int centre = item.rect.left + item.rect.width / 2;
            halves[std::upper_bound(lines.cbegin(), lines.cend(), centre) - lines.cbegin()].append(item);
        }
    }
    Items order = first;
    for (const Items &half : std::as_const(halves))
        readPart(unitsOf(half), order);
    order += last;
    return order;
}
