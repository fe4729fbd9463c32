#pragma once
// Pieces the small modal windows share: the window frame, face-coloured pictures with
// a PNG on them, the divider line and the GIF animators.
#include "platform/Color.h"

#include <QDialog>
#include <QLabel>
#include <QString>

class QMovie;
namespace platform {
class PictureControl;
}

namespace WindowParts {

// The face colour of the windows.
inline constexpr platform::TColor FaceColor = platform::rgbColor(240, 240, 240);

// Single border, only the system menu, fixed client size, centred on its parent.
void SetupDialogFrame(QDialog& dialog, int clientWidth, int clientHeight);

// The help page a window asks for when help is called from it.
void SetHelpContext(QWidget& window, int context);
int HelpContextOf(const QWidget& window);

// Fills the picture with the face colour.
void FillFace(platform::PictureControl& image);

// Draws the PNG resource at (x, y) by its alpha; False when there is none.
bool DrawPng(platform::PictureControl& image, const QString& name, int x, int y);

// The divider "GDivider260" resampled to the control's size.
void DrawDivider(platform::PictureControl& image);

// A GIF animator: a label that shows a movie of a GIF resource. The movie stays on
// frame 0 until started.
class GifAnimator : public QLabel {
public:
    explicit GifAnimator(QWidget* parent);
    // Loads the GIF resource; False (and an empty animator) when there is none.
    bool Load(const QString& resource);
    void Clear();
    QMovie* Movie() const { return movie_; }
    QString Resource() const { return resource_; }
    bool Running() const;
    int Frame() const;
    void Start();
    void Stop();
    // Stands still on a frame.
    void HoldAt(int frame);

private:
    QMovie* movie_ = nullptr;
    QString resource_;
};

} // namespace WindowParts
