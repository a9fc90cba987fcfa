#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"

#include <climits>
#include <filesystem>

namespace {

class DocumentTest : public ConversionFixture
{
};

TEST_F(DocumentTest, InformationEntriesOnlyWhenNotEmptyAndTheProducerAlways)
{
    m_options.Author = "Ann Author";
    m_options.Keywords = "alpha beta";
    auto pdf = probe(convert("text"));
    EXPECT_EQ(pdf.info("/Author"), "Ann Author");
    EXPECT_EQ(pdf.info("/Keywords"), "alpha beta");
    EXPECT_EQ(pdf.info("/Producer"), "Marlowen 2.0");
    EXPECT_FALSE(pdf.info("/Title"));
    EXPECT_FALSE(pdf.info("/Subject"));
    EXPECT_FALSE(pdf.info("/Creator"));
}

TEST_F(DocumentTest, OpenModeChoosesThePageMode)
{
    const std::pair<int, const char*> modes[] = { { 1, "/UseOutlines" }, { 2, "/UseThumbs" }, { 3, "/FullScreen" } };
    for (auto [mode, name] : modes) {
        m_options.OpenMode = mode;
        EXPECT_EQ(probe(convert("text")).pageMode(), name) << mode;
    }
}

// Every method opens with either password and without one not at all, in libqpdf and in poppler;
// AES-256 unless chosen otherwise, RC4 with the key length asked.
TEST_F(DocumentTest, EachEncryptionMethodOpensOnlyWithAPassword)
{
    struct Case
    {
        int method, level;
        const char* cipher;
        int revision, bits;
    };
    const int defaultMethod = engine::ConversionOptions().EncryptMethod;
    const Case cases[] = {
        { defaultMethod, 48, "AES-256", 6, 256 }, { engine::Aes128Encryption, 48, "AES-128", 4, 128 },
        { engine::Rc4Encryption, 40, "RC4", 2, 40 }, { engine::Rc4Encryption, 48, "RC4", 3, 48 },
        { engine::Rc4Encryption, 128, "RC4", 3, 128 },
    };
    for (const auto& c : cases) {
        m_options.EncryptMethod = c.method;
        m_options.EncryptLevel = c.level;
        auto result = convert("secret", "input.txt", "owner", "user");
        ASSERT_TRUE(result.written()) << result.outcome.error();
        auto pdf = probe(result, "user");
        EXPECT_EQ(pdf.cipher(), c.cipher) << c.method << " " << c.level;
        EXPECT_EQ(pdf.encryptionRevision(), c.revision) << c.cipher;
        EXPECT_EQ(pdf.keyLengthBits(), c.bits) << c.cipher;
        EXPECT_EQ(pdf.lines(), std::vector<std::string> { "secret" }) << c.cipher;
        EXPECT_EQ(probe(result, "owner").lines(), std::vector<std::string> { "secret" }) << c.cipher;
        EXPECT_EQ(testsupport::ExtractText(result.outputPath, "user"), "secret\n\f") << c.cipher;
        EXPECT_THROW(testsupport::ExtractText(result.outputPath), std::exception) << c.cipher;
        EXPECT_THROW(probe(result, "wrong"), std::exception) << c.cipher;
    }
}

struct PermissionCase
{
    int read, print, copy, modify;
    bool allowPrint, allowCopy, allowModify;
};

// The same answers give the same permissions under each method.
TEST_F(DocumentTest, PermissionsAnsweredNoAreWithheldAndTheOthersKept)
{
    const PermissionCase cases[] = {
        { 0, 0, 0, 0, true, true, true },
        { 0, 1, 0, 0, false, true, true },
        { 0, 0, 1, 1, true, false, false },
        { 1, 0, 0, 1, true, true, false },
        { 1, 0, 0, 0, true, true, true },
    };
    for (int method : { engine::Rc4Encryption, engine::Aes128Encryption, engine::Aes256Encryption }) {
        for (const auto& c : cases) {
            m_options.EncryptMethod = method;
            m_options.PermitRead = c.read;
            m_options.PermitPrint = c.print;
            m_options.PermitCopy = c.copy;
            m_options.PermitModify = c.modify;
            auto result = convert("text", "input.txt", "owner", "user");
            ASSERT_TRUE(result.written()) << result.outcome.error();
            auto pdf = probe(result, "user");
            const std::string what = std::to_string(method) + ": " + std::to_string(c.read) + std::to_string(c.print)
                + std::to_string(c.copy) + std::to_string(c.modify);
            EXPECT_TRUE(pdf.encrypted()) << what;
            EXPECT_EQ(pdf.allowPrint(), c.allowPrint) << what;
            EXPECT_EQ(pdf.allowCopy(), c.allowCopy) << what;
            EXPECT_EQ(pdf.allowModify(), c.allowModify) << what;
        }
    }
}

TEST_F(DocumentTest, PasswordsThatCannotWorkFailWithAReason)
{
    m_options.PermitPrint = 1;
    auto noOwner = convert("text");
    EXPECT_FALSE(noOwner.written());
    EXPECT_EQ(noOwner.outcome.error(), "permissions need an owner password");
    EXPECT_EQ(noOwner.outcome.failure().kind, base::FailureKind::Options);

    m_options.PermitPrint = 0;
    auto same = convert("text", "input.txt", "same", "same");
    EXPECT_FALSE(same.written());
    EXPECT_EQ(same.outcome.error(), "the owner and user passwords must differ");
    EXPECT_FALSE(std::filesystem::exists(same.outputPath));
}

// A user password without an owner password, and reading withheld without a user password, give
// no protection: the PDF opens without a password, and the file's result says so.
TEST_F(DocumentTest, ProtectionThePdfCannotGiveIsWarnedOf)
{
    auto noOwner = convert("text", "input.txt", "", "user");
    ASSERT_TRUE(noOwner.written()) << noOwner.outcome.error();
    EXPECT_FALSE(probe(noOwner).encrypted());
    ASSERT_EQ(noOwner.warnings.size(), 1u);
    EXPECT_NE(noOwner.warnings[0].find("user password was not applied"), std::string::npos);
    EXPECT_EQ(m_observer.warnings, noOwner.warnings);

    m_options.PermitRead = engine::No;
    auto noUser = convert("text", "input.txt", "owner");
    ASSERT_TRUE(noUser.written()) << noUser.outcome.error();
    EXPECT_TRUE(probe(noUser).encrypted());
    EXPECT_EQ(testsupport::ExtractText(noUser.outputPath), "text\n\f");
    ASSERT_EQ(noUser.warnings.size(), 1u);
    EXPECT_NE(noUser.warnings[0].find("read permission was not applied"), std::string::npos);

    EXPECT_TRUE(convert("text", "input.txt", "owner", "user").warnings.empty());
}

// Readers show the information as typed, encrypted or not, and whatever the font: text outside
// ASCII is stored as UTF-16, text that is not UTF-8 is read as Windows-1252, and what UTF-16 in the
// library cannot hold is replaced with a warning.
TEST_F(DocumentTest, InformationOutsideAsciiReadsBackAsTyped)
{
    m_options.Title = "Ünïcødé 日本";
    m_options.Author = "Caf\xE9 \x80"; // Windows-1252, as an older settings file holds it
    m_options.Subject = "smile \U0001F600";
    m_options.Keywords = "plain";
    const std::pair<std::string, bool> cases[] = { { "", false }, { "user", false }, { "user", true } };
    for (const auto& [user, utf8Font] : cases) {
        if (utf8Font) { // the page font needs the library's UTF-8 encoder too
            m_options.PageFont = engine::TrueTypeFont;
            m_options.TrueTypeFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
            m_options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1;
        }
        m_observer.warnings.clear();
        auto result = convert("text", "input.txt", user.empty() ? "" : "owner", user);
        ASSERT_TRUE(result.written()) << result.outcome.error();
        auto info = testsupport::ReadDocumentInfo(result.outputPath, user);
        EXPECT_EQ(info["Title"], "Ünïcødé 日本") << user;
        EXPECT_EQ(info["Author"], "Café €") << user;
        EXPECT_EQ(info["Subject"], "smile \uFFFD") << user;
        EXPECT_EQ(info["Keywords"], "plain") << user;
        EXPECT_EQ(info["Producer"], "Marlowen 2.0") << user;
        ASSERT_EQ(m_observer.warnings.size(), 1u) << user;
        EXPECT_NE(m_observer.warnings[0].find("1 character of the document information lie above U+FFFF"),
                  std::string::npos)
            << m_observer.warnings[0];
    }
}

TEST_F(DocumentTest, AFailedConversionLeavesTheOlderPdfAndNoTemporaryFile)
{
    auto older = m_dir.write("input.pdf", "older PDF");
    m_options.PermitCopy = 1; // fails: no owner password
    auto result = convert("text");
    EXPECT_FALSE(result.written());
    EXPECT_EQ(testsupport::readFile(older), "older PDF");

    m_options.PermitCopy = 0;
    m_options.PageWidth = 2;
    m_options.PageSize = 37;
    EXPECT_FALSE(convert("text").written());
    EXPECT_EQ(testsupport::readFile(older), "older PDF");

    // An encrypted save, made in memory, leaves nothing else in the folder either.
    m_options = {};
    ASSERT_TRUE(convert("text", "input.txt", "owner").written());
    testsupport::PdfProbe pdf(older.string());
    EXPECT_TRUE(pdf.encrypted());
    EXPECT_EQ(pdf.lines(), std::vector<std::string> { "text" });
    int files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
        files++;
    }
    EXPECT_EQ(files, 2) << "only input.txt and input.pdf";
}

TEST_F(DocumentTest, OptionsTheLibraryCannotHonourFailBeforeAnyWork)
{
    struct Case
    {
        const char* what;
        void (*apply)(engine::ConversionOptions&);
        const char* message;
    };
    const Case cases[] = {
        { "page too narrow", [](auto& o) { o.PageSize = 37, o.PageWidth = 2; }, "outside 3 to 14400" },
        { "page too high", [](auto& o) { o.PageSize = 37, o.PageHeight = 14401; }, "outside 3 to 14400" },
        { "font too large", [](auto& o) { o.FontSize = 601; }, "font size 601" },
        { "negative font", [](auto& o) { o.FontSize = -4; }, "font size -4" },
        { "margins too wide", [](auto& o) { o.LeftMargin = 300, o.RightMargin = 295; }, "no room for text" },
        { "margins too high", [](auto& o) { o.TopMargin = 900; }, "top and bottom margins leave no room" },
        { "margins exactly the page height", [](auto& o) { o.TopMargin = 800, o.BottomMargin = 42; },
          "842 points high" },
        { "negative margin", [](auto& o) { o.RightMargin = -10; }, "right margin -10 is outside 0 to 14400 points" },
        { "a stored margin that would overflow the width", [](auto& o) { o.LeftMargin = INT_MIN; },
          "left margin -2147483648" },
        { "tab width and key length, both told",
          [](auto& o) { o.TabWidth = 33, o.EncryptLevel = 200; },
          "the tab width 33 is outside 0 to 32 columns; the encrypt level 200 is outside 40 to 128 bits" },
        { "two margins that would overflow their sum", [](auto& o) { o.TopMargin = INT_MAX, o.BottomMargin = 1; },
          "top margin 2147483647" },
    };
    for (const auto& c : cases) {
        m_options = {};
        c.apply(m_options);
        auto result = convert("text");
        EXPECT_FALSE(result.written()) << c.what;
        EXPECT_EQ(result.outcome.failure().kind, base::FailureKind::Options) << c.what;
        EXPECT_NE(result.outcome.error().find(c.message), std::string::npos)
            << c.what << ": " << result.outcome.error();
        EXPECT_TRUE(m_observer.ranges.empty()) << c.what;
    }
}

TEST_F(DocumentTest, InputsThatCannotBeReadFailWithTheirReason)
{
    testsupport::RecordingObserver observer;
    auto missing = engine::ConvertTextFile(m_options, (m_dir.path() / "gone.txt").string(), "", "", observer);
    EXPECT_FALSE(missing.written());
    EXPECT_NE(missing.outcome.error().find("No such file"), std::string::npos) << missing.outcome.error();
    EXPECT_EQ(missing.outcome.failure().kind, base::FailureKind::Input);

    std::filesystem::create_directory(m_dir.path() / "folder.txt");
    auto folder = engine::ConvertTextFile(m_options, (m_dir.path() / "folder.txt").string(), "", "", observer);
    EXPECT_FALSE(folder.written());
    EXPECT_NE(folder.outcome.error().find("folder"), std::string::npos) << folder.outcome.error();
    EXPECT_EQ(folder.outcome.failure().kind, base::FailureKind::Input);
}

} // namespace
