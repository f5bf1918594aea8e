#include "files/times_file_at.h"

#include "files/file_bytes.h"

namespace files {

engine::ReadOutcome ReadTimesFileAt(const std::string& path, engine::TimesFileData& out) {
    out = engine::TimesFileData{};
    const FileBytes file = ReadFileBytes(path, engine::TimesFileByteLimit);
    if (file.status == FileRead::CannotOpen) return engine::ReadOutcome::Missing;
    if (file.status == FileRead::TooLong) return engine::ReadOutcome::Damaged;
    return engine::ReadTimesFile(file.bytes, out);
}

}  // namespace files
