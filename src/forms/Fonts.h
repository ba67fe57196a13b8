// The window's Japanese faces: their names, and the mapping of those names to the faces
// installed here, so the layout looks the same where the original faces are missing.
#pragma once

#include <QFont>

class QWidget;

constexpr const char* FaceGothic = "ＭＳ ゴシック";    // fixed-pitch gothic
constexpr const char* FacePGothic = "ＭＳ Ｐゴシック"; // proportional gothic
constexpr const char* FacePMincho = "ＭＳ Ｐ明朝";     // proportional mincho

// Maps the three face names to the nearest installed Japanese faces. Needs a running
// QGuiApplication; calling it again adds nothing.
void InstallFontSubstitutions();

// A face of the given pixel height (the character height of the layout). Once the
// substitutions are in, the font names the installed face the face's name maps to.
QFont WindowFont(const char* face, int pixelHeight, bool bold = false);

// Holds back the font changes of `widget` and of the children it has now until each is
// first shown; font() already answers the new face meanwhile. Setting a face makes a
// text field lay its text out at once, and so load the face; a field or a dialog that
// is hidden at start-up then loads its face only when it appears.
void LayOutFontsWhenShown(QWidget* widget);
