#pragma once

class Clock;
class Prompts;
class ScannerService;
class ScreenSource;
class Shell;
class SoundPlayer;

// The desktop services a window may call, handed to it when it is made: the real program's
// speak to Qt, SANE and the desktop; the tests' are fakes.
struct Desktop {
    Prompts& prompts;
    Clock& clock;
    SoundPlayer& sound;
    Shell& shell;
    ScreenSource& screen;
    ScannerService& scanner;
};
