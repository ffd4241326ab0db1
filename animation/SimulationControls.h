#pragma once

#include "Handlers.h"

// Start and stop buttons act on their channel's timer only.
PageAction startChannel(const QString &timer);
PageAction stopChannel(const QString &timer);

// Load of a one-animation page: close the home page, show frame 0; the timer keeps
// running as the description has it.
PageAction loadOneAnimationPage(const QString &frameArray);

// Load of a two-animation page: close the home page, show frame 0 of both arrays,
// stop both timers.
PageAction loadTwoAnimationPage(const QString &componentArray, const QString &circuitArray);
