// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QString>

// Labels, images and picture buttons are painted by their container, and an
// animation is a stack of frames of which one shows at a time, so on their own
// they are invisible to screen readers, or read as many. These accessible
// interfaces put them on the page's accessible tree: the page surface lists its
// labels, images, push buttons and animations in reading order (see
// readingOrder()); titles and headings are read as headings; each animation is one
// object whose description tells what the frame on screen shows, and which reports
// each change of it; each image's description tells what the picture shows.
//
// Installed once, before the first page is built.
void installPageAccessibility();

// A caption as it is read aloud: "&" marks an access letter, "&&" stands for "&".
QString withoutAccessMarks(const QString &caption);

// What a screen reader calls the page's window: its caption without the spaces
// around it, or, where it has none, its title.
QString windowReaderName(const PageDescription &description);

// What a screen reader calls a push button: its caption, and where another
// button of the page reads the same, what it works on ("Parar l'animació del
// circuit").
QString buttonReaderName(const PageDescription &description, const ButtonRecord &button);
