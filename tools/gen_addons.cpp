// Renders the add-on libraries and packs each into a binary resource bundle:
// "QyvCards07A.dll" (decks 1-31), "QyvCards07B.dll" (decks 32-39, back sets 1-12 and the
// backs for narrow faces), "QyvCards07C.dll" (decks 40-47) and "QyvBackG03.dll" (table
// backgrounds). The pictures are named exactly as the program's loaders ask for them.
//
//     gen_addons <work folder> <rcc> <output folder>
//
// Pictures are rendered on all cores, each once; borrowed number cards and aces are
// stored once under the lending deck's stem.
#include "foundation/CardPictures.h"
#include "tools/addons/AddonArt.h"
#include "tools/addons/AddonDecks.h"
#include "tools/common/Generator.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace addons;

constexpr int ClassicW = 69, ClassicH = 94;
constexpr int LargeH = 198, WideW = 146, NarrowW = 126;

struct Job {
    QString file; // relative to the work folder
    std::function<QImage()> render;
    bool jpeg = false;
};

struct Library {
    QString dll;
    QString folder;
    std::vector<Job> jobs;
    QSet<QString> names;

    void add(const QString& name, std::function<QImage()> render, bool jpeg = false)
    {
        if (name.isEmpty())
            throw tools::GenError(QStringLiteral("empty picture name in %1").arg(dll));
        if (names.contains(name))
            return; // a borrowed picture: stored once
        names.insert(name);
        jobs.push_back({folder + QLatin1Char('/') + name + (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png")),
                        std::move(render), jpeg});
    }
};

// The deck of the same library that owns `stem`.
int ownerOf(const QString& stem, const QString& library)
{
    for (int d = 1; d <= 47; ++d)
        if (CardPictures::FaceDeckStem(d) == stem && CardPictures::FaceLibraryOf(d) == library)
            return d;
    throw tools::GenError(QStringLiteral("no deck owns the stem %1 in %2").arg(stem, library));
}

// The small diamond of deck 26 stands on the grey $C3C3C3 that the loader turns
// transparent; drawn without smoothing so no edge pixel keeps a grey halo.
QImage epicSmallDiamond(const DeckStyle& s)
{
    QImage img(20, 20, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(0xC3, 0xC3, 0xC3));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawPolygon(QPolygonF{QPointF(10, 0), QPointF(18, 10), QPointF(10, 20), QPointF(2, 10)});
    p.setBrush(s.ink[1]);
    p.drawPolygon(QPolygonF{QPointF(10, 2), QPointF(16.5, 10), QPointF(10, 18), QPointF(3.5, 10)});
    return img;
}

void planFaces(std::map<QString, Library>& libs, const GlyphBank& bank, const std::vector<DeckStyle>& styles)
{
    for (int deck = 1; deck <= 47; ++deck) {
        const QString lib = CardPictures::FaceLibraryOf(deck);
        Library& L = libs.at(lib);
        const bool wide = CardPictures::IsWideDeck(deck);
        for (int index = 1; index <= 52; ++index) {
            const int rank = (index - 1) / 4, suit = (index - 1) % 4;
            int owner = deck;
            if (rank <= 8)
                owner = ownerOf(CardPictures::NumberCardStem(deck), lib);
            else if (rank == Ace)
                owner = ownerOf(CardPictures::AceStem(deck), lib);
            const DeckStyle* s = &styles[size_t(owner)];
            L.add(CardPictures::FaceResourceName(index, deck, false),
                  [s, &bank, rank, suit] { return renderFace(*s, bank, ClassicW, ClassicH, rank, suit); });
            L.add(CardPictures::FaceResourceName(index, deck, true), [s, &bank, rank, suit, wide] {
                return renderFace(*s, bank, wide ? WideW : NarrowW, LargeH, rank, suit);
            });
        }
        const DeckStyle* signs = &styles[size_t(ownerOf(CardPictures::SuitSignStem(deck), lib))];
        for (int sign = 1; sign <= 4; ++sign) {
            const bool epic = deck == 26 && sign == 2;
            L.add(CardPictures::SuitSignResourceName(sign, deck, false), [signs, sign, epic] {
                return epic ? epicSmallDiamond(*signs) : renderSign(*signs, 20, sign - 1);
            });
            L.add(CardPictures::SuitSignResourceName(sign, deck, true),
                  [signs, sign] { return renderSign(*signs, 40, sign - 1); });
        }
    }
}

void planBacks(Library& L, const GlyphBank& bank)
{
    for (int set = 0; set <= 12; ++set) {
        for (int i = 1; i <= CardPictures::BackCount(set); ++i) {
            if (set != 0) {
                L.add(CardPictures::BackResourceName(i, set, false, true),
                      [&bank, set, i] { return renderBack(bank, set, i, ClassicW, ClassicH); });
                L.add(CardPictures::BackResourceName(i, set, true, true),
                      [&bank, set, i] { return renderBack(bank, set, i, WideW, LargeH); });
            }
            // Narrow faces take narrow backs, the built-in set's included.
            L.add(CardPictures::BackResourceName(i, set, true, false),
                  [&bank, set, i] { return renderBack(bank, set, i, NarrowW, LargeH); });
        }
    }
}

void planBackgrounds(Library& L)
{
    for (int n = 1; n <= 10; ++n)
        for (int c = 0; c <= 6; ++c) {
            if (n == 2 && c == 0)
                continue; // built into the program
            L.add(CardPictures::BackgroundResourceName(n, c, 1), [n, c] { return renderBackground(n, c, 760, 500); }, true);
            L.add(CardPictures::BackgroundResourceName(n, c, 2), [n, c] { return renderBackground(n, c, 1920, 922); }, true);
        }
}

QByteArray encode(const QImage& img, bool jpeg)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    if (!img.save(&buf, jpeg ? "JPEG" : "PNG", jpeg ? 88 : -1))
        throw tools::GenError(QStringLiteral("cannot encode a picture"));
    return bytes;
}

void runAll(std::vector<Job*>& jobs)
{
    std::atomic<size_t> next{0};
    std::mutex failMutex;
    QString failure;
    auto worker = [&] {
        for (;;) {
            const size_t k = next.fetch_add(1);
            if (k >= jobs.size())
                return;
            try {
                const QImage img = jobs[k]->render();
                if (img.isNull())
                    throw tools::GenError(QStringLiteral("empty picture"));
                QFile f(tools::resourcesDir() + QLatin1Char('/') + jobs[k]->file);
                const QByteArray bytes = encode(img, jobs[k]->jpeg);
                if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                    throw tools::GenError(QStringLiteral("cannot write"));
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(failMutex);
                failure = jobs[k]->file + QStringLiteral(": ") + QString::fromUtf8(e.what());
                next = jobs.size();
                return;
            }
        }
    };
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < n; ++t)
        threads.emplace_back(worker);
    for (auto& t : threads)
        t.join();
    if (!failure.isEmpty())
        throw tools::GenError(failure);
}

void pack(const Library& L, const QString& rcc, const QString& outDir)
{
    QString qrc = QStringLiteral("<RCC>\n<qresource prefix=\"/\">\n");
    for (const Job& j : L.jobs)
        qrc += QStringLiteral("<file>%1</file>\n").arg(j.file);
    qrc += QStringLiteral("</qresource>\n</RCC>\n");
    const QString qrcName = L.folder + QStringLiteral(".qrc");
    tools::saveBytes(qrc.toUtf8(), qrcName);
    const QString target = QDir(outDir).filePath(L.dll);
    const QString temp = target + QStringLiteral(".part");
    QProcess p;
    p.setWorkingDirectory(tools::resourcesDir());
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(rcc, {QStringLiteral("-binary"), QStringLiteral("-no-compress"), qrcName, QStringLiteral("-o"), temp});
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw tools::GenError(QStringLiteral("rcc failed for %1").arg(L.dll));
    QFile::remove(target);
    if (!QFile::rename(temp, target))
        throw tools::GenError(QStringLiteral("cannot place %1").arg(target));
}

void generate(const QString& rcc, const QString& outDir)
{
    std::vector<DeckStyle> styles(48);
    GlyphBank bank;
    for (int d = 1; d <= 47; ++d) {
        styles[size_t(d)] = deckStyle(d);
        addGlyphs(bank, styles[size_t(d)]);
    }
    addBackGlyphs(bank);

    std::map<QString, Library> libs;
    const QString names[4] = {CardPictures::LibraryA, CardPictures::LibraryB, CardPictures::LibraryC,
                              CardPictures::LibraryBackgrounds};
    const QString folders[4] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("G")};
    for (int k = 0; k < 4; ++k) {
        libs[names[k]] = Library{names[k], folders[k], {}, {}};
        QDir(tools::resourcesDir()).mkpath(folders[k]);
    }
    planFaces(libs, bank, styles);
    planBacks(libs.at(CardPictures::LibraryB), bank);
    planBackgrounds(libs.at(CardPictures::LibraryBackgrounds));

    std::vector<Job*> all;
    for (auto& [name, lib] : libs)
        for (Job& j : lib.jobs)
            all.push_back(&j);
    // The big backgrounds first, so no core waits for one at the end.
    std::stable_sort(all.begin(), all.end(), [](const Job* a, const Job* b) { return a->jpeg > b->jpeg; });
    runAll(all);

    QDir().mkpath(outDir);
    for (auto& [name, lib] : libs) {
        pack(lib, rcc, outDir);
        std::printf("%s: %d pictures\n", qPrintable(name), int(lib.jobs.size()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [argc, argv] {
        if (argc < 4)
            throw tools::GenError(QStringLiteral("usage: gen_addons <work folder> <rcc> <output folder>"));
        generate(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    });
}
