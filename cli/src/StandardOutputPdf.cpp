#include "StandardOutputPdf.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

namespace cli {
namespace {

constexpr const char* PdfName = "/stdout.pdf";

} // namespace

StandardOutputPdf::~StandardOutputPdf()
{
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
}

base::Result<std::string> StandardOutputPdf::create()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/marlowen-cli.XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data())) {
        return base::Failure { base::FailureKind::Output,
                               "cannot create a temporary folder for standard output: " + platform::ErrnoText(errno) };
    }
    m_folder = name.data();
    return m_folder + PdfName;
}

base::Result<> StandardOutputPdf::copyTo(std::ostream& out) const
{
    std::ifstream pdf(m_folder + PdfName, std::ios::binary);
    if (!pdf || !(out << pdf.rdbuf()) || !out.flush()) {
        return base::Failure { base::FailureKind::Output, "the PDF could not be written to standard output" };
    }
    return {};
}

} // namespace cli
