// One output file of a run. A regular file, or a name that no file has yet, is written to a
// temporary file beside it and put in its place only when the run is over, so that the file
// of that name is either wholly old or wholly new: a run that fails to open another output,
// or is killed, leaves it as it was (a killed run leaves at most the temporary file). Anything
// else that opens for writing (a FIFO, a device) is written directly, as a reader on the other
// end expects.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace frame2d {

class csOutputFile {
 public:
  csOutputFile() = default;
  csOutputFile(const csOutputFile&) = delete;
  csOutputFile& operator=(const csOutputFile&) = delete;
  // A temporary file not put in place is removed.
  ~csOutputFile();

  // Opens the file for output; a file that cannot be opened is thrown as a text string naming
  // it. The temporary file is named "." + the file's name + "." + six letters or digits, in
  // the file's folder.
  void Open(const std::string& name);
  // The name given to Open; empty until the file is open.
  const std::string& Name() const { return name_; }
  std::ofstream& Stream() { return stream_; }

  // Flushes and closes the file and puts a temporary file in its place. Returns an empty text,
  // or the failure naming the file when not everything reached it or it could not be put in
  // place; the file of that name is then left as it was, unless it is written directly.
  std::string Commit();

 private:
  void OpenTemporary();
  void Discard();

  std::ofstream stream_;
  std::string name_;
  std::filesystem::path target_;     // the file the temporary file replaces
  std::filesystem::path temporary_;  // empty when the file is written directly
};

// The text thrown or returned for a file: what went wrong, then the file's name.
std::string FileMessage(const std::string& what, const std::string& name);

}  // namespace frame2d
