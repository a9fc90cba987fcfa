#include "ConversionFixture.h"

engine::FileResult ConversionFixture::convert(const std::string& text, const std::string& name,
                                              const std::string& owner, const std::string& user)
{
    auto path = m_dir.write(name, text);
    return engine::ConvertTextFile(m_options, path.string(), owner, user, m_observer);
}

testsupport::PdfProbe ConversionFixture::probe(const engine::FileResult& result, const std::string& password) const
{
    return testsupport::PdfProbe(result.outputPath, password);
}

void ConversionFixture::useTenCharacterLines()
{
    m_options.PageSize = 37;
    m_options.PageWidth = 80;
    m_options.PageHeight = 842;
    m_options.LeftMargin = 10;
    m_options.RightMargin = 10;
    m_options.FontSize = 10;
}
