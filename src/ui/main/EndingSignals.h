#pragma once

#include <QObject>

class QSocketNotifier;

namespace numberlark {

// Turns SIGTERM, SIGHUP and SIGINT (a shutdown, a closed terminal or
// session, Ctrl+C) into a Qt signal on the window's thread, so the program
// can keep the child's work before it ends. The handler itself only writes
// one byte to a socket pair: nothing else is safe inside a signal handler.
// One per program; the handlers stay installed until the process ends.
class EndingSignals : public QObject {
    Q_OBJECT

public:
    explicit EndingSignals(QObject* parent = nullptr);
    ~EndingSignals() override;
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

signals:
    void endRequested();

private:
    void readByte();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace numberlark
