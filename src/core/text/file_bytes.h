#pragma once
// Whole files at the boundary: read all bytes of a file, and replace a file's contents without
// ever leaving it half written.

#include <cstddef>
#include <string>
#include <string_view>

namespace zm {

enum class ReadBytesResult { kDone, kMissing, kUnreadable, kTooLarge };

// Larger than any construction file can be; a bigger file is not read into memory at all.
inline constexpr std::size_t kMaxFileBytes = 16u << 20;

ReadBytesResult ReadFileBytes(const std::string& path, std::string& bytes);

enum class ReplaceResult {
  kDone,
  kReadOnly,       // the target exists and may not be written
  kNoFolder,       // the folder of the target does not exist
  kFolderRefused,  // the folder may not be written
  kDiskFull,
  kFailed,         // any other error
};

// Writes the bytes to a new file beside the target and renames it over the target, so that the
// previous file stays whole until the new one is complete. On failure the new file is removed
// and the target is as it was. An existing target keeps its permission bits.
ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace zm
