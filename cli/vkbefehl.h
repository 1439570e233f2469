#pragma once
// "vk" and "pruning": the velocity-factor calculator and the pruning window from the command
// line, on the same calculations their window runs.

#include <QStringList>

class QTextStream;

namespace rechner {

int vkBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);
int pruningBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner
