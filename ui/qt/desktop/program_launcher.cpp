// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/program_launcher.h"

#include <optional>
#include <string>
#include <string_view>

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "ui/model/desktop/program_path.h"

namespace velmorant {

namespace {

// Qt reads the environment in the platform's own encoding and hands it on as Unicode, which
// getenv does not do on Windows.
std::optional<std::string> QtEnvironment(std::string_view name) {
    const std::string key(name);
    if (!qEnvironmentVariableIsSet(key.c_str())) {
        return std::nullopt;
    }
    return qEnvironmentVariable(key.c_str()).toStdString();
}

bool HasFolder(const QString& path) {
#ifdef Q_OS_WIN
    return path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('\\'));
#else
    return path.contains(QLatin1Char('/'));
#endif
}

// The folders of PATH that do not depend on the current folder: an empty or relative entry
// ("." among them) would name the working folder again.
QStringList AbsolutePathFolders() {
    QStringList folders;
    const QStringList entries =
        qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        if (QDir::isAbsolutePath(entry)) {
            folders.append(entry);
        }
    }
    return folders;
}

QString ExecutableFile(const QFileInfo& file) {
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

}  // namespace

LaunchActions DesktopLaunchActions() {
    LaunchActions actions;
    actions.StartProcess = [](const QString& program, const QStringList& arguments,
                              const QString& workingFolder) {
        return QProcess::startDetached(program, arguments, workingFolder);
    };
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    actions.OpenWithDesktop = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
#endif
    return actions;
}

QString FindProgram(const QString& programPath) {
    const QString expanded =
        QString::fromStdString(ExpandEnvironment(programPath.toStdString(), QtEnvironment));
    if (expanded.trimmed().isEmpty()) {
        return {};
    }

    // Only the operator's PATH or a full path decides what runs: a program file dropped into the
    // working folder, or a VELMORANT.DAT received from someone else naming one there, must not.
    if (!HasFolder(expanded)) {
        // An empty list would make Qt search the whole PATH after all.
        const QStringList folders = AbsolutePathFolders();
        const QString onPath =
            folders.isEmpty() ? QString() : QStandardPaths::findExecutable(expanded, folders);
        return onPath.isEmpty() ? QString() : QFileInfo(onPath).absoluteFilePath();
    }
    const QFileInfo file(expanded);
    return file.isAbsolute() ? ExecutableFile(file) : QString();
}

LaunchResult OpenWithProgram(const QString& programPath, const QString& file,
                             const QString& workingFolder, const LaunchActions& actions) {
    LaunchResult result;
    const QString program = FindProgram(programPath);
    if (!program.isEmpty() && actions.StartProcess &&
        actions.StartProcess(program, QStringList{file}, workingFolder)) {
        result.How = LaunchResult::Kind::Program;
        result.Program = program;
        return result;
    }
    const QUrl url = QUrl::fromLocalFile(QDir(workingFolder).absoluteFilePath(file));
    if (actions.OpenWithDesktop && actions.OpenWithDesktop(url)) {
        result.How = LaunchResult::Kind::Desktop;
    }
    return result;
}

LaunchResult OpenWithProgram(const QString& programPath, const QString& file,
                             const QString& workingFolder) {
    return OpenWithProgram(programPath, file, workingFolder, DesktopLaunchActions());
}

}  // namespace velmorant
