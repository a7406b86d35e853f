#pragma once
// Errors that end the current handler and reach the application's error
// display, as the platform's own errors do (conversion, registry, resource
// and file-creation errors).
#include <functional>
#include <stdexcept>
#include <string>

#include "Ports.h"

namespace setup {

class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(std::u16string text);
  const std::u16string& Text() const { return text_; }

 private:
  std::u16string text_;
};

// Runs a handler; an error escaping it is shown by the error display, as the
// application does for every event handler.
void RunHandler(Ports& ports, const std::function<void()>& handler);

// The text an error shows.
std::u16string ErrorText(plat::CodePage& cp, const std::exception& e);

}  // namespace setup
