#pragma once

#include <QString>

// Labels, images and picture buttons are painted by their container, so on their
// own they are invisible to screen readers. These accessible interfaces put them
// on the page's accessible tree: the page surface lists its controls in stored
// order (labels and images as painted items, picture boxes and push buttons as
// their widgets), and each picture box lists the labels drawn inside it.
//
// Installed once, before the first page is built.
void installPageAccessibility();

// A caption as it is read aloud: "&" marks an access letter, "&&" stands for "&".
QString withoutAccessMarks(const QString &caption);
