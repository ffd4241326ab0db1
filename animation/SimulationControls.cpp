// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationControls.h"

#include "AnimationChannel.h"
#include "PageWindow.h"
#include "PictureCatalogue.h"

// Enabling a stopped timer starts a new interval; a running timer keeps running.
static void setTimerEnabled(QTimer &timer, bool enabled)
{
    if (enabled && !timer.isActive())
        timer.start();
    else if (!enabled)
        timer.stop();
}

static PageAction setChannelRunning(const QString &timer, bool running)
{
    return [timer, running](HandlerContext &context) { setTimerEnabled(context.page.timer(timer), running); };
}

static PageAction loadAnimatedPage(const QList<ChannelRecord> &channels)
{
    return [channels](HandlerContext &context) {
        context.navigation.closeHomePage();
        for (const ChannelRecord &channel : channels)
            context.page.pictureBox(channel.frameArray, 0).setVisibleFlag(true);
        for (const ChannelRecord &channel : channels)
            if (!channel.runsAtOpening)
                setTimerEnabled(context.page.timer(channel.timer), false);
    };
}

HandlerTable channelHandlers(const PageDescription &description)
{
    using enum PageEvent;
    if (description.channels.isEmpty())
        return {};
    HandlerTable handlers{{QString(), Load, loadAnimatedPage(description.channels)}};
    for (const ChannelRecord &channel : description.channels) {
        handlers.append({channel.timer, Timer,
                         tickAction({channel.frameArray, frameCount(description.name, channel.frameArray)})});
        if (!channel.startButton.isEmpty())
            handlers.append({channel.startButton, Click, setChannelRunning(channel.timer, true)});
        if (!channel.stopButton.isEmpty())
            handlers.append({channel.stopButton, Click, setChannelRunning(channel.timer, false)});
    }
    return handlers;
}
