#include "StandardOutputPdf.h"

#include <fstream>
#include <ostream>
#include <vector>

namespace cli {

base::Result<std::string> StandardOutputPdf::create()
{
    if (auto made = m_folder.create("marlowen-cli."); !made) {
        return base::Failure { made.failure().kind, "standard output: " + made.error() };
    }
    return path();
}

std::string StandardOutputPdf::path() const
{
    return created() ? m_folder.path() + "/stdout.pdf" : std::string();
}

base::Result<> StandardOutputPdf::copyTo(std::ostream& out) const
{
    const base::Failure failure { base::FailureKind::Output, "the PDF could not be written to standard output" };
    std::ifstream pdf(path(), std::ios::binary);
    // Written piece by piece: a write that takes only part of a piece (a reader gone) is then told,
    // which copying the whole stream buffer at once does not tell.
    std::vector<char> piece(std::size_t { 1 } << 16);
    while (pdf) {
        pdf.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        if (pdf.gcount() > 0 && !out.write(piece.data(), pdf.gcount())) {
            return failure;
        }
    }
    if (!pdf.eof() || !out.flush()) {
        return failure;
    }
    return {};
}

} // namespace cli
