// The line buffer (the last text cut or copied, program-wide) as the undo
// log sees it: its contents are taken out whole and put back whole, and
// kept meanwhile without being looked into.
#pragma once
#include <cstddef>
#include <memory>

namespace tarn {

// Everything the line buffer held: its text and its kind. Owns its data,
// so that it outlives the buffer and the documents alike.
class ExchangedContents {
 public:
  virtual ~ExchangedContents() = default;
  // Bytes held, counted against the memory one undo step may keep.
  virtual size_t size() const = 0;
};

class ExchangeableBuffer {
 public:
  virtual ~ExchangeableBuffer() = default;
  // Puts contents into the buffer and gives back what it held. An exchange
  // is no replacement: it records nothing in any undo log.
  virtual std::unique_ptr<ExchangedContents> exchange(std::unique_ptr<ExchangedContents> contents) = 0;
};

}  // namespace tarn
