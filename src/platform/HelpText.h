// The layout of the programs' --help texts: usage lines, a description,
// then sections of rows (an option or command, what it does, an example),
// laid out as GNU programs do so that help2man can make the manual pages
// from them. Each program keeps its rows in one table of its own.
#pragma once

#include <string>
#include <vector>

namespace yq::platform {

struct HelpRow {
    std::string usage;    // "--runs N", "save [--metric] KEY=VALUE..."
    std::string text;     // what it does (wrapped to the terminal width)
    std::string example;  // a whole command line; empty: none
};

struct HelpSection {
    std::string title;  // "Commands", "Options"
    std::vector<HelpRow> rows;
};

struct HelpPage {
    std::vector<std::string> usages;  // "yq-calc [OPTION]... KEY=VALUE...": the first after "Usage:"
    std::string description;          // paragraphs, "\n\n" between them
    std::vector<HelpSection> sections;
    std::string epilogue;  // after the sections ("Exit status: ..."), as written
};

// The text of `page`, lines of at most 79 characters where words allow.
std::string formatHelp(const HelpPage& page);

// "<program> <version>" and the licence lines, for --version.
std::string formatVersion(const std::string& program, const std::string& version);

// The program's version ("5.091").
std::string programVersion();

}  // namespace yq::platform
