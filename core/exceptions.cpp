#include "core/exceptions.h"

#include <filesystem>
#include <ios>
#include <new>

namespace tarn {

std::string exceptionText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return "Memory Exception!";
  } catch (const std::length_error&) {
    return "Memory Exception!";
  } catch (const FileException&) {
    return "File Exception!";
  } catch (const std::ios_base::failure&) {
    return "File Exception!";
  } catch (const std::filesystem::filesystem_error&) {
    return "File Exception!";
  } catch (const UserException&) {
    return "User Exception!";
  } catch (const std::exception&) {
    return "Generic Exception!";
  } catch (...) {
    return "Program Exception!";
  }
}

}  // namespace tarn
