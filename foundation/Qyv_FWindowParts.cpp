#include "foundation/Qyv_FWindowParts.h"

#include "foundation/DrawHelpers.h"
#include "platform/AnimatedPicture.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"

#include <QBuffer>
#include <QMovie>
#include <QVariant>

namespace WindowParts {

void SetupDialogFrame(QDialog& dialog, int clientWidth, int clientHeight)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    dialog.setFixedSize(clientWidth, clientHeight);
    dialog.setModal(true);
    QPalette pal = dialog.palette();
    pal.setColor(QPalette::Window, platform::toQColor(FaceColor));
    dialog.setPalette(pal);
    dialog.setAutoFillBackground(true);
    if (QWidget* parent = dialog.parentWidget()) {
        const QRect g = parent->frameGeometry();
        dialog.move(g.center().x() - clientWidth / 2, g.center().y() - clientHeight / 2);
    }
}

void SetHelpContext(QWidget& window, int context)
{
    window.setProperty("HelpContext", context);
}

int HelpContextOf(const QWidget& window)
{
    return window.property("HelpContext").toInt();
}

void FillFace(platform::PictureControl& image)
{
    platform::Canvas& c = image.canvas();
    c.brush.color = FaceColor;
    c.brush.style = platform::BrushStyle::Solid;
    c.fillRect(0, 0, c.width(), c.height());
    image.invalidate();
}

bool DrawPng(platform::PictureControl& image, const QString& name, int x, int y)
{
    const QImage png = platform::resources::image(name);
    if (png.isNull())
        return false;
    image.canvas().draw(x, y, png);
    image.invalidate();
    return true;
}

void DrawDivider(platform::PictureControl& image)
{
    QImage png = platform::resources::image(QStringLiteral("GDivider260"));
    FillFace(image);
    if (png.isNull())
        return;
    png = png.convertToFormat(QImage::Format_ARGB32);
    DrawHelpers::ResizePngSmooth(png, image.canvas().width(), image.canvas().height());
    image.canvas().draw(0, 0, png);
    image.invalidate();
}

GifAnimator::GifAnimator(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // A closed window animates nothing.
    platform::restMovieWhileHidden(*this);
}

bool GifAnimator::Load(const QString& resource)
{
    Clear();
    const QByteArray bytes = platform::resources::find(resource);
    if (bytes.isEmpty())
        return false;
    auto* buffer = new QBuffer(this);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    movie_ = new QMovie(buffer, QByteArray("gif"), this);
    buffer->setParent(movie_);
    if (!movie_->isValid()) {
        Clear();
        return false;
    }
    resource_ = resource;
    setMovie(movie_);
    movie_->jumpToFrame(0);
    return true;
}

void GifAnimator::Clear()
{
    if (movie_) {
        movie_->stop();
        setMovie(nullptr);
        delete movie_;
        movie_ = nullptr;
    }
    resource_.clear();
    QLabel::clear();
}

bool GifAnimator::Running() const
{
    return movie_ && movie_->state() == QMovie::Running;
}

int GifAnimator::Frame() const
{
    return movie_ ? movie_->currentFrameNumber() : -1;
}

void GifAnimator::Start()
{
    if (movie_ && movie_->state() != QMovie::Running)
        movie_->start();
}

void GifAnimator::Stop()
{
    if (movie_)
        movie_->setPaused(true);
}

void GifAnimator::HoldAt(int frame)
{
    if (!movie_)
        return;
    movie_->stop();
    // A GIF can only be read forward: step to the frame one by one.
    movie_->jumpToFrame(0);
    for (int i = 1; i <= frame && movie_->currentFrameNumber() == i - 1; ++i)
        movie_->jumpToFrame(i);
}

} // namespace WindowParts
