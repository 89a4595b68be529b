// Exceptions an operation may end with, and the texts that report them.
#pragma once
#include <exception>
#include <stdexcept>
#include <string>

namespace tarn {

struct FileException : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct UserException : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "Memory Exception!", "File Exception!", "User Exception!", "Generic
// Exception!" or "Program Exception!" for the exception in flight.
std::string exceptionText(std::exception_ptr error);

}  // namespace tarn
