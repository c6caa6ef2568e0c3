#pragma once

class QCursor;

// The application-wide mouse pointer that long commands show while they work.
enum class ScreenPointer {
    Default = 0,
    Arrow = 1,
    Hourglass = 11,
    ArrowHourglass = 13,
    Custom = 99
};

void SetScreenPointer(ScreenPointer pointer);
// The custom style: the application shows this pointer (the picture's own) everywhere until
// the next command sets another.
void SetCustomScreenPointer(const QCursor& pointer);
ScreenPointer CurrentScreenPointer();
