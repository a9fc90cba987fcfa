#pragma once

#include "base/Result.h"
#include "platform/TemporaryFiles.h"

#include <iosfwd>
#include <string>

namespace cli {

// A PDF meant for standard output is first made as a file like any other, in a temporary folder of its
// own ($TMPDIR or /tmp); its bytes then go out, and the folder goes with this object, or with the
// process when a signal ends it.
class StandardOutputPdf
{
public:
    // Makes the folder; the path the PDF is to be written at, or why there is none (kind Output).
    base::Result<std::string> create();
    bool created() const { return !m_folder.path().empty(); }
    // Where the PDF is written; empty before create.
    std::string path() const;
    // Copies the PDF written at the path to out.
    base::Result<> copyTo(std::ostream& out) const;

private:
    platform::TemporaryFolder m_folder;
};

} // namespace cli
