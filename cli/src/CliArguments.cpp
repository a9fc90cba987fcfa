#include "CliArguments.h"

#include "CliFlags.h"

namespace cli {

base::Result<CliArguments> ParseArguments(const std::vector<std::string>& args)
{
    auto usage = [](std::string reason) { return base::Failure { base::FailureKind::Options, std::move(reason) }; };
    CliArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (optionsEnded || name.size() < 2 || name[0] != '-') {
            parsed.inputs.push_back(name);
            continue;
        }
        if (name == "--") {
            optionsEnded = true;
            continue;
        }
        FlagValues values;
        if (auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            values.push_back(name.substr(eq + 1));
            name.resize(eq);
        } else if (const CliFlag* shortFlag = name[1] != '-' ? FindFlag(name.substr(0, 2)) : nullptr;
                   name.size() > 2 && shortFlag && shortFlag->arity() == 1) {
            values.push_back(name.substr(2)); // -j2
            name.resize(2);
        }
        const CliFlag* flag = FindFlag(name);
        if (!flag) {
            return usage("unknown option " + name);
        }
        const std::size_t count = flag->arity();
        while (values.size() < count) {
            if (i + 1 >= args.size()) {
                return usage(name + " needs " + std::to_string(count) + (count == 1 ? " value" : " values"));
            }
            values.push_back(args[++i]);
        }
        if (values.size() > count) {
            return usage(name + " takes " + std::to_string(count) + " values");
        }
        if (const auto* setArgument = std::get_if<ArgumentSetter>(&flag->sets)) {
            if (auto set = (*setArgument)(parsed, values); !set) {
                return usage(name + ": " + set.error());
            }
        } else {
            parsed.overrides.emplace_back(name, values);
        }
    }
    if (!parsed.help && !parsed.version && parsed.inputs.empty() && !parsed.filesFrom) {
        return usage("no file given");
    }
    return parsed;
}

} // namespace cli
