#pragma once
// The document holds nothing: pages live in the canvas, and closing never asks to save.

class CPavlixMakerDoc {
public:
    bool OnNewDocument() { return true; }
    bool IsModified() const { return false; }
};
