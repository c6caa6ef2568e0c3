#pragma once

// The scanner as the Scanner command sees it: whether scanning is possible at all, the
// choice of the device, and one acquisition that leaves the image on the clipboard.
class ScannerService {
public:
    virtual ~ScannerService() = default;
    // Whether there is a scanner to acquire from.
    virtual bool IsAvailable() = 0;
    // Lets the user choose the device; cancelling keeps the previous choice.
    virtual void SelectImageSource() = 0;
    // Scans one image onto the clipboard; false when nothing was acquired.
    virtual bool AcquireToClipboard() = 0;
    // The scanner library's version times 100.
    virtual int EasyVersion() = 0;
};
