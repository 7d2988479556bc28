#pragma once

#include "practice/Fact.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace numberlark {

class Announcer;

// The end of a session, in words a child understands: how many she
// answered, the facts she came to know (the first three large, with a star,
// and how many more), and when to come back.
class SummaryPage : public QWidget {
    Q_OBJECT

public:
    struct Summary {
        QString child;
        int answered = 0;
        std::vector<practice::Fact> newlyKnown;
        QString comeBack; // "See you tomorrow: 5 minutes of practice."
        QString notice;   // why nothing was kept, or empty
    };

    explicit SummaryPage(QWidget* parent = nullptr);
    ~SummaryPage() override;

    void show(const Summary& summary);

    QLabel* headline() const { return m_headline; }
    QListWidget* starredFacts() const { return m_facts; }
    QLabel* moreFacts() const { return m_more; }
    QLabel* comeBack() const { return m_comeBack; }
    QLabel* notice() const { return m_notice; }
    QPushButton* closeButton() const { return m_close; }

signals:
    void closeRequested();

private:
    QLabel* m_headline = nullptr;
    QLabel* m_factsTitle = nullptr;
    QListWidget* m_facts = nullptr;
    QLabel* m_more = nullptr;
    QLabel* m_comeBack = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_close = nullptr;
    std::unique_ptr<Announcer> m_announcer;
};

} // namespace numberlark
