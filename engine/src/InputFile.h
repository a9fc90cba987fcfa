#pragma once

#include "platform/TextFile.h"

#include <string>

namespace engine {

// The whole file as it lies on disk, before any text-mode rule: the encoding of the text must be
// told from the raw bytes, since the NUL bytes of UTF-16 would end the text in text mode.
// The result's text holds the bytes.
platform::TextReadResult ReadFileBytes(const std::string& path);

} // namespace engine
