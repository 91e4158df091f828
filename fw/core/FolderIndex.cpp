#include "fw/core/FolderIndex.h"

#include "fw/core/Text1252.h"

#include <cerrno>
#include <list>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <unordered_map>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {

// The name as it is matched, or nothing for a name not writable in Windows-1252.
std::optional<std::string> Folded(const std::string& native)
{
    bool replaced = false;
    const std::string cp1252 = Utf8ToCp1252(native, &replaced);
    if (replaced)
        return std::nullopt;
    return Upper1252(cp1252);
}

std::optional<fs::path> ListAndFind(const fs::path& folder, std::string_view name)
{
    const std::string key = Upper1252(name);
    std::optional<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        fs::path candidate = it->path().filename();
        if (Folded(candidate.native()) == key && (!found || candidate.native() < found->native()))
            found = std::move(candidate);
    }
    return found;
}

// File systems where every change to a folder passes through this machine's kernel, so that
// notification sees it.
bool NotifiesEveryChange(const fs::path& folder)
{
    struct statfs fsInfo {};
    if (::statfs(folder.c_str(), &fsInfo) != 0)
        return false;
    switch (static_cast<unsigned long>(fsInfo.f_type)) {
    case EXT4_SUPER_MAGIC:   // also ext2 and ext3
    case TMPFS_MAGIC:
    case RAMFS_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
    case OVERLAYFS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

struct FolderId {
    dev_t dev;
    ino_t ino;
    auto operator<=>(const FolderId&) const = default;
};

class Indexes {
public:
    std::optional<std::optional<fs::path>> Find(const fs::path& folder, const FolderId& id, std::string_view name)
    {
        std::lock_guard lock(mutex_);
        if (!Ready())
            return std::nullopt;
        Drain();
        auto it = folders_.find(id);
        if (it == folders_.end() && !(it = Build(folder, id), it != folders_.end()))
            return std::nullopt;
        recent_.splice(recent_.begin(), recent_, it->second.recent);
        const auto names = it->second.names.find(Upper1252(name));
        if (names == it->second.names.end() || names->second.empty())
            return std::optional<fs::path>();
        return std::optional<fs::path>(*names->second.begin());
    }

private:
    struct Folder {
        int watch = -1;
        // Names by their upper-case Windows-1252 form, each set in byte order.
        std::unordered_map<std::string, std::set<std::string>> names;
        std::list<FolderId>::iterator recent;

        void Add(const std::string& native)
        {
            if (const std::optional<std::string> key = Folded(native))
                names[*key].insert(native);
        }
        void Remove(const std::string& native)
        {
            const std::optional<std::string> key = Folded(native);
            auto it = key ? names.find(*key) : names.end();
            if (it != names.end() && it->second.erase(native) && it->second.empty())
                names.erase(it);
        }
    };
    using Folders = std::map<FolderId, Folder>;

    bool Ready()
    {
        if (fd_ < 0 && !failed_) {
            fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
            failed_ = fd_ < 0;
        }
        return fd_ >= 0;
    }

    Folders::iterator Build(const fs::path& folder, const FolderId& id)
    {
        if (!NotifiesEveryChange(folder))
            return folders_.end();
        if (folders_.size() >= FolderIndex::kMaxFolders)
            Drop(folders_.find(recent_.back()));
        const int watch = ::inotify_add_watch(fd_, folder.c_str(),
                                              IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                                  IN_UNMOUNT | IN_ONLYDIR);
        struct stat st {};
        if (watch < 0)
            return folders_.end();
        // The watch must be on the folder that was asked about, not on one put in its place since.
        if (byWatch_.contains(watch) || ::stat(folder.c_str(), &st) != 0 || FolderId{st.st_dev, st.st_ino} != id) {
            if (!byWatch_.contains(watch))
                ::inotify_rm_watch(fd_, watch);
            return folders_.end();
        }
        Folder index;
        index.watch = watch;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            index.Add(it->path().filename().native());
        if (ec) {
            ::inotify_rm_watch(fd_, watch);
            return folders_.end();
        }
        recent_.push_front(id);
        index.recent = recent_.begin();
        byWatch_[watch] = id;
        return folders_.emplace(id, std::move(index)).first;
    }

    void Drop(Folders::iterator it)
    {
        if (it == folders_.end())
            return;
        ::inotify_rm_watch(fd_, it->second.watch);
        byWatch_.erase(it->second.watch);
        recent_.erase(it->second.recent);
        folders_.erase(it);
    }

    void DropAll()
    {
        while (!folders_.empty())
            Drop(folders_.begin());
    }

    // Applies every change told since the last lookup.
    void Drain()
    {
        alignas(inotify_event) char buffer[64 * 1024];
        for (;;) {
            const ssize_t length = ::read(fd_, buffer, sizeof buffer);
            if (length <= 0)
                return;
            for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                Apply(*event);
            }
        }
    }

    void Apply(const inotify_event& event)
    {
        if (event.mask & IN_Q_OVERFLOW) {
            DropAll();
            return;
        }
        const auto watched = byWatch_.find(event.wd);
        if (watched == byWatch_.end())
            return;
        const Folders::iterator folder = folders_.find(watched->second);
        if (event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_UNMOUNT)) {
            Drop(folder);
            return;
        }
        if (event.len == 0)
            return;
        const std::string name(event.name);
        if (event.mask & (IN_CREATE | IN_MOVED_TO))
            folder->second.Add(name);
        else if (event.mask & (IN_DELETE | IN_MOVED_FROM))
            folder->second.Remove(name);
    }

    std::mutex mutex_;
    int fd_ = -1;
    bool failed_ = false;
    Folders folders_;
    std::unordered_map<int, FolderId> byWatch_;
    std::list<FolderId> recent_;   // most recently used first
};

Indexes& TheIndexes()
{
    static Indexes indexes;
    return indexes;
}

} // namespace

std::optional<fs::path> FolderIndex::FindIgnoringCase(const fs::path& folder, std::string_view name)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    if (const std::optional<std::optional<fs::path>> found = TheIndexes().Find(folder, {st.st_dev, st.st_ino}, name))
        return *found;
    return ListAndFind(folder, name);
}

} // namespace fw
