#pragma once

// Window geometry is described in twips, 1440 to the inch; the screen's logical resolution
// turns them into pixels.
int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);
