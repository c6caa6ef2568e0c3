#pragma once

#include <QString>

// Resource ids of the two sounds the program carries.
inline constexpr int StartSound = 16;
inline constexpr int BeepSound = 48;

// Plays the sound resource with that id without waiting for it to end, then lets pending
// window events run once. An unknown id or a sound that cannot be played is skipped silently.
void PlayResourceSound(int resourceId);

// True when the path names an existing file or folder.
bool FileExists(const QString& path);

// Hands a document or address to the desktop; returns a code above 32 on success.
int ShellOpen(const QString& file, const QString& parameters = {}, int showCommand = 1,
              const QString& workingFolder = {}, const QString& verb = {});

// Prepares the picture window for a new picture: forgets the data file, resets the scale,
// empties the picture and puts the first four status panels back to their idle texts.
// The data table is left alone.
void ResetDocument();
