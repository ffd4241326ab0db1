#include "SimulationControls.h"

#include "PageWindow.h"

// Enabling a stopped timer starts a new interval; a running timer keeps running.
static void setTimerEnabled(QTimer &timer, bool enabled)
{
    if (enabled && !timer.isActive())
        timer.start();
    else if (!enabled)
        timer.stop();
}

PageAction startChannel(const QString &timer)
{
    return [timer](HandlerContext &context) { setTimerEnabled(context.page.timer(timer), true); };
}

PageAction stopChannel(const QString &timer)
{
    return [timer](HandlerContext &context) { setTimerEnabled(context.page.timer(timer), false); };
}

PageAction loadOneAnimationPage(const QString &frameArray)
{
    return [frameArray](HandlerContext &context) {
        context.navigation.closeHomePage();
        context.page.pictureBox(frameArray, 0).setVisibleFlag(true);
    };
}

PageAction loadTwoAnimationPage(const QString &componentArray, const QString &circuitArray)
{
    return [componentArray, circuitArray](HandlerContext &context) {
        context.navigation.closeHomePage();
        context.page.pictureBox(componentArray, 0).setVisibleFlag(true);
        context.page.pictureBox(circuitArray, 0).setVisibleFlag(true);
        setTimerEnabled(context.page.timer(QStringLiteral("tmrRellotge")), false);
        setTimerEnabled(context.page.timer(QStringLiteral("tmrRellotge1")), false);
    };
}
