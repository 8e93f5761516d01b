#pragma once

// ebo-cli: lock and unlock files from a terminal, with the windowed
// program's key rules, messages and file format.

namespace ebo {

// Runs the command line on standard input, output and error; returns the
// exit status: 0 success, 1 some file failed, 2 usage error.
int RunEboCli(int argc, char* argv[]);

}  // namespace ebo
