#include "arguments.h"

#include <algorithm>

namespace drovik::cli {

ParsedArguments parseArguments(const Args &args, ArgumentSyntax syntax,
                               std::initializer_list<OptionSpec> specs)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const bool isOption = !optionsEnded
            && (arg.empty() ? syntax.emptyIsOption : arg.starts_with(syntax.optionPrefix));
        if (!isOption) {
            if (parsed.operand) {
                parsed.problem = {ArgumentProblem::ExtraOperand, arg};
                break;
            }
            parsed.operand = arg;
            continue;
        }
        if (syntax.doubleDashEndsOptions && arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = syntax.inlineValues ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const auto known = std::find_if(specs.begin(), specs.end(),
                                       [&](const OptionSpec &s) { return s.name == name; });
        const bool inlineValue = equals != std::string::npos;
        if (known == specs.end() || (inlineValue && !known->takesValue)
            || (inlineValue && known->refusesEmptyInline && equals + 1 == arg.size())) {
            parsed.problem = {ArgumentProblem::UnknownOption, arg};
            break;
        }
        if (!known->takesValue) {
            parsed.options.emplace_back(name, std::string());
        } else if (inlineValue) {
            parsed.options.emplace_back(name, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            parsed.options.emplace_back(name, args[++i]);
        } else {
            parsed.problem = {ArgumentProblem::MissingValue, name};
            break;
        }
    }
    return parsed;
}

} // namespace drovik::cli
