// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The program's icon, a bold red "P" lit from the top left on a white ground.
// At 16 pixels it is drawn pixel by pixel in palette colours (the window icon);
// at the larger desktop sizes the same letter is drawn again from its outline,
// with smooth edges, rather than enlarged from the small one.
QImage drawProgramIcon(int size);

// The desktop icon: the same drawing with a transparent ground in place of the
// white one, so that it sits on any panel or menu.
QImage drawDesktopIcon(int size);

// The scalable desktop icon, an SVG document: the outlines of the larger sizes'
// drawing at 256 units, each filled with its colour, on a transparent ground.
QByteArray drawScalableIcon();

// The sizes of the desktop icon, and where each one lies under the icon folder:
// hicolor/<size>x<size>/apps/<desktopIconName>.png.
const QList<int> &desktopIconSizes();
QString desktopIconPath(int size);
QString scalableIconPath();   // hicolor/scalable/apps/<desktopIconName>.svg
inline constexpr char desktopIconName[] = "cat.ventiro.Ventiro";
