#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QQueue>

// Message boxes for tests: each box is recorded and answered from the queue. A box that
// nothing was queued for is recorded as unexpected, so the test can fail on it.
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget *parent, const Box &box) override;

    void queue(Answer answer) { m_answers.enqueue(answer); }

    const QList<Box> &shown() const { return m_shown; }
    int unanswered() const { return m_answers.size(); }
    int unexpected() const { return m_unexpected; }

    // Verifies in the calling test that every queued answer was used and no box came
    // unasked, then starts afresh.
    void verifyDone();

private:
    QQueue<Answer> m_answers;
    QList<Box> m_shown;
    int m_unexpected = 0;
};

bool operator==(const MessageBoxes::Box &a, const MessageBoxes::Box &b);
char *toString(const MessageBoxes::Box &box);
