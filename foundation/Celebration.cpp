#include "foundation/Celebration.h"

#include "foundation/GameState.h"
#include "foundation/Scaling.h"
#include "foundation/Sprite.h"
#include "foundation/TableSurface.h"
#include "platform/PictureControl.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "platform/Sound.h"

#include <QHash>
#include <QTimer>
#include <cmath>
#include <optional>

namespace Celebration {

namespace {

struct ClickState {
    QByteArray wav;
    std::int64_t durationMs = 0;
    std::optional<std::int64_t> startedAt;
};

ClickState& click()
{
    static ClickState s;
    return s;
}

const QImage& balloonPicture(int n)
{
    static QHash<int, QImage> cache;
    auto it = cache.find(n);
    if (it == cache.end()) {
        QImage img = platform::resources::image(QStringLiteral("GBalloon%1").arg(n));
        if (!img.isNull())
            img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = cache.insert(n, img);
    }
    return it.value();
}

void stopTimer()
{
    if (Form1 && Form1->Timer2)
        Form1->Timer2->stop();
}

void startCelebration()
{
    WinBalloonsPending = false;
    BalloonsActive = true;
    const int tw = Scaling::TableWidth;
    const int th = Scaling::TableHeight;
    if (Form1 && GameState::CurrentGameId == 17)
        Sprite::TakeTableForSprite(Form1->FormCanvas());
    else
        Sprite::TakeTableForSprite();
    for (int i = 1; i <= 20; ++i) {
        BalloonX[i] = platform::randomBelow(tw - 100) + 5;
        BalloonY[i] = platform::randomBelow(300) + th;
        BalloonPicture[i] = i <= 6 ? i : platform::randomBelow(6) + 1;
    }
}

} // namespace

void PlayClickSound(const QString& name, int /*unused*/, bool soundOn)
{
    if (!soundOn)
        return;
    ClickState& s = click();
    if (s.wav.isEmpty()) {
        s.wav = platform::resources::find(name);
        platform::sound::PcmWave pcm;
        if (platform::sound::parseWav(s.wav, pcm))
            s.durationMs = pcm.durationMs();
    }
    if (s.wav.isEmpty())
        return;
    const std::int64_t now = platform::monotonicMillis();
    if (s.startedAt && now - *s.startedAt < s.durationMs)
        return; // still sounding: it goes on, no second click over it
    s.startedAt = now;
    platform::sound::sink().play(s.wav, false);
}

void StartWinBalloons()
{
    WinBalloonsPending = true;
    if (Form1 && Form1->Timer2) {
        Form1->Timer2->setInterval(10);
        Form1->Timer2->start();
    }
}

void StopWinBalloons()
{
    WinBalloonsPending = false;
    stopTimer();
    if (BalloonsActive) {
        BalloonsActive = false;
        Sprite::FreeSpriteTables();
    }
}

void PlayWinBalloons()
{
    if (WinBalloonsPending)
        startCelebration();
    if (!BalloonsActive) {
        stopTimer();
        return;
    }
    for (int i = 1; i <= 20; ++i)
        BalloonY[i] -= i <= 10 ? 2 : 3;

    platform::Canvas& work = Sprite::SpriteWork;
    work.bitBlt(0, 0, work.width(), work.height(), Sprite::SpriteBackground, 0, 0,
                platform::RasterOp::SrcCopy);
    bool anyVisible = false;
    for (int i = 1; i <= 20; ++i) {
        work.draw(BalloonX[i], BalloonY[i], balloonPicture(BalloonPicture[i]));
        if (BalloonY[i] > -230)
            anyVisible = true;
    }
    const QRegion table(0, 0, Scaling::TableWidth, Scaling::TableHeight);
    if (!anyVisible) {
        BalloonsActive = false;
        stopTimer();
        // The last frame still shows the tops of the last balloons: put the table back.
        Sprite::ShowOnForm(Sprite::SpriteBackground, table);
        Sprite::FreeSpriteTables();
        return;
    }
    Sprite::ShowOnForm(work, table);
}

int MsSinceMidnight()
{
    return platform::currentDateTime().time().msecsSinceStartOfDay();
}

double Distance(int x1, int y1, int x2, int y2)
{
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace Celebration
