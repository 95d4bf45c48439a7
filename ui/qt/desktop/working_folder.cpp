// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/desktop/working_folder.h"

#include <system_error>

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace velmorant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultsFile = "VELMORANT.DAT";

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// Two spellings of one folder compare equal, whether or not the folder exists yet.
bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code errorA;
    std::error_code errorB;
    const fs::path canonicalA = fs::weakly_canonical(a, errorA);
    const fs::path canonicalB = fs::weakly_canonical(b, errorB);
    if (errorA || errorB) {
        return a.lexically_normal() == b.lexically_normal();
    }
    return canonicalA == canonicalB;
}

fs::path ToPath(const QString& text) {
    return fs::path(text.toStdU16String());
}

// Copies through a temporary name, so that an interrupted copy never leaves a partial file
// that would then count as the operator's own.
bool CopyIfMissing(const fs::path& source, const fs::path& destination) {
    std::error_code error;
    if (fs::exists(destination, error)) {
        return true;
    }
    fs::path partial = destination;
    partial += ".part";
    fs::copy_file(source, partial, fs::copy_options::overwrite_existing, error);
    if (!error) {
        // Installed files may be read-only; the operator's copies must take SET DEFAULTS and
        // station edits.
        fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, error);
    }
    if (!error && !Exists(destination)) {
        fs::rename(partial, destination, error);
    }
    std::error_code ignored;
    fs::remove(partial, ignored);
    return !error && IsFile(destination);
}

}  // namespace

void SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("VELMORANT"));
    QCoreApplication::setApplicationName(QStringLiteral("velmorant"));
}

WorkingFolderPlan PlanWorkingFolder(const FolderCandidates& candidates) {
    WorkingFolderPlan plan;
    // Without a user folder (no home folder at all) the executable's folder is all there is.
    if (IsFile(candidates.ExecutableFolder / kDefaultsFile) || candidates.UserFolder.empty()) {
        plan.Folder = candidates.ExecutableFolder;
        return plan;
    }
    plan.Folder = candidates.UserFolder;
    for (const fs::path& installed : candidates.InstalledFolders) {
        if (!SameFolder(installed, candidates.UserFolder) && IsFile(installed / kDefaultsFile)) {
            plan.Source = installed;
            break;
        }
    }
    if (!plan.Source) {
        return plan;
    }
    for (std::string_view name : kWorkingFolderFiles) {
        if (!Exists(plan.Folder / name) && IsFile(*plan.Source / name)) {
            plan.FilesToCopy.emplace_back(name);
        }
    }
    return plan;
}

bool CarryOut(const WorkingFolderPlan& plan) {
    std::error_code error;
    fs::create_directories(plan.Folder, error);
    if (error) {
        return false;
    }
    bool copied = true;
    for (const std::string& name : plan.FilesToCopy) {
        if (plan.Source && !CopyIfMissing(*plan.Source / name, plan.Folder / name)) {
            copied = false;
        }
    }
    return copied;
}

FolderCandidates StandardFolderCandidates() {
    FolderCandidates candidates;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    candidates.ExecutableFolder = ToPath(executableFolder);
    candidates.UserFolder =
        ToPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));

    candidates.InstalledFolders.push_back(
        ToPath(QDir::cleanPath(executableFolder + QStringLiteral("/../share/velmorant"))));
    // The AppDataLocation entries already end in the program's own folder; the generic ones
    // hold one folder per program.
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)) {
        candidates.InstalledFolders.push_back(ToPath(folder));
    }
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        candidates.InstalledFolders.push_back(ToPath(folder + QStringLiteral("/velmorant")));
    }
    return candidates;
}

fs::path ChooseWorkingFolder(const FolderCandidates& candidates) {
    const WorkingFolderPlan plan = PlanWorkingFolder(candidates);
    CarryOut(plan);
    return plan.Folder;
}

fs::path ChooseWorkingFolder() {
    return ChooseWorkingFolder(StandardFolderCandidates());
}

}  // namespace velmorant
