#include "PasswordFiles.h"

#include <fstream>
#include <istream>

namespace cli {
namespace {

std::optional<std::string> ReadFirstLine(const std::string& flag, const std::string& path,
                                         std::istream& standardInput, std::string& password)
{
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            return flag + ": cannot read " + path;
        }
    }
    std::istream& in = path == "-" ? standardInput : file;
    std::getline(in, password);
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    if (password.empty()) {
        return flag + ": the first line of " + (path == "-" ? "standard input" : path) + " holds no password";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadPasswordFiles(CliArguments& arguments, std::istream& standardInput)
{
    if (arguments.ownerPasswordFile == "-" && arguments.userPasswordFile == "-") {
        return "only one password file can be standard input";
    }
    struct PasswordSource
    {
        const char* flag;
        const std::optional<std::string>& file;
        std::string& password;
    };
    const PasswordSource sources[] = {
        { "--owner-password-file", arguments.ownerPasswordFile, arguments.ownerPassword },
        { "--user-password-file", arguments.userPasswordFile, arguments.userPassword },
    };
    for (const auto& source : sources) {
        if (!source.file) {
            continue;
        }
        if (!source.password.empty()) {
            return std::string(source.flag) + " and the password flag beside it name two passwords";
        }
        if (auto problem = ReadFirstLine(source.flag, *source.file, standardInput, source.password)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace cli
