// Cost of painting one push button face: at an exact height (caps 1:1, middle from the
// row table) and at a free height, where the caps are resized smoothly.
#include "bench/BenchApplication.h"
#include "foundation/QyvCardsButton.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PaintButtonFace(benchmark::State& state)
{
    bench::ensureApplication();
    const int height = static_cast<int>(state.range(0));
    TQyvCardsButton b(QStringLiteral("Ok"));
    b.resize(260, height);
    b.SetColorSB(DOrang);
    QImage canvas(260, height, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        canvas.fill(Qt::transparent);
        b.DrawButton(canvas, QRect(0, 0, 260, height), 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintButtonFace)->Arg(30)->Arg(45)->Arg(25)->Arg(38);

} // namespace
