#include "platform/AnimatedPicture.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>

namespace platform {

namespace {

// The smallest rectangle outside which two pictures of one size and 32-bit format agree.
QRect differingRect(const QImage& a, const QImage& b)
{
    const int w = a.width();
    int top = -1, bottom = -1, left = w, right = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::memcmp(ra, rb, size_t(w) * sizeof(QRgb)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (ra[x] == rb[x])
            ++x;
        left = std::min(left, x);
        x = w - 1;
        while (ra[x] == rb[x])
            --x;
        right = std::max(right, x);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// A GIF's frames seldom hold more than 256 colours: kept as indexed pictures they take a
// quarter of the memory. Only a lossless conversion is kept.
QImage compact(const QImage& patch)
{
    // A GIF frame has at most 256 colours: kept as indexes into them, the frame takes a
    // quarter of the memory. Qt's own conversion picks an approximate palette, so the
    // colours are gathered here, and the patch stays as it is when the round trip is not exact.
    const QImage argb = patch.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, int> index;
    QList<QRgb> table;
    QImage indexed(argb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < argb.width(); ++x) {
            auto found = index.constFind(in[x]);
            if (found == index.constEnd()) {
                if (table.size() == 256)
                    return patch;
                found = index.insert(in[x], static_cast<int>(table.size()));
                table.push_back(in[x]);
            }
            out[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(table);
    if (indexed.convertToFormat(patch.format()) == patch)
        return indexed;
    return patch;
}

class MovieRest : public QObject {
public:
    explicit MovieRest(QLabel* label) : QObject(label), label_(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        QMovie* movie = label_->movie();
        if (e->type() == QEvent::Hide) {
            if (movie && movie->state() == QMovie::Running) {
                movie->setPaused(true);
                paused_ = movie;
            }
        } else if (e->type() == QEvent::Show) {
            if (movie && movie == paused_ && movie->state() == QMovie::Paused)
                movie->setPaused(false);
            paused_ = nullptr;
        }
        return false;
    }

private:
    QLabel* label_;
    QPointer<QMovie> paused_;
};

} // namespace

void restMovieWhileHidden(QLabel& label)
{
    if (!label.findChild<MovieRest*>(QString(), Qt::FindDirectChildrenOnly))
        new MovieRest(&label);
}

AnimatedPicture::AnimatedPicture(QWidget* parent) : QWidget(parent)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { advance(); });
}

void AnimatedPicture::clearFrames()
{
    frames_.clear();
    shown_ = QImage();
    current_ = 0;
}

bool AnimatedPicture::load(const QByteArray& gif)
{
    stop();
    clearFrames();
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QList<QImage> images;
    QList<int> delays;
    while (reader.canRead()) {
        QImage image = reader.read();
        if (image.isNull())
            break;
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (!images.isEmpty() && image.size() != images.first().size())
            break;
        images.push_back(image);
        delays.push_back(reader.nextImageDelay());
    }
    loopCount_ = reader.loopCount();
    if (images.isEmpty()) {
        update();
        return false;
    }
    const int n = static_cast<int>(images.size());
    for (int k = 0; k < n; ++k) {
        Frame f;
        f.rect = differingRect(images[(k + n - 1) % n], images[k]);
        if (!f.rect.isEmpty())
            f.patch = compact(images[k].copy(f.rect));
        f.delay = delays[k];
        frames_.push_back(f);
    }
    shown_ = images.first();
    update();
    return true;
}

void AnimatedPicture::jumpToFrame(int n)
{
    if (frames_.isEmpty() || n < 0 || n >= frameCount() || n == current_)
        return;
    // Every patch leads from one frame to the next, so the way round reaches any frame.
    QPainter p(&shown_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    QRect changed;
    while (current_ != n) {
        current_ = (current_ + 1) % frameCount();
        const Frame& f = frames_[current_];
        if (f.rect.isEmpty())
            continue;
        p.drawImage(f.rect.topLeft(), f.patch);
        changed |= f.rect;
    }
    p.end();
    update(changed);
    ticked_ = 0;
    if (timer_.isActive())
        scheduleNext();
}

QRect AnimatedPicture::step()
{
    if (frames_.isEmpty())
        return {};
    current_ = (current_ + 1) % frameCount();
    const Frame& f = frames_[current_];
    if (f.rect.isEmpty())
        return {};
    {
        QPainter p(&shown_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(f.rect.topLeft(), f.patch);
    }
    update(f.rect);
    return f.rect;
}

void AnimatedPicture::start()
{
    if (frames_.isEmpty() || running_)
        return;
    running_ = true;
    passesLeft_ = loopCount_;
    ticked_ = 0;
    if (seen_ && !clock_)
        scheduleNext();
}

void AnimatedPicture::stop()
{
    running_ = false;
    timer_.stop();
}

void AnimatedPicture::followTicks(QTimer* clock)
{
    if (clock_)
        disconnect(clock_, nullptr, this, nullptr);
    clock_ = clock;
    timer_.stop();
    ticked_ = 0;
    if (clock_)
        connect(clock_, &QTimer::timeout, this, [this] { clockTicked(); });
    else if (running_ && seen_)
        scheduleNext();
}

int AnimatedPicture::delayOf(int frame) const
{
    // A frame without a delay still gives the event loop its turn.
    return std::max(frames_[frame].delay, 10);
}

void AnimatedPicture::scheduleNext()
{
    timer_.start(delayOf(current_));
}

void AnimatedPicture::clockTicked()
{
    if (!running_ || !seen_ || frames_.isEmpty())
        return;
    ticked_ += clock_->interval();
    // At most one round of frames per tick, however long the tick was.
    for (int shown = 0; running_ && ticked_ >= delayOf(current_) && shown < frameCount(); ++shown) {
        ticked_ -= delayOf(current_);
        advance();
    }
    if (!running_)
        ticked_ = 0;
    else
        ticked_ = std::min(ticked_, delayOf(current_));
}

void AnimatedPicture::advance()
{
    if (!running_ || frames_.isEmpty())
        return;
    if (current_ == frameCount() - 1) {
        if (passesLeft_ == 0) {
            running_ = false; // the last pass ends on its last frame
            return;
        }
        if (passesLeft_ > 0)
            --passesLeft_;
    }
    step();
    if (!clock_)
        scheduleNext();
}

void AnimatedPicture::paintEvent(QPaintEvent* e)
{
    if (shown_.isNull())
        return;
    const QRect r = e->rect() & shown_.rect();
    if (r.isEmpty())
        return;
    QPainter p(this);
    p.drawImage(r.topLeft(), shown_, r);
}

void AnimatedPicture::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    seen_ = true;
    if (running_ && !clock_ && !timer_.isActive())
        scheduleNext();
}

void AnimatedPicture::hideEvent(QHideEvent* e)
{
    // Also sent when the window is minimised: nothing is seen, so nothing steps.
    QWidget::hideEvent(e);
    seen_ = false;
    timer_.stop();
}

} // namespace platform
