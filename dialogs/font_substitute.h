#pragma once

// A font box whose stored face is not installed shows the face used in its
// place rather than an empty box; left as shown, the stored name is kept,
// so a settings file moved between machines keeps its face.

#include <string>

class CSPFontComboBoxCtrl;

class CFontSubstitute {
public:
    // After the box is filled, before the name goes into it: a missing face
    // becomes the one used in its place, when the box offers that one.
    void Show(const CSPFontComboBoxCtrl& box, std::string& fontName);
    // After the box was read: the stored name again when the box still
    // shows its substitute.
    void Keep(std::string& fontName) const;

private:
    std::string missing_;
    std::string substitute_;
};
