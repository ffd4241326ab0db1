// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

#include "Palette.h"

// Circuit-symbol pieces shared by every circuit and symbol picture: air lines,
// flow arrows, springs, pressure sources, exhausts, directional valve envelopes and
// cylinders.
//
// Geometry convention: a line of width w drawn "at" x covers the pixel columns
// x - w/2 .. x - w/2 + w - 1, so a 2-pixel line at x covers x - 1 and x and its
// centre lies on the pixel boundary x. Squares, port lines and arrows all use it,
// which keeps them lined up pixel for pixel.

// What the air in a line or chamber is doing, and the colour that shows it.
enum class Air { None, Pressure, Exhaust };
QRgb lineColour(Air air);     // black, red, blue
QRgb chamberColour(Air air);  // white, red, blue

inline constexpr int kLineWidth = 2;

// A line made of horizontal and vertical segments through `points`.
void drawWire(QPainter &p, const QList<QPoint> &points, QRgb colour, int width = kLineWidth);

// A flow arrow from `tail` to `tip` in any direction, with a filled head.
void drawFlowArrow(QPainter &p, QPoint tail, QPoint tip, QRgb colour, int width = kLineWidth,
                   int headLength = 10, int headHalfWidth = 4);

// A blocked port: a stem from `edge` going `inward` pixels (negative goes up) ending
// in a crossbar `barWidth` wide.
void drawBlockedPort(QPainter &p, QPoint edge, int inward, int barWidth, QRgb colour, int width = kLineWidth);

// A zig-zag spring lying along `area` from its left to its right side; its
// `peaks` stay the same when it is compressed, only closer together.
void drawZigZagSpring(QPainter &p, const QRect &area, int peaks, QRgb colour, int width = 1);

enum class PressureSourceStyle { CircleWithDot, CircleWithTriangle };
// A pressure source hanging below `connection`, where its line ends.
void drawPressureSource(QPainter &p, QPoint connection, int radius = 7,
                        PressureSourceStyle style = PressureSourceStyle::CircleWithDot);
// An exhaust to atmosphere: an open triangle pointing away from `connection`.
void drawExhaust(QPainter &p, QPoint connection, int halfWidth = 6, bool pointingDown = true);

void drawPortLetter(QPainter &p, QPoint centre, const QString &letter, int pixelSize = 14);

// ---- Directional valves ------------------------------------------------------

enum class Edge { Top, Bottom };

// A port of the valve: where it meets the square, counted in quarters of the
// square's side from its left edge.
struct ValvePort {
    QString name;
    Edge edge;
    int quarter;
};

// The connections one square shows: arrows from port to port, and blocked ports.
struct ValvePosition {
    QList<QPair<QString, QString>> flows;  // from, to
    QStringList blocked;
};

// A valve with two positions worked by a push button at the right and returned by
// a spring at the left: the left square is the rest position, the right square the
// pressed one.
struct ValveSymbolSpec {
    QList<ValvePort> ports;
    ValvePosition atRest;
    ValvePosition pressed;
};

ValveSymbolSpec twoTwoValve();
ValveSymbolSpec threeTwoValve();
ValveSymbolSpec fourTwoValve(const QString &exhaust = QStringLiteral("R"));
ValveSymbolSpec fiveTwoValve();

struct ValveDrawing {
    QPoint portSquare;   // top-left corner of the square lined up with the ports
    int squareSize = 60;
    bool pressed = false;  // the right square is at the ports, the spring compressed
    QHash<QString, Air> air;  // colours the arrows of the square at the ports by where they start
    int springLength = 30;    // at rest; pressed it is squeezed to 60 %
    int buttonLength = 20;
    // The heads of the flow arrows; 0 draws them in proportion to the square (a
    // fifth of its side long, a sixth wide), which leaves them too small to see on
    // small squares.
    int arrowHeadLength = 0;
    int arrowHeadHalfWidth = 0;
};

void drawValveSymbol(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing);

// The ports under a valve symbol: P ends lower down in a pressure source, the others
// close under the valve in exhaust triangles; a letter stands on the left of the
// leftmost port and on the right of the others. `air` gives each stub's colour.
void drawValveBottomPorts(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing,
                          const QHash<QString, Air> &air, int exhaustStub = 8, int supplyStub = 24,
                          int letterSize = 14);

// The ports on the valve's top edge, lettered on the outer side of their lines
// (A on the left, B on the right), `dy` pixels above the edge.
void letterValveTopPorts(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing, int dy = -13,
                         int letterSize = 14);
// Where the line of `port` meets the square at the ports.
QPoint valvePortPoint(const ValveSymbolSpec &valve, const ValveDrawing &drawing, const QString &port);

// ---- Cylinders ----------------------------------------------------------------

// A cylinder lying on its side with the rod to the right. The barrel is outlined
// 2 pixels wide; the piston starts `restGap` pixels from the inner left wall and
// moves `stroke` pixels to the right.
struct CylinderSpec {
    QRect barrel;
    int pistonWidth = 10;
    int rodThickness = 10;
    int rodLength = 107;      // from the piston's right face to the rod tip
    int restGap = 6;
    bool returnSpring = false;  // single-acting: a spring in the rod-side chamber
};

struct CylinderState {
    int stroke = 0;
    Air capSide = Air::None;
    Air rodSide = Air::None;
    QRgb movingParts = Colour::MidGrey;  // piston and rod
};

void drawCylinder(QPainter &p, const CylinderSpec &cylinder, const CylinderState &state);
int pistonLeft(const CylinderSpec &cylinder, int stroke);
int rodTip(const CylinderSpec &cylinder, int stroke);  // last column of the rod
// The points under the barrel where the lines of the two chambers join it.
QPoint capPort(const CylinderSpec &cylinder);
QPoint rodPort(const CylinderSpec &cylinder);

// ---- Non-return and logic valves ---------------------------------------------

// The sizes of a spring-loaded non-return valve symbol, measured along its line
// from the point of the seat.
struct NonReturnValveSize {
    int seatLength = 12;     // how far the V of the seat opens along the line
    int seatHalfWidth = 10;  // half its opening across the line
    int ballRadius = 6;
    int springLength = 16;
    int springHalfWidth = 5;
    int springPeaks = 3;
    int width = kLineWidth;  // seat and ball; the spring is drawn 1 pixel wide
};

// A spring-loaded non-return valve on a straight line that lets air pass towards
// `flow`: the line from upstream ends at `seatTip`, the point of a V seat opening
// downstream; the ball lies in the seat and the spring behind it presses it in.
// Returns the point where the downstream line carries on from the spring.
QPoint drawNonReturnValve(QPainter &p, QPoint seatTip, QPoint flow, const NonReturnValveSize &size, QRgb colour);
// The distance from the point of the seat to the end of the spring.
int nonReturnValveLength(const NonReturnValveSize &size);

// The air in the three connections of a shuttle or two-pressure valve.
struct LogicValveAir {
    QRgb left = 0xff000000;
    QRgb right = 0xff000000;
    QRgb outlet = 0xff000000;
};

// The body of a shuttle or two-pressure valve: a rectangle whose edge lines lie
// `halfLength` and `halfHeight` from `centre`, crossed by the inlet line at the
// height of `centre`; the outlet leaves from the middle of the top edge.
struct LogicValveBody {
    QPoint centre;
    int halfLength = 30;
    int halfHeight = 12;

    QPoint leftInlet() const { return centre - QPoint(halfLength, 0); }
    QPoint rightInlet() const { return centre + QPoint(halfLength, 0); }
    QPoint outlet() const { return centre - QPoint(0, halfHeight); }
};

enum class BallSeat { Left, Right };

// The white body of a shuttle or two-pressure valve with its black outline.
void drawLogicValveOutline(QPainter &p, const LogicValveBody &body);

// Shuttle valve ("OR"): a V seat at each inlet and a ball lying in one of them,
// closing that inlet; the outlet joins the line inside at a dot.
void drawShuttleValve(QPainter &p, const LogicValveBody &body, BallSeat ball, const LogicValveAir &air);

enum class ShuttlePosition { Left, Middle, Right };

// Two-pressure valve ("AND"): a bar with an upright plate near each end, and the
// seat marks just inside the plates; a plate pushed against its seat closes its
// inlet off from the outlet.
void drawTwoPressureValve(QPainter &p, const LogicValveBody &body, ShuttlePosition shuttle, const LogicValveAir &air);
// The same with its shuttle `offset` pixels right of the middle (negative: left): 4
// brings a plate against its seat mark, 2 shows it half way over.
void drawTwoPressureValveShifted(QPainter &p, const LogicValveBody &body, int offset, const LogicValveAir &air);
