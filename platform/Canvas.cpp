#include "platform/Canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

namespace platform {

namespace {

using Spans = QList<QPair<int, int>>;

// n pixels of a row copied opaque, four at a time: the plain loop stays scalar at the
// release build's optimisation, and a drag copies whole table regions with it.
void copyOpaque(QRgb* d, const QRgb* s, int n)
{
    using Four = std::uint32_t __attribute__((vector_size(16)));
    constexpr Four opaque = {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        Four v;
        std::memcpy(&v, s + i, sizeof v);
        v |= opaque;
        std::memcpy(d + i, &v, sizeof v);
    }
    for (; i < n; ++i)
        d[i] = s[i] | 0xFF000000u;
}

inline QRgb applyMode(QRgb dst, TColor c, PenMode mode)
{
    switch (mode) {
    case PenMode::Copy:
        return toQRgb(c);
    case PenMode::Not:
        return 0xFF000000u | (~dst & 0x00FFFFFFu);
    case PenMode::Xor:
        return 0xFF000000u | ((dst ^ toQRgb(c)) & 0x00FFFFFFu);
    }
    return dst;
}

// Per-row spans [left, right) of a rectangle with corners rounded by an ew x eh ellipse.
Spans roundSpans(int x1, int y1, int x2, int y2, int ew, int eh)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    Spans spans;
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0)
        return spans;
    const double a = std::min(std::abs(ew), w) / 2.0;
    const double b = std::min(std::abs(eh), h) / 2.0;
    spans.reserve(h);
    for (int y = y1; y < y2; ++y) {
        int inset = 0;
        if (a > 0 && b > 0) {
            const double yc = y + 0.5;
            double d = 0; // distance into the corner zone, 0..1
            if (yc < y1 + b)
                d = (y1 + b - yc) / b;
            else if (yc > y2 - b)
                d = (yc - (y2 - b)) / b;
            if (d > 0)
                inset = static_cast<int>(std::nearbyint(a * (1.0 - std::sqrt(std::max(0.0, 1.0 - d * d)))));
        }
        spans.append({x1 + inset, x2 - inset});
    }
    return spans;
}

QHash<QString, QString>& familyCache()
{
    static QHash<QString, QString> cache;
    return cache;
}

} // namespace

namespace {

std::function<QFontDatabase::WritingSystem()>& writingSystemSource()
{
    static std::function<QFontDatabase::WritingSystem()> source;
    return source;
}

QFontDatabase::WritingSystem currentWritingSystem()
{
    const auto& source = writingSystemSource();
    return source ? source() : QFontDatabase::Latin;
}

bool hasScript(const QString& family, QFontDatabase::WritingSystem script)
{
    return QFontDatabase::writingSystems(family).contains(script);
}

// A family of the same kind that has the script's letters; empty when none is installed.
QString familyForScript(QFontDatabase::WritingSystem script, bool serif, bool mono)
{
    QStringList candidates;
    switch (script) {
    case QFontDatabase::SimplifiedChinese:
    case QFontDatabase::TraditionalChinese:
        candidates = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")};
        break;
    case QFontDatabase::Japanese:
        candidates = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Droid Sans Fallback")};
        break;
    case QFontDatabase::Korean:
        candidates = {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Droid Sans Fallback")};
        break;
    default:
        if (mono)
            candidates = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
        else if (serif)
            candidates = {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                          QStringLiteral("Noto Serif")};
        else
            candidates = {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans"),
                          QStringLiteral("DejaVu Sans")};
        break;
    }
    for (const QString& c : candidates)
        if (QFontDatabase::hasFamily(c) && hasScript(c, script))
            return c;
    return {};
}

} // namespace

void setWritingSystemSource(std::function<QFontDatabase::WritingSystem()> source)
{
    writingSystemSource() = std::move(source);
    familyCache().clear();
}

QString resolvedFamily(const QString& name)
{
    auto& cache = familyCache();
    const QFontDatabase::WritingSystem script = currentWritingSystem();
    const QString key = name.toLower() + QLatin1Char('|') + QString::number(int(script));
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    QString family;
    if (QFontDatabase::hasFamily(name)) {
        family = name;
    } else {
        QStringList candidates;
        QFont::StyleHint hint = QFont::SansSerif;
        auto any = [&key](std::initializer_list<const char*> words) {
            for (const char* w : words)
                if (key.contains(QLatin1String(w)))
                    return true;
            return false;
        };
        if (any({"comic"})) {
            candidates = {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"),
                          QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
        } else if (any({"fixedsys", "courier", "mono", "console", "terminal"})) {
            hint = QFont::Monospace;
            candidates = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                          QStringLiteral("Noto Mono")};
        } else if (any({"simsun", "simhei", "yahei", "mingliu", "pmingliu", "kaiti", "fangsong"})) {
            candidates = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                          QStringLiteral("Droid Sans Fallback")};
        } else if (any({"gothic", "mincho", "meiryo", "yu "})) {
            candidates = {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Serif CJK JP"),
                          QStringLiteral("Droid Sans Fallback")};
        } else if (any({"gulim", "batang", "dotum", "gungsuh", "malgun"})) {
            candidates = {QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Noto Serif CJK KR"),
                          QStringLiteral("Droid Sans Fallback")};
        } else if (!any({"sans"}) && any({"times", "serif", "roman", "georgia", "garamond", "book"})) {
            hint = QFont::Serif;
            candidates = {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                          QStringLiteral("Nimbus Roman")};
        } else {
            candidates = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("Noto Sans")};
        }
        for (const QString& c : candidates) {
            if (QFontDatabase::hasFamily(c)) {
                family = c;
                break;
            }
        }
        if (family.isEmpty()) {
            QFont f(name);
            f.setStyleHint(hint);
            family = QFontInfo(f).family();
        }
    }
    if (script != QFontDatabase::Latin && !hasScript(family, script)) {
        const QString lower = family.toLower();
        const bool mono = QFontDatabase::isFixedPitch(family);
        const bool serif = !lower.contains(QLatin1String("sans")) &&
                           (lower.contains(QLatin1String("serif")) || lower.contains(QLatin1String("roman")) ||
                            lower.contains(QLatin1String("times")));
        const QString other = familyForScript(script, serif, mono);
        if (!other.isEmpty())
            family = other;
    }
    cache.insert(key, family);
    return family;
}

QFont qFontFor(const Font& f)
{
    QFont q(resolvedFamily(f.name));
    const int h = f.height == 0 ? 11 : std::abs(f.height);
    q.setPixelSize(h);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

Canvas::Canvas(int width, int height, TColor fill)
{
    if (width > 0 && height > 0) {
        image_ = QImage(width, height, QImage::Format_RGB32);
        image_.fill(toQRgb(fill));
    }
}

Canvas::Canvas(const QImage& picture)
{
    assign(picture);
}

Canvas::Canvas(const Canvas& other)
    : pen(other.pen), brush(other.brush), font(other.font), image_(other.image_), penPos_(other.penPos_)
{
}

Canvas& Canvas::operator=(const Canvas& other)
{
    if (this != &other) {
        pen = other.pen;
        brush = other.brush;
        font = other.font;
        image_ = other.image_;
        penPos_ = other.penPos_;
        changed();
    }
    return *this;
}

void Canvas::setSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == this->width() && height == this->height())
        return;
    QImage next;
    if (width > 0 && height > 0) {
        next = QImage(width, height, QImage::Format_RGB32);
        next.fill(toQRgb(clWhite));
        if (!image_.isNull()) {
            QPainter p(&next);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image_);
        }
    }
    image_ = next;
    changed();
}

void Canvas::assign(const QImage& picture)
{
    if (picture.isNull())
        image_ = QImage();
    else if (picture.format() == QImage::Format_RGB32)
        image_ = picture;
    else if (picture.hasAlphaChannel()) {
        // A bitmap has no alpha: the picture is laid on a new (white) bitmap.
        image_ = QImage(picture.size(), QImage::Format_RGB32);
        image_.fill(toQRgb(clWhite));
        QPainter p(&image_);
        p.drawImage(0, 0, picture);
    } else {
        image_ = picture.convertToFormat(QImage::Format_RGB32);
    }
    changed();
}

void Canvas::notifyChanged()
{
    changed();
}

void Canvas::changed()
{
    if (listener_)
        listener_();
}

void Canvas::plot(int x, int y, TColor c, PenMode mode)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    line[x] = applyMode(line[x], c, mode);
}

void Canvas::span(int y, int x1, int x2, TColor c, PenMode mode)
{
    if (y < 0 || y >= image_.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, image_.width());
    if (x1 >= x2)
        return;
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    if (mode == PenMode::Copy) {
        std::fill(line + x1, line + x2, toQRgb(c));
        return;
    }
    for (int x = x1; x < x2; ++x)
        line[x] = applyMode(line[x], c, mode);
}

void Canvas::stampPen(int x, int y)
{
    const int w = std::max(1, pen.width);
    if (w == 1) {
        plot(x, y, pen.color, pen.mode);
        return;
    }
    const int from = -(w - 1) / 2;
    for (int j = from; j < from + w; ++j)
        span(y + j, x + from, x + from + w, pen.color, pen.mode);
}

void Canvas::moveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void Canvas::lineTo(int x, int y)
{
    // Bresenham in the system's octant convention: the end pixel is left out, and a
    // step that falls exactly half-way is taken so that a line and its reverse cover
    // the same pixels.
    const std::int64_t dx = static_cast<std::int64_t>(x) - penPos_.x();
    const std::int64_t dy = static_cast<std::int64_t>(y) - penPos_.y();
    int octant;
    if (dy > 0)
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    else
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const int xInc = dx > 0 ? 1 : -1;
    const int yInc = dy > 0 ? 1 : -1;
    const std::int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);
    const std::int64_t errMinorStep = 2 * minor - 2 * major;
    const std::int64_t errMajorStep = 2 * minor;
    std::int64_t err = 2 * minor - major;

    // A wide pen in an inverting mode must touch each pixel once, however many stamps
    // overlap it: collect the covered pixels first.
    const bool collect = pen.width > 1 && pen.mode != PenMode::Copy;
    QRegion covered;
    int px = penPos_.x();
    int py = penPos_.y();
    for (std::int64_t n = 0; n < major; ++n) {
        if (collect) {
            const int from = -(pen.width - 1) / 2;
            covered += QRect(px + from, py + from, pen.width, pen.width);
        } else {
            stampPen(px, py);
        }
        if (err + bias > 0) {
            if (xMajor)
                py += yInc;
            else
                px += xInc;
            err += errMinorStep;
        } else {
            err += errMajorStep;
        }
        if (xMajor)
            px += xInc;
        else
            py += yInc;
    }
    for (const QRect& r : covered)
        for (int yy = r.top(); yy <= r.bottom(); ++yy)
            span(yy, r.left(), r.right() + 1, pen.color, pen.mode);
    penPos_ = QPoint(x, y);
    changed();
}

void Canvas::shape(int top, const Spans& spans)
{
    const int rows = static_cast<int>(spans.size());
    const int w = std::max(1, pen.width);
    auto inside = [&](int x, int row) {
        if (row < 0 || row >= rows)
            return false;
        return x >= spans[row].first && x < spans[row].second;
    };
    for (int row = 0; row < rows; ++row) {
        const int y = top + row;
        if (y < 0 || y >= image_.height())
            continue;
        const int l = spans[row].first;
        const int r = spans[row].second;
        for (int x = std::max(l, 0); x < std::min(r, image_.width()); ++x) {
            bool edge = false;
            for (int d = 1; d <= w && !edge; ++d)
                edge = !inside(x - d, row) || !inside(x + d, row) || !inside(x, row - d) || !inside(x, row + d);
            if (edge)
                plot(x, y, pen.color, pen.mode);
            else if (brush.style == BrushStyle::Solid)
                plot(x, y, brush.color, pen.mode);
        }
    }
    changed();
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    shape(std::min(y1, y2), roundSpans(x1, y1, x2, y2, 0, 0));
}

void Canvas::roundRect(int x1, int y1, int x2, int y2, int ew, int eh)
{
    shape(std::min(y1, y2), roundSpans(x1, y1, x2, y2, ew, eh));
}

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    shape(std::min(y1, y2), roundSpans(x1, y1, x2, y2, std::abs(x2 - x1), std::abs(y2 - y1)));
}

void Canvas::polygon(const QList<QPoint>& points)
{
    if (points.size() < 2)
        return;
    if (brush.style == BrushStyle::Solid) {
        const QRegion region(QPolygon(points), Qt::OddEvenFill);
        const PenMode m = pen.mode;
        for (const QRect& r : region)
            for (int y = r.top(); y <= r.bottom(); ++y)
                span(y, r.left(), r.right() + 1, brush.color, m);
    }
    const QPoint keep = penPos_;
    moveTo(points.back().x(), points.back().y());
    for (const QPoint& p : points)
        lineTo(p.x(), p.y());
    penPos_ = keep;
    changed();
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    for (int y = y1; y < y2; ++y)
        span(y, x1, x2, brush.color, PenMode::Copy);
    changed();
}

void Canvas::frameRect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 == x2 || y1 == y2)
        return;
    span(y1, x1, x2, brush.color, PenMode::Copy);
    span(y2 - 1, x1, x2, brush.color, PenMode::Copy);
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        plot(x1, y, brush.color, PenMode::Copy);
        plot(x2 - 1, y, brush.color, PenMode::Copy);
    }
    changed();
}

void Canvas::fillRegion(const QRegion& region)
{
    for (const QRect& r : region)
        for (int y = r.top(); y <= r.bottom(); ++y)
            span(y, r.left(), r.right() + 1, brush.color, PenMode::Copy);
    changed();
}

QRegion Canvas::roundRectRegion(int x1, int y1, int x2, int y2, int ew, int eh)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const Spans spans = roundSpans(x1, y1, x2 - 1, y2 - 1, ew, eh);
    QRegion region;
    for (int i = 0; i < spans.size(); ++i)
        if (spans[i].second > spans[i].first)
            region += QRect(spans[i].first, y1 + i, spans[i].second - spans[i].first, 1);
    return region;
}

TColor Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return invalidColor;
    return fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Canvas::setPixel(int x, int y, TColor c)
{
    plot(x, y, c, PenMode::Copy);
    changed();
}

void Canvas::floodFill(int x, int y, TColor color, FloodFillMode mode)
{
    const int w = image_.width();
    const int h = image_.height();
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    const QRgb ref = toQRgb(color) & 0x00FFFFFFu;
    auto at = [&](int px, int py) { return reinterpret_cast<QRgb*>(image_.scanLine(py)) + px; };
    std::vector<unsigned char> seen(static_cast<size_t>(w) * h, 0);
    auto fillable = [&](int px, int py) {
        if (seen[static_cast<size_t>(py) * w + px])
            return false;
        const bool same = (*at(px, py) & 0x00FFFFFFu) == ref;
        return mode == FloodFillMode::Surface ? same : !same;
    };
    if (!fillable(x, y))
        return;
    const QRgb fill = toQRgb(brush.color);
    std::vector<QPoint> stack{QPoint(x, y)};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        const int py = p.y();
        if (!fillable(p.x(), py))
            continue;
        int l = p.x();
        while (l > 0 && fillable(l - 1, py))
            --l;
        int r = p.x();
        while (r + 1 < w && fillable(r + 1, py))
            ++r;
        for (int px = l; px <= r; ++px) {
            seen[static_cast<size_t>(py) * w + px] = 1;
            *at(px, py) = fill;
        }
        for (int ny : {py - 1, py + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            bool inRun = false;
            for (int px = l; px <= r; ++px) {
                const bool f = fillable(px, ny);
                if (f && !inRun)
                    stack.emplace_back(px, ny);
                inRun = f;
            }
        }
    }
    changed();
}

void Canvas::textOut(int x, int y, const QString& text)
{
    if (image_.isNull() || text.isEmpty())
        return;
    const QFont qf = qFontFor(font);
    const QFontMetrics fm(qf);
    if (brush.style == BrushStyle::Solid) {
        const int w = fm.horizontalAdvance(text);
        for (int yy = y; yy < y + fm.height(); ++yy)
            span(yy, x, x + w, brush.color, PenMode::Copy);
    }
    {
        QPainter p(&image_);
        p.setFont(qf);
        p.setPen(toQColor(font.color));
        p.drawText(QPoint(x, y + fm.ascent()), text);
    }
    changed();
}

int Canvas::textWidth(const QString& text) const
{
    return QFontMetrics(qFontFor(font)).horizontalAdvance(text);
}

int Canvas::textHeight(const QString& /*text*/) const
{
    return QFontMetrics(qFontFor(font)).height();
}

void Canvas::textRect(const QRect& r, const QString& text, int alignment)
{
    if (image_.isNull())
        return;
    {
        QPainter p(&image_);
        p.setFont(qFontFor(font));
        p.setPen(toQColor(font.color));
        p.drawText(r, alignment | Qt::TextSingleLine, text);
    }
    changed();
}

void Canvas::draw(int x, int y, const QImage& picture)
{
    if (image_.isNull() || picture.isNull())
        return;
    {
        QPainter p(&image_);
        p.drawImage(x, y, picture);
    }
    changed();
}

void Canvas::draw(int x, int y, const Canvas& picture)
{
    if (&picture == this) {
        const QImage copy = picture.image_.copy();
        draw(x, y, copy);
        return;
    }
    draw(x, y, picture.image_);
}

void Canvas::stretchDraw(const QRect& dest, const QImage& picture)
{
    if (image_.isNull() || picture.isNull() || dest.isEmpty())
        return;
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(dest, picture);
    }
    changed();
}

void Canvas::copyRect(const QRect& dest, const Canvas& src, const QRect& srcRect)
{
    if (dest.size() == srcRect.size()) {
        bitBlt(dest.x(), dest.y(), dest.width(), dest.height(), src, srcRect.x(), srcRect.y(), RasterOp::SrcCopy);
        return;
    }
    if (image_.isNull() || src.image_.isNull() || dest.isEmpty() || srcRect.isEmpty())
        return;
    const QImage source = src.image_; // a copy when src is this canvas (detached on write)
    {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(dest, source, srcRect);
    }
    changed();
}

void Canvas::bitBlt(int dx, int dy, int w, int h, const Canvas& src, int sx, int sy, RasterOp op)
{
    if (image_.isNull() || w <= 0 || h <= 0)
        return;
    const QImage source = src.image_; // keeps the original pixels when src is this canvas
    const bool needsSource = op != RasterOp::DstInvert;
    // Clip against the destination, and against the source when it is read.
    int x0 = std::max({0, -dx, needsSource ? -sx : 0});
    int y0 = std::max({0, -dy, needsSource ? -sy : 0});
    int x1 = std::min(w, image_.width() - dx);
    int y1 = std::min(h, image_.height() - dy);
    if (needsSource) {
        if (source.isNull())
            return;
        x1 = std::min(x1, source.width() - sx);
        y1 = std::min(y1, source.height() - sy);
    }
    if (x0 >= x1 || y0 >= y1)
        return;
    for (int j = y0; j < y1; ++j) {
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(dy + j)) + dx;
        const QRgb* s = needsSource ? reinterpret_cast<const QRgb*>(source.constScanLine(sy + j)) + sx : nullptr;
        switch (op) {
        case RasterOp::SrcCopy:
            copyOpaque(d + x0, s + x0, x1 - x0);
            break;
        case RasterOp::SrcAnd:
            for (int i = x0; i < x1; ++i)
                d[i] = (d[i] & s[i]) | 0xFF000000u;
            break;
        case RasterOp::SrcPaint:
            for (int i = x0; i < x1; ++i)
                d[i] = d[i] | s[i] | 0xFF000000u;
            break;
        case RasterOp::SrcInvert:
            for (int i = x0; i < x1; ++i)
                d[i] = ((d[i] ^ s[i]) & 0x00FFFFFFu) | 0xFF000000u;
            break;
        case RasterOp::DstInvert:
            for (int i = x0; i < x1; ++i)
                d[i] = (~d[i] & 0x00FFFFFFu) | 0xFF000000u;
            break;
        }
    }
    changed();
}

void Canvas::drawTransparent(int x, int y, const QImage& picture, TColor key)
{
    if (image_.isNull() || picture.isNull())
        return;
    const QImage src = (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32)
        ? picture
        : picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = toQRgb(key) & 0x00FFFFFFu;
    const int x0 = std::max(0, -x);
    const int y0 = std::max(0, -y);
    const int x1 = std::min(src.width(), image_.width() - x);
    const int y1 = std::min(src.height(), image_.height() - y);
    for (int j = y0; j < y1; ++j) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(j));
        QRgb* d = reinterpret_cast<QRgb*>(image_.scanLine(y + j)) + x;
        for (int i = x0; i < x1; ++i)
            if ((s[i] & 0x00FFFFFFu) != k)
                d[i] = s[i] | 0xFF000000u;
    }
    changed();
}

void Canvas::drawTransparent(int x, int y, const Canvas& picture, TColor key)
{
    const QImage src = picture.image_; // detached from this canvas on write
    drawTransparent(x, y, src, key);
}

} // namespace platform
