// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"

// Handler actions that navigate.
PageAction openComponentPage(const QString &target);
PageAction returnHome(const QString &page);
PageAction endProgram();
