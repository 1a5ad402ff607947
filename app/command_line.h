// The command line: zarvok [--lang CODE] [--problem N] [FILE] | --print FILE | --help | --version.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zarvo {

struct CommandLine {
    std::optional<std::string> file;        // opened as the document (raw bytes, as given)
    std::optional<std::string> print_file;  // --print: open, print without a dialog, end
    int problem = -1;                       // --problem: the first game plays this problem
};

enum class ParseStatus { run, exit_ok, exit_usage };

// Parses `args` (argv as given, with the program name first). Help and version text go to
// `out`, errors to `err`.
ParseStatus parse_command_line(const std::vector<std::string>& args, CommandLine& line,
                               std::string& out, std::string& err);

}  // namespace zarvo
