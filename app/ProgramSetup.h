// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTranslator;

// What the program sets up before its first window: the font substitutions, the
// toolkit's own texts in Catalan (through `toolkitTexts`, which must outlive the
// program's windows), the program's icon and its desktop entry.
void setUpProgram(QTranslator &toolkitTexts);
