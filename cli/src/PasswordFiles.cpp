#include "PasswordFiles.h"

#include <fstream>
#include <istream>

namespace cli {
namespace {

base::Failure Unusable(std::string reason)
{
    return { base::FailureKind::Input, std::move(reason) };
}

base::Result<> ReadFirstLine(const std::string& flag, const std::string& path, std::istream& standardInput,
                             std::string& password)
{
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            return Unusable(flag + ": cannot read " + path);
        }
    }
    std::istream& in = path == "-" ? standardInput : file;
    std::getline(in, password);
    if (!password.empty() && password.back() == '\r') {
        password.pop_back();
    }
    if (password.empty()) {
        return Unusable(flag + ": the first line of " + (path == "-" ? "standard input" : path)
                        + " holds no password");
    }
    return {};
}

} // namespace

base::Result<> ReadPasswordFiles(CliArguments& arguments, std::istream& standardInput)
{
    auto usage = [](std::string reason) { return base::Failure { base::FailureKind::Options, std::move(reason) }; };
    if (arguments.ownerPasswordFile == "-" && arguments.userPasswordFile == "-") {
        return usage("only one password file can be standard input");
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
            return usage(std::string(source.flag) + " and the password flag beside it name two passwords");
        }
        if (auto read = ReadFirstLine(source.flag, *source.file, standardInput, source.password); !read) {
            return read;
        }
    }
    return {};
}

} // namespace cli
