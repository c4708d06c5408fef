#pragma once
// The command-line application: runs one subcommand over the editor's core with the
// arguments and streams it is given, so tests drive it without a process.

#include <iosfwd>
#include <string>
#include <vector>

namespace orv::cli {

enum ExitCode : int { ExitDone = 0, ExitCheckFoundErrors = 1, ExitFailure = 2 };

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// args holds the words after the program name.
int RunCli(const std::vector<std::string>& args, Streams io);

// Subcommands; args holds the words after the subcommand's name.
int RunTribes(const std::vector<std::string>& args, Streams io);
int RunOptions(const std::vector<std::string>& args, Streams io);
int RunMap(const std::vector<std::string>& args, Streams io);
int RunConvert(const std::vector<std::string>& args, Streams io);
int RunGoods(const std::vector<std::string>& args, Streams io);
int RunCheck(const std::vector<std::string>& args, Streams io);

// Writes an editor text (lines separated by CR LF, LF or CR) with an LF after every line.
void WriteLines(std::ostream& out, const std::string& text);

// Reads all of standard input as "Get from Clipboard" takes the clipboard text; the message
// why it cannot be read (or is too large), or empty when it was read.
std::string ReadStandardInput(Streams io, std::string& text);

// The synopsis of every command, as --help prints it.
std::string UsageText();

} // namespace orv::cli
