// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for tests that look at what a page paints: every label of every page,
// labels painted alone, the extent of their ink, and a scope for a swapped colour
// scheme.

#include "PagePainting.h"
#include "PageRegistry.h"
#include "SystemColours.h"

#include <QImage>
#include <QPainter>
#include <optional>

namespace RenderChecks {

// Installs another system colour scheme for as long as it lives, and puts the
// standard one back however the test ends.
class SystemColourScope {
public:
    explicit SystemColourScope(SystemColourProvider provider) { setSystemColourProvider(std::move(provider)); }
    ~SystemColourScope() { setSystemColourProvider({}); }
    SystemColourScope(const SystemColourScope &) = delete;
    SystemColourScope &operator=(const SystemColourScope &) = delete;
};

struct PageLabel {
    QString page;
    LabelRecord label;
    // "page/name" or "page/name(index)", for row names and messages.
    QString tag() const
    {
        return page + u'/' + label.name + (label.index ? QStringLiteral("(%1)").arg(*label.index) : QString());
    }
};

// Every label of every page, those inside picture boxes included (their
// rectangles are in the box's coordinates). Members of a label array that are
// alike are listed once.
inline QList<PageLabel> everyLabel()
{
    QList<PageLabel> labels;
    QStringList seen;
    auto add = [&](const QString &page, const LabelRecord &label) {
        const QString key = page + u'/' + label.name + u'/' + label.caption;
        if (label.index && seen.contains(key))
            return;
        seen << key;
        labels.append({page, label});
    };
    for (const RegistryEntry &entry : pageRegistry()) {
        if (!entry.content)
            continue;
        for (const ControlRecord &record : entry.content().description.controls) {
            if (const auto *label = std::get_if<LabelRecord>(&record))
                add(entry.page, *label);
            else if (const auto *box = std::get_if<PictureBoxRecord>(&record))
                for (const LabelRecord &child : box->children)
                    add(entry.page, child);
        }
    }
    return labels;
}

inline std::optional<PageLabel> findLabel(const QString &page, const QString &name)
{
    for (const PageLabel &found : everyLabel())
        if (found.page == page && found.label.name == name)
            return found;
    return std::nullopt;
}

// The label painted alone, its rectangle's top-left corner at `margin`, on an
// image filled with `surround`.
inline QImage paintedLabel(const LabelRecord &label, int margin = 0, QColor surround = Qt::magenta)
{
    const QRect rect = pixelRect(label.rect);
    QImage image(rect.size() + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(surround);
    QPainter painter(&image);
    painter.translate(margin - rect.left(), margin - rect.top());
    paintLabel(painter, label);
    return image;
}

// The smallest rectangle of `area` holding every pixel unlike `background`;
// empty when there is none.
inline QRect inkBounds(const QImage &image, QRgb background, QRect area)
{
    area = area.intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return left == INT_MAX ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline QRect inkBounds(const QImage &image, QRgb background)
{
    return inkBounds(image, background, image.rect());
}

} // namespace RenderChecks
