#pragma once

class QStackedWidget;

namespace numberlark {

// A window's pages are one stack; Orca names its role ("layered pane")
// every time the focus enters a page, between the window's name and the
// control the child is to use. Told as a plain pane without a name, the
// stack is passed over in silence. Call before the stack is shown.
void silencePages(QStackedWidget& pages);

} // namespace numberlark
