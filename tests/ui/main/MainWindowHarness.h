#pragma once

#include "ManualPause.h"
#include "settings/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "ui/main/CaptionLabel.h"
#include "ui/main/Form1.h"

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <vector>

// Readable QStrings in GoogleTest's failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace numberlark::testing {

// The main window with everything outside it replaced: settings in memory,
// scripted questions, pauses the test ends, counted beeps and a fixed clock.
class MainWindowHarness {
public:
    static const QDateTime kCompletionTime;

    // By default the questions alternate between multipliers 3 and 5, so
    // consecutive products always differ.
    explicit MainWindowHarness(std::vector<double> draws = {drawFor(3, 10), drawFor(1, 2),
                                                            drawFor(5, 10), drawFor(2, 2)});

    // Writes a setting before the window is made; the load step reads it.
    void store(const char* key, const char* value);
    Form1& window();
    SessionRecord& record() { return window().record(); }
    ScriptedRandom& random() { return *m_random; }
    ManualPause& pause() { return m_pause; }
    // The window's boxes; a failed results write is unexpected until a test
    // sets retryAnswer.
    ScriptedDialogs& dialogs() { return *m_dialogs; }
    int beeps() const { return m_beeps; }
    // The progress log Quit writes to (in a private folder), and what Quit
    // told the user about it.
    QString progressLogPath() const;
    const QStringList& progressNotices() const { return m_progressNotices; }

    const MainControls& controls() { return window().controls(); }
    QString text(const char* controlName);
    // Clears the answer box, types the text into it and presses Enter.
    void answer(const QString& typed);
    void pressEnter();
    void clickTest();
    // Answers the question on screen correctly and ends the pause after it.
    void answerCorrectly();
    // From TEST to the certificate, with every pause ended.
    void takeWholeTest();

private:
    MemorySettingsStore m_store;
    ScriptedRandom* m_random = nullptr;
    std::unique_ptr<ScriptedRandom> m_pendingRandom;
    std::unique_ptr<Form1> m_window;
    ManualPause m_pause;
    std::shared_ptr<ScriptedDialogs> m_dialogs = std::make_shared<ScriptedDialogs>();
    int m_beeps = 0;
    QTemporaryDir m_progressFolder;
    QStringList m_progressNotices;
};

} // namespace numberlark::testing
