// The desktop's `.desktop` files: reading one, and its Exec line split into
// a program and its arguments with the field codes (%f %F %u %U %i %c %k %%)
// expanded. Nothing here passes through a shell.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace yq::platform {

// The keys of a `.desktop` file's [Desktop Entry] group that launching needs.
struct DesktopEntry {
    QString id;             // desktop file ID ("org.example.Browser.desktop")
    QString path;           // the file it was read from
    QString name;           // Name (unlocalised)
    QString exec;           // Exec, as written in the file
    QString icon;           // Icon
    bool terminal = false;  // Terminal=true: the program runs in a terminal
};

// Reads a `.desktop` file. Empty when the file cannot be read, has no
// [Desktop Entry] group, is not of Type Application, is Hidden, or has no
// Exec key.
std::optional<DesktopEntry> readDesktopFile(const QString& path, const QString& id = {});

// One word of an Exec line after quoting has been undone.
struct ExecWord {
    QString text;
    bool quoted = false;  // some part of it was quoted
};

// Splits an Exec value into words: first the escapes of string values
// (\s \n \t \r \\), then the quoting rules of Exec lines (double-quoted
// words with \" \` \$ \\ inside; single quotes and a backslash outside
// quotes are accepted too, as common launchers do). Empty when a quote is
// left open.
std::optional<std::vector<ExecWord>> splitExecLine(const QString& exec);

// A program and its arguments, ready to start.
struct ExecCommand {
    QString program;
    QStringList arguments;
};

// Expands the field codes of an entry's Exec line for the given targets
// (local paths, file: URLs or other URLs):
//   %f  the first target as a local path   %F  every target, one argument each
//   %u  the first target as a URL           %U  every URL, one argument each
//   %i  "--icon" and the Icon (nothing when there is none)
//   %c  the Name     %k  the desktop file's path     %%  a literal %
// %d %D %n %N %v %m are deprecated and expand to nothing. A word made only of
// a field code that expands to nothing is dropped. When the line has no
// file or URL code, the first target is appended (as launchers do). Empty
// when the line is empty, a quote is left open, or it holds an unknown
// field code.
std::optional<ExecCommand> expandExec(const DesktopEntry& entry, const QStringList& targets);

}  // namespace yq::platform
