#pragma once

#include "base/Result.h"

#include <iosfwd>
#include <string>

namespace cli {

// A PDF meant for standard output is first made as a file like any other, in a temporary folder of its
// own ($TMPDIR or /tmp); its bytes then go out, and the folder goes with this object.
class StandardOutputPdf
{
public:
    StandardOutputPdf() = default;
    ~StandardOutputPdf();
    StandardOutputPdf(const StandardOutputPdf&) = delete;
    StandardOutputPdf& operator=(const StandardOutputPdf&) = delete;

    // Makes the folder; the path the PDF is to be written at, or why there is none (kind Output).
    base::Result<std::string> create();
    bool created() const { return !m_folder.empty(); }
    // Copies the PDF written at the path to out.
    base::Result<> copyTo(std::ostream& out) const;

private:
    std::string m_folder;
};

} // namespace cli
