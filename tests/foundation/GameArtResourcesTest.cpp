// The table pictures of game groups 2 and 3: the tulip of each suit grows stage by stage
// and the deal light changes colour, each new picture drawn over the last one without
// erasing. So a picture must cover whatever the one before it left.
#include "platform/Resources.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage picture(const QString& name)
{
    return platform::resources::imageOfType(name, QStringLiteral("png")).convertToFormat(QImage::Format_ARGB32);
}

// Pixels where `next` drawn over `before` on the table green differs clearly from `next`
// drawn alone.
int leftOver(const QImage& before, const QImage& next)
{
    QImage over(next.size(), QImage::Format_ARGB32), alone(next.size(), QImage::Format_ARGB32);
    over.fill(QColor(0, 128, 0));
    alone.fill(QColor(0, 128, 0));
    {
        QPainter p(&over);
        p.drawImage(0, 0, before);
        p.drawImage(0, 0, next);
    }
    {
        QPainter p(&alone);
        p.drawImage(0, 0, next);
    }
    int n = 0;
    for (int y = 0; y < next.height(); ++y)
        for (int x = 0; x < next.width(); ++x) {
            const QRgb a = over.pixel(x, y), b = alone.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 40 || std::abs(qGreen(a) - qGreen(b)) > 40 ||
                std::abs(qBlue(a) - qBlue(b)) > 40)
                ++n;
        }
    return n;
}

} // namespace

TEST(GameArtResources, TulipsAndDealLightsInTheirSizeWithAClearGround)
{
    QStringList tulips;
    for (int i = 1; i <= 13; ++i)
        tulips << QStringLiteral("TulipR%1").arg(i, 2, 10, QLatin1Char('0'));
    tulips << "TulipY01" << "TulipB01" << "TulipV01";
    for (const QString& name : tulips) {
        SCOPED_TRACE(name.toStdString());
        const QImage img = picture(name);
        ASSERT_EQ(img.size(), QSize(65, 75));
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(64, 0)), 0);
    }
    for (const char* name : {"SvetoforG", "SvetoforY", "SvetoforR"}) {
        SCOPED_TRACE(name);
        const QImage img = picture(name);
        ASSERT_EQ(img.size(), QSize(128, 128));
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(64, 64)), 255);
    }
    // The three lights differ only in the lamp that is lit.
    EXPECT_NE(picture("SvetoforG"), picture("SvetoforR"));
}

TEST(GameArtResources, EachPictureCoversTheOneDrawnBeforeIt)
{
    std::vector<std::pair<QString, QString>> steps;
    for (int i = 1; i < 13; ++i)
        steps.emplace_back(QStringLiteral("TulipR%1").arg(i, 2, 10, QLatin1Char('0')),
                           QStringLiteral("TulipR%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    steps.emplace_back("TulipR13", "TulipY01");   // a complete suit in Tulip
    steps.emplace_back("TulipR13", "TulipB01");   // and in Blue Tulip
    steps.emplace_back("TulipR09", "TulipV01");   // Paganini completes with nine cards
    for (const char* a : {"SvetoforG", "SvetoforY", "SvetoforR"})
        for (const char* b : {"SvetoforG", "SvetoforY", "SvetoforR"})
            if (QLatin1String(a) != QLatin1String(b))
                steps.emplace_back(a, b);
    for (const auto& [before, next] : steps) {
        SCOPED_TRACE((before + QStringLiteral(" then ") + next).toStdString());
        // A few anti-aliased edge pixels may differ; a leftover petal or lamp would not.
        EXPECT_LE(leftOver(picture(before), picture(next)), 6);
    }
}
