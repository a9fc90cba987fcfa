#include "PdfProbe.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace testsupport {
namespace {

// Follows the text operators of a content stream: BT starts at the origin, Td/TD move relative to
// the start of the current line, Tj and TJ show text there.
class TextCollector : public QPDFObjectHandle::ParserCallbacks
{
public:
    explicit TextCollector(std::vector<ShownText>& texts)
        : m_texts(texts)
    {
    }

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            m_operands.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "BT") {
            m_lineX = m_lineY = 0;
        } else if ((op == "Td" || op == "TD") && m_operands.size() == 2) {
            m_lineX += m_operands[0].getNumericValue();
            m_lineY += m_operands[1].getNumericValue();
        } else if (op == "Tf" && m_operands.size() == 2) {
            m_font = m_operands[0].getName();
            m_fontSize = m_operands[1].getNumericValue();
        } else if (op == "Tj" && m_operands.size() == 1) {
            m_texts.push_back({ m_lineX, m_lineY, m_operands[0].getStringValue(), m_font, m_fontSize, {} });
        } else if (op == "TJ" && m_operands.size() == 1) {
            std::string bytes;
            for (auto& item : m_operands[0].getArrayAsVector()) {
                if (item.isString()) {
                    bytes += item.getStringValue();
                }
            }
            m_texts.push_back({ m_lineX, m_lineY, bytes, m_font, m_fontSize, {} });
        }
        m_operands.clear();
    }

    void handleEOF() override { }

private:
    std::vector<ShownText>& m_texts;
    std::vector<QPDFObjectHandle> m_operands;
    double m_lineX = 0;
    double m_lineY = 0;
    std::string m_font;
    double m_fontSize = 0;
};

} // namespace

PdfProbe::PdfProbe(const std::string& path, const std::string& password)
    : m_pdf(std::make_unique<QPDF>())
{
    m_pdf->setSuppressWarnings(true);
    m_pdf->processFile(path.c_str(), password.empty() ? nullptr : password.c_str());
    for (auto& page : QPDFPageDocumentHelper(*m_pdf).getAllPages()) {
        PageProbe probe;
        auto box = page.getAttribute("/MediaBox", false);
        if (box.isArray() && box.getArrayNItems() == 4) {
            probe.width = box.getArrayItem(2).getNumericValue() - box.getArrayItem(0).getNumericValue();
            probe.height = box.getArrayItem(3).getNumericValue() - box.getArrayItem(1).getNumericValue();
        }
        TextCollector collector(probe.texts);
        page.parseContents(&collector);
        auto fonts = page.getAttribute("/Resources", false).getKey("/Font");
        for (auto& text : probe.texts) {
            auto font = fonts.isDictionary() ? fonts.getKey(text.font) : QPDFObjectHandle::newNull();
            if (font.isDictionary() && font.getKey("/BaseFont").isName()) {
                text.baseFont = font.getKey("/BaseFont").getName();
            }
        }
        m_pages.push_back(std::move(probe));
    }
}

PdfProbe::~PdfProbe() = default;

std::vector<std::string> PdfProbe::lines() const
{
    std::vector<std::string> all;
    for (const auto& page : m_pages) {
        for (const auto& text : page.texts) {
            all.push_back(text.bytes);
        }
    }
    return all;
}

std::optional<std::string> PdfProbe::info(const std::string& key) const
{
    auto dict = m_pdf->getTrailer().getKey("/Info");
    if (!dict.isDictionary() || !dict.hasKey(key)) {
        return std::nullopt;
    }
    return dict.getKey(key).getStringValue();
}

std::string PdfProbe::pageMode() const
{
    auto root = m_pdf->getRoot();
    return root.hasKey("/PageMode") ? root.getKey("/PageMode").getName() : std::string();
}

std::vector<std::pair<std::string, int>> PdfProbe::outlines() const
{
    std::vector<std::pair<std::string, int>> entries;
    const auto pages = QPDFPageDocumentHelper(*m_pdf).getAllPages();
    for (auto& outline : QPDFOutlineDocumentHelper(*m_pdf).getTopLevelOutlines()) {
        auto target = outline.getDestPage();
        int index = -1;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].getObjectHandle().getObjGen() == target.getObjGen()) {
                index = static_cast<int>(i);
            }
        }
        entries.emplace_back(outline.getTitle(), index);
    }
    return entries;
}

std::vector<std::string> PdfProbe::pageLabels() const
{
    QPDFPageLabelDocumentHelper labels(*m_pdf);
    std::vector<std::string> texts;
    if (!labels.hasPageLabels()) {
        return texts;
    }
    for (long long i = 0; i < static_cast<long long>(m_pages.size()); ++i) {
        auto label = labels.getLabelForPage(i);
        long long start = label.hasKey("/St") ? label.getKey("/St").getIntValue() : 1;
        texts.push_back(std::to_string(start));
    }
    return texts;
}

bool PdfProbe::encrypted() const
{
    return m_pdf->isEncrypted();
}

int PdfProbe::encryptionRevision() const
{
    int revision = 0;
    int permissions = 0;
    m_pdf->isEncrypted(revision, permissions);
    return revision;
}

int PdfProbe::keyLengthBits() const
{
    if (!encrypted()) {
        return 0;
    }
    auto encrypt = m_pdf->getTrailer().getKey("/Encrypt");
    return encrypt.hasKey("/Length") ? encrypt.getKey("/Length").getIntValueAsInt() : 40;
}

std::string PdfProbe::cipher() const
{
    int revision = 0;
    int permissions = 0;
    int version = 0;
    QPDF::encryption_method_e streams = QPDF::e_none;
    QPDF::encryption_method_e strings = QPDF::e_none;
    QPDF::encryption_method_e files = QPDF::e_none;
    if (!m_pdf->isEncrypted(revision, permissions, version, streams, strings, files)) {
        return "none";
    }
    if (version < 4) { // before crypt filters: RC4 only
        return "RC4";
    }
    if (streams != strings) {
        return "mixed";
    }
    switch (streams) {
    case QPDF::e_rc4:
        return "RC4";
    case QPDF::e_aes:
        return "AES-128";
    case QPDF::e_aesv3:
        return "AES-256";
    default:
        return "unknown";
    }
}

int PdfProbe::permissionBits() const
{
    int revision = 0;
    int permissions = 0;
    m_pdf->isEncrypted(revision, permissions);
    return permissions;
}

bool PdfProbe::allowPrint() const
{
    return m_pdf->allowPrintHighRes();
}

bool PdfProbe::allowCopy() const
{
    return m_pdf->allowExtractAll();
}

bool PdfProbe::allowModify() const
{
    return m_pdf->allowModifyAll();
}

std::map<std::string, FontProbe> PdfProbe::fonts() const
{
    std::map<std::string, FontProbe> found;
    for (auto& page : QPDFPageDocumentHelper(*m_pdf).getAllPages()) {
        auto resources = page.getAttribute("/Resources", false);
        if (!resources.isDictionary() || !resources.getKey("/Font").isDictionary()) {
            continue;
        }
        for (auto& [name, font] : resources.getKey("/Font").ditems()) {
            auto descriptor = font.getKey("/FontDescriptor");
            if (font.getKey("/Subtype").isNameAndEquals("/Type0")) {
                auto descendants = font.getKey("/DescendantFonts");
                if (descendants.isArray() && descendants.getArrayNItems() > 0) {
                    descriptor = descendants.getArrayItem(0).getKey("/FontDescriptor");
                }
            }
            bool embedded = descriptor.isDictionary()
                && (descriptor.hasKey("/FontFile") || descriptor.hasKey("/FontFile2")
                    || descriptor.hasKey("/FontFile3"));
            auto encoding = font.getKey("/Encoding");
            auto file = embedded ? descriptor.getKey("/FontFile2") : QPDFObjectHandle::newNull();
            FontProbe probe { encoding.isName() ? encoding.getName() : "", embedded };
            if (file.isStream()) {
                probe.fontFileBytes = file.getRawStreamData()->getSize();
                probe.fontFileLength = file.getStreamData()->getSize();
                auto length1 = file.getDict().getKey("/Length1");
                probe.fontFileLength1 = length1.isInteger() ? length1.getIntValue() : -1;
            }
            found[font.getKey("/BaseFont").getName()] = probe;
        }
    }
    return found;
}

namespace {

// The standard output of a shell command and its exit status.
std::pair<std::string, int> RunCommand(const std::string& command)
{
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        throw std::runtime_error("cannot run " + command);
    }
    std::string output;
    std::array<char, 4096> buffer {};
    while (std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        output.append(buffer.data(), got);
    }
    return { output, ::pclose(pipe) };
}

// The standard output of a poppler tool run on a PDF, opened with the user password when one is given.
std::string RunReader(const std::string& tool, const std::string& pdfPath, const std::string& password)
{
    std::string command = tool + " ";
    if (!password.empty()) {
        command += "-upw '" + password + "' ";
    }
    command += "'" + pdfPath + "'" + (tool.starts_with("pdftotext") ? " -" : "");
    auto [output, status] = RunCommand(command);
    if (status != 0) {
        throw std::runtime_error(tool + " could not read " + pdfPath);
    }
    return output;
}

} // namespace

std::string ExtractText(const std::string& pdfPath, const std::string& password)
{
    return RunReader("pdftotext -q -raw -enc UTF-8", pdfPath, password);
}

std::string ExtractLayoutText(const std::string& pdfPath, double pitch)
{
    return RunReader("pdftotext -q -layout -fixed " + std::to_string(pitch) + " -enc UTF-8", pdfPath, "");
}

std::map<std::string, std::string> ReadDocumentInfo(const std::string& pdfPath, const std::string& password)
{
    std::map<std::string, std::string> entries;
    std::istringstream lines(RunReader("pdfinfo -enc UTF-8", pdfPath, password));
    for (std::string line; std::getline(lines, line);) {
        if (auto colon = line.find(':'); colon != std::string::npos) {
            auto value = line.find_first_not_of(' ', colon + 1);
            entries[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
        }
    }
    return entries;
}

std::string RenderFirstPage(const std::string& pdfPath, int dotsPerInch)
{
    return RunReader("pdftoppm -q -gray -f 1 -l 1 -r " + std::to_string(dotsPerInch), pdfPath, "");
}

std::string ReaderComplaints(const std::string& pdfPath, const std::string& password)
{
    const std::string passwordFlag = password.empty() ? "" : "-upw '" + password + "' ";
    return RunCommand("pdftotext " + passwordFlag + "'" + pdfPath + "' /dev/null 2>&1").first;
}

std::string QpdfCheckProblems(const std::string& pdfPath, const std::string& password)
{
    const std::string passwordFlag = password.empty() ? "" : "--password='" + password + "' ";
    auto [output, status] = RunCommand("qpdf --check " + passwordFlag + "'" + pdfPath + "' 2>&1");
    return status == 0 ? std::string() : output;
}

} // namespace testsupport
