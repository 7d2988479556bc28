#pragma once

#include <QString>

#include <utility>

namespace numberlark {

// What became of something that reaches beyond the program: a file, the
// settings store, the progress log, a printer, a PDF or a module. It carries
// what failed (a sentence for the user), the path of what failed and the
// system's reason. A function that returns one must not have it dropped:
// "done, but tell the user" is done, and still has to reach the user.
struct [[nodiscard]] Outcome {
    enum class Kind {
        Ok,          // done; nothing to tell
        DoneButTell, // done, and the user must hear something (a damaged file set aside)
        Busy,        // another program holds what was needed; later may work
        LeftAlone,   // not done, on purpose (a file from a newer Numberlark)
        Failed,      // the file, the folder, the disk, a device or a module refused

        // The progress log's words for three of them.
        StartedAfresh = DoneButTell,
        NewerVersion = LeftAlone,
        CannotWrite = Failed,
    };

    Outcome() = default;
    Outcome(Kind kind, QString message, QString path = {}, QString reason = {})
        : kind(kind), message(std::move(message)), path(std::move(path)), reason(std::move(reason))
    {
    }

    Kind kind = Kind::Ok;
    QString message; // for the user, whole sentences; empty when there is nothing to tell
    QString path;    // the file, folder, printer or module concerned, when known
    QString reason;  // the system's own words, when it gave any

    static Outcome success() { return {}; }
    static Outcome failure(QString message, QString path = {}, QString reason = {})
    {
        return {Kind::Failed, std::move(message), std::move(path), std::move(reason)};
    }

    // What was asked for was carried out (possibly with something to tell).
    bool done() const { return kind == Kind::Ok || kind == Kind::DoneButTell; }
    bool failed() const { return !done(); }
    // The user must be told: a failure, or a done that came with a notice.
    bool mustTell() const { return kind != Kind::Ok; }

    friend bool operator==(const Outcome&, const Outcome&) = default;
};

} // namespace numberlark
