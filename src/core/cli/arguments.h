#pragma once
// Reading one command's arguments: each command has its own --help, takes "--opt value" as
// well as "--opt=value", and an error names the argument it is about and shows the
// command's usage.

#include "core/cli/cli_app.h"
#include "core/move/move_list.h"

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::cli {

class CommandLine {
  public:
    // command: its name ("check"); what: the first line of its help.
    CommandLine(std::string_view command, const std::string& what);

    CLI::App& App() { return app_; }

    // The REPORT argument, the first word that is no option.
    void AddReport(std::string& report);

    // An option that names one of a few values, the last one given counting.
    template <typename T>
    void AddChoice(const std::string& name, T& value,
                   const std::vector<std::pair<std::string, T>>& choices, const std::string& what);
    // A display form option (--form, --to): natural or raw.
    void AddForm(const std::string& name, move::DisplayForm& form, const std::string& what) {
        AddChoice(name, form,
                  {{"natural", move::DisplayForm::Natural}, {"raw", move::DisplayForm::Raw}}, what);
    }

    // Nothing when the arguments can be used; else the exit code, after the help was
    // printed on the output stream or the error on the error stream.
    std::optional<int> Parse(const std::vector<std::string>& args, Streams io);

    // "orvmove-cli COMMAND: MESSAGE" on the error stream, then the command's usage when
    // asked; returns ExitFailure.
    int Refuse(Streams io, std::string_view message, bool withUsage = true) const;

  private:
    std::string command_;
    CLI::App app_;
};

template <typename T>
void CommandLine::AddChoice(const std::string& name, T& value,
                            const std::vector<std::pair<std::string, T>>& choices,
                            const std::string& what) {
    std::vector<std::string> names;
    std::string typeName;
    for (const auto& choice : choices) {
        if (!typeName.empty()) {
            typeName += '|';
        }
        typeName += choice.first;
        names.push_back(choice.first);
    }
    app_.add_option_function<std::string>(
            name,
            [&value, choices](const std::string& given) {
                for (const auto& [word, meant] : choices) {
                    if (word == given) {
                        value = meant;
                    }
                }
            },
            what)
        ->check(CLI::IsMember(names).description(""))
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)
        ->type_name(typeName);
}

} // namespace orv::cli
