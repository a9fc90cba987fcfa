#pragma once

#include "base/Result.h"

#include <hpdf.h>

#include <functional>
#include <string>
#include <string_view>

namespace engine {

// Saves a libharu document through a function instead of into the library's memory stream, which
// would hold the whole PDF once more until it is read out. The library writes a few bytes at a time;
// they are handed on in pieces of up to 64 KB. The first failure of the function ends the save.
class StreamedSave
{
public:
    using Sink = std::function<base::Result<>(std::string_view piece)>;

    explicit StreamedSave(Sink sink);

    // The library's status of the save: not HPDF_OK when it refused or the sink failed.
    HPDF_STATUS run(HPDF_Doc doc);
    // The sink's first failure, if any.
    const base::Result<>& sinkOutcome() const { return m_outcome; }

private:
    static HPDF_STATUS take(HPDF_Stream stream, const HPDF_BYTE* bytes, HPDF_UINT size);
    bool flush();

    Sink m_sink;
    std::string m_piece;
    base::Result<> m_outcome;
};

} // namespace engine
