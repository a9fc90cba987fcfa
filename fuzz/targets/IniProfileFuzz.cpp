// Arbitrary bytes as a settings file, then writes of keys read back: each write must read back as
// written (quotes and blanks included), leave every other key's value as it was, and be the only
// change a second identical write cannot repeat.
#include "ScratchFile.h"
#include "platform/IniProfile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <strings.h>
#include <utility>

namespace {

constexpr std::size_t MaxLength = 1023;

const std::array<const char*, 5> Sections = { "Paper Option", "Document Display Option", "PDF Property Option",
                                              "PDF Security Option", "Tips" };
const std::array<const char*, 8> Keys = { "PageSize", "Font Size", "SingeEncode", "Author",
                                          "Keywords", "EncryptLevel", "StartUp", "FilePos" };

std::string FilePath()
{
    static const std::string path = fuzzsupport::ScratchPath("settings.ini");
    return path;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A name from the list with its letters' case changed by mask: names match regardless of case.
std::string NameFrom(FuzzedDataProvider& input, const char* const* names, std::size_t count)
{
    std::string name = names[input.ConsumeIntegralInRange<std::size_t>(0, count - 1)];
    auto mask = input.ConsumeIntegral<std::uint32_t>();
    for (std::size_t i = 0; i < name.size() && i < 32; ++i) {
        if (mask & (1u << i)) {
            name[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
        }
    }
    return name;
}

// What reading gives back for a written value: the value itself, but for line breaks, which a line
// cannot hold and which become blanks.
std::string ReadBackOf(std::string value)
{
    for (auto& c : value) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return value;
}

// A file that starts with a UTF-16 byte order mark and holds whole UTF-16 code units.
bool InUtf16(const std::string& content)
{
    return content.size() % 2 == 0 && (content.rfind("\xFF\xFE", 0) == 0 || content.rfind("\xFE\xFF", 0) == 0);
}

// The profile of the scratch file, which is always a readable regular file.
platform::IniProfile Profile(const std::string& path)
{
    auto profile = platform::IniProfile::Read(path);
    if (!profile) {
        std::fprintf(stderr, "INI fault: the scratch file cannot be read: %s\n", profile.error().c_str());
        std::abort();
    }
    return std::move(profile).value();
}

std::string TextAt(const std::string& path, const std::string& section, const std::string& key)
{
    return Profile(path).text(section, key, MaxLength).value_or("\x01");
}

bool Write(const std::string& path, const std::string& section, const std::string& key, const std::string& value)
{
    auto profile = Profile(path);
    profile.setText(section, key, value);
    return profile.save().ok();
}

[[noreturn]] void Fail(const char* what, const std::string& section, const std::string& key)
{
    std::fprintf(stderr, "INI fault: %s [%s] %s\n", what, section.c_str(), key.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string path = FilePath();
    WriteFile(path, input.ConsumeRandomLengthString(4096));

    for (int write = 0; write < 4 && input.remaining_bytes() > 0; ++write) {
        std::string section = NameFrom(input, Sections.data(), Sections.size());
        std::string key = NameFrom(input, Keys.data(), Keys.size());
        std::string value = input.ConsumeRandomLengthString(64);

        // Every other key as it reads before the write.
        std::array<std::array<std::string, Keys.size()>, Sections.size()> before;
        for (std::size_t s = 0; s < Sections.size(); ++s) {
            for (std::size_t k = 0; k < Keys.size(); ++k) {
                before[s][k] = TextAt(path, Sections[s], Keys[k]);
            }
        }
        if (!Write(path, section, key, value)) {
            // A file in UTF-16 takes only texts that are Unicode; it then stays as it was.
            if (!InUtf16(ReadFile(path))) {
                Fail("a write to a writable file failed", section, key);
            }
            continue;
        }
        if (TextAt(path, section, key) != ReadBackOf(value)) {
            Fail("a written value reads back otherwise", section, key);
        }
        if (auto number = Profile(path).value(section, key)) {
            static_cast<void>(platform::ParseProfileNumber(*number)); // any value, read without harm
        }
        for (std::size_t s = 0; s < Sections.size(); ++s) {
            for (std::size_t k = 0; k < Keys.size(); ++k) {
                bool written = strcasecmp(Sections[s], section.c_str()) == 0 && strcasecmp(Keys[k], key.c_str()) == 0;
                if (!written && TextAt(path, Sections[s], Keys[k]) != before[s][k]) {
                    Fail("a write changed another key", Sections[s], Keys[k]);
                }
            }
        }
        std::string content = ReadFile(path);
        Write(path, section, key, value);
        if (ReadFile(path) != content) {
            Fail("writing the same value again changed the file", section, key);
        }
    }
    return 0;
}
