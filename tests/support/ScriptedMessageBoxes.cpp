#include "ScriptedMessageBoxes.h"

#include <QTest>

MessageBoxes::Answer ScriptedMessageBoxes::show(QWidget *, const Box &box)
{
    m_shown.append(box);
    if (m_answers.isEmpty()) {
        ++m_unexpected;
        qWarning("Unexpected message box: %s", qPrintable(box.text));
        return box.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    return m_answers.dequeue();
}

void ScriptedMessageBoxes::verifyDone()
{
    const int unexpected = m_unexpected;
    const int unanswered = m_answers.size();
    m_answers.clear();
    m_shown.clear();
    m_unexpected = 0;
    QVERIFY2(unexpected == 0, "a message box was shown that the test did not expect");
    QVERIFY2(unanswered == 0, "a queued answer was not used: an expected box was not shown");
}

bool operator==(const MessageBoxes::Box &a, const MessageBoxes::Box &b)
{
    return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons
        && (a.buttons == MessageBoxes::Buttons::Ok || a.defaultButton == b.defaultButton);
}

char *toString(const MessageBoxes::Box &box)
{
    const QString buttons = box.buttons == MessageBoxes::Buttons::Ok ? QStringLiteral("OK")
        : box.defaultButton == MessageBoxes::DefaultButton::No
        ? QStringLiteral("Yes/No, default No")
        : QStringLiteral("Yes/No, default Yes");
    const QString text = QStringLiteral("Box(\"%1\", title \"%2\", icon %3, buttons %4)")
                             .arg(box.text, box.title)
                             .arg(box.icon == MessageBoxes::Icon::Critical         ? u"critical"
                                     : box.icon == MessageBoxes::Icon::Information ? u"information"
                                                                                   : u"none")
                             .arg(buttons);
    return qstrdup(text.toUtf8().constData());
}
