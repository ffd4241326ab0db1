// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"
#include "PageDescription.h"

// The handlers an animated page shares, derived from its channels: each timer
// steps its channel through as many frames as the picture catalogue gives its
// array; a start or stop button acts on its channel's timer only; Load closes the
// home page, shows frame 0 of every channel and stops the timers of the channels
// that do not run when the page opens. A page without channels gets none.
HandlerTable channelHandlers(const PageDescription &description);
