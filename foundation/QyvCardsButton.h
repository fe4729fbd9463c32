#pragma once
// The card-styled push button used on every window. Its face is painted from a left
// cap, a right cap and a middle strip of red master pictures, recoloured into one of
// eight schemes and lightened toward white. It stays a real push button: keyboard
// focus, Space and Enter activate it, and its caption is its accessible name.
#include "platform/Color.h"

#include <QImage>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

// Colour schemes, recoloured from the red master pictures.
enum TColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
// Height presets: 30, 45 and 60 pixels.
enum THeightSB { D30, D45, D60 };
// Where the glyph sits beside the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Owner-draw state bits handed to DrawButton and OnDrawButton.
using TOwnerDrawState = unsigned;
inline constexpr TOwnerDrawState odSelected = 1u << 0; // pressed
inline constexpr TOwnerDrawState odFocused = 1u << 1;
inline constexpr TOwnerDrawState odDisabled = 1u << 2;

class TQyvCardsButton;

using TDrawButtonEvent = std::function<void(TQyvCardsButton* Control, const QRect& Rect, TOwnerDrawState State)>;
using TNotifyEvent = std::function<void(TQyvCardsButton* Sender)>;

namespace QyvCardsButton {

// One colour ($BBGGRR) through a scheme and a lightening of L percent. DRed with L 0
// returns the colour as it is; otherwise the high byte of the result is zero.
platform::TColor RecolourColor(platform::TColor Color, TColorSB Scheme, int L);
// Every pixel of a picture through a scheme and a lightening; alpha is kept. With
// Ovila, only pixels near pure red are lightened, and DCards touches only those.
void RecolourPng(QImage& Png, TColorSB Scheme, bool Ovila, int L);

// Height class: 1, 2, 3 at exactly 30, 45, 60 pixels; 0 for any other height.
int HeightClassOf(int Height);
// Width of a cap at a button height.
int CapWidthFor(int Height);
// Names of the left cap, right cap and middle strip at a button height ("R29_L", ...);
// Ovila asks for the "Q" series.
struct PictureSet {
    QString Left, Right, Middle;
};
PictureSet PictureSetFor(int Height, bool Ovila);
// Row colours of the red master at an exact height (30, 45, 60): entry y + 1 is the
// colour of row y. Empty for any other height.
const std::vector<platform::TColor>& ButtonGradient(int Height);
// Pen colour of the focus ring of a scheme.
platform::TColor FocusRingColor(TColorSB Scheme);

} // namespace QyvCardsButton

class TQyvCardsButton : public QPushButton {
    Q_OBJECT

public:
    explicit TQyvCardsButton(QWidget* parent = nullptr);
    explicit TQyvCardsButton(const QString& caption, QWidget* parent = nullptr);
    ~TQyvCardsButton() override;

    TColorSB ColorSB() const { return FColorSB; }
    void SetColorSB(TColorSB value);
    platform::TColor ColorMouse() const { return FColorMouse; }
    void SetColorMouse(platform::TColor value) { FColorMouse = value; }
    bool LightFont() const { return FLightFont; }
    void SetLightFont(bool value) { FLightFont = value; }
    bool GrayDis() const { return FGrayDis; }
    void SetGrayDis(bool value) { FGrayDis = value; }
    THeightSB HeightSB() const { return FHeightSB; }
    // Sets the height to 30, 45 or 60 when the preset changes.
    void SetHeightSB(THeightSB value);
    int KLightSB() const { return FKLightSB; }
    void SetKLightSB(int value);
    bool Kontur() const { return FKontur; }
    void SetKontur(bool value) { FKontur = value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value) { FSmooth = value; }
    bool Ovila() const { return FOvila; }
    void SetOvila(bool value) { FOvila = value; }

    TDrawButtonEvent OnDrawButton;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnMouseEnter;

    // The caption's colour outside hover and disabled looks.
    platform::TColor FontColor() const;
    void SetFontColor(platform::TColor value);

    // The bit button's picture beside the caption, drawn by its alpha (a picture
    // without alpha leaves out the colour of its bottom-left pixel).
    const QImage& Glyph() const { return FGlyph; }
    void SetGlyph(const QImage& value);
    // The picture drawn as the glyph: Glyph, or the button's icon when there is none.
    QImage GlyphPicture() const;
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // -1 centres the caption; any other value left-aligns it after the glyph.
    int Margin() const { return FMargin; }
    void SetMargin(int value);

    bool IsFocused() const { return FIsFocused; }
    bool MouseInPos() const { return FMouseInPos; }
    // The default / focus look: stored and repainted when it changes.
    void SetButtonStyle(bool ADefault);

    // The painter of the paint in progress (for OnDrawButton); null outside a paint.
    QPainter* Canvas() const { return FCanvas; }

    // Paints the face into Canvas, whose pixels in Rect are what shows behind the
    // button. Rect is the button's rectangle from (0, 0).
    void DrawButton(QImage& Canvas, const QRect& Rect, TOwnerDrawState State);
    // The state a paint uses now.
    TOwnerDrawState CurrentState() const;
    // The button's font, a point (pixel) smaller at a time until the caption fits in
    // Room pixels.
    QFont CaptionFont(int Room) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void init();

    QPainter* FCanvas = nullptr;
    bool FIsFocused = false;
    // Every window's buttons light their caption yellow under the mouse.
    platform::TColor FColorMouse = platform::clYellow;
    bool FLightFont = true;
    TColorSB FColorSB = DRed;
    int FKLightSB = 0;
    THeightSB FHeightSB = D30;
    bool FGrayDis = false;
    bool FMouseInPos = false;
    bool FKontur = true;
    bool FSmooth = true;
    bool FOvila = false;
    QImage FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
};
