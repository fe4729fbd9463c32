#pragma once
// What every request to the account, world-rating and statistics services shares: the
// two ways a form body is posted, the settings the requests leave on the one shared
// client, and the few delimiter rules by which the short replies are read. Nothing
// here throws; a failure comes back as a flag.
#include "platform/Http.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ServerRequest {

// The shared client's read time-out. The list reads of the world and statistics
// services lower it to ListReadTimeoutMs and nobody raises it again, so every later
// request, the account requests included, waits no longer than that.
inline int ReadTimeoutMs = platform::HttpDefaultTimeoutMs;
inline constexpr int ListReadTimeoutMs = 3000;

struct Reply {
    bool ok = false;   // a reply with a success status arrived in time
    QString text;      // the reply body as one-byte (code page 1251) text
};

// A list form post: every name and value percent-encoded in code page 1251.
Reply PostList(const QString& address, const platform::HttpFormFields& fields);
// A body built by the request itself, sent in code page 1251 as a form.
Reply PostString(const QString& address, const QByteArray& body);

// A body of name=value pairs joined by "&". Values go out as their code page 1251
// bytes, unencoded, except the three characters that would change the form's meaning
// on the server: "&" (a new field), "+" (a blank) and "%" (an escape).
class StringBody {
public:
    StringBody& add(const QString& name, const QString& value);
    StringBody& add(const QString& name, qint64 value);
    // Text appended as it stands (the world submit's closing "*").
    StringBody& raw(const QByteArray& bytes);
    const QByteArray& bytes() const { return body_; }

private:
    QByteArray body_;
};
QByteArray FormValue(const QString& value);

// --- reading replies ---

// The first data frame: from the first "$" that is not the reply's last character to
// just before the next `close` (or, when none follows, just before the last character).
// False when there is no such "$". `begin`/`end` give the frame's span with its "$".
bool FirstFrame(const QString& reply, QChar close, QString& frame);
bool FirstFrameSpan(const QString& reply, QChar close, qsizetype& begin, qsizetype& end);
// Each "$" that is not the last character opens the next frame, read as above; at
// most `maxFrames` of them.
QStringList Frames(const QString& reply, QChar close, int maxFrames);
// The fields of a frame, numbered from 1: index 0 of the result is the empty piece in
// front of the frame. Adjacent separators give an empty field, which counts.
QStringList Fields(const QString& frame, QChar separator);
// Field i, or false when the frame has fewer fields.
bool Field(const QStringList& fields, int i, QString& value);

// Optional sign and decimal digits that fit 32 bits; nothing else.
bool StrictInt(const QString& text, int& value);
// The digits after the last "$" that is not the last character, up to the first other
// character; the last character never counts. False when there is no such "$" or no
// digit after it.
bool NumberAfterLastDollar(const QString& reply, int& value);

// A status word of the account service: a whole word (not part of a longer run of
// letters or digits) outside the data frame the request reads. `dataClose` is the
// data frame's closing character, or a null QChar when the reply carries no data.
bool HasStatusWord(const QString& reply, const char* word, QChar dataClose = QChar());

// Decimal point of any kind: blanks, "-" and digits pass, the first other character
// counts as the decimal point and the scan stops there. Empty text gives `def`;
// anything else that is not a number sets ok False.
double StrToFloatLoose(const QString& text, double def, bool& ok);
// "0" below 0.00001 in magnitude, otherwise up to 15 significant digits with "." as
// the decimal point.
QString FloatToDotStr(double x);

} // namespace ServerRequest
