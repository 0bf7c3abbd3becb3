// What the commands that draw pages of one design file (report,
// build-sheet) share: their argument syntax and the application object
// that fonts and painting need.
#pragma once

#include <QGuiApplication>

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace yq::cli {

// The design file and the options, in command-line order; an option without
// a value has an empty one.
struct PageCommandArgs {
    std::string design;
    std::vector<std::pair<std::string, std::string>> options;
};

// The syntax of one command: its name, its usage ("yq-calc report
// DESIGN.ini ...", shown after "usage: " by usageLine), the
// options that take a value and those that do not. `checkValue` may refuse
// a value (writing its own message); it is asked as the value is read.
struct PageCommandSyntax {
    std::string_view command;
    std::string_view usage;
    std::initializer_list<std::string_view> valued;
    std::initializer_list<std::string_view> flags;
    std::function<bool(const std::string& option, const std::string& value, std::ostream& err)> checkValue;
};

// `DESIGN.ini` and the options of `syntax`, or nothing after writing the
// reason and the usage to `err`.
std::optional<PageCommandArgs> parsePageCommand(const std::vector<std::string>& args, const PageCommandSyntax& syntax,
                                                std::ostream& err);

// `report ...` or `build-sheet ...` (`args` begin with the command's name).
int runPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// An offscreen application object for the duration of a command when there
// is none (nothing when there is one already).
std::unique_ptr<QGuiApplication> ensureGuiApplication();

}  // namespace yq::cli
