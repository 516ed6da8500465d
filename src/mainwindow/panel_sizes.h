#pragma once
// Sizes in pixels of the main window's drawn panels, shared by the logic that draws into them
// and the window that shows them.

#include <cstdint>

namespace kemora::mainwindow {

// The cylinder panel picBack, where the molecules fly.
inline constexpr int32_t kCylinderWidth = 371;
inline constexpr int32_t kCylinderHeight = 457;

// The lid picTenjyou over the cylinder; its top edge moves with the volume.
inline constexpr int32_t kLidWidth = 377;
inline constexpr int32_t kLidHeight = 14;
inline constexpr int32_t kLidAtZero = 250;  // y of the lid's top edge at volume 0

// The graph box picGrph; its text is the label font of the graph.
inline constexpr int32_t kGraphBoxWidth = 315;
inline constexpr int32_t kGraphBoxHeight = 334;

}  // namespace kemora::mainwindow
