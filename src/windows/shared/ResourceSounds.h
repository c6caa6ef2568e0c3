#pragma once

class SoundPlayer;

// Resource ids of the two sounds the program carries.
inline constexpr int StartSound = 16;
inline constexpr int BeepSound = 48;

// Plays the sound resource with that id without waiting for it to end, then lets pending
// window events run once. An unknown id or a sound that cannot be played is skipped silently.
void PlayResourceSound(SoundPlayer& player, int resourceId);
