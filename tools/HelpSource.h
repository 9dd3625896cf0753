#pragma once

#include "core/help/HelpFile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

// Turns the readable help text into topics:
//   # Title      a top-level topic
//   ## Title     a sub-topic of the top-level topic above it
//   .tabs N      tab stops every N characters in this topic (8 if not given)
//   .nowrap      long lines of this topic are not wrapped on screen
// Every other line belongs to the body of the topic above it; lines are joined
// with "\r\n", blank lines at either end and blanks at line ends are dropped.
// Appends the topics to `topics` and returns what is wrong, each as
// "source:line: what" (empty when all is well).
QStringList parseHelpSource(const QString &text, const QString &source, QList<HelpTopic> &topics);

} // namespace qm
