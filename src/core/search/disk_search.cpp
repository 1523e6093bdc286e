// The folder walk of the disk search. Folders are opened relative to their
// parent's descriptor (openat), so the walk needs no current folder and
// every path is built once, only for the files that are rows.
#include "core/search/disk_search.h"

#include "core/album/album_head_read.h"
#include "core/search/search_match.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace pictra {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Kernel interfaces and other file systems without files of the user's.
bool isPseudoFileSystem(int fd)
{
    struct statfs fs {};
    if (fstatfs(fd, &fs) != 0)
        return false;
    constexpr std::array<unsigned long, 16> kPseudo = {
        PROC_SUPER_MAGIC, SYSFS_MAGIC,    DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC,
        DEBUGFS_MAGIC,    TRACEFS_MAGIC,  SECURITYFS_MAGIC,   PSTOREFS_MAGIC,     BPF_FS_MAGIC,
        SELINUX_MAGIC,    HUGETLBFS_MAGIC, BINFMTFS_MAGIC,    0x19800202 /* mqueue */,       0x62656570 /* configfs */,
        0x65735543 /* fusectl */};
    const auto type = static_cast<unsigned long>(fs.f_type);
    return std::find(kPseudo.begin(), kPseudo.end(), type) != kPseudo.end();
}

class Walk {
public:
    Walk(std::string_view pattern, const SearchWords& words, const DiskSearchCallbacks& callbacks)
        : m_pattern(pattern), m_words(words), m_callbacks(callbacks)
    {
    }

    // Lists the folder open as `fd` (taken over), whose path is m_folder.
    void folder(int fd, int depth)
    {
        DirHandle dir(fdopendir(fd));
        if (!dir) {
            close(fd);
            ++m_summary.unreadableFolders;
            return;
        }
        const int dirFd = dirfd(dir.get());
        while (const dirent* item = readdir(dir.get())) {
            if (m_callbacks.proceed && !m_callbacks.proceed(m_folder)) {
                m_summary.stopped = true;
                return;
            }
            const std::string_view name = item->d_name;
            if (name == "." || name == "..")
                continue;
            const unsigned char type = item->d_type != DT_UNKNOWN ? item->d_type : typeOf(dirFd, item->d_name);
            if (type == DT_DIR)
                subfolder(dirFd, item->d_name, depth + 1);
            else if (type != DT_LNK || !linksToFolder(dirFd, item->d_name))
                file(name);
            if (m_summary.stopped)
                return;
        }
    }

    void enterLocation(const std::string& location)
    {
        m_folder = location;
        if (m_folder.empty() || m_folder.back() != '/')
            m_folder += '/';
        const int fd = open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            ++m_summary.unreadableFolders;
            return;
        }
        if (isPseudoFileSystem(fd)) {
            close(fd);
            return;
        }
        folder(fd, 0);
    }

    const DiskSearchSummary& summary() const { return m_summary; }

private:
    static unsigned char typeOf(int dirFd, const char* name)
    {
        struct stat st {};
        if (fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return DT_UNKNOWN;
        return S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
    }

    static bool linksToFolder(int dirFd, const char* name)
    {
        struct stat st {};
        return fstatat(dirFd, name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    }

    void subfolder(int dirFd, const char* name, int depth)
    {
        if (depth > kMaxSearchDepth)
            return;
        const std::size_t parentLength = m_folder.size();
        m_folder.append(name);
        m_folder += '/';
        // /dev is a tmpfs-like devtmpfs that the magic numbers cannot tell apart.
        const bool skipped = m_folder == "/dev/";
        const int fd = skipped ? -1 : openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 && isPseudoFileSystem(fd))
            close(fd);
        else if (fd >= 0)
            folder(fd, depth);
        else if (!skipped)
            ++m_summary.unreadableFolders;
        m_folder.resize(parentLength);
    }

    void file(std::string_view name)
    {
        if (!diskFilePassesPattern(name, m_pattern))
            return;
        std::string path = m_folder;
        path.append(name);
        if (!isAlbumFileName(name)) {
            report(std::span<const std::string>(&path, 1));
            return;
        }
        const auto entries = readAlbumEntries(path);
        if (!entries) {
            ++m_summary.damagedAlbums;
            return;
        }
        std::vector<std::string> rows;
        for (const ImageEntry& entry : *entries) {
            if (entryMatchesWords(entry, m_words, DateWords::Ignored))
                rows.push_back(storedPathToUtf8(fieldText(entry.path)));
        }
        if (!rows.empty())
            report(rows);
    }

    void report(std::span<const std::string> rows)
    {
        m_summary.rows += static_cast<int>(rows.size());
        if (m_callbacks.found)
            m_callbacks.found(rows);
    }

    std::string_view m_pattern;
    const SearchWords& m_words;
    const DiskSearchCallbacks& m_callbacks;
    std::string m_folder;
    DiskSearchSummary m_summary;
};

} // namespace

bool diskSearchTakesWords(std::string_view pattern, DiskWords rule)
{
    return rule == DiskWords::EveryPattern || equalsIgnoreCase(pattern, kAlbumPattern);
}

DiskSearchSummary searchDisk(const std::string& location, std::string_view pattern, const SearchWords& words,
                             DiskWords rule, const DiskSearchCallbacks& callbacks)
{
    if (pattern.empty())
        return {};
    const SearchWords none;
    Walk walk(pattern, diskSearchTakesWords(pattern, rule) ? words : none, callbacks);
    walk.enterLocation(location);
    return walk.summary();
}

} // namespace pictra
