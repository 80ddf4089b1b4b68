#include "util/MountInfo.h"

#include "util/FileQueries.h"

namespace {

// Undoes the kernel's octal escapes: "\ooo" stands for one byte.
std::string unescape(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && field.size() - i >= 4) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// Splits a line at spaces into parts (reused from line to line).
void splitFields(std::string_view line, std::vector<std::string_view>& parts)
{
    parts.clear();
    size_t start = 0;
    while (start < line.size()) {
        size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > start)
            parts.push_back(line.substr(start, end - start));
        start = end + 1;
    }
}

std::string_view withoutTrailingSlash(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    return path;
}

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text)
{
    // id parent major:minor root mount-point options [optional fields...] - type source super-options
    std::vector<MountEntry> mounts;
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        splitFields(text.substr(start, end - start), parts);
        start = end + 1;
        size_t dash = 6;
        while (dash < parts.size() && parts[dash] != "-")
            ++dash;
        if (parts.size() < 5 || dash + 1 >= parts.size())
            continue;
        const std::string_view source = dash + 2 < parts.size() ? parts[dash + 2] : std::string_view();
        mounts.push_back({unescape(parts[4]), unescape(parts[dash + 1]), unescape(source)});
    }
    return mounts;
}

std::vector<std::string> volumesUnder(const std::vector<MountEntry>& mounts, const std::vector<std::string>& roots)
{
    std::vector<std::string> volumes;
    for (const MountEntry& mount : mounts) {
        for (const std::string& root : roots) {
            const std::string_view folder = withoutTrailingSlash(root);
            if (!folder.empty() && mount.mountPoint != folder && pmIsAtOrBelow(mount.mountPoint, folder)) {
                volumes.push_back(mount.mountPoint);
                break;
            }
        }
    }
    return volumes;
}

std::string mountPointOf(const std::vector<MountEntry>& mounts, std::string_view path)
{
    std::string best;
    for (const MountEntry& mount : mounts) {
        if (pmIsAtOrBelow(path, mount.mountPoint) && mount.mountPoint.size() > best.size())
            best = mount.mountPoint;
    }
    return best;
}
