// Process entry: the driver does the whole run and returns the exit code.
#include "app/Driver.h"

int main(int argc, char** argv) {
  return frame2d::RunDriver(argc, argv);
}
