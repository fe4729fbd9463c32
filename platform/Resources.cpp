#include "platform/Resources.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QResource>
#include <QtEndian>
#include <atomic>
#include <vector>

namespace platform::resources {

namespace {

// Lower-case base name (with ".type" when `typed`) -> resource path, for every file
// below `root`; the first of equal keys wins.
void addToIndex(QHash<QString, QString>& index, const QString& path, bool typed)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString file = path.mid(slash + 1);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? file : file.left(dot);
    const QString key = (typed ? base + QLatin1Char('.') + (dot < 0 ? QString() : file.mid(dot + 1)) : base).toLower();
    if (!index.contains(key))
        index.insert(key, path);
}

QHash<QString, QString> indexFolder(const QString& root, bool typed = false)
{
    QHash<QString, QString> index;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        addToIndex(index, it.next(), typed);
    return index;
}

// The built-in entries by the name list the build writes beside them; walking the
// tree instead opens every entry, which reads (and keeps resident) all of their data.
QHash<QString, QString> indexBuiltIn(bool typed)
{
    QFile list(QStringLiteral(":/res-names/names.txt"));
    if (!list.open(QIODevice::ReadOnly))
        return indexFolder(QStringLiteral(":/res"), typed);
    QHash<QString, QString> index;
    const QList<QByteArray> lines = list.readAll().split('\n');
    for (const QByteArray& line : lines)
        if (!line.trimmed().isEmpty())
            addToIndex(index, QStringLiteral(":/res/") + QString::fromUtf8(line.trimmed()), typed);
    return index;
}

const QHash<QString, QString>& builtInIndex()
{
    static const QHash<QString, QString> index = indexBuiltIn(false);
    return index;
}

QByteArray readAll(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QImage decode(const QByteArray& bytes)
{
    QImage img;
    if (!bytes.isEmpty())
        img.loadFromData(bytes);
    return img;
}

} // namespace

QString pathOf(const QString& name)
{
    return builtInIndex().value(name.toLower());
}

QByteArray find(const QString& name)
{
    return readAll(pathOf(name));
}

bool exists(const QString& name)
{
    return builtInIndex().contains(name.toLower());
}

QImage image(const QString& name)
{
    return decode(find(name));
}

QString pathOfType(const QString& name, const QString& type)
{
    static const QHash<QString, QString> index = indexBuiltIn(true);
    if (name.isEmpty() || type.isEmpty())
        return {};
    return index.value((name + QLatin1Char('.') + type).toLower());
}

QByteArray findOfType(const QString& name, const QString& type)
{
    return readAll(pathOfType(name, type));
}

QImage imageOfType(const QString& name, const QString& type)
{
    return decode(findOfType(name, type));
}

namespace {

// Big-endian reads within the bundle; false past its end.
struct BundleReader {
    const QByteArray& b;
    bool at(qint64 pos, qint64 len) const { return pos >= 0 && len >= 0 && pos <= b.size() - len; }
    quint32 u32(qint64 pos) const { return qFromBigEndian<quint32>(b.constData() + pos); }
    quint16 u16(qint64 pos) const { return qFromBigEndian<quint16>(b.constData() + pos); }
};

constexpr quint16 kCompressed = 0x01;
constexpr quint16 kDirectory = 0x02;
constexpr quint16 kCompressedZstd = 0x04;
// A compressed picture or sound of an add-on library is far below this when unpacked.
constexpr quint32 kMaxUnpacked = 64u * 1024u * 1024u;
constexpr int kMaxDepth = 64;

// The content size a zstd frame header states; ~0 when it states none or is no frame.
quint64 zstdContentSize(const QByteArray& frame)
{
    constexpr quint64 none = ~quint64(0);
    if (frame.size() < 5 || qFromLittleEndian<quint32>(frame.constData()) != 0xFD2FB528u)
        return none;
    const auto descriptor = static_cast<quint8>(frame[4]);
    const int sizeFlag = descriptor >> 6;
    const bool singleSegment = (descriptor & 0x20) != 0;
    const int dictionaryBytes[4] = {0, 1, 2, 4};
    const int fieldBytes[4] = {singleSegment ? 1 : 0, 2, 4, 8};
    const qsizetype at = 5 + (singleSegment ? 0 : 1) + dictionaryBytes[descriptor & 3];
    const int n = fieldBytes[sizeFlag];
    if (n == 0 || frame.size() < at + n)
        return none;
    quint64 value = 0;
    for (int i = n - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(frame[at + i]);
    return n == 2 ? value + 256 : value;
}

} // namespace

bool IsValidBundle(const QByteArray& bytes)
{
    const BundleReader r{bytes};
    if (!r.at(0, 20) || !bytes.startsWith("qres"))
        return false;
    const quint32 version = r.u32(4);
    if (version < 1 || version > 3)
        return false;
    const qint64 tree = r.u32(8), data = r.u32(12), names = r.u32(16);
    if (version >= 3 && !r.at(0, 24))
        return false;
    const qint64 nodeSize = version >= 2 ? 22 : 14;
    if (!r.at(tree, nodeSize))
        return false;
    const qint64 nodeCount = (bytes.size() - tree) / nodeSize;

    // A name that is empty, "." or "..", or holds a slash, would lead a walk over the
    // folders back up or in circles.
    auto nameOk = [&](qint64 offset) {
        const qint64 pos = names + offset;
        if (!r.at(pos, 6))
            return false;
        const qint64 length = r.u16(pos);
        if (length == 0 || !r.at(pos + 6, 2 * length))
            return false;
        QString name;
        for (qint64 i = 0; i < length; ++i) {
            const QChar c(r.u16(pos + 6 + 2 * i));
            if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.isNull())
                return false;
            name += c;
        }
        return name != QLatin1String(".") && name != QLatin1String("..");
    };
    auto fileOk = [&](qint64 node, quint16 flags) {
        if ((flags & kCompressedZstd) && version < 3)
            return false;
        const qint64 pos = data + r.u32(tree + node * nodeSize + 10);
        if (!r.at(pos, 4))
            return false;
        const qint64 len = r.u32(pos);
        if (!r.at(pos + 4, len))
            return false;
        // The reader allocates the unpacked size a block states: a zlib block starts with
        // it, a zstd frame holds it in its header.
        if (flags & kCompressed)
            return len >= 4 && r.u32(pos + 4) <= kMaxUnpacked;
        if (flags & kCompressedZstd)
            return zstdContentSize(bytes.mid(pos + 4, len)) <= kMaxUnpacked;
        return true;
    };

    // Every node reached once: a child range pointing back up would make every walk
    // over the tree endless.
    std::vector<bool> seen(static_cast<std::size_t>(nodeCount), false);
    std::vector<std::pair<qint64, int>> pending{{0, 0}};
    seen[0] = true;
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        const qint64 pos = tree + node * nodeSize;
        const quint16 flags = r.u16(pos + 4);
        if (node != 0 && !nameOk(r.u32(pos)))
            return false;
        if (!(flags & kDirectory)) {
            if (node == 0 || !fileOk(node, flags))
                return false;
            continue;
        }
        if (flags & (kCompressed | kCompressedZstd))
            return false;
        const qint64 count = r.u32(pos + 6), first = r.u32(pos + 10);
        if (depth >= kMaxDepth || first < 1 || count > nodeCount || first > nodeCount - count)
            return false;
        for (qint64 child = first; child < first + count; ++child) {
            if (seen[static_cast<std::size_t>(child)])
                return false;
            seen[static_cast<std::size_t>(child)] = true;
            pending.push_back({child, depth + 1});
        }
    }
    return true;
}

AddOnLibrary::AddOnLibrary(const QString& filePath)
{
    static std::atomic<int> counter{0};
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    bytes_ = file.readAll();
    if (!IsValidBundle(bytes_)) {
        bytes_.clear();
        return;
    }
    root_ = QStringLiteral("/addon%1").arg(++counter);
    open_ = QResource::registerResource(reinterpret_cast<const uchar*>(bytes_.constData()), root_);
}

AddOnLibrary::~AddOnLibrary()
{
    if (open_)
        QResource::unregisterResource(reinterpret_cast<const uchar*>(bytes_.constData()), root_);
}

QByteArray AddOnLibrary::find(const QString& name) const
{
    if (!open_)
        return {};
    if (!index_)
        index_ = std::make_unique<QHash<QString, QString>>(indexFolder(QLatin1Char(':') + root_));
    return readAll(index_->value(name.toLower()));
}

QImage AddOnLibrary::image(const QString& name) const
{
    return decode(find(name));
}

} // namespace platform::resources
