// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"

// An animation channel: a frame array whose frames lie in one place, stepped once
// a second by its timer to the frame of the clock's second modulo the frame count.
struct AnimationChannel {
    QString frameArray;
    int modulus;
};

// One step of the channel: hide the frame at the stored current frame (empty reads
// as 0), store the clock's second modulo N, show that frame. Nothing else.
void tick(HandlerContext &context, const AnimationChannel &channel);
PageAction tickAction(const AnimationChannel &channel);
