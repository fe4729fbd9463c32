#include "foundation/ServerRequest.h"

#include "platform/Cp1251.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace ServerRequest {

namespace {

const QByteArray FormContentType = "application/x-www-form-urlencoded";

platform::HttpOptions options()
{
    platform::HttpOptions o;
    o.userAgent = platform::HttpUserAgentMarker;
    o.timeoutMs = ReadTimeoutMs;
    return o;
}

Reply toReply(const platform::HttpResult& r)
{
    Reply reply;
    reply.ok = r.ok;
    if (r.ok)
        reply.text = platform::cp1251::toUnicode(r.body);
    return reply;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber();
}

// The "$" that opens a frame at or after `from`, never the last character.
qsizetype openingDollar(const QString& reply, qsizetype from)
{
    for (qsizetype i = from; i + 1 < reply.size(); ++i)
        if (reply[i] == QLatin1Char('$'))
            return i;
    return -1;
}

// Index one past the frame that opens at `dollar`.
qsizetype frameEnd(const QString& reply, qsizetype dollar, QChar close)
{
    const qsizetype c = reply.indexOf(close, dollar + 1);
    return c >= 0 ? c : reply.size() - 1;
}

} // namespace

Reply PostList(const QString& address, const platform::HttpFormFields& fields)
{
    try {
        return toReply(platform::httpPostForm(address, fields, options()));
    } catch (...) {
        return {};
    }
}

Reply PostString(const QString& address, const QByteArray& body)
{
    try {
        return toReply(platform::httpPostRaw(address, body, FormContentType, options()));
    } catch (...) {
        return {};
    }
}

QByteArray FormValue(const QString& value)
{
    const QByteArray bytes = platform::cp1251::fromUnicode(value);
    QByteArray out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        switch (b) {
        case '&': out += "%26"; break;
        case '+': out += "%2B"; break;
        case '%': out += "%25"; break;
        default: out += b;
        }
    }
    return out;
}

StringBody& StringBody::add(const QString& name, const QString& value)
{
    if (!body_.isEmpty())
        body_ += '&';
    body_ += FormValue(name);
    body_ += '=';
    body_ += FormValue(value);
    return *this;
}

StringBody& StringBody::add(const QString& name, qint64 value)
{
    return add(name, QString::number(value));
}

StringBody& StringBody::raw(const QByteArray& bytes)
{
    body_ += bytes;
    return *this;
}

bool FirstFrameSpan(const QString& reply, QChar close, qsizetype& begin, qsizetype& end)
{
    begin = openingDollar(reply, 0);
    if (begin < 0)
        return false;
    end = frameEnd(reply, begin, close);
    return true;
}

bool FirstFrame(const QString& reply, QChar close, QString& frame)
{
    qsizetype begin = 0;
    qsizetype end = 0;
    if (!FirstFrameSpan(reply, close, begin, end))
        return false;
    frame = reply.mid(begin + 1, end - begin - 1);
    return true;
}

QStringList Frames(const QString& reply, QChar close, int maxFrames)
{
    QStringList frames;
    qsizetype at = 0;
    while (frames.size() < maxFrames) {
        const qsizetype dollar = openingDollar(reply, at);
        if (dollar < 0)
            break;
        frames << reply.mid(dollar + 1, frameEnd(reply, dollar, close) - dollar - 1);
        // A "$" inside this frame opens the next one too.
        at = dollar + 1;
    }
    return frames;
}

QStringList Fields(const QString& frame, QChar separator)
{
    // The piece after the closing separator is not a field: "a b" has two.
    return (separator + frame).split(separator);
}

bool Field(const QStringList& fields, int i, QString& value)
{
    if (i < 1 || i >= fields.size())
        return false;
    value = fields[i];
    return true;
}

bool StrictInt(const QString& text, int& value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= text.size())
        return false;
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        v = v * 10 + (text[i].unicode() - '0');
        if (v > qint64(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    value = static_cast<int>(v);
    return true;
}

bool NumberAfterLastDollar(const QString& reply, int& value)
{
    qsizetype dollar = -1;
    for (qsizetype i = reply.size() - 2; i >= 0; --i) {
        if (reply[i] == QLatin1Char('$')) {
            dollar = i;
            break;
        }
    }
    if (dollar < 0)
        return false;
    qsizetype end = dollar + 1;
    while (end < reply.size() - 1 && isDigit(reply[end]))
        ++end;
    return StrictInt(reply.mid(dollar + 1, end - dollar - 1), value);
}

bool HasStatusWord(const QString& reply, const char* word, QChar dataClose)
{
    QString status = reply;
    if (!dataClose.isNull()) {
        qsizetype begin = 0;
        qsizetype end = 0;
        if (FirstFrameSpan(reply, dataClose, begin, end))
            status = reply.left(begin) + QLatin1Char(' ') + reply.mid(end + 1);
    }
    const QString w = QString::fromLatin1(word);
    for (qsizetype at = status.indexOf(w); at >= 0; at = status.indexOf(w, at + 1)) {
        const bool before = at > 0 && isWordChar(status[at - 1]);
        const bool after = at + w.size() < status.size() && isWordChar(status[at + w.size()]);
        if (!before && !after)
            return true;
    }
    return false;
}

double StrToFloatLoose(const QString& text, double def, bool& ok)
{
    ok = true;
    if (text.isEmpty())
        return def;
    QString t = text;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('-') || isDigit(c))
            continue;
        t[i] = QLatin1Char('.');
        break;
    }
    bool converted = false;
    const double v = t.toDouble(&converted);
    if (!converted || !std::isfinite(v)) {
        ok = false;
        return def;
    }
    return v;
}

QString FloatToDotStr(double x)
{
    if (!(std::fabs(x) >= 0.00001))
        return QStringLiteral("0");
    QString s = QLocale::c().toString(x, 'g', 15);
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    return s;
}

} // namespace ServerRequest
