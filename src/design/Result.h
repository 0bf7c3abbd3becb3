// One shape for a failure across the layers: a function that can fail
// returns Result<T>, which holds either its value or the Problem that kept
// it from being made. A Problem says what went wrong ("The file /a/b.ini
// cannot be written") and, where there is one, why (the system's reason,
// "No space left on device"). Qt-free, like the rest of this layer: the
// texts are UTF-8; the Qt layers convert with QString::fromStdString.
//
// Where callers tell failures apart by a number (the launcher's result
// codes, the RTF writer's codes), the Problem carries it in `code`; 0 when a
// failure has no number. A function whose call leaves figures whatever the
// outcome (the file it chose, the flag it wrote, the program it tried)
// returns a plain record of those figures that holds each step that can
// fail as a Result member (`SaveOutcome::design`, `LaunchResult::started`);
// figures that only a success has are the Result's value. No other
// success flag or error text sits beside a Result.
#pragma once

#include <cassert>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace yq {

struct Problem {
    std::string what;    // what failed, a whole sentence without its reason
    std::string reason;  // why, as the system or the checker says it; may be empty
    int code = 0;        // the failure's number where callers tell failures apart by one; 0 when none

    // "what: reason", or what alone when there is no reason.
    std::string text() const { return reason.empty() ? what : what + ": " + reason; }
    friend bool operator==(const Problem&, const Problem&) = default;
};

template <class T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem) : v_(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& {
        assert(ok());
        return std::get<0>(v_);
    }
    T& value() & {
        assert(ok());
        return std::get<0>(v_);
    }
    T&& value() && {
        assert(ok());
        return std::get<0>(std::move(v_));
    }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }

    const Problem& problem() const {
        assert(!ok());
        return std::get<1>(v_);
    }

private:
    std::variant<T, Problem> v_;
};

// A step that gives nothing back but may fail.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Problem problem) : problem_(std::move(problem)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Problem& problem() const {
        assert(!ok_);
        return problem_;
    }

private:
    Problem problem_;
    bool ok_ = true;
};

// Shorthands: return yq::fail("...", reason) from a function returning any Result.
inline Problem fail(std::string what, std::string reason = {}) { return Problem{std::move(what), std::move(reason)}; }
// A failure with its number: yq::fail(rtf::NotWritten, "...").
inline Problem fail(int code, std::string what, std::string reason = {}) {
    return Problem{std::move(what), std::move(reason), code};
}

// The code of an outcome: `done` for a success, else the failure's code.
template <class T>
int codeOr(const Result<T>& outcome, int done) {
    return outcome ? done : outcome.problem().code;
}

}  // namespace yq
