#pragma once
// The info box: what the program is, its version and legal notice, and how to use it.

#include <QString>

class FrameServices;

QString InfoText(const QString& crLf);
QString InfoTitel();

// "&Info": shows the box; the status line reads "Info " while it is open.
void Info(FrameServices& frame);
