// The language the program speaks: English, the language of its own texts,
// or one of the languages it is translated into. Both programs choose it at
// start-up, before any text is made: the desktop's choice (QLocale's UI
// languages: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), or the code given
// with --lang for one run.
#pragma once

#include "design/Result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace yq {

// The codes of the languages the program is translated into, as its
// translation files are named (translations/yq_<code>.ts).
const QStringList& translatedLanguages();

// The language a list of preferred languages chooses (QLocale's form,
// "de-AT", "pt-BR", "en-US", or "de_AT"; best first): the first entry that is
// English or one of the translated languages, a regional form choosing its
// language (de-AT: de; every Portuguese: pt_BR). "en" when none is.
QString languageOfPreferences(const QStringList& preferred);

// The language a code given on the command line names, as
// languageOfPreferences reads it; a problem naming the known codes when it
// names none of them.
Result<QString> languageOfCode(const QString& code);

// Installs on the application the program's translation and Qt's own
// (qtbase_<code>.qm of Qt's translations folder, where the system has it)
// for `code`, or for the desktop's choice without one, after removing the
// ones installed before. English installs none. Returns the language now
// spoken. A language other than English needs the application object.
QString useLanguage(const std::optional<QString>& code = std::nullopt);

// Takes "--lang CODE" or "--lang=CODE" out of a command line (the arguments
// after the program name): the code, nothing when it is not there, or a
// problem when --lang has no code.
Result<std::optional<std::string>> takeLanguageOption(std::vector<std::string>& args);

}  // namespace yq
