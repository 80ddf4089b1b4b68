#pragma once
// While a memo lives on a thread, pmIsFileExist there answers "no" without asking the kernel
// for a file whose folder was already found missing. After a card is pulled out, a check of
// 100,000 recordings then costs one look per folder rather than one per file. Keep one only
// for a short, synchronous pass: a folder that comes back meanwhile is not seen.

#include <string>
#include <string_view>
#include <unordered_set>

class MissingFolderMemo {
public:
    MissingFolderMemo();
    ~MissingFolderMemo();
    MissingFolderMemo(const MissingFolderMemo&) = delete;
    MissingFolderMemo& operator=(const MissingFolderMemo&) = delete;

    // The memo of the calling thread, or none.
    static MissingFolderMemo* current();
    // False when the file's folder is known to be missing; otherwise the folder is looked up
    // once and the file is still to be checked.
    bool folderMayHold(std::string_view filePath);

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> mMissing;
    std::unordered_set<std::string, Hash, std::equal_to<>> mPresent;
    MissingFolderMemo* mOuter;
};
