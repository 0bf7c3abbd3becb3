#include "cli/CalcLanguage.h"

#include "files/Language.h"

#include <QLocale>

namespace yq::cli {

std::optional<int> chooseCalcLanguage(std::vector<std::string>& args, std::ostream& err,
                                      const std::function<void()>& makeApplication) {
    std::vector<std::string> rest = args;
    const auto option = takeLanguageOption(rest);
    const std::optional<QString> code =
        option && *option ? std::optional(QString::fromStdString(**option)) : std::nullopt;
    const auto named = code ? languageOfCode(*code) : Result<QString>(QString());
    // A wrong --lang is told in the desktop's language.
    const QString language = named && code ? *named : languageOfPreferences(QLocale::system().uiLanguages());
    if (language != u"en") {
        makeApplication();
        useLanguage(language);
    }
    // The refusals are worded once the language is installed.
    if (!option) {
        err << "yq-calc: " << takeLanguageOption(args).problem().text() << '\n';
        return 2;
    }
    if (!named) {
        err << "yq-calc: " << languageOfCode(*code).problem().text() << '\n';
        return 2;
    }
    args = std::move(rest);
    return std::nullopt;
}

}  // namespace yq::cli
