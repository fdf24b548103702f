#pragma once

#include "commands.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The one argument parser of the commands: options (flags, or options taking a value) and at most
// one operand, read left to right up to the first problem.
namespace drovik::cli {

// What tells an option from an operand. Each command keeps the habits it was published with,
// since its error messages and exit statuses are part of its contract.
struct ArgumentSyntax {
    // An argument starting with this is an option.
    std::string_view optionPrefix = "-";
    // An empty argument is an (unknown) option rather than an operand.
    bool emptyIsOption = false;
    // "--" makes every later argument an operand.
    bool doubleDashEndsOptions = false;
    // "--name=value" as well as "--name value".
    bool inlineValues = false;

    // telemetry, cues: only "--…" is an option; "-x" is a file name.
    static constexpr ArgumentSyntax longOptions() { return {"--", false, false, false}; }
    // card, kvl: anything starting with "-", and "", is an option.
    static constexpr ArgumentSyntax strict() { return {"-", true, false, false}; }
    // clips, convert: "-…" options, "--" ends them, values also as "--name=value".
    static constexpr ArgumentSyntax gnu() { return {"-", false, true, true}; }
};

struct OptionSpec {
    std::string_view name;
    bool takesValue = false;
    // "--name=" with nothing after it is an unknown option rather than an empty value.
    bool refusesEmptyInline = false;
};

struct ArgumentProblem {
    enum Kind {
        UnknownOption, // argument: the option as given
        MissingValue,  // argument: the option's name
        ExtraOperand,  // argument: the second operand
    };
    Kind kind;
    std::string argument;
};

struct ParsedArguments {
    // The options in the order given, up to the first problem; a flag's value is empty.
    std::vector<std::pair<std::string, std::string>> options;
    std::optional<std::string> operand;
    std::optional<ArgumentProblem> problem;
};

// An option taking a value takes the next argument whatever it looks like.
ParsedArguments parseArguments(const Args &args, ArgumentSyntax syntax,
                               std::initializer_list<OptionSpec> specs);

} // namespace drovik::cli
