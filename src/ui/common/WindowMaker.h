#pragma once

class QWidget;

namespace numberlark {

// A window that lives in a module of its own (the progress and practice
// windows): the module's one service makes a window for a `Context`, the
// program's description of what the window may reach.
template <typename Context> class WindowMaker {
public:
    virtual ~WindowMaker() = default;
    // A new window, owned by the caller.
    virtual QWidget* make(const Context& context) const = 0;
};

// The module's side: its one maker, which makes a `Window` from the context.
// The module's exported entry point returns it.
template <typename Maker, typename Window, typename Context> Maker* windowMakerOf()
{
    class OfWindow : public Maker {
    public:
        QWidget* make(const Context& context) const override { return new Window(context); }
    };
    static OfWindow maker;
    return &maker;
}

} // namespace numberlark
