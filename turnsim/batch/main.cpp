// turnsim-batch: runs one job headless in the current working directory.
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

#include "turnsim/batch/batch_run.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return turnsim::RunBatch(args, stdout, stderr, isatty(fileno(stderr)) != 0);
}
