#pragma once

// The application-wide mouse pointer that long commands show while they work.
enum class ScreenPointer { Default = 0, Arrow = 1, Hourglass = 11, ArrowHourglass = 13 };

void SetScreenPointer(ScreenPointer pointer);
ScreenPointer CurrentScreenPointer();
