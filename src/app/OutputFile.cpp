#include "app/OutputFile.h"

#include <cerrno>
#include <cstdio>
#include <random>

namespace frame2d {

namespace fs = std::filesystem;

namespace {

const char* const kCannotOpen = "The specified file can't been open.";
const char* const kCannotWrite = "The output file can't be written.";

// Six letters or digits, different from run to run and from call to call.
std::string UniqueSuffix() {
  static const char kDigits[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kDigits - 2);
  std::string suffix(6, ' ');
  for (char& c : suffix) c = kDigits[pick(generator)];
  return suffix;
}

// Creates the file only when no file of that name exists, so that two runs writing beside one
// another never share a temporary file.
bool CreateNew(const fs::path& path, bool& taken) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "wx");
  taken = file == nullptr && errno == EEXIST;
  if (file == nullptr) return false;
  return std::fclose(file) == 0;
}

std::string WriteFailure(const std::string& name) {
  return kCannotWrite + std::string("\nFileName : ") + name;
}

}  // namespace

std::string FileMessage(const std::string& what, const std::string& name) {
  return what + "\n" + "FileName : " + name + "\n";
}

csOutputFile::~csOutputFile() {
  Discard();
}

// A directory is no file to write; a name whose file is neither a regular file nor missing
// (a FIFO, a device) is opened directly.
void csOutputFile::Open(const std::string& name) {
  std::error_code error;
  const fs::file_status status = fs::status(name, error);
  if (name.empty() || fs::is_directory(status)) throw FileMessage(kCannotOpen, name);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    stream_.open(name);
    if (!stream_.is_open()) throw FileMessage(kCannotOpen, name);
    name_ = name;
    return;
  }
  // A file that may not be written is not replaced either. Opened for appending, it is left
  // as it is.
  if (fs::exists(status) && !std::ofstream(name, std::ios::app).is_open()) {
    throw FileMessage(kCannotOpen, name);
  }
  // A link is followed, so that the file it names is replaced and the link stays.
  target_ = fs::is_symlink(fs::symlink_status(name, error)) ? fs::weakly_canonical(name, error)
                                                            : fs::path(name);
  if (error) target_ = name;
  OpenTemporary();
  if (!stream_.is_open()) throw FileMessage(kCannotOpen, name);
  // The file put in place keeps the permissions of the file it replaces.
  if (fs::exists(status)) fs::permissions(temporary_, status.permissions(), error);
  name_ = name;
}

void csOutputFile::OpenTemporary() {
  const fs::path folder = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  const std::string prefix = "." + target_.filename().string() + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = folder / (prefix + UniqueSuffix());
    bool taken = false;
    if (CreateNew(candidate, taken)) {
      temporary_ = candidate;
      stream_.open(candidate);
      return;
    }
    if (!taken) return;
  }
}

std::string csOutputFile::Commit() {
  if (!stream_.is_open()) return "";
  stream_.flush();
  const bool written = stream_.good();
  stream_.close();
  if (!written || stream_.fail()) {
    Discard();
    return WriteFailure(name_);
  }
  if (temporary_.empty()) return "";
  std::error_code error;
  fs::rename(temporary_, target_, error);
  if (error) {
    Discard();
    return WriteFailure(name_);
  }
  temporary_.clear();
  return "";
}

void csOutputFile::Discard() {
  if (temporary_.empty()) return;
  if (stream_.is_open()) stream_.close();
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  temporary_.clear();
}

}  // namespace frame2d
