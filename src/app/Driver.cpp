#include "app/Driver.h"

#include <iostream>

namespace frame2d {

int RunDriver(int, char**) {
  std::cout << "\nThe analysis has been succeeded." << std::endl;
  return 0;
}

}  // namespace frame2d
