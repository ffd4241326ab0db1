// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The wall clock the animations follow; tests put a fake one in its place.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
