#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_sink.h"
#include "files/save_failure.h"

namespace files {

// What a symbolic link standing at the path means: the user's own link to the
// file to replace, or a name in a folder others may plant links in, whose link
// is replaced itself and never written through. Follow follows only a link the
// user owns; a link another user planted is replaced as with ReplaceLink.
enum class LinkAtPath { Follow, ReplaceLink };

// Which folder may take the save: any the path leads to, or only a real folder
// of the user's that no one else can write into. The rule is applied to the
// folder the writer holds, so a folder someone remade under the name since it
// was last judged is refused. Its last component is looked at without
// following a link other than the user's own.
enum class FolderRule { Any, UsersAlone };

// Writes a text file so that the old one survives any failure: the lines go to a
// temporary file in the same folder, which replaces the file in one rename on
// commit. Only a regular file is ever replaced: a FIFO or device at the path is
// refused.
//
// One look at the name decides where the save goes, and the folder is held
// from then on: nothing there or a regular file, and the rename replaces
// whatever stands at the name by then (a rename never follows a link); a link to
// be replaced, and the link itself goes; the user's own link to follow, and the
// name it held in that look is decided the same way. Temporary files that killed
// saves of the same target left behind are removed on the way.
class AtomicTextFile : public engine::LineSink {
public:
    AtomicTextFile() = default;
    ~AtomicTextFile() override;  // aborts when not committed
    AtomicTextFile(const AtomicTextFile&) = delete;
    AtomicTextFile& operator=(const AtomicTextFile&) = delete;

    // Creates the temporary file beside path (beside the linked file when
    // following). A folder the rule refuses gives a FolderRefused failure.
    SaveResult open(const std::string& path, LinkAtPath links = LinkAtPath::Follow,
                    FolderRule folders = FolderRule::Any);
    // Appends line + CR LF; false once anything failed.
    bool writeLine(std::string_view line) override;
    // Flushes, closes and renames the temporary file over path.
    SaveResult commit();
    // Removes the temporary file; path is left as it was.
    void abort();
    // The system's reason a write failed; empty while none has.
    std::string writeFailure() const;

private:
    bool flushBuffer();
    void closeFolder();

    int fd_ = -1;
    int folderFd_ = -1;  // the target's folder, as found by the look
    std::string name_;   // the target's name in it
    std::string tempName_;
    std::string buffer_;
    int failedErrno_ = 0;
};

// Writes the content into the sink it is given; false when a line could not be
// written (the save then stops).
using ContentWriter = std::function<bool(engine::LineSink& file)>;

// The one way the programs save a file: the content, each line ended by CR LF,
// as the new content of path, written as above. A content writer that stops
// gives StoppedPartWay, and the old file stays.
SaveResult SaveTextFile(const std::string& path, const ContentWriter& write, LinkAtPath links = LinkAtPath::Follow,
                        FolderRule folders = FolderRule::Any);
SaveResult SaveTextFile(const std::string& path, const std::vector<std::string>& lines,
                        LinkAtPath links = LinkAtPath::Follow, FolderRule folders = FolderRule::Any);

}  // namespace files
