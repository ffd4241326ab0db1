// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The identifier of every page: the main frame, the home page and each component
// page. Each is written here once; everything else names a page through these
// constants.
namespace PageName {
inline const QString MainFrame = QStringLiteral("MDIIniciPneumatica");
inline const QString Home = QStringLiteral("frmHidràulica");
// Compressors
inline const QString PistonCompressor = QStringLiteral("frmCompressorDePistons");
inline const QString VaneCompressor = QStringLiteral("frmCompressorDePaletes");
// Air treatment
inline const QString Filter = QStringLiteral("frmFiltre");
inline const QString PressureRegulator = QStringLiteral("frmRegPressió");
inline const QString Lubricator = QStringLiteral("frmLubrificant");
// Directional valves
inline const QString Valve32 = QStringLiteral("frmValvula32");
inline const QString Valve42 = QStringLiteral("frmValvula42");
inline const QString Valve52 = QStringLiteral("frmValvula52");
// Non-return and logic valves
inline const QString NonReturnValve = QStringLiteral("frmAntiretorn");
inline const QString ShuttleValve = QStringLiteral("frmSelectora");
inline const QString TwoPressureValve = QStringLiteral("frmSimultaneïtat");
// Exhaust, pressure and flow control valves
inline const QString QuickExhaustValve = QStringLiteral("frmEscapamentRapid");
inline const QString LimitingValve = QStringLiteral("frmLimitadora");
inline const QString FlowRegulator = QStringLiteral("frmReguladora");
}
