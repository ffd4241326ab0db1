// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QList>
#include <QPair>

// The main frame `MDIIniciPneumatica`: caption, client area and menu tree.
MainFrameDescription mainFrameDescription();

// Each menu command and the component page it opens, in menu order, as the menu
// tree above gives them.
QList<QPair<QString, QString>> menuCommands();
