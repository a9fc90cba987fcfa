#pragma once

#include <cstdint>
#include <string>

namespace engine {

// Receives what happens while one file is converted. Calls come on the converting thread; an
// implementation that hands them to another thread must copy what it needs.
class ConversionObserver
{
public:
    virtual ~ConversionObserver() = default;

    // The file's progress goes from low (1) to high (the length of the text with CR LF line ends).
    virtual void progressRange(std::int64_t low, std::int64_t high) = 0;
    // The bytes of text laid out so far; at the end the position is high.
    virtual void progressPosition(std::int64_t position) = 0;
    // A problem the conversion worked around, such as a missing font.
    virtual void warning(const std::string& message) = 0;
};

} // namespace engine
