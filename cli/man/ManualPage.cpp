// Writes the manual page of marlowen-cli: the template's @OPTIONS@ line becomes the list of flags
// that --help shows, so that the page and --help cannot list different flags.
//
//   marlowen-cli-manual TEMPLATE OUTPUT

#include "CliFlags.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Text as troff shows it: backslashes and hyphens escaped, no line starting with a control character.
std::string Roff(std::string_view text)
{
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\'')) {
            out += "\\&";
        }
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
        lineStart = c == '\n';
    }
    return out;
}

// A flag in bold, its values in italics: "\fB\-j\fR, \fB\-\-jobs\fR \fIN\fR".
std::string FlagSynopsis(const cli::CliFlag& flag)
{
    std::string text;
    if (!flag.shortName.empty()) {
        text += "\\fB" + Roff(flag.shortName) + "\\fR, ";
    }
    text += "\\fB" + Roff(flag.name) + "\\fR";
    if (!flag.values.empty()) {
        text += " \\fI" + Roff(flag.values) + "\\fR";
    }
    return text;
}

std::string OptionsSection()
{
    std::string section;
    for (const auto& group : cli::FlagGroups()) {
        section += ".TP\n";
        for (std::size_t i = 0; i < group.flags.size(); ++i) {
            section += (i ? ", " : "") + FlagSynopsis(*group.flags[i]);
        }
        section += "\n" + Roff(group.help) + "\n";
    }
    return section;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: marlowen-cli-manual TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    const std::string marker = "@OPTIONS@\n";
    auto at = text.find(marker);
    if (!in || at == std::string::npos) {
        std::cerr << argv[1] << ": cannot read the template or it has no " << marker;
        return 1;
    }
    text.replace(at, marker.size(), OptionsSection());
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write the manual page\n";
        return 1;
    }
    return 0;
}
