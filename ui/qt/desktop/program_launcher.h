// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>
#include <QStringList>
#include <QUrl>

// Opening a file in the operator's program: the text editor with the report, the PDF reader
// with the manual. The program paths are the operator's settings and often still the Windows
// defaults, so a program that cannot be found gives way to the desktop's own choice for the
// file where the desktop can say whether that choice worked (Windows, macOS); otherwise the
// caller shows the file in the program's own viewer.

namespace velmorant {

// The two ways of opening a file. Tests replace them to see what would be launched.
struct LaunchActions {
    // Starts `program` with `arguments` in `workingFolder` without waiting for it; false when
    // it did not start.
    std::function<bool(const QString& program, const QStringList& arguments,
                       const QString& workingFolder)>
        StartProcess;
    // Hands `url` to the desktop's default application for it; false when that failed.
    std::function<bool(const QUrl& url)> OpenWithDesktop;
};

// QProcess::startDetached, and QDesktopServices::openUrl on Windows and macOS; neither waits.
// Elsewhere (Linux, the BSDs) OpenWithDesktop is left empty: the opener there (xdg-open, a portal)
// answers "started" before anything shows, and with a terminal editor behind it nothing ever
// does, so its answer cannot decide whether the program must show the file itself.
LaunchActions DesktopLaunchActions();

// How a file was opened.
struct LaunchResult {
    enum class Kind {
        Program,  // the configured program was started with the file
        Desktop,  // the desktop's default application was asked to open the file
        Failed    // neither worked: the caller tells the operator
    };
    Kind How = Kind::Failed;
    // The program as started (an absolute path), when How is Program.
    QString Program;

    bool Launched() const { return How != Kind::Failed; }
};

// The executable file a program path names, as an absolute path; empty when there is none.
// %NAME%, $NAME and ${NAME} are expanded from the environment first. The whole path names one
// program, blanks included. A bare name is looked for in the absolute folders of PATH only, never
// in the working folder; an absolute path is taken as it is; a relative path with a folder in it
// names no program (the working folder is never searched).
QString FindProgram(const QString& programPath);

// Opens `file` (relative to `workingFolder`, or absolute) with the program at `programPath`:
// the program gets the file as its one argument and `workingFolder` as its current folder, with
// no shell in between. When the program cannot be found or does not start, the desktop's
// default application opens the file instead. Returns at once in every case.
LaunchResult OpenWithProgram(const QString& programPath, const QString& file,
                             const QString& workingFolder, const LaunchActions& actions);
// The same with the real process start and desktop.
LaunchResult OpenWithProgram(const QString& programPath, const QString& file,
                             const QString& workingFolder);

}  // namespace velmorant
