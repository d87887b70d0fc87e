// The status line's hint texts, kept with their trailing blanks. The hint handlers show them,
// and assistive technology reads the same text as the description of each field.
#pragma once

#include <string_view>

namespace motrel::app::hint {

inline constexpr std::string_view timing =
    "Transfer / exhaust port timing in degrees of the crankshaft.";
inline constexpr std::string_view portHeight =
    "Distance between port top edge and cylinder top edge in mm.   ";
inline constexpr std::string_view deck =
    "Distance between piston top edge and cylinder top at TDC in mm.  ";
inline constexpr std::string_view stroke = "Stroke of the piston in mm.          ";
inline constexpr std::string_view connectingRod =
    "Length of the connecting rod from center to center in mm.    ";
inline constexpr std::string_view intakeTiming = "Intake port timing in deg. of the cycle.  ";
inline constexpr std::string_view intakeHeight =
    "Distance between port bottom and top of the cylinder.";
inline constexpr std::string_view pistonLength = "Length of the piston skirt on intake side. ";
inline constexpr std::string_view actualWidth =
    "Actual width of the port opening in mm.           ";
inline constexpr std::string_view portMapWidth =
    "The width of the port measured on the port-map diagram in millimeters.       ";
inline constexpr std::string_view bore = "Diameter of the cylinder in millimeters.   ";
inline constexpr std::string_view speed = "Speed of the bike in km per hour. ";
inline constexpr std::string_view rpm = "Crankshaft revolutions per minute.         ";
inline constexpr std::string_view frontSprocket = "Number of teeth of the front sprocket. ";
inline constexpr std::string_view rearSprocket = "Number of teeth of the rear sprocket.    ";
inline constexpr std::string_view gearRatio =
    "Crankshaft gear to the front sprocket axel gear ratio.      ";
inline constexpr std::string_view circumference = "Tire circum. in meters. ";
inline constexpr std::string_view page = "Hold the cursor on a field for information.";
inline constexpr std::string_view picture = "Klick to visit my website.          ";

}  // namespace motrel::app::hint
