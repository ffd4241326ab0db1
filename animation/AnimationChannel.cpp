// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationChannel.h"

#include "Clock.h"
#include "PageWindow.h"

// The second of the minute, read the way the clock shows it: "hh:mm:ss".
static int clockSecond(const Clock &clock)
{
    const QString shown = clock.now().time().toString(QStringLiteral("hh:mm:ss"));
    return shown.mid(6, 2).toInt();
}

void tick(HandlerContext &context, const AnimationChannel &channel)
{
    if (channel.modulus <= 0)  // an array the picture catalogue does not know
        throw MissingControl(context.page.pageName(), channel.frameArray, std::nullopt);
    std::optional<qint16> &stored = context.variables.storedFrames[channel.frameArray];
    context.page.pictureBox(channel.frameArray, stored.value_or(0)).setVisibleFlag(false);
    stored = qint16(clockSecond(context.clock) % channel.modulus);
    context.page.pictureBox(channel.frameArray, *stored).setVisibleFlag(true);
}

PageAction tickAction(const AnimationChannel &channel)
{
    return [channel](HandlerContext &context) { tick(context, channel); };
}
