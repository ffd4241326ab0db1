// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageDescription.h"

FontSpec pageDefaultFont()
{
    return {.face = QStringLiteral("MS Sans Serif"), .points = 8.25};
}

QString recordName(const ControlRecord &record)
{
    return std::visit([](const auto &r) { return r.name; }, record);
}

std::optional<qint16> recordIndex(const ControlRecord &record)
{
    return std::visit(
        [](const auto &r) -> std::optional<qint16> {
            if constexpr (requires { r.index; })
                return r.index;
            else
                return std::nullopt;
        },
        record);
}
