#pragma once

#include <QString>

#include <optional>

namespace numberlark {

// Where the progress window's children and their tests come from: this
// computer's own log, or the teacher's class view of the school's server.
// The window asks the source it shows and takes back a child's tests and
// practice the same way from either, so only the source knows where they
// are read.
class ChildSource {
public:
    virtual ~ChildSource() = default;

    // Fills the child picker afresh and shows `child` if she is there, else
    // the source's first page.
    virtual void readChildren(const std::optional<QString>& child) = 0;
    // Shows the picker's entry at `pickerIndex`.
    virtual void readChild(int pickerIndex) = 0;
    // Tests can be brought in and a child forgotten: true only of this
    // computer's own log, since the school's server is only ever read here.
    virtual bool changeable() const = 0;
};

} // namespace numberlark
