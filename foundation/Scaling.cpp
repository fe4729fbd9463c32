#include "foundation/Scaling.h"

#include "foundation/Settings.h"

#include <cmath>
#include <limits>

namespace Scaling {

int RoundHalfEven(double x)
{
    const double r = std::nearbyint(x);
    if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max()))
        return r > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

int Scaled(int n)
{
    return RoundHalfEven(n * Scale);
}

int ScaledLeft(int position, int size)
{
    return RoundHalfEven((ScaleX - Scale) * size / 2) + RoundHalfEven(ScaleX * position);
}

int ScaledTop(int position, int size)
{
    return RoundHalfEven((ScaleY - Scale) * size / 2) + RoundHalfEven(ScaleY * position);
}

int FontHeightFor(int size, const QString& role)
{
    int percent;
    if (role == QLatin1String("times"))
        percent = Settings::FontTimesPercent;
    else if (role == QLatin1String("serif"))
        percent = Settings::FontSerifPercent;
    else if (role == QLatin1String("couri"))
        percent = Settings::FontCouriPercent;
    else if (role == QLatin1String("conew"))
        percent = Settings::FontConewPercent;
    else
        return 0;
    return RoundHalfEven(static_cast<double>(size) * percent / 100.0);
}

} // namespace Scaling
