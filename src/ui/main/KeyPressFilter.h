#pragma once

#include <QObject>

#include <functional>

namespace numberlark {

// The character code of Enter, whichever Enter key was pressed.
inline constexpr int kEnterKeyAscii = 13;

// Reports each key pressed in the widget it watches by its character code
// (13 for Return and the keypad's Enter, the typed character otherwise, 0
// for keys that type nothing). A handler that returns true swallows the key.
class KeyPressFilter : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<bool(int keyAscii)>;

    KeyPressFilter(QObject* watched, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
};

} // namespace numberlark
