#include "cli/FileCommands.h"

#include "cli/CalcCase.h"
#include "design/DesignTools.h"
#include "files/SaveDesign.h"
#include "files/UserFile.h"

#include <QDir>

#include <ostream>

namespace yq::cli {

int runSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        CalcCase c = parseCalcCase(args);
        if (c.partial) throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'save' takes no '--partial'"))};
        c.runs = 1;
        std::string warnings;
        int metric = 0;
        const DesignRecord record = computeCase(c, &warnings, &metric);
        if (!warnings.empty())
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "warning: %1"), {warnings}) << '\n';
        QString userRecord;
        QString resultsUser;
        const SaveOutcome outcome =
            saveDesign(record, record.unitSystem(), metric, userRecord, QDir::currentPath(), resultsUser);
        if (!outcome.design) {
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1 could not be written: %2"),
                           {outcome.path.toStdString(), outcome.design.problem().text()})
                << '\n';
            return 1;
        }
        out << outcome.path.toStdString() << '\n';
        if (!outcome.results) {
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "the results row could not be written: %1"),
                           {outcome.results.problem().text()})
                << '\n';
            return 1;
        }
        if (!outcome.results->warning.isEmpty())
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "warning: %1"), {outcome.results->warning.toStdString()})
                << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

int runUsersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    UserFile users(QDir::currentPath());
    if (args.empty()) {
        const auto records = users.inKeyOrder();
        if (!records) {
            err << "yq-calc: " << records.problem().text() << '\n';
            return 1;
        }
        for (const UserRecord& r : *records) out << r.user.toStdString() << '\n';
        return 0;
    }
    const std::string& verb = args[0];
    if ((verb != "add" && verb != "delete") || args.size() < 2) {
        err << "yq-calc: " << usageLine("yq-calc users [add TEXT | delete TEXT]");
        return 2;
    }
    std::string joined;
    for (std::size_t i = 1; i < args.size(); ++i) joined += (i > 1 ? " " : "") + args[i];
    QString text = QString::fromStdString(joined);
    while (text.endsWith(u' ')) text.chop(1);
    if (verb == "add") {
        if (const Result<> added = users.add(text); !added) {
            err << "yq-calc: " << added.problem().text() << '\n';
            return 1;
        }
        return 0;
    }
    const auto records = users.inKeyOrder();
    if (!records) {
        err << "yq-calc: " << records.problem().text() << '\n';
        return 1;
    }
    for (const UserRecord& r : *records) {
        if (r.user == text) {
            if (const Result<> removed = users.remove(r.id); !removed) {
                err << "yq-calc: " << removed.problem().text() << '\n';
                return 1;
            }
            return 0;
        }
    }
    err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "no user record '%1'"), {joined}) << '\n';
    return 1;
}

}  // namespace yq::cli
