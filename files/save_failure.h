// How the file layer says a save or an append did not take place. Nothing on
// success; on failure the file at the name is as it was.
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace files {

struct SaveFailure {
    enum class Kind {
        Refused,         // the system refused, or no regular file stands at the name
        FolderRefused,   // the folder is not the user's alone
        StoppedPartWay,  // the content could not be written whole
        NoFileToAppend,  // an append found no file fit to take it; nothing was written
    };
    Kind kind = Kind::Refused;
    // Plain English: the system's reason ("No such file or directory", "Not a
    // regular file"); for FolderRefused the end of a sentence ("it belongs to
    // another user"); for StoppedPartWay empty when the content's writer stopped
    // rather than the disk; for NoFileToAppend empty.
    std::string reason;

    bool operator==(const SaveFailure&) const = default;
};

using SaveResult = std::optional<SaveFailure>;

// For test messages.
inline std::ostream& operator<<(std::ostream& out, const SaveFailure& failure) {
    return out << "SaveFailure(" << static_cast<int>(failure.kind) << ", \"" << failure.reason << "\")";
}

}  // namespace files
