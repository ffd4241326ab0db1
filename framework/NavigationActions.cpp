// SPDX-License-Identifier: GPL-3.0-or-later
#include "NavigationActions.h"

PageAction openComponentPage(const QString &target)
{
    return [target](HandlerContext &context) { context.navigation.openComponentPage(target); };
}

PageAction returnHome(const QString &page)
{
    return [page](HandlerContext &context) { context.navigation.returnHome(page); };
}

PageAction endProgram()
{
    return [](HandlerContext &context) { context.navigation.endProgram(); };
}
