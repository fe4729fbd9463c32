#pragma once
// An animated GIF on a window, decoded once. Each frame is kept as the rectangle in which
// it differs from the frame before it, so a step repaints only that rectangle and a step
// that changes nothing repaints nothing. The animation rests while the control is hidden
// or its window minimised, and goes on from the same frame when it shows again. Frames
// follow each other after the delays the GIF gives them, as often as its loop count says.
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace platform {

// A label that shows a QMovie: the movie pauses while the label is hidden (its dialog
// closed, its window minimised) and goes on when the label shows again. A movie that was
// not running when the label hid stays as it was.
void restMovieWhileHidden(QLabel& label);

class AnimatedPicture : public QWidget {
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget* parent = nullptr);

    // Decodes a GIF and shows its first frame, still. False (and nothing shown) when the
    // data holds no picture.
    bool load(const QByteArray& gif);
    bool isLoaded() const { return !frames_.isEmpty(); }
    int frameCount() const { return static_cast<int>(frames_.size()); }
    int currentFrame() const { return current_; }
    // What the control shows now, the size of the GIF's screen.
    const QImage& picture() const { return shown_; }

    // Shows frame n (0-based) at once; the running animation goes on from there.
    void jumpToFrame(int n);
    // One step: the next frame, or the first after the last. Returns the rectangle it
    // repainted (empty when the two frames are alike).
    QRect step();

    // Starts or stops the animation; while started it steps on its own. The animation
    // stays started while it rests in a hidden control.
    void start();
    void stop();
    bool running() const { return running_; }
    // True while the animation is started but hidden, so nothing steps.
    bool resting() const { return running_ && !seen_; }

    // Steps on the ticks of a timer the window runs anyway instead of waking the program
    // with a timer of its own: each tick counts the timer's interval towards the shown
    // frame's delay, and the next frame shows once the delay is reached. Delays that are
    // whole numbers of ticks keep their pace exactly; longer ticks show the frames that
    // fell due, so the animation keeps its pace on average.
    void followTicks(QTimer* clock);

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    struct Frame {
        QRect rect;   // where the frame differs from the one before it (the last, for frame 0)
        QImage patch; // the frame's pixels in that rectangle
        int delay = 0;
    };
    void scheduleNext();
    void advance();
    void clockTicked();
    void clearFrames();
    int delayOf(int frame) const;

    QList<Frame> frames_;
    QImage first_;
    QImage shown_;
    int current_ = 0;
    int loopCount_ = -1; // further passes after the first; -1 for ever
    int passesLeft_ = -1;
    bool running_ = false;
    bool seen_ = false;      // shown, and not hidden by its window being minimised
    QTimer timer_;
    QPointer<QTimer> clock_;
    int ticked_ = 0;         // time counted by the clock since the shown frame came
};

} // namespace platform
