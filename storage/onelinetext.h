#pragma once

#include <QString>

// A project name and a starting comment are one line each in the files they go into. Text
// pasted into a one-line box may still hold line breaks; each run of them, CR and LF in any
// mix, becomes one space when the text is taken, so a pasted name or comment stays readable
// and never splits into two lines.
QString oneLineText(QStringView text);
