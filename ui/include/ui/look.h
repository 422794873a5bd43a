// The look of both screens: colours, fonts and the twip grid they are laid
// out on. Every value is written once here.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

class QWidget;

namespace lw::ui::look {

// The screens are laid out in twips (1/1440 inch); at 96 dots per inch 15
// twips make one device-independent pixel. Qt's high-DPI scaling takes it
// from there on large displays.
inline constexpr int kTwipsPerPixel = 15;
int px(int twips);
QRect twipRect(int left, int top, int width, int height);

// Colours of the selection screen.
inline constexpr QRgb kChosenStart = 0xC0FFC0;  // chosen start ellipsoid / input format
inline constexpr QRgb kChosenTarget = 0xFFE0C0; // chosen target ellipsoid / output format
inline constexpr QRgb kContinue = 0x80FFFF;     // "Weiter zur Zahleneingabe"
inline constexpr QRgb kQuit = 0xFF8080;         // both quit elements
inline constexpr QRgb kGrey = 0xC0C0C0;         // "So geht's", guide, calculation buttons
inline constexpr QRgb kInstruction = 0xFFFFC0;  // instruction label
inline constexpr QRgb kHint = 0xFFC0C0;         // "Hinweise" label and hint panel
// Colours of the calculation screen.
inline constexpr QRgb kInputHint = 0xE7D6E9; // labEingabe
inline constexpr QRgb kLatitude = 0xC0FFC0;  // "Breite", "Hoch"
inline constexpr QRgb kLongitude = 0xFFFFC0; // "Länge", "Rechts"
inline constexpr QRgb kZone = 0xC0FFFF;
inline constexpr QRgb kSquare = 0xC0C0FF;  // 100 km letters, reference digits
inline constexpr QRgb kPairs = 0xFFE0C0;   // military digit pairs
inline constexpr QRgb kExample = 0x008000; // text of the example labels
// The cross on the small map: a signal red, seen on land and water in a
// light and a dark palette alike (drawn on a halo of the fields' colour).
inline constexpr QRgb kMapCross = 0xD00000;
// Text of a disabled element on the light colours above: still readable
// (contrast above 4:1 even on the grey), yet plainly lighter than black.
inline constexpr QRgb kDisabledText = 0x505050;

// The system's standard button face: the colour of a button nobody chose.
QColor buttonFace();

// Gives a screen the standard light palette (button face, white fields,
// black text) whatever the desktop's palette is: the specified colours, the
// dark green example texts and the unchosen buttons were all made for it.
void setScreenLook(QWidget* screen);

// Screen font Arial 12 pt bold, the small font Arial 9.6 pt bold, and the
// Courier New faces of the help panels. Sizes are fixed in pixels at 96 dpi
// so that the text fits the twip layout whatever dpi the display reports;
// fontconfig maps the families to the metric-compatible Liberation faces.
QFont screenFont();
QFont smallFont();
QFont courierFont(double points);

// Sets a colour on `role` in every colour group (active, inactive, disabled),
// so that it is painted, and read back, the same in every state.
void setColour(QWidget* w, QPalette::ColorRole role, QColor colour);
// The setters below also write the text colour of their element: black,
// grey while disabled, whatever the desktop's palette says.
// Background of a label, frame, option or container: the Window role, filled.
void setBackground(QWidget* w, QColor colour);
// Background of a push button (drawn in the Fusion style so the colour shows,
// also while the button is disabled).
void setButtonColour(QWidget* w, QColor colour);
// Background of a text field: the Base role.
void setFieldColour(QWidget* w, QColor colour);
// Captioned frame: caption on the border line.
void setFrameLook(QWidget* frame);
// Text colour of a label (after setBackground, which writes black).
void setTextColour(QWidget* w, QColor colour);

} // namespace lw::ui::look
