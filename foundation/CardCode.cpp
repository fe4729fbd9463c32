#include "foundation/CardCode.h"

#include "platform/Cp1251.h"

QString TCardCode::toString() const
{
    return platform::cp1251::toUnicode(QByteArray(ch, len));
}

TCardCode TCardCode::fromString(const QString& text)
{
    const QByteArray b = platform::cp1251::fromUnicode(text.left(2));
    return TCardCode(b.constData());
}
