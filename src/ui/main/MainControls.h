#pragma once

#include <array>

class QFont;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace numberlark {

class CaptionLabel;
class DrawingSurface;
struct FontSpec;

// The main window's controls under their program names. `Cmdprint` and
// `CmdQuit` are the only elements (index 1) of their control arrays.
struct MainControls {
    DrawingSurface* surface = nullptr;
    std::array<QRadioButton*, 13> Option1{};
    QLineEdit* TxtOther = nullptr;
    QPushButton* Cmdprint = nullptr;
    QLineEdit* TxtAnswer = nullptr;
    QPushButton* CmdTest = nullptr;
    QPushButton* CmdQuit = nullptr;
    CaptionLabel* lblscoresofar = nullptr;
    CaptionLabel* Lbldate = nullptr;
    CaptionLabel* lblYON = nullptr;
    CaptionLabel* LblInstructions = nullptr;
    QLabel* ImgCertificate = nullptr;
    CaptionLabel* LblTimer = nullptr;
    CaptionLabel* LblCorrect = nullptr;
    CaptionLabel* LblQuestion = nullptr;
    QLabel* Imgclock = nullptr;
    QLabel* Imgwhiteboard = nullptr;
    QLabel* ImgTitle = nullptr;
    QLabel* Imgsign = nullptr;
    QTimer* Timer1 = nullptr;
};

// The font a control or window asks for; `inherited` when it names none.
QFont fontOf(const FontSpec& design, const QFont& inherited);

// Creates every control of the inventory on the surface: the lower layer
// back to front, then the upper layer, so buttons and boxes stay above the
// labels and pictures; then the keyboard order.
MainControls buildMainControls(DrawingSurface& surface);

} // namespace numberlark
