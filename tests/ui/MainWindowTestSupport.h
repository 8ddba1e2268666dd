#pragma once
// Driving the main window without a person: the scripted user, and moving
// the focus as a click or Tab does.

#include "support/UserFakes.h"

#include <QApplication>
#include <QWidget>
#include <deque>
#include <vector>

namespace torval::test {

// Lets queued focus and leave handling run.
inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Moves the focus from one field to another the way a click or Tab does.
inline void moveFocus(QWidget* from, QWidget* to)
{
    from->setFocus(Qt::OtherFocusReason);
    settle();
    to->setFocus(Qt::OtherFocusReason);
    settle();
}

} // namespace torval::test
