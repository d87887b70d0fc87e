// The program's title: the application title, the window caption and the error box caption.
#pragma once

namespace motrel::app {

inline constexpr char programTitle[] = "Dorvik's Motrel Calculator";

}  // namespace motrel::app
