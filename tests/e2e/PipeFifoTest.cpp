// The pipe stream read from a FIFO while the program writes it: whenever the program waits, the
// reader holds whole items only, so every item is readable as soon as it is complete.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>
#include <thread>

#include "app/ScratchDirectory.h"

namespace {

using frame2d::testing::ScratchDirectory;

// A continuous beam of 300 spans: its text report is several times larger than a FIFO holds.
std::string LongBeam() {
  std::string model = "&&MainProp;\n&&Node;\n";
  for (int k = 0; k <= 300; ++k) {
    model += "id=N" + std::to_string(k) + " x=" + std::to_string(k * 5000) + " y=0 spty=1" +
             (k == 0 ? " sptx=1" : "") + ";\n";
  }
  model += "&&Element;\n";
  for (int k = 0; k < 300; ++k) {
    model += "id=B" + std::to_string(k) + " nodei=N" + std::to_string(k) + " nodej=N" +
             std::to_string(k + 1) + " a=1e4 e=2.05e5 i=2e8;\n";
  }
  model += "&&EdgeLoadFixCaseDistributedLoad;\n";
  for (int k = 0; k < 300; ++k)
    model += "id=B" + std::to_string(k) + " iy=-10 jy=-10 posi=0 posj=0;\n";
  return model + "&&End;\n";
}

// Whether text is a sequence of whole items: a tag line ("&&..."), then for a title its level,
// and its counted strings ("#LineNum" n and n lines) and counted rows ("#RowNum", "#ColNum").
bool WholeItems(const std::string& text, int& items) {
  std::size_t pos = 0;
  const auto line = [&](std::string& out) {
    const std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) return false;
    out = text.substr(pos, end - pos);
    pos = end + 1;
    return true;
  };
  const auto counted = [&] {
    std::string tag, count, skipped;
    if (!line(tag) || tag != "#LineNum" || !line(count)) return false;
    for (int n = std::stoi(count); n > 0; --n) {
      if (!line(skipped)) return false;
    }
    return true;
  };
  items = 0;
  std::string tag, value;
  while (pos < text.size()) {
    if (!line(tag)) return false;
    bool whole = true;
    if (tag == "&&Title") {
      whole = line(value) && line(value) && counted();
    } else if (tag == "&&MainTitle" || tag == "&&Sentence") {
      whole = counted();
    } else if (tag == "&&Pair") {
      whole = counted() && counted();
    } else if (tag == "&&Table") {
      for (int block = 0; block < 2 && whole; ++block) {
        whole = line(value) && value == "#RowNum" && line(value);
        for (int rows = whole ? std::stoi(value) : 0; rows > 0 && whole; --rows) {
          whole = line(value) && value == "#ColNum" && line(value);
          for (int cells = whole ? std::stoi(value) : 0; cells > 0 && whole; --cells)
            whole = counted();
        }
      }
    } else if (tag != "&&End") {
      return false;
    }
    if (!whole) return false;
    ++items;
  }
  return true;
}

// The process is asleep (waiting on a full FIFO).
bool Sleeping(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string field;
  for (int i = 0; i < 3 && stat >> field; ++i) {
  }
  return field == "S";
}

// The process is asleep in write() or writev() on the given FIFO (and so on no other file): its
// open file of the number the write names is that FIFO.
bool WritingTo(pid_t pid, const std::string& fifo) {
  const std::string proc = "/proc/" + std::to_string(pid);
  std::ifstream syscall(proc + "/syscall");
  long number = -1;
  std::string fd;
  // write and writev on x86-64
  if (!(syscall >> number >> fd) || (number != 1 && number != 20)) return false;
  const std::string link = proc + "/fd/" + std::to_string(std::stol(fd, nullptr, 16));
  struct stat opened;
  struct stat named;
  return stat(link.c_str(), &opened) == 0 && stat(fifo.c_str(), &named) == 0 &&
         opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

int Queued(int fd) {
  int bytes = 0;
  return ioctl(fd, FIONREAD, &bytes) == 0 ? bytes : 0;
}

// Reads what the FIFO holds now; false at its end.
bool Drain(int fd, std::string& into) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
      into.append(buffer, static_cast<std::size_t>(n));
    } else {
      return n < 0 && errno == EAGAIN;
    }
  }
}

TEST(PipeFifo, EveryItemIsWholeWhenTheProgramWaits) {
  ScratchDirectory dir;
  dir.Write("in.txt", LongBeam());
  ASSERT_EQ(mkfifo(dir.Path("text").c_str(), 0600), 0);
  ASSERT_EQ(mkfifo(dir.Path("pipe").c_str(), 0600), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir.Path().c_str()) != 0 || !freopen("/dev/null", "w", stdout)) _exit(126);
    execl(FRAME2D_EXE, FRAME2D_EXE, "-i", "in.txt", "-o", "text", "-p", "pipe", "-d", "o.dxf",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  const int text = open(dir.Path("text").c_str(), O_RDONLY | O_NONBLOCK);
  const int pipe = open(dir.Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(text, 0);
  ASSERT_GE(pipe, 0);
  std::string stream, report;
  int checks = 0, items = 0, status = 0;
  bool exited = false;
  char chunk[4096];
  for (;;) {
    const bool pipeOpen = Drain(pipe, stream);
    // Asleep in a write to the text report's FIFO, with much of the report unread, and still so
    // a moment later with nothing more written, the program has ended its last pipe item. (A
    // program asleep on the pipe's own full FIFO may be in the middle of an item.)
    if (!exited && Queued(text) > 32768 && Sleeping(pid)) {
      const int queued = Queued(text);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      if (Sleeping(pid) && WritingTo(pid, dir.Path("text")) && Queued(text) == queued &&
          Drain(pipe, stream)) {
        EXPECT_TRUE(WholeItems(stream, items)) << stream.substr(stream.size() - 200);
        ++checks;
      }
    }
    const ssize_t n = read(text, chunk, sizeof chunk);  // the report is read slowly
    if (n > 0) report.append(chunk, static_cast<std::size_t>(n));
    if (exited && !pipeOpen && n == 0) break;
    if (!exited) exited = waitpid(pid, &status, WNOHANG) == pid;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  close(text);
  close(pipe);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_GE(checks, 1);
  EXPECT_TRUE(WholeItems(stream, items));
  EXPECT_GT(items, 20);
}

}  // namespace
