// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TwipRect.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <variant>

// Page descriptions: every window of the program is built from one of these. The
// values are kept as the layout tables give them: positions and sizes in twips
// (15 twips make a pixel at 96 dpi), colours as 32-bit values whose top bit marks a
// system colour index, fonts by face and point size. Records are listed in stored
// order; an earlier record lies in front of a later one of the same layer.

using ColourValue = quint32;

namespace SystemColour {
inline constexpr ColourValue WindowBackground = 0x80000005;
inline constexpr ColourValue WindowText = 0x80000008;
inline constexpr ColourValue TitleBarText = 0x80000009;
inline constexpr ColourValue AppWorkspace = 0x8000000C;
inline constexpr ColourValue ButtonShadow = 0x80000010;
inline constexpr ColourValue ButtonText = 0x80000012;
}

struct FontSpec {
    QString face;
    double points = 8.25;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const FontSpec &) const = default;
};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

// What a label is to a reader: running text, the page's title, or a heading over
// the part of the page below it. Titles and headings are read as headings.
enum class TextKind { Text, Title, Heading };

struct LabelRecord {
    QString name;
    std::optional<qint16> index;
    TwipRect rect;
    QString caption;
    ColourValue background = SystemColour::TitleBarText;
    ColourValue foreground = SystemColour::ButtonText;
    std::optional<FontSpec> font;  // none: the page default font
    Alignment alignment = Alignment::Left;
    qint16 tabIndex = 0;
    TextKind kind = TextKind::Text;
};

struct ButtonRecord {
    QString name;
    TwipRect rect;
    QString caption;  // "&" marks the access letter
    qint16 tabIndex = 0;
    std::optional<ColourValue> maskColour;  // no visible effect on a standard push button
};

struct PictureBoxRecord {
    QString name;
    std::optional<qint16> index;
    TwipRect rect;
    QString picture;  // picture resource name, empty for none
    bool visible = true;
    qint16 tabIndex = 0;
    ColourValue background = SystemColour::WindowBackground;
    ColourValue foreground = SystemColour::WindowText;
    QList<LabelRecord> children;  // drawn inside, in the box's own coordinates
};

struct ImageRecord {
    QString name;
    TwipRect rect;
    QString picture;
    QString target;  // a picture button: the component page a press opens; empty otherwise
};

struct TimerRecord {
    QString name;
    bool enabled = true;
    quint32 interval = 1000;
};

struct LineRecord {
    QString name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    ColourValue colour = SystemColour::ButtonShadow;
    int width = 1;  // pixels
};

// An animation channel: the timer that steps it, the frame array it shows (its
// frames lie in one place, one shown at a time), the buttons that start and stop
// it (none where the animation always runs), and whether it runs when the page
// opens (otherwise the page's Load stops its timer).
struct ChannelRecord {
    QString timer;
    QString frameArray;
    QString startButton;
    QString stopButton;
    bool runsAtOpening = true;
};

using ControlRecord =
    std::variant<LabelRecord, ButtonRecord, PictureBoxRecord, ImageRecord, TimerRecord, LineRecord>;

struct PageDescription {
    QString name;
    QString caption;
    ColourValue background = SystemColour::TitleBarText;
    QString icon;            // picture resource name, empty for none
    int windowState = 2;     // 0 normal, 2 maximized
    bool mdiChild = true;
    TwipRect clientRect;
    QList<ControlRecord> controls;
    QList<ChannelRecord> channels;
    // What each picture shows, in words, keyed by image or frame array name: the
    // text drawn on a picture button, or what an image or an animation shows.
    // Screen readers read these in place of the pictures.
    QHash<QString, QString> pictureNames;
};

struct MenuItemRecord {
    QString name;
    QString caption;
    QString target;                  // a command: the component page it opens
    QList<MenuItemRecord> children;  // a heading: the commands of its submenu
};

struct MainFrameDescription {
    QString name;
    QString caption;
    ColourValue background = SystemColour::AppWorkspace;
    TwipRect clientRect;
    int startUpPosition = 3;
    QList<MenuItemRecord> menu;
};

// The font every push button, and every label without a font of its own, uses.
FontSpec pageDefaultFont();

inline constexpr int TwipsPerPixel = 15;

// Name of a record of any kind, and its array index when it has one.
QString recordName(const ControlRecord &record);
std::optional<qint16> recordIndex(const ControlRecord &record);
