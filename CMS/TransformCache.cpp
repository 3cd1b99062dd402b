// The kept colour transforms (see TransformCache.h).
#include "TransformCache.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// What tells one state of a file from another. Missing: all zero but Exists.
struct TFileIdentity {
    bool Exists = false;
    std::int64_t Size = 0;
    std::int64_t ModifiedNs = 0;
    std::int64_t ChangedNs = 0;
    std::uint64_t Device = 0;
    std::uint64_t Node = 0;

    auto Tie() const { return std::tie(Exists, Size, ModifiedNs, ChangedNs, Device, Node); }
    bool operator==(const TFileIdentity& other) const { return Tie() == other.Tie(); }
};

// A file changed within this time may change again without its times
// showing it (file times advance in coarse ticks): its transform is not kept.
constexpr std::int64_t SettleNs = 1000000000;

std::int64_t NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool Settled(const TFileIdentity& identity)
{
    if (!identity.Exists)
        return true;
    const std::int64_t latest = std::max(identity.ModifiedNs, identity.ChangedNs);
    return NowNs() - latest > SettleNs;
}

TFileIdentity IdentityOf(const QString& path)
{
    TFileIdentity identity;
#ifdef Q_OS_UNIX
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.Exists = true;
    identity.Size = std::int64_t(info.st_size);
    identity.ModifiedNs = std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    identity.ChangedNs = std::int64_t(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    identity.Device = std::uint64_t(info.st_dev);
    identity.Node = std::uint64_t(info.st_ino);
#else
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return identity;
    identity.Exists = true;
    identity.Size = info.size();
    identity.ModifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
    identity.ChangedNs = info.metadataChangeTime().toMSecsSinceEpoch() * 1000000;
#endif
    return identity;
}

struct TKept {
    TFileIdentity Identity;
    TTransform Transform;  // empty when the file gave no usable transform
    bool Built = false;
};

using TKey = std::tuple<TTransformKind, QString, int>;

std::mutex Lock;
std::map<TKey, TKept>& Kept()
{
    static std::map<TKey, TKept> kept;
    return kept;
}

}  // namespace

void WithColorTransform(TTransformKind kind, const QString& profilePath, int intent,
                        const std::function<TTransform()>& build, const std::function<void(cmsHTRANSFORM)>& use)
{
    const TFileIdentity identity = IdentityOf(profilePath);
    const std::lock_guard<std::mutex> guard(Lock);
    if (!Settled(identity)) {
        // Just written: built for this conversion only.
        Kept().erase(TKey{kind, profilePath, intent});
        const TTransform transform = build();
        use(transform.get());
        return;
    }
    TKept& kept = Kept()[TKey{kind, profilePath, intent}];
    if (!kept.Built || !(kept.Identity == identity)) {
        kept.Transform.reset();  // the file changed: its old transform goes first
        kept.Transform = build();
        kept.Identity = identity;
        kept.Built = true;
    }
    use(kept.Transform.get());
}

void ReleaseColorTransforms()
{
    const std::lock_guard<std::mutex> guard(Lock);
    Kept().clear();
}

std::size_t ColorTransformCount()
{
    const std::lock_guard<std::mutex> guard(Lock);
    std::size_t count = 0;
    for (const auto& [key, kept] : Kept())
        count += kept.Transform != nullptr;
    return count;
}
