#include "text/file_bytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zm {

namespace {

constexpr int kTempNameAttempts = 100;

// A file descriptor closed when it goes out of scope unless closed before.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  bool Ok() const { return fd_ >= 0; }
  // Closing can report a late write error, so a writer must see its result.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;  // no progress and no reason given
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

ReplaceResult FromErrno(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return ReplaceResult::kNoFolder;
    case EACCES:
    case EPERM:
    case EROFS:
      return ReplaceResult::kFolderRefused;
    case ENOSPC:
    case EDQUOT:
      return ReplaceResult::kDiskFull;
    default:
      return ReplaceResult::kFailed;
  }
}

// A target without any write permission bit counts as read-only even for a user whom the
// system would let write it anyway (the superuser), as a read-only file does on other systems.
bool IsReadOnly(const std::string& path, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return ::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// Creates a new file beside the target; the name is unique because creation is exclusive.
int CreateBeside(const std::string& path, std::string& tempPath) {
  int fd = -1;
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
    fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) break;
  }
  return fd;
}

ReplaceResult WriteAndRename(Descriptor& file, const std::string& tempPath,
                             const std::string& path, std::string_view bytes) {
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) return FromErrno(errno);
  if (!file.Close()) return FromErrno(errno);
  if (::rename(tempPath.c_str(), path.c_str()) != 0) return FromErrno(errno);
  return ReplaceResult::kDone;
}

}  // namespace

ReadBytesResult ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.Ok())
    return (errno == ENOENT || errno == ENOTDIR) ? ReadBytesResult::kMissing
                                                 : ReadBytesResult::kUnreadable;
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return ReadBytesResult::kUnreadable;
  if (static_cast<std::size_t>(st.st_size) > kMaxFileBytes) return ReadBytesResult::kTooLarge;
  char buffer[8192];
  for (;;) {
    const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return ReadBytesResult::kUnreadable;
    if (n == 0) return ReadBytesResult::kDone;
    // The file may grow while it is read.
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxFileBytes)
      return ReadBytesResult::kTooLarge;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes) {
  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists && IsReadOnly(path, st)) return ReplaceResult::kReadOnly;

  std::string tempPath;
  Descriptor file(CreateBeside(path, tempPath));
  if (!file.Ok()) return FromErrno(errno);
  // A new file gets the usual permissions (0666 less the umask) from open; a replaced file keeps
  // its own. Failing to copy them is not worth refusing the save.
  if (exists) static_cast<void>(::fchmod(file.Get(), st.st_mode & 07777));

  const ReplaceResult result = WriteAndRename(file, tempPath, path, bytes);
  if (result != ReplaceResult::kDone) ::unlink(tempPath.c_str());
  return result;
}

}  // namespace zm
