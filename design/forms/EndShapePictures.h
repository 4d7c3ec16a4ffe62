#pragma once
// The pictures of the rebar editor's end shapes, drawn here: a red bar on light grey, 57 × 20
// pixels, ending the way the choice makes that end of the bar.
#include <QImage>

inline constexpr int EndShapePictureWidth = 57;
inline constexpr int EndShapePictureHeight = 20;

// The end of an upper or a lower bar (`atEnd`: the end end, else the start end), with a hook
// (`hooked`: bent at a right angle) or without one (an upper bar bent down obliquely, a lower bar
// straight).
QImage EndShapePicture(bool lower, bool atEnd, bool hooked);
