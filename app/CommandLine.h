// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What the program answers to its command line before it opens any window:
// `--help` (`-h`) prints a short usage and `--version` (`-v`) the version, both on
// standard output with exit status 0; an option that neither the program nor the
// toolkit knows, or any other argument, is reported on standard error with exit
// status 2. The toolkit's own options (`-platform NAME`, `-style NAME`, ...) pass
// through to the toolkit, and the program goes on.
struct CommandLineAnswer {
    bool goOn = true;
    int exitStatus = 0;
    QString standardOutput;
    QString standardError;
};

// `arguments` as main receives them, the program's name first.
CommandLineAnswer answerCommandLine(const QStringList &arguments);

// Reads main's arguments, prints the answer's texts and returns whether the program
// goes on; where it does not, `exitStatus` is what main returns.
bool readCommandLine(int argc, char **argv, int &exitStatus);
